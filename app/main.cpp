#include <QApplication>

#include "commands/routes.h"
#include "qt/mainwindow.h"
#include "qt/qttoolkit.h"
#include "view/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ovali"));
  // Ties the window to its desktop entry and icon, on Wayland too.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ovalin"));

  ovali::QtToolkit toolkit;
  ovali::Form1 form(toolkit);
  ovali::MainWindow window(form, ovali::gameHandlers(), &toolkit);
  ovali::Form_Load(form);
  window.open();
  window.show();
  return QApplication::exec();
}
