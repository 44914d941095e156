// Which positions may have a file lying in a company's "Docs" folder, so that an insert lists
// that folder (which holds a file per document) only when a file of its position may be there.
//
// Each folder is listed once, then kept current by the kernel's notices of the names that arrive
// in it (platform/file/folder_watch.h), whoever puts them there: this server, another server
// process, a restore. The answer errs only towards "may": a name stays counted after its file
// goes, and a folder that cannot be watched (missing, on a network share) is always "may", so
// the caller lists it as before. Keeps 4 bytes per content file. The server's one thread.
#pragma once

#include "platform/file/folder_watch.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CQDVigiaDocs {
public:
    // Whether a file named with the stem of `lPosicao` and a dot may lie in `pastaDocs`: false
    // only when no such name has arrived there since the folder was last listed whole.
    [[nodiscard]] bool PodeTerArquivo(const CZTString& pastaDocs, std::uint32_t lPosicao);

private:
    struct Pasta {
        platform::FolderWatch vigia;
        std::vector<std::uint32_t> posicoes;  // ascending: the positions a name arrived for
        std::uint64_t uso = 0;                // when it was last asked about
    };

    [[nodiscard]] Pasta* Vigiada(const CZTString& pastaDocs);
    [[nodiscard]] static bool Lista(const CZTString& pastaDocs, Pasta& pasta);
    void EsqueceAMaisAntiga();

    std::map<std::string, std::unique_ptr<Pasta>> m_pastas;
    std::uint64_t m_usos = 0;
};

// The server's one watcher.
[[nodiscard]] CQDVigiaDocs& QDVigiaDocs();
