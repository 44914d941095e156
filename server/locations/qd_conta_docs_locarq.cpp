#include "server/locations/qd_conta_docs_locarq.h"

#include "server/document/qd_doc_arq.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/qd_arq_t.h"

#include <map>

int QDContaDocsLocArq(IQDArqBind& bind, const std::vector<std::uint32_t>& posicoes,
                      std::vector<std::int32_t>& quantidades) {
    quantidades.clear();
    std::map<std::uint32_t, std::int32_t> contagens;
    for (const std::uint32_t posicao : posicoes) contagens.emplace(posicao, 0);

    CQDArqT<QD_DOC_ARQ> documentos(bind);
    if (const int codigo = documentos.Open('L', true)) return codigo;
    const std::int32_t ultima = QDUltimaPosicao(documentos);
    for (std::int32_t posicao = 1; posicao <= ultima; ++posicao) {
        QD_DOC_ARQ doc{};
        if (const int codigo = documentos.ReadRecord(posicao, &doc)) return codigo;
        if (doc.dwFlags & QD_DOC_EXCLUIDO) continue;
        const auto contagem = contagens.find(doc.lLocArq);
        // At most one document per position: the count never passes the signed 32-bit positions.
        if (contagem != contagens.end()) ++contagem->second;
    }

    quantidades.reserve(posicoes.size());
    for (const std::uint32_t posicao : posicoes) quantidades.push_back(contagens[posicao]);
    return 0;
}

int QDContaDocsLocArq(IQDArqBind& bind, std::uint32_t lPosLocArq, std::int32_t& quantidade) {
    quantidade = 0;
    std::vector<std::int32_t> quantidades;
    if (const int codigo = QDContaDocsLocArq(bind, std::vector<std::uint32_t>{lPosLocArq}, quantidades)) return codigo;
    quantidade = quantidades.front();
    return 0;
}
