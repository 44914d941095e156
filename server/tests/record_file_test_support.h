// Shared helpers of the record-file and lock-mark tests: a fake ticker, a record file whose opens
// or writes fail on demand, the registry's failure mark, and raw file access behind the layer's back.
#pragma once

#include "platform/exception.h"
#include "platform/system/tick_count.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/record_file/zt_arq_falha.h"
#include "util/config/registry_functions.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kelvo::testing {

// Time that passes only when somebody sleeps; every sleep is recorded.
class FakeTicker final : public platform::Ticker {
public:
    std::uint64_t GetTickCount64() override { return now; }
    void Sleep(unsigned milliseconds) override {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }

    std::uint64_t now = 1'000'000;
    std::vector<unsigned> sleeps;
};

// A record file whose next `failingOpens` opens fail with `openCause`, and whose next
// `failingWrites` writes fail with `writeCause`; everything else reaches the real file.
class FaultyArqEx : public CZTArqEx {
public:
    using CZTArqEx::CZTArqEx;
    using CZTArqEx::Open;

    bool Open(const platform::String& path, unsigned flags, platform::FileException* error) override {
        ++opens;
        if (failingOpens > 0) {
            --failingOpens;
            if (error) *error = platform::FileException(openCause, 0, path);
            return false;
        }
        return platform::File::Open(path, flags, error);
    }
    void Write(const void* buffer, unsigned count) override {
        ++writes;
        if (failingWrites > 0) {
            --failingWrites;
            throw platform::FileException(writeCause, 0, GetFilePath());
        }
        platform::File::Write(buffer, count);
    }

    int failingOpens = 0;
    platform::FileException::Cause openCause = platform::FileException::none;
    int failingWrites = 0;
    platform::FileException::Cause writeCause = platform::FileException::none;
    int opens = 0;
    int writes = 0;
};

// The registry's failure mark.
inline std::string MarkedFile() {
    return ZTLeStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_ERROS, ZT_VALOR_ERRO_ARQUIVO).str();
}
inline std::string MarkedUser() {
    return ZTLeStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_ERROS, ZT_VALOR_ERRO_USUARIO).str();
}

// The identity of a file on disk (changes when the file is replaced by a rename); 0 when missing.
inline ino_t FileIdentity(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// A record of `size` bytes filled with `fill`.
inline std::vector<char> Record(std::uint32_t size, char fill) { return std::vector<char>(size, fill); }

// Overwrites `bytes` at `offset` of an existing file, bypassing the record-file layer.
inline void PatchFile(const std::filesystem::path& path, std::uint64_t offset, const std::string& bytes) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kelvo::testing
