#pragma once
// A main window on a fake desktop with a fresh temporary directory, and helpers to make and read
// spectrum files byte by byte.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/byte_order.h"
#include "app/main_form.h"
#include "support/fake_host.h"
#include "support/recording_transport.h"

namespace ztmca::testing {

inline std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> HeaderBytes(const SpectrumHeader& header) {
    std::array<std::uint8_t, kHeaderBytes> bytes{};
    EncodeHeader(header, bytes);
    return {bytes.begin(), bytes.end()};
}

// A file whose header declares declaredChannels, followed by channels counts (1000 + i) and extra bytes.
inline std::vector<std::uint8_t> MakeSpectrumFile(SpectrumHeader header, int declaredChannels, int channels,
                                                  int extraBytes = 0) {
    header.MemorySize = static_cast<std::int16_t>(declaredChannels);
    std::vector<std::uint8_t> bytes(kHeaderBytes + 4 * static_cast<std::size_t>(channels) +
                                        static_cast<std::size_t>(extraBytes),
                                    0xAB);
    EncodeHeader(header, std::span<std::uint8_t, kHeaderBytes>(bytes.data(), kHeaderBytes));
    for (int i = 0; i < channels; ++i) WriteI32(bytes, kHeaderBytes + 4 * static_cast<std::size_t>(i), 1000 + i);
    return bytes;
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "ztmca-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        form = std::make_unique<MainForm>(host, transport);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir, ec);
    }

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    void Choose(const std::string& path) { host.paths.push_back(path); }
    void Load(const std::string& path) {
        Choose(path);
        form->Click("Read1");
    }
    void Save(const std::string& path) {
        Choose(path);
        form->Click("Write1");
    }
    std::string Text(const char* control) const { return (*form)[control].Text; }
    SpectrumMemory& Memory() { return form->State.Memory; }
    // Everything in the directory, to see that no temporary file is left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path dir;
    FakeHost host;
    RecordingTransport transport;
    std::unique_ptr<MainForm> form;
};

}  // namespace ztmca::testing
