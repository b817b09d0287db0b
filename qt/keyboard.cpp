// The keyboard side of the main window: the three fields with their texts and
// selections, the keyboard focus and the keys.
//
// The widgets' own focus and selection are the truth: the presenter asks for
// them at every sync, and reads back what Qt changed by itself (a field
// deselects when it loses the focus).

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "qt/mainwindow.h"

namespace ovali {

namespace {

std::optional<std::int16_t> characterCode(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return kEnterKey;
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return std::nullopt;
  const QString text = key.text();
  if (text.size() != 1) return std::nullopt;
  return static_cast<std::int16_t>(text.at(0).unicode());
}

Selection selectionOf(const QLineEdit& w) {
  if (w.hasSelectedText()) {
    return {static_cast<int>(w.selectionStart()), static_cast<int>(w.selectionLength())};
  }
  return {static_cast<int>(w.cursorPosition()), 0};
}

// How the focus came, as Qt tells it: a closing popup gives it back, as
// the window's own moves do.
Arrival arrival(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
      return Arrival::User;
    case Qt::ActiveWindowFocusReason:
      return Arrival::Activation;
    default:
      return Arrival::Program;
  }
}

}  // namespace

void MainWindow::connectField(QLineEdit* field, Field which) {
  field->installEventFilter(this);
  connect(field, &QLineEdit::textEdited, this, [this, field, which] {
    if (syncing_) return;
    handle([&] { presenter_.edited(which, field->text().toStdString(), selectionOf(*field)); });
  });
  // A sync reads the selections back once it is done; in between, its own
  // steps (a new text puts the caret at its end) are not the user's.
  const auto selection = [this, field, which] {
    if (!syncing_) presenter_.selected(which, selectionOf(*field));
  };
  connect(field, &QLineEdit::selectionChanged, this, selection);
  connect(field, &QLineEdit::cursorPositionChanged, this, selection);
}

int MainWindow::handleOf(const QObject* object) const {
  if (object == nullptr) return -1;
  for (std::size_t h = 0; h < made_.size(); ++h) {
    if (made_[h].widget == object) return static_cast<int>(h);
  }
  return -1;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
      if (!syncing_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason && qobject_cast<QLineEdit*>(watched)) {
          clickFocused_ = watched;
        }
        const Focus target = presenter_.focusOf(handleOf(watched));
        bool taken = false;
        run([&] { taken = presenter_.focused(target, arrival(reason)); });
        if (taken) sync();
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
      return keyPress(watched, static_cast<QKeyEvent*>(event));
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::keyPress(QObject* watched, QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (auto* button = qobject_cast<QPushButton*>(watched); button && enter) {
    // Enter presses a focused button as Space does.
    if (!event->isAutoRepeat() && button->isEnabled()) button->click();
    return true;
  }

  const int h = handleOf(watched);
  int field = kFieldCount;
  while (--field >= 0 && presenter_.handleOf(static_cast<Field>(field)) != h) {
  }
  if (field < 0) return false;
  // The keys the game takes go to it, swallowed; the rest to the field.
  const std::optional<std::int16_t> code = characterCode(*event);
  const std::string& keys = made_[static_cast<std::size_t>(h)].keys;
  if (!code || *code <= 0 || *code > 0x7f ||
      keys.find(static_cast<char>(*code)) == std::string::npos) {
    return false;
  }
  handle([&] { presenter_.key(static_cast<Field>(field), *code); });
  return true;
}

Selection MainWindow::selection(int h) const {
  return selectionOf(*static_cast<QLineEdit*>(made_[static_cast<std::size_t>(h)].widget));
}

void MainWindow::select(int h, Selection s) {
  auto* w = static_cast<QLineEdit*>(made_[static_cast<std::size_t>(h)].widget);
  if (s.length > 0) {
    w->setSelection(s.start + s.length, -s.length);
  } else {
    w->setCursorPosition(s.start);
  }
}

int MainWindow::focused() const {
  const QWidget* widget = focusWidget();
  if (!widget) return kFocusNowhere;
  const int h = handleOf(widget);
  return h >= 0 ? h : kFocusElsewhere;
}

void MainWindow::focus(int h) {
  // The focus frame shows wherever the game puts the focus, not only after
  // Tab: a keyboard user sees where Enter went.
  setAttribute(Qt::WA_KeyboardFocusChange);
  made_[static_cast<std::size_t>(h)].widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace ovali
