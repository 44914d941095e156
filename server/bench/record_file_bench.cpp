// Throughput of CZTArqEx: sequential reads of 100,000 records of 256 bytes, and appends, per
// second (the items_per_second column). Runs in a temporary folder with a private registry store,
// which it removes at the end. Usage: record_file_bench [Google Benchmark options].
#include "server/record_file/zt_arq_ex.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kR = 256;
constexpr std::int32_t kRecords = 100'000;

std::filesystem::path g_folder;

std::string PathOf(const char* name) { return (g_folder / name).string(); }

// A file of kRecords records after its header, written once for the read benchmark.
void PrepareReadFile(const std::string& path) {
    CZTArqEx arquivo;
    if (arquivo.Open(path.c_str(), 'C', kR, false, true) != 0) std::abort();
    const std::vector<char> record(kR, 'r');
    if (arquivo.WriteHeader(record.data(), kR) != 0) std::abort();
    for (std::int32_t i = 0; i < kRecords; ++i) {
        std::int32_t position = 0;
        if (arquivo.WriteRecord(record.data(), position) != 0) std::abort();
    }
}

void SequentialReads(benchmark::State& state) {
    const std::string path = PathOf("LEITURA.DAT");
    PrepareReadFile(path);
    std::vector<char> buffer(kR);
    for (auto _ : state) {
        CZTArqEx arquivo;
        if (arquivo.Open(path.c_str(), 'L', kR, false, true) != 0) state.SkipWithError("open failed");
        for (std::int32_t position = 1; position <= kRecords; ++position) {
            if (arquivo.ReadRecord(position, buffer.data()) != 0) state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.SetBytesProcessed(state.iterations() * kRecords * static_cast<std::int64_t>(kR));
}
BENCHMARK(SequentialReads)->Unit(benchmark::kMillisecond);

void Appends(benchmark::State& state) {
    const std::string path = PathOf("ANEXO.DAT");
    CZTArqEx arquivo;
    if (arquivo.Open(path.c_str(), 'C', kR, false, true) != 0) state.SkipWithError("open failed");
    const std::vector<char> record(kR, 'a');
    for (auto _ : state) {
        std::int32_t position = 0;
        if (arquivo.WriteRecord(record.data(), position) != 0) state.SkipWithError("append failed");
    }
    state.SetItemsProcessed(state.iterations());
}
// A fixed count keeps the file at 100,000 records (25 MB).
BENCHMARK(Appends)->Iterations(kRecords);

}  // namespace

int main(int argc, char** argv) {
    std::string pattern = (std::filesystem::temp_directory_path() / "record-file-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    g_folder = pattern;
    // Never touch the user's registry store (the layer clears failure marks when it creates files).
    setenv("KELVO_REGISTRY", (g_folder / "registry").c_str(), 1);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
    return 0;
}
