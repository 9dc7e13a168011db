// Scenario tests of the whole program on the real widgets: start-up, the menu
// commands and the main loop's handling of messages, played as a user would,
// each in a fresh working folder holding the template "new.dat".
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/processmenu.h"
#include "app/projectdocument.h"
#include "model/defaults.h"
#include "projectfile/projectfile.h"
#include "screen/commands.h"
#include "screen/fieldtables.h"
#include "golden.h"
#include "modaldialog.h"
#include "workingfolder.h"
#include "gui/designpanel.h"
#include "gui/houseview.h"
#include "gui/qtwindows.h"
#include "toolkit/qt/qttoolkit.h"
#include "toolkit/qt/textconversion.h"

namespace kovrin {
namespace {

namespace fs = std::filesystem;

using testing::expectGolden;
using testing::readBytes;

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

using Answer = std::function<void(QWidget*)>;

// Answers the modal dialogs the next command opens, one after the other:
// each answer runs once its dialog is shown and must close it.
void answerInTurn(std::vector<Answer> answers) {
  if (answers.empty()) return;
  Answer first = answers.front();
  answers.erase(answers.begin());
  test::answerNextModal([first, rest = std::move(answers)](QWidget* dialog) {
    first(dialog);
    answerInTurn(rest);
  });
}

Answer chooseFile(const fs::path& path) {
  return [path](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr) << "expected a file dialog";
    // Type the path into the dialog's name field, as a user may, once the
    // dialog has listed its folder and selected the proposed name.
    QTest::qWait(50);
    for (auto* view : dialog->findChildren<QAbstractItemView*>()) view->clearSelection();
    auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameField, nullptr);
    nameField->setText(QString::fromStdString(path.string()));
    QMetaObject::invokeMethod(dialog, "accept");
  };
}

Answer cancel() {
  return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}

// Answers a message box or question with `button`, keeping its text.
Answer press(QMessageBox::StandardButton button, std::string* text = nullptr) {
  return [button, text](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr) << "expected a message box";
    if (text != nullptr) *text = box->text().toStdString();
    QAbstractButton* chosen = box->button(button);
    ASSERT_NE(chosen, nullptr) << "the message box has no such button: " << box->text().toStdString();
    chosen->click();
  };
}

// Answers the question about unsaved changes with the button of that text.
Answer pressButton(const QString& buttonText, std::string* text = nullptr) {
  return [buttonText, text](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr) << "expected a message box";
    if (text != nullptr) *text = box->text().toStdString();
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == buttonText) return button->click();
    }
    ADD_FAILURE() << "no button " << buttonText.toStdString();
  };
}

Answer printToPdf(const fs::path& pdf) {
  return [pdf](QWidget* w) {
    auto* dialog = qobject_cast<QPrintDialog*>(w);
    ASSERT_NE(dialog, nullptr) << "expected the print dialog";
    // The dialog takes the output file from its own field when accepted.
    const QString file = QString::fromStdString(pdf.string());
    if (auto* name = dialog->findChild<QLineEdit*>("filename")) name->setText(file);
    dialog->printer()->setOutputFileName(file);
    dialog->accept();
  };
}

class ProgramTest : public test::WorkingFolder {
 protected:
  void SetUp() override {
    WorkingFolder::SetUp();
    if (HasFatalFailure()) return;
    fs::copy_file(fs::path(KOVRIN_DATA_DIR) / "new.dat", m_dir / "new.dat");
    // Each test starts without recent projects.
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir.string()));
  }

  void TearDown() override {
    m_toolkit.windowclose();
    WorkingFolder::TearDown();
  }

  void start() {
    startup(m_document);
    activate();
    handleMessages();
  }
  // Focus moves are reported only within the active window, which the
  // offscreen platform does not give back when a dialog closes.
  void activate() {
    m_toolkit.mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_toolkit.mainWindow()));
  }
  void command(int id) { processmenu(id, m_quit, m_document, m_windows); }
  // Hand every queued message to the main loop's handling.
  int handleMessages() {
    int handled = 0;
    while (m_toolkit.pendingMessages() > 0) {
      std::int32_t type = 0;
      MessageRecord record;
      m_toolkit.wmessage(type, record);
      if (handleMessage(type, record, m_document, m_windows)) m_quit = 1;
      ++handled;
    }
    return handled;
  }

  QLineEdit* edit(int id) { return qobject_cast<QLineEdit*>(m_toolkit.control(id)); }
  std::string text(int id) { return edit(id)->text().toStdString(); }
  QComboBox* list(int id) { return qobject_cast<QComboBox*>(m_toolkit.control(id)); }
  std::string label(int id) { return qobject_cast<QLabel*>(m_toolkit.control(id))->text().toStdString(); }
  // Type into a field as a user does: focus it, select all, type.
  void type(int id, const QString& keys) {
    QLineEdit* field = edit(id);
    field->setFocus();
    field->selectAll();
    for (const QChar key : keys) {
      // A letter beyond ASCII comes as a key event with its text alone, as a
      // keyboard layout delivers it.
      if (key.unicode() < 0x80) {
        QTest::keyClick(field, key.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(key), Qt::NoModifier);
      }
    }
  }
  // A file dragged from a file manager (its name as text too) onto a field.
  void drop(const fs::path& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    data.setText(QString::fromStdString(file.string()));
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit(1196), &enter);
    QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit(1196), &dropped);
    handleMessages();
  }
  // The entries of a menu of the bar as shown, "&" left out, greyed ones in
  // brackets, hidden ones and lines left out: "Undo Floor area of zone 3 | (Redo)".
  std::string menuEntries(int top, int sub = -1) {
    QMenu* menu = m_toolkit.mainWindow()->menuBar()->actions().at(top)->menu();
    if (sub >= 0) menu = menu->actions().at(sub)->menu();
    std::string shown;
    for (const QAction* action : menu->actions()) {
      if (!action->isVisible() || action->isSeparator()) continue;
      const std::string text = action->text().remove('&').toStdString();
      shown += (shown.empty() ? "" : " | ") + (action->isEnabled() ? text : "(" + text + ")");
    }
    return shown;
  }
  std::string editMenu() { return menuEntries(4); }
  std::string recentMenu() { return menuEntries(3, 2); }

  std::vector<std::string> results() {
    std::vector<std::string> texts;
    for (int id : {1155, 1156, 1157, 1158, 1159, 1160, 1161, 1162, 1163, 1164, 1165, 1173, 1174, 1176, 1177,
                   1178, 1179, 1180, 1181, 1182, 1183})
      texts.push_back(text(id));
    return texts;
  }

  ProjectModel m_model;
  QtToolkit m_toolkit;
  QtWindows m_windows{m_toolkit};
  ProjectDocument m_document{m_model, m_toolkit};
  std::int32_t m_quit = 0;
};

const std::vector<std::string> kNoResults(21, "");

TEST_F(ProgramTest, StartUpShowsPageOneOfTheTemplate) {
  start();
  EXPECT_EQ(m_model.CurrentPage, 1);
  EXPECT_EQ(m_model.SpreadsheetMode, 0);
  EXPECT_EQ(m_model.ProjectFileName.path(), "new.dat");
  EXPECT_EQ(m_model.tables(), defaultProject());
  ASSERT_NE(m_toolkit.mainWindow(), nullptr);
  EXPECT_EQ(m_toolkit.statusText(1), "Made in Lakeside, Minnesota");
  EXPECT_EQ(m_toolkit.statusText(2), "Kovrin Load Software");
  EXPECT_EQ(m_toolkit.statusText(3), "In business since 1986");
  EXPECT_TRUE(qobject_cast<QRadioButton*>(m_toolkit.control(1047))->isChecked());
  EXPECT_EQ(text(1184), "100");
  EXPECT_EQ(text(1005), "93");
  EXPECT_EQ(text(1026), "28");
  EXPECT_EQ(text(1036), "78");
  EXPECT_EQ(text(1038), "65");
  EXPECT_EQ(text(1002), "0.000");
  EXPECT_EQ(text(1003), "0.");
  EXPECT_EQ(text(1004), ".00");
  EXPECT_EQ(list(1171)->currentText().toStdString(), "M");
  EXPECT_EQ(list(1044)->currentText().toStdString(), "Draperies, venetian blinds");
  EXPECT_EQ(list(1154)->currentText().toStdString(), "NE");
  EXPECT_EQ(results(), kNoResults);
  EXPECT_EQ(label(1185), "1");
  EXPECT_EQ(label(1195), "") << "no load is shown yet";
  EXPECT_EQ(m_toolkit.pendingMessages(), 0u);
}

// The Tab order as the help and README describe it: the constructions, the
// thermostats and duct multipliers; zone 1 down to its wall area, the glass
// lists and the Cooling/Heating choice, then zone 1's glass; zone 2 next.
// Shift+Tab from the first field reaches the daily range.
TEST_F(ProgramTest, TabGoesThroughTheScreenAsTheHelpSays) {
  start();
  const std::vector<std::vector<int>> stops = {
      {1034}, {1035}, {1036}, {1038}, {1004}, {1037}, {1002}, {1003}, {1012}, {1031}, {1039}, {1040},
      {1041}, {1042}, {1043}, {1044}, {1045}, {1046, 1047}, {1048}, {1049}, {1050}, {1051}};
  m_toolkit.control(1033)->setFocus(Qt::TabFocusReason);
  for (const std::vector<int>& stop : stops) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    bool reached = false;
    for (int id : stop) reached = reached || QApplication::focusWidget() == m_toolkit.control(id);
    EXPECT_TRUE(reached) << "Tab did not reach field " << stop.front();
  }
  m_toolkit.control(1033)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), m_toolkit.control(1171));
}

// What the help says of the glass lists and of typed numbers: a column's
// glass direction holds on all five pages, and a typed value stays as typed
// until a page change shows it again in the screen's form.
TEST_F(ProgramTest, GlassDirectionsAndTypedNumbersBehaveAsTheHelpSays) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  activate();
  list(1050)->setFocus();  // column 1's glass faces S
  emit list(1050)->activated(4);
  type(1064, "0.35");  // zone 3's floor U and area
  type(1065, "250");
  edit(1042)->setFocus();
  handleMessages();
  EXPECT_EQ(text(1064), "0.35");
  EXPECT_EQ(text(1065), "250");
  command(kCmdPage2);
  EXPECT_EQ(list(1050)->currentText().toStdString(), "S") << "zone 11 faces as zone 1 does";
  command(kCmdPage1);
  EXPECT_EQ(text(1064), "0.350");
  EXPECT_EQ(text(1065), "250.");
}

TEST_F(ProgramTest, AMissingTemplateIsReportedAndTheDefaultsAreUsed) {
  fs::remove("new.dat");
  std::string message;
  answerInTurn({press(QMessageBox::Ok, &message)});
  start();
  EXPECT_NE(message.find("new.dat"), std::string::npos) << message;
  EXPECT_NE(message.find(m_dir.string()), std::string::npos) << message;
  EXPECT_EQ(m_model.tables(), defaultProject());
  EXPECT_EQ(text(1005), "93");
}

