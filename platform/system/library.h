// Shared libraries loaded at run time by the name a caller gives them the Windows way.
//
// A caller names a library as it would on the original platform ("Imporix.dll"); here that is
// the shared library "libImporix.so" in the running program's own folder (the folder of
// ModulePath), and nowhere else: no search path, so a stray copy elsewhere is never picked up.
// File names are case-sensitive here, so the name must match the file's case. The steps are the
// original ones (load, look up an export, free) with Win32-style results; `Library` holds one
// loaded library and frees it when it goes out of scope. Loading and freeing are reference
// counted by the dynamic loader, so two loads need two frees. Safe from any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

#include <string>
#include <string_view>

namespace platform {

// A loaded module (a library or the program itself); null is "none".
struct ModuleTag;
using HMODULE = ModuleTag*;
// An export as looked up; cast to the export's own function type before calling.
using FARPROC = void (*)();

constexpr Win32Error ERROR_MOD_NOT_FOUND = 126;
constexpr Win32Error ERROR_PROC_NOT_FOUND = 127;
constexpr Win32Error ERROR_BAD_EXE_FORMAT = 193;

// The file name of the library named `name` the Windows way: a trailing ".dll" (any case) is
// dropped, "lib" is put in front and ".so" behind ("Imporix.dll" -> "libImporix.so").
[[nodiscard]] std::string LibraryFileName(std::string_view name);

// Loads the library `name` (Windows-1252, a bare file name) from the program's folder into
// `module`. ERROR_SUCCESS; ERROR_INVALID_NAME for an empty name or one holding '/' or a NUL;
// ERROR_MOD_NOT_FOUND when no such file exists; ERROR_BAD_EXE_FORMAT when the file is there but
// cannot be loaded; the error of ModulePath when the program's folder is unknown. `module` is
// null on failure.
[[nodiscard]] Win32Error LoadLibrary(const String& name, HMODULE& module);

// The export `name` of `module`; null when the module has none (or either argument is null).
[[nodiscard]] FARPROC GetProcAddress(HMODULE module, const char* name);

// Gives back one load of `module`; false for a null module or when the loader refuses.
bool FreeLibrary(HMODULE module);

// The module of a library named the Windows way that is loaded already, without loading it or
// adding a reference (as on the original platform, the handle stays good only while the library
// stays loaded); null when it is not loaded. A null name gives the program's own module.
[[nodiscard]] HMODULE GetModuleHandle(const char* name);

// The bare file name of `module`: the program's executable name ("Dossar"), a library's file
// ("libImporix.so"); empty for a null module or one the loader does not know.
[[nodiscard]] String ModuleFileName(HMODULE module);

// The module whose code or data lies at `address` (the program or a loaded library), without
// adding a reference; null when no module holds it.
[[nodiscard]] HMODULE ModuleOfAddress(const void* address);

// One load of a library, freed at the latest when the object goes.
class Library {
public:
    Library() = default;
    ~Library() { Free(); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Loads `name` as LoadLibrary does, freeing what was held first.
    [[nodiscard]] Win32Error Load(const String& name);
    // The export `name`; null when missing or when nothing is loaded.
    [[nodiscard]] FARPROC Find(const char* name) const { return GetProcAddress(module_, name); }
    // Frees the library now (nothing when none is held).
    void Free();
    [[nodiscard]] HMODULE Module() const { return module_; }

private:
    HMODULE module_ = nullptr;
};

}  // namespace platform
