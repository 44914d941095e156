// The one-time migrations run by the session start on a company in the old layouts: each file
// converted once and correctly, record by record; on a company created here only the legacy
// import; nothing run twice on one already converted; the properties' texts kept; the legacy
// import in the layout the location file has.
#include "server/lock/qd_db_lock.h"
#include "server/migrations/qd_migra_locais_antigos.h"
#include "server/migrations/qd_pasta_bind.h"
#include "server/session/qd_mestre_novo.h"
#include "server/session/qd_migracoes.h"
#include "server/tests/migrations_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

// The documents of ConteudoPadrao() as both document migrations leave them: users from the log
// (the last change wins; entries of other operations and of positions the file lacks change
// nothing), validity dates as day counts from 1950 (a date before 1950 is 1, never "no expiry").
std::vector<QD_DOC_ARQ> DocumentosEsperados(bool usuarios, bool datas) {
    std::vector<QD_DOC_ARQ> docs = ConteudoPadrao().documentos;
    if (usuarios) {
        docs[0].iUsuarioIncluiu = 7;
        docs[0].iUsuarioAlterou = 11;
        docs[1].iUsuarioIncluiu = 8;
    }
    if (datas) {
        docs[0].iDataValidade = static_cast<std::uint16_t>(ZTCalculaDiasBase(15, 3, 2024, 1950));
        docs[2].iDataValidade = 1;
        docs[3].iDataValidade = static_cast<std::uint16_t>(ZTCalculaDiasBase(1, 1, 1950, 1950));
    }
    return docs;
}

void ConfereDocumentos(const std::string& caminho, const std::vector<QD_DOC_ARQ>& esperados) {
    const std::string bytes = Bytes(caminho);
    ASSERT_EQ(bytes.size(), (esperados.size() + 1) * sizeof(QD_DOC_ARQ));
    // The header keeps no document: zero up to its reserved bytes.
    EXPECT_EQ(bytes.substr(0, offsetof(QD_DOC_ARQ, cReservado)), std::string(offsetof(QD_DOC_ARQ, cReservado), '\0'));
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        EXPECT_EQ(RegistroEm(bytes, sizeof(QD_DOC_ARQ), i + 1), BytesDe(&esperados[i], sizeof esperados[i]))
            << "document " << i + 1;
    }
}

// The 160-byte locations after the import (into the 128-byte file) and the conversion: the two
// old ones, then the two legacy ones.
std::vector<std::string> LocaisEsperados() {
    const ConteudoAntigo c = ConteudoPadrao();
    std::vector<std::string> locais;
    for (const std::string& antigo : Registros(c.locais)) locais.push_back(LocalConvertido(antigo));
    for (const DF_LOCARM_ARQ& legado : c.legados) locais.push_back(LocalConvertido(LocalImportado(legado)));
    return locais;
}

void ConfereLocais(const std::string& caminho, const std::vector<std::string>& esperados) {
    const std::string bytes = Bytes(caminho);
    ASSERT_EQ(bytes.size(), (esperados.size() + 1) * 160);
    EXPECT_EQ(bytes.substr(0, 126), std::string(126, '\0'));
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        EXPECT_EQ(RegistroEm(bytes, 160, i + 1), esperados[i]) << "location " << i + 1;
    }
}

void ConfereMascaras(const std::string& caminho) {
    const std::string mascaras = Bytes(caminho);
    ASSERT_EQ(mascaras.size(), 10u * 64u);
    for (std::uint32_t posicao = 0; posicao < 10; ++posicao) {
        std::string esperada(64, '\0');
        esperada.replace(0, 4, BytesDe(&posicao, 4));
        esperada.replace(4, 9, "1.222.333");
        EXPECT_EQ(RegistroEm(mascaras, 64, posicao), esperada) << posicao;
    }
}

QD_PROPRIEDADES_ARQ Marcas(const EmpresaTeste& empresa) { return MestreGravado(empresa.Arquivo("QDMESTRE.DAT")); }

