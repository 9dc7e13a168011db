// The house view's bar chart, drawn from its SVG text (writers/housechart.h)
// at the widget's size, in proportion.
//
// Drawing it takes some milliseconds, so it is drawn once into a picture
// that repaints reuse, and while the loads change key by key (spreadsheet
// mode) it is drawn again only when the typing pauses: the table follows
// every key at once, the chart a moment later.
#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QTimer>
#include <QWidget>

#include <string>
#include <string_view>

namespace kovrin {

class ChartWidget final : public QWidget {
 public:
  explicit ChartWidget(QWidget* parent);

  // The chart to show; the same text again changes nothing.
  void setSvg(std::string_view svg);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kTypingPauseMilliseconds = 150;

  void load();

  std::string m_svg;
  QSvgRenderer m_renderer;
  QPixmap m_picture;
  QTimer m_pause;
};

}  // namespace kovrin
