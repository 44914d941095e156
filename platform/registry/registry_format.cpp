#include "platform/registry/registry_format.h"

#include "platform/text/codepage.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <unordered_set>

namespace platform::registry_detail {

namespace {

constexpr std::string_view kMagic = "kelvo-registry";
constexpr std::uint64_t kVersion = 1;
constexpr std::string_view kHeaderComment =
    "# Kelvo registry store, one root. Read platform/registry_format.h before editing by hand.\n";

struct TypeName {
    DWORD type;
    std::string_view name;
};
constexpr std::array<TypeName, 5> kTypeNames = {{
    {REG_NONE, "none"},
    {REG_SZ, "sz"},
    {REG_EXPAND_SZ, "expand-sz"},
    {REG_BINARY, "binary"},
    {REG_DWORD, "dword"},
}};

bool IsHexEncodedType(DWORD type) { return type == REG_NONE || type == REG_BINARY; }

// Bytes that are written as \xHH although they are not control bytes: those Windows-1252 leaves
// undefined, the no-break space and the soft hyphen (invisible in an editor).
bool IsEscapedHighByte(unsigned char byte) {
    switch (byte) {
        case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: case 0xA0: case 0xAD: return true;
        default: return false;
    }
}

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

void AppendHexByte(std::string& out, unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

// ---------------------------------------------------------------------------------------------
// Writing

void AppendQuoted(std::string& out, std::string_view bytes) {
    out += '"';
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte == 0) {
            out += "\\0";
        } else if (byte < 0x20 || byte == 0x7F || IsEscapedHighByte(byte)) {
            out += "\\x";
            AppendHexByte(out, byte);
        } else if (byte < 0x80) {
            out += ch;
        } else {
            out += Utf8FromAnsi(std::string_view(&ch, 1));
        }
    }
    out += '"';
}

std::string_view NameOfType(DWORD type) {
    for (const auto& entry : kTypeNames) {
        if (entry.type == type) return entry.name;
    }
    return "none";
}

void AppendValue(std::string& out, const RegistryValue& value) {
    out += "value ";
    AppendQuoted(out, value.name);
    out += ' ';
    out += NameOfType(value.type);
    out += ' ';
    if (value.type == REG_DWORD && value.data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, value.data.data(), sizeof number);
        char text[16];
        const auto written = std::snprintf(text, sizeof text, "0x%08x", number);
        out.append(text, static_cast<std::size_t>(written));
    } else if (IsHexEncodedType(value.type)) {
        out += '"';
        for (const char ch : value.data) AppendHexByte(out, static_cast<unsigned char>(ch));
        out += '"';
    } else {
        AppendQuoted(out, value.data);
    }
    out += '\n';
}

void AppendKey(std::string& out, const RegistryKey& key, std::vector<const std::string*>& path,
               std::uint64_t& records) {
    out += "key ";
    out += std::to_string(key.id);
    for (const std::string* piece : path) {
        out += ' ';
        AppendQuoted(out, *piece);
    }
    out += '\n';
    ++records;
    for (const RegistryValue& value : key.values) {
        AppendValue(out, value);
        ++records;
    }
    for (const RegistryKey& sub : key.subKeys) {
        path.push_back(&sub.name);
        AppendKey(out, sub, path, records);
        path.pop_back();
    }
}

// ---------------------------------------------------------------------------------------------
// Reading

// Splits one line into words and quoted texts.
class LineLexer {
public:
    explicit LineLexer(std::string_view line) : line_(line) {}