// An old company (every mark at 0, 128-byte locations, short validity dates, legacy locations in
// the base module) is converted by its first session: documents, locations, masks and marks byte
// by byte; the document file's leftovers are gone and the old location file is kept as V00.
TEST(QDExecutaMigracoes, OldCompanyIsConvertedRecordByRecord) {
    EmpresaAntiga empresa;
    empresa.Grava(ConteudoPadrao());
    const std::string locaisAntigos = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);

    ConfereDocumentos(empresa.Arquivo("QDDOC.DAT"), DocumentosEsperados(true, true));
    ConfereLocais(empresa.Arquivo("QDLOCARQ.DAT"), LocaisEsperados());
    ConfereMascaras(empresa.Arquivo("QDLOCMSC.DAT"));
    const QD_PROPRIEDADES_ARQ marcas = Marcas(empresa);
    EXPECT_EQ(marcas.bFlags, 0x0B);
    EXPECT_EQ(marcas.iVersaoSistema, 1);
    EXPECT_EQ(marcas.iProxNumeroDoc, 41u);
    EXPECT_EQ(marcas.iCodigoCliente, 77);

    // The old location file, with the legacy records the import appended, stays as V00.
    const std::string v00 = Bytes(empresa.Arquivo("QDLOCARQ.V00"));
    ASSERT_EQ(v00.size(), 5u * 128u);
    EXPECT_EQ(v00.substr(128, 2 * 128), locaisAntigos.substr(128));
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(RegistroEm(v00, 128, 3 + i), LocalImportado(ConteudoPadrao().legados[i])) << i;
    }
    for (const char* sobra : {"QDDOC.BAK", "QDDOC.TMP", "QDLOCARQ.V01"}) {
        EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo(sobra))) << sobra;
    }
}

// A second start, in this object or another, changes no byte of any file (the log included: no
// mark is written again).
TEST(QDExecutaMigracoes, SecondStartChangesNothing) {
    EmpresaAntiga empresa;
    empresa.Grava(ConteudoPadrao());
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    const auto antes = Fotografia(empresa.Pasta());
    const auto antesBase = Fotografia(empresa.PastaBase());
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    Servidor outro;
    ASSERT_EQ(outro->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    EXPECT_EQ(Fotografia(empresa.Pasta()), antes);
    EXPECT_EQ(Fotografia(empresa.PastaBase()), antesBase);
}

// A company this system creates starts with only the document migrations marked (bFlags 0x03) at
// data version 1: its first session imports the base module's DFLOCARM.DAT as 160-byte records and
// sets the mark; without the file it only sets the mark; with the database lock busy it opens
// without the import, which a later start does. The document file is never rebuilt.
TEST(QDExecutaMigracoes, CompanyCreatedHereImportsItsLegacyLocations) {
    struct Caso {
        bool bLegado;        // DFLOCARM.DAT in the base module's folder
        bool bTravaOcupada;  // another process holds the database lock at the first start
        const char* nome;
    };
    const Caso casos[] = {
        {true, false, "with DFLOCARM.DAT"},
        {false, false, "without DFLOCARM.DAT"},
        {true, true, "lock busy at the first start"},
    };
    const std::vector<DF_LOCARM_ARQ> legados = ConteudoPadrao().legados;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EmpresaAntiga empresa;
        if (caso.bLegado) GravaArquivo(empresa.PastaBase() + "/DFLOCARM.DAT", sizeof(DF_LOCARM_ARQ), "", Registros(legados));
        CQDPastaBind pasta(CZTString((empresa.Pasta() + "/").c_str()));
        ASSERT_EQ(QDCriaMestreNovo(pasta), platform::S_OK);
        ASSERT_EQ(Marcas(empresa).bFlags, 0x03);
        ASSERT_EQ(Marcas(empresa).iVersaoSistema, 1);
        if (caso.bTravaOcupada) {
            CQDDBLock outroProcesso(empresa.Pasta().c_str());
            ASSERT_EQ(outroProcesso.Acquire(), 0);
            AmbienteMigracoesTeste ambiente;
            Servidor srv;
            ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
            EXPECT_EQ(Marcas(empresa).bFlags, 0x03);
            EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDLOCARQ.DAT")));
        }

        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
        EXPECT_EQ(Marcas(empresa).iVersaoSistema, 1);
        EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDDOC.DAT")));
        if (!caso.bLegado) {
            EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDLOCARQ.DAT")));
            continue;
        }
        const std::string bytes = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
        ASSERT_EQ(bytes.size(), (legados.size() + 1) * 160);
        for (std::size_t i = 0; i < legados.size(); ++i) {
            EXPECT_EQ(RegistroEm(bytes, 160, i + 1), LocalConvertido(LocalImportado(legados[i]))) << i;
        }
    }
}

