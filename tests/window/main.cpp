#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "harness.h"

namespace {

// The offscreen platform cannot pass size hints on to a window manager and
// says so for every window; nothing here depends on it.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietOffscreenNotes);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  constexpr const char* kEnding = "--ending=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kEnding, std::strlen(kEnding)) == 0) {
      return ovali::window_testing::runEndingScenario(argv[i] + std::strlen(kEnding));
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
