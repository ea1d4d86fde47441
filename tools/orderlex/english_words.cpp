#include "orderlex/english_words.h"

#include <algorithm>
#include <cctype>
#include <span>

#include "orderlex/file_text.h"

namespace quillan::orderlex {

namespace {

constexpr std::array<const char*, 4> kPosNames = {"noun", "verb", "adj", "adv"};

// The regular endings WordNet strips to find a base form, per part of speech.
struct Ending {
    std::string_view suffix;
    std::string_view replacement;
};
constexpr Ending kNounEndings[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                                   {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Ending kVerbEndings[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                                   {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Ending kAdjectiveEndings[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};
// Per part of speech; adverbs have no regular endings.
constexpr std::array<std::span<const Ending>, 4> kEndings = {
    kNounEndings, kVerbEndings, kAdjectiveEndings, {}};

// Each line's blank-separated fields.
std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t pos = 0;
    while (pos < line.size()) {
        const size_t start = line.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, end - start));
        pos = end;
    }
    return fields;
}

template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line.starts_with("  ")) continue;
        visit(line);
    }
}

bool readNumber(std::string_view text, uint64_t& value, int base = 10) {
    if (text.empty() || text.size() > 12) return false;
    value = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return false;
        }
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    return true;
}

std::string lowerCase(std::string_view word) {
    std::string out(word);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A word of a synset as written in a text: blanks for underscores, without the
// marks of adjectives ("strange(p)").
std::string synsetWord(std::string_view word) {
    const size_t mark = word.find('(');
    std::string out = lowerCase(word.substr(0, mark));
    std::replace(out.begin(), out.end(), '_', ' ');
    return out;
}

}  // namespace

bool EnglishWords::readIndex(const std::string& path, int pos) {
    std::string text;
    if (!readFileText(path, text)) return false;
    forEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> fields = fieldsOf(line);
        uint64_t synsetCount = 0;
        uint64_t pointerCount = 0;
        if (fields.size() < 4 || !readNumber(fields[2], synsetCount) ||
            !readNumber(fields[3], pointerCount))
            return;
        const size_t sensesAt = 4 + pointerCount;
        uint64_t senses = 0;
        uint64_t tagged = 0;
        if (fields.size() < sensesAt + 2 + synsetCount || !readNumber(fields[sensesAt], senses) ||
            !readNumber(fields[sensesAt + 1], tagged))
            return;
        LemmaEntry& entry = lemmas_[std::string(fields[0])];
        entry.senses[static_cast<size_t>(pos)] = static_cast<int32_t>(senses);
        entry.taggedSenses[static_cast<size_t>(pos)] = static_cast<int32_t>(tagged);
        for (size_t i = sensesAt + 2; i < sensesAt + 2 + synsetCount; ++i) {
            uint64_t offset = 0;
            if (readNumber(fields[i], offset))
                entry.synsets.push_back(offset * 4 + static_cast<uint64_t>(pos));
        }
    });
    return true;
}

bool EnglishWords::readExceptions(const std::string& path, int pos) {
    std::string text;
    if (!readFileText(path, text)) return false;
    forEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> fields = fieldsOf(line);
        for (size_t i = 1; i < fields.size(); ++i)
            exceptions_[static_cast<size_t>(pos)][std::string(fields[0])].emplace_back(fields[i]);
    });
    return true;
}

bool EnglishWords::readData(const std::string& path, int pos) {
    std::string text;
    if (!readFileText(path, text)) return false;
    forEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> fields = fieldsOf(line);
        uint64_t offset = 0;
        uint64_t wordCount = 0;
        if (fields.size() < 4 || !readNumber(fields[0], offset) ||
            !readNumber(fields[3], wordCount, 16) || fields.size() < 4 + 2 * wordCount)
            return;
        std::vector<std::string>& words = synsetWords_[offset * 4 + static_cast<uint64_t>(pos)];
        for (size_t i = 0; i < wordCount; ++i) words.push_back(synsetWord(fields[4 + 2 * i]));
    });
    return true;
}

