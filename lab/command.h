#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lab/experiment.h"

namespace ovali {

// What `ovali-lab` was asked: EXPERIMENT [--repeats R] [--rounds T]
// [--seed S] [--threads N] [--players N --total D --units U --options LIST]
// [--vs SETTING] [--svg FILE], or --list.
struct LabCommand {
  bool list = false;
  Experiment experiment;
  int threads = 0;  // 0: one per core
  std::string svg;  // where to write the picture, if anywhere
};

// The command's arguments, without the program's name; nothing, with
// `error` set to a line for the user, when one is not understood.
std::optional<LabCommand> readLabCommand(std::span<const std::string_view> args,
                                         std::string& error);

// The names of the experiments, joined by ", ".
std::string experimentList();

}  // namespace ovali
