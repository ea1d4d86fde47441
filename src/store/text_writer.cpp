#include "store/text_writer.h"

namespace quillan {

TextWriter::TextWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}

TextWriter::~TextWriter() { close(); }

void TextWriter::write(std::string_view text) {
    if (file_ == nullptr) return;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t lf = text.find('\n', start);
        const size_t end = lf == std::string_view::npos ? text.size() : lf;
        if (end > start && std::fwrite(text.data() + start, 1, end - start, file_) != end - start)
            failed_ = true;
        if (lf == std::string_view::npos) break;
        if (std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
        start = lf + 1;
    }
}

void TextWriter::writeLine(std::string_view line) {
    if (file_ == nullptr) return;
    if (!line.empty() && std::fwrite(line.data(), 1, line.size(), file_) != line.size())
        failed_ = true;
    if (std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
}

void TextWriter::flush() {
    if (file_ != nullptr && std::fflush(file_) != 0) failed_ = true;
}

bool TextWriter::close() {
    if (file_ == nullptr) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

}  // namespace quillan
