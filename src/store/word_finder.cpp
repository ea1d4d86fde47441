#include "store/word_finder.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <tuple>
#include <unordered_set>

#include "store/byte_shift.h"
#include "store/data_paths.h"
#include "store/line_reader.h"
#include "store/text_conversion.h"
#include "store/utf8.h"

namespace quillan {

namespace {

constexpr size_t kFieldCount = 7;
constexpr std::string_view kNull = "NULL";
constexpr std::string_view kReadingSeparator = ", ";
// A word's first glosses carry its main meaning.
constexpr uint16_t kMainGlosses = 2;

// The seven TAB-separated fields of a word line; false for any other line.
bool splitFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields = splitWordFields(line);
    return fields.size() == kFieldCount;
}

std::string_view orEmpty(std::string_view field) {
    return field == kNull ? std::string_view{} : field;
}

std::vector<std::string_view> splitAt(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    while (!text.empty()) {
        const size_t at = text.find(separator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + separator.size());
    }
    return pieces;
}

// Text without its bracketed parts: the "[pinyin]" labels of several readings,
// "(notes)".
std::string withoutBrackets(std::string_view text, char open, char close) {
    std::string out;
    int depth = 0;
    for (const char c : text) {
        if (c == open) {
            ++depth;
        } else if (c == close && depth > 0) {
            --depth;
        } else if (depth == 0) {
            out.push_back(c);
        }
    }
    return out;
}

// The lower-case ASCII words of a text, each with a blank before and after
// (" to study "); other bytes separate them.
std::string spacedWords(std::string_view text) {
    std::string out = " ";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && (std::isalnum(byte) || c == '\'')) {
            out.push_back(static_cast<char>(std::tolower(byte)));
        } else if (out.back() != ' ') {
            out.push_back(' ');
        }
    }
    if (out.back() != ' ') out.push_back(' ');
    return out;
}

// Where spaced words start without the word that only marks their kind: "to
// study" and "study" are the same gloss.
size_t unmarkedStart(std::string_view spaced) {
    for (const std::string_view marker : {" to ", " a ", " an ", " the "}) {
        if (spaced.starts_with(marker) && spaced.size() > marker.size()) return marker.size() - 1;
    }
    return 0;
}

// The first sense of an English field: its first gloss, without the label of
// its reading.
std::string firstSenseOf(std::string_view english) {
    english = orEmpty(english);
    if (english.starts_with('[')) {
        const size_t close = english.find("] ");
        if (close != std::string_view::npos) english.remove_prefix(close + 2);
    }
    return std::string(english.substr(0, english.find("; ")));
}

// True when needle starts at a character of the GBK text: a lead byte begins a
// two-byte character, so a match must not start on its trail byte.
bool containsGbk(std::string_view text, std::string_view needle) {
    for (size_t at = text.find(needle); at != std::string_view::npos;
         at = text.find(needle, at + 1)) {
        size_t pos = 0;
        while (pos < at) pos += static_cast<unsigned char>(text[pos]) >= 0x81 ? 2 : 1;
        if (pos == at) return true;
    }
    return false;
}

bool hasChineseCharacter(std::string_view utf8) {
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (nextCodePoint(utf8, pos, cp) && cp >= 0x2E80) return true;
    }
    return false;
}

bool hasToneMarkOrDigit(std::string_view utf8) {
    if (utf8.find_first_of("12345") != std::string_view::npos) return true;
    size_t pos = 0;
    char32_t cp = 0;
    while (pos < utf8.size()) {
        if (nextCodePoint(utf8, pos, cp) && cp >= 0x80 && cp != 0xFC && cp != 0xDC) return true;
    }
    return false;
}

void appendUnique(std::vector<uint32_t>& results, std::unordered_set<uint32_t>& seen,
                  const std::vector<uint32_t>& ids) {
    for (const uint32_t id : ids) {
        if (seen.insert(id).second) results.push_back(id);
    }
}

}  // namespace

