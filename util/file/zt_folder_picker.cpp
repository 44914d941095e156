#include "util/file/zt_folder_picker.h"

#include "platform/interaction.h"
#include "platform/registry/registry.h"
#include "util/config/registry_functions.h"

namespace {

constexpr const char* kKey = "Software\\Quorvel\\Kelvo Empresarial";
constexpr const char* kLastFolder = "LastDirectorySearch";

}  // namespace

CZTString ZTEscolheDiretorio() {
    CZTString folder = ZTLeStringRegistry(platform::HKEY_CURRENT_USER, kKey, kLastFolder);
    const std::optional<platform::String> chosen = platform::CurrentInteraction().ChooseFolder(folder);
    if (chosen && !chosen->IsEmpty()) folder = *chosen;
    (void)ZTGravaStringRegistry(platform::HKEY_CURRENT_USER, kKey, kLastFolder, folder);
    return folder;
}
