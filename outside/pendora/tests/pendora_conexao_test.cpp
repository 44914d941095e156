// CConexaoGedSrv: results unchanged, records handed to and taken from the data classes, binding
// and its references, activation, and which connection shows failures.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/tests/pendora_test_support.h"
#include "platform/text/codepage.h"
#include "platform/com/proxy_stub.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "server/idl/tests/support/connection.h"
#include "util/com/zt_cria_instancia.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using platform::HRESULT;
using server::idl::testing::Connection;
using server::idl::testing::RecordingServer;

constexpr HRESULT kArquivoNaoEncontrado = platform::MakeHResult(0x80040000 | 16055);

class ConexaoGedSrv : public ::testing::Test {
protected:
    kelvo::testing::TestEnvironment ambiente_;
    kelvo::testing::RecordedBoxes caixas_;
};

// The method's own result comes back as it is: success-class statuses are not turned into
// S_OK and failures are not translated, whether the object is in the process or behind a proxy.
TEST_F(ConexaoGedSrv, ResultsComeBackUnchanged) {
    const HRESULT resultados[] = {platform::S_OK, platform::S_FALSE, 7, platform::E_NOTIMPL, kArquivoNaoEncontrado,
                                  platform::HR_RPC_S_SERVER_UNAVAILABLE};
    RecordingServer local;
    Connection remoto;
    for (IZTQD_Srv* objeto : {static_cast<IZTQD_Srv*>(&local), remoto.proxy}) {
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(objeto);
        for (const HRESULT esperado : resultados) {
            local.handler = [&](std::uint32_t, void*) { return esperado; };
            remoto.server.handler = local.handler;
            EXPECT_EQ(conexao.SetModoServico(), esperado);
        }
    }
    EXPECT_EQ(local.calls.size(), std::size(resultados));
    EXPECT_EQ(remoto.server.calls, std::vector<std::uint32_t>(std::size(resultados), 2u));
}

// A value of any parameter type of the connection's operations: zero, null, or an object.
template <class T>
struct Padrao {
    static T Valor() { return T{}; }
};
template <class T>
struct Padrao<T&> {
    static T& Valor() {
        static std::remove_const_t<T> objeto;
        return objeto;
    }
};

// Each of the 33 operations reaches its own method of the object, in the description's order.
TEST_F(ConexaoGedSrv, EveryOperationReachesItsMethod) {
    RecordingServer servidor;
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(&servidor);
#define KELVO_TESTE_ARGUMENTO(direction, type, name) \
    Padrao<::pendora::detail::TipoCliente<::platform::idl::direction, type>>::Valor()
#define KELVO_TESTE_CHAMADA(number, name, ...) \
    EXPECT_EQ(conexao.name(KELVO_IDL_MAP(KELVO_TESTE_ARGUMENTO __VA_OPT__(, ) __VA_ARGS__)), platform::S_OK) << #name;
    KELVO_IZTQD_SRV_METHODS(KELVO_TESTE_CHAMADA)
#undef KELVO_TESTE_CHAMADA
#undef KELVO_TESTE_ARGUMENTO
    std::vector<std::uint32_t> esperadas;
    for (std::uint32_t metodo = 1; metodo <= 33; ++metodo) esperadas.push_back(metodo);
    EXPECT_EQ(servidor.calls, esperadas);
}

// An [out] record lands in the data class, which frees what it held before.
TEST_F(ConexaoGedSrv, OutRecordIsTakenOverByTheDataClass) {
    Connection remoto;
    remoto.server.On<3>([](QD_PROPRIEDADES_PS* pProp) {
        pProp->iPorta = 8080;
        pProp->bsDominio = platform::SysAllocStringFromAnsi("docs.exemplo");
        pProp->bsEmailCC = platform::SysAllocStringLen(nullptr, 0);
        return platform::S_OK;
    });
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(remoto.proxy);
    CQDPropriedades propriedades;
    ASSERT_EQ(conexao.LePropriedades(propriedades), platform::S_OK);
    ASSERT_EQ(conexao.LePropriedades(propriedades), platform::S_OK);  // the first one's texts are freed
    EXPECT_EQ(propriedades->iPorta, 8080);
    EXPECT_EQ(platform::AnsiFromBstr(propriedades->bsDominio), "docs.exemplo");
    EXPECT_EQ(propriedades->bsModeloEmail, nullptr);
    ASSERT_NE(propriedades->bsEmailCC, nullptr);
    EXPECT_EQ(platform::SysStringLen(propriedades->bsEmailCC), 0u);
}