TEST_F(ProgramTest, CalculateShowsTheLoadsAndChangesNothingElse) {
  start();
  type(1041, "1");   // wall U of zone 1
  type(1042, "10");  // wall area
  type(1026, "28");
  edit(1038)->setFocus();
  handleMessages();  // spreadsheet mode is off: no recalculation
  EXPECT_EQ(results(), kNoResults);
  const std::string fileBefore = readBytes("new.dat");

  command(kCmdCalculate);
  // Cooling: 1 x 10 x (15 + 3.6 for wood frame in range M); 3.6 is stored
  // just below 3.6, so the load is 185.99999... -> 185.
  EXPECT_EQ(text(1155), "185");
  EXPECT_EQ(text(1165), "185");
  EXPECT_EQ(text(1173), "100");  // the whole airflow
  EXPECT_EQ(text(1174), "0");
  EXPECT_EQ(m_model.integer(1, irow::ZoneLoad(1)), 0) << "the loads live on the screen";
  EXPECT_EQ(readBytes("new.dat"), fileBefore);
  EXPECT_EQ(m_toolkit.statusText(1), "Made in Lakeside, Minnesota");

  // Heating: 1 x 10 x (65 - 28) = 370.
  QTest::mouseClick(qobject_cast<QRadioButton*>(m_toolkit.control(1046)), Qt::LeftButton);
  command(kCmdCalculate);
  EXPECT_EQ(m_model.LoadChoice, kHeating);
  EXPECT_EQ(text(1155), "370");
}

TEST_F(ProgramTest, SpreadsheetModeRecalculatesOnEveryFieldChange) {
  start();
  command(kCmdSpreadsheetOn);
  EXPECT_EQ(m_model.SpreadsheetMode, 1);
  EXPECT_EQ(results(), kNoResults) << "switching on does not recalculate by itself";

  type(1041, "1");
  EXPECT_GE(handleMessages(), 1);
  EXPECT_EQ(text(1155), "0");  // a U-value alone, no area yet
  type(1042, "10");
  handleMessages();
  EXPECT_EQ(text(1155), "185");

  // A focus move alone recalculates: clear the results first.
  m_toolkit.wdialogputinteger(1155, 7);
  EXPECT_EQ(m_toolkit.pendingMessages(), 0u) << "program writes deliver nothing";
  edit(1003)->setFocus();
  handleMessages();
  EXPECT_EQ(text(1155), "185");

  EXPECT_FALSE(edit(1155)->property("outOfDate").toBool()) << "with spreadsheet mode on, never out of date";

  command(kCmdSpreadsheetOff);
  type(1042, "20");
  handleMessages();
  EXPECT_EQ(text(1155), "185") << "no recalculation with spreadsheet mode off";
  EXPECT_TRUE(edit(1155)->property("outOfDate").toBool()) << "but the results are shown as out of date";
  EXPECT_TRUE(edit(1165)->toolTip().contains("Out of date: choose Calculate"));
  command(kCmdCalculate);
  EXPECT_EQ(text(1155), "371");
  EXPECT_FALSE(edit(1155)->property("outOfDate").toBool());
}

TEST_F(ProgramTest, EveryPageCommandPassesTheProjectThroughItsFile) {
  start();
  // The template, named by the user: a project file like any other.
  ASSERT_TRUE(m_model.ProjectFileName.set((m_dir / "new.dat").string()));
  type(1042, "100");  // wall area of zone 1, page 1
  type(1184, "200");
  command(kCmdPage3);
  EXPECT_EQ(m_model.CurrentPage, 3);
  EXPECT_EQ(m_toolkit.statusText(1), " Page 3");
  EXPECT_EQ(m_toolkit.statusText(3), " Zones 21 -> 30");
  EXPECT_EQ(text(1042), "0.");
  EXPECT_EQ(text(1184), "200") << "the airflow total carries over";
  EXPECT_EQ(label(1185), "21");
  EXPECT_EQ(label(1194), "30");

  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("new.dat", saved));
  EXPECT_EQ(saved.zone(1, 1, ZoneQuantity::WallArea), 100.0f);
  EXPECT_EQ(saved.integer(1, irow::PageAirTotal), 200);
  EXPECT_EQ(saved.integer(1, irow::ZoneLoad(1)), -999) << "empty TOTALS read as -999";

  // The page already shown: saved and read back.
  type(1042, "55");
  command(kCmdPage3);
  EXPECT_EQ(text(1042), "55.");
  ASSERT_TRUE(loadProjectFile("new.dat", saved));
  EXPECT_EQ(saved.zone(3, 1, ZoneQuantity::WallArea), 55.0f);

  const int pages[] = {kCmdPage1, kCmdPage2, kCmdPage3, kCmdPage4, kCmdPage5};
  const char* zones[] = {" Zones 1 -> 10", " Zones 11 -> 20", " Zones 21 -> 30", " Zones 31 -> 40",
                         " Zones 41 -> 50"};
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    command(pages[n - 1]);
    EXPECT_EQ(m_model.CurrentPage, n);
    EXPECT_EQ(m_toolkit.statusText(1), " Page " + std::to_string(n));
    EXPECT_EQ(m_toolkit.statusText(3), zones[n - 1]);
  }
  command(kCmdPage1);
  EXPECT_EQ(text(1042), "100.");

  // Ctrl+PgDown and Ctrl+PgUp: the next and the previous page; none before
  // the first.
  command(kCmdNextPage);
  EXPECT_EQ(m_toolkit.statusText(1), " Page 2");
  command(kCmdPreviousPage);
  command(kCmdPreviousPage);
  EXPECT_EQ(m_toolkit.statusText(1), " Page 1");
}

// Until the user names it, a project has no file of its own: the template
// it came from is written only when the user chooses it by name.
TEST_F(ProgramTest, AnUnnamedProjectWritesNothingUntilItIsNamed) {
  start();
  const std::string templateBefore = readBytes("new.dat");
  type(1042, "100");
  handleMessages();
  command(kCmdPage2);
  type(1042, "2.5");
  command(kCmdPage1);
  EXPECT_EQ(text(1042), "100.") << "the pages are kept in memory";
  EXPECT_EQ(readBytes("new.dat"), templateBefore);
  EXPECT_TRUE(m_document.unsavedChanges());

  // Exit asks about the changes; Save there asks for a name, and Cancel in
  // that dialog writes nothing and goes back to the work.
  std::string question;
  answerInTurn({pressButton("&Save", &question), cancel()});
  command(kCmdExit);
  EXPECT_EQ(question, "Save changes to Untitled?");
  EXPECT_EQ(readBytes("new.dat"), templateBefore);

  // The template chosen by name is replaced once the user agrees.
  answerInTurn({chooseFile(m_dir / "new.dat"), press(QMessageBox::Yes, &question)});
  command(kCmdSave);
  EXPECT_EQ(question, (m_dir / "new.dat").string() + " already exists. Replace it?");
  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("new.dat", saved));
  EXPECT_EQ(saved.zone(2, 1, ZoneQuantity::WallArea), 2.5f);
}

TEST_F(ProgramTest, APageChangeWhoseSaveFailsStaysOnItsPage) {
  start();
  ASSERT_TRUE(m_model.ProjectFileName.set((m_dir / "missing-folder" / "house.prj").string()));
  type(1042, "100");
  std::string message;
  answerInTurn({press(QMessageBox::Ok, &message)});
  command(kCmdPage2);
  EXPECT_NE(message.find("house.prj"), std::string::npos) << message;
  EXPECT_EQ(m_model.CurrentPage, 1);
  EXPECT_EQ(text(1042), "100");
  EXPECT_EQ(m_toolkit.statusText(1), "Made in Lakeside, Minnesota");
}

TEST_F(ProgramTest, AnOpenWhoseLoadFailsKeepsModelAndScreen) {
  start();
  type(1042, "100");
  command(kCmdEditMenu);  // ends the typing, as any menu opened does
  const ProjectTables before = m_model.tables();
  writeFile("broken.prj", "1\r\n2\r\nthree\r\n");
  std::string message;
  answerInTurn({pressButton("&Discard"), chooseFile(m_dir / "broken.prj"), press(QMessageBox::Ok, &message)});
  command(kCmdOpen);
  EXPECT_NE(message.find("broken.prj"), std::string::npos) << message;
  EXPECT_NE(message.find("line 3"), std::string::npos) << message;
  EXPECT_EQ(m_model.ProjectFileName.path(), "new.dat");
  EXPECT_EQ(text(1042), "100");
  EXPECT_EQ(m_model.tables(), before);
}

// A file that an older program left with more after its values opens as
// the same file without it; the user is told of lines that a save drops.
TEST_F(ProgramTest, WhatFollowsTheValuesOpensAsTheValuesAloneWithAWord) {
  ProjectTables project = defaultProject();
  project.zone(1, 2, ZoneQuantity::FloorArea) = 120.0f;
  project.zoneName(2) = "Den";
  const std::string text = projectText(project);
  const std::size_t notes = text.find('[');
  start();
  const struct {
    const char* name;
    std::string bytes;
    std::string told;  // empty when nothing is said
  } cases[] = {
      {"an end-of-file mark", text + "\x1A\x1A", ""},
      {"a line before the notes", text.substr(0, notes) + " 999\r\n" + text.substr(notes),
       (m_dir / "old.prj").string() + ", line 751: \" 999\" and any other lines after the 750 values that are "
       "not project notes are ignored, and will not be kept when the project is saved"},
  };
  writeFile("saved.prj", text);
  drop(m_dir / "saved.prj");  // the loads that Calculate stores hold from now on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    drop(m_dir / "saved.prj");
    const ProjectTables saved = m_model.tables();
    writeFile("old.prj", c.bytes);
    std::string message;
    if (!c.told.empty()) answerInTurn({press(QMessageBox::Ok, &message)});
    drop(m_dir / "old.prj");
    EXPECT_EQ(message, c.told);
    EXPECT_EQ(m_model.tables(), saved);
    EXPECT_EQ(m_model.zoneName(2), "Den");
  }
}

TEST_F(ProgramTest, OpenLoadsTheChosenProjectAndCancelChangesNothing) {
  ProjectTables project = defaultProject();
  project.zone(1, 2, ZoneQuantity::FloorArea) = 120.0f;
  project.integer(1, irow::WinterDesignTemp) = -5;
  ASSERT_TRUE(saveProjectFile((m_dir / "house.prj").string(), project));
  start();
  type(1042, "77");

  answerInTurn({pressButton("&Discard"), cancel()});
  command(kCmdOpen);
  EXPECT_EQ(text(1042), "77") << "Cancel keeps the edits";
  EXPECT_EQ(m_model.ProjectFileName.path(), "new.dat");
  EXPECT_EQ(m_toolkit.statusText(1), "Made in Lakeside, Minnesota");

  command(kCmdPage2);
  answerInTurn({pressButton("&Discard"), chooseFile(m_dir / "house.prj")});
  command(kCmdOpen);
  EXPECT_EQ(m_model.CurrentPage, 1);
  EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), m_dir / "house.prj");
  EXPECT_EQ(text(1054), "120.");
  EXPECT_EQ(text(1026), "-5");
  EXPECT_EQ(text(1042), "0.");
  EXPECT_EQ(m_toolkit.statusText(1), " Page 1");
  EXPECT_EQ(m_toolkit.statusText(2), (m_dir / "house.prj").string());
  EXPECT_EQ(m_toolkit.statusText(3), "Zones 1 -> 10");
}

