#include "util/text/zt_string.h"

#include "platform/interaction.h"
#include "util/text/buffer_routines.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <string_view>
#include <type_traits>

// The house string must stay interchangeable with the framework string.
static_assert(sizeof(CZTString) == sizeof(platform::String), "CZTString adds no data");
static_assert(!std::is_polymorphic_v<CZTString>, "CZTString has no virtual operations");

namespace {

// Calls visit(position) for every occurrence of sub in text, resuming one character after each
// hit so that overlapping occurrences count. An empty substring has no occurrences.
template <class Visit>
void ForEachHit(std::string_view text, std::string_view sub, Visit visit) {
    if (sub.empty()) return;
    for (size_t pos = text.find(sub); pos != std::string_view::npos; pos = text.find(sub, pos + 1)) {
        visit(static_cast<int>(pos));
    }
}

std::string_view ViewOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }

}  // namespace

int CZTString::UltimaPosicao(const char* sub) const {
    int last = -1;
    ForEachHit(view(), ViewOf(sub), [&](int pos) { last = pos; });
    return last;
}

int CZTString::ContaOcorrencias(const char* sub) const {
    int count = 0;
    ForEachHit(view(), ViewOf(sub), [&](int) { ++count; });
    return count;
}

int CZTString::Posicoes(char ch, CZTIntArray& positions) const {
    return Posicoes(std::string(1, ch).c_str(), positions);
}

int CZTString::Posicoes(const char* sub, CZTIntArray& positions) const {
    ForEachHit(view(), ViewOf(sub), [&](int pos) { positions.push_back(pos); });
    return -1;
}

bool CZTString::IniciaCom(const char* text) const { return view().starts_with(ViewOf(text)); }

bool CZTString::TerminaCom(const char* text) const { return view().ends_with(ViewOf(text)); }

CZTString& CZTString::RetiraEspacosFinais() {
    TrimRight(" ");
    return *this;
}

CZTString& CZTString::SoDigitos() {
    *this = ZTSoDigitosTexto(GetString());
    return *this;
}

CZTString& CZTString::RetiraAspas() {
    Remove('"');
    return *this;
}

CZTString& CZTString::CompletaEsquerda(int width, char ch) {
    if (width > GetLength()) Insert(0, std::string(static_cast<size_t>(width - GetLength()), ch).c_str());
    return *this;
}

CZTString& CZTString::CompletaDireita(int width, char ch) {
    if (width > GetLength()) *this += CZTString(ch, width - GetLength());
    return *this;
}

CZTString& CZTString::Acrescenta(const char* separator, const char* text, bool force) {
    const bool bothHaveText = TemTexto() && !ViewOf(text).empty();
    if (bothHaveText || force) *this += separator;
    *this += text;
    return *this;
}

CZTString& CZTString::Abrevia(int n) {
    constexpr int kDots = 3;
    if (GetLength() <= n) return *this;
    if (n < kDots) {
        *this = CZTString('.', n);
        return *this;
    }
    *this = Left(n - kDots) + "...";
    return *this;
}

void CZTString::Separa(char separator, bool skipEmpty, CZTStringArray& pieces) const {
    pieces.clear();
    const std::string_view text = view();
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        const std::string_view piece = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!(skipEmpty && piece.empty())) pieces.emplace_back(piece);
        if (end == std::string_view::npos) return;
        start = end + 1;
    }
}

CZTString CZTString::Trecho(int from, int to) const {
    const int first = std::max(from, 0);
    const int end = std::min(to, GetLength());
    return first < end ? Mid(first, end - first) : CZTString();
}

int CZTString::ParaInteiro() const {
    const long value = std::strtol(GetString(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

CZTString CZTString::Formata(const char* format, ...) {
    CZTString result;
    if (!format) return result;
    va_list args;
    va_start(args, format);
    result.FormatV(format, args);
    va_end(args);
    return result;
}

CZTString CZTString::CarregaTexto(unsigned id) { return platform::CurrentInteraction().LoadText(id); }
