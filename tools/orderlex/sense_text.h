#pragma once
// The kinds of CC-CEDICT senses a learner's entry treats apart, and the learner's
// form of CC-CEDICT's cross-references.

#include <string>
#include <string_view>

namespace quillan::orderlex {

// "used in ...", "see ...", "(old) variant of ...": a sense that only points at
// another word.
bool isReferenceSense(std::string_view sense);

// A sense a reading keeps when nothing better is there: a reference, a surname,
// or a literary or archaic use.
bool isMinorSense(std::string_view sense);

// "variant of 時|时[shi2]" (with any qualifier) under the headword 时: a sense that
// says no more than that the headword is a variant of itself.
bool isSelfVariant(std::string_view sense, std::string_view headword);

// Rewrites CC-CEDICT's references for a learner: "打傘|打伞[da3 san3]" and
// "打伞[da3 san3]" become "打伞 dǎsǎn" (the simplified form and tone marks), and
// a reading alone, "Taiwan pr. [han4]", becomes "Taiwan pr. hàn". Text without
// references comes back unchanged.
std::string learnerReferences(std::string_view text);

}  // namespace quillan::orderlex
