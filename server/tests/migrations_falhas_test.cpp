// The one-time migrations when something goes wrong: a rename that fails between the two renames
// of a rebuild, the leftovers of a run that died, and the database lock held by another process.
#include "server/lock/qd_db_lock.h"
#include "server/tests/migrations_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

const HRESULT kAcessoNegado = platform::HResultFromMessage(platform::ERROR_ACCESS_DENIED);
const HRESULT kTravaOcupada = platform::HResultFromMessage(17396);

QD_PROPRIEDADES_ARQ Marcas(const EmpresaTeste& empresa) { return MestreGravado(empresa.Arquivo("QDMESTRE.DAT")); }

// The files of a successful conversion of the same old company in another scratch folder, to
// compare with.
struct Convertida {
    Convertida() {
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao());
        Servidor srv;
        EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        documentos = Bytes(empresa.Arquivo("QDDOC.DAT"));
        locais = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
    }
    std::string documentos;
    std::string locais;
};

// A rename that fails after the main file was renamed away gives the main file its name back with
// its bytes: no document or location is lost, the mark stays unset, and the next start converts
// once, as a start without the failure would have.
TEST(QDExecutaMigracoesFalhas, FailedSecondRenameRestoresTheMainFile) {
    struct Caso {
        const char* de;
        const char* para;
        const char* principal;
        const char* nome;
    };
    const Caso casos[] = {
        {"QDDOC.TMP", "QDDOC.DAT", "QDDOC.DAT", "document rebuild, second rename"},
        {"QDDOC.DAT", "QDDOC.BAK", "QDDOC.DAT", "document rebuild, first rename"},
        {"QDLOCARQ.V01", "QDLOCARQ.DAT", "QDLOCARQ.DAT", "location conversion, second rename"},
    };
    const Convertida convertida;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao());
        OperacoesComFalhas operacoes;
        operacoes.FalhaRenomeacao(caso.de, caso.para);
        AmbienteMigracoesTeste ambiente(&operacoes);
        {
            Servidor srv;
            EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), kAcessoNegado);
        }
        const std::string principal = Bytes(empresa.Arquivo(caso.principal));
        ASSERT_FALSE(principal.empty());
        const bool bDocumentos = std::string(caso.principal) == "QDDOC.DAT";
        EXPECT_EQ(Marcas(empresa).bFlags & (bDocumentos ? 0x2 : 0xFF), bDocumentos ? 0 : 0x0B);
        EXPECT_EQ(Marcas(empresa).iVersaoSistema, 0);
        if (bDocumentos) {
            EXPECT_EQ(principal.size(), convertida.documentos.size());
            EXPECT_NE(principal, convertida.documentos);  // not converted
        } else {
            EXPECT_EQ(principal.size() % 128, 0u);
            EXPECT_EQ(principal.size() / 128, 5u);  // old layout, legacy locations in
        }

        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.DAT")), convertida.documentos);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")), convertida.locais);
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
    }
}

// When the main file cannot even be given back, the run that follows restores it from the
// original and converts it once; the finished copy left behind is set aside, not used twice.
TEST(QDExecutaMigracoesFalhas, UnrestoredMainFileIsRestoredByTheNextStart) {
    const Convertida convertida;
    EmpresaAntiga empresa;
    empresa.Grava(ConteudoPadrao());
    {
        OperacoesComFalhas operacoes;
        operacoes.FalhaRenomeacao("QDDOC.TMP", "QDDOC.DAT");
        operacoes.FalhaRenomeacao("QDDOC.BAK", "QDDOC.DAT");
        AmbienteMigracoesTeste ambiente(&operacoes);
        Servidor srv;
        EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), kAcessoNegado);
    }
    ASSERT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.DAT")));
    ASSERT_TRUE(std::filesystem::exists(empresa.Arquivo("QDDOC.BAK")));
    const std::string copia = Bytes(empresa.Arquivo("QDDOC.TMP"));
    ASSERT_FALSE(copia.empty());

    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.DAT")), convertida.documentos);
    EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.TMP.001")), copia);
    EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.BAK")));
    EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.TMP")));
}