TEST_F(ProgramTest, NewAsksForTheNameFirstAndCancelOrNoLeavesTheProjectAsItWas) {
  writeFile("taken.prj", "precious");
  start();
  ASSERT_TRUE(m_model.ProjectFileName.set((m_dir / "new.dat").string()));
  command(kCmdPage2);
  type(1042, "5");
  handleMessages();
  // Cancel, or No to an existing name: the question about the change came
  // first, and its Discard does not apply.
  std::string question;
  const std::vector<Answer> refusals[] = {
      {pressButton("&Discard"), cancel()},
      {pressButton("&Discard"), chooseFile(m_dir / "taken.prj"), press(QMessageBox::No, &question)}};
  for (const auto& answers : refusals) {
    answerInTurn(answers);
    command(kCmdNew);
    EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), m_dir / "new.dat");
    EXPECT_EQ(m_toolkit.statusText(1), " Page 2");
    EXPECT_EQ(text(1042), "5");
    EXPECT_TRUE(m_document.unsavedChanges());
  }
  EXPECT_EQ(question, (m_dir / "taken.prj").string() + " already exists. Replace it with the new project?");

  // Yes takes it; it is first written by the next save.
  answerInTurn({pressButton("&Discard"), chooseFile(m_dir / "taken.prj"), press(QMessageBox::Yes)});
  command(kCmdNew);
  EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), m_dir / "taken.prj");
  EXPECT_EQ(readBytes("taken.prj"), "precious");
  command(kCmdSave);
  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("taken.prj", saved));
  EXPECT_EQ(saved.zone(1, 1, ZoneQuantity::WallArea), 0.0f) << "the new project, not the edits";

  // A new name is taken without a question.
  answerInTurn({chooseFile(m_dir / "fresh.prj")});
  command(kCmdNew);
  EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), m_dir / "fresh.prj");
  EXPECT_FALSE(fs::exists("fresh.prj"));
}

TEST_F(ProgramTest, SaveAndSaveAsWriteTheScreenAndCancelWritesNothing) {
  start();
  // The template, named by the user: a project file like any other.
  ASSERT_TRUE(m_model.ProjectFileName.set((m_dir / "new.dat").string()));
  type(1042, "100");
  command(kCmdSave);
  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("new.dat", saved));
  EXPECT_EQ(saved.zone(1, 1, ZoneQuantity::WallArea), 100.0f);

  type(1042, "150");
  answerInTurn({cancel()});
  command(kCmdSaveAs);
  ASSERT_TRUE(loadProjectFile("new.dat", saved));
  EXPECT_EQ(saved.zone(1, 1, ZoneQuantity::WallArea), 100.0f) << "Cancel saves nothing";
  EXPECT_EQ(m_toolkit.statusText(1), "Made in Lakeside, Minnesota");

  command(kCmdPage2);
  answerInTurn({chooseFile(m_dir / "house")});
  command(kCmdSaveAs);
  const fs::path house = m_dir / "house.prj";
  ASSERT_TRUE(fs::exists(house)) << "the default extension is added";
  EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), house);
  EXPECT_EQ(m_toolkit.statusText(1), " Project Name");
  EXPECT_EQ(m_toolkit.statusText(2), house.string());
  EXPECT_EQ(m_toolkit.statusText(3), " Zones 11 -> 20");

  // Save As over another existing file asks first: No changes nothing.
  writeFile("old.prj", "old");
  std::string question;
  answerInTurn({chooseFile(m_dir / "old.prj"), press(QMessageBox::No, &question)});
  command(kCmdSaveAs);
  EXPECT_EQ(question, (m_dir / "old.prj").string() + " already exists. Replace it?");
  EXPECT_EQ(readBytes("old.prj"), "old");
  EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), house);
  answerInTurn({chooseFile(m_dir / "old.prj"), press(QMessageBox::Yes)});
  command(kCmdSaveAs);
  EXPECT_EQ(readBytes("old.prj"), readBytes(house));
}

TEST_F(ProgramTest, ASaveAsThatFailsKeepsTheName) {
  start();
  // A pipe is no place for a project: the save refuses it.
  ASSERT_EQ(mkfifo("pipe.prj", 0644), 0);
  std::string message;
  answerInTurn({chooseFile(m_dir / "pipe.prj"), press(QMessageBox::Yes), press(QMessageBox::Ok, &message)});
  command(kCmdSaveAs);
  EXPECT_NE(message.find("pipe.prj"), std::string::npos) << message;
  EXPECT_EQ(m_model.ProjectFileName.path(), "new.dat");
}

// A pipe where a file belongs never makes the program wait: it says so, and
// the project, its name and the screen stay as they were.
TEST_F(ProgramTest, APipeInPlaceOfAFileIsRefusedAtOnce) {
  fs::remove("new.dat");
  for (const char* name : {"new.dat", "p.prj", "HELP.HLP", "out.dat"}) ASSERT_EQ(mkfifo(name, 0600), 0);
  std::string message;
  answerInTurn({press(QMessageBox::Ok, &message)});
  start();
  EXPECT_NE(message.find("new.dat: is not a plain file"), std::string::npos) << message;
  type(1042, "100");
  const struct {
    int command;
    const char* file;
  } cases[] = {{kCmdNew, "new.dat"}, {kCmdOpen, "p.prj"}, {kCmdHelp, "HELP.HLP"}, {kCmdPrint, "out.dat"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    message.clear();
    std::vector<Answer> answers{press(QMessageBox::Ok, &message)};
    if (c.command == kCmdOpen) answers.insert(answers.begin(), chooseFile(m_dir / c.file));
    if (c.command == kCmdNew) answers.insert(answers.begin(), chooseFile(m_dir / "q.prj"));
    if (c.command == kCmdOpen || c.command == kCmdNew) answers.insert(answers.begin(), pressButton("&Discard"));
    answerInTurn(answers);
    command(c.command);
    EXPECT_NE(message.find(std::string(c.file) + ": "), std::string::npos) << message;
    EXPECT_NE(message.find("not a plain file"), std::string::npos) << message;
    EXPECT_EQ(m_model.ProjectFileName.path(), "new.dat");
    EXPECT_EQ(text(1042), "100");
  }
}

// The file name holds 225 characters padded with blanks, so a name that ends
// in a blank cannot be held exactly: it is refused rather than shortened.
TEST_F(ProgramTest, ANameEndingInABlankIsRefused) {
  writeFile("a.prj", "precious");
  ASSERT_TRUE(saveProjectFile("b.prj ", defaultProject()));
  start();
  for (int id : {kCmdOpen, kCmdSaveAs}) {
    const fs::path chosen = m_dir / (id == kCmdOpen ? "b.prj " : "a.prj ");
    SCOPED_TRACE(chosen);
    std::string message;
    answerInTurn({chooseFile(chosen), press(QMessageBox::Ok, &message)});
    command(id);
    EXPECT_EQ(message, "The name " + chosen.string() +
                           " ends with a blank, which a project file name cannot keep. Choose another name.");
    EXPECT_EQ(m_model.ProjectFileName.path(), "new.dat");
    EXPECT_EQ(readBytes("a.prj"), "precious");
  }
}

// Another program (another Kovrin) saved the project since this one read it:
// every save that would replace it asks first, and No writes nothing.
TEST_F(ProgramTest, AnotherProgramsSaveIsNotReplacedUnasked) {
  start();
  // The template, named by the user: a project file like any other.
  ASSERT_TRUE(m_model.ProjectFileName.set((m_dir / "new.dat").string()));
  type(1042, "100");
  ProjectTables theirs = defaultProject();
  theirs.integer(1, irow::WinterDesignTemp) = -40;
  for (int id : {kCmdSave, kCmdPage2, kCmdSaveAs}) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(saveProjectFile("new.dat", theirs));
    std::string question;
    std::vector<Answer> answers{press(QMessageBox::No, &question)};
    if (id == kCmdSaveAs) answers.insert(answers.begin(), chooseFile(m_dir / "new.dat"));
    answerInTurn(answers);
    command(id);
    EXPECT_TRUE(question.ends_with("new.dat was changed by another program since Kovrin read it. Replace it?"))
        << question;
    EXPECT_EQ(readBytes("new.dat"), projectText(theirs));
    EXPECT_EQ(fs::path(m_model.ProjectFileName.path()), m_dir / "new.dat");
    EXPECT_EQ(m_model.CurrentPage, 1);
    EXPECT_EQ(text(1042), "100");
  }
  answerInTurn({press(QMessageBox::Yes)});
  command(kCmdSave);
  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("new.dat", saved));
  EXPECT_EQ(saved.zone(1, 1, ZoneQuantity::WallArea), 100.0f);

  // Written in place at the same size, its time of change put back: the
  // file's change time still tells.
  std::string edited = readBytes("new.dat");
  edited.replace(edited.find(" 100.000000"), 11, " 200.000000");
  struct stat before {};
  ASSERT_EQ(::stat("new.dat", &before), 0);
  writeFile(m_dir / "new.dat", edited);
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, "new.dat", times, 0), 0);
  answerInTurn({press(QMessageBox::No)});
  command(kCmdSave);
  EXPECT_EQ(readBytes("new.dat"), edited);
}

