#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <cstdio>

#include "harness.h"

namespace ovali::window_testing {

namespace {

// What a scenario returns when the program outlived the way out it tried.
constexpr int kStillRunning = 3;

void reportRunning(const Form1& f) {
  std::printf("%s\n", f.game.running ? "running" : "idle");
  std::fflush(stdout);
}

}  // namespace

int runEndingScenario(const std::string& scenario) {
  Opened o;
  auto* exitItem = o.w.findChild<QAction*>(QStringLiteral("mnuexit"));
  auto* start = o.find<QPushButton>("Command1_0");
  auto* fast = o.find<QCheckBox>("chkFast");

  if (scenario == "menu") {
    QTimer::singleShot(0, exitItem, &QAction::trigger);
  } else if (scenario == "close") {
    QTimer::singleShot(0, &o.w, &QWidget::close);
  } else if (scenario == "close-fast-run") {
    fast->click();
    QTimer::singleShot(0, start, &QPushButton::click);
    QTimer::singleShot(300, &o.w, [&o] {
      reportRunning(o.f);
      o.w.close();
    });
  } else if (scenario == "exit-slow-run") {
    QTimer::singleShot(0, start, &QPushButton::click);
    QTimer::singleShot(300, exitItem, [&o, exitItem] {
      reportRunning(o.f);
      exitItem->trigger();
    });
  } else {
    std::fprintf(stderr, "no scenario %s\n", scenario.c_str());
    return 2;
  }
  // Long enough for every scenario to have ended the program many times over.
  QTimer::singleShot(5000, qApp, &QCoreApplication::quit);
  QApplication::exec();
  return kStillRunning;
}

namespace {

struct Ending {
  const char* name;
  const char* scenario;
  const char* state;  // what the program was doing when it was told to end
};

class EndingTest : public ::testing::TestWithParam<Ending> {};

TEST_P(EndingTest, EndsAtOnceWithStatusZero) {
  QProcess child;
  child.setProcessChannelMode(QProcess::SeparateChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--ending=") + QLatin1String(GetParam().scenario)});
  ASSERT_TRUE(child.waitForStarted(10000));
  ASSERT_TRUE(child.waitForFinished(30000)) << "the program did not end";
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
  EXPECT_EQ(child.readAllStandardOutput().trimmed().toStdString(), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    Window, EndingTest,
    ::testing::Values(Ending{"FileExit", "menu", ""}, Ending{"CloseTheWindow", "close", ""},
                      Ending{"CloseDuringAFastRun", "close-fast-run", "running"},
                      Ending{"ExitDuringASlowRunsPause", "exit-slow-run", "running"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

}  // namespace ovali::window_testing