// Each object of an [out] array takes its record and, on success, the position it was read
// from; on failure the positions stay as they were.
TEST_F(ConexaoGedSrv, OutArrayObjectsGetTheirRecordsAndPositions) {
    Connection remoto;
    HRESULT resposta = platform::S_OK;
    std::uint32_t flagsRecebidos = 0;
    remoto.server.On<18>([&](std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc, std::uint32_t dwFlags) {
        flagsRecebidos = dwFlags;
        if (platform::FAILED(resposta)) return resposta;
        for (std::uint32_t i = 0; i < qtd; ++i) {
            pDoc[i].lTipDoc = pPos[i] * 10;
            pDoc[i].bsDescricao = platform::SysAllocStringFromAnsi("doc " + std::to_string(pPos[i]));
        }
        return resposta;
    });
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(remoto.proxy);
    const std::uint32_t posicoes[] = {4, 9, 2};
    CQDDoc docs[3];
    ASSERT_EQ(conexao.LeDoc(3, posicoes, docs, 8), platform::S_OK);
    EXPECT_EQ(flagsRecebidos, 8u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(docs[i].GetPosicao(), posicoes[i]);
        EXPECT_EQ(docs[i]->lTipDoc, posicoes[i] * 10);
        EXPECT_EQ(platform::AnsiFromBstr(docs[i]->bsDescricao), "doc " + std::to_string(posicoes[i]));
    }

    resposta = kArquivoNaoEncontrado;
    const std::uint32_t outras[] = {5, 6, 7};
    EXPECT_EQ(conexao.LeDoc(3, outras, docs, 0), kArquivoNaoEncontrado);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(docs[i].GetPosicao(), posicoes[i]);
}

// More records than any response can carry are refused before anything is allocated or sent.
TEST_F(ConexaoGedSrv, OutArrayBeyondAResponseIsRefusedBeforeTheCall) {
    Connection remoto;
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(remoto.proxy);
    CQDTipDoc tipo;
    const std::uint32_t posicao = 1;
    EXPECT_EQ(conexao.LeTipDoc(0xFFFFFFFFu, &posicao, &tipo, 0), platform::E_OUTOFMEMORY);
    EXPECT_TRUE(remoto.server.calls.empty());
}

// [in] records travel as the data class holds them, [in,out] positions come back.
TEST_F(ConexaoGedSrv, InRecordsTravelAsTheObjectHoldsThem) {
    Connection remoto;
    remoto.server.On<19>([](std::uint32_t* pPos, QD_DOC_PS ps, std::uint32_t dwFlags) {
        EXPECT_EQ(*pPos, 0u);
        EXPECT_EQ(dwFlags, 4u);
        EXPECT_EQ(ps.lTipDoc, 3u);
        EXPECT_STREQ(ps.szOriginalFileName, "nota.pdf");
        EXPECT_EQ(platform::AnsiFromBstr(ps.bsDescricao), "Nota fiscal");
        EXPECT_EQ(ps.nQtdUsuarios, 2u);
        if (ps.pUsuarios) {
            EXPECT_EQ(ps.pUsuarios[1], 44);
        }
        *pPos = 15;
        return platform::S_OK;
    });
    CQDDoc doc;
    doc->lTipDoc = 3;
    std::strcpy(doc->szOriginalFileName, "nota.pdf");
    doc->bsDescricao = platform::SysAllocStringFromAnsi("Nota fiscal");
    doc->nQtdUsuarios = 2;
    doc->pUsuarios = static_cast<std::uint16_t*>(platform::CoTaskMemAlloc(2 * sizeof(std::uint16_t)));
    doc->pUsuarios[0] = 43;
    doc->pUsuarios[1] = 44;
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(remoto.proxy);
    std::uint32_t posicao = 0;
    ASSERT_EQ(conexao.GravaDoc(&posicao, doc, 4), platform::S_OK);
    EXPECT_EQ(posicao, 15u);
    EXPECT_EQ(doc->pUsuarios[0], 43);  // the object's record is untouched

    remoto.server.On<20>([](QD_DOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
        EXPECT_EQ(filtro.nQtdTipDoc, 1u);
        pRegPtrs->qtd = filtro.nQtdTipDoc + 1;
        pRegPtrs->pPtrs = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(2 * sizeof(std::uint32_t)));
        pRegPtrs->pPtrs[0] = 11;
        pRegPtrs->pPtrs[1] = filtro.pTipDoc ? filtro.pTipDoc[0] : 0;
        return platform::S_OK;
    });
    CQDDocFiltro filtro;
    filtro->nQtdTipDoc = 1;
    filtro->pTipDoc = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(sizeof(std::uint32_t)));
    filtro->pTipDoc[0] = 6;
    CQDArrayPonteiros achados;
    ASSERT_EQ(conexao.BuscaPtrsDoc(filtro, achados), platform::S_OK);
    ASSERT_EQ(achados->qtd, 2u);
    EXPECT_EQ(achados->pPtrs[0], 11u);
    EXPECT_EQ(achados->pPtrs[1], 6u);
}

