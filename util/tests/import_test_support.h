// What the import routines' tests share: the recording message seam for the length of a test,
// the box each case expects and the texts of those boxes.
#pragma once

#include "platform/interaction.h"
#include "platform/system/library.h"
#include "platform/tests/support/recorded_boxes.h"

#include <gtest/gtest.h>

namespace kelvo::testing {

// A box as the routines asked for it.
using ImportBox = RecordedBox;

// Records the boxes of one test.
class ImportTest : public ::testing::Test {
protected:
    // The one box of information or exclamation the routines show, with its fixed caption and
    // the main window as owner (texts in Windows-1252).
    static ImportBox Box(const char* text, unsigned icon) {
        return {text, "Kelvo Empresarial", platform::MB_OK | icon, true};
    }

    // Whether the import library is still loaded after a routine returned.
    static bool ImportLibraryLoaded() { return platform::GetModuleHandle("Imporix.dll") != nullptr; }

    RecordedBoxes interaction_;
};

// The texts of the boxes, in Windows-1252.
inline constexpr const char* kLibraryMissing = "A dll de importacao (imporix.dll) n\xE3o foi encontrada";
inline constexpr const char* kLibraryInvalid = "A dll de importacao (imporix.dll) \xE9 inv\xE1lida";
inline constexpr const char* kImportDone = "Importa\xE7\xE3o conclu\xED" "da com sucesso!";
inline constexpr const char* kImportFailed = "Erro de grava\xE7\xE3o/leitura. Importa\xE7\xE3o n\xE3o conclu\xED" "da!";

}  // namespace kelvo::testing