TEST_F(ProgramTest, PrintWritesTheReportAndPrintsItToAPdfFile) {
  start();
  command(kCmdCalculate);
  const fs::path pdf = m_dir / "report.pdf";
  answerInTurn({printToPdf(pdf)});
  command(kCmdPrint);
  expectGolden(readBytes("out.dat"), fs::path(KOVRIN_TEST_DATA_DIR) / "app" / "calculated.out.dat");
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_GT(fs::file_size(pdf), 1000u);

  // Cancelled: the report is rewritten, nothing is printed.
  fs::remove(pdf);
  fs::remove("out.dat");
  answerInTurn({cancel()});
  command(kCmdPrint);
  EXPECT_TRUE(fs::exists("out.dat"));
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(ProgramTest, ResultsAndTheReportBelongToThePageProjectAndChoiceOnScreen) {
  start();
  type(1041, "1");
  type(1042, "10");
  QTest::mouseClick(qobject_cast<QRadioButton*>(m_toolkit.control(1046)), Qt::LeftButton);
  handleMessages();
  command(kCmdCalculate);
  ASSERT_EQ(text(1155), "370");
  EXPECT_EQ(label(1195), "Heating, Btu/h");

  // Cooling chosen by its label after the heating calculation: Print
  // reports cooling.
  QTest::mouseClick(m_toolkit.control(1172), Qt::LeftButton);
  handleMessages();
  ASSERT_TRUE(qobject_cast<QRadioButton*>(m_toolkit.control(1047))->isChecked());
  EXPECT_TRUE(edit(1155)->property("outOfDate").toBool());
  answerInTurn({cancel()});
  command(kCmdPrint);
  expectGolden(readBytes("out.dat"), fs::path(KOVRIN_TEST_DATA_DIR) / "app" / "wall.out.dat");
  EXPECT_EQ(text(1155), "185");
  EXPECT_EQ(label(1195), "Cooling, Btu/h");
  EXPECT_FALSE(edit(1155)->property("outOfDate").toBool());

  // A page change shows the results of the page it shows; so does Print. A
  // project of its own keeps the page changes out of the template.
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  command(kCmdPage2);
  EXPECT_EQ(results(), std::vector<std::string>(21, "0"));
  // A printout to a file is proposed beside the project, after it.
  QString proposed;
  answerInTurn({[&proposed](QWidget* w) {
    proposed = w->findChild<QLineEdit*>("filename")->text();
    qobject_cast<QDialog*>(w)->reject();
  }});
  command(kCmdPrint);
  EXPECT_EQ(proposed.toStdString(), (m_dir / "house page 2.pdf").string());
  EXPECT_EQ(readBytes("out.dat").find("185"), std::string::npos) << "page 1's load";
  EXPECT_NE(readBytes("out.dat").find("Zones 11 -> 20"), std::string::npos);

  // New: the template's own results.
  command(kCmdPage1);
  ASSERT_EQ(text(1155), "185");
  answerInTurn({chooseFile(m_dir / "other.prj")});
  command(kCmdNew);
  EXPECT_EQ(results(), std::vector<std::string>(21, "0"));
}

TEST_F(ProgramTest, ATypedValueOutsideItsRangeIsNeverUsedInSilence) {
  start();
  QTest::mouseClick(qobject_cast<QRadioButton*>(m_toolkit.control(1046)), Qt::LeftButton);
  type(1041, "1");
  type(1042, "10");
  type(1026, "-61");  // winter design temperature, -60 to 80
  command(kCmdCalculate);
  EXPECT_EQ(m_model.integer(1, irow::WinterDesignTemp), 28) << "the value before the edit, not -6";
  EXPECT_EQ(text(1155), "370");  // 10 x (65 - 28)
  EXPECT_EQ(text(1026), "-61");

  edit(1036)->setFocus();
  EXPECT_EQ(text(1026), "28");
  EXPECT_EQ(m_toolkit.statusMessage(), "Winter design temperature: -61 is outside -60 to 80; kept 28");
  EXPECT_EQ(m_toolkit.statusText(1), "Made in Lakeside, Minnesota") << "the parts keep their texts";
  type(1026, "-15");
  EXPECT_EQ(m_toolkit.statusMessage(), "") << "the value is fixed";

  // The design temperatures of real climates are taken, and one past them is not.
  type(1026, "-40");
  type(1005, "110");
  edit(1036)->setFocus();
  command(kCmdCalculate);
  EXPECT_EQ(text(1155), "1050");  // 10 x (65 + 40)
  EXPECT_EQ(m_model.integer(1, irow::SummerDesignTemp), 110);
  type(1005, "126");
  edit(1036)->setFocus();
  EXPECT_EQ(m_toolkit.statusMessage(), "Summer design temperature: 126 is outside 50 to 125; kept 110");

  // Nor is an emptied field's -999, where a field has no range.
  command(kCmdCalculate);
  const std::vector<std::string> calculated = results();
  for (const int field : {1004, 1037, 1184}) {
    type(field, "");
    QTest::keyClick(edit(field), Qt::Key_Delete);
    command(kCmdCalculate);
    EXPECT_EQ(results(), calculated) << field;
    edit(1036)->setFocus();
    EXPECT_NE(m_toolkit.statusMessage().find(": a value is needed; kept "), std::string::npos) << field;
  }
}

TEST_F(ProgramTest, AnOpenedProjectShowsItsOwnTotalAirflowAndSaveKeepsIt) {
  ProjectTables project = defaultProject();
  project.integer(1, irow::PageAirTotal) = 1500;
  ASSERT_TRUE(saveProjectFile((m_dir / "house.prj").string(), project));
  start();
  ASSERT_EQ(text(1184), "100");
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdOpen);
  EXPECT_EQ(text(1184), "1500");
  command(kCmdSave);
  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("house.prj", saved));
  EXPECT_EQ(saved.integer(1, irow::PageAirTotal), 1500);
}

TEST_F(ProgramTest, AReportThatCannotBeWrittenIsReportedAndNotPrinted) {
  start();
  fs::create_directory("out.dat");
  std::string message;
  answerInTurn({press(QMessageBox::Ok, &message)});
  command(kCmdPrint);
  EXPECT_NE(message.find("out.dat"), std::string::npos) << message;
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no print dialog after a failed report";
}

TEST_F(ProgramTest, HelpOpensTheHelpFileOrSaysItIsMissing) {
  start();
  std::string message;
  answerInTurn({press(QMessageBox::Ok, &message)});
  command(kCmdHelp);
  EXPECT_NE(message.find("HELP.HLP"), std::string::npos) << message;

  fs::copy_file(fs::path(KOVRIN_DATA_DIR) / "HELP.HLP", "HELP.HLP");
  command(kCmdHelp);
  ASSERT_NE(m_toolkit.helpViewer(), nullptr);
  EXPECT_TRUE(m_toolkit.helpViewer()->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the help viewer is not modal";
}

TEST_F(ProgramTest, UnsavedChangesAreNotLostWithoutAQuestion) {
  enum Command { Exit, CloseBox, New, Open };
  struct Case {
    const char* name;
    Command command;
    bool changed;
    const char* answer;  // the button that answers the question
    bool goesOn;
    bool saved;
  };
  const Case cases[] = {
      {"exit, nothing changed", Exit, false, nullptr, true, false},
      {"exit, save", Exit, true, "&Save", true, true},
      {"exit, discard", Exit, true, "&Discard", true, false},
      {"exit, cancel", Exit, true, "Cancel", false, false},
      {"close box, save", CloseBox, true, "&Save", true, true},
      {"close box, discard", CloseBox, true, "&Discard", true, false},
      {"close box, cancel", CloseBox, true, "Cancel", false, false},
      {"new, save", New, true, "&Save", true, true},
      {"new, discard", New, true, "&Discard", true, false},
      {"new, cancel", New, true, "Cancel", false, false},
      {"open, save", Open, true, "&Save", true, true},
      {"open, discard", Open, true, "&Discard", true, false},
      {"open, cancel", Open, true, "Cancel", false, false},
  };
  start();
  const fs::path house = m_dir / "house.prj";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The project read afresh, whatever the case before left on screen.
    ASSERT_TRUE(saveProjectFile(house.string(), defaultProject()));
    std::vector<Answer> opening{chooseFile(house)};
    if (m_document.unsavedChanges()) opening.insert(opening.begin(), pressButton("&Discard"));
    answerInTurn(opening);
    command(kCmdOpen);
    m_quit = 0;
    if (c.changed) type(1042, "77");
    handleMessages();

    std::string question;
    bool fileDialogShown = false;
    std::vector<Answer> answers;
    if (c.answer != nullptr) answers.push_back(pressButton(c.answer, &question));
    if (c.goesOn && (c.command == New || c.command == Open)) {
      answers.push_back([&fileDialogShown](QWidget* w) {
        fileDialogShown = true;
        qobject_cast<QDialog*>(w)->reject();
      });
    }
    answerInTurn(answers);
    switch (c.command) {
      case Exit: command(kCmdExit); break;
      case CloseBox:
        m_toolkit.mainWindow()->close();
        handleMessages();
        break;
      case New: command(kCmdNew); break;
      case Open: command(kCmdOpen); break;
    }

    if (c.answer != nullptr) {
      EXPECT_EQ(question, "Save changes to house.prj?");
    }
    ProjectTables saved;
    ASSERT_TRUE(loadProjectFile(house.string(), saved));
    EXPECT_EQ(saved.zone(1, 1, ZoneQuantity::WallArea), c.saved ? 77.0f : 0.0f);
    const bool wentOn = c.command == Exit || c.command == CloseBox ? m_quit == 1 : fileDialogShown;
    EXPECT_EQ(wentOn, c.goesOn);
    EXPECT_TRUE(m_toolkit.mainWindow()->isVisible()) << "the program ends the loop, not the toolkit";
    if (!c.goesOn) {
      EXPECT_EQ(text(1042), "77");
      EXPECT_TRUE(m_document.unsavedChanges());
    }
  }

  // A save from the question that fails: the message, and nothing else.
  ASSERT_TRUE(m_model.ProjectFileName.set((m_dir / "missing-folder" / "house.prj").string()));
  m_quit = 0;
  type(1042, "88");
  handleMessages();
  std::string message;
  answerInTurn({pressButton("&Save"), press(QMessageBox::Ok, &message)});
  command(kCmdExit);
  EXPECT_NE(message.find("house.prj"), std::string::npos) << message;
  EXPECT_EQ(m_quit, 0);
  EXPECT_TRUE(m_document.unsavedChanges());
}

// The Spreadsheet menu marks the mode in force: the program sets the mark
// once it has carried out the choice, not the click.
TEST_F(ProgramTest, TheSpreadsheetMenuMarksTheModeInForce) {
  start();
  const QList<QAction*> choices = m_toolkit.mainWindow()->menuBar()->actions().at(1)->menu()->actions();
  QAction* on = choices.at(0);
  EXPECT_TRUE(choices.at(1)->isChecked() && !on->isChecked()) << "Off from start-up";
  for (const int chosen : {0, 0, 1}) {
    SCOPED_TRACE(chosen);
    const bool wasOn = on->isChecked();
    choices.at(chosen)->trigger();
    EXPECT_EQ(on->isChecked(), wasOn) << "no mark before the program has switched";
    handleMessages();
    EXPECT_EQ(m_model.SpreadsheetMode, chosen == 0 ? 1 : 0);
    EXPECT_TRUE(choices.at(chosen)->isChecked() && !choices.at(1 - chosen)->isChecked());
  }
}

// New asks for a name to create, Save As for a name to save under; both
// propose a name in the project's own folder, never the template's.
TEST_F(ProgramTest, TheFileDialogsSayWhatTheyDoAndProposeAName) {
  const struct {
    int command;
    const char* projectFile;  // the project's file before the command
    const char* seen;         // title, accept button: proposed path in the working folder
  } cases[] = {
      {kCmdSaveAs, "new.dat", "Save Project As, Save: untitled.prj"},
      {kCmdSave, "new.dat", "Save Project As, Save: untitled.prj"},  // an unnamed project is named first
      {kCmdNew, "new.dat", "New Project, Create: untitled.prj"},
      {kCmdNew, "untitled.prj", "New Project, Create: untitled 2.prj"},
      {kCmdSaveAs, "sub/house.prj", "Save Project As, Save: sub/house.prj"},
      {kCmdNew, "sub/house.prj", "New Project, Create: sub/untitled.prj"},
      {kCmdOpen, "sub/house.prj", "Open Existing Project, Open: sub/house.prj"},
      {kCmdOpen, "new.dat", "Open Existing Project, Open: ."},  // the working folder, no name
  };
  fs::create_directory("sub");
  start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seen);
    ASSERT_TRUE(m_model.ProjectFileName.set(c.projectFile));
    if (!fs::exists(c.projectFile)) writeFile(c.projectFile, "");
    QString seen;
    answerInTurn({[&seen, this](QWidget* w) {
      auto* dialog = qobject_cast<QFileDialog*>(w);
      ASSERT_NE(dialog, nullptr) << "expected a file dialog";
      EXPECT_EQ(dialog->nameFilters(), QStringList{"Kovrin projects (*.prj)"});
      const QString name = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
      seen = QStringLiteral("%1, %2: %3")
                 .arg(dialog->windowTitle(), dialog->labelText(QFileDialog::Accept).remove('&'),
                      QDir(QString::fromStdString(m_dir.string())).relativeFilePath(dialog->directory().filePath(name)));
      dialog->reject();
    }});
    command(c.command);
    EXPECT_EQ(seen.toStdString(), c.seen);
  }
}