// Leftovers of a run that died never block the company: with the main file there they are set
// aside under a free ".NNN" name, bytes intact; a stale copy never shifts a position.
TEST(QDExecutaMigracoesFalhas, StaleFilesBesideTheMainFileAreSetAside) {
    struct Caso {
        std::vector<const char*> sobras;    // written before the start, each with junk
        std::vector<const char*> ocupados;  // set-aside names already taken
        std::vector<std::string> esperados; // where each leftover ends
    };
    const std::string lixo = std::string(3 * 256 + 100, 'Z');
    const Caso casos[] = {
        {{"QDDOC.TMP"}, {}, {"QDDOC.TMP.001"}},
        {{"QDDOC.BAK"}, {}, {"QDDOC.BAK.001"}},
        {{"QDDOC.TMP", "QDDOC.BAK"}, {"QDDOC.TMP.001", "QDDOC.TMP.002"}, {"QDDOC.TMP.003", "QDDOC.BAK.001"}},
        {{"QDLOCARQ.V01"}, {}, {"QDLOCARQ.V01.001"}},
    };
    const Convertida convertida;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.esperados.front());
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao());
        for (const char* sobra : caso.sobras) WriteFile(empresa.Arquivo(sobra), lixo);
        for (const char* ocupado : caso.ocupados) WriteFile(empresa.Arquivo(ocupado), "taken");
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.DAT")), convertida.documentos);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")), convertida.locais);
        for (const std::string& esperado : caso.esperados) EXPECT_EQ(Bytes(empresa.Arquivo(esperado.c_str())), lixo);
        for (const char* ocupado : caso.ocupados) EXPECT_EQ(Bytes(empresa.Arquivo(ocupado)), "taken");
        for (const char* sobra : caso.sobras) EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo(sobra))) << sobra;
    }
}

// With the main file missing, it is restored from the original of the run that died (and then
// converted once), or, without one, from a complete converted copy (not converted again).
TEST(QDExecutaMigracoesFalhas, MissingMainFileIsRestoredFromTheStaleOne) {
    const Convertida convertida;
    {
        SCOPED_TRACE("documents: original and a partial copy");
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao(), 0x01, 1);
        std::filesystem::rename(empresa.Arquivo("QDDOC.DAT"), empresa.Arquivo("QDDOC.BAK"));
        WriteFile(empresa.Arquivo("QDDOC.TMP"), std::string(256 + 17, '\x7F'));
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        // Only the rebuild ran: the log's users were not applied (their mark was set).
        const std::string documentos = Bytes(empresa.Arquivo("QDDOC.DAT"));
        ASSERT_EQ(documentos.size(), convertida.documentos.size());
        QD_DOC_ARQ primeiro{};
        std::memcpy(&primeiro, documentos.data() + 256, sizeof primeiro);
        EXPECT_EQ(primeiro.iDataValidade, ZTCalculaDiasBase(15, 3, 2024, 1950));
        EXPECT_EQ(primeiro.iUsuarioIncluiu, 0);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.TMP.001")), std::string(256 + 17, '\x7F'));
        EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.BAK")));
    }
    {
        SCOPED_TRACE("documents: only a complete converted copy");
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao());
        {
            Servidor srv;
            ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        }
        std::filesystem::rename(empresa.Arquivo("QDDOC.DAT"), empresa.Arquivo("QDDOC.TMP"));
        QD_PROPRIEDADES_ARQ marcas = Marcas(empresa);
        marcas.bFlags = 0x09;
        PatchFile(empresa.Arquivo("QDMESTRE.DAT"), 0, BytesDe(&marcas, sizeof marcas));
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.DAT")), convertida.documentos);
        EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.TMP")));
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
    }
    {
        SCOPED_TRACE("locations: the 128-byte original");
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao());
        {
            // The import runs and the run dies before the conversion's second rename.
            OperacoesComFalhas operacoes;
            operacoes.FalhaRenomeacao("QDLOCARQ.V01", "QDLOCARQ.DAT");
            operacoes.FalhaRenomeacao("QDLOCARQ.V00", "QDLOCARQ.DAT");
            AmbienteMigracoesTeste ambiente(&operacoes);
            Servidor srv;
            EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), kAcessoNegado);
        }
        ASSERT_FALSE(std::filesystem::exists(empresa.Arquivo("QDLOCARQ.DAT")));
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")), convertida.locais);
        EXPECT_TRUE(std::filesystem::exists(empresa.Arquivo("QDLOCARQ.V01.001")));
    }
}

