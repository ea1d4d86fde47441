#pragma once
// Making a write survive a crash: a file's bytes, or a directory's entries, are
// pushed to the disk before anything relies on them (a rename over an old file).

#include <string>

namespace quillan {

// Flushes the file or directory at path to the disk. False when it cannot be
// opened or the flush fails.
bool syncToDisk(const std::string& path);

}  // namespace quillan
