#include "model/model.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace kovrin {
namespace {

// The PageReals row table of the project: one row per quantity, columns 1..10.
constexpr int kRealRows[kZoneQuantities][kZoneColumns] = {
    {3, 14, 24, 34, 44, 54, 64, 74, 84, 94},    // DoorU
    {4, 15, 25, 35, 45, 55, 65, 75, 85, 95},    // DoorArea
    {5, 16, 26, 36, 46, 56, 66, 76, 86, 96},    // FloorU
    {6, 17, 27, 37, 47, 57, 67, 77, 87, 97},    // FloorArea
    {7, 18, 28, 38, 48, 58, 68, 78, 88, 98},    // RoofU
    {8, 19, 29, 39, 49, 59, 69, 79, 89, 99},    // RoofArea
    {9, 20, 30, 40, 50, 60, 70, 80, 90, 100},   // WallU
    {10, 21, 31, 41, 51, 61, 71, 81, 91, 101},  // WallArea
    {12, 22, 32, 42, 52, 62, 72, 82, 92, 102},  // GlassU
    {13, 23, 33, 43, 53, 63, 73, 83, 93, 103},  // GlassArea
};

TEST(ModelTest, RealRowsFollowTheColumnLayout) {
  for (int q = 0; q < kZoneQuantities; ++q) {
    for (int c = 1; c <= kZoneColumns; ++c) {
      SCOPED_TRACE(testing::Message() << "quantity " << q << " column " << c);
      EXPECT_EQ(realRow(c, static_cast<ZoneQuantity>(q)), kRealRows[q][c - 1]);
    }
  }
}

TEST(ModelTest, EveryRealRowButTheFirstTwoAndReservedSlotBelongsToOneZoneField) {
  int owners[kPageRealRows + 1] = {};
  for (int q = 0; q < kZoneQuantities; ++q)
    for (int c = 1; c <= kZoneColumns; ++c) ++owners[realRow(c, static_cast<ZoneQuantity>(q))];
  for (int row = 1; row <= kPageRealRows; ++row) {
    const bool special = row == rrow::SummerDuctMultiplier || row == rrow::WinterDuctMultiplier ||
                         row == rrow::ReservedSlot;
    EXPECT_EQ(owners[row], special ? 0 : 1) << "row " << row;
  }
}

TEST(ModelTest, Zone37IsPage4Column7) {
  ProjectModel model;
  model.integer(4, irow::PartitionDT(7)) = 25;
  model.zone(4, 7, ZoneQuantity::GlassArea) = 40.0f;
  model.selection(sel::GlassDirection(7)) = 3;
  EXPECT_EQ(zoneNumber(4, 7), 37);
  EXPECT_EQ(model.PageIntegers[3][2], 25);
  EXPECT_EQ(model.PageReals[3][72], 40.0f);
  EXPECT_EQ(model.ListSelections[13], 3);
}

TEST(ModelTest, IntegerRowsOfTheZoneColumns) {
  EXPECT_EQ(irow::ZoneLoad(1), 7);
  EXPECT_EQ(irow::ZoneLoad(10), 16);
  EXPECT_EQ(irow::ZoneAirShare(1), 20);
  EXPECT_EQ(irow::ZoneAirShare(10), 29);
  EXPECT_EQ(irow::PartitionDT(7), 3);
  EXPECT_EQ(irow::PartitionDT(10), 6);
}

TEST(ModelTest, TheModelCannotBeCopiedButItsTablesCan) {
  static_assert(!std::is_copy_constructible_v<ProjectModel>);
  static_assert(!std::is_copy_assignable_v<ProjectModel>);
  ProjectModel model;
  model.real(2, rrow::ReservedSlot) = 7.5f;
  ProjectTables scratch = model.tables();
  scratch.real(2, rrow::ReservedSlot) = 1.0f;
  EXPECT_EQ(model.real(2, rrow::ReservedSlot), 7.5f);
  model.setTables(scratch);
  EXPECT_EQ(model.real(2, rrow::ReservedSlot), 1.0f);
}

TEST(ModelTest, ProjectFileNameIsBlankPaddedTo225) {
  PaddedPath name;
  EXPECT_EQ(name.padded(), std::string(225, ' '));
  EXPECT_EQ(name.path(), "");
  ASSERT_TRUE(name.set("new.dat"));
  EXPECT_EQ(name.padded(), "new.dat" + std::string(218, ' '));
  EXPECT_EQ(name.path(), "new.dat");
  EXPECT_TRUE(name.set(std::string(225, 'a')));
  EXPECT_FALSE(name.set(std::string(226, 'b')));
  EXPECT_EQ(name.path(), std::string(225, 'a'));
}

}  // namespace
}  // namespace kovrin
