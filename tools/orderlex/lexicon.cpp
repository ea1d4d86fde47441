#include "orderlex/lexicon.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <tuple>

#include "orderlex/part_of_speech.h"
#include "orderlex/pinyin.h"
#include "orderlex/sense_text.h"
#include "store/index_format.h"

namespace quillan::orderlex {

namespace {

// HSK levels 1 to 3 are kept within the first 2,500 words per level.
constexpr int kLiftedHskLevels = 3;
constexpr size_t kHskRankStep = 2500;

template <typename T>
void addUnique(std::vector<T>& list, const T& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) list.push_back(value);
}

bool isSeeAlso(std::string_view sense) { return sense.starts_with("see also"); }

bool isProperName(const Reading& reading) {
    return !reading.pinyin.empty() && std::isupper(static_cast<unsigned char>(reading.pinyin[0]));
}

bool isMinorReading(const Reading& reading) {
    return isProperName(reading) ||
           std::all_of(reading.senses.begin(), reading.senses.end(),
                       [](const std::string& sense) { return isMinorSense(sense); });
}

// Traditional forms whose entry says no more than "variant of" go after those
// that carry the reading's own senses (時 before 旹).
struct ReadingDraft {
    Reading reading;
    std::vector<std::string> variantForms;
};

void mergeEntry(Headword& headword, std::vector<ReadingDraft>& drafts, const CedictEntry& entry,
                LexiconCounts& counts) {
    auto draft = std::find_if(drafts.begin(), drafts.end(), [&](const ReadingDraft& d) {
        return d.reading.pinyin == entry.pinyin;
    });
    if (draft == drafts.end()) {
        drafts.push_back({{entry.pinyin, {}, {}}, {}});
        draft = drafts.end() - 1;
    }
    bool ownSense = false;
    for (const std::string& sense : entry.senses) {
        if (isSeeAlso(sense)) {
            addUnique(headword.seeAlso, sense);
        } else if (isSelfVariant(sense, headword.text)) {
            ++counts.selfVariants;
        } else {
            addUnique(draft->reading.senses, sense);
            ownSense = ownSense || !isReferenceSense(sense);
        }
    }
    addUnique(ownSense ? draft->reading.traditional : draft->variantForms, entry.traditional);
    for (const std::string& classifier : entry.classifiers)
        addUnique(headword.classifiers, classifier);
}

Reading finishReading(ReadingDraft draft) {
    Reading reading = std::move(draft.reading);
    for (const std::string& form : draft.variantForms) addUnique(reading.traditional, form);
    std::stable_partition(reading.senses.begin(), reading.senses.end(),
                          [](const std::string& sense) { return !isReferenceSense(sense); });
    return reading;
}

// kHanyuPinlu counts a character's reading under its traditional or its
// simplified form.
int64_t characterReadingCount(const Headword& headword, const Reading& reading,
                              const LearnerData& learner) {
    std::string marked = toneMarkedPinyin(reading.pinyin);
    lowerMarkedCapitals(marked);
    int64_t count = 0;
    for (const std::string& form : reading.traditional)
        count = std::max(count, readingCount(learner, form, marked));
    return std::max(count, readingCount(learner, headword.text, marked));
}

constexpr int kBeyondHsk = 7;

int levelOf(const Headword& headword) {
    return headword.hskLevel > 0 ? headword.hskLevel : kBeyondHsk;
}

// The easiest examples first: fewest words above the headword's own level, then
// the shortest sentence, then corpus order; at most kMaxExamples of them.
void orderExamples(Headword& headword, const std::vector<std::vector<int>>& levels) {
    const int own = levelOf(headword);
    auto difficulty = [&](int32_t number) {
        const std::vector<int>& words = levels[static_cast<size_t>(number - 1)];
        const auto above =
            std::count_if(words.begin(), words.end(), [own](int l) { return l > own; });
        return std::tuple(above, words.size(), number);
    };
    std::vector<int32_t>& examples = headword.examples;
    std::sort(examples.begin(), examples.end(),
              [&](int32_t a, int32_t b) { return difficulty(a) < difficulty(b); });
    if (examples.size() > kMaxExamples) examples.resize(kMaxExamples);
}

bool isSingleCharacter(std::string_view text) {
    size_t characters = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    return characters == 1;
}

}  // namespace

std::string readingKey(std::string_view markedReading) {
    std::string out;
    for (const char c : markedReading) {
        if (c != '\'' && c != ' ') out.push_back(c);
    }
    return out;
}

