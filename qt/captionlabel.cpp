#include "qt/captionlabel.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

QSizeF CaptionLabel::captionSize() const { return laidOut().size(); }

void CaptionLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) fontKey_.clear();
  QLabel::changeEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  if (font().underline()) {
    QLabel::paintEvent(event);  // the links: Qt draws the underline
    if (hasFocus()) {
      QStyleOptionFocusRect frame;
      frame.initFrom(this);
      QPainter painter(this);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
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

void CaptionLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (link_ && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    if (!event->isAutoRepeat()) emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
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
