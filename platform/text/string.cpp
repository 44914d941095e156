#include "platform/text/string.h"

#include "platform/text/codepage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

size_t Clamp(int value, size_t limit) {
    if (value < 0) return 0;
    return std::min(static_cast<size_t>(value), limit);
}

}  // namespace

char AnsiToUpper(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);  // š
        case 0x9C: return static_cast<char>(0x8C);  // œ
        case 0x9E: return static_cast<char>(0x8E);  // ž
        case 0xFF: return static_cast<char>(0x9F);  // ÿ
        default: return ch;
    }
}

char AnsiToLower(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
    switch (b) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return ch;
    }
}

String::String(const char* text) : text_(text ? text : "") {}

String::String(const char* text, int length) {
    if (text && length > 0) text_.assign(text, static_cast<size_t>(length));
}

String::String(char ch, int count) {
    if (count > 0) text_.assign(static_cast<size_t>(count), ch);
}

String::String(const unsigned char* text) : String(reinterpret_cast<const char*>(text)) {}

String::String(const char16_t* wide) {
    if (wide) text_ = AnsiFromUtf16(std::u16string_view(wide));
}

String::String(const char16_t* wide, int length) {
    if (wide && length > 0) text_ = AnsiFromUtf16(std::u16string_view(wide, static_cast<size_t>(length)));
}

char* String::GetBuffer(int minLength) {
    if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength));
    return text_.data();
}

char* String::GetBufferSetLength(int length) {
    text_.resize(Clamp(length, SIZE_MAX));
    return text_.data();
}

void String::ReleaseBuffer(int newLength) {
    if (newLength < 0) {
        text_.resize(std::strlen(text_.c_str()));
    } else {
        text_.resize(Clamp(newLength, text_.size()));
    }
}

void String::FormatV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) {
        text_.clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    text_.assign(buffer.data(), static_cast<size_t>(needed));
}

void String::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void String::AppendFormat(const char* format, ...) {
    String tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    text_ += tail.text_;
}

int String::Find(char ch, int start) const {
    if (start < 0 || start >= GetLength()) return -1;
    const auto pos = text_.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int String::Find(const char* sub, int start) const {
    if (!sub || start < 0 || start > GetLength()) return -1;
    const auto pos = text_.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int String::ReverseFind(char ch) const {
    const auto pos = text_.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

String String::Mid(int first) const { return Mid(first, GetLength()); }

String String::Mid(int first, int count) const {
    const size_t from = Clamp(first, text_.size());
    const size_t n = Clamp(count, text_.size() - from);
    return String(text_.substr(from, n));
}

String String::Left(int count) const { return String(text_.substr(0, Clamp(count, text_.size()))); }

String String::Right(int count) const {
    const size_t n = Clamp(count, text_.size());
    return String(text_.substr(text_.size() - n));
}

String& String::MakeUpper() {
    std::transform(text_.begin(), text_.end(), text_.begin(), AnsiToUpper);
    return *this;
}

String& String::MakeLower() {
    std::transform(text_.begin(), text_.end(), text_.begin(), AnsiToLower);
    return *this;
}

String& String::Trim() { return TrimRight().TrimLeft(); }

String& String::TrimLeft() {
    const auto it = std::find_if_not(text_.begin(), text_.end(), IsBlank);
    text_.erase(text_.begin(), it);
    return *this;
}

String& String::TrimRight() {
    while (!text_.empty() && IsBlank(text_.back())) text_.pop_back();
    return *this;
}

String& String::TrimLeft(const char* characters) {
    const auto pos = text_.find_first_not_of(characters ? characters : "");
    text_.erase(0, pos == std::string::npos ? text_.size() : pos);
    return *this;
}

String& String::TrimRight(const char* characters) {
    const auto pos = text_.find_last_not_of(characters ? characters : "");
    text_.erase(pos == std::string::npos ? 0 : pos + 1);
    return *this;
}

int String::Replace(char from, char to) {
    int count = 0;
    for (char& ch : text_) {
        if (ch == from) {
            ch = to;
            ++count;
        }
    }
    return count;
}

int String::Replace(const char* from, const char* to) {
    if (!from || !*from) return 0;
    const std::string_view needle(from);
    const std::string_view replacement(to ? to : "");
    int count = 0;
    std::string result;
    size_t pos = 0;
    for (size_t hit; (hit = text_.find(needle, pos)) != std::string::npos; pos = hit + needle.size()) {
        result.append(text_, pos, hit - pos).append(replacement);
        ++count;
    }
    result.append(text_, pos);
    text_ = std::move(result);
    return count;
}

int String::Remove(char ch) {
    const auto before = text_.size();
    std::erase(text_, ch);
    return static_cast<int>(before - text_.size());
}

int String::Insert(int index, char ch) {
    text_.insert(Clamp(index, text_.size()), 1, ch);
    return GetLength();
}

int String::Insert(int index, const char* text) {
    if (text) text_.insert(Clamp(index, text_.size()), text);
    return GetLength();
}

int String::Delete(int index, int count) {
    const size_t from = Clamp(index, text_.size());
    text_.erase(from, Clamp(count, text_.size() - from));
    return GetLength();
}

int String::Compare(const char* other) const {
    const int r = std::strcmp(text_.c_str(), other ? other : "");
    return (r > 0) - (r < 0);
}

int String::CompareNoCase(const char* other) const {
    const char* a = text_.c_str();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
        const auto ca = static_cast<unsigned char>(AnsiToLower(*a));
        const auto cb = static_cast<unsigned char>(AnsiToLower(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

}  // namespace platform
