#include "toolkit/qt/helpwindow.h"

#include <QAction>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace kovrin {

HelpWindow::HelpWindow() : m_browser(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("helpViewer"));
  setWindowTitle(QStringLiteral("Kovrin Help"));
  resize(640, 600);
  m_browser->setOpenExternalLinks(true);

  auto* bar = new QToolBar(this);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  const auto button = [this, bar](QStyle::StandardPixmap icon, const QString& text, const QList<QKeySequence>& keys) {
    QAction* action = bar->addAction(style()->standardIcon(icon), text);
    action->setShortcuts(keys);
    return action;
  };
  // Back and Forward are available once there is somewhere to go.
  QAction* back = button(QStyle::SP_ArrowBack, QStringLiteral("Back"), QKeySequence::keyBindings(QKeySequence::Back));
  back->setEnabled(false);
  connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  QAction* forward =
      button(QStyle::SP_ArrowForward, QStringLiteral("Forward"), QKeySequence::keyBindings(QKeySequence::Forward));
  forward->setEnabled(false);
  connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  QAction* close = button(QStyle::SP_DialogCloseButton, QStringLiteral("Close"),
                          {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
  connect(close, &QAction::triggered, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(m_browser);
}

void HelpWindow::showFile(const QString& path) {
  // Shown from its file, not from a copy of its text, so that the viewer
  // knows the place it started from and Back can return there.
  const QUrl file = QUrl::fromLocalFile(path);
  if (file != m_file) {
    m_file = file;
    m_browser->setSource(file, QTextDocument::HtmlResource);
    m_browser->clearHistory();
  }
  show();
  raise();
  activateWindow();
}

}  // namespace kovrin
