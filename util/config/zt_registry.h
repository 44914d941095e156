// CZTRegistry: one registry key, opened on this or (by name) another machine, with typed reads
// and writes.
//
// The object owns the key it holds and closes it when it closes its key, opens another one or is
// destroyed, except the predefined roots, which are never closed. The write-empty flag (default
// true) decides whether writes of a zero number, an empty text or no bytes happen at all: when it
// is cleared they are skipped and report success. Operations return Win32 error numbers (0 =
// success) and never throw; readers return the caller's default on any error. Not copyable; use
// from one thread at a time.
#pragma once

#include "platform/registry/registry.h"
#include "util/text/zt_string.h"

class CZTRegistry {
public:
    CZTRegistry();
    // Adopts `chave` (closed with the object unless it is a predefined root).
    explicit CZTRegistry(platform::HKEY chave);
    // Works on the registry of `maquina` (null or empty = this machine).
    explicit CZTRegistry(const char* maquina);
    ~CZTRegistry();
    CZTRegistry(const CZTRegistry&) = delete;
    CZTRegistry& operator=(const CZTRegistry&) = delete;

    // Closes the key held (unless a predefined root), empties the machine name, sets the
    // write-empty flag.
    void Inicializa();

    // Closes the current key and opens `subChave` below `raiz` (on the machine, when one is set)
    // for reading, or for reading and writing (set value, create sub-key).
    [[nodiscard]] platform::DWORD AbreChave(platform::HKEY raiz, const char* subChave, bool paraEscrita = false);
    // AbreChave below the current user's / local machine's "Software\Quorvel\".
    [[nodiscard]] platform::DWORD AbreChaveUsuario(const char* subChave, bool paraEscrita = false);
    [[nodiscard]] platform::DWORD AbreChaveMaquina(const char* subChave, bool paraEscrita = false);
    // Closes the current key and creates (or opens) `subChave` below `raiz` with all access.
    [[nodiscard]] platform::DWORD CriaChave(platform::HKEY raiz, const char* subChave);
    // CriaChave below the current user's / local machine's "Software\Quorvel\".
    [[nodiscard]] platform::DWORD CriaChaveUsuario(const char* subChave);
    [[nodiscard]] platform::DWORD CriaChaveMaquina(const char* subChave);
    // Closes the key unless it is a predefined root; the object then holds none.
    void FechaChave();

    [[nodiscard]] platform::HKEY GetChave() const { return m_hChave; }
    // Adopts `chave`, closing the key held before (unless it is `chave` itself or a predefined root).
    void SetChave(platform::HKEY chave);
    // Returns the key and forgets it without closing it ("detach").
    [[nodiscard]] platform::HKEY Desanexa();
    [[nodiscard]] bool IsAberta() const { return m_hChave != nullptr; }

    // The write-empty flag.
    void SetGravaVazio(bool gravaVazio) { m_bGravaVazio = gravaVazio; }
    [[nodiscard]] bool GetGravaVazio() const { return m_bGravaVazio; }

    // Numbers of sub-keys / values; 0 on failure.
    [[nodiscard]] platform::DWORD GetQtdSubChaves() const;
    [[nodiscard]] platform::DWORD GetQtdValores() const;
    // Names of all sub-keys / values, one entry per index; on failure the list is emptied.
    void GetSubChaves(CZTStringArray& lista) const;
    void GetValores(CZTStringArray& lista) const;

    // Deletes the (childless) sub-key / the value `nome`.
    [[nodiscard]] platform::DWORD ApagaSubChave(const char* nome);
    [[nodiscard]] platform::DWORD ApagaValor(const char* nome);
    // Deletes every value the key lists; the first error, or 0.
    platform::DWORD ApagaValores();

    // A 4-byte value; `padrao` on any error (a value of another size included).
    [[nodiscard]] platform::DWORD LeDWord(const char* nome, platform::DWORD padrao = 0) const;
    // A text value up to its first zero; expanded when it is REG_EXPAND_SZ and `expandir` is set;
    // `padrao` (or empty) when it cannot be read.
    [[nodiscard]] CZTString LeString(const char* nome, const char* padrao = nullptr, bool expandir = false) const;
    // The value's registry type; REG_NONE when it cannot be read.
    [[nodiscard]] platform::DWORD GetTipoValor(const char* nome) const;
    // Raw bytes with the Win32 size protocol: `*tamanho` is the buffer's size in and the value's
    // size out; a null buffer asks the size.
    [[nodiscard]] platform::DWORD LeBinario(const char* nome, void* buffer, platform::DWORD* tamanho) const;

    // Writes REG_DWORD; 0 is skipped (result 0) unless the write-empty flag is set.
    [[nodiscard]] platform::DWORD GravaDWord(const char* nome, platform::DWORD valor);
    // Writes REG_SZ with its terminating zero; a null or empty text is skipped (result 0) unless
    // the write-empty flag is set, and then written as an empty text.
    [[nodiscard]] platform::DWORD GravaString(const char* nome, const char* texto);
    // Writes REG_BINARY; zero bytes are skipped (result 0) unless the write-empty flag is set.
    [[nodiscard]] platform::DWORD GravaBinario(const char* nome, const void* dados, platform::DWORD tamanho);

private:
    // The root to open below: `raiz` itself, or the same root of the named machine.
    [[nodiscard]] platform::DWORD RaizNaMaquina(platform::HKEY raiz, platform::HKEY* efetiva) const;
    void Fecha(platform::HKEY chave) const;

    platform::HKEY m_hChave;   // the open key or a predefined root; null = none
    bool m_bGravaVazio;        // write-empty flag
    CZTString m_strMaquina;    // machine name; empty = this computer
};
