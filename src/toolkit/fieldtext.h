// Reading the text a user types into a numeric field of the input screen.
//
// This is the toolkit's one rule for typed numbers, kept free of Qt so that
// it can be tested and fuzzed on its own. A real field takes an optional
// minus sign, digits and at most one point, converted once, correctly
// rounded, to single precision; an integer field takes the same text and
// drops the fraction toward zero, and the whole number must fit 32 bits.
// Text with anything else (blanks inside, letters, an exponent, a second
// point, a value too large for its kind) is no number.
#pragma once

#include <optional>
#include <string_view>

namespace kovrin {

enum class NumberKind { Integer, Real };

// Whether typed text is written as a number (a sign, digits and one point),
// whether or not a field can hold it.
bool isNumberText(std::string_view text);
// The value of typed text (without surrounding blanks) in a field of `kind`;
// nothing when it is no number of that kind. The value of a real field is
// the single-precision number widened to double.
std::optional<double> parseFieldText(std::string_view text, NumberKind kind);

}  // namespace kovrin