    // The next run of non-blank characters that is not a quoted text.
    bool Word(std::string_view* word) {
        SkipBlanks();
        if (pos_ >= line_.size() || line_[pos_] == '"') return false;
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !IsBlank(line_[pos_])) ++pos_;
        *word = line_.substr(start, pos_ - start);
        return true;
    }

    [[nodiscard]] bool NextIsQuoted() {
        SkipBlanks();
        return pos_ < line_.size() && line_[pos_] == '"';
    }

    // The next quoted text, unescaped to Windows-1252, of at most `limit` bytes.
    bool Quoted(std::string* bytes, std::size_t limit, std::string* problem) {
        bytes->clear();
        if (!NextIsQuoted()) return Fail(problem, "a quoted text is expected");
        ++pos_;
        for (;;) {
            if (pos_ >= line_.size()) return Fail(problem, "a quoted text is not closed");
            const char ch = line_[pos_];
            const auto byte = static_cast<unsigned char>(ch);
            if (ch == '"') {
                ++pos_;
                break;
            }
            if (ch == '\\') {
                if (!Escape(bytes, problem)) return false;
            } else if (byte < 0x20 || byte == 0x7F) {
                return Fail(problem, "a control character stands unescaped in a quoted text");
            } else if (byte < 0x80) {
                bytes->push_back(ch);
                ++pos_;
            } else if (!Utf8Character(bytes, problem)) {
                return false;
            }
            if (bytes->size() > limit) return Fail(problem, "a quoted text is longer than the store allows");
        }
        if (pos_ < line_.size() && !IsBlank(line_[pos_])) return Fail(problem, "text follows a closing quote");
        return true;
    }

    [[nodiscard]] bool AtEnd() {
        SkipBlanks();
        return pos_ == line_.size();
    }

private:
    static bool Fail(std::string* problem, const char* what) {
        *problem = what;
        return false;
    }

    void SkipBlanks() {
        while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
    }

    bool Escape(std::string* bytes, std::string* problem) {
        if (pos_ + 1 >= line_.size()) return Fail(problem, "an escape is cut short");
        const char kind = line_[pos_ + 1];
        if (kind == '\\' || kind == '"') {
            bytes->push_back(kind);
            pos_ += 2;
            return true;
        }
        if (kind == '0') {
            bytes->push_back('\0');
            pos_ += 2;
            return true;
        }
        if (kind != 'x' || pos_ + 3 >= line_.size()) return Fail(problem, "an unknown or cut escape");
        const int high = HexDigit(line_[pos_ + 2]);
        const int low = HexDigit(line_[pos_ + 3]);
        if (high < 0 || low < 0) return Fail(problem, "an \\x escape needs two hexadecimal digits");
        bytes->push_back(static_cast<char>(high * 16 + low));
        pos_ += 4;
        return true;
    }

    // One UTF-8 character, which must be one Windows-1252 byte.
    bool Utf8Character(std::string* bytes, std::string* problem) {
        const auto lead = static_cast<unsigned char>(line_[pos_]);
        std::size_t length = 0;
        if ((lead & 0xE0) == 0xC0) length = 2;
        else if ((lead & 0xF0) == 0xE0) length = 3;
        else if ((lead & 0xF8) == 0xF0) length = 4;
        if (length == 0 || length > line_.size() - pos_) return Fail(problem, "malformed UTF-8");
        const std::string ansi = AnsiFromUtf8(line_.substr(pos_, length));
        if (ansi.size() != 1 || ansi[0] == '?') return Fail(problem, "a character outside Windows-1252 or malformed UTF-8");
        bytes->push_back(ansi[0]);
        pos_ += length;
        return true;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

bool ParseUnsigned(std::string_view word, std::uint64_t* number) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), *number, 10);
    return !word.empty() && error == std::errc() && end == word.data() + word.size();
}

bool ParseDword(std::string_view word, DWORD* number) {
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), *number, base);
    return !word.empty() && error == std::errc() && end == word.data() + word.size();
}

bool DecodeHex(std::string_view hex, std::string* bytes) {
    if (hex.size() % 2 != 0) return false;
    bytes->clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes->push_back(static_cast<char>(high * 16 + low));
    }
    return true;
}

class Parser {
public:
    explicit Parser(RegistryTree* tree) : tree_(tree) {}

