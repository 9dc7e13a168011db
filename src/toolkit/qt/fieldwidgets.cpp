#include "toolkit/qt/fieldwidgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QValidator>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/nametext.h"
#include "report/numbertext.h"
#include "toolkit/fieldtext.h"
#include "toolkit/qt/plaintext.h"
#include "toolkit/qt/textconversion.h"
#include "toolkit/toolkit.h"

namespace kovrin {
namespace {

// What an empty numeric field reads as.
constexpr double kEmptyRead = kEmptyField;

// The widest "(Fw.d)" a field may ask for; wider is no display format.
constexpr int kMaxFormatWidth = 40;

// The overflow text of a real field, whatever the width of its format.
constexpr std::string_view kOverflowText = "**********";

// The text of a result field, and of a result that is out of date.
const QColor kResultText(72, 72, 72);
const QColor kOutOfDateText(170, 170, 170);

// Typed text may hold only what can become a number of the field's kind.
// A field showing the overflow text can still be edited one key at a time:
// its asterisks may be deleted, never added.
class NumberValidator : public QValidator {
 public:
  NumberValidator(NumberKind kind, QLineEdit* field) : QValidator(field), m_kind(kind) {
    // The field's text is already the new one while it is validated; the
    // asterisks are counted in the text it held before.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
      m_stars = text.count(QLatin1Char('*'));
    });
  }

  State validate(QString& input, int& pos) const override {
    // A number holds no blank: those around a pasted number are left out.
    for (qsizetype i = input.size(); i-- > 0;) {
      if (!input[i].isSpace()) continue;
      input.remove(i, 1);
      if (i < pos) --pos;
    }
    if (input.count(QLatin1Char('*')) > m_stars) return Invalid;
    QString text = input;
    text.remove(QLatin1Char('*'));
    qsizetype i = 0;
    if (i < text.size() && text[i] == QLatin1Char('-')) ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c.isDigit() && c.unicode() < 128) continue;
      if (c == QLatin1Char('.') && m_kind == NumberKind::Real && !point) {
        point = true;
        continue;
      }
      return Invalid;
    }
    return Acceptable;
  }

 private:
  NumberKind m_kind;
  qsizetype m_stars = 0;
};

QList<QKeySequence> undoKeys() { return QKeySequence::keyBindings(QKeySequence::Undo); }

// Ctrl+Z and the redo keys belong to a field only while the user is
// changing its text: they then take back or redo that typing, as in any line
// of text. Otherwise they pass to the window's Undo and Redo, which take back
// the last finished change, whichever field has the focus.
class TypingUndoKeys : public QObject {
 public:
  explicit TypingUndoKeys(QLineEdit* field) : QObject(field), m_field(field) {
    connect(field, &QLineEdit::textEdited, this, [this] { m_typing = true; });
  }

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::FocusIn:
        m_typing = false;
        return false;
      case QEvent::ShortcutOverride:
      case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        if (!isTypingUndoKey(pressed)) return false;
        const bool undo = undoKeys().contains(pressed);
        const bool own = m_typing && (undo ? m_field->isUndoAvailable() : m_field->isRedoAvailable());
        if (!own) return true;  // unanswered: the window's command takes the key
        if (event->type() == QEvent::ShortcutOverride) {
          key->accept();
        } else if (!undo && !key->matches(QKeySequence::Redo)) {
          m_field->redo();  // a redo key the platform does not give the field
          return true;
        }
        return false;
      }
      default:
        return false;
    }
  }

 private:
  QLineEdit* m_field;
  bool m_typing = false;  // since the focus came in
};

// A click that brings the focus into a line of text selects the whole text,
// as Tab does: typing then replaces "0.000" instead of landing inside it. A
// drag on that first click selects what it covers; a click into the field
// that already has the focus places the cursor, as in any line of text. The
// text is selected when the button is released, after the line edit has
// placed its cursor for the press.
class ClickSelectsAll : public QObject {
 public:
  explicit ClickSelectsAll(QLineEdit* field) : QObject(field), m_field(field) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::FocusIn:
        m_clickedIn = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        break;
      case QEvent::FocusOut:
        m_clickedIn = false;
        break;
      case QEvent::MouseButtonRelease:
        if (m_clickedIn && !m_field->hasSelectedText()) m_field->selectAll();
        m_clickedIn = false;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QLineEdit* m_field;
  bool m_clickedIn = false;  // the focus came in with the press not yet released
};

