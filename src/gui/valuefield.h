// What the dialogs of values (House Air and People, House Equipment, Ducts,
// and the zone's own figures in Zone Details) share: a number field's text
// read as the project notes read a number, the refusal in the dialogs' words
// and the field marked while it is refused; a field's row with its label and
// the line on how to get it; the lists of choices headed by "not entered";
// and the frame around the fields: the intro, the line that says the
// refusals, the preview of what the values give, and OK that first takes the
// user to a refused field.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QVBoxLayout>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "toolkit/qt/textconversion.h"

namespace kovrin {

// What a field's text enters: the number, or none for an empty text or a
// refused one; `refusal` says why it is refused, empty when it is not.
struct FieldNumber {
  std::optional<double> taken;
  QString refusal;
};

// What a value's range allows: `minimum` to `maximum` (`allowed` in words,
// "0 to 95"), and `inRange`, which also asks a whole number where the value
// must be one. A number in range but refused by `inRange` is "not a whole
// number", or, where `wholeApart` is false, outside `allowed` as any other
// (`allowed` then says ", or not a whole number" itself). `quoted` is the
// text as "is not a number" quotes it; plain quotes where it is not given.
struct FieldRule {
  QString name;
  double minimum = 0;
  double maximum = 0;
  QString allowed;
  std::function<bool(double)> inRange;
  std::function<QString(const QString&)> quoted;
  bool wholeApart = true;
};

// "0 to 95": a range in words, its ends as the notes write them.
QString rangeWords(double minimum, double maximum);

// The rule of one of the model's ranges of values (a name, a minimum and a
// maximum), the number checked by `inRange`.
template <class Range>
FieldRule ruleOf(const Range& range, std::function<bool(double)> inRange) {
  return {toQString(range.name), range.minimum, range.maximum, rangeWords(range.minimum, range.maximum),
          std::move(inRange), {}, true};
}

// Reads `text` (trimmed) as a plain decimal number ("0.35", "-12") within
// the rule: "Name: <quoted> is not a number", "Name: 120 is outside 0 to
// 95", "Name: 2.5 is not a whole number".
FieldNumber readFieldNumber(const QString& text, const FieldRule& rule);

// The field marked while its text is refused: its background, and its
// "refused" property for the tests.
void markRefusal(QLineEdit& edit, const QString& refusal);

// A number's field: its edit, the rule its text is read by, and what the
// text gives.
struct NumberInput {
  QLineEdit* edit = nullptr;
  FieldRule rule;
  std::optional<double> taken;  // none for an empty or refused text
  QString refusal;              // why the text is refused; empty when taken

  // Reads the edit's text by the rule and marks the edit while it is refused.
  void take();
};

// A number's edit named `name`, showing `entered`, right-aligned and as wide
// as ten digits.
QLineEdit* numberEdit(std::string_view name, const std::optional<double>& entered, QWidget& parent);

// The longest text a value's field takes: any number it may hold, with room
// to spare, and never so much that the field or a message about it outgrows
// the dialog.
inline constexpr int kValueFieldCharacters = 20;

// The edit takes no more than a number's length, all of it selected by a
// click, as the input screen's fields are.
void holdANumber(QLineEdit& edit);

// A field's text quoted as the project notes quote a value in a message.
QString quotedAsNotes(const QString& text);

// The field of the value `key` of a table of values.
template <class Key>
struct KeyedInput : NumberInput {
  Key key{};

