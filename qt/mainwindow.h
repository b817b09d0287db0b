#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "qt/board.h"
#include "qt/captionlabel.h"
#include "view/form1.h"
#include "view/history.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace ovali {

class QtToolkit;
class HistoryWindow;

// The game's window made of real widgets. It copies the model into the
// widgets (only what changed; at most once per screen frame while a game
// runs, at once after each of the user's actions) and turns widget events
// into calls of the game's handlers; it decides nothing itself.
// Widgets are named after their controls: "txtNB", "Command1_0", "P_3",
// "mnuO_4", so that tests and tools can find them.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Attaches itself to `toolkit` (when given) so that event passes of a
  // running game keep the screen up to date.
  explicit MainWindow(Form1& f, QtToolkit* toolkit = nullptr);
  ~MainWindow() override;

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
  QWidget* widgetFor(Focus focus) const;
  int syncCount() const { return syncs_; }

  static constexpr int kFrameMs = 16;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct LabelView {
    CaptionLabel* widget = nullptr;
    Label shown;
    int generation = -1;
    // The caption is read out as the description; the name says what it is.
    bool described = false;
    // A caption wider than its box is drawn narrower or smaller rather
    // than into its neighbours.
    bool fitted = false;
  };
  struct TextView {
    QLineEdit* widget = nullptr;
    TextBox* model = nullptr;
    void (*change)(Form1&) = nullptr;
    TextBox shown;
    int generation = -1;
  };
  struct ButtonView {
    QPushButton* widget = nullptr;
    CommandButton shown;
    int generation = -1;
  };

  // Runs a handler of the game and shows what it changed.
  void handle(const std::function<void()>& call);

  void buildMenus();
  QLineEdit* makeField(TextView& view, const char* name, TextBox& model, void (*change)(Form1&));
  CaptionLabel* makeLabel(const char* name, std::int16_t index, bool link = false);
  void syncLabel(LabelView& view, const Label& model);
  void syncLabels(std::vector<LabelView>& views, const ControlArray<Label>& model,
                  const char* name);
  void syncField(TextView& view, const TextBox& model);
  void syncSelection(TextView& view);
  void syncButton(ButtonView& view, const CommandButton& model);
  void syncCheckBox();
  void syncMenus();
  void syncHistory();
  void syncShapes();
  void syncFocus();
  void syncAccessibleNames();
  QFont font(const Font& model) const;
  QColor color(const Color& model) const;

  void userFocus(QObject* watched);
  bool keyPress(QObject* watched, QKeyEvent* event);
  void editText(TextView& view);
  void readSelection(TextView& view);
  void setEnabled(QWidget* widget, bool enabled);

  Form1& f_;
  QtToolkit* toolkit_;
  Board* board_;

  LabelView label2_, label1_, label4_, counter_;
  TextView txtNB_, txtDollars_, txtNTrade_;
  std::vector<ButtonView> buttons_;
  QCheckBox* fast_ = nullptr;
  CheckBox fastShown_;
  int fastGeneration_ = -1;
  std::vector<LabelView> links_, players_, levelCaptions_, counts_, outerCounts_;

  QMenu* fileMenu_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QAction* historyItem_ = nullptr;
  HistoryWindow* history_ = nullptr;  // made when first opened
  HistoryRedraw historyRedraw_;
  QAction* exit_ = nullptr;
  QAction* about_ = nullptr;
  std::vector<QAction*> options_;

  std::string shownTitle_;
  bool titleShown_ = false;
  // The field that a mouse press has just given the focus, until the
  // button is released: the press must not undo the selection of GotFocus.
  QObject* clickFocused_ = nullptr;

  qint64 runFrameMs_ = kFrameMs;
  int generation_ = 0;  // bumped when the projection changes
  bool syncing_ = false;
  bool forwarding_ = false;
  int syncs_ = 0;
  QElapsedTimer frameClock_;
  QTimer frameTimer_;
};

}  // namespace ovali
