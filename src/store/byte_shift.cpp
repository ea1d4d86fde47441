#include "store/byte_shift.h"

#include "store/line_reader.h"
#include "store/text_writer.h"

namespace quillan {

std::string encodeLine(std::string_view line) {
    std::string out(line);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x14 && b <= 0xFE) c = static_cast<char>(b + 1);
    }
    return out;
}

std::string decodeLine(std::string_view line) {
    std::string out(line);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x15) c = static_cast<char>(b - 1);
    }
    return out;
}

bool encodeFile(const std::string& dataPath, const std::string& sourcePath) {
    LineReader source(sourcePath);
    // Without a source there is nothing to copy; keep the old data file as it was.
    if (!source.isOpen()) return false;
    TextWriter data(dataPath);
    if (!data.isOpen()) return false;
    std::string line;
    while (!source.atEnd()) {
        source.readLine(line);
        data.writeLine(encodeLine(line));
        data.flush();
    }
    return data.close();
}

}  // namespace quillan
