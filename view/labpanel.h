#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lab/experiment.h"
#include "lab/run.h"
#include "lab/setting.h"
#include "view/drawing.h"
#include "view/form1.h"

namespace ovali {

// The panel's fixed words, the same in every front end; "&" marks a
// control's access key where the front end has them.
inline constexpr std::string_view kLabTitle = "Explorations lab";
inline constexpr std::string_view kLabChooser = "&Experiment:";
inline constexpr std::string_view kLabVersus = "&Your setting:";
inline constexpr std::string_view kLabCopy = "&Copy";
inline constexpr std::string_view kLabCopyDescription = "Copies the results as tables";
inline constexpr std::string_view kLabClose = "Close the lab";
inline constexpr std::string_view kLabProgress = "Games played";

// What the Explorations lab's panel shows, made once for every front end:
// the front end lays it out and reports what the user does with it.
struct LabView {
  // The chooser's entries, one an experiment: "money: What happens if the
  // amount of money is doubled?"
  std::vector<std::string> experiments;
  int chosen = 0;
  // The chooser and the own setting take no change while a run is on.
  bool choosable = true;
  // The second setting of "own": its field is shown for that experiment only.
  bool versusShown = false;
  std::string versus;       // the field's text
  std::string versusError;  // why it was not understood; empty when it was
  // The run button: "&Run", or "&Stop" while the experiment runs.
  std::string run = "&Run";
  bool running = false;
  // Games finished of all the experiment plays, and in words with the time
  // left: "12 of 80 games, about 4 s left".
  int done = 0;
  int games = 0;
  std::string progress;
  // How the games are played: "Seed 1: 40 games a setting, ...".
  std::string plan;
  // What the input rules changed in a variant's setting.
  std::vector<std::string> notes;
  // The answer so far; empty before the first game is in.
  std::string sentence;
  bool copyable = false;  // there are results to copy

  bool operator==(const LabView&) const = default;
};

// The lab's state and rules: the experiment chosen, its run on the front
// end's workers, and what the panel shows of it.
class LabPanel {
 public:
  // `workers` play the games; none plays them one by one on this thread.
  explicit LabPanel(LabWorkers* workers);
  ~LabPanel();
  LabPanel(const LabPanel&) = delete;
  LabPanel& operator=(const LabPanel&) = delete;

  void choose(int experiment);
  // Chooses by name; false for a name that is not an experiment's.
  bool choose(std::string_view name);
  void versus(std::string text);
  // Every experiment is played with `plan` instead of its own: quick runs
  // for tests and measurements.
  void usePlan(const Plan& plan) { plan_ = plan; }
  // Starts the chosen experiment from `base`, the window's setting, at
  // `now` (seconds on the toolkit's clock).
  void start(const Setting& base, double now);
  // Ends the run at once; the games finished so far stay.
  void stop();
  bool running() const;
  // Takes in the games finished since the last call. True when the results
  // changed, and the picture with them.
  bool collect(double now);

  const LabView& view() const { return view_; }
  // Changes whenever the picture does: a new run, new games in.
  std::uint64_t stamp() const { return stamp_; }
  // The picture of the results so far, named by their sentence.
  Drawing picture() const;
  // The results as tab-separated tables, for the clipboard.
  std::string table() const;

 private:
  void refresh(double now);

  std::unique_ptr<LabWorkers> inline_;  // when no workers were given
  LabWorkers& workers_;
  std::optional<LabRun> run_;
  bool running_ = false;
  double started_ = 0;
  double lastDelivery_ = 0;
  double finishedAfter_ = -1;
  bool stopped_ = false;
  std::optional<Plan> plan_;
  LabView view_;
  std::uint64_t stamp_ = 0;
  std::uint64_t sentenceStamp_ = 0;  // the stamp the sentence was made at
};

// The window's setting as the lab takes it: the numbers in the fields (the
// game's own where a field does not hold a whole number) and the options
// ticked.
Setting windowSetting(const Form1& f);

}  // namespace ovali
