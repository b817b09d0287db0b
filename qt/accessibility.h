#pragma once

#include <QString>

class QWidget;

namespace ovali {

// Makes the help links links to screen readers, with a press action that
// follows them as a click does. Once per program, before the first window.
void installLinkAccessibility();

// Screen readers hear of a caption that changed under a fixed name.
void describe(QWidget* widget, const QString& description);
void rename(QWidget* widget, const QString& name);

}  // namespace ovali
