#include "platform/tests/support/recorded_boxes.h"

#include <ostream>

namespace kelvo::testing {

namespace {

// Writes `text` quoted, so that a Windows-1252 accent or a line break shows as its byte value
// instead of garbling the terminal.
void PrintQuoted(const std::string& text, std::ostream& out) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out << '"';
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out << '\\' << ch;
        } else if (ch == '\n') {
            out << "\\n";
        } else if (ch == '\r') {
            out << "\\r";
        } else if (byte < 0x20 || byte >= 0x7F) {
            out << "\\x" << kHex[byte >> 4] << kHex[byte & 0xF];
        } else {
            out << ch;
        }
    }
    out << '"';
}

}  // namespace

void PrintTo(const RecordedBox& box, std::ostream* out) {
    *out << '{';
    PrintQuoted(box.text, *out);
    *out << ", ";
    PrintQuoted(box.caption, *out);
    *out << ", 0x" << std::hex << box.type << std::dec << ", " << (box.owned ? "owned" : "not owned");
    if (box.owner) *out << " by window 0x" << std::hex << box.owner << std::dec;
    *out << '}';
}

RecordedBoxes::RecordedBoxes() : previous_(platform::SetInteraction(this)) {}

RecordedBoxes::~RecordedBoxes() { platform::SetInteraction(previous_); }

int RecordedBoxes::ShowMessage(const platform::String& text, const platform::String& caption, unsigned type,
                               bool owned) {
    return Record({text.str(), caption.str(), type, owned});
}

int RecordedBoxes::Record(RecordedBox box) {
    const unsigned type = box.type;
    boxes.push_back(std::move(box));
    if (answers.empty()) return platform::DefaultAnswer(type);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<platform::String> RecordedBoxes::ChooseFolder(const platform::String&) { return std::nullopt; }

platform::String RecordedBoxes::LoadText(unsigned) { return {}; }

}  // namespace kelvo::testing
