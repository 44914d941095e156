// Writing document types: where the record and its lists land, how runs grow and shrink, the log
// entries of inserts and changes, and the inputs refused before anything is written.
#include "server/tests/types_test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kFimArquivo = platform::HResultFromMessage(16021);

class GravaTipDoc : public TiposTeste {
protected:
    // Every byte of the four files, to show that a refused call changed nothing.
    std::string Arquivos() const {
        std::string todos;
        for (const char* nome : {"QDTPD.DAT", "QDTPDUSU.DAT", "QDTPDPRC.DAT", "QDTPDCMP.DAT", "QDLOG.DAT"}) {
            todos += nome + std::string("=") + ReadFile(Arquivo(nome)) + "\n";
        }
        return todos;
    }
};

const TipoTeste kNotas{"0101", "Notas fiscais", 0, {3, 7}, {QD_PROCESSO_FT_NF, QD_PROCESSO_CM_RE},
                       {{0x1, QD_CAMPO_NUM_NF, "N\xFAmero"}, {0, QD_CAMPO_VALOR_NF, "Valor"}}};

}  // namespace

// A type without lists writes only its record: the first positions stay 0 and no list file gets
// a record.
TEST_F(GravaTipDoc, InsertWithoutListsWritesOnlyTheTypeRecord) {
    const std::uint32_t posicao = Insere({"01", "Fiscal", QD_TIPDOC_GRUPO, {}, {}, {}});
    ASSERT_EQ(posicao, 1u);
    const QD_TIPDOC_ARQ arq = TipoGravado(Pasta(), 1);
    EXPECT_EQ(arq.dwFlags, QD_TIPDOC_GRUPO);
    for (const std::uint32_t valor : {arq.nQtdUsuarios, arq.lPrimeiroUsuario, arq.nQtdProcessos,
                                      arq.lPrimeiroProcesso, arq.nQtdCampos, arq.lPrimeiroCampo}) {
        EXPECT_EQ(valor, 0u);
    }
    const std::pair<const char*, std::size_t> listas[] = {{"QDTPDUSU.DAT", 8}, {"QDTPDPRC.DAT", 8}, {"QDTPDCMP.DAT", 64}};
    for (const auto& [nome, tamanho] : listas) {
        EXPECT_EQ(ReadFile(Arquivo(nome)), std::string(tamanho, '\0')) << nome;  // the header alone
    }
    EXPECT_EQ(Insere({"02", "Contabil", 0, {}, {}, {}}), 2u);
}

