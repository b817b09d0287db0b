// Prints how fast, how calm and how quick to start the program is: rounds per
// second of the game alone and of a fast run in the real window (in the same
// run, so the two are comparable), what one event pass costs, the processor
// time of a slow Step, and the time from process start to the first painted
// window with the peak memory, and how the window fares beside the lab. Not a test: no limits here.

#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "bench/gamealone.h"
#include "commands/reset.h"
#include "commands/routes.h"
#include "commands/runcontrols.h"
#include "commands/viewmenu.h"
#include "engine/transfer.h"
#include "qt/chartview.h"
#include "qt/historywindow.h"
#include "qt/labwindow.h"
#include "qt/mainwindow.h"
#include "qt/qttoolkit.h"
#include "stats/chart.h"
#include "toolkit/text.h"
#include "view/drawing.h"
#include "view/form1.h"
#include "view/pacing.h"
#include "view/recording.h"

namespace {

using namespace ovali;
using bench::Clock;
using bench::setUp;

constexpr auto kRunTime = std::chrono::seconds(1);

// Calls `body` for about a second and returns the nanoseconds per call.
template <class Body>
double nanosecondsPerCall(Body&& body) {
  const auto start = Clock::now();
  const auto stop = start + std::chrono::seconds(1);
  long calls = 0;
  auto now = start;
  while (now < stop) {
    for (int i = 0; i < 1000; ++i) body(static_cast<int>(calls++));
    now = Clock::now();
  }
  const std::chrono::duration<double, std::nano> spent = now - start;
  return spent.count() / static_cast<double>(calls);
}

double bareRoundsPerSecond(const char* players, const char* dollars) {
  return bench::bareRoundsPerSecond(players, dollars, kRunTime);
}

// The real window over the real toolkit, shown and settled, with a fast game
// of the given size built in it, or as start-up leaves it.
struct ShownWindow {
  QtToolkit tk;
  Form1 f{tk};
  MainWindow window{f, gameHandlers(), &tk};

  explicit ShownWindow(const char* players = nullptr, const char* dollars = nullptr) {
    if (players != nullptr) {
      setUp(f, players, dollars);
    } else {
      Form_Load(f);
    }
    window.sync();
    window.show();
    for (int i = 0; i < 100; ++i) QCoreApplication::processEvents();
  }
};

double windowRoundsPerSecond(const char* players, const char* dollars, int* syncs,
                             bool withHistory = false) {
  ShownWindow shown(players, dollars);
  Form1& f = shown.f;
  MainWindow& window = shown.window;
  if (withHistory) {
    mnuHistory_Click(f);
    window.sync();
    for (int i = 0; i < 100; ++i) QCoreApplication::processEvents();
  }
  const int before = window.syncCount();
  const auto start = Clock::now();
  // The Stop click arrives as a user's would: through the event loop.
  QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(kRunTime), &window,
                     [&f] { Command1_Click(f, 0); });
  Command1_Click(f, 0);
  const std::chrono::duration<double> spent = Clock::now() - start;
  *syncs = window.syncCount() - before;
  return static_cast<double>(f.game.round) / spent.count();
}

// Notes when the board is first painted.
class FirstPaint : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

double processCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The start-up of the program itself, in a child process: the window built as
// app/main.cpp builds it, up to its first paint. Prints the peak memory then.
int startupChild(int argc, char** argv) {
  QApplication app(argc, argv);
  QtToolkit tk;
  Form1 f(tk);
  MainWindow window(f, gameHandlers(), &tk);
  Form_Load(f);
  window.sync();
  FirstPaint paint;
  window.board()->installEventFilter(&paint);
  window.show();
  while (!paint.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::printf("%.1f\n", peakMegabytes());
  std::fflush(stdout);
  return 0;
}

// Wall-clock time from starting the child process to its first paint.
void startupFromProcessStart(const char* self) {
  double best = 1e9;
  double megabytes = 0;
  for (int i = 0; i < 5; ++i) {
    QProcess child;
    const auto start = Clock::now();
    child.start(QString::fromLocal8Bit(self), {QStringLiteral("--startup")});
    if (!child.waitForReadyRead(10000)) {
      std::printf("start-up: the child did not paint\n");
      return;
    }
    const std::chrono::duration<double, std::milli> ms = Clock::now() - start;
    best = std::min(best, ms.count());
    megabytes = std::atof(child.readAllStandardOutput().constData());
    child.waitForFinished(10000);
  }
  std::printf("start-up: process start to first paint %.0f ms (best of 5), peak memory %.1f MB\n",
              best, megabytes);
}

// A slow Step in the window: two one-second pauses, which must wait, not spin.
void slowStep() {
  ShownWindow shown("200", "400");
  Form1& f = shown.f;
  f.chkFast.value = 0;
  const double cpu = processCpuSeconds();
  const auto start = Clock::now();
  Command1_Click(f, 3);
  const std::chrono::duration<double> spent = Clock::now() - start;
  std::printf("slow Step, 200 players: %.2f s of wall clock, %.3f CPU-seconds\n", spent.count(),
              processCpuSeconds() - cpu);
}

// The lab playing on every core while the window goes on: how often a fast
// run still repaints, against the same run without the lab, how long a slow
// Step takes, and how soon Stop ends the lab's games.
void labBesideTheWindow() {
  ShownWindow shown("200", "400");
  Form1& f = shown.f;
  MainWindow& window = shown.window;
  // Half a second: the lab's experiments are over in about one.
  const auto fastSyncsPerSecond = [&] {
    f.chkFast.value = 1;
    const int before = window.syncCount();
    const auto start = Clock::now();
    QTimer::singleShot(500, &window, [&f] { Command1_Click(f, 0); });
    Command1_Click(f, 0);
    const std::chrono::duration<double> spent = Clock::now() - start;
    return (window.syncCount() - before) / spent.count();
  };
  const double alone = fastSyncsPerSecond();
  mnuLab_Click(f);
  window.sync();
  LabWindow* lab = window.labWindow();
  auto* run = lab->findChild<QPushButton*>("labRun");
  const auto running = [run] { return run->text() == QStringLiteral("&Stop"); };
  // The longest experiment: five sizes up to 200 players.
  lab->findChild<QComboBox*>("labChooser")->setCurrentIndex(5);
  run->click();
  const double beside = fastSyncsPerSecond();
  const bool ranThrough = running();
  f.chkFast.value = 0;
  const auto stepped = Clock::now();
  Command1_Click(f, 3);
  const std::chrono::duration<double> step = Clock::now() - stepped;
  const bool steppedBeside = running();
  if (running()) run->click();
  run->click();
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  const auto stopping = Clock::now();
  run->click();
  const std::chrono::duration<double, std::milli> stop = Clock::now() - stopping;
  std::printf(
      "with the lab on every core: a fast run shows %.1f syncs per second (%.1f without the "
      "lab)%s, a slow Step takes %.2f s%s, Stop ends the lab in %.1f ms\n",
      beside, alone, ranThrough ? "" : " (the lab finished first)", step.count(),
      steppedBeside ? "" : " (the lab finished first)", stop.count());
  // A run at a pace between slow and fast: the rounds it played and the
  // processor time it took, against the wall clock.
  void pacedRun(int pace, int seconds) {
    ShownWindow shown("200", "400");
    Form1& f = shown.f;
    f.chkFast.value = 0;
    f.pace = pace;
    const int before = shown.window.syncCount();
    const double cpu = processCpuSeconds();
    const auto start = Clock::now();
    QTimer::singleShot(seconds * 1000, &shown.window, [&f] { Command1_Click(f, 0); });
    Command1_Click(f, 0);
    const std::chrono::duration<double> spent = Clock::now() - start;
    std::printf(
        "%4d rounds a second, 200 players: %.0f rounds in %.2f s (%.1f a second), %.0f frames a "
        "second, %.3f CPU-seconds (%.1f%% of one core)\n",
        pace, static_cast<double>(f.game.round), spent.count(),
        static_cast<double>(f.game.round) / spent.count(),
        (shown.window.syncCount() - before) / spent.count(), processCpuSeconds() - cpu,
        (processCpuSeconds() - cpu) / spent.count() * 100);
  }

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--startup") return startupChild(argc, argv);
  QApplication app(argc, argv);
  if (argc > 1 && std::string(argv[1]) == "--lab") {
    labBesideTheWindow();
    return 0;
  }
  {
    ShownWindow shown;
    QtToolkit& tk = shown.tk;
    Form1& f = shown.f;
    MainWindow& window = shown.window;

    const double idle = nanosecondsPerCall([&](int) { tk.doevents(); });
    const int syncsBefore = window.syncCount();
    const auto start = Clock::now();
    const double busy = nanosecondsPerCall([&](int i) {
      f.T(static_cast<std::int16_t>(i % 8)).caption = std::to_string(i % 97);
      f.caption = (i % 3 == 0) ? "Next!" : (i % 3 == 1) ? "Go!" : "Check";
      tk.doevents();
    });
    const std::chrono::duration<double> seconds = Clock::now() - start;
    const int syncs = window.syncCount() - syncsBefore;
    const double raw = nanosecondsPerCall([&](int) { QCoreApplication::processEvents(); });

    std::printf("doevents, nothing changing:  %8.1f ns per call\n", idle);
    std::printf("doevents, captions changing: %8.1f ns per call, %.1f syncs per second\n", busy,
                syncs / seconds.count());
    std::printf("one full processEvents pass: %8.1f ns\n", raw);
  }
  // Each figure the best of three, beside the floor of the same run: the
  // draws alone, two per pair.
  const double floor =
      bench::bestOfThree([] { return bench::floorRoundsPerSecond(200, std::chrono::seconds(1)); });
  std::printf("floor, 200 players (the draws alone): %9.0f rounds/s\n", floor);
  for (const auto& [players, dollars] :
       {std::pair{"30", "30"}, std::pair{"200", "400"}, std::pair{"200", "4000"}}) {
    int syncs = 0;
    const double bare =
        bench::bestOfThree([players, dollars] { return bareRoundsPerSecond(players, dollars); });
    const double shown = bench::bestOfThree(
        [players, dollars, &syncs] { return windowRoundsPerSecond(players, dollars, &syncs); });
    std::printf(
        "fast run, %3s players $%-4s: game alone %9.0f rounds/s (1/%.1f of the floor),"
        " in the window %9.0f rounds/s (1/%.1f of the floor), %.1f syncs per second\n",
        players, dollars, bare, floor / bare, shown, floor / shown,
        syncs / std::chrono::duration<double>(kRunTime).count());
  }
  {
    // Taken in turns, best of five each and each first in turn, so that a
    // burst of other work on the machine does not decide the comparison.
    double without = 0;
    double with = 0;
    int syncs = 0;
    for (int i = 0; i < 10; ++i) {
      const bool open = i % 4 == 1 || i % 4 == 2;
      double& best = open ? with : without;
      best = std::max(best, windowRoundsPerSecond("200", "400", &syncs, open));
    }
    // The history's own cost, apart from the machine's noise: a full
    // history built into charts and painted, as at each of its redraws.
    ShownWindow shown("200", "400");
    mnuHistory_Click(shown.f);
    shown.window.sync();
    for (int i = 0; i < 100; ++i) QCoreApplication::processEvents();
    // The history's look at the game, against the second of a fast run it
    // is part of: a measure at each kept round and after each of 60 frames.
    const double look = nanosecondsPerCall([&](int i) {
      countlevels(shown.f.game);
      const HistoryPoint p = measureGame(shown.f.game, i);
      if (p.system.gini < 0) std::printf("?");
    });
    const double bare = bareRoundsPerSecond("200", "400");
    int looks = 60;
    for (std::int64_t round = 0; static_cast<double>(round) <= bare;
         round = History::keptAfter(round)) {
      ++looks;
    }
    std::printf(
        "history's look at the game: %.1f us each, %d in a second of a fast run (%.0f rounds): "
        "%.4f%% of it\n",
        look / 1e3, looks, bare, look * looks / 1e9 * 100);

    // A full history: a run of ten billion rounds.
    HistoryPoint point = measureGame(shown.f.game, 0);
    for (std::int64_t round = 0; round <= 10'000'000'000; round = History::keptAfter(round)) {
      point.round = round;
      point.system.gini = 0.6 + 0.05 * std::sin(static_cast<double>(round));
      shown.f.history.offer(point);
    }
    HistoryWindow* view = shown.window.historyWindow();
    constexpr int kRedraws = 200;
    const auto began = Clock::now();
    for (int i = 0; i < kRedraws; ++i) {
      view->redraw(drawingOf(historyCharts(shown.f.history)));
      view->chart()->repaint();
    }
    const double redraw =
        std::chrono::duration<double, std::nano>(Clock::now() - began).count() / kRedraws;
    std::printf(
        "history redraw, %zu points (ten billion rounds): %.2f ms, so %.1f%% of the time at its "
        "most (%.0f a second)\n",
        shown.f.history.points().size(), redraw / 1e6,
        redraw / 1e9 / HistoryRedraw::kShortestSeconds * 100, 1 / HistoryRedraw::kShortestSeconds);
    std::printf(
        "fast run, 200 players, history open: %9.0f rounds/s, closed %9.0f rounds/s (%.1f%%)\n",
        with, without, 100 * with / without);
  }
  slowStep();
  labBesideTheWindow();
  pacedRun(10, 10);
  pacedRun(100, 5);
  pacedRun(1000, 5);
  startupFromProcessStart(argv[0]);
  std::printf("peak memory of this benchmark after its runs: %.1f MB\n", peakMegabytes());
  return 0;
}
