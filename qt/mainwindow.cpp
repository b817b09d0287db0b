#include "qt/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>

#include "qt/accessibility.h"
#include "qt/qttoolkit.h"
#include "qt/tickbox.h"
#include "view/look.h"

namespace ovali {

namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

Qt::Alignment qtAlignment(Alignment a) {
  switch (a) {
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center:
      return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

// A label never clips its caption: when the text is wider or taller than the
// box the game gave it, the box grows away from the side the text is
// aligned to (both ways when centred), so a three-digit count stays on its
// place and readable.
QRect fitted(QRect box, QSizeF text, Alignment alignment) {
  const int need = static_cast<int>(std::ceil(text.width())) + 1;
  if (need > box.width()) {
    const int extra = need - box.width();
    switch (alignment) {
      case Alignment::Left:
        box.setWidth(need);
        break;
      case Alignment::Right:
        box.setLeft(box.left() - extra);
        break;
      case Alignment::Center:
        box.adjust(-extra / 2, 0, extra - extra / 2, 0);
        break;
    }
  }
  const int height = static_cast<int>(std::ceil(text.height()));
  if (height > box.height()) box.setHeight(height);
  return box;
}

}  // namespace

// ---------------------------------------------------------------------------

MainWindow::MainWindow(Form1& f, const Handlers& handlers, QtToolkit* toolkit)
    : f_(f), toolkit_(toolkit), presenter_(f, *this, handlers, &labWorkers_) {
  installLinkAccessibility();
  setObjectName(QStringLiteral("MainWindow"));
  board_ = new Board(f_.clientWidth, f_.clientHeight, this);
  setCentralWidget(board_);
  connect(board_, &Board::projectionChanged, this, [this] {
    relayout_ = true;
    sync();
  });

  frameTimer_.setSingleShot(true);
  connect(&frameTimer_, &QTimer::timeout, this, &MainWindow::sync);

  // F6 goes on to the next open panel; which one that is, the game decides.
  // Bound to the board's controls: a tool window of this one has its own.
  auto* next = new QShortcut(QKeySequence(Qt::Key_F6), board_);
  next->setContext(Qt::WidgetWithChildrenShortcut);
  connect(next, &QShortcut::activated, this,
          [this] { handle([&] { presenter_.panelKey(Panel::Game, PanelKey::Next); }); });

  presenter_.create();
  if (toolkit_) toolkit_->attach(this);
  sync();

  const QSize client = board_->sizeHint();
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
  if (toolkit_) toolkit_->attach(nullptr);
}

int MainWindow::create(const Element& e) {
  Made made{e.kind};
  switch (e.kind) {
    case Kind::Group:
      break;
    case Kind::Circle:
      made.shape = static_cast<int>(circles_.size());
      circles_.emplace_back();
      break;
    case Kind::Line:
      made.shape = static_cast<int>(lines_.size());
      lines_.emplace_back();
      break;
    case Kind::MenuBar:
    case Kind::MenuItem:
    case Kind::Option:
      addMenuEntry(e, made);
      break;
    default:
      made.widget = makeWidget(e);
      made.widget->setObjectName(QString::fromStdString(e.id));
      made.keys = e.keys;
      break;
  }
  made_.push_back(made);
  return static_cast<int>(made_.size()) - 1;
}

QWidget* MainWindow::makeWidget(const Element& e) {
  const auto index = static_cast<std::int16_t>(e.index);
  switch (e.kind) {
    case Kind::Field: {
      auto* field = new QLineEdit(board_);
      connectField(field, static_cast<Field>(e.index));
      board_->raiseMarkers();
      return field;
    }
    case Kind::Button: {
      auto* button = new QPushButton(board_);
      button->setAutoDefault(false);
      button->installEventFilter(this);
      connect(button, &QPushButton::clicked, this,
              [this, index] { handle([&] { presenter_.click(index); }); });
      return button;
    }
    case Kind::CheckBox: {
      auto* box = new TickBox(board_);
      box->installEventFilter(this);
      connect(box, &QCheckBox::clicked, this,
              [this](bool checked) { handle([&] { presenter_.check(checked); }); });
      return box;
    }
    default:
      break;
  }
  auto* label = new CaptionLabel(e.kind == Kind::Link, board_);
  board_->raiseMarkers();
  label->setTextFormat(Qt::PlainText);
  if (e.labelFor >= 0) label->setBuddy(made_[static_cast<std::size_t>(e.labelFor)].widget);
  if (e.kind == Kind::Link) {
    label->setCursor(Qt::PointingHandCursor);
    // After the controls in the tab chain, as they were made after them.
    label->setFocusPolicy(Qt::TabFocus);
    connect(label, &CaptionLabel::clicked, this,
            [this, index] { handle([&] { presenter_.link(index); }); });
  }
  return label;
}

void MainWindow::addMenuEntry(const Element& e, Made& made) {
  const QString id = QString::fromStdString(e.id);
  if (e.kind == Kind::MenuBar && e.opensMenu) {
    made.menu = menuBar()->addMenu(QString());
    made.menu->setObjectName(id);
    made.action = made.menu->menuAction();
    return;
  }
  made.action = e.parent < 0 ? menuBar()->addAction(QString())
                             : made_[static_cast<std::size_t>(e.parent)].menu->addAction(QString());
  made.action->setObjectName(id);
  made.action->setCheckable(e.checkable);
  const bool option = e.kind == Kind::Option;
  const int index = e.index;
  connect(made.action, &QAction::triggered, this, [this, action = made.action, option, index] {
    // Qt has already flipped the mark; only the game decides it.
    if (action->isCheckable()) action->setChecked(!action->isChecked());
    handle([&] {
      if (option) {
        presenter_.option(static_cast<std::int16_t>(index));
      } else {
        presenter_.menu(index);
      }
    });
  });
}

void MainWindow::open() {
  run([&] { presenter_.open(); });
  sync();
}

void MainWindow::run(const std::function<void()>& call) {
  // A failure inside a handler that the game does not absorb itself must
  // not take the window down with it: it is reported and the window goes on.
  try {
    call();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ovali: %s\n", e.what());
  }
}

void MainWindow::handle(const std::function<void()>& call) {
  run(call);
  // Shown at once, not at the next frame: a key the user has already typed
  // must go where the handler moved the focus.
  sync();
}

// ---------------------------------------------------------------------------
// From the widgets to the game.

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Without a window manager nothing would give the window the keyboard
  // focus: a keyboard-only user could not begin.
  if (!event->spontaneous()) activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  handle([&] { Form_Unload(f_); });
}

// ---------------------------------------------------------------------------
// From the game to the widgets.

void MainWindow::requestSync() {
  if (frameTimer_.isActive()) return;
  const qint64 since = frameClock_.isValid() ? frameClock_.elapsed() : kFrameMs;
  frameTimer_.start(static_cast<int>(std::max<qint64>(0, kFrameMs - since)));
}

void MainWindow::frameTook(qint64 nanoseconds) {
  constexpr qint64 kSlowestFrameMs = 100;
  runFrameMs_ = std::clamp<qint64>(3 * nanoseconds / 1'000'000, kFrameMs, kSlowestFrameMs);
}

QFont MainWindow::font(const Font& model) const {
  QFont q;
  static const QStringList families = [] {
    QStringList list;
    for (std::string_view family : kFontFamilies) list << qs(family);
    return list;
  }();
  q.setFamilies(families);
  q.setStyleHint(QFont::SansSerif);
  q.setPixelSize(board_->projection().fontPixels(model.points));
  q.setBold(model.bold);
  q.setItalic(model.italic);
  q.setUnderline(model.underline);
  return q;
}

QColor MainWindow::color(const Color& model) const {
  if (model.windowText) return QApplication::palette().color(QPalette::WindowText);
  return {model.r, model.g, model.b};
}

void MainWindow::sync() {
  syncing_ = true;
  frameTimer_.stop();
  frameClock_.restart();
  ++syncs_;
  presenter_.sync();
  board_->setShapes(circles_, lines_);
  syncing_ = false;
}

bool MainWindow::frame() {
  board_->setBackground(color(f_.backcolor));
  return std::exchange(relayout_, false);
}

void MainWindow::title(std::string_view caption, std::string_view) { setWindowTitle(qs(caption)); }

void MainWindow::text(int h, std::string_view text) {
  QWidget* w = made_[static_cast<std::size_t>(h)].widget;
  if (auto* field = qobject_cast<QLineEdit*>(w)) {
    field->setText(qs(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(qs(text));
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(qs(text));
  }
}

void MainWindow::look(int h, Area, const Font& model, const Color& forecolor, Alignment alignment) {
  const Made& made = made_[static_cast<std::size_t>(h)];
  auto* label = qobject_cast<CaptionLabel*>(made.widget);
  if (!label) {
    made.widget->setFont(font(model));
    return;
  }
  // A label's font goes with its place, in fit.
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, color(forecolor));
  label->setPalette(pal);
  Qt::Alignment a = qtAlignment(alignment);
  if (made.kind == Kind::Fitted) a = (a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
  label->setAlignment(a);
}

void MainWindow::place(int h, Area, const Rect& r) {
  const Made& made = made_[static_cast<std::size_t>(h)];
  if (made.kind == Kind::Circle) {
    static_cast<Rect&>(circles_[static_cast<std::size_t>(made.shape)]) = r;
  } else if (!qobject_cast<CaptionLabel*>(made.widget)) {
    made.widget->setGeometry(toQt(board_->projection().rect(r.left, r.top, r.width, r.height)));
  }
}

void MainWindow::fit(int h, Area, const Label& model) {
  const Made& made = made_[static_cast<std::size_t>(h)];
  auto* w = static_cast<CaptionLabel*>(made.widget);
  const QRect box =
      toQt(board_->projection().rect(model.left, model.top, model.width, model.height));
  QFont full = font(model.font);
  if (made.kind == Kind::Fitted) {
    // A pixel to spare, as a label that grows keeps one.
    const QString text = w->text();
    full.setPixelSize(fittedPixels(full.pixelSize(),
                                   board_->projection().fontPixels(kSmallestCaptionPoints),
                                   box.width() - 1, [&](int px) {
                                     QFont at = full;
                                     at.setPixelSize(px);
                                     return QFontMetricsF(at).horizontalAdvance(text);
                                   }));
  }
  w->setFont(full);
  w->setGeometry(fitted(box, w->captionSize(), model.alignment));
}

void MainWindow::fill(int h, Area, const Color& c) {
  circles_[static_cast<std::size_t>(made_[static_cast<std::size_t>(h)].shape)].fillcolor = c;
}

void MainWindow::ends(int h, Area, const Line& line) {
  Line& shown = lines_[static_cast<std::size_t>(made_[static_cast<std::size_t>(h)].shape)];
  const bool on = shown.visible;
  shown = line;
  shown.visible = on;
}

void MainWindow::visible(int h, bool on) {
  const Made& made = made_[static_cast<std::size_t>(h)];
  const auto shape = static_cast<std::size_t>(made.shape);
  if (made.kind == Kind::Circle) {
    circles_[shape].visible = on;
  } else if (made.kind == Kind::Line) {
    lines_[shape].visible = on;
  } else {
    made.widget->setVisible(on);
  }
}

void MainWindow::enabled(int h, bool on) {
  QWidget* widget = made_[static_cast<std::size_t>(h)].widget;
  // Qt would hand the focus of a control being disabled on to the next one
  // (Stop would pass it to the "fast" box): the game's focus stays where it
  // is, and comes back when the control is enabled again.
  if (!on && widget == focusWidget()) widget->clearFocus();
  widget->setEnabled(on);
}

void MainWindow::checked(int h, bool on) {
  static_cast<QCheckBox*>(made_[static_cast<std::size_t>(h)].widget)->setChecked(on);
}

void MainWindow::menu(int h, const MenuItem& item) {
  QAction* action = made_[static_cast<std::size_t>(h)].action;
  action->setText(qs(item.caption));
  action->setEnabled(item.enabled);
  if (action->isCheckable()) action->setChecked(item.checked);
}

void MainWindow::name(int h, std::string_view name) {
  if (QWidget* w = made_[static_cast<std::size_t>(h)].widget) rename(w, qs(name));
}

void MainWindow::describe(int h, std::string_view description) {
  if (QWidget* w = made_[static_cast<std::size_t>(h)].widget) ovali::describe(w, qs(description));
}

}  // namespace ovali