void WordFinder::addEntry(std::string_view line, const TextMap<int32_t>& ranks,
                          TextConverter& toUtf8) {
    std::vector<std::string_view> fields;
    if (!splitFields(line, fields) || fields[0].empty()) return;
    const auto id = static_cast<uint32_t>(entries_.size());
    Entry& entry = entries_.emplace_back();
    entry.word = fields[0];
    entry.pinyin = orEmpty(fields[2]);
    entry.firstSense = firstSenseOf(fields[1]);
    const auto rank = ranks.find(fields[0]);
    entry.rank = rank == ranks.end() ? std::numeric_limits<int32_t>::max() : rank->second;

    for (const std::string_view reading : splitAt(entry.pinyin, kReadingSeparator)) {
        std::vector<PinyinSyllable> syllables;
        const Conversion utf8 = toUtf8.convert(reading);
        if (utf8.ok && parseMarkedReading(utf8.bytes, syllables))
            entry.readings.push_back(std::move(syllables));
    }
    const std::string english = withoutBrackets(orEmpty(fields[1]), '[', ']');
    for (const std::string_view gloss : splitAt(english, ";")) {
        std::string words = spacedWords(withoutBrackets(gloss, '(', ')'));
        if (words.size() < 3) continue;
        const auto glossId = static_cast<uint16_t>(std::min<size_t>(entry.glosses.size(), 0xFFFF));
        // Each word of the gloss once: its blank-separated pieces.
        std::string_view rest(words);
        std::vector<std::string_view> seen;
        while (rest.size() > 1) {
            rest.remove_prefix(1);
            const std::string_view word = rest.substr(0, rest.find(' '));
            rest.remove_prefix(word.size());
            if (std::find(seen.begin(), seen.end(), word) != seen.end()) continue;
            seen.push_back(word);
            auto postings = byEnglishWord_.find(word);
            if (postings == byEnglishWord_.end())
                postings = byEnglishWord_.emplace(std::string(word), std::vector<Posting>{}).first;
            postings->second.push_back({id, glossId});
        }
        const auto unmarked = static_cast<uint16_t>(unmarkedStart(words));
        entry.glosses.push_back({std::move(words), unmarked});
    }
    for (const std::string_view form : splitAt(orEmpty(fields[3]), kReadingSeparator)) {
        if (form.empty()) continue;
        auto forms = byTraditional_.find(form);
        if (forms == byTraditional_.end())
            forms = byTraditional_.emplace(std::string(form), std::vector<uint32_t>{}).first;
        forms->second.push_back(id);
    }
}

int32_t WordFinder::load(const DictionaryStore& store) {
    TextMap<int32_t> ranks;
    ranks.reserve(store.frequencyList.size());
    const auto [first, last] = frequencyRange(store, "ALL");
    for (int64_t i = std::max(first, 0);
         i <= last && i < static_cast<int64_t>(store.frequencyList.size()); ++i)
        ranks.try_emplace(store.frequencyList[static_cast<size_t>(i)],
                          static_cast<int32_t>(i - first));

    entries_.clear();
    byTraditional_.clear();
    byEnglishWord_.clear();
    entries_.reserve(store.wordIndex.size());
    byTraditional_.reserve(store.wordIndex.size());
    byEnglishWord_.reserve(store.wordIndex.size() / 2);
    TextConverter toUtf8("UTF-8", "GBK");
    if (forEachWordLine([&](std::string_view line) { addEntry(line, ranks, toUtf8); }) < 0)
        return -1;
    loaded_ = true;
    return 0;
}

void WordFinder::keepMostFrequent(std::vector<uint32_t>& ids, size_t limit) const {
    auto moreFrequent = [this](uint32_t a, uint32_t b) {
        return std::pair(entries_[a].rank, a) < std::pair(entries_[b].rank, b);
    };
    if (ids.size() > limit) {
        std::partial_sort(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(limit), ids.end(),
                          moreFrequent);
        ids.resize(limit);
    } else {
        std::sort(ids.begin(), ids.end(), moreFrequent);
    }
}

void WordFinder::findChinese(std::string_view utf8, size_t limit,
                             std::vector<uint32_t>& results) const {
    const Conversion gbk = convertText("GBK", "UTF-8", utf8);
    if (!gbk.ok || gbk.bytes.empty()) return;
    std::unordered_set<uint32_t> seen;
    if (const auto traditional = byTraditional_.find(gbk.bytes);
        traditional != byTraditional_.end()) {
        std::vector<uint32_t> ids = traditional->second;
        keepMostFrequent(ids, limit);
        appendUnique(results, seen, ids);
    }
    std::vector<uint32_t> exact;
    std::vector<uint32_t> containing;
    for (uint32_t id = 0; id < entries_.size(); ++id) {
        const std::string& word = entries_[id].word;
        if (word == gbk.bytes) {
            exact.push_back(id);
        } else if (word.size() > gbk.bytes.size() && containsGbk(word, gbk.bytes)) {
            containing.push_back(id);
        }
    }
    keepMostFrequent(containing, limit);
    appendUnique(results, seen, exact);
    appendUnique(results, seen, containing);
}

