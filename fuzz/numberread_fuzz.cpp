// Any bytes as the text of the number on a project file line. readReal gives
// the float nearest to the text's exact value (halfway to even), refuses a
// value past the largest float and refuses what is no number; readWhole
// gives a whole number within 32 bits by its digits. Both are judged against
// exact references (exactdecimal.h) that share no code with the reader, for
// texts of any length and exponents of any size.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "exactdecimal.h"
#include "projectfile/projectfile.h"

namespace {

using kovrin::NumberRead;

[[noreturn]] void fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "numberread_fuzz: %s of \"%.*s\"\n", what, static_cast<int>(std::min<std::size_t>(text.size(), 200)),
               text.data());
  std::abort();
}

// A whole number by its digits: an optional sign and digits, nothing else.
NumberRead wholeReference(std::string_view text, std::int64_t& value) {
  const bool negative = text.starts_with('-');
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return NumberRead::NotANumber;
  const auto first = text.find_first_not_of('0');
  const std::string_view digits = first == std::string_view::npos ? std::string_view() : text.substr(first);
  if (digits.size() > 10) return NumberRead::OutOfRange;
  value = digits.empty() ? 0 : std::stoll(std::string(digits));
  if (negative) value = -value;
  return value < INT32_MIN || value > INT32_MAX ? NumberRead::OutOfRange : NumberRead::Ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  float real = 0;
  const NumberRead readReal = kovrin::readReal(text, real);
  const std::optional<kovrin::reference::RealText> wanted = kovrin::reference::realTextValue(text);
  if (!wanted) {
    if (readReal != NumberRead::NotANumber) fail("a real read from no number", text);
  } else if (readReal == NumberRead::NotANumber) {
    fail("a real refused as no number", text);
  } else if (!kovrin::reference::isNearestFloat(*wanted, real, readReal == NumberRead::OutOfRange)) {
    fail("a real not read as the nearest float", text);
  }

  std::int32_t whole = 0;
  std::int64_t wantedWhole = 0;
  const NumberRead readWhole = kovrin::readWhole(text, whole);
  const NumberRead wantedRead = wholeReference(text, wantedWhole);
  if (readWhole != wantedRead || (readWhole == NumberRead::Ok && whole != wantedWhole)) {
    fail("a whole number read wrongly", text);
  }
  return 0;
}