    bool Parse(std::string_view text, std::string* problem) {
        *tree_ = RegistryTree{};
        std::uint64_t lineNumber = 0;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ++lineNumber;
            if (!Line(line)) {
                *problem = "line " + std::to_string(lineNumber) + ": " + problem_;
                return false;
            }
            start = end + 1;
        }
        if (!header_) return Describe(problem, "no \"kelvo-registry\" line: the file is empty or not a store");
        if (!ended_) return Describe(problem, "no \"end\" line: the file is cut short");
        tree_->nextId = std::max(tree_->nextId, maxId_ + 1);
        return true;
    }

private:
    static bool Describe(std::string* problem, const char* what) {
        *problem = what;
        return false;
    }

    bool Fail(const std::string& what) {
        problem_ = what;
        return false;
    }

    bool Line(std::string_view line) {
        LineLexer lexer(line);
        if (lexer.AtEnd()) return true;
        std::string_view word;
        if (!lexer.Word(&word)) return Fail("a line must start with a word");
        if (word.front() == '#') return true;
        if (ended_) return Fail("text after the \"end\" line");
        if (!header_) return word == kMagic ? Header(lexer) : Fail("the first line must be \"kelvo-registry 1\"");
        if (word == "next-id") return NextId(lexer);
        if (word == "key") return Key(lexer);
        if (word == "value") return Value(lexer);
        if (word == "end") return End(lexer);
        return Fail("unknown record \"" + std::string(word) + "\"");
    }

    bool Header(LineLexer& lexer) {
        std::string_view word;
        std::uint64_t version = 0;
        if (!lexer.Word(&word) || !ParseUnsigned(word, &version) || !lexer.AtEnd()) return Fail("a malformed header");
        if (version != kVersion) return Fail("an unknown format version " + std::string(word));
        header_ = true;
        return true;
    }

    bool NextId(LineLexer& lexer) {
        std::string_view word;
        std::uint64_t next = 0;
        if (nextIdSeen_) return Fail("a second \"next-id\" line");
        if (!lexer.Word(&word) || !ParseUnsigned(word, &next) || !lexer.AtEnd()) return Fail("a malformed \"next-id\"");
        if (next == 0 || next > kMaxKeyId) return Fail("\"next-id\" out of range");
        tree_->nextId = next;
        nextIdSeen_ = true;
        return true;
    }

    bool Key(LineLexer& lexer) {
        std::string_view word;
        std::uint64_t id = 0;
        if (!lexer.Word(&word) || !ParseUnsigned(word, &id)) return Fail("a key needs a numeric id");
        if (id >= kMaxKeyId) return Fail("a key id out of range");
        std::vector<std::string> path;
        while (lexer.NextIsQuoted()) {
            if (path.size() >= kMaxKeyDepth) return Fail("a key path deeper than the store allows");
            std::string piece;
            if (!lexer.Quoted(&piece, kMaxKeyNameLength, &problem_)) return false;
            if (piece.empty() || piece.find_first_of(std::string_view("\\\0", 2)) != std::string::npos) {
                return Fail("a key name is empty or holds a backslash or zero");
            }
            path.push_back(std::move(piece));
        }
        if (!lexer.AtEnd()) return Fail("unexpected text after a key's path");
        ++records_;
        valueNames_.clear();
        return path.empty() ? RootKey(id) : SubKey(id, path);
    }

    bool RootKey(std::uint64_t id) {
        if (id != kRootKeyId) return Fail("the root key's id must be 0");
        if (rootSeen_) return Fail("the root key is listed twice");
        rootSeen_ = true;
        current_ = &tree_->root;
        for (const RegistryValue& value : current_->values) valueNames_.insert(value.folded);
        return true;
    }

    bool SubKey(std::uint64_t id, const std::vector<std::string>& path) {
        if (id == kRootKeyId) return Fail("id 0 belongs to the root key");
        if (!ids_.insert(id).second) return Fail("key id " + std::to_string(id) + " is used twice");
        RegistryKey* parent = &tree_->root;
        for (std::size_t i = 0; i + 1 < path.size(); ++i) {
            parent = parent->FindSubKey(path[i]);
            if (!parent) return Fail("a key comes before its parent");
        }
        if (parent->FindSubKey(path.back())) return Fail("a key is listed twice");
        current_ = &parent->AddSubKey(path.back(), id);
        maxId_ = std::max(maxId_, id);
        return true;
    }

    bool Value(LineLexer& lexer) {
        if (!current_) return Fail("a value before any key");
        RegistryValue value;
        std::string_view typeName;
        if (!lexer.Quoted(&value.name, kMaxValueNameLength, &problem_)) return false;
        if (value.name.find('\0') != std::string::npos) return Fail("a value name holds a zero");
        value.folded = FoldName(value.name);
        if (!valueNames_.insert(value.folded).second) return Fail("a value is listed twice in one key");
        if (!lexer.Word(&typeName)) return Fail("a value needs a type");
        const auto type = std::find_if(kTypeNames.begin(), kTypeNames.end(),
                                       [&](const TypeName& entry) { return entry.name == typeName; });
        if (type == kTypeNames.end()) return Fail("an unknown value type \"" + std::string(typeName) + "\"");
        value.type = type->type;
        if (!Payload(lexer, &value)) return false;
        if (!lexer.AtEnd()) return Fail("unexpected text after a value");
        ++records_;
        current_->values.push_back(std::move(value));
        return true;
    }

    bool Payload(LineLexer& lexer, RegistryValue* value) {
        if (value->type == REG_DWORD) {
            std::string_view word;
            DWORD number = 0;
            if (!lexer.Word(&word) || !ParseDword(word, &number)) return Fail("a malformed or too large dword");
            value->data.assign(reinterpret_cast<const char*>(&number), sizeof number);
            return true;
        }
        if (!IsHexEncodedType(value->type)) return lexer.Quoted(&value->data, kMaxValueSize, &problem_);
        std::string hex;
        if (!lexer.Quoted(&hex, 2 * kMaxValueSize, &problem_)) return false;
        if (!DecodeHex(hex, &value->data)) return Fail("malformed hexadecimal bytes");
        return true;
    }

    bool End(LineLexer& lexer) {
        std::string_view word;
        std::uint64_t count = 0;
        if (!lexer.Word(&word) || !ParseUnsigned(word, &count) || !lexer.AtEnd()) return Fail("a malformed \"end\" line");
        if (count != records_) {
            return Fail("\"end\" counts " + std::string(word) + " records but " + std::to_string(records_) + " were read");
        }
        ended_ = true;
        return true;
    }

    RegistryTree* tree_;
    RegistryKey* current_ = nullptr;
    std::unordered_set<std::string> valueNames_;
    std::unordered_set<std::uint64_t> ids_;
    std::uint64_t maxId_ = kRootKeyId;
    std::uint64_t records_ = 0;
    bool header_ = false;
    bool nextIdSeen_ = false;
    bool rootSeen_ = false;
    bool ended_ = false;
    std::string problem_;
};

}  // namespace

std::string FormatRegistryText(const RegistryTree& tree) {
    std::string out(kHeaderComment);
    out += kMagic;
    out += ' ';
    out += std::to_string(kVersion);
    out += "\nnext-id ";
    out += std::to_string(tree.nextId);
    out += '\n';
    std::vector<const std::string*> path;
    std::uint64_t records = 0;
    AppendKey(out, tree.root, path, records);
    out += "end ";
    out += std::to_string(records);
    out += '\n';
    return out;
}

bool ParseRegistryText(std::string_view text, RegistryTree* tree, std::string* problem) {
    Parser parser(tree);
    return parser.Parse(text, problem);
}

}  // namespace platform::registry_detail
