// GetData, PutData and Ranger on the real input screen: a fresh main window
// with the program's form and menu for every test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <memory>
#include <string>

#include "model/model.h"
#include "screen/fieldtables.h"
#include "screen/form.h"
#include "screen/ranges.h"
#include "screen/transfer.h"
#include "toolkit/qt/qttoolkit.h"

namespace kovrin {
namespace {

// Results of the page calculation and PageAirTotal: the rows PutData leaves
// to the screen.
bool isScreenOwnedRow(int row) { return (row >= 7 && row <= 17) || row >= 20; }

class TransferTest : public testing::Test {
 protected:
  void SetUp() override {
    m_toolkit = std::make_unique<QtToolkit>();
    m_toolkit->winitialise();
    m_toolkit->windowopen2(kSystemMenu | kMinimiseBox | kStatusBar, mainMenu(),
                           inputScreen(), "Kovrin 4.0");
    Ranger(*m_toolkit);
  }
  void TearDown() override {
    // The toolkit records every operation it could not carry out: a field
    // the form lacks, a display format it cannot read, an empty range.
    EXPECT_EQ(m_toolkit->errorCount(), 0u) << m_toolkit->lastError();
    m_toolkit->windowclose();
    m_toolkit.reset();
    QApplication::processEvents();
  }

  // The widget of a field of the input screen.
  template <typename Widget>
  Widget* field(int id) {
    auto* widget = qobject_cast<Widget*>(m_toolkit->control(id));
    if (widget == nullptr) ADD_FAILURE() << "no such widget for field " << id;
    return widget;
  }
  std::string text(int id) {
    auto* edit = field<QLineEdit>(id);
    return edit ? edit->text().toStdString() : std::string("<none>");
  }
  // Replace a field's whole text at once, as a paste over a selection does
  // (typed key by key, a prefix such as the "2" of "2.5" would be a valid
  // value of its own).
  void type(int id, const QString& text) {
    auto* edit = field<QLineEdit>(id);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
  }

  std::unique_ptr<QtToolkit> m_toolkit;
};

// A model in which every value differs from every other, on every page;
// the inputs lie within their ranges, with fractions that no display format
// shows in full.
void fillDistinct(ProjectModel& model) {
  for (int p = 1; p <= kPages; ++p) {
    for (int row = 1; row <= kPageIntegerRows; ++row) model.integer(p, row) = 1000 * p + row;
    model.integer(p, irow::SummerThermostat) = 70 + p;
    model.integer(p, irow::WinterThermostat) = 55 + p;
    for (int c = 7; c <= 10; ++c) model.integer(p, irow::PartitionDT(c)) = 10 * p + c;
    model.integer(p, irow::SummerDesignTemp) = 85 + p;
    model.integer(p, irow::WinterDesignTemp) = -10 - p;
    model.real(p, rrow::SummerDuctMultiplier) = 0.051f * static_cast<float>(p);
    model.real(p, rrow::WinterDuctMultiplier) = 0.037f * static_cast<float>(p);
    model.real(p, rrow::ReservedSlot) = -5.5f * static_cast<float>(p);
    for (int c = 1; c <= kZoneColumns; ++c) {
      for (int q = 0; q < kZoneQuantities; ++q) {
        const auto quantity = static_cast<ZoneQuantity>(q);
        const auto k = static_cast<float>(realRow(c, quantity));
        model.zone(p, c, quantity) = displayFormat(quantity) == kUValueFormat
                                         ? 0.0031f * k + 0.0007f * static_cast<float>(p)
                                         : k + 0.1f * static_cast<float>(p);
      }
    }
  }
  for (int item = 1; item <= kListSelectionItems; ++item) {
    model.selection(item) = (item % static_cast<int>(listField(item).entries.size())) + 1;
  }
}

TEST_F(TransferTest, GetDataAfterPutDataGivesBackEveryShownValuePageByPage) {
  ProjectModel source;
  fillDistinct(source);
  for (int page = 1; page <= kPages; ++page) {
    SCOPED_TRACE(testing::Message() << "page " << page);
    // A different set of selections for every page, all valid.
    for (int item = 1; item <= kListSelectionItems; ++item) {
      source.selection(item) = ((item + page) % static_cast<int>(listField(item).entries.size())) + 1;
    }
    source.CurrentPage = page;
    PutData(source, *m_toolkit);

    // The target's page is overwritten with markers first, so that every
    // value found there afterwards came from the screen.
    ProjectModel target;
    target.setTables(source.tables());
    for (int row = 1; row <= kPageIntegerRows; ++row) target.integer(page, row) = 777;
    for (int row = 1; row <= kPageRealRows; ++row) target.real(page, row) = 7.77f;
    target.ListSelections.fill(77);
    target.CurrentPage = page;
    GetData(target, *m_toolkit);

    ProjectTables expected = source.tables();
    for (int row = 1; row <= kPageIntegerRows; ++row) {
      if (isScreenOwnedRow(row)) expected.integer(page, row) = -999;  // empty result fields
    }
    expected.integer(page, irow::PageAirTotal) = 100;
    expected.real(page, rrow::ReservedSlot) = 7.77f;  // no field: left alone
    for (int row = 1; row <= kPageIntegerRows; ++row) {
      EXPECT_EQ(target.integer(page, row), expected.integer(page, row)) << "integer row " << row;
    }
    for (int row = 1; row <= kPageRealRows; ++row) {
      EXPECT_EQ(target.real(page, row), expected.real(page, row)) << "real row " << row;
    }
    EXPECT_EQ(target.ListSelections, expected.ListSelections);
    EXPECT_TRUE(target.tables() == expected) << "a value off the page on screen changed";
    EXPECT_EQ(target.LoadChoice, kCooling);
  }
}

TEST_F(TransferTest, PutDataShowsEachRealInItsDisplayFormat) {
  const struct {
    int row;
    float value;
    std::string_view shown;
  } cases[] = {
      {rrow::SummerDuctMultiplier, 0.25f, ".25"},
      {rrow::WinterDuctMultiplier, 1.5f, "**********"},       // 1 or more does not fit
      {realRow(1, ZoneQuantity::DoorU), 0.35f, "0.350"},
      {realRow(1, ZoneQuantity::DoorArea), 120.0f, "120."},
      {realRow(2, ZoneQuantity::FloorU), 0.0625f, "0.063"},   // half-way rounds up
      {realRow(3, ZoneQuantity::FloorArea), 10000.0f, "**********"},
      {realRow(4, ZoneQuantity::GlassArea), 12.5f, "13."},
      {realRow(9, ZoneQuantity::WallU), 0.35f, "0.350"},
      {realRow(9, ZoneQuantity::WallArea), 1999.4f, "1999."},
      {realRow(10, ZoneQuantity::GlassU), 1.25f, "1.250"},
  };
  ProjectModel model;
  model.CurrentPage = 3;
  for (const auto& c : cases) model.real(3, c.row) = c.value;
  PutData(model, *m_toolkit);
  ProjectModel back;
  back.CurrentPage = 3;
  GetData(back, *m_toolkit);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.row);
    EXPECT_EQ(text(realRowField(c.row)), c.shown);
    EXPECT_EQ(back.real(3, c.row), c.value);  // the text never shortens the value
  }
  EXPECT_EQ(text(1026), "0");  // integers show their decimal text
}

