// The framework's single-byte string: the text type every library of the system builds on.
//
// Text is Windows-1252 ("ANSI") bytes, as on the original platform; conversions to UTF-16 and
// UTF-8 happen only at the borders (platform/codepage.h). The class mirrors the handful of
// members the system's code calls on the framework string (length, buffer access, search,
// slicing, case, trimming, printf-style formatting). Value type; not shared between threads
// without outside locking. Positions are 0-based ints, -1 meaning "not found".
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace platform {

class String {
public:
    String() = default;
    String(const char* text);                          // null gives an empty string
    String(const char* text, int length);
    String(char ch, int count);
    String(const unsigned char* text);
    String(const char16_t* wide);                      // converted to Windows-1252
    String(const char16_t* wide, int length);
    String(std::string_view text) : text_(text) {}
    String(std::string text) : text_(std::move(text)) {}

    // Size and access
    [[nodiscard]] int GetLength() const { return static_cast<int>(text_.size()); }
    [[nodiscard]] bool IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }
    [[nodiscard]] const char* GetString() const { return text_.c_str(); }
    operator const char*() const { return text_.c_str(); }
    [[nodiscard]] char GetAt(int index) const { return text_.at(static_cast<size_t>(index)); }
    void SetAt(int index, char ch) { text_.at(static_cast<size_t>(index)) = ch; }
    [[nodiscard]] const std::string& str() const { return text_; }
    [[nodiscard]] std::string_view view() const { return text_; }

    // Writable buffer of at least minLength characters plus the NUL; ReleaseBuffer takes the
    // length up to the first NUL (or newLength when given).
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Formatting
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Search and slices
    [[nodiscard]] int Find(char ch, int start = 0) const;
    [[nodiscard]] int Find(const char* sub, int start = 0) const;
    [[nodiscard]] int ReverseFind(char ch) const;
    [[nodiscard]] String Mid(int first) const;
    [[nodiscard]] String Mid(int first, int count) const;
    [[nodiscard]] String Left(int count) const;
    [[nodiscard]] String Right(int count) const;

    // Changes
    String& MakeUpper();
    String& MakeLower();
    String& Trim();
    String& TrimLeft();
    String& TrimRight();
    String& TrimLeft(const char* characters);
    String& TrimRight(const char* characters);
    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    // Comparison: byte order, and byte order after Windows-1252 case folding
    [[nodiscard]] int Compare(const char* other) const;
    [[nodiscard]] int CompareNoCase(const char* other) const;

    String& operator+=(const String& other) { text_ += other.text_; return *this; }
    String& operator+=(const char* other) { if (other) text_ += other; return *this; }
    String& operator+=(char ch) { text_ += ch; return *this; }

    friend String operator+(const String& a, const String& b) { return String(a.text_ + b.text_); }
    friend String operator+(const String& a, const char* b) { String r(a); r += b; return r; }
    friend String operator+(const char* a, const String& b) { String r(a); r += b; return r; }
    friend String operator+(const String& a, char b) { String r(a); r += b; return r; }
    friend bool operator==(const String& a, const String& b) { return a.text_ == b.text_; }
    friend bool operator==(const String& a, const char* b) { return a.text_ == (b ? b : ""); }
    friend bool operator<(const String& a, const String& b) { return a.text_ < b.text_; }

private:
    std::string text_;
};

// Windows-1252 case mapping of one byte (letters with accents included).
[[nodiscard]] char AnsiToUpper(char ch);
[[nodiscard]] char AnsiToLower(char ch);

}  // namespace platform
