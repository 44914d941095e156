// The code tests of a document filter, worked out once per search so that each document costs
// one look-up: which type positions the filter's type list admits, and which location positions
// lie under the filter's group location.
//
// A listed type admits itself and every type whose code begins with its code ("01" admits "01",
// "0101" and "0102", never "02"); a group location admits every location whose code begins with
// its code. Codes are read up to their NUL or their field's end. Each file is read once,
// sequentially (the read cache serves it), with loops bounded by the file's record count when
// the reading begins. A listed position 0 names no type and is skipped; one past the last record
// fails as its read does (16021). One thread; the files are the caller's, open.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class CZTArqEx;

// A yes or no per record position (index = position; position 0 is never admitted).
class CQDPosicoesAdmitidas {
public:
    [[nodiscard]] bool Admite(std::uint32_t lPosicao) const {
        return lPosicao < m_marcas.size() && m_marcas[lPosicao] != 0;
    }
    [[nodiscard]] std::vector<std::uint8_t>& Marcas() { return m_marcas; }

private:
    std::vector<std::uint8_t> m_marcas;
};

// The types of the open QDTPD.DAT `tipos` that the listed type positions admit, into `admitidos`.
// 0 or the code of the first failing read (then nothing is admitted).
[[nodiscard]] int QDTiposAdmitidos(CZTArqEx& tipos, std::span<const std::uint32_t> listados, CQDPosicoesAdmitidas& admitidos);

// The locations of the open QDLOCARQ.DAT `locais` whose code begins with `codigoGrupo`, into
// `admitidos`. 0 or the code of the first failing read (then nothing is admitted).
[[nodiscard]] int QDLocaisDoGrupo(CZTArqEx& locais, std::string_view codigoGrupo, CQDPosicoesAdmitidas& admitidos);