// One line's text: a pasted line break or tab is no character of it.
class OneLineValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    joinLines(input, pos);
    return Acceptable;
  }
};

// Typed text quoted in a message: a long paste by its start.
QString quotedStart(const QString& typed) {
  constexpr auto kShown = static_cast<qsizetype>(kQuotedCharacters);
  return typed.size() > kShown ? typed.left(kShown) + QStringLiteral("...") : typed;
}

std::string shortestFloatText(float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (text.find_first_of(".ein") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

void selectAllOnClickIn(QLineEdit* field) { field->installEventFilter(new ClickSelectsAll(field)); }

void joinLines(QString& text, int& pos) {
  // The line and paragraph separators come from word processors.
  const auto isBreak = [](QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar(0x2028) ||
           c == QChar(0x2029);
  };
  if (std::none_of(text.cbegin(), text.cend(), isBreak)) return;
  QString joined;
  qsizetype joinedPos = -1;
  for (qsizetype i = 0; i < text.size();) {
    if (i == pos) joinedPos = joined.size();
    if (!isBreak(text[i])) {
      joined += text[i++];
      continue;
    }
    const qsizetype start = i;
    while (i < text.size() && isBreak(text[i])) ++i;
    if (start > 0 && i < text.size()) joined += QLatin1Char(' ');
    if (pos > start && pos <= i) joinedPos = joined.size();
  }
  text = joined;
  pos = static_cast<int>(joinedPos < 0 ? joined.size() : joinedPos);
}

void takePastedLinesAsOne(QLineEdit* field) { field->setValidator(new OneLineValidator(field)); }

bool isTypingUndoKey(const QKeySequence& key) {
  const QList<QKeySequence> own = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
  return undoKeys().contains(key) || QKeySequence::keyBindings(QKeySequence::Redo).contains(key) || own.contains(key);
}

std::optional<std::string> realDisplayText(float value, std::string_view format) {
  // "(Fw.d)": width and decimals between the letter, the point and the
  // closing parenthesis.
  if (format.size() < 6 || format.front() != '(' || format.back() != ')' ||
      (format[1] != 'F' && format[1] != 'f')) {
    return std::nullopt;
  }
  const char* p = format.data() + 2;
  const char* end = format.data() + format.size() - 1;
  int width = 0;
  int decimals = 0;
  auto parsed = std::from_chars(p, end, width);
  if (parsed.ec != std::errc() || parsed.ptr == end || *parsed.ptr != '.') return std::nullopt;
  parsed = std::from_chars(parsed.ptr + 1, end, decimals);
  if (parsed.ec != std::errc() || parsed.ptr != end) return std::nullopt;
  if (width < 1 || width > kMaxFormatWidth || decimals < 0 || decimals >= width) return std::nullopt;

  std::string text = fixedDecimalField(value, width, decimals);
  if (text.find_first_not_of('*') == std::string::npos) return std::string(kOverflowText);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

NumberField::NumberField(NumberKind kind, std::string_view initialText, QWidget* parent)
    : QLineEdit(parent), m_kind(kind) {
  setAlignment(Qt::AlignCenter);
  setValidator(new NumberValidator(kind, this));
  installEventFilter(new TypingUndoKeys(this));
  selectAllOnClickIn(this);
  const QString text = toQString(initialText);
  setText(text);
  // Text the form starts with that is no number reads as empty.
  m_value = text.trimmed().isEmpty() ? std::nullopt : parse(text.trimmed());
  beginEdit();
  connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
    takeTypedText(edited);
    if (onUserChange) onUserChange();
  });
}

void NumberField::showValue(double value, const QString& text) {
  m_value = value;
  m_refusal = Refusal::None;
  m_outOfDate = false;
  setText(text);
  beginEdit();
  updateMark();
}

void NumberField::setRange(double minimum, double maximum) {
  m_hasRange = true;
  m_minimum = minimum;
  m_maximum = maximum;
  updateMark();
}

void NumberField::setDescription(const QString& name, const QString& unit) {
  m_name = name;
  m_unit = unit;
  updateMark();
}

void NumberField::setOutOfDate(bool outOfDate) {
  if (outOfDate == m_outOfDate) return;
  m_outOfDate = outOfDate;
  updateMark();
}

void NumberField::beginEdit() {
  m_valueBeforeEdit = m_value;
  m_textBeforeEdit = text();
}

void NumberField::focusInEvent(QFocusEvent* event) {
  // Whatever the field holds now is what a refused edit falls back to.
  if (m_refusal == Refusal::None) beginEdit();
  QLineEdit::focusInEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (m_refusal != Refusal::None) {
    undoRefusedEdit();
  } else {
    beginEdit();
  }
}

void NumberField::takeTypedText(const QString& text) {
  const QString trimmed = text.trimmed();
  std::optional<double> typed;
  if (trimmed.isEmpty()) {
    // An empty field reads as -999, which no declared range of the screen
    // admits: keep the value rather than hand the calculation -999.
    m_refusal = m_required || (m_hasRange && !inRange(kEmptyRead)) ? Refusal::Empty : Refusal::None;
  } else if (typed = parse(trimmed); !typed) {
    // A number too large for the field to hold is out of its range.
    m_refusal = m_hasRange && isNumberText(trimmed.toLatin1().toStdString()) ? Refusal::OutOfRange
                                                                                      : Refusal::NotANumber;
  } else if (m_hasRange && !inRange(*typed)) {
    m_refusal = Refusal::OutOfRange;
  } else {
    m_refusal = Refusal::None;
  }
  // Refused text reads as the value from before the edit, never as a number
  // typed on the way to it ("-2" on the way to "-25").
  m_value = m_refusal != Refusal::None ? m_valueBeforeEdit : typed;
  updateMark();
  if (m_refusal == Refusal::None && !m_keptMessage.isEmpty()) {
    if (onValueFixed) onValueFixed(m_keptMessage);
    m_keptMessage.clear();
  }
}

void NumberField::undoRefusedEdit() {
  const QString typed = text().trimmed();
  const QString kept = m_textBeforeEdit.trimmed().isEmpty() ? QStringLiteral("it empty") : m_textBeforeEdit.trimmed();
  QString what;
  switch (m_refusal) {
    case Refusal::OutOfRange: what = QStringLiteral("%1 is outside %2").arg(quotedStart(typed), rangeText()); break;
    case Refusal::NotANumber: what = QStringLiteral("\"%1\" is not a number").arg(quotedStart(typed)); break;
    case Refusal::Empty:
      what = m_hasRange ? QStringLiteral("a value from %1 is needed").arg(rangeText())
                        : QStringLiteral("a value is needed");
      break;
    case Refusal::None: return;
  }
  m_value = m_valueBeforeEdit;
  m_refusal = Refusal::None;
  setText(m_textBeforeEdit);
  updateMark();
  const QString name = m_name.isEmpty() ? QStringLiteral("Field %1").arg(objectName()) : m_name;
  m_keptMessage = QStringLiteral("%1: %2; kept %3").arg(name, what, kept);
  if (onValueKept) onValueKept(m_keptMessage);
}

std::optional<double> NumberField::parse(const QString& text) const {
  return parseFieldText(text.toLatin1().toStdString(), m_kind);
}

bool NumberField::inRange(double v) const { return v >= m_minimum && v <= m_maximum; }

QString NumberField::numberText(double v) const {
  // Whole-number text without a conversion to an integer type: a real
  // written into an integer field may lie beyond every integer range.
  if (m_kind == NumberKind::Integer || v == std::trunc(v)) return QString::number(v, 'f', 0);
  return QString::fromStdString(shortestFloatText(static_cast<float>(v)));
}

QString NumberField::rangeText() const {
  return QStringLiteral("%1 to %2").arg(numberText(m_minimum), numberText(m_maximum));
}

void NumberField::updateMark() {
  const bool shownOutOfRange = m_value && m_hasRange && !inRange(*m_value);
  m_marked = m_refusal != Refusal::None || shownOutOfRange;

  QPalette colours = palette();
  colours.setColor(QPalette::Base, m_marked ? kMarkedBase : QPalette().color(QPalette::Base));
  // A result that is out of date is dimmed further than the other results,
  // which the program alone writes into disabled fields.
  colours.setColor(QPalette::Disabled, QPalette::Text, m_outOfDate ? kOutOfDateText : kResultText);
  setPalette(colours);
  setProperty("outOfRange", m_marked);
  setProperty("outOfDate", m_outOfDate);

  // The tooltip: what the field holds, its unit and its range, then what is
  // wrong with it now.
  QStringList lines;
  if (!m_name.isEmpty()) lines << (m_unit.isEmpty() ? m_name : QStringLiteral("%1, %2").arg(m_name, m_unit));
  if (m_hasRange) lines << QStringLiteral("Allowed %1").arg(rangeText());
  if (m_marked) {
    QString reason;
    switch (m_refusal) {
      case Refusal::Empty: reason = QStringLiteral("Empty"); break;
      case Refusal::NotANumber: reason = QStringLiteral("Not a number"); break;
      case Refusal::OutOfRange:
      case Refusal::None: reason = QStringLiteral("Out of range"); break;
    }
    if (m_refusal != Refusal::None) {
      reason += m_valueBeforeEdit ? QStringLiteral(": the field keeps %1").arg(numberText(*m_valueBeforeEdit))
                                  : QStringLiteral(": the field stays empty");
    }
    lines << reason;
  }
  if (m_outOfDate) lines << QStringLiteral("Out of date: choose Calculate");
  setToolTip(lines.join(QLatin1Char('\n')));
}

namespace {

class TextValidator : public QValidator {
 public:
  TextValidator(int maxCharacters, QObject* parent) : QValidator(parent), m_max(maxCharacters) {}

  State validate(QString& input, int& pos) const override {
    joinLines(input, pos);
    QList<uint> characters = input.toUcs4();
    // Too long after an insertion: what was inserted last, before the
    // cursor, is cut to fit, as a line edit's own limit cuts a paste.
    if (characters.size() > m_max) {
      const qsizetype cursor = QStringView(input).left(pos).toUcs4().size();
      const qsizetype excess = characters.size() - m_max;
      if (cursor < excess) return Invalid;
      characters.remove(cursor - excess, excess);
      input = QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size());
      pos = static_cast<int>(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                                               cursor - excess)
                                 .size());
    }
    for (const uint c : characters) {
      if (refusedInName(c)) return Invalid;
    }
    return Acceptable;
  }

 private:
  int m_max;
};

}  // namespace

