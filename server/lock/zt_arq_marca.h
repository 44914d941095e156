// CZTArqMarca: a lock mark. A small file "XXMARCAn.DAT" in a data folder that one holder keeps open
// with no sharing at all while it holds the named lock; whoever else wants the same mark (another
// process, or another object of this one) retries until the holder lets go.
//
// Acquire waits while the mark is busy (a sharing violation), sleeping 10 to 39 ms at random so
// that competing processes spread their retries, for up to 50 seconds. Any other failure is
// answered at once: waiting cannot cure a denied access or a missing folder. The mark file is
// never deleted; a process that dies releases its marks with its files. The ticker (and the
// deadline) can be replaced, so that tests need not wait 50 seconds. One thread at a time; the
// ticker must outlive the object.
#pragma once

#include "platform/file/file.h"
#include "platform/system/tick_count.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <memory>
#include <random>

class CZTArqMarca {
public:
    // Acquire gives up once this many milliseconds have passed without the mark.
    static constexpr std::uint64_t kPrazoPadraoMs = 50000;

    explicit CZTArqMarca(platform::Ticker& relogio = platform::SystemTicker(), std::uint64_t prazoMs = kPrazoPadraoMs);
    virtual ~CZTArqMarca();
    CZTArqMarca(const CZTArqMarca&) = delete;
    CZTArqMarca& operator=(const CZTArqMarca&) = delete;

    // Takes mark `numero` of `pasta`: 0 when held now; 17396 when this object already holds a
    // mark; the mark's busy code (zt_marca_codigos.h) when it stays taken until the deadline;
    // 16080 when access is denied; 0x80070000 | Win32 error for any other failure.
    [[nodiscard]] std::int32_t Acquire(const char* pasta, int numero);
    // Lets the mark go when held; always 0.
    int Release();
    // Whether this object holds its mark.
    [[nodiscard]] bool IsHeld() const { return m_pArquivo != nullptr; }
    // The mark file of the last Acquire (empty before the first).
    [[nodiscard]] const CZTString& GetNomeArquivo() const { return m_strNome; }

    // The mark file of `numero` in `pasta`: the folder, a '/' unless it ends with one (none for an
    // empty folder), "XXMARCA", numero & 0xFF and ".DAT".
    [[nodiscard]] static CZTString NomeArquivoMarca(const char* pasta, int numero);

private:
    platform::Ticker& m_relogio;
    std::uint64_t m_nPrazoMs;
    CZTString m_strNome;
    std::unique_ptr<platform::File> m_pArquivo;  // open while held
    std::minstd_rand m_aleatorio;
};
