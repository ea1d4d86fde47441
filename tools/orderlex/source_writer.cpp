#include "orderlex/source_writer.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "orderlex/pinyin.h"
#include "orderlex/sense_text.h"
#include "store/data_paths.h"
#include "store/dictionary_store.h"
#include "store/text_writer.h"

namespace quillan::orderlex {

namespace {

constexpr std::string_view kNull = "NULL";
constexpr std::array<std::string_view, 7> kTagGroups = {"VV", "VA", "VE", "NN", "NT", "M", "LC"};

std::string joined(const std::vector<std::string>& pieces, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out += separator;
        out += pieces[i];
    }
    return out;
}

std::string orNull(std::string field) { return field.empty() ? std::string(kNull) : field; }

void trimTrailingBlanks(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

// The reading in tone marks and GBK, cut before a character GBK lacks.
std::string readingInGbk(const Reading& reading, GbkEncoder& encoder, SourceCounts& counts) {
    std::string marked = toneMarkedPinyin(reading.pinyin);
    if (lowerMarkedCapitals(marked)) ++counts.capitalsLowered;
    GbkText gbk = encoder.encode(marked);
    if (!gbk.complete) {
        ++counts.readingsCut;
        trimTrailingBlanks(gbk.bytes);
    }
    return gbk.bytes;
}

// The senses of a reading that GBK can express; the others are counted.
std::vector<std::string> sensesInGbk(const Reading& reading, GbkEncoder& encoder,
                                     SourceCounts& counts) {
    std::vector<std::string> senses;
    for (const std::string& sense : reading.senses) {
        int64_t folded = 0;
        GbkText gbk = encoder.encodeFoldingLetters(learnerReferences(sense), folded);
        if (gbk.complete) {
            counts.lettersFolded += folded;
            senses.push_back(std::move(gbk.bytes));
        } else {
            ++counts.sensesLeftOut;
        }
    }
    return senses;
}

// The first sense of the headword cut before its first character GBK lacks.
std::string firstSenseCut(const Headword& headword, GbkEncoder& encoder) {
    for (const Reading& reading : headword.readings) {
        for (const std::string& sense : reading.senses) {
            int64_t folded = 0;
            GbkText gbk = encoder.encodeFoldingLetters(learnerReferences(sense), folded);
            trimTrailingBlanks(gbk.bytes);
            if (!gbk.bytes.empty()) return gbk.bytes;
        }
    }
    return {};
}

std::string englishField(const Headword& headword, const std::vector<std::string>& readings,
                         GbkEncoder& encoder, SourceCounts& counts) {
    std::vector<std::vector<std::string>> senses;
    size_t readingsWithSenses = 0;
    for (const Reading& reading : headword.readings) {
        senses.push_back(sensesInGbk(reading, encoder, counts));
        if (!senses.back().empty()) ++readingsWithSenses;
    }
    if (readingsWithSenses == 0) {
        std::string cut = firstSenseCut(headword, encoder);
        if (!cut.empty()) {
            ++counts.sensesCut;
            --counts.sensesLeftOut;
        }
        return cut;
    }
    std::vector<std::string> parts;
    for (size_t i = 0; i < senses.size(); ++i) {
        if (senses[i].empty()) continue;
        std::string part = joined(senses[i], "; ");
        // With several readings, each reading's senses follow its pinyin.
        if (readingsWithSenses > 1 && !readings[i].empty()) part = "[" + readings[i] + "] " + part;
        parts.push_back(std::move(part));
    }
    return joined(parts, "; ");
}

std::string traditionalField(const Headword& headword, GbkEncoder& encoder, SourceCounts& counts) {
    std::vector<std::string> forms;
    std::vector<std::string> seen;
    for (const Reading& reading : headword.readings) {
        for (const std::string& form : reading.traditional) {
            if (std::find(seen.begin(), seen.end(), form) != seen.end()) continue;
            seen.push_back(form);
            GbkText gbk = encoder.encode(form);
            if (gbk.complete) {
                forms.push_back(std::move(gbk.bytes));
            } else {
                ++counts.traditionalLeftOut;
            }
        }
    }
    return joined(forms, ", ");
}

// A usage note may not hold the ";" that separates the notes.
std::string noteText(std::string note) {
    std::replace(note.begin(), note.end(), ';', ',');
    return note;
}

std::string usageField(const Headword& headword, GbkEncoder& encoder, SourceCounts& counts) {
    std::vector<std::string> notes;
    auto add = [&](const std::string& note) {
        int64_t folded = 0;
        GbkText gbk = encoder.encodeFoldingLetters(noteText(learnerReferences(note)), folded);
        if (gbk.complete) {
            counts.lettersFolded += folded;
            notes.push_back(std::move(gbk.bytes));
        } else {
            ++counts.notesLeftOut;
        }
    };
    std::vector<std::string> classifiers;
    for (const std::string& classifier : headword.classifiers) {
        if (encoder.canExpress(classifier)) {
            classifiers.push_back(classifier);
        } else {
            ++counts.notesLeftOut;
        }
    }
    if (!classifiers.empty()) add("CL:" + joined(classifiers, ","));
    for (const std::string& reference : headword.seeAlso) add(reference);
    return joined(notes, ";");
}

std::string examplesField(const Headword& headword) {
    if (headword.examples.empty()) return {};
    std::vector<std::string> numbers;
    for (const int32_t number : headword.examples) numbers.push_back(std::to_string(number));
    const std::string group = joined(numbers, ":");
    // The look-up takes the group at the position of the selected tag, so every tag
    // gets the same group; a word without tags gets one, to show its examples.
    const size_t groups = std::max<size_t>(1, headword.tags.size());
    return joined(std::vector<std::string>(groups, group), ":::");
}

// SUBTLEX-CH's spoken-language counts first (its contexts break ties; the first
// HSK levels lifted, see Lexicon::assignLearnerData), then the words it lacks by
// jieba's count, then those neither counts, in GBK order.
bool moreFrequent(const Headword* a, const Headword* b) {
    const bool aSpoken = a->rankCount >= 0;
    const bool bSpoken = b->rankCount >= 0;
    if (aSpoken != bSpoken) return aSpoken;
    if (aSpoken) {
        if (a->rankCount != b->rankCount) return a->rankCount > b->rankCount;
        if (a->subtlexContexts != b->subtlexContexts)
            return a->subtlexContexts > b->subtlexContexts;
    }
    if (a->count != b->count) return a->count > b->count;
    return a->gbk < b->gbk;
}

}  // namespace

std::vector<FrequencyGroup> frequencyGroups(const Lexicon& lexicon) {
    std::vector<FrequencyGroup> groups;
    groups.push_back({"ALL", {}});
    for (const std::string_view code : kTagGroups) groups.push_back({std::string(code), {}});
    for (const Headword& headword : lexicon.headwords()) {
        groups[0].words.push_back(&headword);
        for (size_t g = 1; g < groups.size(); ++g) {
            if (std::find(headword.tags.begin(), headword.tags.end(), groups[g].name) !=
                headword.tags.end())
                groups[g].words.push_back(&headword);
        }
    }
    for (FrequencyGroup& group : groups)
        std::stable_sort(group.words.begin(), group.words.end(), moreFrequent);
    return groups;
}

std::string wordDictionaryLine(const Headword& headword, GbkEncoder& encoder,
                               SourceCounts& counts) {
    std::vector<std::string> readings;
    for (const Reading& reading : headword.readings)
        readings.push_back(readingInGbk(reading, encoder, counts));
    std::vector<std::string> distinctReadings;
    for (const std::string& reading : readings) {
        if (!reading.empty() && std::find(distinctReadings.begin(), distinctReadings.end(),
                                          reading) == distinctReadings.end())
            distinctReadings.push_back(reading);
    }
    const std::array<std::string, 7> fields = {
        headword.gbk,
        orNull(englishField(headword, readings, encoder, counts)),
        orNull(joined(distinctReadings, ", ")),
        orNull(traditionalField(headword, encoder, counts)),
        orNull(joined(headword.tags, ":::")),
        orNull(usageField(headword, encoder, counts)),
        orNull(examplesField(headword)),
    };
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += '\t';
        line += fields[i];
    }
    return line;
}

