// Lines of the load report and of the project file: free-form lines, empty
// lines and column lines. Every line ends with a carriage return and a line
// feed; no line is wrapped.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kovrin {

inline constexpr std::string_view kLineEnd = "\r\n";

// A free-form line: one blank, then the items. A text item is written as it
// stands and owes a blank to a following number; a number is followed by one
// blank, dropped at the end of the line.
class FreeFormLine {
 public:
  FreeFormLine& text(std::string_view value);
  FreeFormLine& integer(std::int32_t value);
  FreeFormLine& real(float value);
  // The finished line with its CR LF.
  std::string str() const;

 private:
  FreeFormLine& number(const std::string& text);

  std::string m_line = " ";
  bool m_owedBlank = false;
  bool m_lastWasNumber = false;
};

// An empty line: a single blank and CR LF.
std::string emptyLine();

// A field of a column line: its text (already edited to its width by one of
// the field edits of numbertext.h) and its start column, counted from 1.
struct ColumnField {
  int start;
  std::string text;
};

// A column line: the label from column 1, each field written at its columns
// (later fields overwrite earlier ones), blanks elsewhere; the line ends at
// the last position written. CR LF appended.
std::string columnLine(std::string_view label, std::span<const ColumnField> fields);

}  // namespace kovrin
