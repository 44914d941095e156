// Searching document types: each filter bit, the order by code, deleted types, and which types
// the session may see through the user lists (its user, its parent user, all rights, 0x20).
#include "server/tests/types_test_support.h"

#include "server/types/qd_acesso_usuarios.h"
#include "server/types/qd_busca_ptrs_tipdoc.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;
using Codigos = std::vector<std::string>;

// A small tree of types, stored in an order unlike their codes.
class BuscaPtrsTipDoc : public TiposTeste {
protected:
    void SetUp() override {
        TiposTeste::SetUp();
        const TipoTeste tipos[] = {
            {"0102", "Recibos", 0, {}, {QD_PROCESSO_FN_CRE_LANC}, {}},
            {"02", "Contabil", QD_TIPDOC_GRUPO, {}, {}, {}},
            {"01", "Fiscal", QD_TIPDOC_GRUPO, {}, {}, {}},
            {"0101", "Notas", 0, {}, {QD_PROCESSO_CM_RE, QD_PROCESSO_FT_NF}, {}},
            {"0201", "Balancos", 0, {}, {QD_PROCESSO_FT_NF}, {}},
            {"011", "Outro", 0, {}, {}, {}},
        };
        for (const TipoTeste& tipo : tipos) posicao_[tipo.codigo] = Insere(tipo);
    }

    // The codes of `posicoes`, to compare results by what a reader sees.
    std::vector<std::string> CodigosEm(const std::vector<std::uint32_t>& posicoes) {
        std::vector<std::string> codigos;
        for (const std::uint32_t posicao : posicoes) codigos.emplace_back(Le(posicao, 0x7)->szCodigo);
        return codigos;
    }

    std::map<std::string, std::uint32_t> posicao_;
};

}  // namespace

// Each filter bit alone and in the combinations the programs use; results in code order.
TEST_F(BuscaPtrsTipDoc, FilterBitsSelectAndResultsComeInCodeOrder) {
    struct Caso {
        std::uint32_t dwFlags;
        const char* codigo;
        QD_E_PROCESSO eProc;
        Codigos esperados;
    };
    const Caso casos[] = {
        {0, "", QD_PROCESSO_CN_LAN, {"01", "0101", "0102", "011", "02", "0201"}},
        // The prefix test: "01" finds 01, 0101, 0102 and 011, never 02.
        {0x02 | 0x04, "01", QD_PROCESSO_CN_LAN, {"01", "0101", "0102", "011"}},
        {0x02, "01", QD_PROCESSO_CN_LAN, {"01"}},
        {0x02, "0", QD_PROCESSO_CN_LAN, {}},
        {0x02 | 0x04, "", QD_PROCESSO_CN_LAN, {"01", "0101", "0102", "011", "02", "0201"}},
        {0x08, "", QD_PROCESSO_CN_LAN, {"01", "02"}},
        {0x10, "", QD_PROCESSO_CN_LAN, {"0101", "0102", "011", "0201"}},
        {0x08 | 0x10, "", QD_PROCESSO_CN_LAN, {}},
        {0x01, "", QD_PROCESSO_FT_NF, {"0101", "0201"}},
        {0x01, "", QD_PROCESSO_CN_LAN, {}},
        {0x01 | 0x02 | 0x04, "01", QD_PROCESSO_FT_NF, {"0101"}},
        {0x26, "02", QD_PROCESSO_CN_LAN, {"02", "0201"}},
        {0x36, "01", QD_PROCESSO_CN_LAN, {"0101", "0102", "011"}},
        {0x28, "", QD_PROCESSO_CN_LAN, {"01", "02"}},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(CodigosEm(Busca(Filtro(caso.dwFlags, caso.codigo, caso.eProc))), caso.esperados)
            << std::hex << caso.dwFlags << " " << caso.codigo;
    }
}

// A deleted type is found by no filter.
TEST_F(BuscaPtrsTipDoc, DeletedTypesAreSkipped) {
    ASSERT_EQ(conexao_.ExcluiTipDoc(posicao_["0101"]), platform::S_OK);
    EXPECT_EQ(CodigosEm(Busca(Filtro(0x02 | 0x04 | 0x20, "01"))), (Codigos{"01", "0102", "011"}));
    EXPECT_EQ(CodigosEm(Busca(Filtro(0x01, "", QD_PROCESSO_FT_NF))), (Codigos{"0201"}));
}

