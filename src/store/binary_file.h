#pragma once
// Whole-file helpers for the binary files (index files, DOT texts): an owning
// FILE handle, the bytes left after the current position, a counted block read
// that checks its count against the file before anything is reserved, and a
// one-block write.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "store/coding.h"

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

// Reads a 32-bit little-endian count of entries of entrySize bytes. False when
// the read fails or the count is negative or more than the rest of the file
// holds, so that a truncated or corrupt file never makes the reader reserve
// memory for entries that are not there.
inline bool readEntryCount(std::FILE* file, size_t entrySize, int32_t& count) {
    char bytes[4];
    if (std::fread(bytes, 1, sizeof bytes, file) != sizeof bytes) return false;
    count = decodeFixed32(bytes);
    const int64_t rest = remainingBytes(file);
    return count >= 0 && rest >= 0 &&
           static_cast<int64_t>(count) * static_cast<int64_t>(entrySize) <= rest;
}

// The checked count, then that many entries in one block.
inline bool readCountedBlock(std::FILE* file, size_t entrySize, std::string& block,
                             int32_t& count) {
    if (!readEntryCount(file, entrySize, count)) return false;
    block.resize(static_cast<size_t>(count) * entrySize);
    return std::fread(block.data(), 1, block.size(), file) == block.size();
}

// Writes bytes in one block to an open file and closes it. Returns 0, or -1 when
// not every byte reached the file (a full disk shows only when the buffer is
// flushed at the close), so a file cut short is never taken for a good one.
inline int32_t writeAndClose(File file, std::string_view bytes) {
    if (!file) return -1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    return written && closed ? 0 : -1;
}

// Reads a 32-bit little-endian count, checked as readEntryCount does, then the
// entries in blocks of at most blockEntries through one reused buffer, handing
// each block to visit(bytes, entries). False when a read fails or the count does
// not fit the file (nothing is visited then).
template <typename Visit>
bool readCountedBlocks(std::FILE* file, size_t entrySize, size_t blockEntries, int32_t& count,
                       Visit visit) {
    if (!readEntryCount(file, entrySize, count)) return false;
    std::string block;
    for (size_t done = 0; done < static_cast<size_t>(count);) {
        const size_t entries = std::min(blockEntries, static_cast<size_t>(count) - done);
        block.resize(entries * entrySize);
        if (std::fread(block.data(), 1, block.size(), file) != block.size()) return false;
        visit(block.data(), entries);
        done += entries;
    }
    return true;
}

// Creates or truncates path and writes bytes in one block. Returns 0, or -1 when
// the file cannot be created or not every byte reached it.
inline int32_t writeWholeFile(const char* path, std::string_view bytes) {
    return writeAndClose(openFile(path, "wb"), bytes);
}

}  // namespace quillan
