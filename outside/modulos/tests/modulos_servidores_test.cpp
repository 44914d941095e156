// The stand-in servers through their interfaces: activated in the process through their class
// objects and reached through proxy and stub, they start with the session, answer their queries
// from the company's data, and refuse what does not decode; their registration in the classes
// root.
#include "outside/modulos/tests/modulos_test_support.h"
#include "outside/modulos/zt_modulos_servidores.h"
#include "platform/com/activation.h"
#include "platform/com/bstr.h"
#include "platform/com/class_registry.h"
#include "platform/com/task_allocator.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/key/zt_dmc.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace kelvo::testing;
using platform::HRESULT;

// An interface pointer released with the holder.
template <class I>
struct Ptr {
    I* p = nullptr;
    ~Ptr() {
        if (p) p->Release();
    }
    I* operator->() const { return p; }
};

class Substitutos : public ::testing::Test {
protected:
    void SetUp() override {
        ZTRegistraInterfacesModulos();
        ASSERT_EQ(ZTRegistraClassesModulos(cookies_), platform::S_OK);
        empresa_.Dados(
            "integracao 12 1\n"
            "integracao 21 1\n"
            "titulo 2 4097 R 07/03/2014 55\n"
            "titulo 2 4097 P 08/03/2014 56\n"
            "titulo 2 8000 R 08/03/2014 57\n"
            "lote 9 12 3\n"
            "lote 9 12 4\n"
            "lancamento 3 9 12 02/01/2014 70\n"
            "lancamento 4 9 13 02/01/2014 71\n"
            "pedido 123456 900 05/05/2015\n"
            "contrato 123456 901 06/05/2015\n"
            "contrato 123457 902 06/05/2015\n");
    }
    void TearDown() override { ZTRevogaClassesModulos(cookies_); }

    // An object of interface I activated here, behind a proxy, started for the test company.
    template <class I>
    void Cria(Ptr<I>& ptr, bool inicia = true) {
        Ptr<platform::IUnknown> objeto;
        ASSERT_EQ(platform::CoCreateInstance(ZTClasseModulo<I>::kClsid, nullptr, platform::CLSCTX_LOCAL_SERVER,
                                             ZTClasseModulo<I>::kIid, reinterpret_cast<void**>(&objeto.p)),
                  platform::S_OK);
        ptr.p = ProxyDireto<I>(objeto.p);
        ASSERT_NE(ptr.p, nullptr);
        if (inicia) {
            ASSERT_EQ(Inicia(ptr.p, EmpresaModulos::kEmpresa), platform::S_OK);
        }
    }
    template <class I>
    static HRESULT Inicia(I* p, const char* empresa) {
        platform::BSTR bs = platform::SysAllocStringFromAnsi(empresa);
        const HRESULT hr = p->Inicializa(bs, 1, 7);
        platform::SysFreeString(bs);
        return hr;
    }

    EmpresaModulos empresa_;
    std::vector<platform::DWORD> cookies_;
};

// Guards the settings record: the bytes the file sets, and nothing else.
TEST_F(Substitutos, SettingsRecord) {
    Ptr<IZTIntegracao> integracao;
    Cria(integracao);
    ZT_INTEGRACAO_CONFIG_PS config;
    std::memset(&config, 0xAA, sizeof config);
    ASSERT_EQ(integracao->LeConfiguracao(&config), platform::S_OK);
    EXPECT_EQ(config.bIntegraContabil, 1);
    EXPECT_EQ(config.bIntegraCompras, 1);
    EXPECT_EQ(config.bIntegraFinanceiro, 0);
    EXPECT_EQ(config.bReservado0[0], 0);
}