// A main file that the control list names, lost with nothing to restore it from, is reported
// (16055), never made again empty.
TEST(QDExecutaMigracoesFalhas, LostMainFileWithoutStaleOneIsReported) {
    EmpresaAntiga empresa;
    empresa.Grava(ConteudoPadrao(), 0x01, 1);
    std::filesystem::remove(empresa.Arquivo("QDDOC.DAT"));
    Servidor srv;
    EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::HResultFromMessage(16055));
    EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.DAT")));
}

// Another process holding the database lock: while the location conversion (or the document
// rebuild) is pending the start fails with the lock's busy code and changes nothing, so 128-byte
// records are never served as 160-byte ones; once the lock is free the next start converts.
TEST(QDExecutaMigracoesFalhas, BusyLockWithAConversionPendingFailsTheStart) {
    struct Caso {
        std::uint8_t bFlags;
        std::uint16_t iVersao;
        const char* nome;
    };
    const Caso casos[] = {
        {0x0B, 0, "location conversion"},
        {0x09, 1, "document rebuild"},
        {0x03, 0, "legacy import skipped, then the location conversion"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao(), caso.bFlags, caso.iVersao);
        const auto antes = Fotografia(empresa.Pasta());
        {
            CQDDBLock outroProcesso(empresa.Pasta().c_str());
            ASSERT_EQ(outroProcesso.Acquire(), 0);
            AmbienteMigracoesTeste ambiente;
            Servidor srv;
            EXPECT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), kTravaOcupada);
            auto depois = Fotografia(empresa.Pasta());
            depois.erase("XXMARCA255.DAT");
            EXPECT_EQ(depois, antes);
            // The wait was the lock's: given up after its deadline, once for the run.
            EXPECT_GE(ambiente.relogio.now - 1'000'000, CZTArqMarca::kPrazoPadraoMs);
            EXPECT_LT(ambiente.relogio.now - 1'000'000, CZTArqMarca::kPrazoPadraoMs + 40);
        }
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
        EXPECT_EQ(Marcas(empresa).iVersaoSistema, 1);
        if (caso.iVersao == 0) {
            const std::size_t locais = (caso.bFlags & 0x08) ? 3 : 5;
            EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")).size(), locais * 160);
        } else {
            EXPECT_NE(Bytes(empresa.Arquivo("QDDOC.DAT")), antes.at("QDDOC.DAT"));
        }
    }
}

// With only the legacy import pending, a busy lock skips it: the session opens, nothing is
// appended and the mark stays unset; a later start imports.
TEST(QDExecutaMigracoesFalhas, BusyLockSkipsOnlyTheImport) {
    EmpresaAntiga empresa;
    empresa.Grava(ConteudoPadrao(), 0x03, 1);
    const std::string locais = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
    {
        CQDDBLock outroProcesso(empresa.Pasta().c_str());
        ASSERT_EQ(outroProcesso.Acquire(), 0);
        AmbienteMigracoesTeste ambiente;
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")), locais);
        EXPECT_EQ(Marcas(empresa).bFlags, 0x03);
    }
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")).size(), locais.size() + 2 * 160);
    EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
}

}  // namespace