// The stored record has every field at its offset, the name before the code, texts cut with a
// terminating NUL, and each list record its element at offset 0 followed by zeros.
TEST_F(GravaTipDoc, StoredBytesLieAtTheirOffsets) {
    ASSERT_EQ(Insere({"9", "x", 0, {}, {}, {}}), 1u);  // so that the runs do not start at 1 by chance
    ASSERT_EQ(Insere({"8", "y", 0, {5}, {QD_PROCESSO_CN_LAN}, {{0, QD_CAMPO_CFOP, "c"}}}), 2u);
    TipoTeste tipo = kNotas;
    tipo.dwFlags = 0x40;
    tipo.nome = std::string(60, 'N');  // longer than the field: cut to 50 characters
    const std::uint32_t posicao = Insere(tipo);
    ASSERT_EQ(posicao, 3u);

    const std::string r = RegistroBruto(Arquivo("QDTPD.DAT"), 3, 128);
    ASSERT_EQ(r.size(), 128u);
    struct Campo {
        std::size_t offset;
        std::uint32_t valor;
    };
    const Campo campos[] = {{0, 0x40}, {4, 2}, {8, 2}, {12, 2}, {16, 2}, {20, 2}, {24, 2}, {88, QD_TIPDOC_VALIDADE_MES}};
    for (const Campo& campo : campos) EXPECT_EQ(U32At(r, campo.offset), campo.valor) << campo.offset;
    EXPECT_EQ(r.substr(28, 51), std::string(50, 'N') + '\0');
    EXPECT_EQ(r.substr(79, 9), std::string("0101") + std::string(5, '\0'));
    EXPECT_EQ(static_cast<std::uint8_t>(r[92]), 6);
    EXPECT_EQ(static_cast<std::uint8_t>(r[93]), 10);
    EXPECT_EQ(r.substr(94), std::string(34, '\0'));

    EXPECT_EQ(UsuariosGravados(Pasta(), 2, 2), (std::vector<std::uint16_t>{3, 7}));
    for (std::uint32_t i = 0; i < 2; ++i) {
        const std::string p = RegistroBruto(Arquivo("QDTPDPRC.DAT"), 2 + i, 8);
        EXPECT_EQ(U32At(p, 0), static_cast<std::uint32_t>(kNotas.processos[i]));
        EXPECT_EQ(p.substr(4), std::string(4, '\0'));
        const std::string c = RegistroBruto(Arquivo("QDTPDCMP.DAT"), 2 + i, 64);
        EXPECT_EQ(U32At(c, 0), kNotas.campos[i].dwFlags);
        EXPECT_EQ(U32At(c, 4), static_cast<std::uint32_t>(kNotas.campos[i].id));
        std::string nome = kNotas.campos[i].nome;
        nome.resize(51, '\0');
        EXPECT_EQ(c.substr(8, 51), nome);
        EXPECT_EQ(c.substr(59), std::string(5, '\0'));
    }
}

// A list that grows moves to a new block at the end of its file; one that shrinks or keeps its
// size is rewritten over the first records of its block, and the rest of the block stays.
TEST_F(GravaTipDoc, GrowingListMovesToTheEndShrinkingStaysInPlace) {
    const std::uint32_t posicao = Insere({"01", "A", 0, {1, 2}, {}, {}});
    ASSERT_EQ(Insere({"02", "B", 0, {9}, {}, {}}), 2u);
    EXPECT_EQ(TipoGravado(Pasta(), posicao).lPrimeiroUsuario, 1u);

    std::uint32_t pos = posicao;
    ASSERT_EQ(conexao_.GravaTipDoc(&pos, Monta({"01", "A", 0, {4, 5, 6}, {}, {}})), platform::S_OK);
    EXPECT_EQ(pos, posicao);
    QD_TIPDOC_ARQ arq = TipoGravado(Pasta(), posicao);
    EXPECT_EQ(arq.lPrimeiroUsuario, 4u);  // after the old block (1-2) and type B's user (3)
    EXPECT_EQ(arq.nQtdUsuarios, 3u);
    EXPECT_EQ(UsuariosGravados(Pasta(), 1, 6), (std::vector<std::uint16_t>{1, 2, 9, 4, 5, 6}));

    ASSERT_EQ(conexao_.GravaTipDoc(&pos, Monta({"01", "A", 0, {7, 8}, {}, {}})), platform::S_OK);
    arq = TipoGravado(Pasta(), posicao);
    EXPECT_EQ(arq.lPrimeiroUsuario, 4u);
    EXPECT_EQ(arq.nQtdUsuarios, 2u);
    EXPECT_EQ(UsuariosGravados(Pasta(), 1, 6), (std::vector<std::uint16_t>{1, 2, 9, 7, 8, 6}));
    EXPECT_EQ(QtdRegistros(Arquivo("QDTPDUSU.DAT"), 8), 6u);

    // Emptied, the list keeps its first position and writes nothing; the type is then visible to all.
    ASSERT_EQ(conexao_.GravaTipDoc(&pos, Monta({"01", "A", 0, {}, {}, {}})), platform::S_OK);
    arq = TipoGravado(Pasta(), posicao);
    EXPECT_EQ(arq.nQtdUsuarios, 0u);
    EXPECT_EQ(arq.lPrimeiroUsuario, 4u);
    EXPECT_EQ(QtdRegistros(Arquivo("QDTPDUSU.DAT"), 8), 6u);
    // And type B's run was never touched.
    EXPECT_EQ(TipoGravado(Pasta(), 2).lPrimeiroUsuario, 3u);
}

