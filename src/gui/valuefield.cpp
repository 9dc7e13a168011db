#include "gui/valuefield.h"

#include <QFontMetrics>
#include <QPalette>
#include <QPushButton>

#include <cmath>

#include "model/housevalues.h"
#include "projectfile/projectnotes.h"
#include "toolkit/qt/fieldwidgets.h"

namespace kovrin {

QString rangeWords(double minimum, double maximum) {
  return QStringLiteral("%1 to %2").arg(toQString(enteredText(minimum)), toQString(enteredText(maximum)));
}

FieldNumber readFieldNumber(const QString& text, const FieldRule& rule) {
  FieldNumber read;
  if (text.isEmpty()) return read;  // not entered
  const std::optional<double> number = enteredNumber(text.toStdString());
  if (!number || std::isnan(*number)) {
    const QString quoted = rule.quoted ? rule.quoted(text) : QStringLiteral("\"%1\"").arg(text);
    read.refusal = QStringLiteral("%1: %2 is not a number").arg(rule.name, quoted);
  } else if (!(*number >= rule.minimum && *number <= rule.maximum) || (!rule.wholeApart && !rule.inRange(*number))) {
    read.refusal = QStringLiteral("%1: %2 is outside %3").arg(rule.name, text, rule.allowed);
  } else if (!rule.inRange(*number)) {
    read.refusal = QStringLiteral("%1: %2 is not a whole number").arg(rule.name, text);
  } else {
    read.taken = number;
  }
  return read;
}

void markRefusal(QLineEdit& edit, const QString& refusal) {
  QPalette colours = edit.palette();
  colours.setColor(QPalette::Base, refusal.isEmpty() ? QPalette().color(QPalette::Base) : kMarkedBase);
  edit.setPalette(colours);
  edit.setProperty("refused", !refusal.isEmpty());
}

void NumberInput::take() {
  FieldNumber read = readFieldNumber(edit->text().trimmed(), rule);
  taken = read.taken;
  refusal = std::move(read.refusal);
  markRefusal(*edit, refusal);
}

QLineEdit* numberEdit(std::string_view name, const std::optional<double>& entered, QWidget& parent) {
  auto* edit = new QLineEdit(&parent);
  edit->setObjectName(toQString(name));
  edit->setAlignment(Qt::AlignRight);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
  if (entered) edit->setText(toQString(enteredText(*entered)));
  return edit;
}

void holdANumber(QLineEdit& edit) {
  edit.setMaxLength(kValueFieldCharacters);
  selectAllOnClickIn(&edit);
}

QString quotedAsNotes(const QString& text) { return toQString(quotedInMessage(text.toStdString())); }

void addFieldRow(QGridLayout& grid, const QString& label, QLineEdit* edit, const QString& hint, QWidget& parent) {
  auto* caption = new QLabel(label, &parent);
  caption->setBuddy(edit);
  auto* how = new QLabel(hint, &parent);
  how->setStyleSheet(QStringLiteral("color: #5a5a5a;"));
  const int row = grid.rowCount();
  grid.addWidget(caption, row, 0);
  grid.addWidget(edit, row, 1);
  grid.addWidget(how, row, 2);
}

void setUpRefusalLine(QLabel& message) {
  message.setObjectName(QStringLiteral("refusal"));
  message.setStyleSheet(QStringLiteral("color: #b00020;"));
  message.setTextFormat(Qt::PlainText);
}

QGroupBox* previewGroup(const QString& title, QLabel& preview, QWidget& parent) {
  auto* group = new QGroupBox(title, &parent);
  auto* layout = new QVBoxLayout(group);
  preview.setObjectName(QStringLiteral("preview"));
  preview.setTextFormat(Qt::PlainText);
  preview.setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(&preview);
  return group;
}

ValuesDialog::ValuesDialog(const QString& title, const QString& intro, QWidget* parent)
    : m_dialog(parent), m_preview(new QLabel(&m_dialog)), m_message(new QLabel(&m_dialog)) {
  m_dialog.setWindowTitle(title);
  auto* introLine = new QLabel(intro, &m_dialog);
  introLine->setWordWrap(true);
  m_layout = new QVBoxLayout(&m_dialog);
  m_layout->addWidget(introLine);
}

QDialogButtonBox* ValuesDialog::finish(const QString& previewTitle, std::function<bool()> focusFirstRefused) {
  setUpRefusalLine(*m_message);
  m_layout->addWidget(m_message);
  m_layout->addWidget(previewGroup(previewTitle, *m_preview, m_dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog,
                   [this, focusRefused = std::move(focusFirstRefused)] {
                     if (!focusRefused()) m_dialog.accept();
                   });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
  m_layout->addWidget(buttons);
  return buttons;
}

void ValuesDialog::addAction(QDialogButtonBox& buttons, const QString& text, const char* name, const QString& tip,
                             std::function<void()> act) {
  QPushButton* button = buttons.addButton(text, QDialogButtonBox::ActionRole);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(tip);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, &m_dialog, std::move(act));
}

}  // namespace kovrin
