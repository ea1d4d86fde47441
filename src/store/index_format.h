#pragma once
// Byte layouts of the binary index files. Every integer is 32-bit
// two's-complement little-endian.
//
// data/wd.index:   N, then N slots of kSlotSize bytes: the headword, a NUL and
//                  zeros in the first kSlotTextBytes bytes, the byte offset of the
//                  headword's line in the last kCountSize bytes.
// data/freq.index: H, H header bytes (no NUL), N, then N slots laid out like the
//                  word index's; the trailing 4 bytes of a slot are zero.
// data/bisent.index: N, then N offsets of kCountSize bytes.

#include <cstddef>

namespace quillan::index_format {

inline constexpr size_t kCountSize = 4;
inline constexpr size_t kSlotSize = 260;
inline constexpr size_t kSlotTextBytes = 256;
// A slot text is at most this long; longer headwords and lines are cut to it.
inline constexpr size_t kMaxSlotText = 255;

}  // namespace quillan::index_format
