#pragma once
// Whole-file helpers for the binary index files: an owning FILE handle, the
// bytes left after the current position (so that a count can be checked
// against the file before anything is reserved), and a one-block write.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace quillan {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

inline File openFile(const char* path, const char* mode) { return File(std::fopen(path, mode)); }

// The bytes of the file after the current position; -1 when they cannot be told.
inline int64_t remainingBytes(std::FILE* file) {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0) return -1;
    return end - here;
}

// Creates or truncates path and writes bytes in one block. Returns 0, or -1 when
// the file cannot be created (write errors after that are not reported).
inline int32_t writeWholeFile(const char* path, const std::string& bytes) {
    File file = openFile(path, "wb");
    if (!file) return -1;
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    return 0;
}

}  // namespace quillan
