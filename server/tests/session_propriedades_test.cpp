// The module's properties: the stored layout and its conversions, reading and writing them with
// their texts and log entries, the encryption switch's ordering, the location numbers, and a stale
// copy written back by one of two connections.
#include "server/session/qd_propriedades.h"

#include "server/log/qd_le_log.h"
#include "server/session/qd_conversao_conteudos.h"
#include "server/session/qd_propriedades_mescla.h"
#include "server/tests/session_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kNaoEncontrado = platform::HResultFromMessage(16055);

// A company with an open session of its supervisor.
class Propriedades : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(srv_->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK); }

    QD_PROPRIEDADES_ARQ Gravado() const { return MestreGravado(empresa_.Arquivo("QDMESTRE.DAT")); }
    void Grava(const QD_PROPRIEDADES_ARQ& arq) {
        std::fstream arquivo(empresa_.Arquivo("QDMESTRE.DAT"), std::ios::in | std::ios::out | std::ios::binary);
        arquivo.write(reinterpret_cast<const char*>(&arq), sizeof arq);
    }
    // The properties as read, with their texts as ANSI.
    std::vector<std::string> LeTextos(QD_PROPRIEDADES_PS& ps) {
        TextosPS textos(ps);
        EXPECT_EQ(srv_->LePropriedades(&ps), platform::S_OK);
        return {platform::AnsiFromBstr(ps.bsDominio).str(), platform::AnsiFromBstr(ps.bsModeloEmail).str(),
                platform::AnsiFromBstr(ps.bsEmailPara).str(), platform::AnsiFromBstr(ps.bsEmailCC).str()};
    }
    HRESULT GravaTextos(const char* dominio, const char* modelo, const char* para, const char* cc) {
        QD_PROPRIEDADES_PS ps{};
        TextosPS textos(ps);
        EXPECT_EQ(srv_->LePropriedades(&ps), platform::S_OK);
        textos.Define(dominio, modelo, para, cc);
        return srv_->GravaPropriedades(ps);
    }

    EmpresaTeste empresa_;
    Servidor srv_;
};

// Records converters that can be told to fail, and what the stored record held at each step.
class ConversaoGravada final : public IQDConversaoConteudos {
public:
    explicit ConversaoGravada(std::string mestre) : mestre_(std::move(mestre)) {}
    HRESULT Converte(bool bEncripta) override {
        passos.push_back(bEncripta ? "converte:1" : "converte:0");
        return falhaConverte;
    }
    void Confirma() override {
        passos.push_back("confirma");
        encriptadoAoConfirmar = MestreGravado(mestre_).bUsaEncriptacao;
    }
    HRESULT Desfaz() override {
        passos.push_back("desfaz");
        return falhaDesfaz;
    }

    std::vector<std::string> passos;
    HRESULT falhaConverte = platform::S_OK;
    HRESULT falhaDesfaz = platform::S_OK;
    int encriptadoAoConfirmar = -1;

private:
    std::string mestre_;
};

}  // namespace

