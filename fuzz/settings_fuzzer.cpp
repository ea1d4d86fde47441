// loadSettings on a fuzzed data/config.data, then the Options save path with
// fuzzed UTF-16 texts: a save either writes a file that loads back to the same
// values, or fails and leaves the old file byte for byte.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_input.h"
#include "settings/settings.h"
#include "store/data_paths.h"

using namespace quillan;

namespace {

std::string fileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::u16string unitsOf(const std::string& bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = fuzz::splitInput(data, size, 4);
    fuzz::writeBytes(paths::kConfig, parts[0]);
    Settings settings;
    fuzz::require(loadSettings(settings) == 0, "an existing file loads");

    const std::string before = fileBytes(paths::kConfig);
    if (storeChosenOptions(settings, unitsOf(parts[1]), unitsOf(parts[2]), unitsOf(parts[3])) ==
        0) {
        Settings reloaded;
        fuzz::require(loadSettings(reloaded) == 0, "saved file loads");
        fuzz::require(
            reloaded.dictType == settings.dictType && reloaded.sortType == settings.sortType &&
                reloaded.tagType == settings.tagType && reloaded.startup == settings.startup,
            "saved values load back");
    } else {
        fuzz::require(fileBytes(paths::kConfig) == before, "failed save keeps the old file");
    }
    std::remove(paths::kConfig);
    return 0;
}
