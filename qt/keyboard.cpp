// The keyboard side of the main window: the three fields with their texts and
// selections, the keyboard focus and the keys.
//
// The widgets' own focus and selection are the truth: every sync compares the
// model with what the widgets hold now, never with what it last wrote, and
// reads back what Qt changed by itself (a field deselects when it loses the
// focus). A record of what was shown went stale exactly there, so that a
// field that got the focus again looked selected to the sync and was not.

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "commands/inputs.h"
#include "qt/mainwindow.h"
#include "view/changes.h"

namespace ovali {

namespace {

std::optional<std::int16_t> characterCode(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return kEnterKey;
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return std::nullopt;
  const QString text = key.text();
  if (text.size() != 1) return std::nullopt;
  return static_cast<std::int16_t>(text.at(0).unicode());
}

struct Selection {
  int start = 0;
  int length = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

Selection selectionOf(const QLineEdit& w) {
  if (w.hasSelectedText()) {
    return {static_cast<int>(w.selectionStart()), static_cast<int>(w.selectionLength())};
  }
  return {static_cast<int>(w.cursorPosition()), 0};
}

}  // namespace

QLineEdit* MainWindow::makeField(TextView& view, const char* name, TextBox& model,
                                 void (*change)(Form1&)) {
  auto* field = new QLineEdit(board_);
  board_->raiseMarkers();
  field->setObjectName(QLatin1String(name));
  field->installEventFilter(this);
  view.widget = field;
  view.model = &model;
  view.change = change;
  connect(field, &QLineEdit::textEdited, this, [this, &view] { editText(view); });
  const auto selection = [this, &view] { readSelection(view); };
  connect(field, &QLineEdit::selectionChanged, this, selection);
  connect(field, &QLineEdit::cursorPositionChanged, this, selection);
  return field;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      if (!syncing_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only the user's own moves count: a closing popup gives the focus
        // back, and the program's own moves have run GotFocus already.
        const bool user = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                          reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
        // A window activated again (a message box closed) gives the focus
        // back to the game's control. Where it lands elsewhere, that is the
        // user's choice: without a window manager a click into an inactive
        // window focuses its control only as the window is activated. So is
        // the first control getting the focus as the window opens. A locked
        // control cannot take the focus back, so Qt's stand-in is no choice.
        const QWidget* game = widgetFor(f_.focus);
        const bool activated = reason == Qt::ActiveWindowFocusReason && watched != game &&
                               (game == nullptr || game->isEnabled());
        if (reason == Qt::MouseFocusReason && qobject_cast<QLineEdit*>(watched)) {
          clickFocused_ = watched;
        }
        if (user || activated) userFocus(watched);
      }
      break;
    case QEvent::FocusOut:
      clickFocused_ = nullptr;
      break;
    // Qt gives the focus before it delivers the press: left alone, the press
    // would put the caret where it landed, over the selection GotFocus made.
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
      if (watched == clickFocused_) return true;
      break;
    case QEvent::MouseButtonRelease:
      if (watched == clickFocused_) clickFocused_ = nullptr;
      break;
    case QEvent::KeyPress:
      if (!forwarding_) return keyPress(watched, static_cast<QKeyEvent*>(event));
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::userFocus(QObject* watched) {
  Focus target = Focus::None;
  for (Focus candidate : Form1::tabOrder) {
    if (widgetFor(candidate) == watched) target = candidate;
  }
  if (target == Focus::None) return;
  f_.focus = target;
  switch (target) {
    case Focus::txtNB:
      handle([&] { txtNB_GotFocus(f_); });
      break;
    case Focus::txtDollars:
      handle([&] { txtDollars_GotFocus(f_); });
      break;
    case Focus::txtNTrade:
      handle([&] { txtNTrade_GotFocus(f_); });
      break;
    default:
      sync();
      break;
  }
}

bool MainWindow::keyPress(QObject* watched, QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (auto* button = qobject_cast<QPushButton*>(watched); button && enter) {
    // Enter presses a focused button as Space does.
    if (!event->isAutoRepeat() && button->isEnabled()) button->click();
    return true;
  }

  void (*handler)(Form1&, std::int16_t&) = nullptr;
  if (watched == txtNB_.widget) handler = txtNB_KeyPress;
  if (watched == txtDollars_.widget) handler = txtDollars_KeyPress;
  if (watched == txtNTrade_.widget) handler = txtNTrade_KeyPress;
  if (!handler) return false;
  const std::optional<std::int16_t> code = characterCode(*event);
  if (!code) return false;

  std::int16_t keyascii = *code;
  handle([&] { handler(f_, keyascii); });
  if (keyascii == 0) return true;
  if (keyascii == *code) return false;
  // The handler typed a different character in place of the key.
  QKeyEvent replaced(event->type(), event->key(), event->modifiers(),
                     QString(QChar(static_cast<char16_t>(keyascii))));
  forwarding_ = true;
  QCoreApplication::sendEvent(watched, &replaced);
  forwarding_ = false;
  return true;
}

void MainWindow::editText(TextView& view) {
  if (syncing_) return;
  view.model->text = view.widget->text().toStdString();
  readSelection(view);
  handle([&] { view.change(f_); });
}

void MainWindow::readSelection(TextView& view) {
  // A sync reads the selections back once it is done; in between, its own
  // steps (a new text puts the caret at its end) are not the user's.
  if (syncing_) return;
  const Selection s = selectionOf(*view.widget);
  view.model->selstart = s.start;
  view.model->sellength = s.length;
}

void MainWindow::syncField(TextView& view, const TextBox& model) {
  QLineEdit* w = view.widget;
  const bool fresh = view.generation < 0;
  bool relayout = view.generation != generation_;
  if (w->text().toStdString() != model.text) w->setText(QString::fromStdString(model.text));
  if (fresh || relayout || !(model.font == view.shown.font)) {
    w->setFont(font(model.font));
    relayout = true;
  }
  if (relayout || !samePlace(model, view.shown)) {
    w->setGeometry(
        toQt(board_->projection().rect(model.left, model.top, model.width, model.height)));
  }
  if (fresh || model.enabled != view.shown.enabled) setEnabled(w, model.enabled);
  view.shown = model;
  view.generation = generation_;
}

void MainWindow::syncSelection(TextView& view) {
  QLineEdit* w = view.widget;
  TextBox& model = *view.model;
  if (w == focusWidget()) {
    const int length = static_cast<int>(w->text().size());
    const int start = std::clamp(model.selstart, 0, length);
    const int count = std::clamp(model.sellength, 0, length - start);
    if (selectionOf(*w) != Selection{start, count}) {
      // Selected from its end back to its start: the caret stands at the
      // start, so a number wider than the field shows its first digits.
      if (count > 0) {
        w->setSelection(start + count, -count);
      } else {
        w->setCursorPosition(start);
      }
    }
  } else if (selectionOf(*w) != Selection{}) {
    // A field without the focus shows its text from the start.
    w->setCursorPosition(0);
  }
  const Selection s = selectionOf(*w);
  model.selstart = s.start;
  model.sellength = s.length;
}

void MainWindow::setEnabled(QWidget* widget, bool enabled) {
  // Qt would hand the focus of a control being disabled on to the next one
  // (Stop would pass it to the "fast" box): the game's focus stays where it
  // is, and comes back when the control is enabled again.
  if (!enabled && widget == focusWidget()) widget->clearFocus();
  widget->setEnabled(enabled);
}

void MainWindow::syncFocus() {
  QWidget* w = widgetFor(f_.focus);
  if (w == nullptr || w == focusWidget() || !w->isEnabled()) return;
  w->setFocus(Qt::OtherFocusReason);
}

}  // namespace ovali