// Every field goes to its place in both directions; the client code is cut to its 16 stored bits,
// and the text positions and reserved bytes of the record survive a conversion back.
TEST(QDPropriedadesArq, ConversionsKeepEveryFieldAndTheTextPositions) {
    QD_PROPRIEDADES_PS ps{};
    ps.iProxNumeroDoc = 0x01020304;
    ps.iCodigoCliente = 0x00051234;
    ps.iPorta = 2525;
    ps.iVersaoSistema = 1;
    ps.bBaseControlada = 1;
    ps.bAcessoTotalSupervisor = 1;
    ps.bExcluiDocumentoRegistrado = 1;
    ps.bUsaEncriptacao = 1;
    ps.bFlags = 0x0B;
    ps.bEnviarEmail = 1;
    ps.timeControle = -5;
    ps.bPermitirPreVisualizacao = 1;
    ps.bManterTelaRelatorioAtiva = 1;

    QD_PROPRIEDADES_ARQ arq{};
    arq.nTamEmailPara = 9;
    arq.lPosEmailPara = 77;
    arq.cReservado[201] = 0xEE;
    QDPropriedadesDePS(ps, arq);
    const std::string bytes(reinterpret_cast<const char*>(&arq), sizeof arq);
    EXPECT_EQ(NumeroEm(bytes, 0, 4), 0x01020304u);
    EXPECT_EQ(NumeroEm(bytes, 4, 2), 0x1234u);
    EXPECT_EQ(NumeroEm(bytes, 8, 4), static_cast<std::uint32_t>(-5));
    EXPECT_EQ(NumeroEm(bytes, 14, 1), 0x0Bu);
    EXPECT_EQ(NumeroEm(bytes, 24, 2), 2525u);
    EXPECT_EQ(NumeroEm(bytes, 26, 2), 1u);
    EXPECT_EQ(NumeroEm(bytes, 36, 4), 9u);
    EXPECT_EQ(NumeroEm(bytes, 40, 4), 77u);
    for (std::size_t offset : {6, 7, 12, 13, 15, 52, 53}) EXPECT_EQ(NumeroEm(bytes, offset, 1), 1u) << offset;
    EXPECT_EQ(NumeroEm(bytes, 255, 1), 0xEEu);

    QD_PROPRIEDADES_PS volta{};
    volta.bsEmailPara = reinterpret_cast<platform::BSTR>(&arq);  // left alone, never touched
    QDPropriedadesParaPS(arq, volta);
    EXPECT_EQ(volta.iCodigoCliente, 0x1234u);
    EXPECT_EQ(volta.timeControle, -5);
    EXPECT_EQ(volta.bFlags, 0x0B);
    EXPECT_EQ(volta.iPorta, 2525);
    EXPECT_EQ(volta.bsEmailPara, reinterpret_cast<platform::BSTR>(&arq));
    EXPECT_EQ(volta.iProxNumeroDoc, ps.iProxNumeroDoc);
    EXPECT_EQ(volta.iVersaoSistema, ps.iVersaoSistema);
    for (const std::int8_t flag : {volta.bBaseControlada, volta.bAcessoTotalSupervisor,
                                   volta.bExcluiDocumentoRegistrado, volta.bUsaEncriptacao}) {
        EXPECT_EQ(flag, 1);
    }
    for (const std::uint8_t flag : {volta.bEnviarEmail, volta.bPermitirPreVisualizacao, volta.bManterTelaRelatorioAtiva}) {
        EXPECT_EQ(flag, 1);
    }
}

// The next number is handed out and the one after it stored.
TEST_F(Propriedades, NextLocationNumberReturnsSevenAndLeavesEight) {
    QD_PROPRIEDADES_ARQ arq = Gravado();
    arq.iProxNumeroDoc = 7;
    Grava(arq);
    std::uint32_t proximo = 0;
    ASSERT_EQ(srv_->GetProximoNrLocalizacao(&proximo), platform::S_OK);
    EXPECT_EQ(proximo, 7u);
    EXPECT_EQ(Gravado().iProxNumeroDoc, 8u);
    EXPECT_EQ(srv_->GetProximoNrLocalizacao(nullptr), platform::E_POINTER);
    EXPECT_EQ(Gravado().iProxNumeroDoc, 8u);
}

