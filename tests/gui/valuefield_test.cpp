// The dialogs of values read a number field through one reader: each says a
// refusal in its own words, marks the field, and OK takes the user to it
// instead of closing.
#include "gui/valuefield.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

#include "gui/airandpeopledialog.h"
#include "gui/ductsdialog.h"
#include "gui/equipmentdialog.h"
#include "gui/zonedetailsdialog.h"
#include "modaldialog.h"

namespace kovrin {
namespace {

TEST(ValueFieldTest, EachDialogRefusesInItsOwnWordsAndOkGoesToTheField) {
  const ProjectTables project;
  struct Row {
    const char* name;
    std::function<void()> open;
    const char* field;
    const char* typed;
    const char* refusal;
  } const rows[] = {
      {"a site's whole number: outside its range", [&] { editAirAndPeople(project, nullptr); }, "storeysAboveGrade",
       "2.5", "Storeys above grade: 2.5 is outside 1 to 4, or not a whole number"},
      {"a house value outside its range", [&] { editAirAndPeople(project, nullptr); }, "appliances", "-1",
       "Appliances and lights, sensible: -1 is outside 0 to 20000"},
      {"equipment: no number", [&] { editEquipment(project, nullptr); }, "heatingCfm", "1e9",
       "Heating airflow: \"1e9\" is not a number"},
      {"ducts: outside the range", [&] { editDucts(project, nullptr); }, "supplyR", "-1",
       "Supply duct insulation: -1 is outside 0 to 30"},
      {"a zone's own figure: not whole", [&] { editZoneDetails(project, 1, nullptr); }, "people", "2.5",
       "People: 2.5 is not a whole number"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::answerNextModal([&row](QWidget* dialog) {
      auto* field = dialog->findChild<QLineEdit*>(row.field);
      ASSERT_NE(field, nullptr);
      QTest::keyClicks(field, row.typed);
      EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text().toStdString(), row.refusal);
      EXPECT_TRUE(field->property("refused").toBool());
      auto* buttons = dialog->findChild<QDialogButtonBox*>();
      buttons->button(QDialogButtonBox::Cancel)->setFocus();
      buttons->button(QDialogButtonBox::Ok)->click();
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_EQ(dialog->focusWidget(), field);
      EXPECT_EQ(field->selectedText().toStdString(), row.typed);
      qobject_cast<QDialog*>(dialog)->reject();
    });
    row.open();
  }
}

}  // namespace
}  // namespace kovrin
