#include "gui/valuefield.h"

#include <QPalette>
#include <QVBoxLayout>

#include <cmath>

#include "model/housevalues.h"
#include "toolkit/qt/fieldwidgets.h"

namespace kovrin {

FieldNumber readFieldNumber(const QString& text, const QString& quoted, const FieldRule& rule) {
  FieldNumber read;
  if (text.isEmpty()) return read;  // not entered
  const std::optional<double> number = enteredNumber(text.toStdString());
  if (!number || std::isnan(*number)) {
    read.refusal = QStringLiteral("%1: %2 is not a number").arg(rule.name, quoted);
  } else if (!(*number >= rule.minimum && *number <= rule.maximum)) {
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

}  // namespace kovrin