// The texts read back as written; a longer "to" text moves to the end of QDDOCDSC.DAT, a shorter
// one is rewritten where it was, and the other texts keep their places.
TEST_F(Propriedades, LongerTextMovesToTheEndShorterStaysInPlace) {
    ASSERT_EQ(GravaTextos("empresa.com", "Modelo", "ana@empresa.com", "cc@empresa.com"), platform::S_OK);
    QD_PROPRIEDADES_PS ps{};
    EXPECT_EQ(LeTextos(ps), (std::vector<std::string>{"empresa.com", "Modelo", "ana@empresa.com", "cc@empresa.com"}));
    const QD_PROPRIEDADES_ARQ primeiro = Gravado();
    EXPECT_EQ(primeiro.nTamEmailPara, 15u);

    const std::size_t fim = Bytes(empresa_.Arquivo("QDDOCDSC.DAT")).size();
    ASSERT_EQ(GravaTextos("empresa.com", "Modelo", "fernanda@empresa.com", "cc@empresa.com"), platform::S_OK);
    const QD_PROPRIEDADES_ARQ maior = Gravado();
    EXPECT_EQ(maior.lPosEmailPara, fim);
    EXPECT_EQ(maior.nTamEmailPara, 20u);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOCDSC.DAT")).substr(fim), "fernanda@empresa.com");
    EXPECT_EQ(maior.lPosDominio, primeiro.lPosDominio);
    EXPECT_EQ(maior.lPosEmailCC, primeiro.lPosEmailCC);

    const std::size_t tamanho = Bytes(empresa_.Arquivo("QDDOCDSC.DAT")).size();
    ASSERT_EQ(GravaTextos("empresa.com", "Modelo", "bia@x.com", "cc@empresa.com"), platform::S_OK);
    const QD_PROPRIEDADES_ARQ menor = Gravado();
    EXPECT_EQ(menor.lPosEmailPara, maior.lPosEmailPara);
    EXPECT_EQ(menor.nTamEmailPara, 9u);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOCDSC.DAT")).size(), tamanho);
    EXPECT_EQ(LeTextos(ps)[2], "bia@x.com");

    // An emptied text stores no place and reads back empty, not null.
    ASSERT_EQ(GravaTextos("", "Modelo", "bia@x.com", "cc@empresa.com"), platform::S_OK);
    EXPECT_EQ(Gravado().lPosDominio, 0u);
    EXPECT_EQ(Gravado().nTamDominio, 0u);
    TextosPS textos(ps);
    ASSERT_EQ(srv_->LePropriedades(&ps), platform::S_OK);
    ASSERT_NE(ps.bsDominio, nullptr);
    EXPECT_EQ(platform::SysStringLen(ps.bsDominio), 0u);
}

// A change is logged as two entries at position 0: the old record with the old tagged texts,
// then the new record with the new ones, stamped with the session's user.
TEST_F(Propriedades, ChangeIsLoggedWithTaggedTexts) {
    std::vector<CQDLogEntrada> entradas;
    ASSERT_EQ(QDLeLog(empresa_.Pasta().c_str(), entradas), platform::S_OK);
    const std::size_t abertura = entradas.size();  // what the session start wrote
    ASSERT_EQ(GravaTextos("d1", "m1", "p1", "c1"), platform::S_OK);
    const QD_PROPRIEDADES_ARQ antes = Gravado();
    ASSERT_EQ(GravaTextos("dominio2", "m1", "p2", "c1"), platform::S_OK);
    const QD_PROPRIEDADES_ARQ depois = Gravado();

    ASSERT_EQ(QDLeLog(empresa_.Pasta().c_str(), entradas), platform::S_OK);
    ASSERT_EQ(entradas.size(), abertura + 4);
    struct Esperado {
        QD_E_OPERACAO_LOG operacao;
        const QD_PROPRIEDADES_ARQ* registro;
        std::vector<std::string> itens;
    };
    const Esperado esperados[] = {
        {QD_OP_LOG_PROP_ALTERACAO_DE, &antes, {"<Dominio>d1", "<ModeloEmail>m1", "<EmailPara>p1", "<EmailCC>c1"}},
        {QD_OP_LOG_PROP_ALTERACAO_PARA, &depois,
         {"<Dominio>dominio2", "<ModeloEmail>m1", "<EmailPara>p2", "<EmailCC>c1"}},
    };
    for (std::size_t i = 0; i < 2; ++i) {
        const QD_LOG_PS& log = entradas[abertura + 2 + i].GetLog();
        EXPECT_EQ(log.eOperacao, esperados[i].operacao);
        EXPECT_EQ(log.lPosicao, 0u);
        EXPECT_EQ(log.iUsuario, 1);
        ASSERT_EQ(log.cbLogData, sizeof(QD_PROPRIEDADES_ARQ));
        EXPECT_EQ(std::memcmp(log.pLogData, esperados[i].registro, sizeof(QD_PROPRIEDADES_ARQ)), 0);
        ASSERT_EQ(log.nQtdPtrs, 4u);
        for (std::size_t item = 0; item < 4; ++item) {
            EXPECT_EQ(log.pPtrs[item].eType, QD_TYPE_LOG_STRING);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(log.pPtrs[item].pData), log.pPtrs[item].cbData),
                      esperados[i].itens[item]);
        }
    }
}

