#pragma once

// A message box as every front end shows it, made once from the game's text:
// the caption, the name a screen reader announces, the lines with their rows
// of cells, the chart at its size, and what Copy takes. A front end only
// lays these out in its own widgets; it decides nothing about them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/chart.h"
#include "view/drawing.h"

namespace ovali {

// Every box's caption: the program file's name.
inline constexpr std::string_view kBoxCaption = "ovali";

// A name longer than this is cut, as a screen reader announces it whole.
inline constexpr std::size_t kLongestBoxName = 120;

// The columns a row's cells fall into: the first three have places of their
// own, the rest share the last one.
inline constexpr int kBoxColumns = 4;

// The report's counts: right-aligned, so that their points line up.
inline constexpr bool isNumberColumn(int column) { return column == 1 || column == 2; }

struct BoxCell {
  std::string text;
  int column = 0;       // 0 to kBoxColumns - 1
  bool number = false;  // in a number column
};

struct BoxLine {
  std::string text;            // as shown, a row's tabs kept
  std::vector<BoxCell> cells;  // a row's, split at its tabs; none for a plain line
  // Part of a table: a row, or an empty line between two rows of one. A
  // table's consecutive lines are read as one, row by row.
  bool inTable = false;

  bool row() const { return !cells.empty(); }
};

struct MessageBox {
  std::string caption{kBoxCaption};
  std::string name;  // the first paragraph, or its first sentence
  std::string text;  // as shown and copied: the lines joined by line feeds
  std::vector<BoxLine> lines;
  std::optional<Drawing> chart;
  double chartScale = 1;  // the chart is shown at its size times this
};

// The box for the game's `text`, in which a carriage return, a line feed or
// the two together break a line and a line with tabs is a row of cells. Its
// chart, when given, grows with the window's picture (`pictureScale` times
// the design) but is never shown smaller than its own size.
MessageBox messageBoxOf(std::string_view text, const Chart* chart = nullptr,
                        double pictureScale = 1);

// What Copy puts on the clipboard: the `selected` text, or the whole text
// when nothing is selected.
std::string copiedText(const MessageBox& box, std::string_view selected);

// The box as the page's script builds it: a JSON object with the caption,
// the name and the parts, each a plain line ({"line": text}) or a table
// ({"table": [...]}) of rows ({"cells": [{"text", "column", "number"}]})
// and empty lines. The chart goes separately, as SVG.
std::string pageDataOf(const MessageBox& box);

}  // namespace ovali
