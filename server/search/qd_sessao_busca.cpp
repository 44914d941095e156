#include "server/search/qd_sessao_busca.h"

#include "server/object/zt_qd_srv.h"

QDSessaoBusca QDSessaoBuscaDe(CZTQD_Srv& srv) {
    const QDSessaoAcesso acesso{srv.GetAcessoTotal(), srv.GetUsuario(), srv.GetUsuarioPai()};
    return {srv, srv, acesso, srv.GetFiliaisAtivas(), srv.GetEmpresa(), srv.GetNumeroSessao()};
}
