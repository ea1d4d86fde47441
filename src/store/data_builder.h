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

// The new files of a build are written beside the old ones under this suffix
// ("data/wd.index.new"); the marker file says that all six are complete.
inline constexpr const char* kPendingSuffix = ".new";
inline constexpr const char* kDataUpdateMarker = "data/update.pending";

// Builds the sentence, word and frequency indexes in that order, then encodes the
// frequency, word and sentence dictionaries, all six under their pending names;
// only when all six are complete and on the disk do they replace the old files.
// Returns 0, or -1 when a source is missing, or a file cannot be written in full
// or cannot replace its old file; every old file is then left byte for byte and
// no pending file remains.
int32_t buildDictionaryData();

// Finishes an update whose six files were complete when its build stopped (the
// marker is there): renames what is still pending over the old files. Run before
// the indexes are loaded, so that a reader never sees new indexes with old data
// files or the reverse. Returns 0 (also when there is nothing to do), or -1 when
// a rename fails.
int32_t completePendingDataUpdate();

}  // namespace quillan