void WordFinder::findPinyin(const std::vector<PinyinQuery>& queries, size_t limit,
                            std::vector<uint32_t>& results) const {
    std::vector<CompiledPinyinQuery> compiled(queries.begin(), queries.end());
    std::vector<uint32_t> exact;
    std::vector<uint32_t> beginning;
    for (uint32_t id = 0; id < entries_.size(); ++id) {
        bool isExact = false;
        bool begins = false;
        for (const std::vector<PinyinSyllable>& reading : entries_[id].readings) {
            for (const CompiledPinyinQuery& query : compiled) {
                if (!query.open() && query.matches(reading, false)) {
                    isExact = true;
                } else if (query.matches(reading, true)) {
                    begins = true;
                }
            }
        }
        if (isExact) {
            exact.push_back(id);
        } else if (begins) {
            beginning.push_back(id);
        }
    }
    keepMostFrequent(exact, limit);
    keepMostFrequent(beginning, limit);
    results.insert(results.end(), exact.begin(), exact.end());
    results.insert(results.end(), beginning.begin(), beginning.end());
}

void WordFinder::findEnglish(std::string_view utf8, size_t limit,
                             std::vector<uint32_t>& results) const {
    const std::string spaced = spacedWords(utf8);
    const std::string_view query = std::string_view(spaced).substr(unmarkedStart(spaced));
    if (query.size() < 3) return;
    const std::string_view first = query.substr(1, query.find(' ', 1) - 1);
    const auto postings = byEnglishWord_.find(first);
    if (postings == byEnglishWord_.end()) return;
    // Per word its best match: a gloss that is the query before one that holds it,
    // one of its first two glosses (its main meaning) before a later one.
    std::unordered_map<uint32_t, std::pair<int, int>> best;
    for (const Posting& posting : postings->second) {
        const Gloss& gloss = entries_[posting.entry].glosses[posting.gloss];
        int kind = 0;
        if (std::string_view(gloss.words).substr(gloss.unmarked) == query) {
            kind = 0;
        } else if (gloss.words.find(query) != std::string::npos) {
            kind = 1;
        } else {
            continue;
        }
        const std::pair<int, int> score{kind, posting.gloss < kMainGlosses ? 0 : 1};
        const auto [found, added] = best.try_emplace(posting.entry, score);
        if (!added && score < found->second) found->second = score;
    }
    std::vector<uint32_t> ids;
    for (const auto& [id, score] : best) ids.push_back(id);
    auto better = [&](uint32_t a, uint32_t b) {
        return std::tuple(best.at(a), entries_[a].rank, a) <
               std::tuple(best.at(b), entries_[b].rank, b);
    };
    const size_t kept = std::min(limit, ids.size());
    std::partial_sort(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(kept), ids.end(),
                      better);
    results.insert(results.end(), ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(kept));
}

std::vector<FoundWord> WordFinder::find(std::string_view query, size_t limit) const {
    std::vector<FoundWord> found;
    const size_t start = query.find_first_not_of(' ');
    if (start == std::string_view::npos || !loaded_ || limit == 0) return found;
    query = query.substr(start, query.find_last_not_of(' ') - start + 1);

    std::vector<uint32_t> ids;
    if (hasChineseCharacter(query)) {
        findChinese(query, limit, ids);
    } else {
        const std::vector<PinyinQuery> readings = parsePinyinQuery(query);
        const bool complete = std::any_of(readings.begin(), readings.end(),
                                          [](const PinyinQuery& q) { return q.open.empty(); });
        const bool toned = hasToneMarkOrDigit(query);
        std::vector<uint32_t> pinyin;
        std::vector<uint32_t> english;
        if (!readings.empty()) findPinyin(readings, limit, pinyin);
        if (!toned) findEnglish(query, limit, english);
        // Letters that read as whole syllables are pinyin first; a word that does
        // not ("bank", or "xuex" while typing) is English first.
        const bool pinyinFirst = complete || toned;
        std::unordered_set<uint32_t> seen;
        appendUnique(ids, seen, pinyinFirst ? pinyin : english);
        appendUnique(ids, seen, pinyinFirst ? english : pinyin);
    }
    for (const uint32_t id : ids) {
        if (found.size() >= limit) break;
        const Entry& entry = entries_[id];
        found.push_back({entry.word, entry.pinyin, entry.firstSense});
    }
    return found;
}

}  // namespace quillan
