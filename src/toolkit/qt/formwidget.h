// A dialog resource built as widgets: the input screen that the main window
// shows as its client area.
//
// Positions and sizes come in dialog units and become pixels through the
// font's base units (a quarter of the average character width across, an
// eighth of the character height down), so the layout keeps its proportions
// at any font size. The widgets are created in the order of the resource's
// controls, which is the tab order; labels, group boxes, disabled controls
// and kNoTabStop controls are never visited by the Tab key, and a radio group
// is one stop (its checked button, or its first one when none is checked).
//
// Enter in a field moves on to the next field as Tab does (Shift+Enter back).
// The keys of the window's commands (setWindowKeys) are given up by every
// field, so that a field never takes one for editing (Ctrl+E for the end of
// the line, Ctrl+H for a backspace).
//
// The form owns its widgets (Qt parent ownership). It reports every change the
// user makes to a field through onUserChange, with the field's identifier;
// field writes by the program report nothing.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "toolkit/resources.h"

class QRadioButton;

namespace kovrin {

class ListField;
class NumberField;

// Pixels of dialog units for one font.
struct DialogUnits {
  int baseWidth = 1;   // average character width: width of "A".."Z""a".."z" / 52, rounded
  int baseHeight = 1;  // character height

  static DialogUnits of(const QFont& font);
  int x(int units) const;
  int y(int units) const;
};

class FormWidget : public QWidget {
 public:
  FormWidget(const DialogResource& dialog, const QFont& font, QWidget* parent = nullptr);

  // The widget of a control, or null for an identifier the form does not have.
  QWidget* control(int id) const;
  NumberField* numberField(int id) const;
  ListField* listField(int id) const;
  // The identifier of the control that `widget` is or belongs to; 0 for none.
  int controlId(const QWidget* widget) const;
  // The first control the Tab key visits; null when there is none.
  QWidget* firstTabStop() const;

  // The 1-based position of the checked button within the radio group of
  // `id` (0 when none is checked); nothing when `id` is no radio button.
  std::optional<std::int32_t> radioPosition(int id) const;

  // The keys of the window's commands, which the fields give up.
  void setWindowKeys(const QList<QKeySequence>& keys) { m_windowKeys = keys; }

  // What the resource asked for and the form could not do.
  const QStringList& problems() const { return m_problems; }

  // The user changed what field `id` holds.
  std::function<void(int id)> onUserChange;
  // A numeric field went back to the value it kept after refused text.
  std::function<void(const QString& message)> onValueKept;
  // That field now holds a value typed within its range.
  std::function<void(const QString& message)> onValueFixed;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct RadioGroup {
    std::vector<QRadioButton*> buttons;
    bool tabStop = true;
  };

  void build(const DialogResource& dialog);
  QWidget* makeControl(const ControlDef& def);
  QRadioButton* makeRadioButton(const ControlDef& def);
  void applyInitialState(const DialogResource& dialog);
  // A control's rectangle in pixels, and an edit's, grown to hold its text.
  QRect box(const ControlDef& def) const;
  QRect editBox(const ControlDef& def) const;
  void updateRadioStops(const RadioGroup& group);
  void userChanged(int id);

  DialogUnits m_units;
  std::map<int, QWidget*> m_controls;
  QWidget* m_lastControl = nullptr;  // the control made last, while building
  std::vector<QWidget*> m_focusOrder;  // the fields, in the resource's order
  std::vector<RadioGroup> m_groups;
  std::map<int, std::size_t> m_groupOf;  // radio button id -> index in m_groups
  bool m_groupOpen = false;  // whether the next radio button joins the last group
  QStringList m_problems;
  QList<QKeySequence> m_windowKeys;
};

}  // namespace kovrin
