#include "report/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kovrin {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct RealCase {
  const char* name;
  float value;
  const char* text;
};

TEST(NumberText, FreeFormRealHasNineSignificantDigitsOfTheStoredValue) {
  const RealCase cases[] = {
      {"one", 1.0f, "1.00000000"},
      {"quarter", 0.25f, "0.250000000"},
      {"0.15 as stored", 0.15f, "0.150000006"},
      {"0.35 as stored", 0.35f, "0.349999994"},
      {"12.5", 12.5f, "12.5000000"},
      {"78", 78.0f, "78.0000000"},
      {"1500", 1500.0f, "1500.00000"},
      {"negative", -2.5f, "-2.50000000"},
      {"nine digits before the point", 100000000.0f, "100000000."},
      {"largest fixed-point float", 999999936.0f, "999999936."},
      {"123456789 as stored", 123456789.0f, "123456792."},
      {"0.1 is at the limit", 0.1f, "0.100000001"},
      {"float below 0.1", std::nextafter(0.1f, 0.0f), "9.99999940E-02"},
      {"0.09", 0.09f, "9.00000036E-02"},
      {"negative small", -0.09f, "-9.00000036E-02"},
      {"0.05", 0.05f, "5.00000007E-02"},
      {"zero", 0.0f, "0.00000000E+00"},
      {"negative zero is zero", -0.0f, "0.00000000E+00"},
      {"one billion", 1000000000.0f, "1.00000000E+09"},
      {"largest float", std::numeric_limits<float>::max(), "3.40282347E+38"},
      {"smallest float", std::numeric_limits<float>::denorm_min(), "1.40129846E-45"},
      // 1048576.125 has ten digits ending in 5: away from zero, where printf
      // would round to even and print 1048576.12.
      {"tie rounds away from zero", 1048576.125f, "1048576.13"},
      {"negative tie", -1048576.125f, "-1048576.13"},
      {"not a number", kNaN, "NaN"},
      {"infinity", kInf, "Infinity"},
      {"negative infinity", -kInf, "-Infinity"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(realText(c.value), c.text);
  }
}

struct FieldCase {
  const char* name;
  float value;
  int width;
  int decimals;
  const char* text;
};

TEST(NumberText, FixedDecimalField) {
  const FieldCase cases[] = {
      {"room for the zero", 0.35f, 5, 3, "0.350"},
      {"no room for the zero", -0.35f, 5, 3, "-.350"},
      {"too long", -1.0f, 5, 3, "*****"},
      {"fits without decimals", 9999.4f, 5, 0, "9999."},
      {"rounds up past the width", 9999.5f, 5, 0, "*****"},
      {"zero without decimals", 0.0f, 5, 0, "   0."},
      {"zero with decimals", 0.0f, 5, 3, "0.000"},
      {"tie, 3 decimals", 0.0625f, 5, 3, "0.063"},
      {"negative tie", -0.0625f, 6, 3, "-0.063"},
      {"tie, no decimals", 12.5f, 5, 0, "  13."},
      {"negative tie, no decimals", -12.5f, 5, 0, " -13."},
      {"tie not to even", 0.125f, 4, 2, "0.13"},
      {"tie 2.5", 2.5f, 3, 0, " 3."},
      {"half rounds to one", 0.5f, 2, 0, "1."},
      {"area", 120.0f, 5, 0, " 120."},
      {"duct multiplier", 0.25f, 3, 2, ".25"},
      {"duct multiplier one", 1.0f, 3, 2, "***"},
      {"rounds into a new digit", 99.995f, 6, 2, "100.00"},
      {"negative rounding to zero has no sign", -0.0004f, 5, 3, "0.000"},
      {"negative zero", -0.0f, 5, 3, "0.000"},
      {"negative rounding to zero, narrow", -0.0004f, 4, 3, ".000"},
      {"smallest float", std::numeric_limits<float>::denorm_min(), 5, 3, "0.000"},
      {"exact digits of the largest float", std::numeric_limits<float>::max(), 45, 1,
       "    340282346638528859811704183484516925440.0"},
      {"large value", 1e30f, 10, 0, "**********"},
      {"not a number", kNaN, 5, 3, "*****"},
      {"infinity", kInf, 5, 0, "*****"},
      {"negative infinity", -kInf, 10, 3, "**********"},
      {"no width", 1.0f, 0, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(fixedDecimalField(c.value, c.width, c.decimals), c.text);
  }
}

TEST(NumberText, IntegerTextAndField) {
  EXPECT_EQ(integerText(0), "0");
  EXPECT_EQ(integerText(-5), "-5");
  EXPECT_EQ(integerText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  const struct {
    std::int32_t value;
    int width;
    const char* text;
  } cases[] = {
      {100, 2, "**"}, {-10, 2, "**"}, {-9, 2, "-9"}, {7, 3, "  7"}, {0, 1, "0"},
      {std::numeric_limits<std::int32_t>::min(), 11, "-2147483648"},
      {std::numeric_limits<std::int32_t>::min(), 10, "**********"}, {5, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(integerField(c.value, c.width), c.text);
  }
}

TEST(NumberText, TextField) {
  EXPECT_EQ(textField("abc", 5), "  abc");
  EXPECT_EQ(textField("ab ", 4), " ab ");
  EXPECT_EQ(textField("abc", 3), "abc");
  EXPECT_EQ(textField("abcdef", 3), "abc");
  EXPECT_EQ(textField("", 2), "  ");
}

}  // namespace
}  // namespace kovrin
