#include "orderlex/sense_text.h"

#include <array>

#include "orderlex/pinyin.h"

namespace quillan::orderlex {

namespace {

bool isAsciiByte(char c) { return static_cast<unsigned char>(c) < 0x80; }

// The start of the headword before a '[' at `open`: the run of non-ASCII bytes,
// '|' and '·' (the middle dot of foreign names is non-ASCII too) before it.
size_t headwordStart(std::string_view text, size_t open) {
    size_t start = open;
    while (start > 0 && (!isAsciiByte(text[start - 1]) || text[start - 1] == '|')) --start;
    return start;
}

// Numbered pinyin such as "da3 san3" or "Xi1 an1" or "lu:4": letters, tone
// digits, blanks, colons and commas.
bool isNumberedPinyin(std::string_view text) {
    bool digit = false;
    bool letter = false;
    for (const char c : text) {
        if (c >= '1' && c <= '5') {
            digit = true;
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            letter = true;
        } else if (c != ' ' && c != ':' && c != ',') {
            return false;
        }
    }
    return digit && letter;
}

// The simplified form of a "TRAD|SIMP" or "SIMP" reference.
std::string_view simplifiedOf(std::string_view reference) {
    const size_t bar = reference.find('|');
    return bar == std::string_view::npos ? reference : reference.substr(bar + 1);
}

constexpr std::array<std::string_view, 6> kMinorPrefixes = {
    "surname", "(literary)", "(archaic)", "(classical)", "old name for", "(old)"};

}  // namespace

bool isReferenceSense(std::string_view sense) {
    return sense.starts_with("used in") || sense.starts_with("see ") ||
           sense.find("variant of") != std::string_view::npos;
}

bool isMinorSense(std::string_view sense) {
    if (isReferenceSense(sense)) return true;
    for (const std::string_view prefix : kMinorPrefixes) {
        if (sense.starts_with(prefix)) return true;
    }
    // "smile (archaic)": a note after the gloss marks the whole sense.
    return sense.ends_with("(archaic)") || sense.ends_with("(literary)");
}

bool isSelfVariant(std::string_view sense, std::string_view headword) {
    constexpr std::string_view kVariantOf = "variant of ";
    const size_t at = sense.find(kVariantOf);
    if (at == std::string_view::npos) return false;
    // Only a qualifier may come before: "old variant of", "(old) variant of".
    if (sense.substr(0, at).find_first_of(",;") != std::string_view::npos) return false;
    std::string_view reference = sense.substr(at + kVariantOf.size());
    const size_t open = reference.find('[');
    const size_t close = open == std::string_view::npos ? open : reference.find(']', open);
    std::string_view rest;
    if (close != std::string_view::npos) {
        rest = reference.substr(close + 1);
        reference = reference.substr(0, open);
    }
    return simplifiedOf(reference) == headword &&
           rest.find_first_not_of(" .") == std::string_view::npos;
}

std::string learnerReferences(std::string_view text) {
    std::string out;
    size_t done = 0;
    for (size_t open = text.find('['); open != std::string_view::npos;
         open = text.find('[', open + 1)) {
        const size_t close = text.find(']', open);
        if (close == std::string_view::npos) break;
        const std::string_view pinyin = text.substr(open + 1, close - open - 1);
        const size_t start = headwordStart(text, open);
        if (start < done || !isNumberedPinyin(pinyin)) continue;
        std::string marked = toneMarkedPinyin(pinyin);
        lowerMarkedCapitals(marked);
        out.append(text.substr(done, start - done));
        // "Taiwan pr. [han4]" names a reading alone.
        if (start < open) {
            out.append(simplifiedOf(text.substr(start, open - start)));
            out += ' ';
        }
        out += marked;
        done = close + 1;
    }
    out.append(text.substr(done));
    return out;
}

}  // namespace quillan::orderlex
