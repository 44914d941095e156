// A message seam for tests that records every box instead of showing it.
//
// Code under test shows its messages through platform::Interaction; a test constructs one
// RecordedBoxes to catch them and then compares `boxes` with the boxes it expects. The object
// installs itself on construction and puts the previous seam back on destruction, so nested
// scopes nest cleanly; create it in the test or its fixture, on the test's own thread. Each box
// takes the next answer of `answers` and, once they are used up, its default button; every folder
// picker is cancelled and no string-table text is found.
#pragma once

#include "platform/interaction.h"

#include <cstdint>
#include <deque>
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
    // The handle of the window that owns the box, for a box of the window layer; 0: none.
    std::uintptr_t owner = 0;
    friend bool operator==(const RecordedBox&, const RecordedBox&) = default;
};

// Prints a box for GoogleTest's failure messages, with bytes outside printable ASCII escaped.
void PrintTo(const RecordedBox& box, std::ostream* out);

class RecordedBoxes : public platform::Interaction {
public:
    // Installs this object as the current seam.
    RecordedBoxes();
    // Puts back the seam that was current at construction.
    ~RecordedBoxes() override;
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    // Records the box and answers it.
    int ShowMessage(const platform::String& text, const platform::String& caption, unsigned type, bool owned) override;
    // Always cancelled.
    std::optional<platform::String> ChooseFolder(const platform::String& start) override;
    // Always empty.
    platform::String LoadText(unsigned id) override;

    // Adds `box` to `boxes`; the next scripted answer, else the default button of `box.type`.
    int Record(RecordedBox box);

    // The boxes shown so far, oldest first.
    std::vector<RecordedBox> boxes;
    // The answers the next boxes give, in order (IDYES, IDCANCEL, ...).
    std::deque<int> answers;

private:
    platform::Interaction* previous_;
};

}  // namespace kelvo::testing
