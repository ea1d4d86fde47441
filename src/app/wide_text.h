#pragma once
// The window's QString text meets the GBK bytes of the dictionaries here, through
// the shared toGbk / fromGbk conversion (UTF-16 on both sides, no copy on the way in).

#include <QString>
#include <string>
#include <string_view>

#include "store/text_conversion.h"

namespace quillan {

inline std::u16string_view wideView(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

inline std::string toGbkText(const QString& text) { return toGbk(wideView(text)); }

inline QString fromGbkText(std::string_view gbk) { return QString::fromStdU16String(fromGbk(gbk)); }

}  // namespace quillan
