// Any 32-bit pattern as a float and as a whole number through the number
// text: the free-form text and every field edit that the screen and the
// report use (F5.3, F5.0, F3.2; whole numbers in widths 2, 5 and 8), plus one
// edit of a width and decimals taken from the input. Nothing crashes, every
// field text fills exactly its width, every text matches the exact decimal
// reference, and the free-form text of a finite float reads back with strtof
// as the same float.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "exactdecimal.h"
#include "report/numbertext.h"

namespace {

[[noreturn]] void fail(const char* what, float value, const std::string& got, const std::string& wanted) {
  std::fprintf(stderr, "numbertext_fuzz: %s of 0x%08x: got \"%s\", expected \"%s\"\n", what,
               std::bit_cast<std::uint32_t>(value), got.c_str(), wanted.c_str());
  std::abort();
}

void checkField(float value, int width, int decimals) {
  const std::string field = kovrin::fixedDecimalField(value, width, decimals);
  const std::string wanted = kovrin::reference::fixedDecimalField(value, width, decimals);
  if (field != wanted) fail("fixed-decimal field", value, field, wanted);
  if (static_cast<int>(field.size()) != (width > 0 ? width : 0)) fail("fixed-decimal field width", value, field, wanted);
}

void checkIntegerField(std::int32_t value, int width) {
  const std::string field = kovrin::integerField(value, width);
  const std::string wanted = kovrin::reference::integerField(value, width);
  if (field != wanted || static_cast<int>(field.size()) != width) {
    fail("integer field", std::bit_cast<float>(value), field, wanted);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  std::uint32_t bits = 0;
  std::memcpy(&bits, data, 4);
  const float value = std::bit_cast<float>(bits);

  const std::string text = kovrin::realText(value);
  if (std::isnan(value)) {
    if (text != "NaN") fail("free-form text", value, text, "NaN");
  } else if (std::isinf(value)) {
    if (text != (value < 0 ? "-Infinity" : "Infinity")) fail("free-form text", value, text, "Infinity");
  } else {
    const std::string wanted = kovrin::reference::realText(value);
    if (text != wanted) fail("free-form text", value, text, wanted);
    // "-1.40129846E-45" is the longest text a finite float can have.
    if (text.size() > 15) fail("free-form text length", value, text, wanted);
    const float back = std::strtof(text.c_str(), nullptr);
    const bool same = value == 0 ? back == 0 : std::bit_cast<std::uint32_t>(back) == bits;
    if (!same) fail("strtof of the free-form text", value, text, wanted);
  }

  checkField(value, 5, 3);
  checkField(value, 5, 0);
  checkField(value, 3, 2);
  const auto whole = std::bit_cast<std::int32_t>(bits);
  if (kovrin::integerText(whole) != std::to_string(whole)) fail("integer text", value, kovrin::integerText(whole), "");
  checkIntegerField(whole, 2);
  checkIntegerField(whole, 5);
  checkIntegerField(whole, 8);

  // Any other format the toolkit may be given.
  if (size >= 6) checkField(value, data[4] % 41, data[5] % 21);
  return 0;
}
