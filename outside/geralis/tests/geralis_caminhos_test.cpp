// Where models are looked for and where output files go.
#include "outside/geralis/caminhos_relatorio.h"
#include "outside/geralis/geralis_definicoes.h"
#include "outside/geralis/tests/apoio_relatorio.h"

#include "platform/tests/support/test_environment.h"
#include "util/config/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// Sets TMPDIR for one test and puts the old value back.
class PastaTemporaria {
public:
    explicit PastaTemporaria(const std::string& pasta) {
        if (const char* atual = std::getenv("TMPDIR")) anterior_ = atual;
        setenv("TMPDIR", pasta.c_str(), 1);
    }
    ~PastaTemporaria() {
        if (anterior_) {
            setenv("TMPDIR", anterior_->c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
    }

private:
    std::optional<std::string> anterior_;
};

}  // namespace

// The model lies in the models folder, below the module prefix and the report code, with ".txt"
// after its name (accents included, in Windows-1252).
TEST(GeralisCaminhos, ModelLiesBelowModuleAndReport) {
    kelvo::testing::TestEnvironment ambiente;
    geralis_teste::ConfiguraPastaModelos(ambiente.Folder() / "modelos");
    CZTString caminho;
    ASSERT_EQ(GeralisCaminhoModelo("QD", "TPD", "Padr\xE3o", caminho), platform::S_OK);
    EXPECT_EQ(caminho.str(), ambiente.Path("modelos") + "/QD/TPD/Padr\xE3o.txt");
}

// Without a models folder there is no model: the message "folder not found", path untouched.
TEST(GeralisCaminhos, MissingModelsFolderIsTheMissingFolderMessage) {
    kelvo::testing::TestEnvironment ambiente;
    CZTString caminho("anterior");
    EXPECT_EQ(GeralisCaminhoModelo("QD", "TPD", "Padrao", caminho), platform::HResultFromMessage(ZT_MSG_DIRETORIO_AUSENTE));
    EXPECT_EQ(caminho.str(), "anterior");
}

// A name that could leave its folder, or is no name, is refused before any look-up.
TEST(GeralisCaminhos, NamesThatLeaveTheirFolderAreRefused) {
    kelvo::testing::TestEnvironment ambiente;
    geralis_teste::ConfiguraPastaModelos(ambiente.Folder() / "modelos");
    const std::string longo(GERALIS_NOME_MAXIMO + 1, 'm');
    const std::vector<const char*> ruins = {nullptr, "", ".", "..", ".oculto", "../../etc/passwd", "a/b", "linha\nnova",
                                            longo.c_str()};
    for (const char* ruim : ruins) {
        SCOPED_TRACE(ruim ? ruim : "(null)");
        CZTString caminho("anterior");
        EXPECT_EQ(GeralisCaminhoModelo("QD", "TPD", ruim, caminho), GERALIS_E_ARGUMENTO);
        EXPECT_EQ(GeralisCaminhoModelo(ruim, "TPD", "Padrao", caminho), GERALIS_E_ARGUMENTO);
        EXPECT_EQ(GeralisCaminhoModelo("QD", ruim, "Padrao", caminho), GERALIS_E_ARGUMENTO);
        EXPECT_EQ(caminho.str(), "anterior");
    }
    const std::string maximo(GERALIS_NOME_MAXIMO, 'm');
    CZTString caminho;
    EXPECT_EQ(GeralisCaminhoModelo("QD", "TPD", maximo.c_str(), caminho), platform::S_OK);
}

// A bare output name goes to the temporary folder; a path with a folder is kept as given.
TEST(GeralisCaminhos, BareOutputNameGoesToTheTemporaryFolder) {
    kelvo::testing::TestEnvironment ambiente;
    PastaTemporaria temporaria(ambiente.Path("tmp"));
    CZTString caminho;
    ASSERT_EQ(GeralisCaminhoSaida("QDTPDA1B0.tmp", caminho), platform::S_OK);
    EXPECT_EQ(caminho.str(), ambiente.Path("tmp") + "/QDTPDA1B0.tmp");
    ASSERT_EQ(GeralisCaminhoSaida("/dados/rel/saida.pdf", caminho), platform::S_OK);
    EXPECT_EQ(caminho.str(), "/dados/rel/saida.pdf");
    ASSERT_EQ(GeralisCaminhoSaida("rel/saida.pdf", caminho), platform::S_OK);
    EXPECT_EQ(caminho.str(), "rel/saida.pdf");
    for (const char* ruim : {static_cast<const char*>(nullptr), "", "/dados/rel/"}) {
        CZTString intocado("anterior");
        EXPECT_EQ(GeralisCaminhoSaida(ruim, intocado), GERALIS_E_ARGUMENTO);
        EXPECT_EQ(intocado.str(), "anterior");
    }
}
