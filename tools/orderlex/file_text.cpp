#include "orderlex/file_text.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace quillan::orderlex {

bool readFileText(const std::string& path, std::string& text) {
    text.clear();
    // A directory opens like a file and then reads as an empty one.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    // Inserting an empty file's buffer sets failbit on the output only; that is
    // still a good read.
    bytes << in.rdbuf();
    if (in.bad()) return false;
    text = bytes.str();
    return true;
}

}  // namespace quillan::orderlex
