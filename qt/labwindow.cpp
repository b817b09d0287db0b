#include "qt/labwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "qt/chartview.h"
#include "qt/statusline.h"

namespace ovali {

namespace {

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A caption's words as a screen reader names its control: no access key
// mark, no colon.
QString plain(std::string_view caption) {
  QString text = qs(caption);
  text.remove(QLatin1Char('&'));
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text;
}

QLabel* wrapping(QWidget* parent, const char* id) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(id));
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

LabWindow::LabWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Tool) {
  setObjectName(QStringLiteral("lab"));
  setWindowTitle(qs(kLabTitle));
  auto* layout = new QVBoxLayout(this);

  auto* form = new QGridLayout;
  auto* chooserLabel = new QLabel(qs(kLabChooser), this);
  chooser_ = new QComboBox(this);
  chooser_->setObjectName(QStringLiteral("labChooser"));
  chooser_->setAccessibleName(plain(kLabChooser));
  chooser_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  chooser_->setMinimumContentsLength(24);
  chooserLabel->setBuddy(chooser_);
  form->addWidget(chooserLabel, 0, 0);
  form->addWidget(chooser_, 0, 1);
  versusLabel_ = new QLabel(qs(kLabVersus), this);
  versus_ = new QLineEdit(this);
  versus_->setObjectName(QStringLiteral("labVersus"));
  versus_->setAccessibleName(plain(kLabVersus));
  versusLabel_->setBuddy(versus_);
  form->addWidget(versusLabel_, 1, 0);
  form->addWidget(versus_, 1, 1);
  versusError_ = wrapping(this, "labVersusError");
  form->addWidget(versusError_, 2, 1);
  form->setColumnStretch(1, 1);
  layout->addLayout(form);

  auto* runRow = new QHBoxLayout;
  run_ = new QPushButton(this);
  run_->setObjectName(QStringLiteral("labRun"));
  run_->setAutoDefault(false);
  runRow->addWidget(run_);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("labProgress"));
  bar_->setAccessibleName(qs(kLabProgress));
  bar_->setTextVisible(false);
  runRow->addWidget(bar_, 1);
  layout->addLayout(runRow);
  progress_ = wrapping(this, "labProgressText");
  layout->addWidget(progress_);
  plan_ = wrapping(this, "labPlan");
  layout->addWidget(plan_);
  notes_ = wrapping(this, "labNotes");
  layout->addWidget(notes_);

  chart_ = new ChartView(this, Drawing{});
  chart_->setObjectName(QStringLiteral("labChart"));
  chart_->setScaled(true);
  layout->addWidget(chart_, 1);
  sentence_ = wrapping(this, "labSentence");
  sentence_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  layout->addWidget(sentence_);

  auto* copyRow = new QHBoxLayout;
  copy_ = new QPushButton(qs(kLabCopy), this);
  copy_->setObjectName(QStringLiteral("labCopy"));
  copy_->setAccessibleDescription(qs(kLabCopyDescription));
  copy_->setAutoDefault(false);
  copyRow->addWidget(copy_);
  status_ = new StatusLine(this, QStringLiteral("labStatus"));
  copyRow->addWidget(status_, 1);
  layout->addLayout(copyRow);

  // The model follows what the chooser shows, however it changed (a click,
  // the arrow keys, typing a name's first letter).
  connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!applying_ && index >= 0) emit chosen(index);
  });
  // Alt and a letter is another control's access key, never a search in
  // the chooser's names.
  chooser_->installEventFilter(this);
  connect(versus_, &QLineEdit::textEdited, this, &LabWindow::versusEdited);
  connect(versus_, &QLineEdit::returnPressed, this, &LabWindow::runClicked);
  connect(run_, &QPushButton::clicked, this, &LabWindow::runClicked);
  connect(copy_, &QPushButton::clicked, this, &LabWindow::copyClicked);
  bindPanelKeys(this, [this](PanelKey key) { emit panelKey(key); });
  ticks_.setInterval(100);
  connect(&ticks_, &QTimer::timeout, this, &LabWindow::tick);
}

