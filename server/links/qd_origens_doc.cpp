#include "server/links/qd_origens_doc.h"

#include "server/links/qd_percorre_vinculos.h"
#include "server/object/qd_arq_bind.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

#include <unordered_set>

namespace {

QD_ORIGEM_VINCULO_DOC_PS OrigemDe(const QD_VINCULO_DOC_ARQ& registro) {
    QD_ORIGEM_VINCULO_DOC_PS origem{};
    origem.eProc = static_cast<QD_E_PROCESSO>(registro.eProc);
    origem.lChave = registro.lChave;
    return origem;
}

// Collects the origins of the documents that `escolhido` accepts into `mapa`.
template <class Escolhe>
int ColetaOrigens(CZTArqEx& vinculos, QDOrigensPorDoc& mapa, Escolhe&& escolhido) {
    mapa.clear();
    const int codigo = QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& registro, std::int32_t) {
        if (escolhido(registro.lPosDoc)) mapa[registro.lPosDoc].push_back(OrigemDe(registro));
        return 0;
    });
    if (codigo) mapa.clear();
    return codigo;
}

}  // namespace

int QDLeOrigensDoc(CZTArqEx& vinculos, std::uint32_t lPosDoc, QDOrigensVinculo& origens) {
    origens.clear();
    const int codigo = QDPercorreVinculos(vinculos, [&](const QD_VINCULO_DOC_ARQ& registro, std::int32_t) {
        if (registro.lPosDoc == lPosDoc) origens.push_back(OrigemDe(registro));
        return 0;
    });
    if (codigo) origens.clear();
    return codigo;
}

int QDLeOrigensDocs(CZTArqEx& vinculos, std::span<const std::uint32_t> docs, QDOrigensPorDoc& mapa) {
    const std::unordered_set<std::uint32_t> escolhidos(docs.begin(), docs.end());
    return ColetaOrigens(vinculos, mapa, [&](std::uint32_t lPosDoc) { return escolhidos.contains(lPosDoc); });
}

int QDLeOrigensTodosDocs(CZTArqEx& vinculos, QDOrigensPorDoc& mapa) {
    return ColetaOrigens(vinculos, mapa, [](std::uint32_t) { return true; });
}

platform::HRESULT QDLeOrigensTodosDocs(IQDArqBind& bind, QDOrigensPorDoc& mapa) {
    mapa.clear();
    CQDArqT<QD_VINCULO_DOC_ARQ> vinculos(bind);
    if (const int codigo = vinculos.Open('L', true, true)) return QDHResultArq(codigo);
    return QDHResultArq(QDLeOrigensTodosDocs(vinculos, mapa));
}