// The encryption switch runs before anything is written; a failed conversion leaves the record
// and the log untouched, a later failure undoes the conversion, and a success is confirmed only
// once the record holds the new flag.
TEST_F(Propriedades, EncryptionSwitchIsUndoneUnlessThePropertiesAreWritten) {
    const std::string mestre = empresa_.Arquivo("QDMESTRE.DAT");
    QD_PROPRIEDADES_PS ps{};
    ASSERT_EQ(srv_->LePropriedades(&ps), platform::S_OK);
    TextosPS textos(ps);
    ps.bUsaEncriptacao = 1;
    const std::string antes = Bytes(mestre);
    const std::size_t logAntes = Bytes(empresa_.Arquivo("QDLOG.DAT")).size();

    ConversaoGravada falha(mestre);
    falha.falhaConverte = platform::HResultFromWin32(platform::ERROR_ACCESS_DENIED);
    EXPECT_EQ(QDGravaPropriedades(*srv_, *srv_, ps, &falha), falha.falhaConverte);
    EXPECT_EQ(falha.passos, std::vector<std::string>{"converte:1"});
    EXPECT_EQ(Bytes(mestre), antes);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDLOG.DAT")).size(), logAntes);

    // A stored text that lies past the end of QDDOCDSC.DAT fails the write after the conversion.
    QD_PROPRIEDADES_ARQ danificado = Gravado();
    danificado.nTamEmailCC = 10;
    danificado.lPosEmailCC = 1'000'000;
    Grava(danificado);
    const std::string comDano = Bytes(mestre);
    ConversaoGravada desfeita(mestre);
    EXPECT_EQ(QDGravaPropriedades(*srv_, *srv_, ps, &desfeita), platform::HResultFromMessage(16021));
    EXPECT_EQ(desfeita.passos, (std::vector<std::string>{"converte:1", "desfaz"}));
    EXPECT_EQ(Bytes(mestre), comDano);
    // When the undo itself fails, that is what the caller must hear about.
    ConversaoGravada semVolta(mestre);
    semVolta.falhaDesfaz = platform::HResultFromWin32(platform::ERROR_WRITE_FAULT);
    EXPECT_EQ(QDGravaPropriedades(*srv_, *srv_, ps, &semVolta), semVolta.falhaDesfaz);

    danificado.nTamEmailCC = 0;
    danificado.lPosEmailCC = 0;
    Grava(danificado);
    ConversaoGravada certa(mestre);
    ASSERT_EQ(QDGravaPropriedades(*srv_, *srv_, ps, &certa), platform::S_OK);
    EXPECT_EQ(certa.passos, (std::vector<std::string>{"converte:1", "confirma"}));
    EXPECT_EQ(certa.encriptadoAoConfirmar, 1);

    // Another non-zero value is still "encrypted": no second conversion.
    ps.bUsaEncriptacao = 2;
    ConversaoGravada nenhuma(mestre);
    ASSERT_EQ(QDGravaPropriedades(*srv_, *srv_, ps, &nenhuma), platform::S_OK);
    EXPECT_TRUE(nenhuma.passos.empty());
}

