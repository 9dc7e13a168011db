// Number text against an exact decimal reference over many floats: random
// bit patterns (fixed seed), typed-looking values and the edge classes where
// a text goes wrong first: zeros, subnormals, the neighbours of every power
// of ten, the 0.1 and 10^9 limits of the fixed-point form, and values whose
// rounding is an exact tie.
#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "exactdecimal.h"
#include "report/numbertext.h"

namespace kovrin {
namespace {

// The edits that the screen and the report use: the real fields' display
// formats (F5.3, F5.0, F3.2) and the report's columns (width 5 with 3 or 0
// decimals); integer columns of widths 2, 5 and 8.
struct Edit {
  int width;
  int decimals;
};
constexpr Edit kFixedEdits[] = {{5, 3}, {5, 0}, {3, 2}};
constexpr int kIntegerWidths[] = {2, 5, 8};

std::string hexBits(float value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", std::bit_cast<std::uint32_t>(value));
  return text;
}

// Checks a float against every property and counts failures, reporting only
// the first few so that a broken rule does not flood the log.
class FloatChecker {
 public:
  void check(float value) {
    ++m_checked;
    const std::string text = realText(value);
    if (std::isnan(value)) {
      expect(text == "NaN", value, "free-form NaN", text, "NaN");
    } else if (std::isinf(value)) {
      const char* wanted = value < 0 ? "-Infinity" : "Infinity";
      expect(text == wanted, value, "free-form infinity", text, wanted);
    } else {
      const std::string wanted = reference::realText(value);
      expect(text == wanted, value, "free-form", text, wanted);
      // Nine significant digits name every float again; a negative zero is
      // written as zero and comes back as zero.
      const float back = std::strtof(text.c_str(), nullptr);
      const bool same = value == 0 ? back == 0 && !std::signbit(back)
                                   : std::bit_cast<std::uint32_t>(back) == std::bit_cast<std::uint32_t>(value);
      expect(same, value, "strtof of the free-form text", hexBits(back), hexBits(value));
    }
    for (const Edit& edit : kFixedEdits) checkField(value, edit.width, edit.decimals);
  }

  void checkField(float value, int width, int decimals) {
    const std::string field = fixedDecimalField(value, width, decimals);
    const std::string wanted = reference::fixedDecimalField(value, width, decimals);
    const std::string what = "F" + std::to_string(width) + "." + std::to_string(decimals);
    expect(field == wanted, value, what, field, wanted);
    expect(static_cast<int>(field.size()) == width, value, what + " width", field, wanted);
  }

  int checked() const { return m_checked; }

 private:
  void expect(bool ok, float value, const std::string& what, const std::string& got, const std::string& wanted) {
    if (ok) return;
    if (++m_failures <= 10) {
      ADD_FAILURE() << what << " of " << hexBits(value) << " (" << static_cast<double>(value) << "): got \"" << got
                    << "\", expected \"" << wanted << "\"";
    }
  }

  int m_checked = 0;
  int m_failures = 0;
};

float fromBits(std::uint32_t bits) { return std::bit_cast<float>(bits); }

// The reference itself must be right before it can judge: a few values
// worked out by hand.
TEST(NumberTextProperty, ReferenceAgreesWithHandWorkedValues) {
  struct Case {
    float value;
    const char* text;
  };
  const Case freeForm[] = {
      {0.15f, "0.150000006"},           {0.05f, "5.00000007E-02"},  {1048576.125f, "1048576.13"},
      {std::numeric_limits<float>::denorm_min(), "1.40129846E-45"}, {-0.0f, "0.00000000E+00"},
      {std::numeric_limits<float>::max(), "3.40282347E+38"},       {100000000.0f, "100000000."},
  };
  for (const auto& c : freeForm) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(reference::realText(c.value), c.text);
  }
  EXPECT_EQ(reference::fixedDecimalField(0.0625f, 5, 3), "0.063");
  EXPECT_EQ(reference::fixedDecimalField(-0.35f, 5, 3), "-.350");
  EXPECT_EQ(reference::fixedDecimalField(9999.5f, 5, 0), "*****");
  EXPECT_EQ(reference::fixedDecimalField(0.0f, 5, 0), "   0.");
  EXPECT_EQ(reference::integerField(INT32_MIN, 8), "********");
}

// Zero is a value below 1 like any other: its "0" before the point is the
// optional one, left out when the field has no room (F3.2 shows ".00").
TEST(NumberTextProperty, ZeroInNarrowFieldsDropsItsOptionalZero) {
  struct Case {
    float value;
    int width;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0.0f, 3, 2, ".00"},   {-0.0f, 3, 2, ".00"},  {0.001f, 3, 2, ".00"},
      {0.0f, 4, 2, "0.00"},  {0.0f, 5, 3, "0.000"}, {0.0f, 5, 0, "   0."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fixedDecimalField(c.value, c.width, c.decimals), c.text);
  }
}