// Each mark runs only its own migration: with only one mark unset, only that file changes.
TEST(QDExecutaMigracoes, OnlyTheMigrationsWithoutMarkRun) {
    struct Caso {
        std::uint8_t bFlags;
        std::uint16_t iVersao;
        bool usuarios;  // the users come from the log
        bool datas;     // the validity dates are converted
        bool importa;   // the legacy locations are appended
        const char* nome;
    };
    const Caso casos[] = {
        {0x09, 1, false, true, false, "only the document rebuild"},
        {0x0A, 1, true, false, false, "only the users from the log"},
        {0x03, 1, false, false, true, "only the legacy import, after the conversion"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao(), caso.bFlags, caso.iVersao);
        std::vector<std::string> locais;
        for (const std::string& antigo : Registros(ConteudoPadrao().locais)) locais.push_back(LocalConvertido(antigo));
        if (caso.importa) {
            for (const DF_LOCARM_ARQ& legado : ConteudoPadrao().legados) {
                locais.push_back(LocalConvertido(LocalImportado(legado)));
            }
        }
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        ConfereDocumentos(empresa.Arquivo("QDDOC.DAT"), DocumentosEsperados(caso.usuarios, caso.datas));
        const std::string bytes = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
        ASSERT_EQ(bytes.size(), (locais.size() + 1) * 160);
        for (std::size_t i = 0; i < locais.size(); ++i) EXPECT_EQ(RegistroEm(bytes, 160, i + 1), locais[i]) << i;
        EXPECT_FALSE(std::filesystem::exists(empresa.Arquivo("QDLOCARQ.V00")));
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
        EXPECT_EQ(Marcas(empresa).iVersaoSistema, 1);
    }
}

// The marks are written with GravaPropriedades; the four texts read back unchanged, and the other
// properties too.
TEST(QDExecutaMigracoes, MarksKeepThePropertiesTexts) {
    EmpresaAntiga empresa;
    const ConteudoAntigo c = ConteudoPadrao();
    empresa.Grava(c);
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    QD_PROPRIEDADES_PS ps{};
    TextosPS textos(ps);
    ASSERT_EQ(srv->LePropriedades(&ps), platform::S_OK);
    EXPECT_EQ(platform::AnsiFromBstr(ps.bsDominio).str(), c.textos.dominio);
    EXPECT_EQ(platform::AnsiFromBstr(ps.bsModeloEmail).str(), c.textos.modelo);
    EXPECT_EQ(platform::AnsiFromBstr(ps.bsEmailPara).str(), c.textos.para);
    EXPECT_EQ(platform::AnsiFromBstr(ps.bsEmailCC).str(), c.textos.cc);
    EXPECT_EQ(ps.iPorta, 25);
    EXPECT_EQ(ps.bAcessoTotalSupervisor, 1);
    EXPECT_EQ(ps.bFlags, 0x0B);
}

// A run that died after a conversion but before its mark: the next start finds the file converted
// (its header says so) and only sets the mark; no date or location is converted twice.
TEST(QDExecutaMigracoes, LostMarkNeverConvertsTwice) {
    struct Caso {
        std::uint8_t bFlags;
        std::uint16_t iVersao;
        const char* nome;
    };
    for (const Caso caso : {Caso{0x09, 1, "document rebuild"}, Caso{0x0B, 0, "location conversion"}}) {
        SCOPED_TRACE(caso.nome);
        EmpresaAntiga empresa;
        empresa.Grava(ConteudoPadrao());
        {
            Servidor srv;
            ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        }
        const std::string documentos = Bytes(empresa.Arquivo("QDDOC.DAT"));
        const std::string locais = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
        QD_PROPRIEDADES_ARQ marcas = Marcas(empresa);
        marcas.bFlags = caso.bFlags;
        marcas.iVersaoSistema = caso.iVersao;
        PatchFile(empresa.Arquivo("QDMESTRE.DAT"), 0, BytesDe(&marcas, sizeof marcas));

        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDDOC.DAT")), documentos);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")), locais);
        ConfereMascaras(empresa.Arquivo("QDLOCMSC.DAT"));
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
        EXPECT_EQ(Marcas(empresa).iVersaoSistema, 1);
    }
}

// A migration reads its mark again before it converts: a start whose properties were read before
// another process finished (marks still at 0) converts nothing again, appends no legacy location
// twice and writes no mark.
TEST(QDExecutaMigracoes, MarkIsReadAgainBeforeConverting) {
    EmpresaAntiga empresa;
    empresa.Grava(ConteudoPadrao());
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    const auto antes = Fotografia(empresa.Pasta());

    CQDSessao sessao;
    sessao.strDiretorio = srv->GetDiretorio();
    sessao.strEmpresa = kEmpresaTeste;
    QD_PROPRIEDADES_PS lidas{};
    EXPECT_EQ(QDExecutaMigracoes(*srv, sessao, lidas), platform::S_OK);
    EXPECT_EQ(Fotografia(empresa.Pasta()), antes);
}