// Codes compare as unsigned bytes of the code page: an accented letter (0xC9) sorts after every
// plain one, and equal codes keep their position order.
TEST_F(BuscaPtrsTipDoc, CodesSortAsUnsignedBytesEqualCodesInPositionOrder) {
    const std::uint32_t acento = Insere({"\xC9", "Acento", 0, {}, {}, {}});
    const std::uint32_t z = Insere({"Z9", "Z", 0, {}, {}, {}});
    const std::uint32_t repetido = Insere({"01", "Repetido", 0, {}, {}, {}});
    const std::vector<std::uint32_t> achados = Busca(Filtro(0));
    ASSERT_EQ(achados.size(), 9u);
    EXPECT_EQ(achados[0], posicao_["01"]);
    EXPECT_EQ(achados[1], repetido);
    EXPECT_EQ(achados[7], z);
    EXPECT_EQ(achados[8], acento);
}

// With nothing found, the result is empty and holds no array; a null result pointer is refused.
TEST_F(BuscaPtrsTipDoc, EmptyResultAndNullPointer) {
    QD_ARRAY_PONTEIROS_PS ps{};
    ps.qtd = 77;
    ASSERT_EQ(srv_->BuscaPtrsTipDoc(Filtro(0x02, "99"), &ps), platform::S_OK);
    EXPECT_EQ(ps.qtd, 0u);
    EXPECT_EQ(ps.pPtrs, nullptr);
    EXPECT_EQ(srv_->BuscaPtrsTipDoc(Filtro(0), nullptr), platform::E_POINTER);
}

// A filter code without its terminating NUL is cut to its 8 characters, never read past.
TEST_F(BuscaPtrsTipDoc, FilterCodeWithoutTerminatorIsCut) {
    const std::uint32_t longo = Insere({"12345678", "Longo", 0, {}, {}, {}});
    QD_TIPDOC_FILTRO_PS filtro = Filtro(0x02);
    std::memcpy(filtro.szCodigo, "123456789", 9);
    QD_ARRAY_PONTEIROS_PS ps{};
    ASSERT_EQ(srv_->BuscaPtrsTipDoc(filtro, &ps), platform::S_OK);
    ASSERT_EQ(ps.qtd, 1u);
    EXPECT_EQ(ps.pPtrs[0], longo);
    platform::CoTaskMemFree(ps.pPtrs);
}

// The access rule alone: all rights, the user, or a non-zero parent user in the list.
TEST(QDSessaoVeUsuarios, AllRightsUserOrParentInTheList) {
    struct Caso {
        std::uint8_t bAcessoTotal;
        std::uint16_t iUsuario;
        std::uint16_t iUsuarioPai;
        std::vector<std::uint16_t> lista;
        bool esperado;
    };
    const Caso casos[] = {
        {0, 5, 0, {3, 5}, true},
        {0, 5, 0, {3, 4}, false},
        {0, 5, 3, {3, 4}, true},   // the parent's list covers its children
        {0, 5, 9, {3, 4}, false},
        {1, 5, 0, {3, 4}, true},   // all rights
        {1, 5, 0, {}, true},
        {0, 5, 0, {}, false},      // an empty list is the caller's rule, not this one's
        {0, 5, 0, {0}, false},     // a parent code of 0 never matches a stored 0
        {0, 0, 0, {0}, true},      // ... though user 0 itself does
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(QDSessaoVeUsuarios(caso.bAcessoTotal, caso.iUsuario, caso.iUsuarioPai, caso.lista), caso.esperado)
            << int{caso.bAcessoTotal} << " " << caso.iUsuario << " " << caso.iUsuarioPai;
    }
}

