#include "toolkit/qt/qttoolkit.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "modaldialog.h"
#include "workingfolder.h"
#include "screen/form.h"
#include "screen/commands.h"
#include "toolkit/qt/textprinter.h"

namespace kovrin {
namespace {

using test::answerNextModal;

// A small dialog with one control of every kind.
constexpr int kInteger = 2001;
constexpr int kReal = 2002;
constexpr int kOtherReal = 2003;
constexpr int kFraction = 2004;
constexpr int kResult = 2005;
constexpr int kList = 2006;
constexpr int kCaption = 2007;
constexpr int kFrame = 2008;
constexpr int kFirstRadio = 2009;
constexpr int kSecondRadio = 2010;
constexpr int kSecondCaption = 2011;
constexpr int kMouseOnly = 2012;
constexpr int kLast = 2013;

constexpr ControlDef kControls[] = {
    {kFrame, ControlKind::GroupBox, 4, 4, 200, 60, "Frame", 0},
    {kCaption, ControlKind::Label, 10, 16, 40, 8, "Caption", kDisabled},
    {kInteger, ControlKind::IntegerEdit, 60, 16, 30, 8, "12", 0},
    {kMouseOnly, ControlKind::IntegerEdit, 100, 16, 30, 8, "7", kNoTabStop},
    {kReal, ControlKind::RealEdit, 60, 28, 30, 8, "0.0", 0},
    {kResult, ControlKind::IntegerEdit, 100, 28, 30, 8, "", kDisabled},
    {kOtherReal, ControlKind::RealEdit, 60, 40, 30, 8, "0.0", 0},
    {kFirstRadio, ControlKind::RadioButton, 140, 16, 40, 8, "Heating", kGroupStart},
    {kSecondRadio, ControlKind::RadioButton, 140, 28, 10, 7, "", 0},
    {kSecondCaption, ControlKind::Label, 152, 28, 26, 8, "Cooling", kDisabled},
    {kList, ControlKind::DropDownList, 60, 70, 60, 50, "", 0},
    {kFraction, ControlKind::IntegerEdit, 130, 70, 30, 8, "75.9", 0},
    {kLast, ControlKind::IntegerEdit, 170, 70, 30, 8, "100", 0},
};
constexpr std::string_view kListEntries[] = {"One", "Two", "Three"};
constexpr InitialList kLists[] = {{kList, kListEntries, 2}};
constexpr int kChecked[] = {kSecondRadio};
const DialogResource kDialog{900, 220, 100, kControls, kLists, kChecked};

constexpr MenuEntry kZoneEntries[] = {{"  1 -> 10", 40010}, {"11 -> 20", 40011}};
constexpr MenuEntry kFileEntries[] = {{"&New", 40008}, {"&Open", 40007}};
constexpr MenuTopItem kMenuBar[] = {
    {"&Zones", 40009, kZoneEntries},
    {"&Calculate", 40016, {}},
    {"&File", 40003, kFileEntries},
    {"&Exit", 40001, {}},
};
const MenuResource kMenu{30001, kMenuBar};

constexpr int kWindowOptions = kSystemMenu | kMinimiseBox | kStatusBar;

struct Message {
  std::int32_t type;
  std::int32_t value1;
  std::int32_t value2 = 0;
  bool operator==(const Message&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Message& m) {
  return out << '{' << m.type << ", " << m.value1 << ", " << m.value2 << '}';
}
// A field change by the user names the field and says that its content changed.
Message changed(int field) { return {kFieldChanged, field, kContentChanged}; }

int idOf(const QWidget* widget) { return widget == nullptr ? 0 : widget->objectName().toInt(); }

// Each test runs in a working folder of its own, where the file dialog,
// help and printing find their files.
class QtToolkitTest : public test::WorkingFolder {
 protected:
  void SetUp() override {
    WorkingFolder::SetUp();
    open(kMenu, kDialog);
  }
  void TearDown() override {
    toolkit.windowclose();
    WorkingFolder::TearDown();
  }

  // The path of `name` in the working folder; the folder itself for none.
  QString path(const QString& name = {}) const {
    return QString::fromStdString((name.isEmpty() ? m_dir : m_dir / name.toStdString()).string());
  }

  void open(const MenuResource& menu, const DialogResource& dialog) {
    toolkit.winitialise();
    toolkit.windowopen2(kWindowOptions, menu, dialog, "Kovrin 4.0");
    ASSERT_NE(toolkit.mainWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit.mainWindow()));
  }

  QLineEdit* edit(int id) const { return qobject_cast<QLineEdit*>(toolkit.control(id)); }
  QComboBox* list(int id) const { return qobject_cast<QComboBox*>(toolkit.control(id)); }
  QRadioButton* radio(int id) const { return qobject_cast<QRadioButton*>(toolkit.control(id)); }

  std::vector<Message> drain() {
    QCoreApplication::processEvents();
    std::vector<Message> messages;
    while (toolkit.pendingMessages() > 0) {
      std::int32_t type = 0;
      MessageRecord record;
      toolkit.wmessage(type, record);
      messages.push_back({type, record.value1, record.value2});
    }
    return messages;
  }

