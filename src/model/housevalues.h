// The house's own values beside its zones: the air and the people that the
// design load adds to the rooms' loads (outdoor air that leaks in or is
// brought in, occupants, appliances, moisture), the airflow of the whole
// system and the orientation the equipment is sized for.
//
// Each number is "not entered" until the user sets it, and a value that is
// not entered counts as 0 in the formulas. They travel with the project file
// in its notes, written only when entered, so a project without them is the
// file it always was.
//
// The numbers are kept in double precision, as the user's decimal entry
// reads: unlike the page tables they never pass through the 750 values, and
// a double holds every decimal a person types (up to 15 significant digits)
// closely enough that the shortest text reading back to it is the text
// typed. The notes write that shortest text, so a value comes back bit for
// bit and "0.35" stays "0.35", not "0.349999994". Occupants and the system
// airflow are whole numbers, held exactly in the same doubles.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/constanttext.h"
#include "model/valuetables.h"

namespace kovrin {

enum class HouseValue : int {
  FloorArea,                    // conditioned floor area of the house
  CeilingHeight,                // average ceiling height
  LeakageAchWinter,             // air changes per hour by leakage, winter
  LeakageAchSummer,             // the same in summer
  VentilationCfm,               // mechanical ventilation
  VentilationSensibleRecovery,  // per cent of the sensible heat recovered
  VentilationLatentRecovery,    // per cent of the latent heat recovered
  Occupants,                    // people, a whole number
  Appliances,                   // sensible heat of appliances and lights
  MoistureDifference,           // outdoor - indoor humidity ratio at cooling design
  SystemAirflow,                // airflow of the whole system, whole CFM
};
inline constexpr int kHouseValues = 11;
// The first ten are the air and the people of the design load.
inline constexpr int kAirAndPeopleValues = 10;

// What the system airflow proposes while none is entered: this many CFM a
// ton of the cooling load the equipment is sized for.
inline constexpr std::int64_t kCfmPerTon = 400;

namespace hintparts {
inline constexpr std::string_view kSystemAirflowBefore = "The blower's airflow at cooling speed; proposed: ";
inline constexpr std::string_view kCfmPerTon = DecimalText<kovrin::kCfmPerTon>::value;
inline constexpr std::string_view kSystemAirflowAfter = " CFM a ton.";
}  // namespace hintparts
inline constexpr std::string_view kSystemAirflowHint =
    JoinedText<hintparts::kSystemAirflowBefore, hintparts::kCfmPerTon, hintparts::kSystemAirflowAfter>::value;

// Everything the program says of a value: its key in the project file's
// notes and its member in kovrin-report's JSON, its name and unit, a line
// on how a user finds it, and the range a user may enter. The proposal is
// what a dialog offers while nothing is entered (none where it has no fixed
// one: the floor area proposes the zones' sum and the system airflow CFM a
// ton, both from the design).
//
// The table's order is the one the notes write them in and the dialog, the
// report and kovrin-report list them in.
struct HouseValueRange {
  HouseValue value;
  std::string_view fileKey;  // its key in the project file's notes
  std::string_view jsonKey;  // its member in kovrin-report's JSON
  std::string_view name;
  std::string_view unit;
  std::string_view hint;  // how a user gets it, in one line
  double minimum;
  double maximum;
  bool whole;
  std::optional<double> proposal;
};

inline constexpr std::array<HouseValueRange, kHouseValues> kHouseValueRanges = {{
    {HouseValue::FloorArea, "floor area", "floorArea", "Conditioned floor area", "ft\u00b2",
     "All conditioned storeys; proposed: the zones' floor areas added up.", 1, 100000, false, std::nullopt},
    {HouseValue::CeilingHeight, "ceiling height", "ceilingHeight", "Average ceiling height", "ft",
     "The rooms' average height, from the plans.", 6, 30, false, 8.0},
    {HouseValue::LeakageAchWinter, "leakage ach winter", "leakageAchWinter", "Air changes by leakage, winter", "1/h",
     "A blower-door ACH50 / 20, or 0.35 tight, 0.5 average, 1 loose.", 0, 5, false, 0.5},
    {HouseValue::LeakageAchSummer, "leakage ach summer", "leakageAchSummer", "Air changes by leakage, summer", "1/h",
     "Usually half the winter figure: less wind, a smaller difference.", 0, 5, false, 0.25},
    {HouseValue::VentilationCfm, "ventilation cfm", "ventilationCfm", "Mechanical ventilation", "CFM",
     "The fan's rated CFM, or ASHRAE 62.2-2016: 0.03 \u00D7 ft\u00B2 + 7.5 \u00D7 (bedrooms + 1).", 0,
     2000, false, std::nullopt},
    {HouseValue::VentilationSensibleRecovery, "ventilation sensible recovery", "ventilationSensibleRecovery",
     "Ventilation heat recovery, sensible", "%", "From the HRV's or ERV's data sheet; 0 for a plain fan.", 0, 95,
     false, std::nullopt},
    {HouseValue::VentilationLatentRecovery, "ventilation latent recovery", "ventilationLatentRecovery",
     "Ventilation heat recovery, latent", "%", "From the ERV's data sheet; 0 for an HRV or a plain fan.", 0, 95,
     false, std::nullopt},
    {HouseValue::Occupants, "occupants", "occupants", "Occupants", "people", "Usually the bedrooms plus one.", 0, 50,
     true, 4.0},
    {HouseValue::Appliances, "appliances", "appliances", "Appliances and lights, sensible", "Btu/h",
     "About 1,200 for a usual house; more with a large kitchen.", 0, 20000, false, 1200.0},
    {HouseValue::MoistureDifference, "moisture difference", "moistureDifference",
     "Moisture difference at cooling design (outdoor \u2212 indoor)", "grains/lb",
     "Outdoor \u2212 indoor at the cooling design conditions, from local data.", -100, 200, false, std::nullopt},
    {HouseValue::SystemAirflow, "system cfm", "systemAirflow", "System airflow", "CFM",
     kSystemAirflowHint, 0, 20000, true, std::nullopt},
}};

constexpr const HouseValueRange& houseValueRange(HouseValue value) { return rowOf(kHouseValueRanges, value); }
static_assert(listedInOrder(kHouseValueRanges, &HouseValueRange::value),
              "kHouseValueRanges lists the values in the order of HouseValue");

// Whether `number` may be entered for `value`: within its range, and whole
// where it must be. Not-a-number is never in range.
constexpr bool inHouseRange(HouseValue value, double number) { return withinRange(houseValueRange(value), number); }

// The orientation the equipment is sized for: the house as drawn, or turned
// to where its cooling load is highest.
enum class SizingOrientation { Drawn, Worst };

// Each orientation as the notes and kovrin-report's JSON write it, and as
// the dialog and the report say it.
using SizeForWording = ChoiceWording<SizingOrientation>;
inline constexpr std::array<SizeForWording, 2> kSizeForWordings = {{
    {SizingOrientation::Drawn, "drawn", "the house as drawn"},
    {SizingOrientation::Worst, "worst", "the worst orientation"},
}};
constexpr const SizeForWording& sizeForWording(SizingOrientation orientation) {
  return kSizeForWordings[orientation == SizingOrientation::Worst ? 1 : 0];
}

struct HouseValues {
  std::array<std::optional<double>, kHouseValues> Entered{};
  SizingOrientation SizeFor = SizingOrientation::Drawn;