void LabWindow::show(const LabView& view) {
  if (!filled_ || chooser_->count() != static_cast<int>(view.experiments.size())) {
    chooser_->clear();
    for (const std::string& entry : view.experiments) chooser_->addItem(qs(entry));
    filled_ = true;
  }
  applying_ = true;
  if (chooser_->currentIndex() != view.chosen) chooser_->setCurrentIndex(view.chosen);
  applying_ = false;
  chooser_->setEnabled(view.choosable);
  versus_->setReadOnly(!view.choosable);
  versusLabel_->setVisible(view.versusShown);
  versus_->setVisible(view.versusShown);
  if (versus_->text() != qs(view.versus)) versus_->setText(qs(view.versus));
  versusError_->setText(qs(view.versusError));
  versusError_->setVisible(view.versusShown && !view.versusError.empty());
  run_->setText(qs(view.run));
  bar_->setRange(0, std::max(1, view.games));
  bar_->setValue(view.done);
  progress_->setText(qs(view.progress));
  plan_->setText(qs(view.plan));
  QStringList notes;
  for (const std::string& note : view.notes) notes << qs(note);
  notes_->setText(notes.join(QLatin1Char('\n')));
  notes_->setVisible(!view.notes.empty());
  sentence_->setText(qs(view.sentence));
  copy_->setEnabled(view.copyable);
  if (view.running && !ticks_.isActive()) ticks_.start();
  if (!view.running) ticks_.stop();
}

bool LabWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == chooser_ && event->type() == QEvent::KeyPress &&
      (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier)) {
    event->ignore();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void LabWindow::draw(Drawing picture) { chart_->setDrawing(std::move(picture)); }

void LabWindow::announce(const QString& text) { status_->say(text); }

void LabWindow::open() {
  if (!isVisible()) {
    resize(QSize(760, 680).expandedTo(sizeHint()));
    placeBeside(this, parentWidget());
  }
  QWidget::show();
}

void LabWindow::takeKeyboard() {
  ovali::takeKeyboard(this, chooser_->isEnabled() ? static_cast<QWidget*>(chooser_) : run_);
}

void bindPanelKeys(QWidget* window, const std::function<void(PanelKey)>& key) {
  for (const auto& [sequence, which] :
       {std::pair{Qt::Key_Escape, PanelKey::Escape}, std::pair{Qt::Key_F6, PanelKey::Next}}) {
    auto* shortcut = new QShortcut(QKeySequence(sequence), window);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [key, which = which] { key(which); });
  }
}

void takeKeyboard(QWidget* window, QWidget* control) {
  window->setAttribute(Qt::WA_KeyboardFocusChange);
  window->raise();
  window->activateWindow();
  control->setFocus(Qt::ActiveWindowFocusReason);
}

void LabWindow::closeEvent(QCloseEvent* event) {
  // The game decides whether the lab is open: it is asked, and the next
  // sync hides the window.
  event->ignore();
  emit closed();
}

void placeBeside(QWidget* window, QWidget* main) {
  if (!main) return;
  const QRect frame = main->frameGeometry();
  QPoint at(frame.x() + frame.width() + 8, frame.top());
  if (const QScreen* screen = main->screen()) {
    const QRect room = screen->availableGeometry();
    // The window's own frame counts against the room too, once it is known.
    const QSize extra = (window->frameGeometry().size() - window->size()).expandedTo({0, 0});
    window->resize(window->size().boundedTo(room.size() - extra));
    const int end = room.x() + room.width();
    const int bottom = room.y() + room.height();
    // A window that may shrink takes the wider free side when it fits
    // neither as it is.
    const int right = end - (frame.x() + frame.width()) - 8 - extra.width();
    const int left = frame.left() - 8 - room.left() - extra.width();
    const int narrowest = window->minimumSizeHint().width();
    if (window->width() > std::max(right, left) && std::max(right, left) >= narrowest &&
        window->maximumWidth() >= narrowest && window->minimumWidth() < window->width()) {
      window->resize(std::max(right, left), window->height());
    }
    const int outer = window->width() + extra.width();
    if (at.x() + outer > end) at.setX(frame.left() - 8 - outer);
    if (at.x() < room.left()) at.setX(end - outer);
    at.setY(std::max(room.top(), std::min(at.y(), bottom - window->height() - extra.height())));
  }
  window->move(at);
}

}  // namespace ovali