  // The offscreen platform does not give the window back its activation
  // when a popup or a dialog closes; a window system does.
  void reactivate() {
    toolkit.mainWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit.mainWindow()));
  }

  void focus(int id) {
    toolkit.control(id)->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
  }

  // The user replaces the whole text of an edit.
  void retype(int id, const QString& text) {
    QLineEdit* field = edit(id);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
      QTest::keyClick(field, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(field, text);
    }
  }

  std::int32_t readInteger(int id) {
    std::int32_t value = 0;
    toolkit.wdialoggetinteger(id, value);
    return value;
  }
  float readReal(int id) {
    float value = 0;
    toolkit.wdialoggetreal(id, value);
    return value;
  }

  QtToolkit toolkit;
};

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST_F(QtToolkitTest, MainWindowIsFixedWithMinimiseButNoMaximise) {
  QMainWindow* window = toolkit.mainWindow();
  EXPECT_EQ(window->windowTitle(), "Kovrin 4.0");
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

  QStringList titles;
  for (QAction* action : window->menuBar()->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"&Zones", "&Calculate", "&File", "&Exit"}));
  QMenu* zones = window->menuBar()->actions().at(0)->menu();
  ASSERT_NE(zones, nullptr);
  EXPECT_EQ(zones->actions().at(0)->text(), "  1 -> 10");
  EXPECT_EQ(window->menuBar()->actions().at(1)->menu(), nullptr);  // a command of the bar

  EXPECT_EQ(QApplication::focusWidget(), toolkit.control(kInteger));
  EXPECT_EQ(toolkit.errorCount(), 0u) << toolkit.lastError();
}

TEST_F(QtToolkitTest, StatusBarPartsShareTheWidthAndPlaceTheirTexts) {
  const int widths[] = {3333, 3333, 3333};
  toolkit.windowstatusbarparts(widths);
  struct Case {
    const char* text;
    const char* shown;
    Qt::Alignment alignment;
  };
  const Case cases[] = {
      {"\tWinnipeg", "Winnipeg", Qt::AlignHCenter},
      {" Page 1   ", " Page 1", Qt::AlignLeft},
      {"Zones 1 -> 10", "Zones 1 -> 10", Qt::AlignLeft},
      {"\t\tright", "right", Qt::AlignRight},
      {"", "", Qt::AlignLeft},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    toolkit.windowoutstatusbar(2, c.text);
    EXPECT_EQ(toolkit.statusText(2), c.shown);
    auto* part = toolkit.mainWindow()->findChild<QLabel*>("statusPart2");
    ASSERT_NE(part, nullptr);
    EXPECT_TRUE(part->alignment() & c.alignment);
  }

  test::settle();
  const int barWidth = toolkit.mainWindow()->statusBar()->width();
  for (int part = 1; part <= 3; ++part) {
    auto* label = toolkit.mainWindow()->findChild<QLabel*>(QStringLiteral("statusPart%1").arg(part));
    EXPECT_NEAR(label->width(), barWidth / 3, 12) << "part " << part;
  }

  const std::size_t errors = toolkit.errorCount();
  toolkit.windowoutstatusbar(4, "no such part");
  EXPECT_EQ(toolkit.errorCount(), errors + 1);
}

struct DisplayCase {
  float value;
  const char* format;
  const char* text;
};

TEST_F(QtToolkitTest, RealFieldsShowTheFormatAndKeepTheExactValue) {
  const DisplayCase cases[] = {
      {0.25f, "(F3.2)", ".25"},
      {0.35f, "(F5.3)", "0.350"},
      {120.0f, "(F5.0)", "120."},
      {1.5f, "(F3.2)", "**********"},
      {-0.35f, "(F5.3)", "-.350"},
      {0.0625f, "(F5.3)", "0.063"},
      {12.5f, "(F5.0)", "13."},
      {123456.0f, "(F5.0)", "**********"},
      {0.1f, "(F5.3)", "0.100"},
  };
  for (const DisplayCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " " << c.format);
    toolkit.wdialogputreal(kReal, c.value, c.format);
    EXPECT_EQ(edit(kReal)->text(), c.text);
    EXPECT_EQ(readReal(kReal), c.value);  // the value written, not its text
  }
  EXPECT_EQ(toolkit.errorCount(), 0u) << toolkit.lastError();

  toolkit.wdialogputreal(kReal, 0.35f, "(X5.3)");
  EXPECT_EQ(toolkit.errorCount(), 1u);
  EXPECT_EQ(readReal(kReal), 0.35f);
}