TEST_F(ProgramTest, TheHouseViewFollowsTheScreenAndLeadsToAZone) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  command(kCmdSpreadsheetOn);
  command(kCmdHouseView);
  HouseView* view = m_windows.houseView();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(view->isVisible());
  const auto cell = [view](int row, int column) {
    return view->table()->model()->index(row, column).data().toString().toStdString();
  };

  // A keystroke in spreadsheet mode: the view has zone 1 with its loads.
  type(1041, "1");
  type(1042, "10");
  handleMessages();
  EXPECT_EQ(cell(0, 0), "1");
  EXPECT_EQ(cell(0, 4), "370");  // heating
  EXPECT_EQ(cell(0, 7), "185");  // cooling

  // From page 3, a double-click on zone 1 in the view shows page 1 as the
  // Zones command does, saved first, with the focus in the zone's column.
  command(kCmdPage3);
  type(1062, "0.5");
  handleMessages();
  QTableView* table = view->table();
  const QPoint row = table->visualRect(table->model()->index(0, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row);  // a double-click starts with a click
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row);
  // The zone's details open over its page.
  answerInTurn({[](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Zone Details: zone 1");
    qobject_cast<QDialog*>(dialog)->reject();
  }});
  handleMessages();
  EXPECT_EQ(m_model.CurrentPage, 1);
  EXPECT_EQ(m_toolkit.mainWindow()->focusWidget(), m_toolkit.control(1002));
  ProjectTables saved;
  ASSERT_TRUE(loadProjectFile("house.prj", saved));
  EXPECT_EQ(saved.zone(3, 3, ZoneQuantity::DoorU), 0.5f);

  // Export Report: the PDF beside the project, named after it.
  answerInTurn({[](QWidget* w) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->selectedFiles().value(0).toStdString(), (fs::current_path() / "house.pdf").string());
    QMetaObject::invokeMethod(dialog, "accept");
  }});
  command(kCmdExportReport);
  EXPECT_GT(fs::file_size("house.pdf"), 1000u);
  EXPECT_NE(m_toolkit.statusMessage().find("house.pdf"), std::string::npos);
}

// The house view of a whole house opens wholly on the screen: placed by
// the room its figures take, not by the room of the empty view. (Run on a
// wide screen too, where the view goes beside the window.)
TEST_F(ProgramTest, TheHouseViewOfAWholeHouseOpensOnTheScreen) {
  start();
  writeFile("long.prj", readBytes(fs::path(KOVRIN_TEST_DATA_DIR) / "reference" / "long.prj"));
  answerInTurn({chooseFile(m_dir / "long.prj")});
  command(kCmdOpen);
  command(kCmdHouseView);
  handleMessages();
  HouseView* view = m_windows.houseView();
  ASSERT_NE(view, nullptr);
  QApplication::processEvents();
  const QRect screen = view->screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(view->frameGeometry())) << view->frameGeometry().x() << "+" << view->width();
  EXPECT_GE(view->width(), view->minimumSizeHint().width());
}

// The titles name the project at once: the main window's with the mark of
// unsaved changes, the house view's too, with the client as soon as it is
// given.
TEST_F(ProgramTest, TheTitlesNameTheProjectAtOnce) {
  // As the window shows it: "[*]" stands for the unsaved mark.
  const auto title = [](const QWidget* window) {
    return window->windowTitle().replace("[*]", window->isWindowModified() ? "*" : "").toStdString();
  };
  start();
  command(kCmdHouseView);
  const QWidget* main = m_toolkit.mainWindow();
  EXPECT_EQ(title(main), "Untitled \u2013 " + std::string(kProgramTitle));
  answerInTurn({chooseFile(m_dir / "smith.prj")});
  command(kCmdSaveAs);
  EXPECT_EQ(title(main), "smith.prj \u2013 " + std::string(kProgramTitle));
  EXPECT_EQ(title(m_windows.houseView()), std::string(kProgramTitle) + ": House Loads \u2013 smith.prj");
  activate();
  type(1042, "10");
  edit(1041)->setFocus();
  handleMessages();
  EXPECT_EQ(title(main), "smith.prj* \u2013 " + std::string(kProgramTitle));
  EXPECT_EQ(title(m_windows.houseView()), std::string(kProgramTitle) + ": House Loads \u2013 smith.prj*");
  answerInTurn({[](QWidget* w) {
    w->findChild<QLineEdit*>("Client")->setText("Smith");
    qobject_cast<QDialog*>(w)->accept();
  }});
  command(kCmdProjectDetails);
  EXPECT_EQ(title(m_windows.houseView()),
            std::string(kProgramTitle) + ": House Loads \u2013 smith.prj*, Smith");
  command(kCmdSave);
  EXPECT_EQ(title(m_windows.houseView()),
            std::string(kProgramTitle) + ": House Loads \u2013 smith.prj, Smith");
}

// Zone Details by the keyboard: the zone whose column has the focus, a
// window added and completed, a figure refused until mended, the loads as
// they would become, OK one step of the history, and Save keeping it.
TEST_F(ProgramTest, ZoneDetailsEditsTheZoneWithTheFocusInOneStep) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  type(zoneField(3, ZoneQuantity::GlassArea), "40");
  type(zoneField(3, ZoneQuantity::GlassU), "0.5");
  handleMessages();
  QWidget* shown = nullptr;  // the dialog
  const auto focus = [&shown] { return shown->focusWidget(); };
  const auto key = [&focus](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focus(), k, modifiers);
  };
  const auto windowsCooling = [](QWidget* dialog) {
    const QTableWidget* preview = dialog->findChild<QTableWidget*>("preview");
    for (int r = 0; r < preview->rowCount(); ++r) {
      if (preview->verticalHeaderItem(r)->text() == "Windows") return preview->item(r, 1)->text();
    }
    return QString();
  };
  answerInTurn({[&](QWidget* dialog) {
    shown = dialog;
    EXPECT_EQ(dialog->windowTitle(), "Zone Details: zone 3");
    auto* windows = dialog->findChild<QTabWidget*>()->widget(0);
    EXPECT_TRUE(windows->findChild<QLabel*>("state")->text().startsWith("Not entered. Proposed from the page: 40 ft"));
    const QString proposed = windowsCooling(dialog);
    // Insert adds the page's window; its SHGC is the window's own, still to come.
    auto* items = windows->findChild<QTableWidget*>("items");
    items->setFocus();
    key(Qt::Key_Insert);
    ASSERT_EQ(items->rowCount(), 1);
    EXPECT_EQ(items->item(0, 1)->text(), "40");
    EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text(), "Window 1, SHGC: a number is needed");
    key(Qt::Key_Return);
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(items->currentColumn(), 3);
    for (const char c : std::string("0.3")) QTest::keyClick(focus(), c);
    key(Qt::Key_Return);
    EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text(), "");
    EXPECT_NE(windowsCooling(dialog), proposed);
    key(Qt::Key_Return);
  }});
  command(kCmdZoneDetails);
  const std::optional<std::vector<WindowDetails>>& windows = m_model.Details.zone(3).windows;
  ASSERT_TRUE(windows.has_value());
  ASSERT_EQ(windows->size(), 1u);
  EXPECT_EQ(windows->front().shgc, 0.3);
  EXPECT_EQ(windows->front().area, 40.0);
  EXPECT_EQ(editMenu(), "Undo Details of Zone 3 | (Redo)");
  command(kCmdUndo);
  EXPECT_EQ(m_model.Details, DesignDetails{});
  command(kCmdRedo);
  command(kCmdSave);
  EXPECT_NE(readBytes("house.prj").find("zone 3 window = facing "), std::string::npos);

  // Opened again, it shows the window entered; Escape leaves all as it was.
  answerInTurn({[&](QWidget* dialog) {
    EXPECT_EQ(dialog->findChild<QTabWidget*>()->widget(0)->findChild<QTableWidget*>("items")->rowCount(), 1);
    QTest::keyClick(dialog, Qt::Key_Escape);
  }});
  command(kCmdZoneDetails);
  EXPECT_FALSE(m_document.unsavedChanges());
}

// Zone Details of a partition column: Add starts the wall (to the space at
// the partition difference), the light cathedral roof and the floor (a slab,
// a basement, a slab of U 0) as the load takes them, so the loads stay as
// they were; figures show whole and as typed; a wall below grade needs its
// height; a page of pasted digits leaves the dialog its size.
TEST_F(ProgramTest, ZoneDetailsAddStartsFromTheProposalAndShowsEveryFigure) {
  start();
  for (const auto& [field, value] : {std::pair{zoneField(7, ZoneQuantity::WallArea), "100"},
                                     {zoneField(7, ZoneQuantity::WallU), "0.1"}, {1114, "20"},
                                     {zoneField(7, ZoneQuantity::RoofArea), "150"},
                                     {zoneField(7, ZoneQuantity::RoofU), "0.05"},
                                     {zoneField(7, ZoneQuantity::FloorArea), "150"},
                                     {zoneField(7, ZoneQuantity::DoorArea), "20"},
                                     {zoneField(7, ZoneQuantity::DoorU), "0.4"}}) {
    type(field, value);
  }
  m_model.Details.zone(7).windows = {{WindowDetails{5, 20, 1 / 10.3, 0.66}}};
  for (const auto& [floors, floorU] : {std::pair{1, "0.05"}, {2, "0.05"}, {1, "0"}}) {
    type(zoneField(7, ZoneQuantity::FloorU), floorU);
    handleMessages();
    m_model.selection(sel::FloorConstruction) = floors;
    m_model.selection(sel::RoofConstruction) = 4;
    m_model.FocusColumn = 7;
    answerInTurn({[](QWidget* dialog) {
      const QTableWidget* preview = dialog->findChild<QTableWidget*>("preview");
      const auto total = [preview] {
        const int r = preview->rowCount() - 1;
        return (preview->item(r, 0)->text() + " " + preview->item(r, 1)->text()).toStdString();
      };
      const std::string proposed = total();
      auto* tabs = dialog->findChild<QTabWidget*>();
      const auto items = [tabs](int tab) { return tabs->widget(tab)->findChild<QTableWidget*>("items"); };
      for (const int tab : {2, 3, 4, 5}) {  // doors, walls, ceiling, floor
        tabs->widget(tab)->findChild<QPushButton*>("add")->click();
        EXPECT_EQ(total(), proposed) << tab;
      }
      EXPECT_EQ(items(3)->item(0, 2)->text(), "0.1");
      for (const int tab : {0, 3, 4, 5}) {
        QStyleOptionViewItem option;
        option.initFrom(items(tab));
        for (int c = 0; c < items(tab)->columnCount(); ++c) {
          const QModelIndex cell = items(tab)->model()->index(0, c);
          EXPECT_GE(items(tab)->columnWidth(c), items(tab)->itemDelegateForIndex(cell)->sizeHint(option, cell).width())
              << cell.data().toString().toStdString();
        }
      }
      items(3)->item(0, 0)->setData(Qt::UserRole, 2);
      items(3)->item(0, 0)->setText("below grade");
      EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text(), "Wall 1: a wall below grade needs its height");
      const int width = dialog->width();
      items(0)->setCurrentCell(0, 1);
      QTest::keyClick(items(0), '9');  // opens the cell's editor
      QTest::keyClicks(dialog->focusWidget(), QString(1500, '9'));
      QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
      EXPECT_TRUE(dialog->findChild<QLabel*>("refusal")->text().startsWith(
          "Window 1, Area ft\u00B2: " + QString(20, '9') + " is outside"));
      QTest::keyClicks(dialog->findChild<QLineEdit*>("people"), QString(1500, '9'));
      QApplication::processEvents();
      EXPECT_LE(dialog->width(), width);
      qobject_cast<QDialog*>(dialog)->reject();
    }});
    command(kCmdZoneDetails);
  }
}

