// A benchmark company kept between runs: the data files of a generated company in a folder of
// their own, with a stamp beside them that says what they were made from and how they were left,
// so that a later run with the same parameters copies them instead of generating them again.
//
// The stamp ("ESTAMPA.TXT") names the generator's version and parameters (IdentidadeEmpresa),
// what was made (EmpresaGerada) and, for every file of the folder, its size, change times and
// inode as the folder was left. A company is reused only when the stamp is there, names the same
// identity and still lists exactly the folder's files as they are; a missing, added, resized,
// replaced or touched file, one rewritten after the clock's tick of the keeping, an interrupted
// keeping (the stamp is written last, by a rename) or another generator version sends the caller
// to generating again. The kept files are never opened by a
// server: runs work on copies. One thread; no other process may write the folder.
#pragma once

#include "server/bench/company_generator.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace kelvo::bench {

// The text that identifies a company: the generator's version, its parameters, the number of
// documents and the user who included them.
[[nodiscard]] std::string IdentidadeEmpresa(const ParametrosEmpresa& parametros, std::uint32_t nDocumentos,
                                            std::uint16_t iUsuario);

// Whether `pasta` keeps an unchanged company of `identidade`; true with what was made in `gerada`.
[[nodiscard]] bool LeEmpresaGuardada(const std::filesystem::path& pasta, const std::string& identidade,
                                     EmpresaGerada& gerada);

// Keeps the data files of `origem` (its regular files and empty folders; no server may write them
// meanwhile) in `pasta`, emptied or made first, with the stamp of `identidade` and `gerada`
// written last. True, or false with the reason (UTF-8) in `erro`; the folder then holds no valid
// stamp.
[[nodiscard]] bool GuardaEmpresa(const std::filesystem::path& origem, const std::filesystem::path& pasta,
                                 const std::string& identidade, const EmpresaGerada& gerada, std::string& erro);

// Removes everything inside `pasta`, making it when missing. True, or false with the reason in
// `erro`.
[[nodiscard]] bool EsvaziaPasta(const std::filesystem::path& pasta, std::string& erro);

// Copies the kept files of `pasta` (not the stamp) into `destino`, which is emptied first. True, or
// false with the reason in `erro`.
[[nodiscard]] bool CopiaEmpresaGuardada(const std::filesystem::path& pasta, const std::filesystem::path& destino,
                                        std::string& erro);

}  // namespace kelvo::bench
