// Saving and loading an 8192-channel spectrum file: the handlers' file work, with and without the disk.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "alloc_counter.h"
#include "files/atomic_file.h"
#include "files/header_update.h"
#include "files/spectrum_file.h"

namespace ztmca {
namespace {

struct Spectrum {
    SpectrumHeader Header;
    ChannelArray Counts{};
    Spectrum() {
        for (int i = 0; i < kMaxChannels; ++i) Counts[i] = i * 7;
        Header.MemorySize = kMaxChannels;
    }
};

std::filesystem::path TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ztmca-bench-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? std::filesystem::path(pattern) : std::filesystem::temp_directory_path();
}

void SaveSpectrumFile(benchmark::State& state) {
    static Spectrum s;
    const std::filesystem::path dir = TempDir();
    const std::filesystem::path target = dir / "bench.dat";
    for (auto _ : state) {
        UpdateSavedFields(s.Header, kMaxChannels, EnergyCalibration{}, RoiTable{}, AcquisitionState{});
        const auto bytes = EncodeSpectrumFile(s.Header, s.Counts);
        if (SaveFileAtomically(target, bytes) != SaveResult::Saved) state.SkipWithError("save failed");
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(SaveSpectrumFile)->Unit(benchmark::kMicrosecond);

void LoadSpectrumFile(benchmark::State& state) {
    static Spectrum s;
    static SpectrumLoadBuffer buffer;
    const std::filesystem::path dir = TempDir();
    const std::filesystem::path target = dir / "bench.dat";
    SaveFileAtomically(target, EncodeSpectrumFile(s.Header, s.Counts));
    const std::size_t before = bench::AllocationCount();
    for (auto _ : state) {
        std::size_t received = 0;
        if (!ReadFilePrefix(target, buffer.Bytes, received)) state.SkipWithError("load failed");
        const SpectrumBlocks blocks = ReadSpectrumBlocks(std::span(buffer.Bytes).first(received), buffer.Counts);
        if (!blocks.Accepted()) state.SkipWithError("file rejected");
        benchmark::DoNotOptimize(buffer.Counts.data());
    }
    state.counters["allocs/op"] = benchmark::Counter(static_cast<double>(bench::AllocationCount() - before),
                                                     benchmark::Counter::kAvgIterations);
    std::filesystem::remove_all(dir);
}
BENCHMARK(LoadSpectrumFile)->Unit(benchmark::kMicrosecond);

// The codec alone, without the disk: what a load or save costs beyond the file system.
void EncodeAndReadBlocks(benchmark::State& state) {
    static Spectrum s;
    static SpectrumLoadBuffer buffer;
    for (auto _ : state) {
        const auto bytes = EncodeSpectrumFile(s.Header, s.Counts);
        const SpectrumBlocks blocks = ReadSpectrumBlocks(bytes, buffer.Counts);
        benchmark::DoNotOptimize(blocks.Channels);
    }
}
BENCHMARK(EncodeAndReadBlocks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ztmca