// Each page keeps its own design conditions: the first change says so once,
// the house view warns while a page differs from page 1 and of partition
// walls that add nothing, and Copy Criteria is an edit like any other.
TEST_F(ProgramTest, EachPagesConditionsAndPartitionWallsAreMadeVisible) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  m_model.Job.Client = "Smith family";
  command(kCmdHouseView);
  HouseView* view = m_windows.houseView();
  EXPECT_EQ(view->windowTitle().toStdString(), "Kovrin 4.0: House Loads \u2013 house.prj[*], Smith family");

  type(1005, "100");
  handleMessages();
  EXPECT_EQ(m_toolkit.statusMessage(), "This changes page 1 only: the other pages keep their own design conditions. "
                                       "Zones > Copy Criteria to All Pages gives them these.");
  m_toolkit.windowstatusmessage("");
  type(1026, "40");
  handleMessages();
  EXPECT_EQ(m_toolkit.statusMessage(), "") << "said once";
  type(1041, "0.1");
  command(kCmdPage2);
  type(1113, "50");  // zone 17's wall area, its partition difference 0
  command(kCmdCalculate);
  EXPECT_EQ(view->warnings()->text().toStdString(),
            "Page 2 uses other design conditions: 93/28\u00A0\u00B0F outdoors (page 1: 100/40\u00A0\u00B0F).\n"
            "Zone 17: its walls count as partitions with a temperature difference of 0, so they add no load. "
            "Enter the difference, or use zones 1\u20136 for outside walls.");

  command(kCmdPage1);
  ASSERT_FALSE(m_document.unsavedChanges());
  std::string question;
  answerInTurn({press(QMessageBox::Yes, &question)});
  command(kCmdCopyCriteria);
  EXPECT_EQ(question, "Use these design conditions on all five pages?");
  for (int page = 2; page <= kPages; ++page) EXPECT_EQ(m_model.integer(page, irow::WinterDesignTemp), 40);
  EXPECT_TRUE(m_document.unsavedChanges());
  EXPECT_FALSE(view->warnings()->text().contains("Page 2"));
}

// Zones > House Air and People, reached from the house view's line that
// says none is entered: proposals greyed and not entered, a value that is
// not whole refused in a word and not taken by OK, Cancel changing nothing;
// OK an edit that the house view follows and Save keeps.
TEST_F(ProgramTest, TheAirAndPeopleDialogEditsTheHouseAndTheViewFollows) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  type(zoneField(1, ZoneQuantity::FloorArea), "1500");
  handleMessages();
  command(kCmdSave);
  command(kCmdHouseView);
  const DesignPanel& panel = *m_windows.houseView()->designPanel();
  ASSERT_TRUE(panel.notEnteredLine()->isVisible());

  const auto field = [](QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(name); };
  const auto click = [](QWidget* dialog, QDialogButtonBox::StandardButton button) {
    dialog->findChild<QDialogButtonBox*>()->button(button)->click();
  };
  answerInTurn({[&](QWidget* dialog) {
    // A proposal reads as one in the field and in the preview, never as a value in force.
    EXPECT_EQ(field(dialog, "floorArea")->placeholderText(), "1500, the zones' sum");
    EXPECT_EQ(field(dialog, "ceilingHeight")->placeholderText(), "8 proposed");
    EXPECT_TRUE(dialog->findChild<QLabel*>("preview")->text().contains(
        "Not entered: 0 counted for:\n  Average ceiling height (8 proposed)\n  Air changes"))
        << dialog->findChild<QLabel*>("preview")->text().toStdString();
    QTest::keyClicks(field(dialog, "ach50"), "5");  // stands in for the air changes
    EXPECT_FALSE(dialog->findChild<QLabel*>("preview")->text().contains("Air changes by leakage"));
    field(dialog, "ach50")->selectAll();
    QTest::keyClick(field(dialog, "ach50"), Qt::Key_Backspace);
    QTest::keyClicks(field(dialog, "occupants"), "4.5");
    EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text(), "Occupants: 4.5 is not a whole number");
    click(dialog, QDialogButtonBox::Ok);
    ASSERT_TRUE(dialog->isVisible());
    field(dialog, "occupants")->clear();
    QTest::keyClicks(field(dialog, "occupants"), "3");
    // The preview is the design load as it would become.
    ProjectTables edited = m_model;
    edited.House[HouseValue::Occupants] = 3.0;
    const DesignLoad load = designHouse(edited).load;
    const std::string cooling = "Cooling " + figureText(load.coolingSensible, 0, Grouping::Thousands) +
                                " sensible + " + figureText(load.coolingLatent, 0, Grouping::Thousands) + " latent";
    EXPECT_TRUE(dialog->findChild<QLabel*>("preview")->text().contains(QString::fromStdString(cooling)))
        << cooling;
    click(dialog, QDialogButtonBox::Ok);
  }});
  QTest::mouseClick(panel.notEnteredLine(), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_EQ(handleMessages(), 1);
  HouseValues expected;
  expected[HouseValue::Occupants] = 3.0;
  EXPECT_EQ(m_model.House, expected);
  EXPECT_TRUE(m_document.unsavedChanges());
  // 3 people's internal gains, 230 Btu/h sensible each.
  EXPECT_EQ(panel.loadTable()->item(static_cast<int>(Component::InternalGains), 1)->text(), "690");
  // One step of the history, which the view follows.
  EXPECT_EQ(editMenu(), "Undo House Air and People | (Redo)");
  command(kCmdUndo);
  EXPECT_EQ(m_model.House, HouseValues{});
  EXPECT_TRUE(panel.notEnteredLine()->isVisible());
  command(kCmdRedo);
  EXPECT_EQ(m_model.House, expected);

  command(kCmdSave);
  answerInTurn({[&](QWidget* dialog) {
    QTest::keyClicks(field(dialog, "ceilingHeight"), "9");
    click(dialog, QDialogButtonBox::Cancel);
  }});
  // The keyboard reaches the dialog from the view as the mouse does: the
  // line takes the focus, Tab moves onto its link, Enter follows it.
  QWidget* view = panel.changeLine()->window();
  view->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(view));
  panel.changeLine()->setFocus(Qt::TabFocusReason);
  QTest::keyClick(panel.changeLine(), Qt::Key_Tab);
  QTest::keyClick(panel.changeLine(), Qt::Key_Return);
  EXPECT_EQ(handleMessages(), 1);
  EXPECT_EQ(m_model.House, expected);
  EXPECT_FALSE(m_document.unsavedChanges());
  EXPECT_NE(readBytes("house.prj").find("\r\noccupants = 3\r\n"), std::string::npos);
}

// Zones > Ducts: proposals from the floor area greyed, a refused number
// named and not taken, a location chosen; OK one step that Save keeps.
TEST_F(ProgramTest, TheDuctsDialogEditsTheDuctSystemAsOneStep) {
  start();
  answerInTurn({chooseFile(m_dir / "ducts.prj")});
  command(kCmdSaveAs);
  type(zoneField(1, ZoneQuantity::FloorArea), "1200");
  handleMessages();
  answerInTurn({[&](QWidget* dialog) {
    const auto field = [&](const char* name) { return dialog->findChild<QLineEdit*>(name); };
    EXPECT_EQ(field("supplyArea")->placeholderText(), "324");
    EXPECT_EQ(field("returnArea")->placeholderText(), "60");
    QTest::keyClicks(field("returns"), "1.5");
    EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text(), "Number of returns: 1.5 is not a whole number");
    field("returns")->clear();
    QTest::keyClicks(field("returns"), "2");
    EXPECT_EQ(field("returnArea")->placeholderText(), "120");
    dialog->findChild<QComboBox*>("sealing")->setCurrentIndex(1);  // sealed
    EXPECT_TRUE(dialog->findChild<QLabel*>("preview")->text().contains("38.9 CFM25 to outside"));
    EXPECT_TRUE(dialog->findChild<QLabel*>("preview")->text().contains("Their load in the design load"));
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  }});
  command(kCmdDucts);
  DuctSystem expected;
  expected[DuctNumber::Returns] = 2.0;
  expected.Sealing = DuctSealing::Sealed;
  EXPECT_EQ(m_model.Ducts, expected);
  EXPECT_EQ(editMenu(), "Undo Ducts | (Redo)");
  command(kCmdUndo);
  EXPECT_FALSE(m_model.Ducts.entered());
  command(kCmdRedo);
  command(kCmdSave);
  EXPECT_NE(readBytes("ducts.prj").find("\r\nduct returns = 2\r\nduct sealing = sealed\r\n"), std::string::npos);
}

