// The help viewer: a window of its own beside the main window that shows an
// HTML help file. Links within the file move through it; Back and Forward
// go through the places visited, as in any viewer; Close and Escape close
// the window, and the next Help shows it again where the reader left it.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace kovrin {

class HelpWindow : public QWidget {
 public:
  HelpWindow();

  // Show the help file at `path`, which the caller has found readable. The
  // file already shown stays at the place the reader left it.
  void showFile(const QString& path);

  QTextBrowser* browser() const { return m_browser; }

 private:
  QUrl m_file;
  QTextBrowser* m_browser;
};

}  // namespace kovrin
