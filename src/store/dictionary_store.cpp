#include "store/dictionary_store.h"

#include <cstdio>
#include <limits>

#include "store/binary_file.h"
#include "store/byte_shift.h"
#include "store/coding.h"
#include "store/data_paths.h"
#include "store/index_format.h"
#include "store/line_reader.h"

namespace quillan {

namespace fmt = index_format;

namespace {

// Lays a text (cut to the slot's limit) and a number into one zero-filled slot.
void appendSlot(std::string& out, std::string_view text, int32_t number) {
    const size_t start = out.size();
    out.append(fmt::kSlotSize, '\0');
    const size_t length = std::min(text.size(), fmt::kMaxSlotText);
    text.copy(out.data() + start, length);
    encodeFixed32(out.data() + start + fmt::kSlotTextBytes, number);
}

std::string slotText(const char* slot) {
    size_t length = 0;
    while (length < fmt::kSlotTextBytes && slot[length] != '\0') ++length;
    return std::string(slot, length);
}

// Slots are read about a megabyte at a time through one buffer: a handful of
// reads per file, and never the whole file in memory beside the store.
constexpr size_t kSlotsPerRead = 4096;

// Reads a count, then the slots, handing each to visit(slot).
template <typename Visit>
bool readSlots(std::FILE* file, int32_t& count, Visit visit) {
    return readCountedBlocks(file, fmt::kSlotSize, kSlotsPerRead, count,
                             [&](const char* block, size_t slots) {
                                 for (size_t k = 0; k < slots; ++k)
                                     visit(block + k * fmt::kSlotSize);
                             });
}

// The decimal reading of a frequency group's count: blanks, a sign, digits.
int64_t readDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value =
            std::min<int64_t>(value * 10 + (text[i] - '0'), std::numeric_limits<int32_t>::max());
    return negative ? -value : value;
}

int32_t clampToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

}  // namespace

int32_t buildWordIndex(const std::string& indexPath) {
    LineReader source(paths::kWordSource);
    if (!source.isOpen()) return -1;
    std::string slots;
    int32_t count = 0;
    std::string line;
    while (!source.atEnd()) {
        const int32_t offset = clampToInt32(source.position());
        source.readLine(line);
        appendSlot(slots, parseWordLine(line).word, offset);
        ++count;
    }
    std::string bytes;
    appendFixed32(bytes, count);
    bytes += slots;
    return writeWholeFile(indexPath.c_str(), bytes);
}

int32_t buildFrequencyIndex(const std::string& indexPath) {
    LineReader source(paths::kFrequencySource);
    if (!source.isOpen()) return -1;
    std::string header;
    source.readLine(header);
    std::string slots;
    int32_t count = 0;
    std::string line;
    while (!source.atEnd()) {
        source.readLine(line);
        appendSlot(slots, line, 0);
        ++count;
    }
    std::string bytes;
    appendFixed32(bytes, static_cast<int32_t>(header.size()));
    bytes += header;
    appendFixed32(bytes, count);
    bytes += slots;
    return writeWholeFile(indexPath.c_str(), bytes);
}

int32_t loadWordIndex(DictionaryStore& store) {
    File file = openFile(paths::kWordIndex, "rb");
    if (!file) return -1;
    // Loaded into a map of its own first, so that a file cut short leaves the
    // store's index as it was.
    std::map<std::string, int32_t> loaded;
    int32_t count = 0;
    const bool read = readSlots(file.get(), count, [&](const char* slot) {
        loaded.insert_or_assign(slotText(slot), decodeFixed32(slot + fmt::kSlotTextBytes));
    });
    if (!read) return -1;
    if (store.wordIndex.empty()) {
        store.wordIndex = std::move(loaded);
    } else {
        for (auto& [word, offset] : loaded) store.wordIndex.insert_or_assign(word, offset);
    }
    return 0;
}

int32_t loadFrequencyIndex(DictionaryStore& store) {
    File file = openFile(paths::kFrequencyIndex, "rb");
    if (!file) return -1;
    std::string header;
    int32_t headerLength = 0;
    if (!readCountedBlock(file.get(), 1, header, headerLength)) return -1;
    header.resize(std::min(header.size(), header.find('\0')));

    int64_t position = 0;
    for (const std::string& group : splitText(header, " ")) {
        const std::vector<std::string> parts = splitText(group, ":");
        if (parts.size() != 2) return -1;
        const int64_t count = readDecimal(parts[1]);
        store.frequencyRanges[parts[0] + ":B"] = clampToInt32(position);
        store.frequencyRanges[parts[0] + ":E"] = clampToInt32(position + count - 1);
        position += count;
    }

    std::vector<std::string> lines;
    int32_t count = 0;
    const bool read = readSlots(file.get(), count, [&](const char* slot) {
        if (lines.empty()) lines.reserve(static_cast<size_t>(count));
        lines.push_back(slotText(slot));
    });
    if (!read) return -1;
    store.frequencyList.insert(store.frequencyList.end(), std::make_move_iterator(lines.begin()),
                               std::make_move_iterator(lines.end()));
    return 0;
}

int32_t findWordOffset(const DictionaryStore& store, std::string_view word) {
    const auto it = store.wordIndex.find(std::string(word));
    return it == store.wordIndex.end() ? -1 : it->second;
}

std::pair<int32_t, int32_t> frequencyRange(const DictionaryStore& store, std::string_view code) {
    auto valueOf = [&store](const std::string& key) {
        const auto it = store.frequencyRanges.find(key);
        return it == store.frequencyRanges.end() ? 0 : it->second;
    };
    const std::string name(code);
    return {valueOf(name + ":B"), valueOf(name + ":E")};
}

int32_t readWordRecords(int32_t offset, int32_t n, std::vector<WordRecord>& records) {
    LineReader data(paths::kWordData);
    if (!data.isOpen()) return -1;
    // An offset that does not lie inside the file names no line.
    if (offset < 0 || offset >= data.size() || !data.seek(offset)) return 0;
    std::string line;
    for (int32_t i = 0; i < n; ++i) {
        if (data.atEnd()) break;
        data.readLine(line);
        const std::string decoded = decodeLine(line);
        if (decoded == kWordEndMarker) break;
        records.push_back(parseWordLine(decoded));
    }
    return 0;
}

int32_t forEachWordLine(const std::function<void(std::string_view line)>& visit) {
    LineReader data(paths::kWordData);
    if (!data.isOpen()) return -1;
    std::string line;
    while (!data.atEnd()) {
        data.readLine(line);
        const std::string decoded = decodeLine(line);
        if (decoded == kWordEndMarker) break;
        visit(decoded);
    }
    return 0;
}

}  // namespace quillan
