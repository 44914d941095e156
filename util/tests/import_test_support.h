// What the import routines' tests share: a message seam that records every box instead of
// showing it, installed for the length of a test, and the box each case expects.
#pragma once

#include "platform/interaction.h"
#include "platform/library.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kelvo::testing {

// A box as the routines asked for it.
struct ImportBox {
    std::string text;
    std::string caption;
    unsigned type = 0;
    bool owned = false;
    friend bool operator==(const ImportBox&, const ImportBox&) = default;
};

inline void PrintTo(const ImportBox& box, std::ostream* out) {
    *out << "{\"" << box.text << "\", \"" << box.caption << "\", 0x" << std::hex << box.type << std::dec << ", "
         << (box.owned ? "owned" : "not owned") << "}";
}

class RecordingImportInteraction final : public platform::Interaction {
public:
    int ShowMessage(const platform::String& text, const platform::String& caption, unsigned type, bool owned) override {
        boxes.push_back({text.str(), caption.str(), type, owned});
        return platform::IDOK;
    }
    std::optional<platform::String> ChooseFolder(const platform::String&) override { return std::nullopt; }
    platform::String LoadText(unsigned) override { return {}; }

    std::vector<ImportBox> boxes;
};

// Installs the recording seam for one test.
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = platform::SetInteraction(&interaction_); }
    void TearDown() override { platform::SetInteraction(previous_); }

    // The one box of information or exclamation the routines show, with its fixed caption and
    // the main window as owner (texts in Windows-1252).
    static ImportBox Box(const char* text, unsigned icon) {
        return {text, "Kelvo Empresarial", platform::MB_OK | icon, true};
    }

    // Whether the import library is still loaded after a routine returned.
    static bool ImportLibraryLoaded() { return platform::GetModuleHandle("Imporix.dll") != nullptr; }

    RecordingImportInteraction interaction_;

private:
    platform::Interaction* previous_ = nullptr;
};

// The texts of the boxes, in Windows-1252.
inline constexpr const char* kLibraryMissing = "A dll de importacao (imporix.dll) n\xE3o foi encontrada";
inline constexpr const char* kLibraryInvalid = "A dll de importacao (imporix.dll) \xE9 inv\xE1lida";
inline constexpr const char* kImportDone = "Importa\xE7\xE3o conclu\xED" "da com sucesso!";
inline constexpr const char* kImportFailed = "Erro de grava\xE7\xE3o/leitura. Importa\xE7\xE3o n\xE3o conclu\xED" "da!";

}  // namespace kelvo::testing
