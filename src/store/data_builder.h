#pragma once
// The dictionary data builder: turns the three GBK sources under Orig_resources/
// into the files the program reads, the indexes data/bisent.index, data/wd.index
// and data/freq.index and the encoded data/_dict1.data, _dict2.data and
// _dict3.data. The running program's loaded store is not touched: new data takes
// effect at the next start. Paths are relative to the current directory, whose
// data/ folder must exist.

#include <cstdint>

namespace quillan {

// The texts the builder's callers show before and after a run.
inline constexpr const char* kDataBuilderReminder = "Please run orderlex first!";
inline constexpr const char* kDataBuilderFinished = "Finised!";
inline constexpr const char* kDataBuilderFailed =
    "Resources are not available!\nPlease try it again later or send an email to us";

// Builds the sentence, word and frequency indexes in that order, then encodes the
// frequency, word and sentence dictionaries. All three sources are checked first,
// so a missing one changes nothing under data/. Returns 0, or -1 when a source is
// missing, an index cannot be written (indexes built before it stay rebuilt, the
// data files are not touched), or a data file was not written in full.
int32_t buildDictionaryData();

}  // namespace quillan
