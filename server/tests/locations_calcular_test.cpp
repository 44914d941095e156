// Recounting the available places of every location in a server object of this process: it
// lists the locations through a connection of its own, which needs the server's class
// registered in the process (as the server program registers it).
#include "server/object/zt_qd_srv_fabrica.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/tests/locations_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvo::testing;

namespace {

// The server's class registered in this process for the test's duration.
class ClasseRegistrada {
public:
    ClasseRegistrada() { EXPECT_EQ(QDRegistraClasseZTQD_Srv(&cookie_), platform::S_OK); }
    ~ClasseRegistrada() { (void)platform::CoRevokeClassObject(cookie_); }
    ClasseRegistrada(const ClasseRegistrada&) = delete;
    ClasseRegistrada& operator=(const ClasseRegistrada&) = delete;

private:
    platform::DWORD cookie_ = 0;
};

using Recontagem = LocaisTeste;

// Without the class registered the connection cannot be made: its failure is the answer and
// no location changes.
TEST_F(Recontagem, WithoutTheClassRegisteredTheConnectionsFailureIsReturned) {
    const std::uint32_t posicao = Grava("1.001", 0, 10);
    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(posicao)});
    const std::string antes = ReadFile(Arquivo("QDLOCARQ.DAT"));
    EXPECT_EQ(conexao_.CalcularQtdDocs(), platform::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")), antes);
}

// Each location that is not a heading gets its maximum less its documents (deleted ones left
// out, other users' and other branches' counted), without maximum never below 0; headings keep
// theirs; nothing is logged.
TEST_F(Recontagem, RecountsEveryLocationThatIsNotAHeading) {
    ClasseRegistrada classe;
    const std::uint32_t dez = Grava("1.001", 0, 10);
    const std::uint32_t semMaximo = Grava("1.002");
    const std::uint32_t vazio = Grava("1.003", 0, 5);
    const std::uint32_t titulo = Grava("1", 1, 4);
    GravaDocumentos(Arquivo("QDDOC.DAT"),
                    {Documento(dez), Documento(dez, 0, 7, 9), Documento(dez, QD_DOC_EXCLUIDO), Documento(dez, 0, 1, 1),
                     Documento(semMaximo), Documento(semMaximo, 0, 3), Documento(titulo), Documento(titulo)});
    Grava(NovoLocal("1.002"), semMaximo);
    ASSERT_EQ(Le(semMaximo)->nQtdDisponivel, -2);
    const std::string log = ReadFile(Arquivo("QDLOG.DAT"));

    ASSERT_EQ(conexao_.CalcularQtdDocs(), platform::S_OK);
    EXPECT_EQ(Le(dez)->nQtdDisponivel, 7);
    EXPECT_EQ(Le(semMaximo)->nQtdDisponivel, 0);
    EXPECT_EQ(Le(vazio)->nQtdDisponivel, 5);
    EXPECT_EQ(Le(titulo)->nQtdDisponivel, 4) << "a heading is not recounted";
    EXPECT_EQ(LocalGravado(Arquivo("QDLOCARQ.DAT"), dez).nQtdDisponivel, 7);
    EXPECT_EQ(ReadFile(Arquivo("QDLOG.DAT")), log);

    // Saving again computes the plain difference once more.
    Grava(NovoLocal("1.002"), semMaximo);
    EXPECT_EQ(Le(semMaximo)->nQtdDisponivel, -2);
}

// Only the available places change: the rest of every record stays byte for byte.
TEST_F(Recontagem, ChangesNothingButTheAvailablePlaces) {
    ClasseRegistrada classe;
    const std::uint32_t posicao = Grava(NovoLocal("2.001", 0x300, 3, {6, 7}, "Caixa"));
    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(posicao)});
    QD_LOCARQ_ARQ esperado = LocalGravado(Arquivo("QDLOCARQ.DAT"), posicao);
    esperado.nQtdDisponivel = 2;
    const std::string tipos = ReadFile(Arquivo("QDLAQTPD.DAT"));
    ASSERT_EQ(conexao_.CalcularQtdDocs(), platform::S_OK);
    EXPECT_EQ(BytesLocal(LocalGravado(Arquivo("QDLOCARQ.DAT"), posicao)), BytesLocal(esperado));
    EXPECT_EQ(ReadFile(Arquivo("QDLAQTPD.DAT")), tipos);
}

// A location that cannot be rewritten (another writer holds the file) is not reported as
// recounted: the failure comes back and the records stay as they were.
TEST_F(Recontagem, ALocationThatCannotBeRewrittenIsReportedNotHidden) {
    ClasseRegistrada classe;
    const std::uint32_t posicao = Grava("1.001", 0, 10);
    GravaDocumentos(Arquivo("QDDOC.DAT"), {Documento(posicao)});
    const std::string antes = ReadFile(Arquivo("QDLOCARQ.DAT"));
    CZTArqEx escritor;
    ASSERT_EQ(escritor.Open(Arquivo("QDLOCARQ.DAT").c_str(), 'G', kTamanhoLocal, false, true), 0);
    EXPECT_EQ(conexao_.CalcularQtdDocs(), platform::HResultFromMessage(16110));
    ASSERT_EQ(escritor.CloseEx(), 0);
    EXPECT_EQ(ReadFile(Arquivo("QDLOCARQ.DAT")), antes);
}

}  // namespace