// Without an object every operation fails at once, and the plain connection says so.
TEST_F(ConexaoGedSrv, UnboundConnectionAnswersEPointer) {
    CSilentConexaoGedSrv silenciosa;
    CQDDoc doc;
    const std::uint32_t posicao = 1;
    EXPECT_EQ(silenciosa.SetModoServico(), platform::E_POINTER);
    EXPECT_EQ(silenciosa.LeDoc(1, &posicao, &doc, 0), platform::E_POINTER);
    EXPECT_TRUE(caixas_.boxes.empty());
    CConexaoGedSrv comum;
    EXPECT_EQ(comum.CalcularQtdDocs(), platform::E_POINTER);
    EXPECT_EQ(caixas_.boxes.size(), 1u);
}

// The plain connection shows each failure (a message code as the module's message, another
// failure with the system's text and its number) and no success; the silent one shows nothing.
TEST_F(ConexaoGedSrv, OnlyThePlainConnectionShowsFailures) {
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_SUITE, ZT_VALOR_MENSAGENS,
                                    ambiente_.Path("msg").c_str()),
              0u);
    kelvo::testing::WriteFile(ambiente_.Path("msg/ZTQDMens.txt"), "16055   Arquivo de dados ausente\r\n");
    RecordingServer servidor;
    HRESULT resposta = platform::S_OK;
    servidor.handler = [&](std::uint32_t, void*) { return resposta; };
    CConexaoGedSrv comum;
    CSilentConexaoGedSrv silenciosa;
    comum.SetInterface(&servidor);
    silenciosa.SetInterface(&servidor);

    for (const HRESULT semCaixa : {platform::S_OK, platform::S_FALSE}) {
        resposta = semCaixa;
        EXPECT_EQ(comum.SetModoServico(), semCaixa);
    }
    EXPECT_TRUE(caixas_.boxes.empty());

    resposta = kArquivoNaoEncontrado;
    EXPECT_EQ(silenciosa.SetModoServico(), kArquivoNaoEncontrado);
    EXPECT_TRUE(caixas_.boxes.empty());
    EXPECT_EQ(comum.SetModoServico(), kArquivoNaoEncontrado);
    ASSERT_EQ(caixas_.boxes.size(), 1u);
    EXPECT_EQ(caixas_.boxes[0].text, "Arquivo de dados ausente");
    EXPECT_EQ(caixas_.boxes[0].caption, ZTGetNomeModulo(ZT_MODULO_GED).str());
    EXPECT_EQ(caixas_.boxes[0].type & platform::MB_ICONMASK, platform::MB_ICONERROR);

    resposta = platform::E_NOTIMPL;
    EXPECT_EQ(silenciosa.SetModoServico(), platform::E_NOTIMPL);
    EXPECT_EQ(comum.SetModoServico(), platform::E_NOTIMPL);
    ASSERT_EQ(caixas_.boxes.size(), 2u);
    EXPECT_EQ(caixas_.boxes[1].text, platform::AnsiFromUtf8("Não implementado (0x80004001)"));

    // A result of that facility with a text of its own is not looked up as a message number.
    resposta = platform::REGDB_E_CLASSNOTREG;
    EXPECT_EQ(comum.SetModoServico(), platform::REGDB_E_CLASSNOTREG);
    ASSERT_EQ(caixas_.boxes.size(), 3u);
    EXPECT_EQ(caixas_.boxes[2].text, platform::AnsiFromUtf8("Classe não registrada (0x80040154)"));
}

// The connection holds exactly one reference to its object and gives it back when rebound or
// destroyed.
TEST_F(ConexaoGedSrv, BindingHoldsOneReference) {
    RecordingServer primeiro;
    RecordingServer segundo;
    {
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&primeiro);
        EXPECT_EQ(primeiro.references, 2u);
        conexao.SetInterface(&primeiro);
        EXPECT_EQ(primeiro.references, 2u);
        conexao.SetInterface(&segundo);
        EXPECT_EQ(primeiro.references, 1u);
        EXPECT_EQ(segundo.references, 2u);
    }
    EXPECT_EQ(segundo.references, 1u);
}

