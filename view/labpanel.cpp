#include "view/labpanel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "lab/chart.h"
#include "lab/results.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

// The second setting "own" starts with: twice the players with all the
// money given to one, a setting whose answer differs from the base's.
constexpr std::string_view kFirstVersus = "players=60,total=60,units=1,options=one";

std::string chooserEntry(std::string_view name) {
  const std::optional<Experiment> e = makeExperiment(name, Setting{}, Setting{});
  return std::string(name) + ": " + e->question;
}

// Seconds on the toolkit's clock, which starts again at midnight.
double since(double then, double now) {
  const double seconds = now - then;
  return seconds < 0 ? seconds + 86400 : seconds;
}

std::string duration(double seconds) {
  if (seconds < 60) return fixedDecimal(seconds, 1) + " s";
  const auto whole = static_cast<std::int64_t>(std::lround(seconds));
  return decimal(whole / 60) + " min " + decimal(whole % 60) + " s";
}

std::string timeLeft(double seconds) {
  if (seconds < 60)
    return "about " + decimal(std::max<std::int64_t>(1, std::lround(seconds))) + " s left";
  return "about " + decimal(std::lround(seconds / 60)) + " min left";
}

std::string planText(const Plan& p) {
  return "Seed " + decimal(static_cast<std::int64_t>(p.seed)) + ": " + decimal(p.repeats) +
         " games a setting, each " + groupedDecimal(p.warmup) + " rounds to settle, then " +
         groupedDecimal(p.rounds) + " rounds measured at every " +
         (p.every == 1 ? std::string("round") : decimal(p.every) + "th") + ".";
}

std::optional<int> wholeNumber(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first < last && *first == ' ') ++first;
  while (last > first && last[-1] == ' ') --last;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

}  // namespace

Setting windowSetting(const Form1& f) {
  const GameState& g = f.game;
  Setting s;
  s.players = wholeNumber(f.txtNB.text).value_or(g.nplayers);
  s.total = wholeNumber(f.txtDollars.text).value_or(g.ndollars);
  s.units = wholeNumber(f.txtNTrade.text).value_or(g.units);
  for (std::size_t k = 0; k < s.options.size(); ++k) {
    const MenuItem* item = f.mnuO.find(static_cast<std::int16_t>(k));
    s.options[k] = item && item->checked;
  }
  return s;
}

namespace {

// What every panel shows before its first run: the chooser's entries, the
// setting and the first experiment's plan, made once.
const LabView& firstView() {
  static const LabView view = [] {
    LabView v;
    for (std::string_view name : kExperimentNames) v.experiments.push_back(chooserEntry(name));
    v.versus = std::string(kFirstVersus);
    const std::optional<Experiment> first =
        makeExperiment(kExperimentNames[0], Setting{}, Setting{});
    v.plan = planText(first->plan);
    return v;
  }();
  return view;
}

}  // namespace

LabPanel::LabPanel(LabWorkers* workers)
    : inline_(workers ? nullptr : std::make_unique<InlineWorkers>()),
      workers_(workers ? *workers : *inline_),
      view_(firstView()) {}

LabPanel::~LabPanel() { workers_.stop(); }

void LabPanel::choose(int experiment) {
  if (running_) return;
  if (experiment < 0 || experiment >= static_cast<int>(kExperimentNames.size())) return;
  view_.chosen = experiment;
  view_.versusShown = kExperimentNames[static_cast<std::size_t>(experiment)] == "own";
  const std::optional<Experiment> e =
      makeExperiment(kExperimentNames[static_cast<std::size_t>(experiment)], Setting{}, Setting{});
  if (!running_) view_.plan = planText(e->plan);
}

bool LabPanel::choose(std::string_view name) {
  const auto* at = std::find(kExperimentNames.begin(), kExperimentNames.end(), name);
  if (at == kExperimentNames.end()) return false;
  choose(static_cast<int>(at - kExperimentNames.begin()));
  return true;
}

void LabPanel::versus(std::string text) {
  if (running_) return;
  view_.versus = std::move(text);
  view_.versusError.clear();
}

void LabPanel::start(const Setting& base, double now) {
  stop();
  const std::string_view name = kExperimentNames[static_cast<std::size_t>(view_.chosen)];
  Setting second = base;
  if (name == "own") {
    std::string error;
    const std::optional<Setting> read = readSetting(view_.versus, base, error);
    view_.versusError = error;
    if (!read) return;
    second = *read;
  }
  std::optional<Experiment> e = makeExperiment(name, base, second);
  if (!e) return;
  if (plan_) e->plan = *plan_;
  run_.emplace(std::move(*e));
  ++stamp_;
  workers_.start(run_->experiment());
  running_ = !run_->finished();
  stopped_ = false;
  started_ = lastDelivery_ = now;
  finishedAfter_ = -1;
  view_.notes.clear();
  for (const Variant& v : run_->experiment().variants) {
    for (const std::string& n : v.notes) view_.notes.push_back(v.label + ": " + n);
  }
  view_.plan = planText(run_->experiment().plan);
  refresh(now);
}

void LabPanel::stop() {
  // The games finished by now are kept, also those not yet taken in.
  if (running_ && run_ && !workers_.playsWhenCollecting()) {
    const std::uint64_t before = run_->version();
    workers_.collect(*run_);
    if (run_->version() != before) ++stamp_;
  }
  workers_.stop();
  if (running_) stopped_ = true;
  running_ = false;
  refresh(0);
}

bool LabPanel::running() const { return running_; }

bool LabPanel::collect(double now) {
  if (!running_ || !run_) return false;
  const std::uint64_t before = run_->version();
  workers_.collect(*run_);
  const bool changed = run_->version() != before;
  if (changed) {
    lastDelivery_ = now;
    ++stamp_;
  }
  if (run_->finished()) {
    running_ = false;
    finishedAfter_ = since(started_, now);
    workers_.stop();
  }
  refresh(now);
  return changed;
}

void LabPanel::refresh(double now) {
  view_.running = running_;
  view_.choosable = !running_;
  view_.run = running_ ? "&Stop" : "&Run";
  if (!run_) return;
  const int done = static_cast<int>(run_->done());
  const int games = static_cast<int>(run_->jobs());
  view_.done = done;
  view_.games = games;
  std::string progress = decimal(done) + " of " + decimal(games) + " games";
  if (running_ && done > 0) {
    // The games are alike, so the time left is the time so far shared out,
    // taken at the last game in so that it does not grow between games.
    const double each = since(started_, lastDelivery_) / done;
    const double left = std::max(0.0, each * (games - done) - since(lastDelivery_, now));
    progress += ", " + timeLeft(left);
  } else if (!running_ && stopped_) {
    progress = "Stopped after " + progress;
  } else if (!running_ && finishedAfter_ >= 0) {
    progress += " in " + duration(finishedAfter_);
  }
  view_.progress = progress;
  // The sentence changes with the results only, not with each frame's time.
  if (sentenceStamp_ != stamp_) {
    sentenceStamp_ = stamp_;
    view_.sentence = done > 0 ? labSentence(run_->experiment(), run_->results()) : std::string();
  }
  view_.copyable = done > 0;
}

Drawing LabPanel::picture() const {
  if (!run_ || run_->done() == 0) return {};
  return drawingOf(labCharts(run_->experiment(), run_->results()));
}

std::string LabPanel::table() const {
  if (!run_ || run_->done() == 0) return {};
  return labTable(run_->experiment(), run_->results());
}

}  // namespace ovali