void Lexicon::build(const std::vector<CedictEntry>& entries, GbkEncoder& encoder,
                    LexiconCounts& counts) {
    headwords_.clear();
    positions_.clear();
    std::vector<std::vector<ReadingDraft>> drafts;
    std::unordered_map<std::string, bool> refused;  // headwords already counted as left out
    for (const CedictEntry& entry : entries) {
        const auto known = positions_.find(entry.simplified);
        if (known != positions_.end()) {
            mergeEntry(headwords_[known->second], drafts[known->second], entry, counts);
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
        drafts.emplace_back();
        mergeEntry(headword, drafts.back(), entry, counts);
        headwords_.push_back(std::move(headword));
    }
    for (size_t i = 0; i < headwords_.size(); ++i) {
        for (ReadingDraft& draft : drafts[i])
            headwords_[i].readings.push_back(finishReading(std::move(draft)));
    }
    std::sort(headwords_.begin(), headwords_.end(),
              [](const Headword& a, const Headword& b) { return a.gbk < b.gbk; });
    for (size_t i = 0; i < headwords_.size(); ++i) positions_[headwords_[i].text] = i;
    // Until the corpus and the counts are known: own meanings before minor readings.
    for (Headword& headword : headwords_) {
        std::stable_partition(headword.readings.begin(), headword.readings.end(),
                              [](const Reading& r) { return !isMinorReading(r); });
    }
}

void Lexicon::assignLearnerData(const LearnerData& learner) {
    for (Headword& headword : headwords_) {
        const auto subtlex = learner.subtlex.find(headword.text);
        headword.subtlexCount = subtlex == learner.subtlex.end() ? -1 : subtlex->second.count;
        headword.subtlexContexts = subtlex == learner.subtlex.end() ? 0 : subtlex->second.contexts;
        const auto level = learner.hskLevel.find(headword.text);
        headword.hskLevel = level == learner.hskLevel.end() ? 0 : level->second;
    }
    std::vector<int64_t> counts;
    for (const Headword& headword : headwords_) {
        if (headword.subtlexCount >= 0) counts.push_back(headword.subtlexCount);
    }
    std::sort(counts.begin(), counts.end(), std::greater<>());
    auto floorFor = [&](int level) -> int64_t {
        if (level < 1 || level > kLiftedHskLevels || counts.empty()) return -1;
        const size_t rank =
            std::min(counts.size() - 1, kHskRankStep * static_cast<size_t>(level) - 1);
        return counts[rank] + 1;
    };
    for (Headword& headword : headwords_)
        headword.rankCount = std::max(headword.subtlexCount, floorFor(headword.hskLevel));
}

void Lexicon::assignExamples(const std::vector<CorpusPair>& pairs) {
    for (Headword& headword : headwords_) {
        headword.examples.clear();
        headword.corpusReadings.clear();
    }
    // Each pair's words as levels (a word of no HSK level counts as level 7).
    std::vector<std::vector<int>> levels(pairs.size());
    for (size_t i = 0; i < pairs.size(); ++i) {
        const auto number = static_cast<int32_t>(i + 1);
        const std::vector<std::string_view> words = splitAtBlanks(pairs[i].chinese);
        const std::vector<std::string_view> readings = splitAtBlanks(pairs[i].pinyin);
        for (size_t w = 0; w < words.size(); ++w) {
            const auto found = positions_.find(std::string(words[w]));
            if (found == positions_.end()) continue;
            Headword& headword = headwords_[found->second];
            if (!isPunctuationWord(words[w])) levels[i].push_back(levelOf(headword));
            if (w < readings.size()) ++headword.corpusReadings[readingKey(readings[w])];
            // A word used twice in one pair names the pair once.
            if (headword.examples.empty() || headword.examples.back() != number)
                headword.examples.push_back(number);
        }
    }
    for (Headword& headword : headwords_) orderExamples(headword, levels);
}

void Lexicon::orderReadings(const LearnerData& learner) {
    for (Headword& headword : headwords_) {
        if (headword.readings.size() < 2) continue;
        const bool character = isSingleCharacter(headword.text);
        // (the corpus uses it, its uses, minor, kHanyuPinlu's count), each best first.
        using Rank = std::tuple<bool, int64_t, bool, int64_t>;
        std::vector<std::pair<Rank, Reading>> ranked;
        for (Reading& reading : headword.readings) {
            const auto used =
                headword.corpusReadings.find(readingKey(toneMarkedPinyin(reading.pinyin)));
            const int64_t uses = used == headword.corpusReadings.end() ? 0 : used->second;
            const int64_t counted =
                character ? characterReadingCount(headword, reading, learner) : 0;
            ranked.emplace_back(Rank{uses == 0, -uses, isMinorReading(reading), -counted},
                                std::move(reading));
        }
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        headword.readings.clear();
        for (auto& [rank, reading] : ranked) headword.readings.push_back(std::move(reading));
    }
}

void Lexicon::assignFrequenciesAndTags(const FrequencyData& frequencies,
                                       const EnglishWords& english) {
    for (Headword& headword : headwords_) {
        std::string_view jiebaTag;
        const auto found = frequencies.words.find(headword.text);
        headword.count = found == frequencies.words.end() ? -1 : found->second.count;
        if (found != frequencies.words.end()) jiebaTag = found->second.tag;
        headword.tags = partOfSpeechTags(headword, jiebaTag, english);
        if (headword.hskLevel > 0)
            headword.tags.push_back("HSK" + std::to_string(headword.hskLevel));
    }
}

const Headword* Lexicon::find(std::string_view text) const {
    const auto found = positions_.find(std::string(text));
    return found == positions_.end() ? nullptr : &headwords_[found->second];
}

}  // namespace quillan::orderlex