// Guards each query: only the entries of the asked origin (or batch) come back, in file order.
TEST_F(Substitutos, QueriesAnswerTheOriginsEntries) {
    Ptr<IZTFinIntegracao> fin;
    Cria(fin);
    ZT_ARRAY_TITULOS_PS titulos{};
    ASSERT_EQ(fin->BuscaTitulosOrigem(2, 4097, &titulos), platform::S_OK);
    ASSERT_EQ(titulos.qtd, 2u);
    EXPECT_EQ(titulos.pTitulos[0].lNumero, 55u);
    EXPECT_EQ(titulos.pTitulos[0].cTipo, 'R');
    EXPECT_EQ(titulos.pTitulos[1].lNumero, 56u);
    EXPECT_EQ(titulos.pTitulos[1].cTipo, 'P');
    platform::CoTaskMemFree(titulos.pTitulos);
    ASSERT_EQ(fin->BuscaTitulosOrigem(7, 4097, &titulos), platform::S_OK);
    EXPECT_EQ(titulos.qtd, 0u);
    EXPECT_EQ(titulos.pTitulos, nullptr);

    Ptr<IZTCtbIntegracao> ctb;
    Cria(ctb);
    QD_ARRAY_PONTEIROS_PS lotes{};
    ASSERT_EQ(ctb->BuscaLotesOrigem(9, 12, &lotes), platform::S_OK);
    ASSERT_EQ(lotes.qtd, 2u);
    EXPECT_EQ(lotes.pPtrs[0], 3u);
    EXPECT_EQ(lotes.pPtrs[1], 4u);
    platform::CoTaskMemFree(lotes.pPtrs);

    Ptr<IZTCtbLancamentos> lancamentos;
    Cria(lancamentos);
    ZT_ARRAY_LANCAMENTOS_PS lote{};
    ASSERT_EQ(lancamentos->LeLancamentosLote(4, &lote), platform::S_OK);
    ASSERT_EQ(lote.qtd, 1u);
    EXPECT_EQ(lote.pLancamentos[0].lChaveOrigem, 13u);
    EXPECT_EQ(lote.pLancamentos[0].lNumero, 71u);
    platform::CoTaskMemFree(lote.pLancamentos);

    const REG_ZTDMC dmc{ZTDMCMonta(ZTGetChaveDaChaveMesAno(123456), 0, ZTGetMesAnoDaChaveMesAno(123456), ZT_DMC_TIPO_MES)};
    Ptr<IZTCmpPedidos> pedidos;
    Cria(pedidos);
    Ptr<IZTCmpContratos> contratos;
    Cria(contratos);
    ZT_ARRAY_PEDIDOS_PS achados{};
    ASSERT_EQ(pedidos->BuscaPedidosOrigem(dmc, &achados), platform::S_OK);
    ASSERT_EQ(achados.qtd, 1u);
    EXPECT_EQ(achados.pPedidos[0].lPedido, 900u);
    platform::CoTaskMemFree(achados.pPedidos);
    ASSERT_EQ(contratos->BuscaPedidosOrigem(dmc, &achados), platform::S_OK);
    ASSERT_EQ(achados.qtd, 1u);
    EXPECT_EQ(achados.pPedidos[0].lPedido, 901u);
    platform::CoTaskMemFree(achados.pPedidos);
    // Only a month key names an origin of theirs.
    const REG_ZTDMC ano{ZTDMCSetTipo(dmc.lZTDMC, ZT_DMC_TIPO_ANO)};
    ASSERT_EQ(contratos->BuscaPedidosOrigem(ano, &achados), platform::S_OK);
    EXPECT_EQ(achados.qtd, 0u);
}