TEST_F(QtToolkitTest, ReadsOfEmptyAndFractionalFields) {
  EXPECT_EQ(readInteger(kResult), -999);
  EXPECT_EQ(readReal(kResult), -999.0f);
  EXPECT_EQ(readInteger(kFraction), 75);  // the form's own text "75.9"
  EXPECT_EQ(readInteger(kLast), 100);

  retype(kReal, "");
  EXPECT_EQ(readReal(kReal), -999.0f);

  struct Case {
    float value;
    std::int32_t whole;
  };
  for (const Case c : {Case{2.75f, 2}, Case{-2.75f, -2}, Case{0.5f, 0}}) {
    SCOPED_TRACE(c.value);
    toolkit.wdialogputreal(kReal, c.value, "(F5.3)");
    EXPECT_EQ(readInteger(kReal), c.whole);
  }

  toolkit.wdialogputinteger(kResult, 123456);
  EXPECT_EQ(edit(kResult)->text(), "123456");
  EXPECT_EQ(readInteger(kResult), 123456);
}

TEST_F(QtToolkitTest, TypingDeliversOneFieldChangePerKeyAndProgramWritesNone) {
  focus(kInteger);
  QTest::keyClick(edit(kInteger), Qt::Key_End);
  QTest::keyClick(edit(kInteger), Qt::Key_3);
  EXPECT_TRUE(drain().empty()) << "field changes are off until enabled";
  EXPECT_EQ(readInteger(kInteger), 123);

  toolkit.wmessageenable(kFieldChanged, 1);
  QTest::keyClick(edit(kInteger), Qt::Key_4);
  EXPECT_EQ(drain(), std::vector<Message>{changed(kInteger)});
  EXPECT_EQ(readInteger(kInteger), 1234);

  QTest::keyClicks(edit(kReal), "5");
  EXPECT_EQ(drain(), std::vector<Message>{changed(kReal)});
  EXPECT_EQ(readReal(kReal), 0.05f);  // "0.05": the value of the edited text

  toolkit.wdialogputinteger(kInteger, 5);
  toolkit.wdialogputreal(kReal, 0.5f, "(F5.3)");
  toolkit.wdialogputinteger(kResult, 17);
  const std::string_view entries[] = {"A", "B"};
  toolkit.wdialogputmenu1(kList, entries, 2, 1);
  EXPECT_TRUE(drain().empty());
}

TEST_F(QtToolkitTest, ProgramWritesOutsideTheRangeAreShownMarkedAndKept) {
  struct Case {
    int field;
    double minimum, maximum;
    float value;
    const char* text;
    bool marked;
    const char* allowed;
  };
  const Case cases[] = {
      {kInteger, 0, 10000, 12000, "12000", true, "Allowed 0 to 10000\nOut of range"},
      {kInteger, 0, 10000, 10000, "10000", false, "Allowed 0 to 10000"},
      {kInteger, -20, 80, -21, "-21", true, "Allowed -20 to 80\nOut of range"},
      {kReal, 0, 200, 12000, "**********", true, "Allowed 0 to 200\nOut of range"},
      {kReal, 0, 2, 2.5f, "2.500", true, "Allowed 0 to 2\nOut of range"},
      {kReal, 0, 2, 2.0f, "2.000", false, "Allowed 0 to 2"},
      {kOtherReal, 0, 10000, 10000.5f, "**********", true, "Allowed 0 to 10000\nOut of range"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.field << " " << c.value);
    if (c.field == kInteger) {
      toolkit.wdialograngeinteger(c.field, static_cast<std::int32_t>(c.minimum),
                                  static_cast<std::int32_t>(c.maximum));
      toolkit.wdialogputinteger(c.field, static_cast<std::int32_t>(c.value));
      EXPECT_EQ(readInteger(c.field), static_cast<std::int32_t>(c.value));
    } else {
      toolkit.wdialograngereal(c.field, static_cast<float>(c.minimum), static_cast<float>(c.maximum));
      toolkit.wdialogputreal(c.field, c.value, c.field == kReal && c.maximum == 2 ? "(F5.3)" : "(F5.0)");
      EXPECT_EQ(readReal(c.field), c.value);
    }
    EXPECT_EQ(edit(c.field)->text(), c.text);
    EXPECT_EQ(edit(c.field)->property("outOfRange").toBool(), c.marked);
    EXPECT_TRUE(edit(c.field)->toolTip().contains(c.allowed)) << edit(c.field)->toolTip().toStdString();
  }
}

