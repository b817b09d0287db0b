#include "qt/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>

#include "commands/inputs.h"
#include "commands/options.h"
#include "commands/runcontrols.h"
#include "commands/viewmenu.h"
#include "help/help.h"
#include "qt/accessibility.h"
#include "qt/historywindow.h"
#include "qt/qttoolkit.h"
#include "qt/tickbox.h"
#include "view/changes.h"
#include "view/look.h"
#include "view/present.h"

namespace ovali {

namespace {

QString qs(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString indexedName(const char* name, std::int16_t index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
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

MainWindow::MainWindow(Form1& f, QtToolkit* toolkit) : f_(f), toolkit_(toolkit) {
  installLinkAccessibility();
  setObjectName(QStringLiteral("MainWindow"));
  board_ = new Board(f_.clientWidth, f_.clientHeight, this);
  setCentralWidget(board_);
  connect(board_, &Board::projectionChanged, this, [this] {
    ++generation_;
    sync();
  });

  frameTimer_.setSingleShot(true);
  connect(&frameTimer_, &QTimer::timeout, this, &MainWindow::sync);

  buildMenus();

  label2_.widget = makeLabel("Label2", -1);
  label1_.widget = makeLabel("label1", -1);
  label4_.widget = makeLabel("Label4", -1);
  counter_.widget = makeLabel("C", -1);
  counter_.widget->setAccessibleName(qs(std::string(kRoundName)));
  counter_.described = true;

  makeField(txtNB_, "txtNB", f_.txtNB, txtNB_Change)->setAccessibleName(qs(f_.Label2.caption));
  makeField(txtDollars_, "txtDollars", f_.txtDollars, txtDollars_Change)
      ->setAccessibleName(qs(f_.label1.caption));
  makeField(txtNTrade_, "txtNTrade", f_.txtNTrade, txtNTrade_Change)
      ->setAccessibleName(qs(f_.Label4.caption));
  label2_.widget->setBuddy(txtNB_.widget);
  label1_.widget->setBuddy(txtDollars_.widget);
  label4_.widget->setBuddy(txtNTrade_.widget);

  buttons_.resize(static_cast<std::size_t>(f_.Command1.extent()));
  for (std::int16_t i = 0; i < f_.Command1.extent(); ++i) {
    if (!f_.Command1.exists(i)) continue;
    auto* button = new QPushButton(board_);
    button->setObjectName(indexedName("Command1", i));
    button->setAutoDefault(false);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this,
            [this, i] { handle([&] { Command1_Click(f_, i); }); });
    buttons_[static_cast<std::size_t>(i)].widget = button;
  }

  fast_ = new TickBox(board_);
  fast_->setObjectName(QStringLiteral("chkFast"));
  fast_->installEventFilter(this);
  connect(fast_, &QCheckBox::clicked, this, [this](bool checked) {
    handle([&] {
      f_.chkFast.value = checked ? 1 : 0;
      chkFast_Click(f_);
    });
  });

  Focus previous = Focus::None;
  for (Focus next : Form1::tabOrder) {
    if (previous != Focus::None) setTabOrder(widgetFor(previous), widgetFor(next));
    previous = next;
  }

  if (toolkit_) toolkit_->attach(this);
  sync();

  const QSize client = board_->sizeHint();
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
  if (toolkit_) toolkit_->attach(nullptr);
}

void MainWindow::buildMenus() {
  fileMenu_ = menuBar()->addMenu(qs(f_.mnuFile.caption));
  fileMenu_->setObjectName(QStringLiteral("mnuFile"));
  exit_ = fileMenu_->addAction(qs(f_.mnuexit.caption));
  exit_->setObjectName(QStringLiteral("mnuexit"));
  connect(exit_, &QAction::triggered, this, [this] { handle([&] { mnuexit_Click(f_); }); });

  optionsMenu_ = menuBar()->addMenu(qs(f_.mnuOpt.caption));
  optionsMenu_->setObjectName(QStringLiteral("mnuOpt"));
  for (std::int16_t k = 0; k < f_.mnuO.extent(); ++k) {
    const MenuItem* item = f_.mnuO.find(k);
    if (!item) continue;
    QAction* action = optionsMenu_->addAction(qs(item->caption));
    action->setObjectName(indexedName("mnuO", k));
    action->setCheckable(true);
    action->setChecked(item->checked);
    connect(action, &QAction::triggered, this, [this, action, k] {
      // Qt has already flipped the mark; only the game decides it.
      if (const MenuItem* shown = f_.mnuO.find(k)) action->setChecked(shown->checked);
      handle([&] { mnuO_Click(f_, k); });
      syncMenus();
    });
    options_.push_back(action);
  }

  viewMenu_ = menuBar()->addMenu(qs(f_.mnuView.caption));
  viewMenu_->setObjectName(QStringLiteral("mnuView"));
  historyItem_ = viewMenu_->addAction(qs(f_.mnuHistory.caption));
  historyItem_->setObjectName(QStringLiteral("mnuHistory"));
  historyItem_->setCheckable(true);
  connect(historyItem_, &QAction::triggered, this, [this] {
    historyItem_->setChecked(f_.mnuHistory.checked);
    handle([&] { mnuHistory_Click(f_); });
  });

  about_ = menuBar()->addAction(qs(f_.mnuAbout.caption));
  about_->setObjectName(QStringLiteral("mnuAbout"));
  connect(about_, &QAction::triggered, this, [this] { handle([&] { mnuAbout_Click(f_); }); });
}

CaptionLabel* MainWindow::makeLabel(const char* name, std::int16_t index, bool link) {
  auto* label = new CaptionLabel(link, board_);
  board_->raiseMarkers();
  label->setObjectName(index < 0 ? QString::fromLatin1(name) : indexedName(name, index));
  label->setTextFormat(Qt::PlainText);
  return label;
}

QWidget* MainWindow::widgetFor(Focus focus) const {
  const auto button = [this](std::size_t i) -> QWidget* {
    return i < buttons_.size() ? buttons_[i].widget : nullptr;
  };
  switch (focus) {
    case Focus::txtNB:
      return txtNB_.widget;
    case Focus::txtDollars:
      return txtDollars_.widget;
    case Focus::txtNTrade:
      return txtNTrade_.widget;
    case Focus::Start:
      return button(0);
    case Focus::Reset:
      return button(2);
    case Focus::Step:
      return button(3);
    case Focus::Analyze:
      return button(4);
    case Focus::chkFast:
      return fast_;
    case Focus::None:
      break;
  }
  return nullptr;
}

void MainWindow::handle(const std::function<void()>& call) {
  // A failure inside a handler that the game does not absorb itself must
  // not take the window down with it: it is reported and the window goes on.
  try {
    call();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ovali: %s\n", e.what());
  }
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
    for (std::string_view family : kFontFamilies) {
      list << QString::fromLatin1(family.data(), static_cast<qsizetype>(family.size()));
    }
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
  present(f_);

  if (!titleShown_ || shownTitle_ != f_.caption) {
    setWindowTitle(qs(f_.caption));
    shownTitle_ = f_.caption;
    titleShown_ = true;
  }
  board_->setBackground(color(f_.backcolor));

  syncLabel(label2_, f_.Label2);
  syncLabel(label1_, f_.label1);
  syncLabel(label4_, f_.Label4);
  syncLabel(counter_, f_.C);
  syncField(txtNB_, f_.txtNB);
  syncField(txtDollars_, f_.txtDollars);
  syncField(txtNTrade_, f_.txtNTrade);
  for (std::int16_t i = 0; i < f_.Command1.extent(); ++i) {
    if (const CommandButton* b = f_.Command1.find(i);
        b && static_cast<std::size_t>(i) < buttons_.size()) {
      syncButton(buttons_[static_cast<std::size_t>(i)], *b);
    }
  }
  syncCheckBox();
  syncLabels(links_, f_.Label3, "Label3");
  syncLabels(players_, f_.P, "P");
  syncLabels(levelCaptions_, f_.lbl2, "lbl2");
  syncLabels(counts_, f_.T, "T");
  syncLabels(outerCounts_, f_.TS, "TS");
  syncAccessibleNames();
  syncShapes();
  syncMenus();
  syncHistory();
  // The focus moves once every control is enabled as the game says, and a
  // field's selection is shown once it is known which field has the focus.
  syncFocus();
  for (TextView* view : {&txtNB_, &txtDollars_, &txtNTrade_}) syncSelection(*view);

  syncing_ = false;
  f_.historyFrameShown = true;
}

void MainWindow::syncLabel(LabelView& view, const Label& model) {
  CaptionLabel* w = view.widget;
  const bool fresh = view.generation < 0;
  bool relayout = view.generation != generation_ || !samePlace(model, view.shown);
  if (fresh || model.caption != view.shown.caption) {
    const QString text = qs(model.caption);
    w->setText(text);
    if (view.described) describe(w, text);
    relayout = true;
  }
  if (fresh || !(model.forecolor == view.shown.forecolor)) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color(model.forecolor));
    w->setPalette(pal);
  }
  if (fresh || model.alignment != view.shown.alignment) {
    Qt::Alignment alignment = qtAlignment(model.alignment);
    if (view.fitted) alignment = (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    w->setAlignment(alignment);
    relayout = true;
  }
  if (fresh || relayout || !(model.font == view.shown.font)) {
    const QRect box =
        toQt(board_->projection().rect(model.left, model.top, model.width, model.height));
    QFont full = font(model.font);
    if (view.fitted) {
      const int smallest = board_->projection().fontPixels(kSmallestCaptionPoints);
      // A pixel to spare, as a label that grows keeps one.
      full = fittingFont(full, w->text(), box.width() - 1, smallest);
    }
    w->setFont(full);
    w->setGeometry(fitted(box, w->captionSize(), model.alignment));
  }
  if (fresh || model.visible != view.shown.visible) w->setVisible(model.visible);
  view.shown = model;
  view.generation = generation_;
}

void MainWindow::syncLabels(std::vector<LabelView>& views, const ControlArray<Label>& model,
                            const char* name) {
  const auto extent = static_cast<std::size_t>(model.extent());
  if (views.size() < extent) views.resize(extent);
  for (std::int16_t i = 0; i < model.extent(); ++i) {
    const Label* m = model.find(i);
    if (!m) continue;
    LabelView& view = views[static_cast<std::size_t>(i)];
    if (!view.widget) {
      view.widget = makeLabel(name, i, &views == &links_);
      if (&views == &links_) {
        view.widget->setCursor(Qt::PointingHandCursor);
        view.widget->setAccessibleDescription(qs(std::string(kLinkDescription)));
        connect(view.widget, &CaptionLabel::clicked, this,
                [this, i] { handle([&] { Label3_Click(f_, i); }); });
      } else if (&views == &players_) {
        view.widget->setAccessibleName(qs(playerName(i)));
        view.described = true;
      } else if (&views == &levelCaptions_) {
        view.fitted = true;
      } else if (&views == &counts_ || &views == &outerCounts_) {
        view.described = true;  // named after its row by syncAccessibleNames
      }
    }
    syncLabel(view, *m);
  }
}

void MainWindow::syncAccessibleNames() {
  for (std::size_t i = 0; i < counts_.size(); ++i) {
    const auto row = static_cast<std::int16_t>(i);
    if (QWidget* w = counts_[i].widget) rename(w, qs(countName(f_, row, false)));
    if (i < outerCounts_.size()) {
      if (QWidget* w = outerCounts_[i].widget) rename(w, qs(countName(f_, row, true)));
    }
  }
}

void MainWindow::syncButton(ButtonView& view, const CommandButton& model) {
  QPushButton* w = view.widget;
  const bool fresh = view.generation < 0;
  const bool relayout = view.generation != generation_;
  if (fresh || model.caption != view.shown.caption) w->setText(qs(model.caption));
  if (fresh || relayout || !(model.font == view.shown.font)) w->setFont(font(model.font));
  if (fresh || relayout || !samePlace(model, view.shown)) {
    w->setGeometry(
        toQt(board_->projection().rect(model.left, model.top, model.width, model.height)));
  }
  if (fresh || model.enabled != view.shown.enabled) setEnabled(w, model.enabled);
  if (fresh || model.visible != view.shown.visible) w->setVisible(model.visible);
  view.shown = model;
  view.generation = generation_;
}

void MainWindow::syncCheckBox() {
  const CheckBox& model = f_.chkFast;
  const bool fresh = fastGeneration_ < 0;
  const bool relayout = fastGeneration_ != generation_;
  if (fresh || model.caption != fastShown_.caption) fast_->setText(qs(model.caption));
  if (fresh || relayout || !(model.font == fastShown_.font)) fast_->setFont(font(model.font));
  if (fresh || relayout || !samePlace(model, fastShown_)) {
    fast_->setGeometry(
        toQt(board_->projection().rect(model.left, model.top, model.width, model.height)));
  }
  if (fast_->isChecked() != (model.value != 0)) fast_->setChecked(model.value != 0);
  if (fresh || model.enabled != fastShown_.enabled) setEnabled(fast_, model.enabled);
  fastShown_ = model;
  fastGeneration_ = generation_;
}

void MainWindow::syncMenus() {
  const auto item = [](QAction* action, const MenuItem& model) {
    const QString text = qs(model.caption);
    if (action->text() != text) action->setText(text);
    if (action->isEnabled() != model.enabled) action->setEnabled(model.enabled);
    if (action->isCheckable() && action->isChecked() != model.checked) {
      action->setChecked(model.checked);
    }
  };
  item(fileMenu_->menuAction(), f_.mnuFile);
  item(exit_, f_.mnuexit);
  item(optionsMenu_->menuAction(), f_.mnuOpt);
  std::size_t next = 0;
  for (std::int16_t k = 0; k < f_.mnuO.extent() && next < options_.size(); ++k) {
    if (const MenuItem* m = f_.mnuO.find(k)) item(options_[next++], *m);
  }
  item(viewMenu_->menuAction(), f_.mnuView);
  item(historyItem_, f_.mnuHistory);
  item(about_, f_.mnuAbout);
}

void MainWindow::syncHistory() {
  const bool open = f_.mnuHistory.checked;
  if (!history_) {
    if (!open) return;
    history_ = new HistoryWindow(this, f_.history, [this] {
      if (f_.mnuHistory.checked) handle([&] { mnuHistory_Click(f_); });
    });
  }
  if (open && !history_->isVisible()) {
    history_->open();
    historyRedraw_.forget();
  }
  if (!open && history_->isVisible()) history_->hide();
  if (open && historyRedraw_.due(f_)) history_->redraw();
}

void MainWindow::syncShapes() {
  std::vector<Circle> circles;
  for (std::int16_t i = 0; i < f_.Acircle.extent(); ++i) {
    if (const Circle* c = f_.Acircle.find(i)) circles.push_back(*c);
  }
  std::vector<Line> lines;
  for (std::int16_t i = 0; i < f_.Line1.extent(); ++i) {
    if (const Line* l = f_.Line1.find(i)) lines.push_back(*l);
  }
  lines.push_back(f_.Line2);
  board_->setShapes(circles, lines);
}

}  // namespace ovali