namespace {

// Types with user lists and sessions of several users: 2 (supervisor without all rights), 5 and
// its child 6, 7 with no parent.
class VisibilidadeTipos : public ::testing::Test {
protected:
    void SetUp() override {
        for (const REGUSU_PS& usuario : {UsuarioTeste(5, 0), UsuarioTeste(6, 0, 5), UsuarioTeste(7, 0),
                                         UsuarioTeste(2, 1)}) {
            ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, usuario, {1}), platform::S_OK);
        }
        ASSERT_EQ(srv_->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        conexao_.SetInterface(&*srv_);
        for (const TipoTeste& tipo : {TipoTeste{"01", "Todos", 0, {}, {}, {}}, TipoTeste{"02", "De 5", 0, {5}, {}, {}},
                                      TipoTeste{"03", "De 7 e 9", 0, {9, 7}, {}, {}}}) {
            std::uint32_t posicao = 0;
            ASSERT_EQ(conexao_.GravaTipDoc(&posicao, Monta(tipo)), platform::S_OK);
        }
    }

    // The codes that the session of `usuario` finds with `dwFlags`.
    Codigos Visiveis(std::uint16_t usuario, std::uint32_t dwFlags = 0) {
        Servidor srv;
        EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, usuario)), platform::S_OK);
        return CodigosDe(srv, dwFlags);
    }
    Codigos CodigosDe(Servidor& srv, std::uint32_t dwFlags) {
        QD_ARRAY_PONTEIROS_PS ps{};
        EXPECT_EQ(srv->BuscaPtrsTipDoc(Filtro(dwFlags), &ps), platform::S_OK);
        Codigos codigos;
        for (std::uint32_t i = 0; i < ps.qtd; ++i) {
            QD_TIPDOC_PS tipo{};
            EXPECT_EQ(srv->LeTipDoc(1, &ps.pPtrs[i], &tipo, 0x7), platform::S_OK);
            codigos.emplace_back(tipo.szCodigo);
        }
        platform::CoTaskMemFree(ps.pPtrs);
        return codigos;
    }

    EmpresaTeste empresa_;
    Servidor srv_;
    CSilentConexaoGedSrv conexao_;
};

}  // namespace

// A type with users is hidden from everyone else; a child user sees its parent's types; a type
// without users is visible to all.
TEST_F(VisibilidadeTipos, UserListsHideTypesFromOthers) {
    EXPECT_EQ(Visiveis(5), (Codigos{"01", "02"}));
    EXPECT_EQ(Visiveis(6), (Codigos{"01", "02"}));
    EXPECT_EQ(Visiveis(7), (Codigos{"01", "03"}));
    EXPECT_EQ(Visiveis(1), (Codigos{"01"}));  // a supervisor without all rights is filtered too
    EXPECT_EQ(Visiveis(7, 0x20), (Codigos{"01", "02", "03"}));
}

// All rights, from the properties for a supervisor or from the service mode, see every type.
TEST_F(VisibilidadeTipos, AllRightsSeeEveryType) {
    {
        Servidor servico;
        ASSERT_EQ(servico->Inicializa(Sessao(kEmpresaTeste, 7)), platform::S_OK);
        ASSERT_EQ(servico->SetModoServico(), platform::S_OK);
        EXPECT_EQ(CodigosDe(servico, 0), (Codigos{"01", "02", "03"}));
    }
    QD_PROPRIEDADES_PS prop{};
    TextosPS textos(prop);
    ASSERT_EQ(srv_->LePropriedades(&prop), platform::S_OK);
    prop.bAcessoTotalSupervisor = 1;
    ASSERT_EQ(srv_->GravaPropriedades(prop), platform::S_OK);
    EXPECT_EQ(Visiveis(2), (Codigos{"01", "02", "03"}));
    EXPECT_EQ(Visiveis(7), (Codigos{"01", "03"}));
}

// The session filter also holds for the free function called with a session's values directly.
TEST_F(VisibilidadeTipos, FreeFunctionTakesTheSessionsValues) {
    QD_ARRAY_PONTEIROS_PS ps{};
    ASSERT_EQ(QDBuscaPtrsTipDoc(*srv_, 0, 8, 9, Filtro(0), &ps), platform::S_OK);
    EXPECT_EQ(ps.qtd, 2u);  // 01 (no users) and 03 (its parent 9 is listed)
    platform::CoTaskMemFree(ps.pPtrs);
}