TEST_F(QtToolkitTest, RefusedTypedTextReadsTheValueFromBeforeTheEditUntilTheFocusRestoresIt) {
  struct Case {
    const char* name;
    int field;
    double minimum, maximum;
    double start;
    const char* typed;
    double read;
    bool marked;
  };
  const Case cases[] = {
      {"integer within", kInteger, 60, 100, 78, "65", 65, false},
      {"integer above", kInteger, 60, 100, 78, "150", 78, true},
      {"integer emptied", kInteger, 60, 100, 78, "", 78, true},
      // Never a number typed on the way to the refused one.
      {"integer beyond 32 bits", kInteger, 0, 2147483647, 78, "99999999999", 78, true},
      {"negative minimum", kInteger, -20, 80, 28, "-5", -5, false},
      {"minus alone", kInteger, -20, 80, 28, "-", 28, true},
      {"real within", kReal, 0, 2, 0.35, "1.25", 1.25, false},
      {"real above", kReal, 0, 2, 0.35, "3.5", 0.35, true},
      {"real above after a valid prefix", kReal, 0, 2, 0.35, "2.5", 0.35, true},
      {"point alone", kReal, 0, 2, 0.35, ".", 0.35, true},
      {"real below single precision", kReal, 0, 2, 0.35, "0.0000000000000000000000000000000000000000000001", 0, false},
      {"real below", kReal, 0, 2, 0.35, "-1", 0.35, true},
      {"double column", kOtherReal, 0, 10000, 1200, "12000", 1200, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.field == kInteger) {
      toolkit.wdialograngeinteger(c.field, static_cast<std::int32_t>(c.minimum),
                                  static_cast<std::int32_t>(c.maximum));
      toolkit.wdialogputinteger(c.field, static_cast<std::int32_t>(c.start));
    } else {
      toolkit.wdialograngereal(c.field, static_cast<float>(c.minimum), static_cast<float>(c.maximum));
      toolkit.wdialogputreal(c.field, static_cast<float>(c.start), "(F5.3)");
    }
    focus(c.field);
    retype(c.field, c.typed);
    EXPECT_EQ(edit(c.field)->text(), c.typed);
    if (c.field == kInteger) {
      EXPECT_EQ(readInteger(c.field), static_cast<std::int32_t>(c.read));
    } else {
      EXPECT_EQ(readReal(c.field), static_cast<float>(c.read));
    }
    EXPECT_EQ(edit(c.field)->property("outOfRange").toBool(), c.marked);
    const QString shown = edit(c.field)->text();

    // Leaving the field: refused text goes back to what the field showed,
    // and the user is told; accepted text stays.
    toolkit.mainWindow()->statusBar()->clearMessage();
    focus(c.field == kLast ? kInteger : kLast);
    EXPECT_FALSE(edit(c.field)->property("outOfRange").toBool());
    const QString message = toolkit.mainWindow()->statusBar()->currentMessage();
    if (c.marked) {
      EXPECT_NE(edit(c.field)->text(), c.typed);
      EXPECT_TRUE(message.contains("; kept ")) << message.toStdString();
    } else {
      EXPECT_EQ(edit(c.field)->text(), shown);
      EXPECT_TRUE(message.isEmpty()) << message.toStdString();
    }
    if (c.field == kInteger) {
      EXPECT_EQ(readInteger(c.field), static_cast<std::int32_t>(c.read));
    } else {
      EXPECT_EQ(readReal(c.field), static_cast<float>(c.read));
    }
  }

  // A program write ends the refusal.
  toolkit.wdialogputinteger(kInteger, 70);
  EXPECT_FALSE(edit(kInteger)->property("outOfRange").toBool());
  EXPECT_EQ(readInteger(kInteger), 70);
}

