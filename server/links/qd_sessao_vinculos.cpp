#include "server/links/qd_sessao_vinculos.h"

#include "server/object/zt_qd_srv.h"

QDSessaoVinculos QDSessaoVinculosDe(CZTQD_Srv& srv) {
    return {QDSessaoDocsDe(srv), {srv.GetAcessoTotal(), srv.GetUsuario(), srv.GetUsuarioPai()}, srv.GetEmpresa(),
            srv.GetNumeroSessao()};
}
