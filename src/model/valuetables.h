// What the model's tables of choices and values have in common. A table
// describes the members of an enum, one row each, in the enum's order, so
// that a member's row is found by its number; each table checks that order
// when it is compiled. A row of a number says the range a user may enter.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kovrin {

// A choice as the notes and kovrin-report's JSON write it ("word") and as the
// dialog and the reports say it ("text").
template <class Choice>
struct ChoiceWording {
  Choice choice;
  std::string_view word;
  std::string_view text;
};

// The row of `key` in a table listed in the order of its enum.
template <class Row, std::size_t N, class Key>
constexpr const Row& rowOf(const std::array<Row, N>& table, Key key) {
  return table[static_cast<std::size_t>(key)];
}

template <class Choice, std::size_t N>
constexpr const ChoiceWording<Choice>& wordingOf(const std::array<ChoiceWording<Choice>, N>& table, Choice choice) {
  return rowOf(table, choice);
}

// Whether each row of `table` stands at the number of its member `key`.
template <class Row, std::size_t N, class Key>
constexpr bool listedInOrder(const std::array<Row, N>& table, Key Row::*key) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(table[i].*key) != i) return false;
  }
  return true;
}

// A number a user enters: its key in the project notes and its member in
// kovrin-report's JSON, what the dialogs and the reports call it, its unit,
// the range a user may enter, and what counts while none is entered, where
// a figure does (none for most).
template <class Value>
struct NumberRow {
  Value value;
  std::string_view noteKey;
  std::string_view jsonKey;
  std::string_view name;
  std::string_view unit;
  double minimum;
  double maximum;
  bool whole;
  std::optional<double> proposal{};
};

// The range of a number a user may enter, as the tables of values give it.
struct NumberRange {
  double minimum;
  double maximum;
  bool whole;
};
template <class Row>
constexpr NumberRange numberRange(const Row& row) {
  return {row.minimum, row.maximum, row.whole};
}

// Whether `number` may be entered by `range` (a row with a minimum, a
// maximum and whether it must be whole): within the range, and whole where
// it must be. Not-a-number is never in range.
template <class Range>
constexpr bool withinRange(const Range& range, double number) {
  if (!(number >= range.minimum && number <= range.maximum)) return false;
  return !range.whole || static_cast<double>(static_cast<long long>(number)) == number;
}

}  // namespace kovrin
