// Calls through the generated proxy and stub joined in memory: what arrives, what comes back,
// who owns what, and how failures of the transport, the object and the messages are reported.
#include "server/idl/tests/support/connection.h"
#include "server/idl/tests/support/record_values.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace server::idl {
namespace {

using platform::HRESULT;
using platform::RPC_E_SERVERFAULT;
using platform::RPC_S_PROCNUM_OUT_OF_RANGE;
using platform::RPC_X_BAD_STUB_DATA;
using platform::RPC_X_NULL_REF_POINTER;
using platform::S_OK;
using testing::AllocateArray;
using testing::Connection;
using testing::IsZero;

constexpr HRESULT kEndOfFile = platform::HResultFromMessage(16021);

std::uint32_t ReadU32(const platform::com::Bytes& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// Guards the [in] record: every field arrives as sent.
TEST(IdlProxyStub, InicializaArrivesWithItsFields) {
    Connection connection;
    QD_INICIALIZA_PS received{};
    connection.server.On<1>([&](QD_INICIALIZA_PS ini) {
        received = ini;
        return S_OK;
    });
    QD_INICIALIZA_PS ini{};
    std::strcpy(ini.szEmpresa, "/dados/EMP01");
    ini.lNumeroSessao = -7;
    ini.iUsuario = 513;
    EXPECT_EQ(connection.proxy->Inicializa(ini), S_OK);
    EXPECT_STREQ(received.szEmpresa, "/dados/EMP01");
    EXPECT_EQ(received.lNumeroSessao, -7);
    EXPECT_EQ(received.iUsuario, 513);
}

// Guards the server against a company path without its zero (it later builds a registry path).
TEST(IdlProxyStub, CompanyWithoutItsZeroIsCutOnArrival) {
    Connection connection;
    std::string received;
    connection.server.On<1>([&](QD_INICIALIZA_PS ini) {
        received.assign(ini.szEmpresa, strnlen(ini.szEmpresa, sizeof ini.szEmpresa));
        return S_OK;
    });
    QD_INICIALIZA_PS ini{};
    std::memset(ini.szEmpresa, 'E', sizeof ini.szEmpresa);
    ini.lNumeroSessao = 0x7F7F7F7F;
    EXPECT_EQ(connection.proxy->Inicializa(ini), S_OK);
    EXPECT_EQ(received, std::string(23, 'E'));
}

// Guards success-class statuses, which clients test for: they arrive unchanged.
TEST(IdlProxyStub, StatusesArriveUnchanged) {
    for (const HRESULT status : {S_OK, platform::S_FALSE, HRESULT{0x00040005}, HRESULT{0x7FFFFFFF}, kEndOfFile}) {
        Connection connection;
        connection.server.On<2>([status] { return status; });
        EXPECT_EQ(connection.proxy->SetModoServico(), status);
    }
}

// Guards LeDoc's contract: a failure after the first document leaves that one filled for the
// caller, with arrays and text the caller then owns and frees.
TEST(IdlProxyStub, OutParametersTravelWithAFailure) {
    Connection connection;
    std::uint32_t positionsSeen[3] = {};
    connection.server.On<18>([&](std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc,
                                 std::uint32_t dwFlags) {
        EXPECT_EQ(qtd, 3u);
        EXPECT_EQ(dwFlags, 0x8u);
        std::memcpy(positionsSeen, pPos, sizeof positionsSeen);
        EXPECT_TRUE(IsZero(pDoc[0]) && IsZero(pDoc[1]) && IsZero(pDoc[2]));
        pDoc[0].lTipDoc = 4;
        pDoc[0].nQtdUsuarios = 2;
        pDoc[0].pUsuarios = AllocateArray<std::uint16_t>(2);
        pDoc[0].pUsuarios[0] = 10;
        pDoc[0].pUsuarios[1] = 20;
        pDoc[0].bsDescricao = platform::SysAllocString(u"descrição");
        std::strcpy(pDoc[0].szOriginalFileName, "nota.pdf");
        return kEndOfFile;
    });
    const std::uint32_t positions[3] = {5, 6, 7};
    QD_DOC_PS docs[3];
    std::memset(docs, 0xCD, sizeof docs);
    EXPECT_EQ(connection.proxy->LeDoc(3, positions, docs, 0x8), kEndOfFile);
    EXPECT_EQ(positionsSeen[2], 7u);
    EXPECT_EQ(docs[0].lTipDoc, 4u);
    ASSERT_EQ(docs[0].nQtdUsuarios, 2u);
    ASSERT_NE(docs[0].pUsuarios, nullptr);
    EXPECT_EQ(docs[0].pUsuarios[1], 20);
    EXPECT_EQ(std::u16string_view(docs[0].bsDescricao), u"descrição");
    EXPECT_STREQ(docs[0].szOriginalFileName, "nota.pdf");
    EXPECT_EQ(docs[0].pCampos, nullptr);
    EXPECT_TRUE(IsZero(docs[1]));
    EXPECT_TRUE(IsZero(docs[2]));
    platform::CoTaskMemFree(docs[0].pUsuarios);
    platform::SysFreeString(docs[0].bsDescricao);
}

// Guards the [in,out] position: the caller's value goes in, the server's comes back.
TEST(IdlProxyStub, PositionGoesInAndComesBack) {
    Connection connection;
    connection.server.On<19>([](std::uint32_t* pPos, QD_DOC_PS ps, std::uint32_t dwFlags) {
        EXPECT_EQ(*pPos, 0u);
        EXPECT_EQ(ps.cbArquivo, 3u);
        EXPECT_EQ(std::memcmp(ps.pArquivo, "abc", 3), 0);
        EXPECT_EQ(dwFlags, 0x4u);
        *pPos = 17;
        return S_OK;
    });
    std::uint8_t content[3] = {'a', 'b', 'c'};
    QD_DOC_PS doc{};
    doc.cbArquivo = 3;
    doc.pArquivo = content;
    std::uint32_t position = 0;
    EXPECT_EQ(connection.proxy->GravaDoc(&position, doc, 0x4), S_OK);
    EXPECT_EQ(position, 17u);
}

// Guards the null BSTR against the empty one on the way in.
TEST(IdlProxyStub, NullAndEmptyTextStayApart) {
    Connection connection;
    bool wasNull = false;
    std::uint32_t length = 99;
    connection.server.On<21>([&](platform::BSTR text, std::int32_t web, QD_ARRAY_PONTEIROS_PS* found) {
        wasNull = text == nullptr;
        length = platform::SysStringLen(text);
        return S_OK;
    });
    QD_ARRAY_PONTEIROS_PS found{};
    EXPECT_EQ(connection.proxy->BuscaRapida(nullptr, 0, &found), S_OK);
    EXPECT_TRUE(wasNull);
    platform::BSTR empty = platform::SysAllocStringLen(nullptr, 0);
    EXPECT_EQ(connection.proxy->BuscaRapida(empty, 1, &found), S_OK);
    EXPECT_FALSE(wasNull);
    EXPECT_EQ(length, 0u);
    platform::SysFreeString(empty);
}

// Guards the null array against the empty one, both as a parameter and inside a returned record.
TEST(IdlProxyStub, NullAndEmptyArraysStayApart) {
    Connection connection;
    const std::uint32_t* seen = reinterpret_cast<const std::uint32_t*>(1);
    connection.server.On<22>([&](std::uint32_t qtd, const std::uint32_t* pPos) {
        seen = pPos;
        return S_OK;
    });
    EXPECT_EQ(connection.proxy->ExcluiDoc(0, nullptr), S_OK);
    EXPECT_EQ(seen, nullptr);
    const std::uint32_t none[1] = {};
    EXPECT_EQ(connection.proxy->ExcluiDoc(0, none), S_OK);
    EXPECT_NE(seen, nullptr);

    connection.server.On<32>([](std::uint32_t lPos, QD_ARRAY_PONTEIROS_PS* pDistrib, std::uint32_t dwFlags) {
        pDistrib->pPtrs = AllocateArray<std::uint32_t>(0);  // an empty list, still allocated
        return S_OK;
    });
    QD_ARRAY_PONTEIROS_PS list{};
    EXPECT_EQ(connection.proxy->LeDistribuicao(3, &list, 1), S_OK);
    EXPECT_EQ(list.qtd, 0u);
    EXPECT_NE(list.pPtrs, nullptr);
    platform::CoTaskMemFree(list.pPtrs);
}

// Guards the server's text fields on the way back: the proxy cuts them too.
TEST(IdlProxyStub, ReturnedTextsAreCutToTheirFields) {
    Connection connection;
    connection.server.On<6>([](std::uint32_t qtd, const std::uint32_t*, QD_LOCARQ_PS* pLocArq, std::uint32_t) {
        std::memset(pLocArq[0].szCodigo, 'C', sizeof pLocArq[0].szCodigo);
        std::memset(pLocArq[0].szDescricao, 'D', sizeof pLocArq[0].szDescricao);
        return S_OK;
    });
    const std::uint32_t position = 1;
    QD_LOCARQ_PS location{};
    EXPECT_EQ(connection.proxy->LeLocArq(1, &position, &location, 0), S_OK);
    EXPECT_EQ(strnlen(location.szCodigo, sizeof location.szCodigo), 39u);
    EXPECT_EQ(strnlen(location.szDescricao, sizeof location.szDescricao), 65u);
}

// Guards the log batch, the deepest record: entries, their data and their typed items arrive.
TEST(IdlProxyStub, LogBatchArrivesWhole) {
    Connection connection;
    testing::Random random(5);
    QD_BATCH_GRAVA_LOG_PS batch{};
    batch.qtd = 2;
    batch.pLogs = AllocateArray<QD_LOG_PS>(2);
    for (std::uint32_t i = 0; i < 2; ++i) {
        QD_LOG_PS& log = batch.pLogs[i];
        log.eOperacao = QD_OP_LOG_DOC_ALTERACAO_DE;
        log.lPosicao = 40 + i;
        log.cbLogData = 256;
        log.pLogData = AllocateArray<std::uint8_t>(256);
        testing::FillBytes(log.pLogData, 256, random);
        log.nQtdPtrs = 1;
        log.pPtrs = AllocateArray<QD_LOG_PTRS_PS>(1);
        log.pPtrs[0].eType = QD_TYPE_LOG_USUARIO;
        log.pPtrs[0].cbData = 6;
        log.pPtrs[0].pData = AllocateArray<std::uint8_t>(6);
        testing::FillBytes(log.pPtrs[0].pData, 6, random);
    }
    bool equal = false;
    connection.server.On<31>([&](QD_BATCH_GRAVA_LOG_PS received) {
        equal = testing::Equal(batch, received);
        return S_OK;
    });
    EXPECT_EQ(connection.proxy->GravaLog(batch), S_OK);
    EXPECT_TRUE(equal);
    testing::Free(batch);
}

// Guards the caller's mistakes: a missing required pointer fails before anything is sent.
TEST(IdlProxyStub, MissingRequiredPointerIsRefusedBeforeSending) {
    Connection connection;
    const std::uint32_t positions[2] = {1, 2};
    QD_DOC_PS doc{};
    const HRESULT results[] = {
        connection.proxy->LePropriedades(nullptr),
        connection.proxy->GetProximoNrLocalizacao(nullptr),
        connection.proxy->GravaDoc(nullptr, doc, 0),
        connection.proxy->ConverteLocArq(nullptr),
        connection.proxy->ExcluiDoc(2, nullptr),
        connection.proxy->LeDoc(2, positions, nullptr, 0),
        connection.proxy->BuscaPtrsDoc(QD_DOC_FILTRO_PS{}, nullptr),
    };
    for (const HRESULT hr : results) EXPECT_EQ(hr, RPC_X_NULL_REF_POINTER);
    EXPECT_EQ(connection.hooks.calls, 0);
    EXPECT_TRUE(connection.server.calls.empty());
}

// Guards the caller's outputs when the transport fails: [out] zeroed, [in,out] untouched.
TEST(IdlProxyStub, TransportFailureIsReturnedWithOutputsZeroed) {
    constexpr HRESULT kUnavailable = platform::MakeHResult(0x800706BA);
    Connection connection;
    connection.hooks.failure = kUnavailable;
    QD_PROPRIEDADES_PS properties;
    std::memset(&properties, 0xCD, sizeof properties);
    EXPECT_EQ(connection.proxy->LePropriedades(&properties), kUnavailable);
    EXPECT_TRUE(IsZero(properties));
    std::uint32_t position = 5;
    EXPECT_EQ(connection.proxy->GravaDoc(&position, QD_DOC_PS{}, 0), kUnavailable);
    EXPECT_EQ(position, 5u);
    const std::uint32_t positions[2] = {1, 2};
    QD_TIPDOC_PS types[2];
    std::memset(types, 0xCD, sizeof types);
    EXPECT_EQ(connection.proxy->LeTipDoc(2, positions, types, 0), kUnavailable);
    EXPECT_TRUE(IsZero(types));
    EXPECT_TRUE(connection.server.calls.empty());
}

struct ResponseCase {
    const char* what;
    std::function<void(platform::com::Bytes&)> alter;
    HRESULT expected;
};

// Guards the client against a response that does not decode: the call fails, nothing leaks and
// the outputs stay zeroed; a bare failure is the server's refusal and passes through.
TEST(IdlProxyStub, MalformedResponsesFailTheCall) {
    auto setU32 = [](std::size_t offset, std::uint32_t value) {
        return [=](platform::com::Bytes& bytes) { std::memcpy(bytes.data() + offset, &value, sizeof value); };
    };
    const ResponseCase cases[] = {
        {"empty", [](platform::com::Bytes& b) { b.clear(); }, RPC_X_BAD_STUB_DATA},
        {"two bytes", [](platform::com::Bytes& b) { b.resize(2); }, RPC_X_BAD_STUB_DATA},
        {"success without outputs", [](platform::com::Bytes& b) { b.resize(4); }, RPC_X_BAD_STUB_DATA},
        {"last byte missing", [](platform::com::Bytes& b) { b.pop_back(); }, RPC_X_BAD_STUB_DATA},
        {"one byte too many", [](platform::com::Bytes& b) { b.push_back(std::byte{0}); }, RPC_X_BAD_STUB_DATA},
        {"huge BSTR length", setU32(4 + 56, 0x7FFFFFFF), RPC_X_BAD_STUB_DATA},
        {"bare failure", [](platform::com::Bytes& b) { b.resize(4); std::memcpy(b.data(), &kEndOfFile, 4); },
         kEndOfFile},
    };
    for (const ResponseCase& c : cases) {
        Connection connection;
        connection.server.On<3>([](QD_PROPRIEDADES_PS* pProp) {
            pProp->iPorta = 8080;
            pProp->bsDominio = platform::SysAllocString(u"quorvel.example");
            pProp->bsEmailCC = platform::SysAllocString(u"cc@quorvel.example");
            return S_OK;
        });
        connection.hooks.alterResponse = c.alter;
        QD_PROPRIEDADES_PS properties;
        std::memset(&properties, 0xCD, sizeof properties);
        EXPECT_EQ(connection.proxy->LePropriedades(&properties), c.expected) << c.what;
        EXPECT_TRUE(IsZero(properties)) << c.what;
    }
}

// Guards the [in,out] value against a response that does not decode: the caller's value stays.
TEST(IdlProxyStub, MalformedResponseKeepsTheCallersPosition) {
    Connection connection;
    connection.server.On<7>([](std::uint32_t* pPos, QD_LOCARQ_PS) {
        *pPos = 99;
        return S_OK;
    });
    connection.hooks.alterResponse = [](platform::com::Bytes& b) { b.push_back(std::byte{1}); };
    std::uint32_t position = 12;
    EXPECT_EQ(connection.proxy->GravaLocArq(&position, QD_LOCARQ_PS{}), RPC_X_BAD_STUB_DATA);
    EXPECT_EQ(position, 12u);
}

// Guards the message bound on the sending side: nothing is read past the caller's array and
// nothing is sent.
TEST(IdlProxyStub, OversizedRequestIsRefusedBeforeSending) {
    Connection connection;
    std::uint8_t content[4] = {};
    QD_DOC_PS doc{};
    doc.cbArquivo = 0xFFFFFFF0;
    doc.pArquivo = content;
    std::uint32_t position = 0;
    EXPECT_EQ(connection.proxy->GravaDoc(&position, doc, 0x4), platform::E_OUTOFMEMORY);
    EXPECT_EQ(connection.hooks.calls, 0);
}

// Guards the request's layout: parameters in order, the record in its 32-bit form, its blocks
// after it, the flags last.
TEST(IdlProxyStub, RequestHoldsTheRecordInItsWireForm) {
    Connection connection;
    QD_DOC_PS doc{};
    doc.iUsuarioAlterou = 0x0102;
    std::strcpy(doc.szOriginalFileName, "x.tif");
    doc.nQtdUsuarios = 1;
    std::uint16_t user = 0x0A0B;
    doc.pUsuarios = &user;
    std::uint32_t position = 0x55;
    EXPECT_EQ(connection.proxy->GravaDoc(&position, doc, 0xABCD), S_OK);
    const platform::com::Bytes& request = connection.hooks.lastRequest;
    EXPECT_EQ(connection.hooks.lastMethod, 19u);
    ASSERT_EQ(request.size(), 4u + 272u + 4u + 2u + 4u);
    EXPECT_EQ(ReadU32(request, 0), 0x55u);
    EXPECT_EQ(ReadU32(request, 4 + 40), 1u);   // nQtdUsuarios
    EXPECT_EQ(ReadU32(request, 4 + 44), 1u);   // pUsuarios present
    EXPECT_EQ(ReadU32(request, 4 + 52), 0u);   // pCampos null
    EXPECT_EQ(ReadU32(request, 4 + 264) >> 16, 0x0102u);
    EXPECT_EQ(std::memcmp(request.data() + 4 + 88, "x.tif", 6), 0);
    EXPECT_EQ(ReadU32(request, 276), 1u);      // the users' block: its count...
    EXPECT_EQ(ReadU32(request, 280) & 0xFFFF, 0x0A0Bu);  // ...and its one code
    EXPECT_EQ(ReadU32(request, 282), 0xABCDu);
}

// Guards the server against an object that throws: the call fails, the server goes on.
TEST(IdlProxyStub, ExceptionInTheObjectBecomesAServerFault) {
    Connection connection;
    connection.server.On<3>([](QD_PROPRIEDADES_PS* pProp) -> HRESULT {
        pProp->bsDominio = platform::SysAllocString(u"left behind");  // freed by the stub
        throw std::runtime_error("broken");
    });
    QD_PROPRIEDADES_PS properties{};
    EXPECT_EQ(connection.proxy->LePropriedades(&properties), RPC_E_SERVERFAULT);
    EXPECT_TRUE(IsZero(properties));
    connection.server.handler = nullptr;
    EXPECT_EQ(connection.proxy->SetModoServico(), S_OK);
}

struct RequestCase {
    const char* what;
    std::uint32_t method;
    std::vector<std::uint32_t> words;
    HRESULT expected;
};

// Guards the stub against requests that do not decode exactly: refused, object never called.
TEST(IdlProxyStub, StubRefusesRequestsThatDoNotDecode) {
    const RequestCase cases[] = {
        {"method 0", 0, {}, RPC_S_PROCNUM_OUT_OF_RANGE},
        {"method past the last", 34, {}, RPC_S_PROCNUM_OUT_OF_RANGE},
        {"largest method", 0xFFFFFFFF, {}, RPC_S_PROCNUM_OUT_OF_RANGE},
        {"bytes after a call without parameters", 2, {0}, RPC_X_BAD_STUB_DATA},
        {"number too short", 9, {}, RPC_X_BAD_STUB_DATA},
        {"null array with a length", 22, {3, 0}, RPC_X_BAD_STUB_DATA},
        {"array block longer than its length", 22, {1, 1, 2, 7, 8}, RPC_X_BAD_STUB_DATA},
        {"array without its block", 22, {1, 1}, RPC_X_BAD_STUB_DATA},
        {"huge length, few bytes", 22, {0x3FFFFFFF, 1, 0x3FFFFFFF, 7}, RPC_X_BAD_STUB_DATA},
        {"read list longer than its bytes", 18, {0x20000000, 1, 0x20000000}, RPC_X_BAD_STUB_DATA},
        {"BSTR longer than the bytes", 21, {1, 10, 0x00410041, 0}, RPC_X_BAD_STUB_DATA},
    };
    for (const RequestCase& c : cases) {
        testing::RecordingServer server;
        const auto stub = CreateZTQD_SrvStub(&server);
        platform::com::Bytes request(c.words.size() * 4);
        if (!c.words.empty()) std::memcpy(request.data(), c.words.data(), request.size());
        platform::com::Bytes response;
        stub->Dispatch(c.method, request, response);
        ASSERT_EQ(response.size(), 4u) << c.what;
        EXPECT_EQ(static_cast<HRESULT>(ReadU32(response, 0)), c.expected) << c.what;
        EXPECT_TRUE(server.calls.empty()) << c.what;
    }
}

// Guards the proxy's identity and lifetime: its two interfaces, and the channel ending with it.
TEST(IdlProxyStub, ProxyAnswersForItsInterfacesAndEndsItsChannel) {
    auto connection = std::make_unique<Connection>();
    IZTQD_Srv* proxy = connection->proxy;
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(proxy->QueryInterface(IID_IQDArqBind, &object), platform::E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(proxy->QueryInterface(platform::IID_IUnknown, &object), S_OK);
    EXPECT_EQ(object, static_cast<void*>(proxy));
    ASSERT_EQ(proxy->QueryInterface(IID_IZTQD_Srv, &object), S_OK);
    EXPECT_EQ(proxy->Release(), 2u);
    EXPECT_EQ(proxy->Release(), 1u);
    EXPECT_FALSE(connection->hooks.channelDestroyed);
    connection->proxy = nullptr;
    EXPECT_EQ(proxy->Release(), 0u);
    EXPECT_TRUE(connection->hooks.channelDestroyed);
}

class BareObject final : public platform::IUnknown {
public:
    HRESULT QueryInterface(const platform::IID& iid, void** object) override {
        *object = nullptr;
        return platform::E_NOINTERFACE;
    }
    platform::ULONG AddRef() override { return 1; }
    platform::ULONG Release() override { return 1; }
};

// Guards the factories' arguments and the stub's one reference to its object.
TEST(IdlProxyStub, FactoriesCheckTheirArguments) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateZTQD_SrvProxy(nullptr, &object), platform::E_INVALIDARG);
    EXPECT_EQ(object, nullptr);
    testing::RecordingServer server;
    EXPECT_EQ(CreateZTQD_SrvProxy(nullptr, nullptr), platform::E_POINTER);
    EXPECT_EQ(CreateZTQD_SrvStub(nullptr), nullptr);
    BareObject bare;
    EXPECT_EQ(CreateZTQD_SrvStub(&bare), nullptr);
    {
        const auto stub = CreateZTQD_SrvStub(&server);
        ASSERT_NE(stub, nullptr);
        EXPECT_EQ(server.references, 2u);
    }
    EXPECT_EQ(server.references, 1u);
}

}  // namespace
}  // namespace server::idl
