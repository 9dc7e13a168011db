#include "toolkit/qt/formwidget.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/textconversion.h"

namespace kovrin {
namespace {

// A closed drop-down list is one row high whatever its resource height,
// which is the height of the list when it is dropped down.
constexpr int kClosedListHeight = 12;
// The height of one entry of a dropped list.
constexpr int kListEntryHeight = 8;

// A rectangle of `height` pixels centred on the vertical middle of `box`.
QRect centredVertically(const QRect& box, int height) {
  return {box.x(), box.y() + (box.height() - height) / 2, box.width(), height};
}

// A label that stands for the control listed before it, as a button's own
// text would: a click on it is a click on that button.
class CaptionLabel : public QLabel {
 public:
  CaptionLabel(const QString& text, QWidget* control, QWidget* parent)
      : QLabel(text, parent), m_button(qobject_cast<QAbstractButton*>(control)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && m_button) return event->accept();
    QLabel::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton || !m_button || !rect().contains(event->position().toPoint())) {
      return QLabel::mouseReleaseEvent(event);
    }
    if (!m_button->isEnabled()) return;
    if ((m_button->focusPolicy() & Qt::ClickFocus) != 0) m_button->setFocus(Qt::MouseFocusReason);
    m_button->click();
  }

 private:
  QPointer<QAbstractButton> m_button;
};

}  // namespace

DialogUnits DialogUnits::of(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabet =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  // The classic base unit: the average of the 52 letters, rounded.
  return {std::max(1, (alphabet / 26 + 1) / 2), std::max(1, metrics.height())};
}

namespace {

// Pixels of `units` at `base` per `divisor` units, rounded; a resource that
// asks for more than any screen has is held to it rather than overflowing.
int toPixels(int units, int base, double divisor) {
  constexpr double kLargest = 1'000'000.0;
  const double pixels = std::clamp(units * static_cast<double>(base) / divisor, -kLargest, kLargest);
  return static_cast<int>(std::lround(pixels));
}

}  // namespace

int DialogUnits::x(int units) const { return toPixels(units, baseWidth, 4.0); }

int DialogUnits::y(int units) const { return toPixels(units, baseHeight, 8.0); }

FormWidget::FormWidget(const DialogResource& dialog, const QFont& font, QWidget* parent)
    : QWidget(parent), m_units(DialogUnits::of(font)) {
  setFont(font);
  // The results of the calculation live in disabled fields: greyed, but their
  // numbers must stay easy to read.
  QPalette colours = palette();
  colours.setColor(QPalette::Disabled, QPalette::Text, QColor(72, 72, 72));
  setPalette(colours);
  setFixedSize(m_units.x(dialog.width), m_units.y(dialog.height));
  build(dialog);
  applyInitialState(dialog);
  for (const RadioGroup& group : m_groups) updateRadioStops(group);
}

void FormWidget::build(const DialogResource& dialog) {
  for (const ControlDef& def : dialog.controls) {
    if (m_controls.count(def.id) != 0) {
      m_problems << QStringLiteral("control %1 is defined twice; the second is left out").arg(def.id);
      continue;
    }
    QWidget* widget = makeControl(def);
    if (widget == nullptr) {
      m_problems << QStringLiteral("control %1 is of no known kind").arg(def.id);
      continue;
    }
    // A group of radio buttons runs on across labels (the caption of a
    // button may be a label of its own) and ends at any other control.
    if (def.kind != ControlKind::RadioButton && def.kind != ControlKind::Label) m_groupOpen = false;

    const bool field = def.kind != ControlKind::Label && def.kind != ControlKind::GroupBox;
    widget->setObjectName(QString::number(def.id));
    if ((def.flags & kDisabled) != 0) widget->setEnabled(false);
    if (field && (def.flags & kNoTabStop) != 0) widget->setFocusPolicy(Qt::ClickFocus);
    if (!field) widget->setFocusPolicy(Qt::NoFocus);
    m_controls[def.id] = widget;
    m_lastControl = widget;
    if (field) {
      m_focusOrder.push_back(widget);
      widget->installEventFilter(this);
    }
  }

  // The buttons of a group exclude each other, and only within the group.
  for (const RadioGroup& group : m_groups) {
    auto* exclusive = new QButtonGroup(this);
    for (QRadioButton* button : group.buttons) exclusive->addButton(button);
  }
  for (std::size_t i = 1; i < m_focusOrder.size(); ++i) {
    QWidget::setTabOrder(m_focusOrder[i - 1], m_focusOrder[i]);
  }
}

QRect FormWidget::box(const ControlDef& def) const {
  return {m_units.x(def.x), m_units.y(def.y), m_units.x(def.width), m_units.y(def.height)};
}

QRect FormWidget::editBox(const ControlDef& def) const {
  // An edit needs room for its frame around one line of text; where the
  // resource gives less, it grows about its middle.
  const QRect rect = box(def);
  return centredVertically(rect, std::max(rect.height(), QFontMetrics(font()).height() + 4));
}

