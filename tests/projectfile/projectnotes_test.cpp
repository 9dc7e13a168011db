// The project notes after the 750 values: the zones' names and the job's
// and the house's details come back bit for bit, a broken section is refused
// with its line, and what follows the values is read or named.
#include "projectfile/projectnotes.h"

#include <gtest/gtest.h>

#include <string>

#include "model/defaults.h"
#include "projectfile/projectfile.h"

namespace kovrin {
namespace {

// Names and details that a careless format would spoil.
ProjectTables notedProject() {
  ProjectTables t = defaultProject();
  t.zoneName(1) = "Kitchen, \"big\" = yes \\n not a break";
  t.zoneName(27) = "Salle à manger \u2014 \u5BA2\u5385";
  t.zoneName(50) = std::string(40, 'x');
  t.Job = {"Smith family", "12 Elm Street\nLakeside, MN 55000", "A. Designer", "December 7, 2026",
           "First line\n\tIndented = 2\\3\n"};
  t.OtherNotes = {{"colour", "blue \\ green"}, {"zone plan", ""}, {"zone 3 stair", "oak"}};
  t.Equipment.System = SystemType::DualFuel;
  t.Equipment.MakeAndModel = "Acme = HP-36 \\ AH-36 — été";
  t.Equipment.Compressor = CompressorType::TwoStage;
  t.Equipment.FrontDoor = Facing::SouthWest;
  t.Equipment.SizedForHeating = true;
  for (const EquipmentValueRange& range : kEquipmentValueRanges) t.Equipment[range.value] = range.maximum;
  t.Equipment[EquipmentValue::SensibleHeatRatio] = 0.1 + 0.65;
  // The detailed load's details: numbers whose shortest text is long,
  // optional temperatures, and a list entered as none.
  t.Details.house[HouseDetail::Latitude] = 41.5;
  t.Details.house[HouseDetail::Ach50] = 0.1 + 0.2;
  ZoneDetails& zone = t.Details.zone(12);
  zone.windows = {{7, 40, 0.56, 0.66, InteriorShade::Blinds, 0.5, InsectScreen::Outside, 1, 1, 1, 5},
                  {1, 1.0 / 3.0, 0, 0, InteriorShade::None, 1, InsectScreen::None, 1, 0, 0, 0}};
  WallDetails garage;
  garage.exposure = WallExposure::Unconditioned;
  garage.area = 144;
  garage.summerTemperature = 105.5;
  zone.walls = {{garage}};
  zone.doors = {{{21, 0.35, WallExposure::Outdoors, {}, {}}, {20, 0.4, WallExposure::Unconditioned, 50.5, {}}}};
  zone.floors.emplace();
  zone.people = 2;
  return t;
}

TEST(ProjectNotes, NamesAndDetailsComeBackBitForBitAfterTheValues) {
  const ProjectTables noted = notedProject();
  const std::string text = projectText(noted);
  const std::string plain = projectText(defaultProject());
  EXPECT_EQ(text.substr(0, plain.size()), plain) << "the 750 lines come first, as always";
  EXPECT_EQ(text.substr(plain.size(), 35), "[Kovrin project notes, version 1]\r\n");
  ProjectTables back;
  const FileResult read = parseProject(text, "noted.prj", back);
  ASSERT_TRUE(read) << read.message;
  EXPECT_EQ(back, noted);
  // A project without notes is the plain file, and reads back without any.
  ASSERT_TRUE(parseProject(plain, "plain.prj", back));
  EXPECT_EQ(back, defaultProject());
}

TEST(ProjectNotes, ABrokenSectionIsRefusedWithItsLineAndExpectation) {
  const std::string values = projectText(defaultProject());
  const struct {
    const char* section;
    const char* expected;
  } cases[] = {
      {"zone 51 = Attic", "line 752: expected a zone number from 1 to 50"},
      {"zone 0 = Cellar", "line 752: expected a zone number from 1 to 50"},
      {"client Smith", "line 752: expected \"name = value\""},
      {"note = a\\q", "line 752: expected the value of \"note\" with a backslash only in"},
      {"client = \xC3(", "line 752: expected text in UTF-8"},
      {"zone 3 = a\\x07", "line 752: expected a name without control characters or direction overrides for zone 3"},
      {"zone 3 = a\u009Bb", "line 752: expected a name without control characters or direction overrides for zone 3"},
      {"zone 3 = \u202Egnp.exe", "line 752: expected a name without control characters or direction overrides"},
      {"zone 3 = 12345678901234567890123456789012345678901", "line 752: expected a name of at most 40"},
      {"zone 3 = Den\r\nzone 3 = Study", "line 753: expected one name for zone 3"},
      // The house's values: a number in its range, each once.
      {"floor area = 0", "line 752: expected a number from 1 to 100000 for \"floor area\", found \"0\""},
      {"ceiling height = eight", "line 752: expected a number from 6 to 30 for \"ceiling height\", found \"eight\""},
      {"ventilation cfm = 1e3", "line 752: expected a number from 0 to 2000 for \"ventilation cfm\", found \"1e3\""},
      {"occupants = 2.5", "line 752: expected a whole number from 0 to 50 for \"occupants\", found \"2.5\""},
      {"size for = north", "line 752: expected \"drawn\" or \"worst\" for \"size for\", found \"north\""},
      {"occupants = 3\r\noccupants = 3", "line 753: expected one \"occupants\", found a second"},
      {"size for = drawn\r\nsize for = worst", "line 753: expected one \"size for\", found a second"},
      // The equipment: its words, its numbers, each once.
      {"system = boiler",
       "line 752: expected \"furnace and air conditioner\", \"heat pump\" or \"dual fuel\" for \"system\""},
      {"heat pump 47 = 500", "line 752: expected a number from 1000 to 1000000 for \"heat pump 47\", found \"500\""},
      {"bedrooms = 2.5", "line 752: expected a whole number from 0 to 50 for \"bedrooms\""},
      {"sized for heating = no", "line 752: expected \"yes\" for \"sized for heating\", found \"no\""},
      {"make and model = a\\x07", "line 752: expected \"make and model\" without control characters"},
      {"compressor = two-stage\r\ncompressor = two-stage", "line 753: expected one \"compressor\", found a second"},
      // A known key mistyped is no key of a later version.
      {"Floor Area = 5", "line 752: expected the key \"floor area\", found \"Floor Area\""},
      {"floor  area = 5", "line 752: expected the key \"floor area\", found \"floor  area\""},
      {"Site_Address = 1 Elm", "line 752: expected the key \"site address\", found \"Site_Address\""},
      {"zone 3 = Den\r\nZone 4 = Hall", "line 753: expected the key \"zone 4\", found \"Zone 4\""},
      {"sizefor = worst", "line 752: expected the key \"size for\", found \"sizefor\""},
      {"Make_And_Model = x", "line 752: expected the key \"make and model\", found \"Make_And_Model\""},
      // The duct system's: one of its words, or a number in its range, each once.
      {"duct supply location = roof", "line 752: expected \"conditioned\", \"vented attic\""},
      {"duct returns = 1.5", "line 752: expected a whole number from 1 to 20 for \"duct returns\", found \"1.5\""},
      {"duct sealing = sealed\r\nduct sealing = leaky", "line 753: expected one \"duct sealing\", found a second"},
      // The details: known fields with values in their range, each once.
      {"latitude = 91", "line 752: expected a number from 0 to 70 for \"latitude\", found \"91\""},
      {"zone 3 window = facing Q", "line 752: expected N, NE, E, SE, S, SW, W or NW for \"facing\" in \"zone 3 window\""},
      {"zone 3 wall = area 10; colour red", "line 752: expected light, medium or dark for \"colour\" in \"zone 3 wall\""},
      {"zone 3 door = area -1", "line 752: expected a number from 0 to 100000 for \"area\" in \"zone 3 door\""},
      {"zone 3 door = area 20; exposure below grade",
       "line 752: expected outdoors or unconditioned for \"exposure\" in \"zone 3 door\""},
      {"zone 3 wall = area 10; area 12", "line 752: expected one \"area\" in \"zone 3 wall\", found a second"},
      {"zone 3 floor = kind slab; slope 3", "line 752: expected no field \"slope\" in \"zone 3 floor\""},
      {"zone 3 window = none\r\nzone 3 window = facing N",
       "line 753: expected no \"zone 3 window\" after \"zone 3 window\" = none"},
      {"zone 3 people = 1.5", "line 752: expected a whole number from 0 to 50 for \"zone 3 people\""},
      // Below grade, a wall without its height or a floor without the basement's width would lose nothing.
      {"zone 3 wall = exposure below grade; area 80; U 0.1; depth 4",
       "line 752: expected a \"height\" above 0 for a wall below grade in \"zone 3 wall\""},
      {"zone 3 floor = kind basement floor; area 600; depth 5",
       "line 752: expected a \"width\" above 0 for a basement floor in \"zone 3 floor\""},
      // A zone's detail mistyped, or of a zone there is none of, is no key of a later version either.
      {"Zone 3 Window = facing N", "line 752: expected the key \"zone 3 window\", found \"Zone 3 Window\""},
      {"zone 3  window = facing N", "line 752: expected the key \"zone 3 window\", found \"zone 3  window\""},
      {"zone 3 appliances_latent = 5",
       "line 752: expected the key \"zone 3 appliances latent\", found \"zone 3 appliances_latent\""},
      {"zone 51 window = facing N", "line 752: expected a zone number from 1 to 50, found \"zone 51 window\""},
      {"zone 0 people = 2", "line 752: expected a zone number from 1 to 50, found \"zone 0 people\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    ProjectTables out;
    const FileResult read = parseProject(values + "[Kovrin project notes, version 1]\r\n" + c.section + "\r\n", "x.prj", out);
    ASSERT_FALSE(read);
    EXPECT_NE(read.message.find("x.prj, " + std::string(c.expected)), std::string::npos) << read.message;
  }
}

// Nothing after the values is dropped without a word: the notes are read
// where what is meant is clear, any other line is ignored and the first one
// named in a warning, and an end-of-file mark (0x1A) ends the file quietly.
TEST(ProjectNotes, WhatFollowsTheValuesIsReadOrIgnoredWithAWord) {
  const std::string values = projectText(defaultProject());
  const std::string marker(kNotesMarker);
  const std::string notes = marker + "\r\nzone 1 = Den\r\nclient = Smith\r\n";
  std::string blankLines;
  for (int i = 0; i < 150; ++i) blankLines += " \r\n";
  const std::string ignored = "\" and any other lines after the 750 values that are not project notes are "
                              "ignored, and will not be kept when the project is saved";
  const struct {
    const char* name;
    std::string after;
    std::string warning;  // empty for none
    bool notesRead;
  } cases[] = {
      {"lines that end in CR alone", marker + "\rzone 1 = Den\rclient = Smith\r", "", true},
      {"blank lines before the notes", blankLines + notes, "", true},
      {"an end-of-file mark", "\x1A", "", false},
      {"an end-of-file mark after the notes", notes + "\x1A" + "zone 2 = Hall\r\n\x1A", "", true},
      {"notes after an end-of-file mark", "\x1A" + notes, "", false},
      {"a 751st value", " 999\r\n", "x.prj, line 751: \" 999" + ignored, false},
      {"a line of text", "\r\nwritten by hand\r\n\r\nand more", "x.prj, line 752: \"written by hand" + ignored, false},
      {"a marker with more after it", marker + " 2026\r\nzone 1 = Den\r\n",
       "x.prj, line 751: \"[Kovrin project notes, version 1] 2026" + ignored, false},
      {"notes after a 751st value", " 78\r\n" + notes, "x.prj, line 751: \" 78" + ignored, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables out;
    const FileResult read = parseProject(values + c.after, "x.prj", out);
    ASSERT_TRUE(read) << read.message;
    EXPECT_EQ(read.warning, c.warning);
    EXPECT_EQ(out.zoneName(1) + " " + out.Job.Client, c.notesRead ? "Den Smith" : " ");
    EXPECT_EQ(out.zoneName(2), "");
  }
  // The mark ends the file wherever it stands, so values after it are missing.
  const std::size_t line4 = values.find('\n', values.find('\n', values.find('\n') + 1) + 1) + 1;
  ProjectTables out;
  const FileResult cut = parseProject(values.substr(0, line4) + "\x1A" + values.substr(line4), "x.prj", out);
  EXPECT_TRUE(cut.message.starts_with("x.prj: the file ended at line 4, at its end-of-file mark (0x1A), after 3 values"))
      << cut.message;
}

}  // namespace
}  // namespace kovrin
