#pragma once

#include <QFont>
#include <QLabel>
#include <QSizeF>
#include <QString>

class QStaticText;

namespace ovali {

// A label of the window: transparent on the white. The help links report
// their clicks, and Enter or Space where Tab has brought the focus.
class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  // A help link is clickable, and a link to screen readers; which it is
  // must be known before a screen reader first asks.
  CaptionLabel(bool link, QWidget* parent) : QLabel(parent), link_(link) {}

  // The caption's size as painted, from the shared layout cache.
  QSizeF captionSize() const;

  bool isLink() const { return link_; }

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const QStaticText& laidOut() const;

  bool pressed_ = false;
  const bool link_;
  mutable QString fontKey_;
};

}  // namespace ovali
