// A message seam for tests that records every box instead of showing it.
//
// Code under test shows its messages through platform::Interaction; a test constructs one
// RecordedBoxes to catch them and then compares `boxes` with the boxes it expects. The object
// installs itself on construction and puts the previous seam back on destruction, so nested
// scopes nest cleanly; create it in the test or its fixture, on the test's own thread. Every box
// is answered with IDOK, every folder picker is cancelled and no string-table text is found.
#pragma once

#include "platform/interaction.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kelvo::testing {

// One box as the code asked for it; texts as given (Windows-1252).
struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned type = 0;
    bool owned = false;
    friend bool operator==(const RecordedBox&, const RecordedBox&) = default;
};

// Prints a box for GoogleTest's failure messages, with bytes outside printable ASCII escaped.
void PrintTo(const RecordedBox& box, std::ostream* out);

class RecordedBoxes final : public platform::Interaction {
public:
    // Installs this object as the current seam.
    RecordedBoxes();
    // Puts back the seam that was current at construction.
    ~RecordedBoxes() override;
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    // Records the box and answers IDOK.
    int ShowMessage(const platform::String& text, const platform::String& caption, unsigned type, bool owned) override;
    // Always cancelled.
    std::optional<platform::String> ChooseFolder(const platform::String& start) override;
    // Always empty.
    platform::String LoadText(unsigned id) override;

    // The boxes shown so far, oldest first.
    std::vector<RecordedBox> boxes;

private:
    platform::Interaction* previous_;
};

}  // namespace kelvo::testing
