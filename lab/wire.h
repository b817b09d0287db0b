#pragma once

// An experiment and a game's results as a page hands them to its workers and
// gets them back. The experiment goes as text, each number in decimal and
// each string after its length, so that its seed keeps all 64 bits; the
// results go as doubles, which a Float64Array carries bit for bit, so that a
// game played on a worker gives the table a game played here would.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lab/experiment.h"
#include "lab/repeat.h"

namespace ovali {

std::string encodeExperiment(const Experiment& e);
// Nothing for text that is not an experiment, or whose variants hold a
// setting the input checks would change: a game is only ever played on a
// setting the fields allow.
std::optional<Experiment> decodeExperiment(std::string_view text);

std::vector<double> encodeRepeat(const RepeatResult& r);
// Nothing for numbers that are not a game's results.
std::optional<RepeatResult> decodeRepeat(std::span<const double> numbers);

}  // namespace ovali
