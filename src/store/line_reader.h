#pragma once
// LineReader: the one way every data file and source is read line by line.
//
// A line ends at LF, which is consumed and not kept; one CR directly before the
// LF is dropped. A last line without LF is still a line. The end-of-file flag is
// raised only by a read that meets the end, so callers test atEnd() before each
// read: a file ending in LF then yields one last, empty line, and an empty file
// yields a single empty line.

#include <cstdint>
#include <cstdio>
#include <string>

namespace quillan {

class LineReader {
  public:
    // Opens path for reading; a directory counts as a file that cannot be opened.
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // True once a read has met the end of the file.
    bool atEnd() const { return atEnd_; }
    // Byte offset of the next read; -1 when the file is not open.
    int64_t position() const;
    // Size of the file in bytes; -1 when it cannot be told.
    int64_t size() const;
    // Moves to a byte offset and clears the end-of-file flag. Returns false on failure.
    bool seek(int64_t offset);
    // Reads one line into `line` (replacing its content).
    void readLine(std::string& line);

  private:
    std::FILE* file_ = nullptr;
    bool atEnd_ = false;
};

}  // namespace quillan