int32_t EnglishWords::read(const std::string& dir, std::string& error) {
    for (size_t pos = 0; pos < kPosNames.size(); ++pos) {
        const std::string name = kPosNames[pos];
        for (const std::string& file : {"index." + name, "data." + name, name + ".exc"}) {
            const std::string path = dir + "/" + file;
            const bool read = file.starts_with("index.") ? readIndex(path, static_cast<int>(pos))
                              : file.starts_with("data.")
                                  ? readData(path, static_cast<int>(pos))
                                  : readExceptions(path, static_cast<int>(pos));
            if (!read) {
                error = "cannot read " + path;
                return -1;
            }
        }
    }
    return 0;
}

std::vector<std::string> EnglishWords::lemmas(std::string_view word, EnglishPos pos) const {
    const auto p = static_cast<size_t>(pos);
    const std::string lower = lowerCase(word);
    std::vector<std::string> found;
    auto add = [&](const std::string& lemma) {
        const auto entry = lemmas_.find(lemma);
        if (entry != lemmas_.end() && entry->second.taggedSenses[p] >= 0 &&
            std::find(found.begin(), found.end(), lemma) == found.end())
            found.push_back(lemma);
    };
    add(lower);
    if (const auto irregular = exceptions_[p].find(lower); irregular != exceptions_[p].end()) {
        for (const std::string& lemma : irregular->second) add(lemma);
        if (!found.empty()) return found;
    }
    for (const Ending& ending : kEndings[p]) {
        if (lower.size() > ending.suffix.size() && lower.ends_with(ending.suffix))
            add(lower.substr(0, lower.size() - ending.suffix.size()) +
                std::string(ending.replacement));
    }
    return found;
}

std::vector<std::string> EnglishWords::lemmas(std::string_view word) const {
    std::vector<std::string> found;
    for (const EnglishPos pos :
         {EnglishPos::Noun, EnglishPos::Verb, EnglishPos::Adjective, EnglishPos::Adverb}) {
        for (std::string& lemma : lemmas(word, pos)) {
            if (std::find(found.begin(), found.end(), lemma) == found.end())
                found.push_back(std::move(lemma));
        }
    }
    return found;
}

EnglishPos EnglishWords::mainPos(std::string_view word) const {
    EnglishPos best = EnglishPos::None;
    std::pair<int32_t, int32_t> bestCount{-1, -1};
    for (const EnglishPos pos : {EnglishPos::Noun, EnglishPos::Adjective, EnglishPos::Adverb}) {
        const auto p = static_cast<size_t>(pos);
        for (const std::string& lemma : lemmas(word, pos)) {
            const LemmaEntry& entry = lemmas_.at(lemma);
            const std::pair<int32_t, int32_t> count{entry.taggedSenses[p], entry.senses[p]};
            if (count > bestCount) {
                bestCount = count;
                best = pos;
            }
        }
    }
    return best;
}

const std::vector<uint64_t>& EnglishWords::synsetsOf(const std::string& lemma) const {
    static const std::vector<uint64_t> kNone;
    const auto entry = lemmas_.find(lemma);
    return entry == lemmas_.end() ? kNone : entry->second.synsets;
}

bool EnglishWords::related(std::string_view a, std::string_view b) const {
    const std::vector<std::string> left = lemmas(a);
    const std::vector<std::string> right = lemmas(b);
    for (const std::string& l : left) {
        if (std::find(right.begin(), right.end(), l) != right.end()) return true;
    }
    for (const std::string& l : left) {
        for (const uint64_t synset : lemmas_.at(l).synsets) {
            const auto words = synsetWords_.find(synset);
            if (words == synsetWords_.end()) continue;
            for (const std::string& r : right) {
                if (std::find(words->second.begin(), words->second.end(), r) != words->second.end())
                    return true;
            }
        }
    }
    return false;
}

}  // namespace quillan::orderlex
