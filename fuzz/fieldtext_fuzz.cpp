// Any bytes as text typed into a numeric field. A real field takes a minus
// sign, digits and at most one point, and gives the float nearest to the
// text's exact value, nothing past the largest float; an integer field takes
// the same text and gives its whole part, toward zero, when that fits 32
// bits. Judged against the exact references of exactdecimal.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "exactdecimal.h"
#include "toolkit/fieldtext.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "fieldtext_fuzz: %s of \"%.*s\"\n", what, static_cast<int>(std::min<std::size_t>(text.size(), 200)),
               text.data());
  std::abort();
}

// The whole part of a field's number, when it fits 32 bits.
std::optional<double> wholePart(const kovrin::reference::RealText& text) {
  const auto& m = text.magnitude;
  if (m.power > 10) return std::nullopt;
  const std::string digits = m.power <= 0 ? "0" : (m.digits + std::string(10, '0')).substr(0, static_cast<std::size_t>(m.power));
  const long long value = (text.negative ? -1 : 1) * std::stoll(digits);
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<double>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bool typed = !text.starts_with('+');  // a field takes no plus sign
  const auto wanted = typed ? kovrin::reference::realTextValue(text, false) : std::nullopt;

  const std::optional<double> real = kovrin::parseFieldText(text, kovrin::NumberKind::Real);
  if (!wanted) {
    if (real) fail("a real read from no number", text);
  } else if (real ? static_cast<double>(static_cast<float>(*real)) != *real ||
                        !kovrin::reference::isNearestFloat(*wanted, static_cast<float>(*real), false)
                  : !kovrin::reference::isNearestFloat(*wanted, 0.0f, true)) {
    fail("a real not read as the nearest float", text);
  }

  const std::optional<double> integer = kovrin::parseFieldText(text, kovrin::NumberKind::Integer);
  const std::optional<double> wantedInteger = wanted ? wholePart(*wanted) : std::nullopt;
  if (integer != wantedInteger) fail("an integer read wrongly", text);
  return 0;
}
