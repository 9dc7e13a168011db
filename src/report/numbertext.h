// Number text: how Kovrin turns numbers into characters, shared by the load
// report, the project file and the display of the screen's real fields.
//
// Every text is computed from the exact stored single-precision value (the
// float widens to double without change). Halfway cases round away from
// zero: 0.0625 with 3 decimals is "0.063", 12.5 with no decimals is "13.".
// Not-a-number and infinite values never crash: free-form text writes them
// as "NaN", "Infinity" and "-Infinity", a field edit fills its width with
// asterisks. A negative value that rounds to zero in a fixed-decimal field
// is written without a sign ("0.000", not "-.000"), and a negative zero is
// written as zero everywhere: the text shows the value, and that is zero.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kovrin {

// Free-form integer text: the fewest digits, "-" when negative.
std::string integerText(std::int32_t value);

// Free-form real text with nine significant digits: fixed-point when
// 0.1 <= |v| < 1000000000 after rounding ("0.349999994", "12.5000000",
// "100000000."), otherwise one digit, the point, eight decimals, "E", the
// exponent's sign and two digits ("0.00000000E+00", "5.00000007E-02").
std::string realText(float value);

// Fixed-decimal field edit, right-aligned in `width`: "-" when negative, the
// digits before the point, the point, exactly `decimals` decimals. The single
// "0" before the point of a value below 1 is written only when there is room
// ("0.350" and "-.350" in width 5). Too long: `width` asterisks.
// The toolkit shows the screen's real fields with this edit, so it must stay
// exact for any width and number of decimals; a width below 1 gives "".
std::string fixedDecimalField(float value, int width, int decimals);

// Integer field edit, right-aligned in `width`; `width` asterisks when the
// text is longer.
std::string integerField(std::int32_t value, int width);

// Text field edit: right-aligned in `width`. A longer value keeps its
// leftmost `width` characters, so the fields after it stay in their columns.
std::string textField(std::string_view value, int width);

}  // namespace kovrin