// Switching encryption through the session converts every content with the session's key and
// keeps no backup; switching it off again gives every content back byte for byte.
TEST_F(Propriedades, EncryptionSwitchConvertsTheContentsWithTheSessionKey) {
    const std::string docs = empresa_.Arquivo("Docs");
    const std::string original = std::string("conte\xFA" "do ") + std::string(3000, 'x');
    WriteFile(docs + "/0000001.TXT", original);
    WriteFile(docs + "/0000002.PDF", "%PDF");

    QD_PROPRIEDADES_PS ps{};
    TextosPS textos(ps);
    ASSERT_EQ(srv_->LePropriedades(&ps), platform::S_OK);
    ps.bUsaEncriptacao = 1;
    ASSERT_EQ(srv_->GravaPropriedades(ps), platform::S_OK);
    EXPECT_EQ(Gravado().bUsaEncriptacao, 1);
    const std::string cifrado = ReadFile(docs + "/0000001.TXT");
    EXPECT_EQ(cifrado.find("conte"), std::string::npos);
    EXPECT_NE(cifrado, original);
    for (const auto& item : std::filesystem::directory_iterator(empresa_.Pasta())) {
        EXPECT_EQ(item.path().filename().string().rfind("BackupEncripta", 0), std::string::npos) << item.path();
    }

    ps.bUsaEncriptacao = 0;
    ASSERT_EQ(srv_->GravaPropriedades(ps), platform::S_OK);
    EXPECT_EQ(Gravado().bUsaEncriptacao, 0);
    EXPECT_EQ(ReadFile(docs + "/0000001.TXT"), original);
    EXPECT_EQ(ReadFile(docs + "/0000002.PDF"), "%PDF");
}

// Without QDMESTRE.DAT every property method fails with 16055 and creates nothing.
TEST_F(Propriedades, MissingMasterFileIsNotFound) {
    std::filesystem::remove(empresa_.Arquivo("QDMESTRE.DAT"));
    QD_PROPRIEDADES_PS ps{};
    EXPECT_EQ(srv_->LePropriedades(&ps), kNaoEncontrado);
    EXPECT_EQ(ps.bsDominio, nullptr);
    EXPECT_EQ(srv_->GravaPropriedades(ps), kNaoEncontrado);
    std::uint32_t proximo = 99;
    EXPECT_EQ(srv_->GetProximoNrLocalizacao(&proximo), kNaoEncontrado);
    EXPECT_EQ(proximo, 99u);
    EXPECT_FALSE(std::filesystem::exists(empresa_.Arquivo("QDMESTRE.DAT")));
    EXPECT_EQ(srv_->LePropriedades(nullptr), platform::E_POINTER);
}