// Digits pasted or typed without end into a number of House Air and People,
// House Equipment or Ducts: the field takes a number's length, the message
// calls a number too large out of range, and the dialog keeps its size.
TEST_F(ProgramTest, TheDialogsOfValuesKeepTheirSizeWhateverIsTyped) {
  start();
  struct Row {
    int command;
    const char* field;
    QString message;
  };
  const Row rows[] = {{kCmdAirAndPeople, "occupants", "Occupants: %1 is outside 0 to 50"},
                      {kCmdEquipment, "coolingTotal", "Cooling total capacity: %1 is outside 1000 to 1000000"},
                      {kCmdDucts, "supplyArea", "Supply duct surface: %1 is outside 0 to 50000"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    answerInTurn({[&](QWidget* dialog) {
      const int width = dialog->width();
      auto* field = dialog->findChild<QLineEdit*>(row.field);
      field->setFocus();
      QApplication::clipboard()->setText(QString(1500, QLatin1Char('9')));
      QTest::keySequence(field, QKeySequence::Paste);
      QTest::keyClicks(field, "99");
      EXPECT_EQ(field->text().toStdString(), std::string(20, '9'));
      EXPECT_EQ(dialog->findChild<QLabel*>("refusal")->text().toStdString(),
                row.message.arg(field->text()).toStdString());
      QApplication::processEvents();
      EXPECT_LE(dialog->width(), width);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    }});
    command(row.command);
  }
}

// Once a zone has people or appliances of its own, the house's occupants
// and appliances count for no zone: House Air and People says so beside
// what they would have been, and Zone Details says what another zone's
// empty field counts.
TEST_F(ProgramTest, TheZonesOwnPeopleAreSaidToStandForTheHouses) {
  start();
  type(zoneField(2, ZoneQuantity::FloorArea), "200");
  type(zoneField(3, ZoneQuantity::FloorArea), "100");
  handleMessages();
  m_model.Details.zone(2).people = 2;
  answerInTurn({[](QWidget* dialog) {
    QTest::keyClicks(dialog->findChild<QLineEdit*>("occupants"), "6");
    EXPECT_TRUE(dialog->findChild<QLabel*>("preview")->text().contains(
        "Occupants and appliances not counted: zone 2 has its own (Zone Details)"));
    EXPECT_FALSE(dialog->findChild<QLabel*>("preview")->text().contains("Appliances and lights, sensible ("));
    qobject_cast<QDialog*>(dialog)->reject();
  }});
  command(kCmdAirAndPeople);
  m_model.FocusColumn = 3;
  answerInTurn({[](QWidget* dialog) {
    EXPECT_EQ(dialog->findChild<QLineEdit*>("people")->placeholderText(), "none");
    qobject_cast<QDialog*>(dialog)->reject();
  }});
  command(kCmdZoneDetails);
}

// Zones > House Equipment by the keyboard: Tab goes through the fields as
// they stand, the system chosen from its list, the heat pump's figures
// checked as they are typed, OK one step of the history, and Save keeping
// what was entered and nothing else.
TEST_F(ProgramTest, TheEquipmentDialogChecksAsItIsTypedAndOkIsOneStep) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  answerInTurn({[&](QWidget* dialog) {
    auto* system = dialog->findChild<QComboBox*>("system");
    system->setFocus();
    std::vector<std::string> tabbed;
    for (int i = 0; i < 19; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      tabbed.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(tabbed, (std::vector<std::string>{"makeAndModel", "compressor", "sizedForHeating", "furnaceInput", "afue",
                                                "temperatureRiseLow", "temperatureRiseHigh", "coolingTotal",
                                                "coolingSensible", "sensibleHeatRatio", "capacityAt47",
                                                "capacityAt17", "capacityAt5", "lockoutTemperature", "backupKw",
                                                "heatingCfm", "coolingCfm", "bedrooms", "frontDoor"}));
    system->setFocus();
    QTest::keyClick(system, Qt::Key_Down);
    QTest::keyClick(system, Qt::Key_Down);
    EXPECT_EQ(system->currentText(), "Heat pump");
    for (const auto& [name, text] : {std::pair{"capacityAt47", "36000"}, {"capacityAt17", "33000"},
                                     {"capacityAt5", "24000"}}) {
      QTest::keyClicks(dialog->findChild<QLineEdit*>(name), text);
    }
    const QString preview = dialog->findChild<QLabel*>("preview")->text();
    EXPECT_TRUE(preview.contains("Heat pump at 28 \u00b0F: 34,100 Btu/h")) << preview.toStdString();
    EXPECT_TRUE(preview.contains("Cold climate: not a cold-climate unit: it keeps 67 %")) << preview.toStdString();
    QTest::keyClick(dialog, Qt::Key_Return);
  }});
  command(kCmdEquipment);
  EXPECT_EQ(editMenu(), "Undo House Equipment | (Redo)");
  command(kCmdSave);
  const std::string saved = readBytes("house.prj");
  EXPECT_NE(saved.find("\r\nsystem = heat pump\r\nheat pump 47 = 36000\r\nheat pump 17 = 33000\r\n"
                       "heat pump 5 = 24000\r\n"),
            std::string::npos);
  command(kCmdUndo);
  EXPECT_EQ(m_model.Equipment, Equipment{});
}

TEST_F(ProgramTest, ZoneNamesAndTheJobTravelWithTheProjectIntoTheReport) {
  start();
  answerInTurn({chooseFile(m_dir / "smith.prj")});
  command(kCmdSaveAs);
  activate();
  type(1196, "Kitchen");
  type(1197, QStringLiteral("Salle \u00E0 manger"));
  handleMessages();
  EXPECT_TRUE(m_document.unsavedChanges());
  answerInTurn({[](QWidget* w) {
    auto* client = w->findChild<QLineEdit*>("Client");
    ASSERT_NE(client, nullptr);
    client->setText(QStringLiteral("Smith, \"J\" & Co"));
    qobject_cast<QDialog*>(w)->accept();
  }});
  command(kCmdProjectDetails);

  // Page 2 has names of its own; page 1's come back through the file.
  command(kCmdPage2);
  EXPECT_EQ(text(1196), "");
  command(kCmdPage1);
  EXPECT_EQ(text(1197), "Salle \u00E0 manger");
  command(kCmdSave);
  answerInTurn({chooseFile(m_dir / "smith.prj")});
  command(kCmdOpen);
  EXPECT_EQ(text(1196), "Kitchen");
  EXPECT_EQ(m_model.Job.Client, "Smith, \"J\" & Co");

  answerInTurn({[](QWidget* w) { QMetaObject::invokeMethod(w, "accept"); }});
  command(kCmdExportReport);
  ASSERT_EQ(std::system("pdftotext smith.pdf smith.txt"), 0);
  const std::string report = readBytes("smith.txt");
  for (const char* shown : {"Kitchen", "Salle \u00E0 manger", "Smith, \"J\" & Co"}) {
    EXPECT_NE(report.find(shown), std::string::npos) << shown;
  }
}

// Every finished change is a step that Undo takes back and Redo does again,
// on the screen and in the model, as if the user had entered it; the
// unsaved changes follow the state last read or written (the keyboard
// session saves and exits after undoing).
TEST_F(ProgramTest, UndoAndRedoWalkTheFinishedChangesOfThePage) {
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdSaveAs);
  activate();
  EXPECT_EQ(editMenu(), "(Undo) | (Redo)");
  type(1065, "250");  // floor area of zone 3
  handleMessages();
  list(1072)->setFocus();  // its glass faces S
  emit list(1072)->activated(4);
  handleMessages();
  EXPECT_EQ(editMenu(), "Undo Glass direction of zone 3 | (Redo)");
  command(kCmdUndo);
  EXPECT_EQ(list(1072)->currentText().toStdString(), "E");
  EXPECT_EQ(editMenu(), "Undo Floor area of zone 3 | Redo Glass direction of zone 3");
  command(kCmdUndo);
  EXPECT_EQ(text(1065), "0.");
  EXPECT_EQ(m_toolkit.mainWindow()->focusWidget(), m_toolkit.control(1065)) << "the place of the change";
  EXPECT_TRUE(edit(1165)->property("outOfDate").toBool()) << "spreadsheet mode off";
  EXPECT_FALSE(m_document.unsavedChanges()) << "back where the file is";
  command(kCmdRedo);
  EXPECT_EQ(text(1065), "250.");
  EXPECT_TRUE(m_document.unsavedChanges());
  // Typing that ends where it began is no step: Redo stays.
  type(1065, "250");
  edit(1042)->setFocus();
  handleMessages();
  EXPECT_EQ(editMenu(), "Undo Floor area of zone 3 | Redo Glass direction of zone 3");

  // In spreadsheet mode Undo recalculates; the job's details are a step of
  // their own; a page change starts a new history.
  command(kCmdSpreadsheetOn);
  type(1041, "1");
  type(1042, "10");
  type(1196, "Kitchen");
  handleMessages();
  ASSERT_EQ(text(1155), "185");
  answerInTurn({[](QWidget* w) {
    w->findChild<QLineEdit*>("Client")->setText("Smith");
    qobject_cast<QDialog*>(w)->accept();
  }});
  command(kCmdProjectDetails);
  EXPECT_EQ(editMenu(), "Undo Project Details | (Redo)");
  command(kCmdUndo);
  EXPECT_EQ(m_model.Job.Client, "");
  command(kCmdUndo);
  EXPECT_EQ(text(1196), "");
  command(kCmdUndo);
  EXPECT_EQ(text(1155), "0") << "recalculated: a U-value without an area";
  command(kCmdPage2);
  EXPECT_EQ(editMenu(), "(Undo) | (Redo)");
}

// Undo takes back the user's change and nothing else: the loads, total and
// shares stored for the other pages stay, and undoing back to what was saved
// saves the very same file.
TEST_F(ProgramTest, UndoKeepsEveryStoredResultAndSavesTheSameFile) {
  ProjectTables project = defaultProject();
  for (int c = 1; c <= kZoneColumns; ++c) {
    project.integer(2, irow::ZoneLoad(c)) = 1000 + c;
    project.integer(2, irow::ZoneAirShare(c)) = 10;
  }
  project.integer(2, irow::PageLoadTotal) = 10055;
  ASSERT_TRUE(saveProjectFile((m_dir / "house.prj").string(), project));
  start();
  answerInTurn({chooseFile(m_dir / "house.prj")});
  command(kCmdOpen);
  command(kCmdSave);
  const std::string saved = readBytes(m_dir / "house.prj");
  type(integerRowField(irow::SummerDesignTemp), "99");
  edit(1042)->setFocus();
  handleMessages();
  command(kCmdUndo);
  EXPECT_FALSE(m_document.unsavedChanges());
  command(kCmdSave);
  EXPECT_TRUE(readBytes(m_dir / "house.prj") == saved) << "the file as saved, byte for byte";
  ProjectTables read;
  ASSERT_TRUE(loadProjectFile("house.prj", read));
  EXPECT_EQ(read.PageIntegers[1], project.PageIntegers[1]) << "page 2 as it was stored";
}

// A project file dropped on the window opens as Open opens it, after the
// question about unsaved changes; File > Open Recent keeps the last eight.
TEST_F(ProgramTest, DroppedAndRecentProjectsOpenAsOpenDoes) {
  const auto project = [this](int n) { return m_dir / ("p" + std::to_string(n) + ".prj"); };
  const auto recent = [&project](std::vector<int> numbers) {  // of projects p<n>.prj, newest first
    std::string shown;
    for (int i = 0; const int n : numbers) shown += std::to_string(++i) + " " + project(n).string() + " | ";
    return shown + "Clear List";
  };
  start();
  EXPECT_EQ(recentMenu(), "(Clear List)");
  for (int n = 1; n <= 9; ++n) {
    ProjectTables tables = defaultProject();
    tables.zone(1, 1, ZoneQuantity::WallArea) = static_cast<float>(n);
    ASSERT_TRUE(saveProjectFile(project(n).string(), tables));
    drop(project(n));
  }
  EXPECT_EQ(text(1042), "9.");
  EXPECT_EQ(text(1196), "") << "the field did not take the file's name";
  EXPECT_EQ(recentMenu(), recent({9, 8, 7, 6, 5, 4, 3, 2}));

  // The question comes first: Cancel keeps the edit.
  type(1042, "77");
  answerInTurn({pressButton("Cancel")});
  drop(project(3));
  EXPECT_EQ(text(1042), "77");
  answerInTurn({pressButton("&Discard")});
  command(kCmdRecentProject1 + 3);
  EXPECT_EQ(text(1042), "6.");
  EXPECT_EQ(recentMenu(), recent({6, 9, 8, 7, 5, 4, 3, 2}));

  // A project that is gone says so and leaves the list.
  fs::remove(project(9));
  std::string message;
  answerInTurn({press(QMessageBox::Ok, &message)});
  command(kCmdRecentProject1 + 1);
  EXPECT_EQ(message,
            "The project " + project(9).string() + " no longer exists. It is taken off the list of recent projects.");
  EXPECT_EQ(recentMenu(), recent({6, 8, 7, 5, 4, 3, 2}));
  EXPECT_EQ(text(1042), "6.");

  command(kCmdClearRecent);
  EXPECT_EQ(recentMenu(), "(Clear List)");
}

