#pragma once
// Alignment pictures: each example pair written as DOT text to tmp/<n>.txt and
// rendered by Graphviz (libgvc, "dot" layout, "png" output) to tmp/<n>.png.

#include <cstdint>
#include <string>
#include <string_view>

#include "examples/sentence_store.h"

namespace quillan {

// The DOT text of one pair, with the looked-up word (GBK) in blue at its last
// occurrence. Texts inside the labels are escaped for HTML-like labels.
std::string composeAlignmentDot(const SentencePair& pair, std::string_view word);

// Draws every example of the set for the looked-up word. Stops at the first
// tmp/<n>.txt that cannot be created or written in full. Returns the number of
// examples whose files this call wrote (pictures 0 .. result - 1); 0 when
// examples or word is empty.
int32_t drawAlignmentGraphs(const ExampleSet& examples, std::string_view word);

}  // namespace quillan
