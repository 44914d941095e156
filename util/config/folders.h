// The folder look-ups every program uses: the suite's folders (messages, reports, help,
// registration files, images, electronic invoices, local files), a company's data folder for a
// module, a module's installation folder and the index folder.
//
// All come from the local machine's registry (the suite key "SOFTWARE\Quorvel\" and the keys
// below it, util/config/registry_names.h). Every folder returned ends in exactly one '/' unless it
// is empty; an empty stored value stays empty; nothing else is normalised (the folder need not
// exist). Two families give the same folders: the ZTGet... forms return the text (empty, or the
// caller's default, when it is not configured), the ZTBusca... and ZTPasta... forms return 0 or
// the missing-folder message code. Safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstddef>

// Message code of a missing folder configuration ("folder not found"); its text is in the
// module's message file.
constexpr int ZT_MSG_DIRETORIO_AUSENTE = 16217;

// ---- Suite folders ------------------------------------------------------------------------

// The suite key's value `valor` as a folder; `padrao` (as a folder) when the value is missing.
[[nodiscard]] CZTString ZTGetDiretorio(const char* valor, const char* padrao = nullptr);
// ZTGetDiretorio of "Mensagens", "Relatorios", "Ajuda", "Cadastros", "NFe", "Imagens", "LocalKelvo".
[[nodiscard]] CZTString ZTGetDiretorioMensagens(const char* padrao = nullptr);
[[nodiscard]] CZTString ZTGetDiretorioRelatorios(const char* padrao = nullptr);
[[nodiscard]] CZTString ZTGetDiretorioAjuda(const char* padrao = nullptr);
[[nodiscard]] CZTString ZTGetDiretorioCadastros(const char* padrao = nullptr);
[[nodiscard]] CZTString ZTGetDiretorioNFe(const char* padrao = nullptr);
[[nodiscard]] CZTString ZTGetDiretorioImagens(const char* padrao = nullptr);
[[nodiscard]] CZTString ZTGetDiretorioLocal(const char* padrao = nullptr);

// 0 and the folder in `pasta`, or ZT_MSG_DIRETORIO_AUSENTE when the suite key or the value cannot
// be read (`pasta` is then left as it was).
[[nodiscard]] int ZTBuscaDiretorioMensagens(CZTString& pasta);
[[nodiscard]] int ZTBuscaDiretorioImagens(CZTString& pasta);
[[nodiscard]] int ZTBuscaDiretorioRelatorios(CZTString& pasta);
[[nodiscard]] int ZTBuscaDiretorioAjuda(CZTString& pasta);
[[nodiscard]] int ZTBuscaDiretorioCadastros(CZTString& pasta);

// The messages / reports / help folder into the caller's buffer of `tamanho` bytes: emptied
// first, then 0 and the folder, or ZT_MSG_DIRETORIO_AUSENTE when the key or value is missing or
// the folder and its terminating zero do not fit (the buffer then stays empty; nothing is ever
// written past `tamanho`).
[[nodiscard]] int ZTPastaMensagens(char* destino, std::size_t tamanho);
[[nodiscard]] int ZTPastaRelatorios(char* destino, std::size_t tamanho);
[[nodiscard]] int ZTPastaAjuda(char* destino, std::size_t tamanho);
// The same into a string: emptied first, then 0 and the folder, or ZT_MSG_DIRETORIO_AUSENTE.
[[nodiscard]] int ZTPastaMensagens(CZTString& destino);
[[nodiscard]] int ZTPastaRelatorios(CZTString& destino);
[[nodiscard]] int ZTPastaAjuda(CZTString& destino);

// ---- Company, module and index folders --------------------------------------------------

// Company `empresa`'s data folder for module `modulo` (on `maquina`, null = this computer): the
// company key's value named by the module's prefix; for the electronic-invoice module (23) the
// base module's folder plus "NFe/". Empty when the module is unknown, the company key cannot be
// opened or the value is missing or empty.
[[nodiscard]] CZTString ZTGetDiretorioEmpresa(int modulo, const char* empresa, const char* maquina = nullptr);
// The same by module prefix: 1 and the folder in `pasta` when the value exists, 0 when the
// company key or the value is missing (`pasta` then left as it was).
[[nodiscard]] int ZTBuscaDiretorioEmpresa(const char* prefixo, const char* empresa, CZTString& pasta);

// Module `modulo`'s installation folder (value "Path" of "SOFTWARE\Quorvel\" + its display name;
// module 23 uses the base module's key); empty when unknown or missing.
[[nodiscard]] CZTString ZTGetDiretorioModulo(int modulo, const char* maquina = nullptr);
// The same by prefix (any case): 0 and the folder, or ZT_MSG_DIRETORIO_AUSENTE when the module is
// unknown or the key or value is missing (`pasta` then left as it was).
[[nodiscard]] int ZTBuscaDiretorioModulo(const char* prefixo, CZTString& pasta);
// The same into the caller's buffer of `tamanho` bytes; a folder that does not fit with its zero
// also gives ZT_MSG_DIRETORIO_AUSENTE, and the buffer is then left as it was.
[[nodiscard]] int ZTBuscaDiretorioModulo(const char* prefixo, char* pasta, std::size_t tamanho);

// The index folder (value "ZTIndice" of the base module's key): 0 and the folder, or
// ZT_MSG_DIRETORIO_AUSENTE when the key cannot be opened or the value is empty.
[[nodiscard]] int ZTBuscaDiretorioIndice(CZTString& pasta);