  std::optional<double>& operator[](HouseValue value) { return Entered[static_cast<std::size_t>(value)]; }
  const std::optional<double>& operator[](HouseValue value) const {
    return Entered[static_cast<std::size_t>(value)];
  }
  // The value as the formulas take it: 0 when not entered.
  double orZero(HouseValue value) const { return (*this)[value].value_or(0.0); }
  // Whether anything is entered or chosen: without it the project has no
  // house values, and the outputs are those of a project of the rooms alone.
  bool anyEntered() const { return *this != HouseValues{}; }
  // Whether any of the air and people values is entered.
  bool anyAirAndPeople() const {
    for (int i = 0; i < kAirAndPeopleValues; ++i) {
      if (Entered[static_cast<std::size_t>(i)]) return true;
    }
    return false;
  }

  friend bool operator==(const HouseValues&, const HouseValues&) = default;
};

// The shortest plain decimal text (no exponent) that reads back to exactly
// `number`: "0.35", "1200", "-12.5", and "0" for a zero of either sign. The
// notes and every output that shows a value as entered write it so. A
// finite value is expected.
inline std::string enteredText(double number) {
  if (number == 0) number = 0;  // no "-0"
  // The longest fixed text of a double is a subnormal's: about 330 digits.
  std::array<char, 400> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), number, std::chars_format::fixed);
  return std::string(text.data(), result.ptr);
}

// The number of a value as entered, read as the notes read it and as the
// dialog takes it: plain decimal text ("0.35", "-12", ".5"), no sign but
// "-", no exponent, nothing around it; "-0" is 0. Its range is not checked.
inline std::optional<double> enteredNumber(std::string_view text) {
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number + 0.0;  // a zero without its sign
}

}  // namespace kovrin
