#include "gui/detailsdialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <variant>

#include "model/nametext.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/plaintext.h"
#include "toolkit/qt/textconversion.h"

namespace kovrin {
namespace {

// A project file keeps each detail on one line of its own, which a reader
// takes up to 64 KiB: well within that at four bytes a character.
constexpr int kMaxCharacters = 4000;

using Editor = std::variant<QLineEdit*, QPlainTextEdit*>;

QString textOf(const Editor& editor) {
  if (const auto* line = std::get_if<QLineEdit*>(&editor)) return (*line)->text();
  return std::get<QPlainTextEdit*>(editor)->toPlainText();
}

void setTextOf(const Editor& editor, const QString& text) {
  if (const auto* line = std::get_if<QLineEdit*>(&editor)) return (*line)->setText(text);
  std::get<QPlainTextEdit*>(editor)->setPlainText(text);
}

// The editor's text as the project file keeps it (model/nametext.h); true
// when characters had to be left out. Pasted text may hold any character,
// and a line break may come as a carriage return: that becomes a line feed
// without a word.
bool keepOnlyWhatAFileKeeps(const Editor& editor) {
  const std::string entered = textOf(editor).toStdString();
  const std::string kept = keptDetail(entered);
  if (kept == entered) return false;
  setTextOf(editor, toQString(kept));
  return std::any_of(entered.begin(), entered.end(),
                     [](char c) { return c != '\r' && refusedInDetail(static_cast<unsigned char>(c)); });
}

using Editors = std::array<Editor, kJobDetailFields.size()>;

// The editor of one detail: a box of four lines for the multi-line ones.
Editor detailEditor(const JobDetailField& field, const QString& value, QDialog& dialog) {
  if (field.multiline) {
    auto* edit = new QPlainTextEdit(value, &dialog);
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 4 + 12);
    return edit;
  }
  auto* edit = new QLineEdit(value, &dialog);
  edit->setMaxLength(kMaxCharacters);
  takePastedLinesAsOne(edit);
  return edit;
}

// Whether OK may close the dialog: not when characters had to be left out,
// which `leftOut` then says, nor when a detail is too long.
bool mayAccept(const Editors& editors, QLabel& leftOut, QDialog& dialog) {
  QStringList changed;
  for (std::size_t i = 0; i < kJobDetailFields.size(); ++i) {
    if (keepOnlyWhatAFileKeeps(editors[i])) changed << toQString(plainLabel(kJobDetailFields[i].label));
  }
  if (!changed.isEmpty()) {
    leftOut.setText(QStringLiteral("Control characters (such as a form feed), which a project file cannot keep, "
                                   "were left out of: %1. Check the text, then choose OK.")
                        .arg(changed.join(QStringLiteral(", "))));
    leftOut.show();
    return false;
  }
  for (std::size_t i = 0; i < kJobDetailFields.size(); ++i) {
    if (textOf(editors[i]).toUcs4().size() > kMaxCharacters) {
      showPlainMessage(&dialog, QMessageBox::Warning, dialog.windowTitle(),
                       QStringLiteral("%1 holds more than %2 characters.")
                           .arg(toQString(plainLabel(kJobDetailFields[i].label)))
                           .arg(kMaxCharacters));
      return false;
    }
  }
  return true;
}

}  // namespace

bool editJobDetails(JobDetails& details, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Project Details"));
  auto* form = new QFormLayout;
  Editors editors;
  for (std::size_t i = 0; i < kJobDetailFields.size(); ++i) {
    const JobDetailField& field = kJobDetailFields[i];
    editors[i] = detailEditor(field, toQString(details.*field.member), dialog);
    QWidget* widget = std::visit([](auto* edit) -> QWidget* { return edit; }, editors[i]);
    widget->setObjectName(toQString(plainLabel(field.label)));
    form->addRow(toQString(field.label) + QLatin1Char(':'), widget);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  // Says what OK left out, before the user chooses OK again.
  auto* leftOut = new QLabel(&dialog);
  leftOut->setObjectName(QStringLiteral("leftOut"));
  leftOut->setTextFormat(Qt::PlainText);
  leftOut->setWordWrap(true);
  leftOut->hide();
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (mayAccept(editors, *leftOut, dialog)) dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(leftOut);
  layout->addWidget(buttons);
  dialog.resize(520, dialog.sizeHint().height());
  if (dialog.exec() != QDialog::Accepted) return false;

  JobDetails edited;
  for (std::size_t i = 0; i < kJobDetailFields.size(); ++i) edited.*kJobDetailFields[i].member = textOf(editors[i]).toStdString();
  if (edited == details) return false;
  details = std::move(edited);
  return true;
}

}  // namespace kovrin