// Guards the session's start: a query before it is refused, an empty or unknown company fails
// it, and a company without the data file starts with nothing on.
TEST_F(Substitutos, StartWithTheSession) {
    Ptr<IZTIntegracao> integracao;
    Cria(integracao, /*inicia=*/false);
    ZT_INTEGRACAO_CONFIG_PS config{};
    EXPECT_EQ(integracao->LeConfiguracao(&config), platform::E_UNEXPECTED);
    EXPECT_EQ(integracao->Inicializa(nullptr, 1, 1), platform::E_INVALIDARG);
    EXPECT_EQ(Inicia(integracao.p, "NINGUEM"), platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(integracao->LeConfiguracao(&config), platform::E_UNEXPECTED);
    empresa_.Dados("integracao 20 1\nbobagem\n");
    EXPECT_EQ(Inicia(integracao.p, EmpresaModulos::kEmpresa), platform::HResultFromWin32(platform::ERROR_INVALID_DATA));
    std::filesystem::remove(empresa_.Pasta() + "/" + ZT_ARQUIVO_DADOS_MODULOS);
    ASSERT_EQ(Inicia(integracao.p, EmpresaModulos::kEmpresa), platform::S_OK);
    std::memset(&config, 0xAA, sizeof config);
    ASSERT_EQ(integracao->LeConfiguracao(&config), platform::S_OK);
    EXPECT_EQ(config.bIntegraFinanceiro, 0);
    EXPECT_EQ(config.bIntegraContabil, 0);
}

// Guards the marshalling's refusals: a null [out] pointer never reaches the wire, a short
// request and an unknown method number are refused by the stub without calling the object.
TEST_F(Substitutos, MarshallingRefusals) {
    Ptr<IZTCtbIntegracao> ctb;
    Cria(ctb);
    EXPECT_EQ(ctb->BuscaLotesOrigem(9, 12, nullptr), platform::RPC_X_NULL_REF_POINTER);

    Ptr<platform::IUnknown> objeto;
    ASSERT_EQ(platform::CoCreateInstance(CLSID_ZTCtbIntegracao, nullptr, platform::CLSCTX_LOCAL_SERVER,
                                         IID_IZTCtbIntegracao, reinterpret_cast<void**>(&objeto.p)),
              platform::S_OK);
    auto stub = platform::com::FindStubFactory(IID_IZTCtbIntegracao)(objeto.p);
    ASSERT_TRUE(stub);
    const std::byte curto[6] = {};  // two 32-bit numbers expected
    platform::com::Bytes resposta;
    stub->Dispatch(2, curto, resposta);
    ASSERT_EQ(resposta.size(), 4u);
    EXPECT_EQ(static_cast<HRESULT>(std::to_integer<std::uint32_t>(resposta[0]) |
                                   std::to_integer<std::uint32_t>(resposta[1]) << 8 |
                                   std::to_integer<std::uint32_t>(resposta[2]) << 16 |
                                   std::to_integer<std::uint32_t>(resposta[3]) << 24),
              platform::RPC_X_BAD_STUB_DATA);
    stub->Dispatch(3, {}, resposta);
    ASSERT_EQ(resposta.size(), 4u);
    EXPECT_EQ(static_cast<std::uint32_t>(platform::RPC_S_PROCNUM_OUT_OF_RANGE) & 0xFF,
              std::to_integer<std::uint32_t>(resposta[0]));
    // A stub is made only for an object that offers the interface.
    EXPECT_FALSE(platform::com::FindStubFactory(IID_IZTCmpPedidos)(objeto.p));
}

// Guards the registration: each class names the program as its local server, and removal takes
// the keys away.
TEST(ZTRegistraServidorModulos, WritesAndRemovesTheClasses) {
    TestEnvironment ambiente;
    ASSERT_EQ(ZTRegistraServidorModulos("/opt/kelvo bin/kelvo-modulos"), platform::S_OK);
    for (const platform::CLSID* clsid : {&CLSID_ZTIntegracao, &CLSID_ZTFinIntegracao, &CLSID_ZTCtbIntegracao,
                                         &CLSID_ZTCtbLancamentos, &CLSID_ZTCmpPedidos, &CLSID_ZTCmpContratos}) {
        platform::String linha;
        ASSERT_EQ(platform::com::ReadClassLocalServer(*clsid, linha), platform::ERROR_SUCCESS);
        EXPECT_EQ(std::string(linha.GetString()), "\"/opt/kelvo bin/kelvo-modulos\"");
    }
    ASSERT_EQ(ZTDesregistraServidorModulos(), platform::S_OK);
    platform::String linha;
    EXPECT_EQ(platform::com::ReadClassLocalServer(CLSID_ZTCmpContratos, linha), platform::ERROR_FILE_NOT_FOUND);
}

}  // namespace
