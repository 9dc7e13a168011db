// Texts from files, names and paths, shown as the characters they hold.
//
// Qt lays a text out as HTML wherever it looks like HTML (Qt::mightBeRichText)
// and the widget leaves the format open, as message boxes and tooltips do: a
// zone named "<h1>" would show as a heading, and "<img src=PATH>" would have
// the window read PATH (a device without end, a pipe that never answers). So
// every text that holds something of a user's goes through one of these.
#pragma once

#include <QMessageBox>
#include <QString>

namespace kovrin {

// A tooltip that shows `text` as it is: escaped in rich text that keeps its
// blanks and line breaks and wraps nowhere else, as a plain tooltip shows.
inline QString plainToolTip(const QString& text) {
  return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// A modal message box over `parent` that shows `text` as plain text; the
// button that closed it.
inline QMessageBox::StandardButton showPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setTextFormat(Qt::PlainText);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace kovrin
