#pragma once
// Shared pieces of the fuzz targets: an input cut into parts, writing a part to a
// file of the working directory, and a check that ends the run on a finding.
//
// The targets work on files relative to the current directory, as the program
// does; the runner (libFuzzer or the replay main) starts them in a scratch
// directory that holds data/ and tmp/.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::fuzz {

// Separates the parts of one input; the seed files use it between their pieces.
inline constexpr std::string_view kPartSeparator = "\n@@@@\n";

// The input cut at every separator into exactly count parts: missing parts are
// empty, and the last part keeps any further separators.
inline std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const size_t at = rest.find(kPartSeparator);
        if (at == std::string_view::npos) break;
        parts.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at + kPartSeparator.size());
    }
    parts.emplace_back(rest);
    parts.resize(count);
    return parts;
}

inline void writeBytes(const char* path, std::string_view bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// A property that must hold for every input: report and stop the run, so that
// the fuzzer keeps the input as a finding.
inline void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace quillan::fuzz
