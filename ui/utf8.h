#pragma once
// Captions, titles and messages are kept as UTF-8 text; Qt wants UTF-16.
#include <string_view>

#include <QString>

namespace ui {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace ui
