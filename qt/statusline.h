#pragma once

#include <QAccessible>
#include <QLabel>
#include <QTimer>

namespace ovali {

// A word said for a moment beside the button it answers ("Copied"), and
// to screen readers as an alert.
class StatusLine : public QLabel {
 public:
  StatusLine(QWidget* parent, const QString& id) : QLabel(parent) {
    setObjectName(id);
    clear_.setSingleShot(true);
    clear_.setInterval(2000);
    connect(&clear_, &QTimer::timeout, this, &QLabel::clear);
  }

  void say(const QString& text) {
    setText(text);
    setAccessibleName(text);
    QAccessibleEvent event(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    clear_.start();
  }

 private:
  QTimer clear_;
};

}  // namespace ovali