// Each entry of File > Open Recent opens the path it shows: the path as it
// was opened, never shortened (through a link, "lnk/../p.prj" is another file
// than "p.prj"), even after another Kovrin changed the list.
TEST_F(ProgramTest, EachRecentEntryOpensThePathItShows) {
  const auto project = [this](const fs::path& path, int wallArea) {
    ProjectTables tables = defaultProject();
    tables.zone(1, 1, ZoneQuantity::WallArea) = static_cast<float>(wallArea);
    ASSERT_TRUE(saveProjectFile((m_dir / path).string(), tables));
  };
  fs::create_directories(m_dir / "jobs" / "2024");
  fs::create_directory_symlink(m_dir / "jobs" / "2024", m_dir / "lnk");
  project("p.prj", 1);
  project("jobs/p.prj", 2);
  project("q.prj", 3);
  start();
  drop(m_dir / "lnk/../p.prj");
  ASSERT_EQ(text(1042), "2.");
  drop(m_dir / "q.prj");
  command(kCmdFileMenu);
  EXPECT_EQ(recentMenu(), "1 " + (m_dir / "q.prj").string() + " | 2 " + (m_dir / "lnk/../p.prj").string() +
                              " | Clear List");
  // Another Kovrin puts its own project first while the menu is open.
  QSettings other(QString::fromStdString((m_dir / "kovrin/kovrin.conf").string()), QSettings::IniFormat);
  other.beginWriteArray("recentProjects", 1);
  other.setArrayIndex(0);
  other.setValue("value", QByteArray::fromStdString((m_dir / "p.prj").string()));
  other.endArray();
  other.sync();
  command(kCmdRecentProject1 + 1);
  EXPECT_EQ(text(1042), "2.");
}

// The settings are a convenience: a damaged or strange settings file costs
// no more than the eight entries the menu shows, and one that is no
// regular file is neither read nor replaced.
TEST_F(ProgramTest, ADamagedSettingsFileNeverHoldsTheProgramUp) {
  const fs::path settings = m_dir / "kovrin/kovrin.conf";
  const std::string first = (m_dir / "a.prj").string();
  struct Row {
    const char* name;
    std::function<void()> make;
    std::string menu;
  } const rows[] = {
      {"a list that says it is endless",
       [&] { writeFile(settings, "[recentProjects]\n1\\value=" + first + "\nsize=2147483647\n"); },
       "1 " + first + " | Clear List"},
      {"a pipe", [&] { ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0); }, "(Clear List)"},
      {"a folder", [&] { fs::create_directory(settings); }, "(Clear List)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(m_dir / "kovrin");
    fs::create_directory(m_dir / "kovrin");
    row.make();
    const fs::file_type type = fs::symlink_status(settings).type();
    start();
    EXPECT_EQ(recentMenu(), row.menu);
    EXPECT_EQ(fs::symlink_status(settings).type(), type);
  }
}

// Whatever is typed or pasted into a zone's name or the Project Details is
// what the project file gives back: the fields hold only what the file's
// reader takes, and the dialog says what it left out.
TEST_F(ProgramTest, AnyTextEnteredComesBackFromTheFile) {
  start();
  answerInTurn({chooseFile(m_dir / "texts.prj")});
  command(kCmdSaveAs);
  std::mt19937 random(19);
  const std::u32string pool = U"aZ 9<>&\\=\"\t\n\r\f\x01\x7F\x85\x9B\u00E9\u202E\u2066\u2028\u5BA2\U0001F3E0";
  const auto randomText = [&] {
    std::u32string text(random() % 45, U' ');
    for (char32_t& c : text) c = pool[random() % pool.size()];
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
  };
  // Each field's text replaced as a paste replaces it.
  const auto paste = [&](QObject* field, const char* insert) {
    QMetaObject::invokeMethod(field, "selectAll");
    QMetaObject::invokeMethod(field, insert, Q_ARG(QString, randomText()));
  };
  for (int round = 0; round < 12; ++round) {
    for (int id = 1196; id <= 1205; ++id) paste(edit(id), "insert");
    JobDetails shown;
    answerInTurn({[&](QWidget* dialog) {
      const auto editor = [&](const JobDetailField& field) {
        return dialog->findChild<QWidget*>(toQString(plainLabel(field.label)));
      };
      for (const JobDetailField& field : kJobDetailFields) {
        paste(editor(field), field.multiline ? "insertPlainText" : "insert");
      }
      QAbstractButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
      ok->click();
      if (dialog->isVisible()) ok->click();  // after the word on what was left out
      for (const JobDetailField& field : kJobDetailFields) {
        shown.*field.member = editor(field)->property(field.multiline ? "plainText" : "text").toString().toStdString();
      }
    }});
    command(kCmdProjectDetails);
    command(kCmdSave);
    ProjectTables back;
    const FileResult loaded = loadProjectFile("texts.prj", back);
    ASSERT_TRUE(loaded) << loaded.message;
    EXPECT_EQ(back.Job, shown);
    for (int column = 1; column <= kZoneColumns; ++column) EXPECT_EQ(back.zoneName(column), text(1195 + column));
  }
}

// Pasted as copied from a spreadsheet (line breaks, tabs): taken without them, a
// long name by its first 40 characters; a refusal quotes a long paste's start.
TEST_F(ProgramTest, TextCopiedFromASpreadsheetPastesAsItReads) {
  start();
  const auto paste = [](QLineEdit* field, const QString& text) {
    field->setFocus(), QApplication::clipboard()->setText(text), field->selectAll(), field->paste();
  };
  const QString name40 = QStringLiteral("Primary bedroom with walk-in closet and ");
  const std::pair<QString, QString> rows[] = {{"250\r\n", "250"}, {" 1200\t", "1200"}, {"Kitchen\r\n", "Kitchen"},
                                              {"A\tB\u2028C\r\n", "A B C"}, {name40 + "bath", name40}};
  for (const auto& [copied, pasted] : rows) {
    paste(edit(pasted[0].isDigit() ? 1065 : 1196), copied);
    EXPECT_EQ(edit(pasted[0].isDigit() ? 1065 : 1196)->text().toStdString(), pasted.toStdString());
  }
  answerInTurn({[&](QWidget* dialog) {
    paste(dialog->findChild<QLineEdit*>("Client"), QStringLiteral("Smith\r\nand Sons\r\n"));
    qobject_cast<QDialog*>(dialog)->accept();
  }});
  command(kCmdProjectDetails);
  activate();
  EXPECT_EQ(m_model.zoneName(1), name40.toStdString());
  EXPECT_EQ(m_model.Job.Client, "Smith and Sons");
  paste(edit(integerRowField(irow::SummerDesignTemp)), QString(1500, QLatin1Char('9')));
  edit(1042)->setFocus();
  EXPECT_EQ(m_toolkit.statusMessage(), "Summer design temperature: " + std::string(40, '9') +
                                           "... is outside 50 to 125; kept 93");
}

// A name, a file's line or a path is shown as the characters it holds
// wherever the window shows it, never laid out as rich text: "<h1>" is no
// heading, the image of "<img src=...>" is never read, and an "&" in a menu
// entry is no access key.
TEST_F(ProgramTest, NamesLinesAndPathsAreShownAsText) {
  const QString name = QStringLiteral("<h1>Big</h1>");
  const QString file = QStringLiteral("<h1>Big & Co.prj");
  const QString line = QStringLiteral("<img/src=/dev/zero>");
  std::string broken = projectText(defaultProject());
  broken.replace(broken.find("0.00000000E+00"), 14, line.toStdString());
  writeFile(m_dir / file.toStdString(), broken);
  start();
  // Rich text holds the payload escaped; plain text holds it as it is.
  const auto expectText = [](const QString& text, Qt::TextFormat format, const QString& payload) {
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    EXPECT_TRUE(rich ? text.contains(payload.toHtmlEscaped()) && !text.contains(payload) : text.contains(payload))
        << text.toStdString();
  };
  int boxes = 0;
  const auto box = [&](const QString& payload, const char* button) {
    return [&, payload, answer = pressButton(QString::fromLatin1(button))](QWidget* w) {
      const auto* message = qobject_cast<QMessageBox*>(w);
      expectText(message->text(), message->textFormat(), payload);
      ++boxes;
      answer(w);
    };
  };
  const fs::path path = m_dir / file.toStdString();
  answerInTurn({box(line, "OK")});  // the load error quotes the line
  drop(path);
  answerInTurn({chooseFile(path), box(file, "&Yes")});  // replace it?
  command(kCmdSaveAs);
  const QAction* recent =
      m_toolkit.mainWindow()->menuBar()->actions().at(3)->menu()->actions().at(2)->menu()->actions().at(0);
  EXPECT_EQ(recent->text().replace(QStringLiteral("&&"), QStringLiteral("&")),
            QStringLiteral("&1 ") + QString::fromStdString(path.string()));
  edit(1196)->insert(name);
  handleMessages();
  answerInTurn({[](QWidget* w) { QMetaObject::invokeMethod(w, "accept"); }});
  command(kCmdExportReport);
  ASSERT_EQ(std::system("pdftotext '<h1>Big & Co.pdf' big.txt"), 0);
  const QString document = QString::fromStdString(readBytes("big.txt"));
  EXPECT_TRUE(document.contains(name) && document.contains(file)) << document.toStdString();
  answerInTurn({box(file, "Cancel")});  // save changes?
  command(kCmdNew);
  EXPECT_EQ(boxes, 3);
  const auto* status = m_toolkit.mainWindow()->findChild<QLabel*>(QStringLiteral("statusPart2"));
  expectText(status->text(), status->textFormat(), file);
  expectText(edit(1196)->toolTip(), Qt::AutoText, name);
  command(kCmdHouseView);
  expectText(name, m_windows.houseView()->houseLine()->textFormat(), name);
}

TEST_F(ProgramTest, SubMenuTitlesAndUnknownIdentifiersDoNothing) {
  start();
  const std::string before = readBytes("new.dat");
  for (int id : std::initializer_list<int>{kCmdFileMenu, kCmdZonesMenu, kCmdSpreadsheetMenu, 40000, 40019, -1, 0}) {
    command(id);
    EXPECT_EQ(m_quit, 0) << id;
  }
  EXPECT_EQ(m_model.CurrentPage, 1);
  EXPECT_EQ(results(), kNoResults);
  EXPECT_EQ(readBytes("new.dat"), before);
}

}  // namespace
}  // namespace kovrin
