#pragma once
// The data files of the dictionary, all relative to the process's current directory.

namespace quillan::paths {

inline constexpr const char* kDataDir = "data";

inline constexpr const char* kWordIndex = "data/wd.index";
inline constexpr const char* kFrequencyIndex = "data/freq.index";
inline constexpr const char* kSentenceIndex = "data/bisent.index";
inline constexpr const char* kFrequencyData = "data/_dict1.data";
inline constexpr const char* kWordData = "data/_dict2.data";
inline constexpr const char* kSentenceData = "data/_dict3.data";
inline constexpr const char* kConfig = "data/config.data";
inline constexpr const char* kResultPage = "data/displayResult.html";

inline constexpr const char* kWordSource = "Orig_resources/word.dict.finalGBK";
inline constexpr const char* kFrequencySource = "Orig_resources/freq.dictGBK";
inline constexpr const char* kSentenceSource = "Orig_resources/bisent.dataGBK";

}  // namespace quillan::paths