QWidget* FormWidget::makeControl(const ControlDef& def) {
  switch (def.kind) {
    case ControlKind::IntegerEdit:
    case ControlKind::RealEdit: {
      const NumberKind kind = def.kind == ControlKind::IntegerEdit ? NumberKind::Integer : NumberKind::Real;
      auto* edit = new NumberField(kind, def.text, this);
      edit->setGeometry(editBox(def));
      edit->setDescription(toQString(def.name), toQString(def.unit));
      edit->onUserChange = [this, id = def.id] { userChanged(id); };
      edit->onValueKept = [this](const QString& message) {
        if (onValueKept) onValueKept(message);
      };
      edit->onValueFixed = [this](const QString& message) {
        if (onValueFixed) onValueFixed(message);
      };
      return edit;
    }
    case ControlKind::TextEdit: {
      auto* text = new TextField(kTextEditCharacters, toQString(def.name), this);
      text->setGeometry(editBox(def));
      text->onUserChange = [this, id = def.id] { userChanged(id); };
      return text;
    }
    case ControlKind::DropDownList: {
      auto* list = new ListField(this);
      const QRect rect = box(def);
      list->setGeometry(rect.x(), rect.y(), rect.width(), m_units.y(kClosedListHeight));
      list->setMaxVisibleItems(std::max(1, (def.height - kClosedListHeight) / kListEntryHeight));
      list->onUserChange = [this, id = def.id] { userChanged(id); };
      return list;
    }
    case ControlKind::RadioButton:
      return makeRadioButton(def);
    case ControlKind::GroupBox: {
      auto* frame = new QGroupBox(toQString(def.text), this);
      frame->setGeometry(box(def));
      frame->lower();
      return frame;
    }
    case ControlKind::Label: {
      auto* label = (def.flags & kCaptionOfPrevious) != 0 ? new CaptionLabel(toQString(def.text), m_lastControl, this)
                                                          : new QLabel(toQString(def.text), this);
      label->setTextFormat(Qt::PlainText);
      if ((def.flags & kRightText) != 0) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (!def.name.empty()) label->setToolTip(toQString(def.name));
      label->setGeometry(box(def));
      return label;
    }
  }
  return nullptr;
}

QRadioButton* FormWidget::makeRadioButton(const ControlDef& def) {
  auto* button = new QRadioButton(toQString(def.text), this);
  button->setAutoExclusive(false);
  const QSize hint = button->sizeHint();
  QRect rect = centredVertically(box(def), std::max(box(def).height(), hint.height()));
  if (def.text.empty()) rect.setWidth(std::max(rect.width(), hint.width()));
  button->setGeometry(rect);
  if ((def.flags & kGroupStart) != 0 || !m_groupOpen) {
    // The first button decides whether the Tab key visits the group.
    m_groups.push_back({{}, (def.flags & kNoTabStop) == 0});
    m_groupOpen = true;
  }
  const std::size_t group = m_groups.size() - 1;
  m_groups[group].buttons.push_back(button);
  m_groupOf[def.id] = group;
  connect(button, &QRadioButton::toggled, this, [this, group, id = def.id](bool checked) {
    updateRadioStops(m_groups[group]);
    if (checked) userChanged(id);
  });
  return button;
}

void FormWidget::applyInitialState(const DialogResource& dialog) {
  for (const int id : dialog.checkedButtons) {
    const auto group = m_groupOf.find(id);
    if (group == m_groupOf.end()) {
      m_problems << QStringLiteral("%1 is no radio button to check").arg(id);
      continue;
    }
    // The signals are quiet: the initial state is no change by the user.
    auto* button = static_cast<QRadioButton*>(m_controls.at(id));
    const QSignalBlocker quiet(button);
    button->setChecked(true);
  }
  for (const InitialList& list : dialog.lists) {
    ListField* field = listField(list.id);
    if (field == nullptr) {
      m_problems << QStringLiteral("%1 is no drop-down list to fill").arg(list.id);
      continue;
    }
    field->setEntries(list.entries, list.selected);
  }
}

void FormWidget::updateRadioStops(const RadioGroup& group) {
  QRadioButton* stop = group.buttons.empty() ? nullptr : group.buttons.front();
  for (QRadioButton* button : group.buttons) {
    if (button->isChecked()) stop = button;
  }
  for (QRadioButton* button : group.buttons) {
    button->setFocusPolicy(button == stop && group.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
  // The fields pass Enter on unused: it moves on as Tab does.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextPrevChild((event->modifiers() & Qt::ShiftModifier) == 0);
    return;
  }
  QWidget::keyPressEvent(event);
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
  // A field that does not accept the shortcut override leaves the key to
  // the window's command.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& windowKey : m_windowKeys) {
      if (windowKey.matches(pressed) == QKeySequence::ExactMatch) {
        event->ignore();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FormWidget::userChanged(int id) {
  if (onUserChange) onUserChange(id);
}

QWidget* FormWidget::control(int id) const {
  const auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

NumberField* FormWidget::numberField(int id) const {
  return dynamic_cast<NumberField*>(control(id));
}

ListField* FormWidget::listField(int id) const { return dynamic_cast<ListField*>(control(id)); }

int FormWidget::controlId(const QWidget* widget) const {
  for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
    if (widget->parentWidget() == this) {
      const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                      [widget](const auto& entry) { return entry.second == widget; });
      return found == m_controls.end() ? 0 : found->first;
    }
  }
  return 0;
}

QWidget* FormWidget::firstTabStop() const {
  for (QWidget* widget : m_focusOrder) {
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) != 0) return widget;
  }
  return nullptr;
}

std::optional<std::int32_t> FormWidget::radioPosition(int id) const {
  const auto group = m_groupOf.find(id);
  if (group == m_groupOf.end()) return std::nullopt;
  const auto& buttons = m_groups[group->second].buttons;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i]->isChecked()) return static_cast<std::int32_t>(i + 1);
  }
  return 0;
}

}  // namespace kovrin
