// The program as app/main.cpp starts it, with one addition for the desktop
// tests: it answers questions about its widgets on standard input, one a
// line, so that a test driving it with real X input can read what it shows.
//
//   focus            name of the widget with the keyboard focus, or "-"
//   active           "main", "box" (a message box) or "-": the active window
//   text NAME        the text of a field, button or label
//   selected NAME    the selected text of a field
//   where NAME       the centre of a widget or menu bar item on the screen: "x y"

#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSocketNotifier>
#include <cstdio>
#include <string>

#include "commands/routes.h"
#include "qt/mainwindow.h"
#include "qt/messagedialog.h"
#include "qt/qttoolkit.h"
#include "view/form1.h"

namespace {

QString answer(const ovali::MainWindow& window, const QString& question) {
  const QString command = question.section(QLatin1Char(' '), 0, 0);
  const QString name = question.section(QLatin1Char(' '), 1);
  if (command == QLatin1String("focus")) {
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("-");
  }
  if (command == QLatin1String("popup")) {
    return QApplication::activePopupWidget() ? QStringLiteral("open") : QStringLiteral("-");
  }
  if (command == QLatin1String("active")) {
    const QWidget* w = QApplication::activeWindow();
    if (w == &window) return QStringLiteral("main");
    if (qobject_cast<const ovali::MessageDialog*>(w)) return QStringLiteral("box");
    if (w) return w->objectName();  // a tool window: "history", "lab"
    return QStringLiteral("-");
  }
  const QWidget* w = window.findChild<QWidget*>(name);
  if (w == nullptr && command == QLatin1String("where")) {
    // An item of the menu bar itself, such as About.
    const QMenuBar* bar = window.menuBar();
    if (auto* item = window.findChild<QAction*>(name); item && bar) {
      const QPoint centre = bar->mapToGlobal(bar->actionGeometry(item).center());
      return QStringLiteral("%1 %2").arg(centre.x()).arg(centre.y());
    }
  }
  if (w == nullptr) return QStringLiteral("no such widget");
  const auto* field = qobject_cast<const QLineEdit*>(w);
  if (command == QLatin1String("text")) {
    if (field) return field->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  }
  if (command == QLatin1String("selected") && field) return field->selectedText();
  if (command == QLatin1String("where")) {
    const QPoint centre = w->mapToGlobal(w->rect().center());
    return QStringLiteral("%1 %2").arg(centre.x()).arg(centre.y());
  }
  return QStringLiteral("unknown question");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ovali"));

  ovali::QtToolkit toolkit;
  ovali::Form1 form(toolkit);
  ovali::MainWindow window(form, ovali::gameHandlers(), &toolkit);
  ovali::Form_Load(form);
  window.open();
  window.show();

  // Answered from any event loop, a running game's and a message box's too.
  std::string pending;
  QSocketNotifier questions(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&questions, &QSocketNotifier::activated, [&] {
    char buffer[256];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
      questions.setEnabled(false);
      return;
    }
    pending.append(buffer, static_cast<std::size_t>(got));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
      const QString question = QString::fromStdString(pending.substr(0, end));
      pending.erase(0, end + 1);
      std::printf("%s\n", answer(window, question).toUtf8().constData());
      std::fflush(stdout);
    }
  });
  return QApplication::exec();
}