std::vector<std::string> sentenceRecordLines(const CorpusPair& pair, GbkEncoder& encoder) {
    std::vector<WordLink> links;
    parseLinks(pair.links, links);
    std::vector<std::string> linkTexts;
    // Written in plain decimal: the pictures name their ports by these numbers.
    for (const WordLink& link : links)
        linkTexts.push_back(std::to_string(link.chineseWord) + "-" +
                            std::to_string(link.englishToken));
    std::vector<std::string> cells;
    const auto pinyin = splitAtBlanks(pair.pinyin);
    for (size_t i = 0; i < pinyin.size(); ++i)
        cells.push_back(encoder.encode(pinyin[i]).bytes + ":" + std::to_string(i));
    return {encoder.encode(pair.chinese).bytes, pair.english, joined(linkTexts, " "),
            joined(cells, " ")};
}

int32_t writeSources(const Lexicon& lexicon, const std::vector<CorpusPair>& pairs,
                     const std::string& outputDir, GbkEncoder& encoder, SourceCounts& counts,
                     std::string& error) {
    namespace fs = std::filesystem;
    const fs::path root(outputDir);
    const std::array<fs::path, 3> targets = {
        root / paths::kWordSource, root / paths::kFrequencySource, root / paths::kSentenceSource};
    std::error_code ignored;
    fs::create_directories(targets[0].parent_path(), ignored);
    std::array<fs::path, 3> temporaries;
    for (size_t i = 0; i < targets.size(); ++i) temporaries[i] = targets[i].string() + ".part";

    auto fail = [&](const fs::path& path) {
        error = "cannot write " + path.string();
        for (const fs::path& temporary : temporaries) fs::remove(temporary, ignored);
        return -1;
    };

    TextWriter words(temporaries[0].string());
    if (!words.isOpen()) return fail(targets[0]);
    for (const Headword& headword : lexicon.headwords())
        words.writeLine(wordDictionaryLine(headword, encoder, counts));
    words.writeLine(kWordEndMarker);
    if (!words.close()) return fail(targets[0]);

    TextWriter frequencies(temporaries[1].string());
    if (!frequencies.isOpen()) return fail(targets[1]);
    const std::vector<FrequencyGroup> groups = frequencyGroups(lexicon);
    std::string header;
    for (const FrequencyGroup& group : groups) {
        if (!header.empty()) header += ' ';
        header += group.name + ":" + std::to_string(group.words.size());
    }
    frequencies.writeLine(header);
    for (const FrequencyGroup& group : groups) {
        for (const Headword* headword : group.words) frequencies.writeLine(headword->gbk);
    }
    if (!frequencies.close()) return fail(targets[1]);

    TextWriter sentences(temporaries[2].string());
    if (!sentences.isOpen()) return fail(targets[2]);
    for (const CorpusPair& pair : pairs) {
        for (const std::string& line : sentenceRecordLines(pair, encoder))
            sentences.writeLine(line);
    }
    if (!sentences.close()) return fail(targets[2]);

    for (size_t i = 0; i < targets.size(); ++i) {
        std::error_code renameError;
        fs::rename(temporaries[i], targets[i], renameError);
        if (renameError) return fail(targets[i]);
    }
    return 0;
}

}  // namespace quillan::orderlex
