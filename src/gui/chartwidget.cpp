#include "gui/chartwidget.h"

#include <QByteArray>
#include <QPainter>

#include "writers/housechart.h"

namespace kovrin {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
  m_renderer.setAspectRatioMode(Qt::KeepAspectRatio);
  setMinimumHeight(kChartHeight / 3);
  setAutoFillBackground(false);
  m_pause.setSingleShot(true);
  m_pause.setInterval(kTypingPauseMilliseconds);
  connect(&m_pause, &QTimer::timeout, this, [this] { load(); });
}

void ChartWidget::setSvg(std::string_view svg) {
  if (svg == m_svg) return;
  m_svg.assign(svg);
  if (isVisible() && m_renderer.isValid()) {
    m_pause.start();
  } else {
    load();
  }
}

QSize ChartWidget::sizeHint() const { return {kChartWidth * 3 / 4, kChartHeight * 3 / 4}; }

void ChartWidget::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (m_picture.size() != pixels) {
    m_picture = QPixmap(pixels);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::white);
    if (m_renderer.isValid()) {
      QPainter painter(&m_picture);
      painter.setRenderHint(QPainter::Antialiasing);
      m_renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    }
  }
  QPainter(this).drawPixmap(0, 0, m_picture);
}

void ChartWidget::load() {
  m_pause.stop();
  m_renderer.load(QByteArray(m_svg.data(), static_cast<qsizetype>(m_svg.size())));
  m_picture = QPixmap();
  update();
}

}  // namespace kovrin