// The merge of a write with the stored record: the counter sent is taken unless it is the one the
// writer last read; migration marks are kept stored or sent, every other bit of bFlags as sent;
// the data version never goes back.
TEST(QDMesclaPropriedades, CounterOnlyWhenChangedMarksNeverCleared) {
    struct Caso {
        std::optional<std::uint32_t> lido;  // the counter the writer last read
        std::uint32_t enviado, gravado, esperado;
        std::uint8_t flagsEnviadas, flagsGravadas, flagsEsperadas;
        std::uint16_t versaoEnviada, versaoGravada, versaoEsperada;
        const char* nome;
    };
    const Caso casos[] = {
        {5, 5, 9, 9, 0x0B, 0x0B, 0x0B, 1, 1, 1, "counter not changed: the stored one stays"},
        {5, 2, 9, 2, 0x0B, 0x0B, 0x0B, 1, 1, 1, "counter lowered on purpose"},
        {std::nullopt, 5, 9, 5, 0x0B, 0x0B, 0x0B, 1, 1, 1, "nothing read: the counter as sent"},
        {5, 5, 9, 9, 0x03, 0x0B, 0x0B, 0, 1, 1, "a mark set meanwhile is kept"},
        {5, 5, 9, 9, 0x0B, 0x03, 0x0B, 1, 0, 1, "the writer sets a mark"},
        {5, 5, 9, 9, 0x07, 0x0B, 0x0F, 1, 1, 1, "another bit set as sent"},
        {5, 5, 9, 9, 0x00, 0xFF, 0x0B, 1, 1, 1, "other bits cleared as sent"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        QD_PROPRIEDADES_ARQ gravado{};
        gravado.iProxNumeroDoc = caso.gravado;
        gravado.bFlags = caso.flagsGravadas;
        gravado.iVersaoSistema = caso.versaoGravada;
        gravado.nTamEmailPara = 9;
        QD_PROPRIEDADES_PS enviado{};
        enviado.iProxNumeroDoc = caso.enviado;
        enviado.bFlags = caso.flagsEnviadas;
        enviado.iVersaoSistema = caso.versaoEnviada;
        enviado.iPorta = 587;
        const QD_PROPRIEDADES_ARQ novo = QDMesclaPropriedades(gravado, enviado, caso.lido);
        EXPECT_EQ(novo.iProxNumeroDoc, caso.esperado);
        EXPECT_EQ(novo.bFlags, caso.flagsEsperadas);
        EXPECT_EQ(novo.iVersaoSistema, caso.versaoEsperada);
        EXPECT_EQ(novo.iPorta, 587);           // the other fields as sent
        EXPECT_EQ(novo.nTamEmailPara, 9u);     // the text places as stored
    }
}

// Two connections: one holds a copy read long ago while the other takes location numbers. The copy
// written back with its counter unchanged keeps the stored counter, so no number is handed out
// twice, also when its connection opened its session again in between (the server's own read is
// not the client's); a counter the copy changed is written, lowering it included.
TEST_F(Propriedades, StaleCopyNeverHandsOutANumberTwice) {
    for (const bool bReinicia : {false, true}) {
        SCOPED_TRACE(bReinicia ? "session opened again in between" : "plain");
        Servidor outro;
        ASSERT_EQ(outro->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        QD_PROPRIEDADES_PS copia{};
        TextosPS textos(copia);
        ASSERT_EQ(srv_->LePropriedades(&copia), platform::S_OK);
        const std::uint32_t lido = copia.iProxNumeroDoc;
        std::uint32_t numero = 0;
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(outro->GetProximoNrLocalizacao(&numero), platform::S_OK);
        }
        EXPECT_EQ(numero, lido + 2);
        if (bReinicia) {
            ASSERT_EQ(srv_->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        }

        copia.iPorta = 2525;
        ASSERT_EQ(srv_->GravaPropriedades(copia), platform::S_OK);
        EXPECT_EQ(Gravado().iPorta, 2525);
        ASSERT_EQ(outro->GetProximoNrLocalizacao(&numero), platform::S_OK);
        EXPECT_EQ(numero, lido + 3);

        copia.iProxNumeroDoc = lido + 1;
        ASSERT_EQ(srv_->GravaPropriedades(copia), platform::S_OK);
        EXPECT_EQ(Gravado().iProxNumeroDoc, lido + 1);
    }
}

// Two connections: a mark that the other connection set after this one read its copy survives the
// copy's write; a bit that is no mark goes as the copy sends it.
TEST_F(Propriedades, StaleCopyKeepsMarksSetMeanwhile) {
    Servidor outro;
    ASSERT_EQ(outro->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    QD_PROPRIEDADES_ARQ semMarcas = Gravado();
    semMarcas.bFlags = 0x03;
    semMarcas.iVersaoSistema = 0;
    Grava(semMarcas);
    QD_PROPRIEDADES_PS copia{};
    TextosPS textos(copia);
    ASSERT_EQ(srv_->LePropriedades(&copia), platform::S_OK);

    {
        QD_PROPRIEDADES_PS ps{};
        TextosPS seus(ps);
        ASSERT_EQ(outro->LePropriedades(&ps), platform::S_OK);
        ps.bFlags = 0x0B;
        ps.iVersaoSistema = 1;
        ASSERT_EQ(outro->GravaPropriedades(ps), platform::S_OK);
    }

    copia.bFlags = 0x07;  // the copy's dialog sets bit 0x4
    ASSERT_EQ(srv_->GravaPropriedades(copia), platform::S_OK);
    EXPECT_EQ(Gravado().bFlags, 0x0F);
    EXPECT_EQ(Gravado().iVersaoSistema, 1);
    copia.bFlags = 0x03;
    ASSERT_EQ(srv_->GravaPropriedades(copia), platform::S_OK);
    EXPECT_EQ(Gravado().bFlags, 0x0B);
}
