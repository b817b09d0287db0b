#include "qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "qt/captionlabel.h"

namespace ovali {

namespace {

// The help links are labels to the eye; to a screen reader they are links
// that can be followed, as a mouse click follows them.
class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(CaptionLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) emit static_cast<CaptionLabel*>(widget())->clicked();
  }
};

QAccessibleInterface* linkAccessible(const QString&, QObject* object) {
  auto* label = qobject_cast<CaptionLabel*>(object);
  if (label && label->isLink()) return new LinkAccessible(label);
  return nullptr;
}

}  // namespace

void installLinkAccessibility() {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(linkAccessible);
    return true;
  }();
}

// Screen readers hear of a caption that changed under a fixed name.
void describe(QWidget* widget, const QString& description) {
  widget->setAccessibleDescription(description);
  QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
}

void rename(QWidget* widget, const QString& name) {
  if (widget->accessibleName() == name) return;
  widget->setAccessibleName(name);
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace ovali
