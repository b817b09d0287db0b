#include "qt/captionlabel.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <cmath>

namespace ovali {

// A fast run changes most captions every frame, but among a few hundred
// short numbers: laid out once and kept, they are drawn without shaping the
// text again, which is most of a label's painting.
namespace {

QHash<QString, QStaticText>& layoutCache() {
  static QHash<QString, QStaticText> cache;
  // The layouts hold fonts, which must go before the application does.
  [[maybe_unused]] static const bool cleared = [] {
    qAddPostRoutine([] { layoutCache().clear(); });
    return true;
  }();
  return cache;
}

}  // namespace

const QStaticText& CaptionLabel::laidOut() const {
  QHash<QString, QStaticText>& cache = layoutCache();
  if (fontKey_.isEmpty()) fontKey_ = font().key() + QChar(0x1f);
  const QString key = fontKey_ + text();
  auto it = cache.find(key);
  if (it == cache.end()) {
    if (cache.size() >= 4096) cache.clear();
    QStaticText glyphs(text());
    glyphs.setTextFormat(Qt::PlainText);
    glyphs.prepare(QTransform(), font());
    it = cache.insert(key, glyphs);
  }
  return *it;
}

QFont fittingFont(QFont font, const QString& text, qreal width, int smallestPixels) {
  const auto need = [&] { return QFontMetricsF(font).horizontalAdvance(text); };
  if (need() <= width) return font;
  // Narrower first, as far as digits stay easy to tell apart.
  constexpr int kNarrowest = 75;
  font.setStretch(std::max(kNarrowest, static_cast<int>(std::floor(100 * width / need()))));
  int pixels = font.pixelSize();
  if (pixels <= 0) return font;
  if (const qreal needed = need(); needed > width) {
    pixels = std::max(smallestPixels, static_cast<int>(std::floor(pixels * width / needed)));
    font.setPixelSize(pixels);
  }
  // Glyph widths do not scale exactly with the size.
  while (pixels > smallestPixels && need() > width) font.setPixelSize(--pixels);
  return font;
}

QSizeF CaptionLabel::captionSize() const { return laidOut().size(); }

void CaptionLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) fontKey_.clear();
  QLabel::changeEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  if (font().underline()) {
    QLabel::paintEvent(event);  // the links: Qt draws the underline
    return;
  }
  const QStaticText& glyphs = laidOut();
  const qreal free = width() - glyphs.size().width();
  qreal x = 0;
  if (alignment() & Qt::AlignRight) x = free;
  if (alignment() & Qt::AlignHCenter) x = free / 2;
  const qreal y = (alignment() & Qt::AlignVCenter) ? (height() - glyphs.size().height()) / 2 : 0;
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawStaticText(QPointF(x, y), glyphs);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace ovali