// Every page display writes the entries anew, whatever a list held before.
TEST_F(TransferTest, PutDataFillsEveryListWithItsEntries) {
  const std::string_view stale[] = {"stale"};
  for (const SelectionList& list : kListFields) m_toolkit->wdialogputmenu1(list.field, stale, 1, 1);
  ProjectModel model;
  model.CurrentPage = 1;
  for (int item = 1; item <= kListSelectionItems; ++item) {
    model.selection(item) = static_cast<int>(listField(item).entries.size());  // the last entry
  }
  PutData(model, *m_toolkit);
  for (const SelectionList& list : kListFields) {
    SCOPED_TRACE(list.field);
    auto* combo = field<QComboBox>(list.field);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), static_cast<int>(list.entries.size()));
    for (int i = 0; i < combo->count(); ++i) {
      EXPECT_EQ(combo->itemText(i).toStdString(), list.entries[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(combo->currentIndex(), combo->count() - 1);
  }
}

TEST_F(TransferTest, EmptyResultFieldsReadAsMinus999RightAfterOpening) {
  ProjectModel model;
  model.CurrentPage = 2;
  GetData(model, *m_toolkit);
  for (int row = 1; row <= kPageIntegerRows; ++row) {
    SCOPED_TRACE(row);
    if (row == irow::PageAirTotal) {
      EXPECT_EQ(model.integer(2, row), 100);
    } else if (isScreenOwnedRow(row)) {
      EXPECT_EQ(model.integer(2, row), -999);
    }
  }
  EXPECT_EQ(model.integer(2, irow::SummerThermostat), 78);
  EXPECT_EQ(model.integer(2, irow::WinterDesignTemp), 28);
  EXPECT_EQ(model.selection(sel::DailyRange), 2);
  EXPECT_EQ(model.selection(sel::GlassDirection(8)), 8);
  EXPECT_EQ(model.LoadChoice, kCooling);
}

// Only a loaded file can bring such values; the screen must not lose them.
TEST_F(TransferTest, LoadedValuesOutsideTheRangesSurviveTheScreen) {
  ProjectModel model;
  model.CurrentPage = 2;
  model.zone(2, 1, ZoneQuantity::FloorArea) = 12000.0f;
  model.zone(2, 9, ZoneQuantity::DoorU) = 2.5f;
  model.zone(2, 10, ZoneQuantity::GlassArea) = -1.0f;
  model.integer(2, irow::PartitionDT(8)) = 61;
  model.integer(2, irow::WinterDesignTemp) = -21;
  model.integer(2, irow::SummerThermostat) = 120;
  model.selection(sel::DailyRange) = 0;
  model.selection(sel::WallConstruction) = 9;
  model.selection(sel::FloorConstruction) = 6;
  model.selection(sel::GlassDirection(4)) = -3;
  ProjectTables before = model.tables();
  PutData(model, *m_toolkit);
  GetData(model, *m_toolkit);
  for (int row : std::initializer_list<int>{irow::PartitionDT(8), irow::WinterDesignTemp, irow::SummerThermostat}) {
    EXPECT_EQ(model.integer(2, row), before.integer(2, row)) << "integer row " << row;
  }
  for (int row = 1; row <= kPageRealRows; ++row) {
    EXPECT_EQ(model.real(2, row), before.real(2, row)) << "real row " << row;
  }
  EXPECT_EQ(model.ListSelections, before.ListSelections);
}

TEST_F(TransferTest, PutDataLeavesResultsAirTotalAndLoadChoiceAlone) {
  // Results as the page calculation shows them, a typed air total and a
  // click on Heating.
  m_toolkit->wdialogputinteger(1155, 123);
  m_toolkit->wdialogputinteger(1165, 456);
  m_toolkit->wdialogputinteger(1183, 7);
  type(1184, "250");
  auto* heating = field<QRadioButton>(kHeatingButton);
  ASSERT_NE(heating, nullptr);
  heating->click();

  ProjectModel model;
  fillDistinct(model);
  model.CurrentPage = 4;
  model.LoadChoice = kCooling;
  PutData(model, *m_toolkit);
  GetData(model, *m_toolkit);
  EXPECT_EQ(model.integer(4, irow::ZoneLoad(1)), 123);
  EXPECT_EQ(model.integer(4, irow::PageLoadTotal), 456);
  EXPECT_EQ(model.integer(4, irow::ZoneAirShare(10)), 7);
  EXPECT_EQ(model.integer(4, irow::ZoneAirShare(1)), -999);
  EXPECT_EQ(model.integer(4, irow::PageAirTotal), 250);
  EXPECT_EQ(model.LoadChoice, kHeating);
}

// A page display is the program's own writing: in spreadsheet mode a
// field-changed message would recalculate the page for nothing.
TEST_F(TransferTest, PutDataDeliversNoFieldChangedMessage) {
  m_toolkit->wmessageenable(kFieldChanged, 1);
  ProjectModel model;
  fillDistinct(model);
  model.CurrentPage = 1;
  PutData(model, *m_toolkit);
  model.CurrentPage = 5;
  PutData(model, *m_toolkit);
  QApplication::processEvents();
  EXPECT_EQ(m_toolkit->pendingMessages(), 0u);

  // A change by the user is reported, so the silence above means something.
  type(1003, "12");
  QApplication::processEvents();
  EXPECT_GT(m_toolkit->pendingMessages(), 0u);
}

// Ranger's limits on what the user can type: the value just outside each
// range is refused (the field reads back its last valid value), the limit
// itself is taken.
TEST_F(TransferTest, RangerLimitsTypedValuesOfEveryTypedField) {
  for (const IntegerRange& range : kIntegerRanges) {
    SCOPED_TRACE(testing::Message() << "field " << range.field);
    m_toolkit->wdialogputinteger(range.field, range.minimum);
    type(range.field, QString::number(range.maximum + 1));
    std::int32_t value = 0;
    m_toolkit->wdialoggetinteger(range.field, value);
    EXPECT_EQ(value, range.minimum);
    type(range.field, QString::number(range.minimum - 1));
    m_toolkit->wdialoggetinteger(range.field, value);
    EXPECT_EQ(value, range.minimum);
    type(range.field, QString::number(range.maximum));
    m_toolkit->wdialoggetinteger(range.field, value);
    EXPECT_EQ(value, range.maximum);
  }
  for (const RealRange& range : kRealRanges) {
    SCOPED_TRACE(testing::Message() << "field " << range.field);
    m_toolkit->wdialogputreal(range.field, 1.0f, kUValueFormat);
    type(range.field, QString::number(static_cast<double>(range.maximum) + 0.5));
    float value = 0.0f;
    m_toolkit->wdialoggetreal(range.field, value);
    EXPECT_EQ(value, 1.0f);
    type(range.field, "-1");
    m_toolkit->wdialoggetreal(range.field, value);
    EXPECT_EQ(value, 1.0f);
    type(range.field, QString::number(static_cast<double>(range.maximum)));
    m_toolkit->wdialoggetreal(range.field, value);
    EXPECT_EQ(value, range.maximum);
  }
  // The duct multipliers have no range.
  type(1004, "3.5");
  float duct = 0.0f;
  m_toolkit->wdialoggetreal(1004, duct);
  EXPECT_EQ(duct, 3.5f);
}

}  // namespace
}  // namespace kovrin