TextField::TextField(int maxCharacters, const QString& description, QWidget* parent)
    : QLineEdit(parent), m_maxCharacters(maxCharacters), m_description(description) {
  // The validator counts characters; the line edit's own limit counts UTF-16
  // units, so it only has to leave room for the widest.
  setMaxLength(2 * maxCharacters);
  setValidator(new TextValidator(maxCharacters, this));
  installEventFilter(new TypingUndoKeys(this));
  selectAllOnClickIn(this);
  connect(this, &QLineEdit::textEdited, this, [this] {
    updateToolTip();
    if (onUserChange) onUserChange();
  });
  updateToolTip();
}

void TextField::showText(const QString& text) {
  setText(text);
  setCursorPosition(0);
  updateToolTip();
}

void TextField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A long name reads from its start when the field is left.
  setCursorPosition(0);
}

void TextField::updateToolTip() {
  // The field is narrow: the tooltip gives the whole name.
  const QString what = QStringLiteral("%1, up to %2 characters").arg(m_description).arg(m_maxCharacters);
  setToolTip(plainToolTip(text().isEmpty() ? what : QStringLiteral("%1\n%2").arg(text(), what)));
}

ListField::ListField(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  connect(this, &QComboBox::activated, this, [this](int index) {
    const std::int32_t picked = index + 1;
    if (picked == m_selection) return;
    m_selection = picked;
    if (onUserChange) onUserChange();
  });
}

void ListField::setEntries(std::span<const std::string_view> entries, std::int32_t selected) {
  clear();
  for (const std::string_view entry : entries) addItem(toQString(trimTrailingBlanks(entry)));
  select(selected);
}

void ListField::select(std::int32_t selected) {
  m_selection = selected;
  // Only a file brings a selection that is no entry; showing none keeps it
  // from looking like a choice the user made.
  setCurrentIndex(selected >= 1 && selected <= count() ? selected - 1 : -1);
}

}  // namespace kovrin
