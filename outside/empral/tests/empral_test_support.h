// What the company library's tests share: the test company (empral_dados_teste.h) in a private
// registry store, and a chooser that answers from a script.
#pragma once

#include "outside/conexo/conexo_direitos.h"
#include "outside/empral/tests/empral_dados_teste.h"
#include "outside/empral/zt_dados_inicializacao.h"
#include "outside/empral/zt_emp.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace empral_testing {

// Answers every choice with `escolha`, or cancels when it is empty; counts the requests.
class EscolhaRoteirizada : public IZTEscolhaEmpresa {
public:
    bool Escolhe(const ZT_PEDIDO_ESCOLHA& pedido, const CZTCatalogoEmpresas&, ZT_ESCOLHA_EMPRESA& escolha) override {
        ultimoPedido = pedido;
        ++pedidos;
        if (!resposta) return false;
        escolha = *resposta;
        return true;
    }
    std::optional<ZT_ESCOLHA_EMPRESA> resposta;
    ZT_PEDIDO_ESCOLHA ultimoPedido;
    int pedidos = 0;
};

class EmpralTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GravaEmpresaDeTeste(), platform::S_OK);
        anterior_ = CZTEmp::SetEscolhaEmpresa(&escolha_);
        (void)CZTEmp::TomaEscolhaPendente();  // nothing left from an earlier test
    }
    void TearDown() override {
        CZTEmp::SetEscolhaEmpresa(anterior_);
        (void)CZTEmp::TomaEscolhaPendente();
    }

    // The start-up data of session `numero` of kEmpresa, with the access codes `codigos`.
    static CZTDadosInicializacao Busca(std::int32_t numero, const std::vector<std::uint16_t>& codigos = {}) {
        CZTParametroInicializacao parametros(kEmpresa, numero, 1, 0, 0);
        parametros.SetControlesAcesso(static_cast<int>(codigos.size()), codigos.data());
        CZTDadosInicializacao dados;
        (void)dados.BuscaDados(parametros, 0, 1, 1);
        return dados;
    }

    kelvo::testing::TestEnvironment ambiente_;
    EscolhaRoteirizada escolha_;
    IZTEscolhaEmpresa* anterior_ = nullptr;
};

}  // namespace empral_testing