// An insert logs one entry with the new record and its three lists as items; a change logs the
// stored record and lists, then the new ones, in one batch; lists without bytes add no item.
TEST_F(GravaTipDoc, InsertAndChangeAreLoggedWithTheirLists) {
    const std::uint32_t posicao = Insere(kNotas);
    ASSERT_NE(posicao, 0u);
    const QD_TIPDOC_ARQ inserido = TipoGravado(Pasta(), posicao);

    std::uint32_t pos = posicao;
    ASSERT_EQ(conexao_.GravaTipDoc(&pos, Monta({"0101", "Notas", 0, {3, 7, 11}, {}, {}})), platform::S_OK);
    const QD_TIPDOC_ARQ alterado = TipoGravado(Pasta(), posicao);

    const std::string usuariosAntes = std::string("\x03\x00\x07\x00", 4);
    const std::string usuariosDepois = usuariosAntes + std::string("\x0B\x00", 2);
    const std::string processos = LittleEndian32(QD_PROCESSO_FT_NF) + LittleEndian32(QD_PROCESSO_CM_RE);
    std::string campos;
    for (const CampoTeste& campo : kNotas.campos) {
        std::string nome = campo.nome;
        nome.resize(52, '\0');  // 51 bytes of name and the record's byte of padding
        campos += LittleEndian32(campo.dwFlags) + LittleEndian32(campo.id) + nome;
    }
    const std::vector<LogEntry> esperadas = {
        {QD_OP_LOG_TIPDOC_INCLUSAO, posicao, BytesDe(inserido),
         {{QD_TYPE_LOG_USUARIO, usuariosAntes}, {QD_TYPE_LOG_PROCESSO, processos}, {QD_TYPE_LOG_CAMPO, campos}}},
        {QD_OP_LOG_TIPDOC_ALTERACAO_DE, posicao, BytesDe(inserido),
         {{QD_TYPE_LOG_USUARIO, usuariosAntes}, {QD_TYPE_LOG_PROCESSO, processos}, {QD_TYPE_LOG_CAMPO, campos}}},
        {QD_OP_LOG_TIPDOC_ALTERACAO_PARA, posicao, BytesDe(alterado), {{QD_TYPE_LOG_USUARIO, usuariosDepois}}},
    };
    EXPECT_EQ(Log(Pasta()), esperadas);
    ASSERT_EQ(campos.size(), 120u);

    // The entries carry the session's user.
    std::vector<CQDLogEntrada> entradas;
    ASSERT_EQ(QDLeLog(Pasta().c_str(), entradas), platform::S_OK);
    for (const CQDLogEntrada& entrada : entradas) EXPECT_EQ(entrada.GetLog().iUsuario, 1);
}

// A change keeps the first positions of the stored record whatever the client sends, and reads
// back the client's fields.
TEST_F(GravaTipDoc, ChangeReadsBackTheClientsFields) {
    const std::uint32_t posicao = Insere(kNotas);
    CQDTipDoc novo = Monta({"0102", "Recibos", 0x10, {3, 7}, {QD_PROCESSO_FN_TES}, {}});
    novo->eValidade = QD_TIPDOC_VALIDADE_ANO;
    novo->iValorValidade = 2;
    novo->iDiasEnviarEmail = 30;
    std::uint32_t pos = posicao;
    ASSERT_EQ(conexao_.GravaTipDoc(&pos, novo), platform::S_OK);
    const CQDTipDoc lido = Le(posicao);
    EXPECT_STREQ(lido->szCodigo, "0102");
    EXPECT_STREQ(lido->szNome, "Recibos");
    EXPECT_EQ(lido->dwFlags, 0x10u);
    EXPECT_EQ(lido->eValidade, QD_TIPDOC_VALIDADE_ANO);
    EXPECT_EQ(lido->iValorValidade, 2);
    EXPECT_EQ(lido->iDiasEnviarEmail, 30);
    EXPECT_EQ(Usuarios(lido.GetPS()), (std::vector<std::uint16_t>{3, 7}));
    EXPECT_EQ(Processos(lido.GetPS()), (std::vector<QD_E_PROCESSO>{QD_PROCESSO_FN_TES}));
    EXPECT_TRUE(NomesCampos(lido.GetPS()).empty());
    EXPECT_EQ(TipoGravado(Pasta(), posicao).lPrimeiroUsuario, 1u);
}

