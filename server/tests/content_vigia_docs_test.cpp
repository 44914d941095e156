// Which positions may have a file in "Docs": every name that could start a position's file name
// counts from the first listing on, also when it arrives later from anyone, and a folder that is
// lost is listed again.
#include "server/content/qd_vigia_docs.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace kelvo::testing;
namespace fs = std::filesystem;

namespace {

class VigiaDocs : public ::testing::Test {
protected:
    VigiaDocs() { fs::create_directories(Docs()); }

    [[nodiscard]] std::string Docs() const { return ambiente_.Path("dados/Docs"); }
    void Escreve(const std::string& nome) const { WriteFile(Docs() + "/" + nome, "x"); }
    [[nodiscard]] std::vector<bool> Podem(const std::vector<std::uint32_t>& posicoes) {
        std::vector<bool> podem;
        for (const std::uint32_t posicao : posicoes) podem.push_back(vigia_.PodeTerArquivo(Docs().c_str(), posicao));
        return podem;
    }

    TestEnvironment ambiente_;
    CQDVigiaDocs vigia_;
};

}  // namespace

// A position counts when a name starts with its stem and a dot, whatever follows ("0000002" and
// names of other shapes count for none); a position without one needs no listing.
TEST_F(VigiaDocs, NamesOfTheFirstListingCount) {
    for (const char* nome : {"0000001.pdf", "000000a.", "000000b.tif.001", "0000002", "000000C.pdf", "leia.txt"}) {
        Escreve(nome);
    }
    fs::create_directory(Docs() + "/000000d.pasta");
    EXPECT_EQ(Podem({1, 10, 11, 13, 2, 12, 3}), (std::vector<bool>{true, true, true, true, false, false, false}));
}

// A file that appears behind the server's back (another process, a restore) counts at once: a
// stale "no" would let a new document take its name.
TEST_F(VigiaDocs, LaterArrivalsCount) {
    Escreve("0000001.pdf");
    ASSERT_EQ(Podem({2, 3, 46656}), (std::vector<bool>{false, false, false}));
    Escreve("0000002.doc");
    WriteFile(ambiente_.Path("fora.tif"), "y");
    fs::rename(ambiente_.Path("fora.tif"), Docs() + "/0000003.tif");
    Escreve("0001000.TIF");
    EXPECT_EQ(Podem({2, 3, 46656, 4}), (std::vector<bool>{true, true, true, false}));
}

// A folder replaced by another (a restore of the whole "Docs") is listed again; one that is
// missing, or no folder at all, always may have the file, so that the caller looks itself.
TEST_F(VigiaDocs, LostOrMissingFolderIsListedAgain) {
    Escreve("0000001.pdf");
    ASSERT_EQ(Podem({1, 2}), (std::vector<bool>{true, false}));
    fs::remove_all(Docs());
    EXPECT_EQ(Podem({2}), (std::vector<bool>{true}));
    fs::create_directories(Docs());
    Escreve("0000002.pdf");
    EXPECT_EQ(Podem({1, 2, 3}), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(vigia_.PodeTerArquivo("", 5));
}
