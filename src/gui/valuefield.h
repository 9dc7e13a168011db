// What the dialogs of values (House Air and People, House Equipment, Ducts)
// share: a number field's text read as the project notes read a number, the
// refusal in the dialogs' words and the field marked while it is refused;
// the line that says the first refusal, the preview of what the values
// give, and OK that first takes the user to a refused field.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <functional>
#include <optional>

namespace kovrin {

// What a field's text enters: the number, or none for an empty text or a
// refused one; `refusal` says why it is refused, empty when it is not.
struct FieldNumber {
  std::optional<double> taken;
  QString refusal;
};

// What a value's range allows: `minimum` to `maximum` (`allowed` in words,
// "0 to 95"), and `inRange`, which also asks a whole number where the value
// must be one.
struct FieldRule {
  QString name;
  double minimum = 0;
  double maximum = 0;
  QString allowed;
  std::function<bool(double)> inRange;
};

// Reads `text` (trimmed) as a plain decimal number ("0.35", "-12") within
// the rule: "Name: <quoted> is not a number", "Name: 120 is outside 0 to
// 95", "Name: 2.5 is not a whole number". `quoted` is the text as the first
// refusal shows it.
FieldNumber readFieldNumber(const QString& text, const QString& quoted, const FieldRule& rule);

// The field marked while its text is refused: its background, and its
// "refused" property for the tests.
void markRefusal(QLineEdit& edit, const QString& refusal);

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

}  // namespace kovrin
