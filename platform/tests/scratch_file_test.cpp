// The scratch file of derived data: what is appended reads back, from the buffer and from the map,
// across the buffer's flushes, the map's growth and a piece larger than the buffer; Clear forgets.
#include "platform/file/scratch_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

std::string Texto(std::size_t tamanho, char inicial) {
    std::string texto(tamanho, inicial);
    for (std::size_t i = 0; i < tamanho; i += 7) texto[i] = static_cast<char>(inicial + i % 13);
    return texto;
}

// Guards the offsets handed out: every piece reads back whole wherever its bytes lie by then.
TEST(ScratchFile, EveryPieceReadsBackWherever) {
    ScratchFile arquivo;
    std::vector<std::pair<std::uint64_t, std::string>> pedacos;
    const std::size_t tamanhos[] = {0, 1, 1000, ScratchFile::kBufferBytes - 3, 5, ScratchFile::kBufferBytes + 17, 4096};
    for (int volta = 0; volta < 36; ++volta) {  // past the first map of the file
        for (const std::size_t tamanho : tamanhos) {
            const std::string texto = Texto(tamanho, static_cast<char>('a' + volta));
            std::uint64_t offset = 0;
            ASSERT_TRUE(arquivo.Append(texto, offset));
            pedacos.emplace_back(offset, texto);
            ASSERT_EQ(arquivo.View(offset, texto.size()), texto);
        }
    }
    for (const auto& [offset, texto] : pedacos) ASSERT_EQ(arquivo.View(offset, texto.size()), texto) << offset;
    EXPECT_EQ(arquivo.View(arquivo.Size(), 1), "");  // never appended
}

// Guards Clear: nothing stays readable, and the file takes new pieces from offset 0.
TEST(ScratchFile, ClearForgetsEverything) {
    ScratchFile arquivo;
    std::uint64_t offset = 0;
    ASSERT_TRUE(arquivo.Append(Texto(3 * ScratchFile::kBufferBytes, 'x'), offset));
    arquivo.Clear();
    EXPECT_EQ(arquivo.Size(), 0u);
    EXPECT_EQ(arquivo.View(0, 1), "");
    ASSERT_TRUE(arquivo.Append("novo", offset));
    EXPECT_EQ(offset, 0u);
    EXPECT_EQ(arquivo.View(0, 4), "novo");
}

}  // namespace
}  // namespace platform
