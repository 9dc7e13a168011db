#include "report/lines.h"

#include <algorithm>

#include "report/numbertext.h"

namespace kovrin {

FreeFormLine& FreeFormLine::text(std::string_view value) {
  // Texts are written exactly as they stand, trailing blanks included; two
  // texts in a row are joined without a blank.
  m_line += value;
  m_owedBlank = true;
  m_lastWasNumber = false;
  return *this;
}

FreeFormLine& FreeFormLine::integer(std::int32_t value) { return number(integerText(value)); }

FreeFormLine& FreeFormLine::real(float value) { return number(realText(value)); }

FreeFormLine& FreeFormLine::number(const std::string& text) {
  if (m_owedBlank) m_line += ' ';
  m_owedBlank = false;
  m_line += text;
  m_line += ' ';
  m_lastWasNumber = true;
  return *this;
}

std::string FreeFormLine::str() const {
  std::string line = m_line;
  // The blank after a number separates it from what follows; at the end of
  // the line nothing follows.
  if (m_lastWasNumber) line.pop_back();
  line += kLineEnd;
  return line;
}

std::string emptyLine() { return FreeFormLine().str(); }

std::string columnLine(std::string_view label, std::span<const ColumnField> fields) {
  std::string line(label);
  for (const ColumnField& field : fields) {
    // Characters that would fall before column 1 have no position to go to.
    std::string_view text = field.text;
    long first = static_cast<long>(field.start) - 1;
    if (first < 0) {
      const auto skip = std::min(text.size(), static_cast<std::size_t>(-first));
      text.remove_prefix(skip);
      first = 0;
    }
    if (text.empty()) continue;
    const auto at = static_cast<std::size_t>(first);
    // The line ends at the last position written, by the label or any field.
    if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
    line.replace(at, text.size(), text);
  }
  line += kLineEnd;
  return line;
}

}  // namespace kovrin
