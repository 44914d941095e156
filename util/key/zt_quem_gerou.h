// CZTQuemGerou ("who generated it"): the descriptor of the origin of a document, one origin key
// REG_ZTDMC (util/key/zt_dmc.h) with its constructors, accessors and text forms.
//
// Holds the 64-bit value only; copied by value; one virtual operation (the destructor) so that
// callers may derive. Not shared between threads without outside locking.
#pragma once

#include "util/date/zt_data.h"
#include "util/date/zt_mes_ano.h"
#include "util/key/zt_dmc.h"
#include "util/key/zt_origem.h"
#include "util/text/zt_string.h"

#include <cstdint>

// Room for the short form (with its NUL) as the descriptor's callers size it.
inline constexpr int ZT_QUEM_GEROU_TAM_TEXTO_CURTO = 14;

class CZTQuemGerou {
public:
    // The empty descriptor (value 0).
    CZTQuemGerou() = default;
    CZTQuemGerou(const CZTQuemGerou&) = default;
    CZTQuemGerou& operator=(const CZTQuemGerou&) = default;
    virtual ~CZTQuemGerou() = default;

    // Key, module, period and kind, each masked to its field.
    CZTQuemGerou(std::uint32_t lChave, std::uint32_t iModulo, std::uint32_t lPeriodo, std::uint32_t iTipo);
    // A month/key value: its low 12 bits the period, the value shifted right by 12 the key, kind 2;
    // a value of 0 gives the empty descriptor.
    CZTQuemGerou(std::uint32_t lChaveMesAno, std::uint32_t iModulo);
    // An origin record: its key and module; its period as a month number (kind 2) when positive,
    // else no period (kind 0).
    explicit CZTQuemGerou(const ZT_ORIGEM& origem);
    // A raw value.
    explicit CZTQuemGerou(std::uint64_t lZTDMC) : m_lZTDMC(lZTDMC) {}
    // A key and a date (kind 3; kind 0 for an empty date), module 0.
    CZTQuemGerou(std::uint32_t lChave, const CZTData& data);
    // A key and a month (kind 2; kind 0 for an empty month), module 0.
    CZTQuemGerou(std::uint32_t lChave, const CZTMesAno& mes);
    // The short form "mmyy-nnnnnn" (ZTDMCDeTextoCurto); a refused text gives the empty descriptor.
    explicit CZTQuemGerou(const char* szTextoCurto);

    // ---- Fields ---------------------------------------------------------------------------
    [[nodiscard]] std::uint32_t GetTipo() const { return ZTDMCGetTipo(m_lZTDMC); }
    [[nodiscard]] std::uint32_t GetModulo() const { return ZTDMCGetModulo(m_lZTDMC); }
    [[nodiscard]] std::uint32_t GetChave() const { return ZTDMCGetChave(m_lZTDMC); }
    [[nodiscard]] std::uint32_t GetPeriodo() const { return ZTDMCGetPeriodo(m_lZTDMC); }
    // The period read as a day number (1 reads as 0) and as a month (above 34440 reads as 0).
    [[nodiscard]] CZTData GetData() const { return CZTData(ZTDMCGetData(m_lZTDMC)); }
    [[nodiscard]] CZTMesAno GetMesAno() const;
    void SetTipo(std::uint32_t iTipo) { m_lZTDMC = ZTDMCSetTipo(m_lZTDMC, iTipo); }
    void SetModulo(std::uint32_t iModulo) { m_lZTDMC = ZTDMCSetModulo(m_lZTDMC, iModulo); }
    void SetChave(std::uint32_t lChave) { m_lZTDMC = ZTDMCSetChave(m_lZTDMC, lChave); }
    void SetPeriodo(std::uint32_t lPeriodo) { m_lZTDMC = ZTDMCSetPeriodo(m_lZTDMC, lPeriodo); }

    [[nodiscard]] bool IsValido() const { return ZTDMCIsValido(m_lZTDMC); }
    [[nodiscard]] bool IsVazio() const { return m_lZTDMC == 0; }

    // ---- Conversions ----------------------------------------------------------------------
    [[nodiscard]] std::uint64_t GetValor() const { return m_lZTDMC; }
    explicit operator std::uint64_t() const { return m_lZTDMC; }
    // The origin record of key, module and period; an empty record when a part does not fit the
    // record (key above 24 bits, module above 255, period above 32767), never a different one.
    [[nodiscard]] ZT_ORIGEM GetOrigem() const;
    // The value in decimal.
    [[nodiscard]] CZTString ToString() const;
    // The one-line origin text into `buffer` (cut to its room; ZT_DMC_TAM_TEXTO_ORIGEM holds any);
    // empty for an invalid key. Returns the buffer.
    char* GetTextoOrigem(char* buffer, int tamanho) const;
    // The short form into `buffer` (ZTDMCParaTextoCurto). Returns the buffer.
    char* GetTextoCurto(char* buffer, int tamanho) const;
    // The long form "<kind> - <period> - <key> - <module>[ (<module name>)]": kind "Nenhum", "Ano",
    // "MA" or "DMA"; the period as month text mm/yyyy when a valid month, date text dd/mm/yyyy when
    // a valid date, else its number.
    [[nodiscard]] CZTString GetTextoLongo() const;
    // Parses the long form (blanks ignored; kind by name or number 0..3; for kind 2 a month text
    // or number, for kind 3 a date text or day number, else a number; the key; the module number,
    // anything after its digits ignored). True and the value replaced; false and nothing changed
    // for a text with a missing or malformed part, or a part too large for its field.
    bool SetTextoLongo(const char* texto);

    friend bool operator==(const CZTQuemGerou& a, const CZTQuemGerou& b) { return a.m_lZTDMC == b.m_lZTDMC; }

private:
    std::uint64_t m_lZTDMC = 0;  // REG_ZTDMC::lZTDMC
};
