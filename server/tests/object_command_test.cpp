// The server program's command line: the switch scanner and which switch a line asks for.
#include "server/object/find_one_of.h"
#include "server/object/vaultis_comando.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// FindOneOf gives the text after the first separator found, or nothing; it never reads past
// the text.
TEST(FindOneOf, TextAfterTheFirstSeparator) {
    struct Caso {
        const char* texto;
        const char* separadores;
        std::optional<std::string> esperado;
    };
    const Caso casos[] = {
        {"abc-def", "-/", "def"},
        {"/x", "-/", "x"},
        {"a/b-c", "-/", "b-c"},     // the first in the text, not the first separator listed
        {"a-b/c", "/-", "b/c"},
        {"fim-", "-", ""},          // a separator at the end leaves an empty text, not nothing
        {"abc", "-/", std::nullopt},
        {"", "-/", std::nullopt},
        {"abc", "", std::nullopt},
        {nullptr, "-/", std::nullopt},
        {"a-b", nullptr, std::nullopt},
    };
    for (const Caso& caso : casos) {
        const char* resto = FindOneOf(caso.texto, caso.separadores);
        SCOPED_TRACE(caso.texto ? caso.texto : "(null)");
        ASSERT_EQ(resto != nullptr, caso.esperado.has_value());
        if (resto) {
            EXPECT_EQ(std::string(resto), *caso.esperado);
        }
    }
}

// The switch word must be the whole rest of the line after "-" or "/", in any letter case;
// anything else leaves the server to run normally.
TEST(QDLeComandoVaultis, SwitchIsTheWholeRestAfterDashOrSlash) {
    struct Caso {
        const char* linha;
        QDComandoVaultis esperado;
    };
    const Caso casos[] = {
        {"-RegServer", QDComandoVaultis::RegServer},
        {"/RegServer", QDComandoVaultis::RegServer},
        {"-regserver", QDComandoVaultis::RegServer},
        {"/REGSERVER", QDComandoVaultis::RegServer},
        {"-UnregServer", QDComandoVaultis::UnregServer},
        {"/unregserver", QDComandoVaultis::UnregServer},
        {"-UNREGSERVER", QDComandoVaultis::UnregServer},
        {"-Embedding /RegServer", QDComandoVaultis::RegServer},     // earlier words are skipped
        {"/x -UnregServer", QDComandoVaultis::UnregServer},
        {"--RegServer", QDComandoVaultis::RegServer},               // the second dash starts the word
        {"-RegServer /x", QDComandoVaultis::Servir},                // trailing text: no match
        {"-RegServer ", QDComandoVaultis::Servir},
        {"-RegServerX", QDComandoVaultis::Servir},
        {"- RegServer", QDComandoVaultis::Servir},
        {"RegServer", QDComandoVaultis::Servir},                    // no switch character
        {"-Reg", QDComandoVaultis::Servir},
        {"-Embedding", QDComandoVaultis::Servir},
        {"-Unregister", QDComandoVaultis::Servir},
        {"", QDComandoVaultis::Servir},
        {nullptr, QDComandoVaultis::Servir},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(QDLeComandoVaultis(caso.linha), caso.esperado) << (caso.linha ? caso.linha : "(null)");
    }
}

// The arguments after the program name become one line joined by single blanks, so that a
// switch followed by another argument is not a switch.
TEST(QDLinhaComandoVaultis, ArgumentsJoinedWithBlanks) {
    const std::vector<std::vector<const char*>> linhas = {
        {"Vaultis"},
        {"Vaultis", "-RegServer"},
        {"Vaultis", "-RegServer", "/x"},
        {"Vaultis", "-Embedding", "", "b"},
    };
    const char* esperadas[] = {"", "-RegServer", "-RegServer /x", "-Embedding  b"};
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        EXPECT_EQ(QDLinhaComandoVaultis(static_cast<int>(linhas[i].size()), linhas[i].data()), esperadas[i]);
    }
    const char* argv[] = {"Vaultis", "-RegServer", "/x"};
    EXPECT_EQ(QDLeComandoVaultis(QDLinhaComandoVaultis(3, argv)), QDComandoVaultis::Servir);
}

}  // namespace
