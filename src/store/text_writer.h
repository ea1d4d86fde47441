#pragma once
// TextWriter: writes text files the way a text-mode stream does on the
// dictionary's home platform, every line feed stored as CR LF.

#include <cstdio>
#include <string>
#include <string_view>

namespace quillan {

class TextWriter {
  public:
    // Creates or truncates the file at path; isOpen() tells whether that worked.
    explicit TextWriter(const std::string& path);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // Writes text, each LF in it as CR LF.
    void write(std::string_view text);
    // Writes the line's bytes, then CR LF.
    void writeLine(std::string_view line);
    void flush();
    // Closes the file. Returns false when any write, the flush or the close failed.
    bool close();

  private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace quillan
