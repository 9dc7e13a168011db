// What a name may hold, said once for every place that takes or shows one:
// the project notes' reader refuses the rest in a zone's name, the window's
// name field never takes it, and kovrin-report's text and messages show it
// escaped. A job detail may hold a little more.
#pragma once

#include <string>
#include <string_view>

#include "model/hexescape.h"
#include "model/utf8.h"

namespace kovrin {

// Not in a name: the C0 and C1 control characters and DEL, and the marks
// that turn the direction of the text after them (the embeddings and
// overrides U+202A to U+202E, the isolates U+2066 to U+2069), with which a
// name could rewrite a terminal or show its letters in another order than
// they are stored.
constexpr bool refusedInName(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// A text that a message quotes is quoted by its first 40 characters, so
// that a long paste or a long line of a file never fills the message.
inline constexpr std::size_t kQuotedCharacters = 40;

// Not in a job detail: the C0 control characters but the tab and the line
// feed (the address and the note run over lines), and DEL.
constexpr bool refusedInDetail(char32_t c) { return (c < 0x20 && c != '\t' && c != '\n') || c == 0x7F; }

// A detail as the user entered it, made into one the project file keeps: a
// carriage return, alone or before a line feed, is a line break; any other
// character refusedInDetail is left out. These are all ASCII, so the bytes
// of other UTF-8 characters pass untouched.
inline std::string keptDetail(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 == text.size() || text[i + 1] != '\n') out += '\n';
    } else if (!refusedInDetail(static_cast<unsigned char>(text[i]))) {
      out += text[i];
    }
  }
  return out;
}

// `text` as a terminal may show it: each byte of a character refusedInName
// as "\xNN", and so each byte from 0x80 to 0x9F that is part of no UTF-8
// character, which an eight-bit terminal takes as a control. Other bytes
// that are not UTF-8 are left as they are.
inline std::string terminalText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8Length(text.substr(i));
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool escaped = length == 0 ? byte >= 0x80 && byte < 0xA0 : refusedInName(utf8Value(text.substr(i), length));
    const std::size_t bytes = length == 0 ? 1 : length;
    for (std::size_t b = i; b < i + bytes; ++b) {
      if (escaped) {
        appendHexEscape(out, static_cast<unsigned char>(text[b]), "\\x", HexDigits::Lower);
      } else {
        out += text[b];
      }
    }
    i += bytes;
  }
  return out;
}

}  // namespace kovrin
