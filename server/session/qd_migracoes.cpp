#include "server/session/qd_migracoes.h"

#include "server/migrations/qd_ambiente_migracoes.h"
#include "server/migrations/qd_contexto_migracao.h"
#include "server/migrations/qd_migra_converte_locais.h"
#include "server/migrations/qd_migra_locais_antigos.h"
#include "server/migrations/qd_migra_refaz_docs.h"
#include "server/migrations/qd_migra_usuarios_log.h"
#include "server/session/qd_propriedades_arq.h"

#include <algorithm>
#include <array>

namespace {

struct Passo {
    bool bPendente;
    platform::HRESULT (*executa)(CQDContextoMigracao&);
};

}  // namespace

platform::HRESULT QDExecutaMigracoes(IZTQD_Srv& srv, const CQDSessao& sessao, const QD_PROPRIEDADES_PS& prop) {
    const std::array<Passo, 4> passos = {{
        {(prop.bFlags & QD_MIGRACAO_USUARIOS_LOG) == 0, &QDMigraUsuariosLog},
        {(prop.bFlags & QD_MIGRACAO_REFAZ_DOCUMENTOS) == 0, &QDMigraRefazDocs},
        {(prop.bFlags & QD_MIGRACAO_LOCAIS_ANTIGOS) == 0, &QDMigraLocaisAntigos},
        {prop.iVersaoSistema == 0, &QDMigraConverteLocais},
    }};
    if (std::none_of(passos.begin(), passos.end(), [](const Passo& passo) { return passo.bPendente; })) {
        return platform::S_OK;
    }
    CQDContextoMigracao contexto(srv, sessao.strDiretorio, sessao.strEmpresa, QDAmbienteMigracoesAtual());
    for (const Passo& passo : passos) {
        if (!passo.bPendente) continue;
        if (const platform::HRESULT hr = passo.executa(contexto); platform::FAILED(hr)) return hr;
    }
    return platform::S_OK;
}