TEST(NumberTextProperty, EdgeClassesMatchTheExactReference) {
  struct EdgeClass {
    const char* name;
    std::vector<float> values;
  };
  std::vector<EdgeClass> classes;

  classes.push_back({"zeros and limits",
                     {0.0f, -0.0f, std::numeric_limits<float>::min(), std::numeric_limits<float>::max(),
                      -std::numeric_limits<float>::max(), std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()}});

  EdgeClass subnormals{"subnormals", {}};
  for (std::uint32_t bits : {1u, 2u, 3u, 0x7fffffu, 0x400000u, 0x12345u, 0x7ffffeu}) {
    subnormals.values.push_back(fromBits(bits));
    subnormals.values.push_back(-fromBits(bits));
  }
  classes.push_back(subnormals);

  // The float nearest each power of ten and four neighbours on each side;
  // this covers the 0.1 and 10^9 limits of the fixed-point form and the
  // places where rounding to nine digits carries into a new digit.
  EdgeClass powers{"neighbours of powers of ten", {}};
  for (int k = -45; k <= 38; ++k) {
    const std::string text = "1e" + std::to_string(k);
    float v = std::strtof(text.c_str(), nullptr);
    for (int i = 0; i < 4; ++i) v = std::nextafter(v, 0.0f);
    for (int i = 0; i < 9; ++i, v = std::nextafter(v, std::numeric_limits<float>::infinity())) {
      powers.values.push_back(v);
      powers.values.push_back(-v);
    }
  }
  classes.push_back(powers);

  // Exact ties of the nine-digit rounding: odd multiples of 2^-k have exactly
  // k decimals, so a value with ten significant digits ends in a 5. Halfway
  // cases of the field edits: odd multiples of 2^-(d+1) have d+1 decimals.
  EdgeClass nineDigitTies{"nine-digit ties", {}};
  EdgeClass fieldTies{"field-edit ties", {}};
  std::mt19937 random(20261207);
  for (int k = 1; k <= 40; ++k) {
    for (int n = 0; n < 400; ++n) {
      const auto m = static_cast<std::uint32_t>(random() % (1u << 24)) | 1u;
      const float v = std::ldexp(static_cast<float>(m), -k);
      if (reference::isSignificantTie(reference::exact(v), 9)) {
        nineDigitTies.values.push_back(v);
        nineDigitTies.values.push_back(-v);
      }
    }
  }
  for (int decimals : {0, 2, 3}) {
    for (std::uint32_t m = 1; m < 6000; m += 2) fieldTies.values.push_back(std::ldexp(static_cast<float>(m), -(decimals + 1)));
    for (std::uint32_t m = 1; m < 2000; m += 2) fieldTies.values.push_back(-std::ldexp(static_cast<float>(m), -(decimals + 1)));
  }
  ASSERT_GT(nineDigitTies.values.size(), 100u) << "the tie generator found too few ties to mean anything";
  classes.push_back(nineDigitTies);
  classes.push_back(fieldTies);

  for (const auto& edgeClass : classes) {
    SCOPED_TRACE(edgeClass.name);
    FloatChecker checker;
    for (float v : edgeClass.values) checker.check(v);
  }
}

TEST(NumberTextProperty, RandomBitPatternsMatchTheExactReference) {
  std::mt19937 random(4001);
  FloatChecker checker;
  for (int i = 0; i < 25000; ++i) checker.check(fromBits(static_cast<std::uint32_t>(random())));
  // Values as a user types them: up to three decimals, up to 100000.
  for (int i = 0; i < 10000; ++i) {
    const float typed = static_cast<float>(static_cast<int>(random() % 100000000) - 1000000) / 1000.0f;
    checker.check(typed);
  }
  EXPECT_EQ(checker.checked(), 35000);
}

TEST(NumberTextProperty, AnyFieldWidthAndDecimalsMatchTheExactReference) {
  // The toolkit shows real fields with whatever format it is given, so the
  // edit must be exact beyond the formats in use today.
  std::mt19937 random(77);
  FloatChecker checker;
  for (int i = 0; i < 20000; ++i) {
    const float v = i % 2 == 0 ? fromBits(static_cast<std::uint32_t>(random()))
                               : static_cast<float>(static_cast<int>(random() % 2000000) - 1000000) / 64.0f;
    checker.checkField(v, 1 + static_cast<int>(random() % 24), static_cast<int>(random() % 13));
  }
}

TEST(NumberTextProperty, IntegerTextAndFields) {
  std::vector<std::int32_t> values = {0,  1,   -1,  9,      10,      -9,        -10,      99,         100,
                                      -99, 99999, 100000, -9999, -10000, 99999999, 100000000, -9999999, -10000000,
                                      INT32_MAX, INT32_MIN};
  std::mt19937 random(99);
  for (int i = 0; i < 20000; ++i) {
    const auto bits = static_cast<std::uint32_t>(random());
    // Half of them small, where the field widths matter.
    values.push_back(i % 2 == 0 ? std::bit_cast<std::int32_t>(bits) : static_cast<std::int32_t>(bits % 2000001) - 1000000);
  }
  int failures = 0;
  for (std::int32_t v : values) {
    const std::string wantedText = reference::integerField(v, 11);
    const std::string text = integerText(v);
    if (std::string(11 - text.size(), ' ') + text != wantedText && ++failures <= 10) {
      ADD_FAILURE() << "integer text of " << v << ": " << text;
    }
    for (int width : kIntegerWidths) {
      if (integerField(v, width) != reference::integerField(v, width) && ++failures <= 10) {
        ADD_FAILURE() << "I" << width << " of " << v << ": \"" << integerField(v, width) << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace kovrin