TEST_F(QtToolkitTest, NumericFieldsRefuseKeysThatMakeNoNumber) {
  struct Case {
    int field;
    const char* keys;
    const char* text;
  };
  const Case cases[] = {
      {kInteger, "12a", "12"}, {kInteger, "1.5", "15"}, {kInteger, "-3", "-3"}, {kInteger, "3-", "3"},
      {kReal, "1.2.3", "1.23"}, {kReal, "-0.5e", "-0.5"}, {kOtherReal, "7,5", "75"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    retype(c.field, c.keys);
    EXPECT_EQ(edit(c.field)->text(), c.text);
  }

  // The overflow text can be taken apart key by key, but no asterisk typed.
  toolkit.wdialogputreal(kReal, 1.5f, "(F3.2)");
  QTest::keyClick(edit(kReal), Qt::Key_End);
  QTest::keyClick(edit(kReal), Qt::Key_Backspace);
  EXPECT_EQ(edit(kReal)->text(), "*********");
  QTest::keyClick(edit(kReal), Qt::Key_Asterisk);
  EXPECT_EQ(edit(kReal)->text(), "*********");
  EXPECT_EQ(readReal(kReal), 1.5f);
}

TEST_F(QtToolkitTest, ListsTakeTheirEntriesAndKeepAnySelection) {
  EXPECT_EQ(list(kList)->count(), 3);  // from the extra data
  std::int32_t selected = 0;
  toolkit.wdialoggetmenu1(kList, selected);
  EXPECT_EQ(selected, 2);

  const std::string_view directions[] = {"N  ", "NE", "E", "SE"};
  toolkit.wdialogputmenu1(kList, directions, 3, 2);
  EXPECT_EQ(list(kList)->count(), 3);
  EXPECT_EQ(list(kList)->itemText(0), "N");
  EXPECT_EQ(list(kList)->currentText(), "NE");

  for (const std::int32_t invalid : {0, 4, -1, 2147483647}) {
    SCOPED_TRACE(invalid);
    toolkit.wdialogputmenu1(kList, directions, 3, invalid);
    EXPECT_EQ(list(kList)->currentIndex(), -1);
    toolkit.wdialoggetmenu1(kList, selected);
    EXPECT_EQ(selected, invalid);
  }

  // The user picks an entry: that is read from then on.
  toolkit.wmessageenable(kFieldChanged, 1);
  focus(kList);
  drain();
  QTest::keyClick(list(kList), Qt::Key_Down);
  EXPECT_EQ(drain(), std::vector<Message>{changed(kList)});
  toolkit.wdialoggetmenu1(kList, selected);
  EXPECT_EQ(selected, 1);

  const std::size_t errors = toolkit.errorCount();
  toolkit.wdialogputmenu1(kList, directions, 9, 1);  // more than given: all four
  EXPECT_EQ(list(kList)->count(), 4);
  EXPECT_EQ(toolkit.errorCount(), errors + 1);
}

TEST_F(QtToolkitTest, RadioGroupGivesThePositionOfItsCheckedButton) {
  std::int32_t position = 0;
  toolkit.wdialoggetradiobutton(kFirstRadio, position);
  EXPECT_EQ(position, 2);  // the extra data checks the second button

  toolkit.wmessageenable(kFieldChanged, 1);
  focus(kFirstRadio);
  drain();
  QTest::mouseClick(radio(kFirstRadio), Qt::LeftButton);
  EXPECT_EQ(drain(), std::vector<Message>{changed(kFirstRadio)});
  toolkit.wdialoggetradiobutton(kFirstRadio, position);
  EXPECT_EQ(position, 1);
  EXPECT_FALSE(radio(kSecondRadio)->isChecked());

  // The caption beside the small button is a label: clicking it does nothing.
  QTest::mouseClick(toolkit.control(kSecondCaption), Qt::LeftButton);
  EXPECT_TRUE(drain().empty());
  toolkit.wdialoggetradiobutton(kSecondRadio, position);
  EXPECT_EQ(position, 1);

  QTest::mouseClick(radio(kSecondRadio), Qt::LeftButton);
  toolkit.wdialoggetradiobutton(kFirstRadio, position);
  EXPECT_EQ(position, 2);

  position = 77;
  toolkit.wdialoggetradiobutton(kInteger, position);
  EXPECT_EQ(position, 77);
  EXPECT_GT(toolkit.errorCount(), 0u);
}

TEST_F(QtToolkitTest, EveryMoveOfTheFocusToAnotherFieldIsAFieldChange) {
  toolkit.wmessageenable(kFieldChanged, 1);
  focus(kInteger);
  drain();
  focus(kReal);
  EXPECT_EQ(drain(), (std::vector<Message>{{kFieldChanged, kReal, kFocusMoved}}));
  focus(kReal);
  EXPECT_TRUE(drain().empty());

  // Away to a message box and back to the same field: no move.
  answerNextModal([](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); });
  toolkit.wmessagebox("Kovrin 4.0", "A note");
  reactivate();
  EXPECT_EQ(QApplication::focusWidget(), toolkit.control(kReal));
  EXPECT_TRUE(drain().empty());

  toolkit.control(kResult)->setFocus();  // disabled: cannot take the focus
  EXPECT_NE(QApplication::focusWidget(), toolkit.control(kResult));
}

std::vector<int> tabWalk(int steps) {
  std::vector<int> visited;
  for (int i = 0; i < steps; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(idOf(QApplication::focusWidget()));
  }
  return visited;
}

TEST_F(QtToolkitTest, CloseBoxAndQuitRequestDeliverACloseRequestAndKeepTheWindow) {
  toolkit.mainWindow()->close();
  EXPECT_TRUE(toolkit.mainWindow()->isVisible());
  EXPECT_EQ(drain(), (std::vector<Message>{{kCloseRequest, 0}}));

  QEvent quit(QEvent::Quit);
  QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
  EXPECT_EQ(drain(), (std::vector<Message>{{kCloseRequest, 0}}));

  toolkit.windowclose();
  EXPECT_EQ(toolkit.mainWindow(), nullptr);
  std::int32_t type = 0;
  MessageRecord record;
  toolkit.wmessage(type, record);  // nothing left to wait for
  EXPECT_EQ(type, kCloseRequest);
}