// Activation through a recorded creation call: every call is remembered and answered by the
// test's object (or by the failures queued before it).
class Ativacao : public ConexaoGedSrv {
protected:
    void SetUp() override {
        ZTAmbienteAtivacao ambiente;
        ambiente.relogio = &relogio_;
        ambiente.criaInstancia = [this](const platform::CLSID& clsid, platform::IUnknown*, platform::DWORD contexto,
                                        platform::COSERVERINFO*, platform::DWORD qtd, platform::MULTI_QI* resultados) {
            chamadas_.push_back({clsid, contexto, *resultados[0].pIID});
            if (!falhas_.empty()) {
                const HRESULT falha = falhas_.front();
                falhas_.erase(falhas_.begin());
                for (platform::DWORD i = 0; i < qtd; ++i) resultados[i] = {resultados[i].pIID, nullptr, falha};
                return falha;
            }
            void* interface = nullptr;
            resultados[0].hr = servidor_.QueryInterface(*resultados[0].pIID, &interface);
            resultados[0].pItf = static_cast<platform::IUnknown*>(interface);
            return resultados[0].hr;
        };
        anterior_ = ZTDefineAmbienteAtivacao(std::move(ambiente));
    }
    void TearDown() override { ZTDefineAmbienteAtivacao(std::move(anterior_)); }

    struct Chamada {
        platform::CLSID clsid;
        platform::DWORD contexto;
        platform::IID iid;
    };
    RecordingServer servidor_;
    pendora::testing::RelogioFalso relogio_;
    std::vector<Chamada> chamadas_;
    std::vector<HRESULT> falhas_;
    ZTAmbienteAtivacao anterior_;
};

// Inicializa asks for a local server of ZTQD_Srv and opens the session there; the company path
// is cut to the field's 23 characters and never runs past it.
TEST_F(Ativacao, InicializaOpensTheSessionWithTheCompanyPathCut) {
    struct Caso {
        const char* empresa;
        std::string enviada;
    };
    const std::string longa(40, 'E');
    const Caso casos[] = {
        {"EMPRESA01", "EMPRESA01"},
        {"", ""},
        {nullptr, ""},
        {"12345678901234567890123", "12345678901234567890123"},
        {"123456789012345678901234", "12345678901234567890123"},
        {longa.c_str(), std::string(23, 'E')},
    };
    for (const Caso& caso : casos) {
        QD_INICIALIZA_PS recebido;
        std::memset(&recebido, 0xCC, sizeof recebido);
        servidor_.On<1>([&](QD_INICIALIZA_PS ini) {
            recebido = ini;
            return platform::E_NOTIMPL;
        });
        CSilentConexaoGedSrv conexao;
        EXPECT_EQ(conexao.Inicializa(caso.empresa, 7, 123456), platform::E_NOTIMPL);
        EXPECT_EQ(std::string(recebido.szEmpresa), caso.enviada);
        for (std::size_t i = caso.enviada.size(); i < sizeof recebido.szEmpresa; ++i) {
            EXPECT_EQ(recebido.szEmpresa[i], '\0') << "byte " << i;
        }
        EXPECT_EQ(recebido.iUsuario, 7);
        EXPECT_EQ(recebido.lNumeroSessao, 123456);
        // A failed session leaves the new object bound.
        servidor_.handler = nullptr;
        EXPECT_EQ(conexao.SetModoServico(), platform::S_OK);
    }
    ASSERT_EQ(chamadas_.size(), std::size(casos));
    for (const Chamada& chamada : chamadas_) {
        EXPECT_EQ(chamada.clsid, CLSID_ZTQD_Srv);
        EXPECT_EQ(chamada.contexto, platform::CLSCTX_LOCAL_SERVER);
        EXPECT_EQ(chamada.iid, IID_IZTQD_Srv);
    }
    EXPECT_NE(platform::com::FindProxyFactory(IID_IZTQD_Srv), nullptr);
    EXPECT_EQ(servidor_.references, 1u);
}

// A server that is starting or quitting is asked again after a pause.
TEST_F(Ativacao, InicializaRepeatsWhileTheServerIsUnavailable) {
    falhas_ = {platform::HR_RPC_S_SERVER_UNAVAILABLE};
    CSilentConexaoGedSrv conexao;
    EXPECT_EQ(conexao.Inicializa("EMP", 1, 1), platform::S_OK);
    EXPECT_EQ(chamadas_.size(), 2u);
    EXPECT_EQ(relogio_.esperas, std::vector<unsigned>{ZT_CRIA_PAUSA_MS});
    EXPECT_EQ(servidor_.calls, std::vector<std::uint32_t>{1u});
}

// A failed activation is returned (and shown) and the connection keeps the object it had.
TEST_F(Ativacao, FailedActivationKeepsThePreviousObject) {
    RecordingServer anterior;
    CConexaoGedSrv conexao;
    conexao.SetInterface(&anterior);
    falhas_ = {platform::REGDB_E_CLASSNOTREG};
    EXPECT_EQ(conexao.Inicializa("EMP", 1, 1), platform::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(caixas_.boxes.size(), 1u);
    EXPECT_EQ(conexao.SetModoServico(), platform::S_OK);
    EXPECT_EQ(anterior.calls, std::vector<std::uint32_t>{2u});
    EXPECT_TRUE(servidor_.calls.empty());
}

}  // namespace