// Inputs that cannot be stored are refused before any file changes: a null position, a count
// without its array, a count no request could carry (a negative count seen as unsigned), and a
// change of a position that does not exist.
TEST_F(GravaTipDoc, RefusedInputsChangeNothing) {
    ASSERT_EQ(Insere(kNotas), 1u);
    const std::string antes = Arquivos();
    struct Caso {
        const char* nome;
        std::uint32_t posicao;
        void (*estraga)(QD_TIPDOC_PS&);
        HRESULT esperado;
    };
    const Caso casos[] = {
        {"users without array", 0, [](QD_TIPDOC_PS& ps) { ps.nQtdUsuarios = 3; }, platform::E_POINTER},
        {"fields without array", 0, [](QD_TIPDOC_PS& ps) { ps.nQtdCampos = 1; }, platform::E_POINTER},
        {"negative process count", 0, [](QD_TIPDOC_PS& ps) { ps.nQtdProcessos = 0xFFFFFFFF; }, platform::E_INVALIDARG},
        {"absurd field count", 0, [](QD_TIPDOC_PS& ps) { ps.nQtdCampos = 0x10000000; }, platform::E_INVALIDARG},
        {"change past the end", 2, [](QD_TIPDOC_PS&) {}, kFimArquivo},
        {"change beyond any position", 0x80000000u, [](QD_TIPDOC_PS&) {}, kFimArquivo},
    };
    for (const Caso& caso : casos) {
        QD_TIPDOC_PS ps{};
        std::strcpy(ps.szCodigo, "02");
        caso.estraga(ps);
        std::uint32_t posicao = caso.posicao;
        EXPECT_EQ(srv_->GravaTipDoc(&posicao, ps), caso.esperado) << caso.nome;
        EXPECT_EQ(posicao, caso.posicao) << caso.nome;
        EXPECT_EQ(Arquivos(), antes) << caso.nome;
    }
    QD_TIPDOC_PS ps{};
    EXPECT_EQ(srv_->GravaTipDoc(nullptr, ps), platform::E_POINTER);
    EXPECT_EQ(Arquivos(), antes);
}

// A stored list whose run lies beyond its file (a damaged count) is reported, not read past the
// end, and the change writes nothing.
TEST_F(GravaTipDoc, DamagedStoredRunIsReportedBeforeWriting) {
    const std::uint32_t posicao = Insere(kNotas);
    QD_TIPDOC_ARQ arq = TipoGravado(Pasta(), posicao);
    arq.nQtdProcessos = 1000;
    std::string tipos = ReadFile(Arquivo("QDTPD.DAT"));
    tipos.replace(posicao * 128, 128, BytesDe(arq));
    WriteFile(Arquivo("QDTPD.DAT"), tipos);
    const std::string usuarios = ReadFile(Arquivo("QDTPDUSU.DAT"));

    std::uint32_t pos = posicao;
    EXPECT_EQ(conexao_.GravaTipDoc(&pos, Monta({"0101", "X", 0, {1, 2, 3, 4}, {}, {}})), kFimArquivo);
    EXPECT_EQ(ReadFile(Arquivo("QDTPD.DAT")), tipos);
    EXPECT_EQ(ReadFile(Arquivo("QDTPDUSU.DAT")), usuarios);
    EXPECT_EQ(Log(Pasta()).size(), 1u);
}
