// The context-help file's look-ups, over Qt's XML document.
#include "framework/help/zt_fc_ajuda.h"

#include "platform/exception.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"
#include "util/config/folders.h"
#include "util/file/zt_path.h"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>

#include <optional>

namespace {

// A context-help file lists forms and controls; anything larger is not one.
constexpr std::uint64_t kMaiorArquivo = 4u << 20;

QString QtText(const char* ansi) { return QString::fromStdString(platform::Utf8FromAnsi(ansi ? ansi : "")); }
CZTString AnsiText(const QString& text) { return CZTString(platform::AnsiFromUtf8(text.toStdString()).c_str()); }

std::optional<QByteArray> LeArquivoInteiro(const CZTString& caminho) {
    platform::File file;
    if (!file.Open(caminho, platform::File::modeRead | platform::File::shareDenyNone)) return std::nullopt;
    try {
        const std::uint64_t length = file.GetLength();
        if (length > kMaiorArquivo) return std::nullopt;
        QByteArray bytes(static_cast<qsizetype>(length), '\0');
        if (file.Read(bytes.data(), static_cast<unsigned>(length)) != length) return std::nullopt;
        return bytes;
    } catch (const platform::Exception&) {
        return std::nullopt;
    }
}

// The module's context-help document; nothing when it cannot be read. A document type
// declaration is refused whole: the file needs none, and refusing it keeps external and
// expanding entities out.
std::optional<QDomDocument> LeDocumento(const CZTString& pastaAjuda, const char* modulo) {
    if (pastaAjuda.IsEmpty() || !modulo || !*modulo) return std::nullopt;
    const std::optional<QByteArray> bytes =
        LeArquivoInteiro(ZTConcatenaPath(pastaAjuda, (CZTString(modulo) + ".ContextHelp").GetString()));
    if (!bytes || bytes->contains("<!DOCTYPE")) return std::nullopt;
    QDomDocument document;
    if (!document.setContent(*bytes)) return std::nullopt;
    return document;
}

// The form's entry: the first child of the document element named like the form, or a "form"
// whose "formName" matches without case.
QDomElement EntradaDoForm(const QDomDocument& document, const char* form) {
    const QString nome = QtText(form);
    for (QDomElement child = document.documentElement().firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == nome) return child;
        if (child.tagName() == u"form" && child.attribute("formName").compare(nome, Qt::CaseInsensitive) == 0) return child;
    }
    return {};
}

// The control's element: the first child of the entry whose "idHelp" (missing: 0) is `id`.
QDomElement ElementoDoControle(const QDomElement& entrada, platform::UINT id) {
    for (QDomElement child = entrada.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.attribute("idHelp", "0").toUInt() == id) return child;
    }
    return {};
}

// A missing "helpFile" gives an empty path, not the help folder.
ZTFCTopicoAjuda Topico(const CZTString& pastaAjuda, const QDomElement& entrada, const QString& link) {
    const CZTString arquivo = AnsiText(entrada.attribute("helpFile"));
    return {arquivo.IsEmpty() ? CZTString() : ZTConcatenaPath(pastaAjuda, arquivo.GetString()), AnsiText(link)};
}

}  // namespace

ZTFCTopicoAjuda ZTFCLeAjudaForm(const char* modulo, const char* form, const char* atributo) {
    const CZTString pasta = ZTGetDiretorioAjuda();
    const std::optional<QDomDocument> document = LeDocumento(pasta, modulo);
    if (!document) return {};
    const QDomElement entrada = EntradaDoForm(*document, form);
    if (entrada.isNull()) return {};
    return Topico(pasta, entrada, entrada.attribute(QtText(atributo)));
}

ZTFCTopicoAjuda ZTFCLeAjudaControle(const char* modulo, platform::UINT idControle, const char* form) {
    const CZTString pasta = ZTGetDiretorioAjuda();
    const std::optional<QDomDocument> document = LeDocumento(pasta, modulo);
    if (!document) return {};
    const QDomElement entrada = EntradaDoForm(*document, form);
    if (entrada.isNull()) return {};
    const QDomElement controle = ElementoDoControle(entrada, idControle);
    if (controle.isNull()) return {};
    return Topico(pasta, entrada, controle.attribute("link"));
}