TEST_F(QtToolkitTest, FileDialogOkAndCancel) {
  ASSERT_TRUE(QDir().mkdir(path("sub")));
  writeFile(path("sub/house.prj"), "x");

  struct Seen {
    QString title, directory;
    QStringList filters, proposed;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
  };
  auto answer = [](Seen& seen, QString choice) {
    answerNextModal([&seen, choice](QWidget* widget) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      ASSERT_NE(dialog, nullptr);
      seen = {dialog->windowTitle(), dialog->directory().absolutePath(), dialog->nameFilters(),
              dialog->selectedFiles(), dialog->acceptMode(), dialog->fileMode()};
      if (choice.isEmpty()) {
        dialog->reject();
        return;
      }
      // As a user does: type the name into the dialog's name field. With the
      // focus there, the dialog's own selection of the proposed file, when it
      // has read the folder, does not overwrite it.
      auto* typed = dialog->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(typed, nullptr);
      ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
      typed->setFocus();
      typed->setText(choice);
      static_cast<QDialog*>(dialog)->accept();
    });
  };

  // Open: starts in the working folder with the current name proposed.
  Seen seen;
  std::string name = "new.dat";
  answer(seen, path("sub/house.prj"));
  EXPECT_TRUE(toolkit.wselectfile2("Project files|*.prj|", kMustExist | kDefaultExtension, name,
                                   "Open Existing Project", {}));
  EXPECT_EQ(name, path("sub/house.prj").toStdString());
  EXPECT_EQ(seen.title, "Open Existing Project");
  EXPECT_EQ(seen.directory, path());
  EXPECT_EQ(seen.filters, QStringList{"Project files (*.prj)"});
  EXPECT_EQ(seen.proposed, QStringList{path("new.dat")});
  EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
  EXPECT_EQ(QDir::currentPath(), path());

  // Cancel leaves the name.
  answer(seen, {});
  EXPECT_FALSE(toolkit.wselectfile2("Project files|*.prj|", kDefaultExtension, name, "New Project", {}));
  EXPECT_EQ(name, path("sub/house.prj").toStdString());
  EXPECT_EQ(seen.fileMode, QFileDialog::AnyFile);

  // Save As: starts in the folder of the current name; a name without
  // extension gets the filter's; an existing file is taken without a question.
  name = "sub/house.prj";
  answer(seen, "other");
  EXPECT_TRUE(
      toolkit.wselectfile2("Kovrin projects|*.prj|", kSaveDialog | kDefaultExtension, name, "Save Project As", {}));
  EXPECT_EQ(name, path("sub/other.prj").toStdString());
  EXPECT_EQ(seen.directory, path("sub"));
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
  EXPECT_EQ(seen.filters, QStringList{"Kovrin projects (*.prj)"});

  // A file that need not exist, in a folder that must: the dialog says so
  // and stays open.
  QString warning;
  answerNextModal([&warning](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText("nowhere/new");
    answerNextModal([&warning](QWidget* box) {
      auto* message = qobject_cast<QMessageBox*>(box);
      ASSERT_NE(message, nullptr);
      warning = message->text();
      message->accept();
      answerNextModal([](QWidget* again) { qobject_cast<QDialog*>(again)->reject(); });
    });
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_FALSE(toolkit.wselectfile2("Project files|*.prj|", kDefaultExtension, name, "New Project", {}));
  EXPECT_TRUE(warning.contains("nowhere")) << warning.toStdString();
  EXPECT_EQ(name, path("sub/other.prj").toStdString());

  name = "sub/house.prj";
  answer(seen, "house.prj");
  EXPECT_TRUE(
      toolkit.wselectfile2("Kovrin projects|*.prj|", kSaveDialog | kDefaultExtension, name, "Save Project As", {}));
  EXPECT_EQ(name, path("sub/house.prj").toStdString());
  EXPECT_EQ(QDir::currentPath(), path());
}

TEST_F(QtToolkitTest, HelpOpensAViewerOrNamesTheMissingFile) {
  QString shown;
  answerNextModal([&shown](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
  toolkit.whelpfile1("HELP.HLP");
  EXPECT_TRUE(shown.contains("HELP.HLP")) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(path()))) << shown.toStdString();
  EXPECT_EQ(toolkit.helpViewer(), nullptr);

  ASSERT_TRUE(QFile::copy(KOVRIN_DATA_DIR "/HELP.HLP", path("HELP.HLP")));
  toolkit.whelpfile1("HELP.HLP");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // returns at once, no dialog
  QWidget* window = toolkit.helpViewer();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  auto* viewer = window->findChild<QTextBrowser*>();
  ASSERT_NE(viewer, nullptr);
  const QString text = viewer->toPlainText();
  for (const char* topic : {"TOTALS", "CFM or %", "Spreadsheet", "Save As", "new.dat", "out.dat", ".prj"}) {
    EXPECT_TRUE(text.contains(topic)) << topic;
  }

  // The contents lead to the sections of the same text; Back and Forward go
  // through the places visited.
  const auto button = [window](const QString& label) {
    for (QToolButton* b : window->findChildren<QToolButton*>()) {
      if (b->text() == label) return b;
    }
    return static_cast<QToolButton*>(nullptr);
  };
  const auto place = [viewer] { return viewer->verticalScrollBar()->value(); };
  ASSERT_TRUE(button("Back") && button("Forward") && button("Close"));
  EXPECT_FALSE(button("Back")->isEnabled());
  viewer->setSource(QUrl("#files"));
  const int files = place();
  EXPECT_GT(files, 0);
  EXPECT_EQ(viewer->toPlainText(), text);
  QTest::mouseClick(button("Back"), Qt::LeftButton);
  EXPECT_EQ(place(), 0);
  QTest::mouseClick(button("Forward"), Qt::LeftButton);
  EXPECT_EQ(place(), files);

  // Close, and Escape, close the window; Help shows it again as it was.
  QTest::mouseClick(button("Close"), Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  toolkit.whelpfile1("HELP.HLP");
  EXPECT_EQ(toolkit.helpViewer(), window);
  EXPECT_EQ(place(), files);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(viewer, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  toolkit.windowclose();
  EXPECT_EQ(toolkit.helpViewer(), nullptr);
}

// Answers the print dialog by printing to a PDF file, or cancels it.
void answerPrintDialog(const QString& pdf) {
  answerNextModal([pdf](QWidget* widget) {
    auto* dialog = qobject_cast<QPrintDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    if (pdf.isEmpty()) {
      dialog->reject();
      return;
    }
    // The dialog takes the output file from its own field when accepted.
    if (auto* file = dialog->findChild<QLineEdit*>("filename")) file->setText(pdf);
    dialog->printer()->setOutputFileName(pdf);
    dialog->accept();
  });
}

TEST_F(QtToolkitTest, PrintingToAPdfFileAndCancelling) {
  QByteArray report = "Kovrin load report\r\n\r\n";
  report += QByteArray(240, '9') + "\r\n";
  for (int i = 0; i < 120; ++i) report += "line " + QByteArray::number(i) + "\r\n";
  writeFile(path("out.dat"), report);

  answerPrintDialog(path("report.pdf"));
  EXPECT_TRUE(toolkit.whardcopyoptionstext("out.pdf"));
  toolkit.igrhardcopytextfile("out.dat");
  QFile pdf(path("report.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
  EXPECT_GT(pdf.size(), 1000);

  answerPrintDialog({});
  EXPECT_FALSE(toolkit.whardcopyoptionstext("out.pdf"));
}

TEST_F(QtToolkitTest, MessageBoxAndQuestion) {
  struct Case {
    QMessageBox::StandardButton button;
    bool yes;
  };
  for (const Case c : {Case{QMessageBox::Yes, true}, Case{QMessageBox::No, false}}) {
    QString text;
    answerNextModal([&text, c](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      ASSERT_NE(box, nullptr);
      text = box->text();
      box->button(c.button)->click();
    });
    EXPECT_EQ(toolkit.wquestion("Kovrin 4.0", "Replace the file?"), c.yes);
    EXPECT_EQ(text, "Replace the file?");
  }

  // Unsaved changes: the access letters and Escape answer.
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    SaveChangesAnswer answer;
  };
  for (const Key k : {Key{Qt::Key_S, Qt::AltModifier, SaveChangesAnswer::Save},
                      Key{Qt::Key_D, Qt::AltModifier, SaveChangesAnswer::Discard},
                      Key{Qt::Key_Escape, Qt::NoModifier, SaveChangesAnswer::Cancel}}) {
    answerNextModal([k](QWidget* box) { QTest::keyClick(box, k.key, k.modifiers); });
    EXPECT_EQ(toolkit.wsavechanges("Kovrin 4.0", "Save changes to house.prj?"), k.answer);
  }

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  answerNextModal([&icon](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    box->accept();
  });
  toolkit.wmessagebox("Kovrin 4.0", "The file could not be read.");
  EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(QtToolkitTest, FailuresAreRecordedAndChangeNothing) {
  std::int32_t integer = 5;
  float real = 1.5f;
  toolkit.wdialoggetinteger(4242, integer);
  toolkit.wdialoggetreal(kList, real);
  toolkit.wdialoggetmenu1(kInteger, integer);
  toolkit.wdialograngeinteger(kInteger, 10, 1);
  toolkit.wdialograngereal(kReal, 2.0f, 0.0f);
  toolkit.windowmenucheck(40016, true);  // a command, no choice
  EXPECT_EQ(integer, 5);
  EXPECT_EQ(real, 1.5f);
  EXPECT_EQ(toolkit.errorCount(), 6u);

  QtToolkit without;
  without.winitialise();
  without.wdialogputinteger(kInteger, 3);
  without.wdialoggetinteger(kInteger, integer);
  without.windowoutstatusbar(1, "x");
  EXPECT_EQ(integer, 5);
  EXPECT_EQ(without.errorCount(), 3u);
}

TEST_F(QtToolkitTest, InputScreenTabOrder) {
  toolkit.windowclose();
  open(mainMenu(), inputScreen());
  EXPECT_EQ(toolkit.errorCount(), 0u) << toolkit.lastError();
  ASSERT_EQ(idOf(QApplication::focusWidget()), 1033);

  std::vector<int> expected = {1034, 1035, 1036, 1038, 1004, 1037, 1002, 1003, 1012, 1031, 1039,
                               1040, 1041, 1042, 1043, 1044, 1045, 1047, 1048, 1049, 1050};
  // Columns 2..10 from top to bottom; the partition field in 7..10.
  const std::vector<std::vector<int>> columns = {
      {1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061},
      {1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069, 1070, 1071, 1072},
      {1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081, 1082, 1083},
      {1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094},
      {1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105},
      {1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117},
      {1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129},
      {1130, 1131, 1132, 1133, 1134, 1135, 1137, 1138, 1139, 1140, 1141, 1142},
      {1143, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1151, 1152, 1153, 1154},
  };
  for (const auto& column : columns) expected.insert(expected.end(), column.begin(), column.end());
  expected.push_back(1184);
  for (int name = 1196; name <= 1205; ++name) expected.push_back(name);  // the zones' names
  expected.insert(expected.end(), {1005, 1026, 1171});  // the design temperatures and the range
  expected.push_back(1033);  // and round again

  EXPECT_EQ(tabWalk(static_cast<int>(expected.size())), expected);

  // The Heating/Cooling group is one stop, at its checked button: Cooling
  // at start, Heating once it is chosen.
  std::int32_t position = 0;
  toolkit.wdialoggetradiobutton(1046, position);
  EXPECT_EQ(position, 2);
  radio(1046)->click();
  focus(1045);
  EXPECT_EQ(tabWalk(2), (std::vector<int>{1046, 1048}));
}

TEST_F(QtToolkitTest, EveryAccessLetterOfTheMainMenuWorks) {
  toolkit.windowclose();
  open(mainMenu(), inputScreen());
  struct Case {
    Qt::Key key;
    std::int32_t id;
    bool opensMenu;
  };
  const Case cases[] = {
      {Qt::Key_Z, 40009, true},  {Qt::Key_S, 40015, true},  {Qt::Key_C, 40016, false},
      {Qt::Key_F, 40003, true},  {Qt::Key_D, 40023, true},  {Qt::Key_H, 40004, false},
      {Qt::Key_P, 40002, false}, {Qt::Key_E, 40001, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    reactivate();
    QTest::keyClick(QApplication::focusWidget(), c.key, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup != nullptr, c.opensMenu);
    if (popup != nullptr) QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(drain(), (std::vector<Message>{{kMenuSelect, c.id}}));
  }

  // In an open sub-menu an entry's letter chooses it, after the sub-menu's
  // own identifier.
  reactivate();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_N);
  EXPECT_EQ(drain(), (std::vector<Message>{{kMenuSelect, kCmdFileMenu}, {kMenuSelect, kCmdNew}}));
}

// A click that brings the focus into a field selects its whole text, as Tab
// does, so that typing replaces "0.000" instead of landing inside it; a
// click into the field that has the focus places the cursor.
TEST_F(QtToolkitTest, AClickIntoAFieldSelectsItsTextAsTabDoes) {
  toolkit.windowclose();
  open(mainMenu(), inputScreen());
  constexpr int kDoorU = 1002;
  constexpr int kZoneName = 1196;
  const struct {
    const char* name;
    int field;
    int clicks;  // the second at the text's right end
    const char* typed;
    const char* expected;
  } cases[] = {
      {"a U-value from another field", kDoorU, 1, "1", "1"},
      {"a zone's name from another field", kZoneName, 1, "Den", "Den"},
      {"a second click places the cursor", kDoorU, 2, "1", "0.0001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reactivate();
    toolkit.wdialogputreal(kDoorU, 0.0f, "(F5.3)");
    toolkit.wdialogputtext(kZoneName, "Kitchen");
    focus(1033);
    QLineEdit* field = edit(c.field);
    QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
    if (c.clicks == 2) QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 3, field->height() / 2));
    QTest::keyClicks(field, c.typed);
    EXPECT_EQ(field->text().toStdString(), c.expected);
  }
}

// The commands' keys work from any field, and a field keeps its own editing
// keys (Ctrl+A selects its text).
TEST_F(QtToolkitTest, CommandKeysWorkFromEveryKindOfField) {
  toolkit.windowclose();
  open(mainMenu(), inputScreen());
  const struct {
    int field;
    const char* key;
    std::int32_t command;  // 0 for none
  } cases[] = {
      {1042, "Ctrl+N", kCmdNew},          {1042, "Ctrl+O", kCmdOpen},   {1033, "Ctrl+S", kCmdSave},
      {1033, "Ctrl+Shift+S", kCmdSaveAs}, {1047, "Ctrl+P", kCmdPrint},  {1184, "Ctrl+Q", kCmdExit},
      {1036, "F1", kCmdHelp},             {1002, "F9", kCmdCalculate},  {1042, "Ctrl+Z", kCmdUndo},
      {1196, "Ctrl+Z", kCmdUndo},         {1033, "Ctrl+Z", kCmdUndo},   {1184, "Ctrl+Shift+Z", kCmdRedo},
      {1196, "Ctrl+Y", kCmdRedo},         {1042, "Ctrl+A", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    reactivate();
    focus(c.field);
    drain();
    QTest::keySequence(toolkit.control(c.field), QKeySequence(c.key));
    const std::vector<Message> chosen = {{kMenuSelect, c.command}};
    EXPECT_EQ(drain(), c.command == 0 ? std::vector<Message>() : chosen);
  }
  EXPECT_EQ(edit(1042)->selectedText(), edit(1042)->text());

  // While the user changes a field's text, Ctrl+Z takes back that typing,
  // and the window's Undo hears nothing.
  focus(1042);
  const QString before = edit(1042)->text();
  QTest::keyClicks(edit(1042), "5");
  QTest::keySequence(edit(1042), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(edit(1042)->text(), before);
  for (const Message& m : drain()) EXPECT_NE(m.type, kMenuSelect) << m;
}

}  // namespace
}  // namespace kovrin
