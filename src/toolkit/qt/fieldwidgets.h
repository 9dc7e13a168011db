// The typed fields of a dialog: numeric edits that hold a value of their own
// beside the text they show, and drop-down lists that hold a selection number
// beside the entry they show.
//
// A numeric field keeps the exact value the program wrote, so a read before
// the user touches the field returns that value and not its rounded text. A
// value the program writes is always shown and kept, even outside the
// field's range; it is then marked. Typed text is taken only when it is a
// number within the range. While it is not, the field is marked and reads
// the value it held before this edit began, never a partly typed number;
// when the focus leaves it, its text returns to that value and the field
// says so through onValueKept, so that what the screen shows and what the
// program uses agree again. A field reads as empty (the caller's -999) only
// when its text is empty, -999 would not contradict its range and it is not
// one that may not be left empty.
//
// Both classes report changes made by the user through onUserChange; what
// the program writes reports nothing.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "toolkit/fieldtext.h"

namespace kovrin {

// The background of a field whose text is refused or whose value is out of
// range; the program's own dialogs mark their fields alike.
inline const QColor kMarkedBase(255, 214, 214);

// "(Fw.d)": the fixed-decimal text of `value`, leading blanks removed, or ten
// asterisks when it does not fit; nothing for a format that is not "(Fw.d)".
std::optional<std::string> realDisplayText(float value, std::string_view format);

// Whether `key` takes back or redoes typing in a line of text (Ctrl+Z,
// Ctrl+Shift+Z, Ctrl+Y): a field keeps it while the user is changing its
// text, and leaves it to the window's Undo and Redo otherwise.
bool isTypingUndoKey(const QKeySequence& key);

// Makes a click that brings the focus into `field` select its whole text,
// as Tab does; a click into the field once it has the focus places the
// cursor. The fields below all do so, and the program's own dialogs use it
// for theirs.
void selectAllOnClickIn(QLineEdit* field);

// Text pasted into a line of one line: a cell copied from a spreadsheet
// brings a line break after it, and copied lines bring tabs and line breaks
// between them. Each run of them becomes one blank, none at the ends; the
// cursor `pos` keeps its place in the text.
void joinLines(QString& text, int& pos);
// A line edit that takes pasted lines as one line (joinLines).
void takePastedLinesAsOne(QLineEdit* field);

class NumberField : public QLineEdit {
 public:
  NumberField(NumberKind kind, std::string_view initialText, QWidget* parent);

  NumberKind kind() const { return m_kind; }

  // A program write: `text` is shown and `value` kept as it is.
  void showValue(double value, const QString& text);
  // The range for typed values; a shown value outside it is marked.
  void setRange(double minimum, double maximum);
  // Emptied, the field keeps its value whatever its range.
  void setRequired() { m_required = true; }

  // What the field holds and its unit, for its tooltip and messages.
  void setDescription(const QString& name, const QString& unit);
  // A result shown as out of date: dimmed, with a tooltip that says to
  // calculate. The next program write makes it current.
  void setOutOfDate(bool outOfDate);

  // The value a read returns; nothing when the field is empty.
  std::optional<double> value() const { return m_value; }

  std::function<void()> onUserChange;
  // The focus left refused text and the field went back to the value it
  // kept: what happened, in one line for the user.
  std::function<void(const QString& message)> onValueKept;
  // The user then typed a value the field takes: that message is done with.
  std::function<void(const QString& message)> onValueFixed;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  enum class Refusal { None, Empty, NotANumber, OutOfRange };

  void takeTypedText(const QString& text);
  void beginEdit();
  void undoRefusedEdit();
  std::optional<double> parse(const QString& text) const;
  bool inRange(double v) const;
  QString numberText(double v) const;
  QString rangeText() const;
  void updateMark();

  NumberKind m_kind;
  std::optional<double> m_value;
  // What the field held when the current edit began.
  std::optional<double> m_valueBeforeEdit;
  QString m_textBeforeEdit;
  bool m_hasRange = false;
  bool m_required = false;
  double m_minimum = 0;
  double m_maximum = 0;
  Refusal m_refusal = Refusal::None;
  bool m_marked = false;
  bool m_outOfDate = false;
  QString m_name;
  QString m_unit;
  QString m_keptMessage;  // the last onValueKept message, until the value is fixed
};

// A line of text the user types, such as a zone's name: at most a given
// number of characters (Unicode code points), none of them one that a name
// may not hold (model/nametext.h). Typed or pasted text that holds one is
// not taken.
class TextField : public QLineEdit {
 public:
  // `description` says what the field holds, for its tooltip.
  TextField(int maxCharacters, const QString& description, QWidget* parent);

  // A program write: shown from its start, reported as no change.
  void showText(const QString& text);

  std::function<void()> onUserChange;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void updateToolTip();

  int m_maxCharacters;
  QString m_description;
};

class ListField : public QComboBox {
 public:
  explicit ListField(QWidget* parent);

  // Replace the entries and select entry `selected` (1-based). A number that
  // is no entry leaves the list showing none and is kept as it is.
  void setEntries(std::span<const std::string_view> entries, std::int32_t selected);
  std::int32_t selection() const { return m_selection; }

  std::function<void()> onUserChange;

 private:
  void select(std::int32_t selected);

  std::int32_t m_selection = 0;
};

}  // namespace kovrin
