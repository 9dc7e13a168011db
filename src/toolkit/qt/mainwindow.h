// The main window: menu bar, the input screen as client area and a status
// bar divided into parts. Its close box does not close it: the request is
// handed on (onCloseRequest) and the program decides; only closeForGood()
// closes it.
#pragma once

#include <QMainWindow>

#include <functional>
#include <span>
#include <vector>

class QLabel;

namespace kovrin {

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Divide the status bar: widths in 1/10000 of the window width, parts
  // numbered 1.. from the left.
  void setStatusParts(std::span<const int> widths);
  // Show a text in part 1..n; false when there is no such part. A leading
  // tab centres the text in its part, two tabs set it right; trailing
  // blanks are dropped, leading blanks kept.
  bool setStatusText(int part, const QString& text);
  // The text shown in a part (without its tabs), for checks.
  QString statusText(int part) const;
  int statusParts() const { return static_cast<int>(m_parts.size()); }

  void closeForGood();

  std::function<void()> onCloseRequest;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::vector<QLabel*> m_parts;
  QWidget* m_filler = nullptr;
  bool m_closing = false;
};

}  // namespace kovrin
