#include "orderlex/lexicon.h"

#include <algorithm>
#include <cctype>

#include "store/index_format.h"

namespace quillan::orderlex {

namespace {

template <typename T>
void addUnique(std::vector<T>& list, const T& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

bool isSeeAlso(std::string_view sense) { return sense.starts_with("see also"); }

bool isClassifierSense(std::string_view sense) {
    return sense.starts_with("classifier for") || sense.starts_with("(classifier");
}

bool isReferenceSense(std::string_view sense) {
    return sense.starts_with("used in") || sense.starts_with("see ") ||
           sense.find("variant of") != std::string_view::npos;
}

// Readings with a meaning of their own come first, then those that only refer to
// other words ("used in ...", "variant of ..."), then proper names (capitalised).
int readingRank(const Reading& reading) {
    if (!reading.pinyin.empty() && std::isupper(static_cast<unsigned char>(reading.pinyin[0])))
        return 2;
    return std::all_of(reading.senses.begin(), reading.senses.end(), isReferenceSense) ? 1 : 0;
}

void mergeEntry(Headword& headword, const CedictEntry& entry) {
    auto reading = std::find_if(headword.readings.begin(), headword.readings.end(),
                                [&](const Reading& r) { return r.pinyin == entry.pinyin; });
    if (reading == headword.readings.end()) {
        headword.readings.push_back({entry.pinyin, {}, {}});
        reading = headword.readings.end() - 1;
    }
    addUnique(reading->traditional, entry.traditional);
    for (const std::string& sense : entry.senses) {
        if (isSeeAlso(sense)) {
            addUnique(headword.seeAlso, sense);
        } else {
            addUnique(reading->senses, sense);
        }
    }
    for (const std::string& classifier : entry.classifiers)
        addUnique(headword.classifiers, classifier);
}

bool hasClassifierSense(const Headword& headword) {
    for (const Reading& reading : headword.readings) {
        for (const std::string& sense : reading.senses) {
            if (isClassifierSense(sense)) return true;
        }
    }
    return false;
}

}  // namespace

void Lexicon::build(const std::vector<CedictEntry>& entries, GbkEncoder& encoder,
                    LexiconCounts& counts) {
    headwords_.clear();
    positions_.clear();
    std::unordered_map<std::string, bool> refused;  // headwords already counted as left out
    for (const CedictEntry& entry : entries) {
        const auto known = positions_.find(entry.simplified);
        if (known != positions_.end()) {
            mergeEntry(headwords_[known->second], entry);
            continue;
        }
        if (refused.contains(entry.simplified)) continue;
        GbkText gbk = encoder.encode(entry.simplified);
        if (!gbk.complete || gbk.bytes.size() > index_format::kMaxSlotText) {
            ++(gbk.complete ? counts.tooLong : counts.notInGbk);
            refused.emplace(entry.simplified, true);
            continue;
        }
        positions_.emplace(entry.simplified, headwords_.size());
        Headword headword;
        headword.text = entry.simplified;
        headword.gbk = std::move(gbk.bytes);
        mergeEntry(headword, entry);
        headwords_.push_back(std::move(headword));
    }
    for (Headword& headword : headwords_) {
        std::stable_sort(
            headword.readings.begin(), headword.readings.end(),
            [](const Reading& a, const Reading& b) { return readingRank(a) < readingRank(b); });
    }
    std::sort(headwords_.begin(), headwords_.end(),
              [](const Headword& a, const Headword& b) { return a.gbk < b.gbk; });
    for (size_t i = 0; i < headwords_.size(); ++i) positions_[headwords_[i].text] = i;
}

void Lexicon::assignFrequencies(const FrequencyData& frequencies) {
    for (Headword& headword : headwords_) {
        headword.tags.clear();
        headword.count = -1;
        std::string_view jiebaTag;
        const auto found = frequencies.words.find(headword.text);
        if (found != frequencies.words.end()) {
            headword.count = found->second.count;
            jiebaTag = found->second.tag;
        }
        const std::string_view code = pennTagFor(headword.text, jiebaTag);
        if (!code.empty()) headword.tags.emplace_back(code);
        if (hasClassifierSense(headword)) addUnique(headword.tags, std::string("M"));
    }
}

void Lexicon::assignExamples(const std::vector<CorpusPair>& pairs) {
    for (Headword& headword : headwords_) headword.examples.clear();
    for (size_t i = 0; i < pairs.size(); ++i) {
        const auto number = static_cast<int32_t>(i + 1);
        for (const std::string_view word : splitAtBlanks(pairs[i].chinese)) {
            const auto found = positions_.find(std::string(word));
            if (found == positions_.end()) continue;
            std::vector<int32_t>& examples = headwords_[found->second].examples;
            // A word used twice in one pair names the pair once.
            if (examples.size() < kMaxExamples && (examples.empty() || examples.back() != number))
                examples.push_back(number);
        }
    }
}

const Headword* Lexicon::find(std::string_view text) const {
    const auto found = positions_.find(std::string(text));
    return found == positions_.end() ? nullptr : &headwords_[found->second];
}

}  // namespace quillan::orderlex
