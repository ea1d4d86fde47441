#include "store/line_reader.h"

#include <sys/stat.h>

namespace quillan {

namespace {

// Opens a regular file (or another readable non-directory) for reading. A
// directory is refused: fopen accepts it, and its failing reads would pass for
// an empty file.
std::FILE* openForReading(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    struct stat status {};
    if (file != nullptr && (fstat(fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

}  // namespace

LineReader::LineReader(const std::string& path) : file_(openForReading(path)) {}

LineReader::~LineReader() {
    if (file_ != nullptr) std::fclose(file_);
}

int64_t LineReader::position() const {
    if (file_ == nullptr) return -1;
    return static_cast<int64_t>(std::ftell(file_));
}

int64_t LineReader::size() const {
    if (file_ == nullptr) return -1;
    const long here = std::ftell(file_);
    if (here < 0 || std::fseek(file_, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(file_);
    std::fseek(file_, here, SEEK_SET);
    return end;
}

bool LineReader::seek(int64_t offset) {
    if (file_ == nullptr || offset < 0) return false;
    atEnd_ = false;
    return std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
}

void LineReader::readLine(std::string& line) {
    line.clear();
    if (file_ == nullptr) {
        atEnd_ = true;
        return;
    }
    int c;
    while ((c = getc_unlocked(file_)) != EOF) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return;
        }
        line.push_back(static_cast<char>(c));
    }
    atEnd_ = true;
}

}  // namespace quillan
