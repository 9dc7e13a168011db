// The program's texts as Qt strings. The program hands the toolkit UTF-8
// (labels and units hold "°" and "²") in blank-padded fixed-length texts.
#pragma once

#include <QString>

#include <string_view>

namespace kovrin {

inline QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text to stand in a window's title as it is: "[*]" is where a title
// shows the mark of unsaved changes, and one that the text holds is doubled.
inline QString titleTextAsIs(QString text) { return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")); }

// A fixed-length text without the blanks that pad it.
inline std::string_view trimTrailingBlanks(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace kovrin
