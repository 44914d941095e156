#include "platform/system/library.h"

#include "platform/text/codepage.h"
#include "platform/system/process_info.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace platform {

namespace {

HMODULE ToModule(void* handle) { return static_cast<HMODULE>(handle); }
void* ToHandle(HMODULE module) { return static_cast<void*>(module); }

// A bare file name: a folder part or a NUL would let a caller reach files outside the
// program's folder, or a different file than the one named.
bool IsBareName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

bool EndsWithDllIgnoringCase(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view tail = name.substr(name.size() - 4);
    return tail[0] == '.' && (tail[1] | 0x20) == 'd' && (tail[2] | 0x20) == 'l' && (tail[3] | 0x20) == 'l';
}

// The full path, in the kernel's UTF-8, of library `name` in the program's folder.
Win32Error PathInProgramFolder(std::string_view name, std::string& path) {
    String program;
    if (const Win32Error error = ModulePath(program); error != ERROR_SUCCESS) return error;
    const int slash = program.ReverseFind('/');
    const std::string folder = Utf8FromAnsi(program.Left(slash + 1).view());
    path = folder + Utf8FromAnsi(LibraryFileName(name));
    return ERROR_SUCCESS;
}

// The handle of a module already loaded under `file` (null: the program), without keeping a
// reference of our own.
HMODULE LoadedModule(const char* file) {
    void* handle = ::dlopen(file, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle) return nullptr;
    // dlopen counted a reference; the module stays loaded by whoever loaded it first.
    ::dlclose(handle);
    return ToModule(handle);
}

String BareName(const String& path) { return path.Mid(path.ReverseFind('/') + 1); }

}  // namespace

std::string LibraryFileName(std::string_view name) {
    if (EndsWithDllIgnoringCase(name)) name.remove_suffix(4);
    return "lib" + std::string(name) + ".so";
}

Win32Error LoadLibrary(const String& name, HMODULE& module) {
    module = nullptr;
    if (!IsBareName(name.view())) return ERROR_INVALID_NAME;
    std::string path;
    if (const Win32Error error = PathInProgramFolder(name.view(), path); error != ERROR_SUCCESS) return error;
    if (::access(path.c_str(), F_OK) != 0) return ERROR_MOD_NOT_FOUND;
    // Binding every symbol now turns a library with unresolved symbols into a load failure
    // instead of a crash at its first call.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return ERROR_BAD_EXE_FORMAT;
    module = ToModule(handle);
    return ERROR_SUCCESS;
}

FARPROC GetProcAddress(HMODULE module, const char* name) {
    if (!module || !name) return nullptr;
    void* symbol = ::dlsym(ToHandle(module), name);
    return reinterpret_cast<FARPROC>(symbol);
}

bool FreeLibrary(HMODULE module) {
    if (!module) return false;
    return ::dlclose(ToHandle(module)) == 0;
}

HMODULE GetModuleHandle(const char* name) {
    if (!name) return LoadedModule(nullptr);
    const std::string_view bare(name);
    if (!IsBareName(bare)) return nullptr;
    // Loaded from the program's folder it is found by its path; loaded from elsewhere, by the
    // library's own name.
    std::string path;
    if (PathInProgramFolder(bare, path) == ERROR_SUCCESS) {
        if (HMODULE module = LoadedModule(path.c_str())) return module;
    }
    return LoadedModule(Utf8FromAnsi(LibraryFileName(bare)).c_str());
}

String ModuleFileName(HMODULE module) {
    if (!module) return {};
    if (module == GetModuleHandle(nullptr)) {
        String program;
        if (ModulePath(program) != ERROR_SUCCESS) return {};
        return BareName(program);
    }
    link_map* map = nullptr;
    if (::dlinfo(ToHandle(module), RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name) return {};
    return BareName(String(AnsiFromUtf8(map->l_name)));
}

HMODULE ModuleOfAddress(const void* address) {
    Dl_info info{};
    link_map* map = nullptr;
    if (!address || ::dladdr1(address, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0 || !map) return nullptr;
    // The program's own entry in the loader's list carries no name.
    if (!map->l_name || !*map->l_name) return GetModuleHandle(nullptr);
    return LoadedModule(map->l_name);
}

Win32Error Library::Load(const String& name) {
    Free();
    return LoadLibrary(name, module_);
}

void Library::Free() {
    if (!module_) return;
    FreeLibrary(module_);
    module_ = nullptr;
}

}  // namespace platform
