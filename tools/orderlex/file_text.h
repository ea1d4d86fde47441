#pragma once
// Reading a whole input file of the source builder into memory, the one way all
// of its readers (CC-CEDICT, jieba's dictionary, the corpus) do it.

#include <string>

namespace quillan::orderlex {

// Reads the bytes of the file at path into text. False when it cannot be opened,
// is a directory, or a read fails; text is then empty.
bool readFileText(const std::string& path, std::string& text);

}  // namespace quillan::orderlex
