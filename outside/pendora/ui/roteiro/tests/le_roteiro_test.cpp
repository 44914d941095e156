// Reading the test script: what each verb's line becomes, and which line a bad script names.
#include "outside/pendora/ui/roteiro/le_roteiro.h"

#include "platform/interaction.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvo::roteiro {
namespace {

struct LinhaBoa {
    const char* linha;
    Verbo verbo;
    platform::UINT id;
    int resposta;
    std::optional<platform::UINT> controle;
    std::optional<int> indice;
    const char* texto;  // of the choice when there is one, else the typed or expected text
    std::optional<int> quantidade;
};

TEST(LeRoteiro, EachVerbReadsItsFields) {
    const LinhaBoa casos[] = {
        {"box yes", Verbo::Caixa, 0, platform::IDYES, {}, {}, "", {}},
        {"box 7", Verbo::Caixa, 0, 7, {}, {}, "", {}},
        {"dialog 100 cancel", Verbo::Dialogo, 100, platform::IDCANCEL, {}, {}, "", {}},
        {"dialog 0x64 ok select 1001 text Beta Gama", Verbo::Dialogo, 100, platform::IDOK, 1001, {}, "Beta Gama", {}},
        {"dialog 100 1 select 1001 index 2", Verbo::Dialogo, 100, 1, 1001, 2, "", {}},
        {"command 32771", Verbo::Comando, 32771, 0, {}, {}, "", {}},
        // The typed text keeps its inner and trailing spaces: only the one separating space goes.
        {"type 3002  two  spaces ", Verbo::Digita, 3002, 0, {}, {}, " two  spaces ", {}},
        {"type 3002", Verbo::Digita, 3002, 0, {}, {}, "", {}},
        {"select 3001 index 0", Verbo::Seleciona, 0, 0, 3001, 0, "", {}},
        {"select 3001 text Segundo item", Verbo::Seleciona, 0, 0, 3001, {}, "Segundo item", {}},
        {"wait 300", Verbo::Espera, 300, 0, {}, {}, "", {}},
        {"click 3003", Verbo::Clica, 3003, 0, {}, {}, "", {}},
        // An expected text, like a typed one, is the rest of the line as written.
        {"expect 3002 text hello  world", Verbo::Confere, 3002, 0, {}, {}, "hello  world", {}},
        {"expect 3002 text", Verbo::Confere, 3002, 0, {}, {}, "", {}},
        {"expect 0xBB9 count 3", Verbo::Confere, 3001, 0, {}, {}, "", 3},
        {"  end  ", Verbo::Fim, 0, 0, {}, {}, "", {}},
    };
    for (const LinhaBoa& caso : casos) {
        SCOPED_TRACE(caso.linha);
        const LeituraRoteiro leitura = LeRoteiro(caso.linha);
        ASSERT_EQ(leitura.erro, "");
        ASSERT_EQ(leitura.passos.size(), 1u);
        const PassoRoteiro& passo = leitura.passos.front();
        EXPECT_EQ(passo.verbo, caso.verbo);
        EXPECT_EQ(passo.id, caso.id);
        EXPECT_EQ(passo.resposta, caso.resposta);
        EXPECT_EQ(passo.escolha.has_value(), caso.controle.has_value());
        if (passo.escolha) {
            EXPECT_EQ(passo.escolha->controle, *caso.controle);
            EXPECT_EQ(passo.escolha->indice, caso.indice);
            EXPECT_EQ(std::string(passo.escolha->texto.GetString()), caso.texto);
        } else {
            EXPECT_EQ(std::string(passo.texto.GetString()), caso.texto);
        }
        EXPECT_EQ(passo.quantidade, caso.quantidade);
    }
}

// A control named by a path keeps the windows above it, outermost first, for every verb that
// names a control (a path read as one number, or its windows dropped, finds the wrong control).
TEST(LeRoteiro, AControlPathKeepsItsWindows) {
    const std::vector<platform::UINT> janelas{0xE901, 0xE900};
    for (const char* linha : {"click 0xE901/0xE900/1", "type 0xE901/0xE900/1 x", "expect 0xE901/0xE900/1 count 2"}) {
        SCOPED_TRACE(linha);
        const LeituraRoteiro leitura = LeRoteiro(linha);
        ASSERT_EQ(leitura.erro, "");
        EXPECT_EQ(leitura.passos.front().janelas, janelas);
        EXPECT_EQ(leitura.passos.front().id, 1u);
    }
    const LeituraRoteiro escolha = LeRoteiro("dialog 100 ok select 7/1001 index 0");
    ASSERT_EQ(escolha.erro, "");
    EXPECT_EQ(escolha.passos.front().escolha->janelas, std::vector<platform::UINT>{7});
    EXPECT_EQ(escolha.passos.front().escolha->controle, 1001u);
}

// Comments and blank lines take no step but still count, so that a step names its own line.
TEST(LeRoteiro, StepsKeepTheirLineNumberAndText) {
    const LeituraRoteiro leitura = LeRoteiro("# start\r\n\r\nwait 300\r\n   # again\ncommand 5\n");
    ASSERT_EQ(leitura.erro, "");
    ASSERT_EQ(leitura.passos.size(), 2u);
    EXPECT_EQ(NomeDoPasso(leitura.passos[0]), "line 3: wait 300");
    EXPECT_EQ(NomeDoPasso(leitura.passos[1]), "line 5: command 5");
}

// Typed text arrives in the file as UTF-8 and is kept in Windows-1252, as every text of the layer.
TEST(LeRoteiro, TextIsKeptInTheCodePage) {
    const LeituraRoteiro leitura = LeRoteiro("type 1 Edi\xC3\xA7\xC3\xA3o");
    ASSERT_EQ(leitura.passos.size(), 1u);
    EXPECT_EQ(std::string(leitura.passos[0].texto.GetString()), "Edi\xE7\xE3o");
}

// A bad line stops the reading and is named by number, reason and text; no step survives it.
TEST(LeRoteiro, BadLinesAreNamed) {
    const struct {
        const char* roteiro;
        const char* erro;
    } casos[] = {
        {"wait 1\npress 5", "line 2: unknown verb \"press\": press 5"},
        {"click", "line 1: missing control: click"},
        {"click 3003 twice", "line 1: unexpected words at the end: click 3003 twice"},
        {"expect 3001 size 3", "line 1: expected \"count\" or \"text\" after the control: expect 3001 size 3"},
        {"expect 3001", "line 1: expected \"count\" or \"text\" after the control: expect 3001"},
        {"expect 3001 count -1", "line 1: bad number \"-1\" for count: expect 3001 count -1"},
        {"expect 3001 count 3 4", "line 1: unexpected words at the end: expect 3001 count 3 4"},
        {"expect text x", "line 1: bad number \"text\" for control: expect text x"},
        {"click 0xE901//1", "line 1: missing control: click 0xE901//1"},
        {"click 0xE901/x/1", "line 1: bad number \"x\" for control: click 0xE901/x/1"},
        {"command 12a", "line 1: bad number \"12a\" for command id: command 12a"},
        {"# x\ncommand -1", "line 2: bad number \"-1\" for command id: command -1"},
        {"wait 0x1FFFFFFFF", "line 1: bad number \"0x1FFFFFFFF\" for template: wait 0x1FFFFFFFF"},
        {"box maybe", "line 1: bad number \"maybe\" for answer: box maybe"},
        {"command", "line 1: missing command id: command"},
        {"select 3001 row 2", "line 1: expected \"index\" or \"text\" after the control: select 3001 row 2"},
        {"select 3001 index x", "line 1: bad number \"x\" for index: select 3001 index x"},
        {"dialog 100 ok choose 1 index 0", "line 1: expected \"select\" after the button: dialog 100 ok choose 1 index 0"},
        {"end now", "line 1: unexpected words at the end: end now"},
        {"wait 300 400", "line 1: unexpected words at the end: wait 300 400"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.roteiro);
        const LeituraRoteiro leitura = LeRoteiro(caso.roteiro);
        EXPECT_EQ(leitura.erro, caso.erro);
        EXPECT_TRUE(leitura.passos.empty());
    }
}

}  // namespace
}  // namespace kelvo::roteiro
