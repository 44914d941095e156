#include "server/session/qd_mestre_novo.h"

#include "server/locations/qd_mascaras_iniciais.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/record_file_codes.h"
#include "server/session/qd_locarq_msc_arq.h"
#include "util/file/zt_file_probe.h"

#include <algorithm>
#include <cstring>

namespace {

using platform::HRESULT;

HRESULT DeCodigo(int codigo) { return codigo == 0 ? platform::S_OK : platform::HResultFromMessage(codigo); }

bool TudoZero(const QD_PROPRIEDADES_ARQ& arq) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&arq);
    return std::all_of(bytes, bytes + sizeof arq, [](std::uint8_t byte) { return byte == 0; });
}

// The ten masks of a new company.
int GravaMascaras(IQDArqBind& bind) {
    CQDArqT<QD_LOCARQ_MSC_ARQ> mascaras(bind);
    if (const int codigo = mascaras.Open('G', true)) return codigo;
    if (const int codigo = QDGravaMascarasIniciais(mascaras)) return codigo;
    return mascaras.CloseEx();
}

}  // namespace

QD_PROPRIEDADES_ARQ QDPropriedadesNovas() {
    QD_PROPRIEDADES_ARQ arq{};
    arq.iProxNumeroDoc = 1;
    // The company may already exist in the suite, with locations in the base module's folder: the
    // legacy import stays pending so that the first session brings them in.
    arq.bFlags = QD_MIGRACAO_USUARIOS_LOG | QD_MIGRACAO_REFAZ_DOCUMENTOS;
    arq.iVersaoSistema = QD_VERSAO_SISTEMA_ATUAL;
    return arq;
}

HRESULT QDCriaMestreNovo(IQDArqBind& bind) {
    CQDArqT<QD_PROPRIEDADES_ARQ> mestre(bind);
    const CZTString caminho = mestre.GetCaminhoArquivo();
    if (caminho.IsEmpty()) return DeCodigo(ZT_ERR_ARQ_NOME_MODO);
    if (ZTArquivoPresente(caminho)) return platform::S_OK;

    // The mode 'G' open is held from here to the header write, so a second process that also
    // found the file missing waits and then sees the properties written.
    if (const int codigo = mestre.Open('G', true, true)) return DeCodigo(codigo);
    QD_PROPRIEDADES_ARQ atual{};
    if (const int codigo = mestre.ReadRecord(0, &atual)) return DeCodigo(codigo);
    if (!TudoZero(atual)) return platform::S_OK;

    if (const int codigo = GravaMascaras(bind)) return DeCodigo(codigo);
    const QD_PROPRIEDADES_ARQ novas = QDPropriedadesNovas();
    if (const int codigo = mestre.WriteHeader(&novas, sizeof novas)) return DeCodigo(codigo);
    return DeCodigo(mestre.CloseEx());
}
