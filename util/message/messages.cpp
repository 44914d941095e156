#include "util/message/messages.h"

#include "platform/text/codepage.h"
#include "platform/file/file.h"
#include "platform/interaction.h"
#include "platform/win32_error.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/file/zt_path.h"
#include "util/message/message_line_reader.h"

#include <cctype>
#include <climits>

namespace {

// Where a line's text starts: columns 1 to 8 hold the number.
constexpr size_t kInicioTexto = 8;
constexpr size_t kMaxTextoErroSO = 255;

// The number at the start of a line, read as the C library reads a decimal integer: leading
// blanks skipped, an optional sign, digits up to the first non-digit; 0 when there are none.
std::int64_t NumeroDaLinha(const std::string& linha) {
    size_t i = 0;
    while (i < linha.size() && std::isspace(static_cast<unsigned char>(linha[i]))) ++i;
    bool negativo = false;
    if (i < linha.size() && (linha[i] == '+' || linha[i] == '-')) negativo = linha[i++] == '-';
    std::int64_t numero = 0;
    for (; i < linha.size() && std::isdigit(static_cast<unsigned char>(linha[i])); ++i) {
        if (numero <= INT_MAX) numero = numero * 10 + (linha[i] - '0');  // past INT_MAX no code can match
    }
    return negativo ? -numero : numero;
}

// The text part of a message line, with each "\n" pair turned into a line break.
CZTString TextoDaLinha(const std::string& linha) {
    CZTString texto;
    for (size_t i = kInicioTexto; i < linha.size(); ++i) {
        if (linha[i] == '\\' && i + 1 < linha.size() && linha[i + 1] == 'n') {
            texto += '\n';
            ++i;
        } else {
            texto += linha[i];
        }
    }
    return texto;
}

}  // namespace

CZTString ZTNomeArquivoMensagens(std::int32_t modulo) {
    CZTString nome;
    nome.Format("ZT%sMens.txt", ZTGetPrefixoModulo(modulo).GetString());
    return nome;
}

bool ZTLeMensagemDoArquivo(const char* caminho, std::int32_t mensagem, CZTString& texto) {
    texto.Empty();
    platform::File arquivo;
    if (!arquivo.Open(caminho, platform::File::modeRead | platform::File::shareDenyNone)) return false;
    CZTLeitorLinhas leitor(arquivo);
    std::string linha;
    try {
        while (leitor.ProximaLinha(linha)) {
            if (NumeroDaLinha(linha) == mensagem) {
                texto = TextoDaLinha(linha);
                break;
            }
        }
    } catch (const platform::FileException&) {
        texto.Empty();  // a file that fails half-way gives no text rather than a broken one
    }
    return true;
}

CZTString ZTLeMensagem(std::int32_t mensagem, std::int32_t modulo) {
    const CZTString caminho = ZTConcatenaPath(ZTGetDiretorioMensagens(), ZTNomeArquivoMensagens(modulo));
    CZTString texto;
    if (ZTLeMensagemDoArquivo(caminho, mensagem, texto)) return texto;

    CZTString aviso;
    aviso.Format(platform::AnsiFromUtf8("Não foi possível abrir o arquivo texto de Mensagens %s. "
                                        "Caso o caminho esteja correto, atualize o arquivo.").c_str(),
                 caminho.GetString());
    platform::CurrentInteraction().ShowMessage(aviso, "Erro", platform::MB_OK | platform::MB_ICONWARNING, false);
    return {};
}

CZTString ZTGetTextoErroSO(std::uint32_t erroSO) {
    CZTString texto(platform::Win32ErrorText(erroSO));
    texto.Replace("\r\n", " ");
    texto.Replace('\n', ' ');
    return texto.Left(static_cast<int>(kMaxTextoErroSO));
}

CZTString ZTMontaTextoErro(const CZTString& texto, std::int32_t mensagem, std::uint32_t erroSO) {
    CZTString resultado = texto;
    if (resultado.IsEmpty()) resultado.Format("Erro desconhecido encontrado. C\xF3" "digo (%d)", mensagem);
    if (erroSO != 0) {
        const CZTString textoSO = ZTGetTextoErroSO(erroSO);
        if (!textoSO.IsEmpty()) resultado.AppendFormat("\nErro do SO: %d - %s", static_cast<int>(erroSO), textoSO.GetString());
    }
    return resultado;
}

int ZTMostraMensagem(std::int32_t mensagem, std::int32_t modulo, std::uint32_t erroSO, unsigned tipo) {
    const CZTString texto = ZTMontaTextoErro(ZTLeMensagem(mensagem, modulo), mensagem, erroSO);
    return platform::CurrentInteraction().ShowMessage(texto, ZTGetNomeModulo(modulo), tipo, false);
}