  // The field of `value`, whose row of the model's table is `range`: its
  // edit named after the value's JSON key, showing `entered` and holding a
  // number's length, its text read by the range, whose value `inRange`
  // checks, and quoted in a refusal as the notes quote it.
  template <class Range>
  void setUp(Key value, const Range& range, bool (*inRange)(Key, double), const std::optional<double>& entered,
             QWidget& parent) {
    key = value;
    edit = numberEdit(range.jsonKey, entered, parent);
    holdANumber(*edit);
    rule = ruleOf(range, [inRange, value](double number) { return inRange(value, number); });
    rule.quoted = quotedAsNotes;
  }
};

// A row of `grid`: `label` (the edit's buddy), the edit and `hint`, greyed,
// on how a user gets the value.
void addFieldRow(QGridLayout& grid, const QString& label, QLineEdit* edit, const QString& hint, QWidget& parent);

// Each field's text taken as the user edits it, and `changed` told.
template <class Fields>
void takeAsEdited(Fields& fields, QObject& context, const std::function<void()>& changed) {
  for (auto& field : fields) {
    if (!field.edit) continue;
    QObject::connect(field.edit, &QLineEdit::textEdited, &context, [&field, changed] {
      field.take();
      changed();
    });
  }
}

// The values the fields give put into `values`; a refused text, or a value
// without a field, leaves the value as `values` holds it.
template <class Fields, class Values>
void putTaken(const Fields& fields, Values& values) {
  for (const auto& field : fields) {
    if (field.edit && field.refusal.isEmpty()) values[field.key] = field.taken;
  }
}

// Every field's refusal, a line each, in the fields' order.
template <class... Fields>
QString refusalLines(const Fields&... fields) {
  QStringList refusals;
  const auto collect = [&refusals](const auto& list) {
    for (const auto& field : list) {
      if (!field.refusal.isEmpty()) refusals << field.refusal;
    }
  };
  (collect(fields), ...);
  return refusals.join(QLatin1Char('\n'));
}

// The line under the fields that says the first refusal, in red.
void setUpRefusalLine(QLabel& message);

// `preview`, plain text a user can select, in a group titled `title`.
QGroupBox* previewGroup(const QString& title, QLabel& preview, QWidget& parent);

// The focus on the first field of `fields` (each with `edit` and `refusal`)
// whose text is refused, its text selected; false when none is.
template <class Fields>
bool focusFirstRefused(const Fields& fields) {
  for (const auto& field : fields) {
    if (field.refusal.isEmpty()) continue;
    field.edit->setFocus();
    field.edit->selectAll();
    return true;
  }
  return false;
}

// A list named `name` of `first` ("not entered") and the texts of `rows`,
// `current` chosen; the choice is the row's index.
template <class Rows, class Choice>
QComboBox* choiceList(const char* name, const QString& first, const Rows& rows, const std::optional<Choice>& current,
                      QWidget& parent) {
  auto* box = new QComboBox(&parent);
  box->setObjectName(QString::fromLatin1(name));
  box->addItem(first);
  for (const auto& row : rows) box->addItem(toQString(row.text));
  box->setCurrentIndex(current ? static_cast<int>(*current) + 1 : 0);
  return box;
}

// The choice of a list made by choiceList; none for "not entered".
template <class Choice>
std::optional<Choice> chosen(const QComboBox* box) {
  if (box->currentIndex() <= 0) return std::nullopt;
  return static_cast<Choice>(box->currentIndex() - 1);
}

// The frame of a dialog of values: the title, the intro above the parts the
// dialog adds, then the refusal line, the preview and OK and Cancel. OK
// closes the dialog only while no field is refused; otherwise the first
// refused field takes the focus.
class ValuesDialog {
 public:
  ValuesDialog(const ValuesDialog&) = delete;
  ValuesDialog& operator=(const ValuesDialog&) = delete;

 protected:
  ValuesDialog(const QString& title, const QString& intro, QWidget* parent);
  ~ValuesDialog() = default;

  // A part under the intro and the parts added before it.
  void addPart(QLayout* part) { m_layout->addLayout(part); }
  void addPart(QWidget* part) { m_layout->addWidget(part); }

  // The refusal line, the preview in a group titled `previewTitle`, OK and
  // Cancel under the parts. `focusFirstRefused` takes the focus to the first
  // refused field and says whether there was one.
  QDialogButtonBox* finish(const QString& previewTitle, std::function<bool()> focusFirstRefused);

  // A button named `name` beside OK and Cancel that does `act`.
  void addAction(QDialogButtonBox& buttons, const QString& text, const char* name, const QString& tip,
                 std::function<void()> act);

  // Shows the dialog: on OK, what `edited` gives where it differs from
  // `before`; none on Cancel, or on OK without a change.
  template <class Value, class Edited>
  std::optional<Value> changedOnOk(const Value& before, Edited edited) {
    if (m_dialog.exec() != QDialog::Accepted) return std::nullopt;
    Value after = edited();
    if (after == before) return std::nullopt;
    return after;
  }

  QDialog m_dialog;
  QLabel* m_preview;
  QLabel* m_message;

 private:
  QVBoxLayout* m_layout;
};

}  // namespace kovrin
