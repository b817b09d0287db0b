#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "lab/threads.h"
#include "qt/board.h"
#include "qt/captionlabel.h"
#include "view/form1.h"
#include "view/presenter.h"

class QAction;
class QLineEdit;
class QMenu;

namespace ovali {

class QtToolkit;
class HistoryWindow;
class LabWindow;

// The game's window made of real widgets: the presenter's surface. It
// applies what the presenter sends (at most once per screen frame while a
// game runs, at once after each of the user's actions) and passes widget
// events up; it decides nothing itself. Widgets are named after their
// controls: "txtNB", "Command1_0", "P_3", "mnuO_4", so that tests and tools
// can find them. Its own focus and selection are the truth, which the
// presenter asks for.
class MainWindow : public QMainWindow, public Surface {
  Q_OBJECT

 public:
  // Attaches itself to `toolkit` (when given) so that event passes of a
  // running game keep the screen up to date.
  MainWindow(Form1& f, const Handlers& handlers, QtToolkit* toolkit = nullptr);
  ~MainWindow() override;

  // Gives the first field the focus, as a window does when it opens; once
  // the game is loaded.
  void open();
  // Copies every change of the model into the widgets now.
  void sync();
  // Syncs at the next frame.
  void requestSync();
  // Syncs when a frame has passed since the last sync and says whether it
  // did; cheap otherwise.
  bool syncIfDue() {
    if (frameClock_.isValid() && frameClock_.elapsed() < runFrameMs_) return false;
    sync();
    return true;
  }
  // What copying and painting the last frame of a running loop cost. A board
  // of 200 players can take several milliseconds to repaint; frames are then
  // spaced out so that the screen never takes more than a quarter of the
  // time the game needs.
  void frameTook(qint64 nanoseconds);

  Board* board() const { return board_; }
  HistoryWindow* historyWindow() const { return history_; }
  LabWindow* labWindow() const { return lab_; }
  int syncCount() const { return syncs_; }
  // A sync has been asked for at the next frame.
  bool syncPending() const { return frameTimer_.isActive(); }

  static constexpr int kFrameMs = 16;

  OVALI_SURFACE_OPERATIONS;
  bool ownsSelection() const override { return true; }
  Selection selection(int h) const override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the presenter made, by handle.
  struct Made {
    Kind kind;
    QWidget* widget = nullptr;
    QAction* action = nullptr;  // a menu's entry or item
    QMenu* menu = nullptr;      // the menu an entry opens
    int shape = -1;             // a circle's or a line's place in the board's list
    std::string keys = {};      // a field's keys for the game
  };

  // Runs a handler of the game and shows what it changed.
  void handle(const std::function<void()>& call);
  static void run(const std::function<void()>& call);

  QWidget* makeWidget(const Element& e);
  void connectField(QLineEdit* field, Field which);
  void addMenuEntry(const Element& e, Made& made);
  void makeLab();
  int handleOf(const QObject* object) const;
  QFont font(const Font& model) const;
  QColor color(const Color& model) const;

  bool keyPress(QObject* watched, QKeyEvent* event);

  Form1& f_;
  QtToolkit* toolkit_;
  Board* board_;
  // Before the presenter, whose lab stops them, and after it gone.
  ThreadWorkers labWorkers_;
  Presenter presenter_;
  std::vector<Made> made_;
  std::vector<Circle> circles_;
  std::vector<Line> lines_;

  HistoryWindow* history_ = nullptr;  // made when first opened
  LabWindow* lab_ = nullptr;          // made when first shown
  // The field that a mouse press has just given the focus, until the
  // button is released: the press must not undo the selection of GotFocus.
  QObject* clickFocused_ = nullptr;

  qint64 runFrameMs_ = kFrameMs;
  bool relayout_ = true;  // the board was scaled anew
  bool syncing_ = false;
  int syncs_ = 0;
  QElapsedTimer frameClock_;
  QTimer frameTimer_;
};

}  // namespace ovali
