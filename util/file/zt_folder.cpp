#include "util/file/zt_folder.h"

#include "platform/file/file_operations.h"
#include "platform/file/folder.h"
#include "platform/file/folder_list.h"
#include "util/file/zt_path.h"

#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr std::chrono::milliseconds kRemoveRetryDelay{500};

platform::HRESULT ResultOf(const platform::FileError& error) { return platform::HResultFromWin32(error.error); }

platform::HRESULT RemoveWithRetry(const char* folder) {
    if (!platform::RemoveFolder(folder).Failed()) return platform::S_OK;
    std::this_thread::sleep_for(kRemoveRetryDelay);
    return ResultOf(platform::RemoveFolder(folder));
}

}  // namespace

bool ZTCriaCaminho(const char* caminho) {
    if (!caminho) return false;
    return !platform::CreateFolderPath(caminho).Failed();
}

// Recursion follows the folder tree, whose depth the kernel bounds by the path length it accepts
// (a deeper path fails with a name-too-long error).
platform::HRESULT ZTApagaDiretorio(const char* pasta) {
    if (!pasta) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    std::vector<platform::FolderEntry> entries;
    if (const platform::FileError listed = platform::ListFolder(pasta, entries); listed.Failed()) return ResultOf(listed);
    for (const platform::FolderEntry& entry : entries) {
        const CZTString path = ZTConcatenaPath(pasta, entry.name);
        if (entry.isFolder) {
            if (const platform::HRESULT hr = ZTApagaDiretorio(path); hr != platform::S_OK) return hr;
        } else if (const platform::FileError deleted = platform::DeleteFile(path); deleted.Failed()) {
            return ResultOf(deleted);
        }
    }
    return RemoveWithRetry(pasta);
}