// A legacy import that runs after the location conversion appends 160-byte records in the new
// layout, never 128-byte ones into the 160-byte file.
TEST(QDExecutaMigracoes, ImportAfterTheConversionWritesTheNewLayout) {
    EmpresaAntiga empresa;
    ConteudoAntigo c = ConteudoPadrao();
    c.locais.resize(1);
    empresa.Grava(c, 0x03, 1);
    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    const std::string bytes = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
    ASSERT_EQ(bytes.size(), 4u * 160u);
    EXPECT_EQ(RegistroEm(bytes, 160, 1), LocalConvertido(Registros(c.locais)[0]));
    EXPECT_EQ(RegistroEm(bytes, 160, 2), LocalConvertido(LocalImportado(c.legados[0])));
    EXPECT_EQ(RegistroEm(bytes, 160, 3), LocalConvertido(LocalImportado(c.legados[1])));
    // The group letter 'G' made the first a group; the second keeps its first 9 and 65 characters.
    EXPECT_EQ(NumeroEm(bytes, 2 * 160, 4), 1u);
    EXPECT_EQ(std::string(bytes.c_str() + 3 * 160 + 20), "2.0010000");
    EXPECT_EQ(std::string(bytes.c_str() + 3 * 160 + 60), std::string(65, 'x'));
    EXPECT_EQ(NumeroEm(bytes, 3 * 160, 4), 0u);
}

// Without DFLOCARM.DAT (no base module folder, or no file in it) there is nothing to import: the
// start succeeds, the mark is set and no location is added.
TEST(QDExecutaMigracoes, MissingLegacyFileImportsNothing) {
    for (const bool bSemPastaBase : {false, true}) {
        SCOPED_TRACE(bSemPastaBase ? "no base module folder" : "no DFLOCARM.DAT");
        EmpresaAntiga empresa;
        if (bSemPastaBase) {
            ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE,
                                            (CZTString(ZT_CHAVE_EMPRESAS) + kEmpresaTeste).GetString(),
                                            ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL), ""),
                      0u);
        }
        GravaEmpresaAntiga(empresa.Pasta(), "", ConteudoPadrao(), 0x03, 1);
        const std::string locais = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDLOCARQ.DAT")), locais);
        EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
        EXPECT_FALSE(std::filesystem::exists(empresa.PastaBase() + "/DFLOCARM.DAT"));
    }
}

// An import that stopped part-way (its progress in the header says it began at 2 locations and
// one legacy record is in) continues with the second legacy record only.
TEST(QDExecutaMigracoes, InterruptedImportContinuesWhereItStopped) {
    EmpresaAntiga empresa;
    ConteudoAntigo c = ConteudoPadrao();
    empresa.Grava(c, 0x03, 1);
    const std::string primeiro = LocalConvertido(LocalImportado(c.legados[0]));
    {
        CZTArqEx locais;
        ASSERT_EQ(locais.Open(empresa.Arquivo("QDLOCARQ.DAT").c_str(), 'G', 160, false, true), 0);
        std::int32_t posicao = 0;
        ASSERT_EQ(locais.WriteRecord(primeiro.data(), posicao), 0);
        ASSERT_EQ(posicao, 3);
    }
    QD_LOCARQ_IMPORTACAO_ARQ progresso{};
    std::memcpy(progresso.szMarca, QD_MARCA_IMPORTACAO, sizeof progresso.szMarca);
    progresso.lBase = 2;
    PatchFile(empresa.Arquivo("QDLOCARQ.DAT"), QD_OFFSET_IMPORTACAO_160, BytesDe(&progresso, sizeof progresso));

    Servidor srv;
    ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    const std::string bytes = Bytes(empresa.Arquivo("QDLOCARQ.DAT"));
    ASSERT_EQ(bytes.size(), 5u * 160u);
    EXPECT_EQ(RegistroEm(bytes, 160, 3), primeiro);
    EXPECT_EQ(RegistroEm(bytes, 160, 4), LocalConvertido(LocalImportado(c.legados[1])));
    EXPECT_EQ(Marcas(empresa).bFlags, 0x0B);
}

}  // namespace
