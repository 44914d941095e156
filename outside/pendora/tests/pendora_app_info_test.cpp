// CQDAppInfo: the rights test both ways (every right under the all-rights rule, else exactly the
// granted pairs), and what closing the company leaves.
#include "outside/pendora/qd_app_info.h"

#include "outside/conexo/conexo_dados.h"
#include "platform/tests/support/test_environment.h"
#include "server/idl/tests/support/recording_server.h"

#include <gtest/gtest.h>

namespace {

using server::idl::testing::RecordingServer;

constexpr char kEmpresa[] = "EMP1";

void GravaUsuario(std::uint16_t codigo, std::uint16_t pai, std::uint8_t supervisor,
                  const std::vector<CONEXO_DIREITO>& direitos) {
    REGUSU_PS reg;
    reg.iCodigo = codigo;
    reg.iCodigoPai = pai;
    reg.bSupervisor = supervisor;
    ASSERT_EQ(ConexoGravaUsuario(kEmpresa, reg, {1}), platform::S_OK);
    ASSERT_EQ(ConexoGravaDireitos(kEmpresa, codigo, direitos), platform::S_OK);
}

struct Pedido {
    std::uint16_t modulo;
    std::uint16_t direito;
    bool esperado;
};

struct Caso {
    const char* caso;
    std::uint16_t usuario;
    bool acessoTotalSupervisor;  // the properties' switch
    std::vector<Pedido> pedidos;
};

class AppInfo : public ::testing::Test {
protected:
    void SetUp() override {
        GravaUsuario(1, 0, 1, {{21, 8}});
        GravaUsuario(2, 1, 0, {});
        GravaUsuario(3, 0, 0, {{21, 8}, {1, 33}});
    }
    void TearDown() override { CQDAppInfo::GetInstance()->Libera(); }

    // Binds the instance to `servidor`, whose properties carry `acessoTotalSupervisor`, for `usuario`.
    void Abre(std::uint16_t usuario, bool acessoTotalSupervisor) {
        servidor_.On<3>([acessoTotalSupervisor](QD_PROPRIEDADES_PS* pProp) {
            pProp->bAcessoTotalSupervisor = acessoTotalSupervisor ? 1 : 0;
            return platform::S_OK;
        });
        CQDAppInfo* info = CQDAppInfo::GetInstance();
        info->GetConexao().SetInterface(&servidor_);
        ASSERT_EQ(info->LeUsuario(kEmpresa, usuario), platform::S_OK);
        ASSERT_EQ(info->LePropriedades(), platform::S_OK);
    }

    kelvo::testing::TestEnvironment ambiente_;
    RecordingServer servidor_;
};

// With the switch, a supervisor and a supervisor's child may do everything; otherwise only
// the granted pairs count, module and right in that order, for supervisors too.
TEST_F(AppInfo, PossuiAcessoAllRightsOrExactlyTheGrantedPairs) {
    const Caso casos[] = {
        {"supervisor with the switch", 1, true, {{21, 99, true}, {1, 1, true}}},
        {"supervisor's child with the switch", 2, true, {{21, 8, true}, {7, 7, true}}},
        {"plain user with the switch", 3, true, {{21, 8, true}, {21, 9, false}}},
        {"supervisor without the switch", 1, false, {{21, 8, true}, {21, 9, false}}},
        {"supervisor's child without the switch", 2, false, {{21, 8, false}}},
        {"plain user without the switch", 3, false, {{21, 8, true}, {1, 33, true}, {33, 1, false}, {1, 8, false}}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Abre(caso.usuario, caso.acessoTotalSupervisor);
        for (const Pedido& pedido : caso.pedidos) {
            EXPECT_EQ(CQDAppInfo::GetInstance()->PossuiAcesso(pedido.modulo, pedido.direito), pedido.esperado)
                << pedido.modulo << ":" << pedido.direito;
        }
    }
}

// Closing releases the server object and forgets user, rights and properties: nothing is
// granted after it, not even under the all-rights rule.
TEST_F(AppInfo, LiberaLeavesNoConnectionAndNoRights) {
    Abre(1, true);
    CQDAppInfo* info = CQDAppInfo::GetInstance();
    ASSERT_TRUE(info->TemConexao());
    const platform::ULONG referencias = servidor_.references;
    info->Libera();
    EXPECT_FALSE(info->TemConexao());
    EXPECT_EQ(servidor_.references, referencias - 1);
    EXPECT_EQ(info->GetUsuario().iCodigo, 0);
    EXPECT_FALSE(info->PossuiAcesso(21, 8));
    EXPECT_EQ(info->GetPropriedades()->bAcessoTotalSupervisor, 0);
}

}  // namespace
