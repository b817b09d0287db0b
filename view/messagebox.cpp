#include "view/messagebox.h"

#include <algorithm>
#include <cstdio>

namespace ovali {

namespace {

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

bool blank(char c) { return c == ' ' || c == '\t'; }

// Characters, not bytes: a UTF-8 sequence counts once.
std::size_t characters(std::string_view s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The byte at which the `count`-th character starts, or the end.
std::size_t byteOfCharacter(std::string_view s, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((s[i] & 0xC0) != 0x80 && seen++ == count) return i;
  }
  return s.size();
}

// The first paragraph (the lines up to the first empty one) on one line, its
// runs of spaces and tabs as one space.
std::string firstParagraph(const std::vector<std::string>& lines) {
  std::string paragraph;
  bool started = false;
  for (const std::string& line : lines) {
    const bool empty = std::all_of(line.begin(), line.end(), blank);
    if (empty && started) break;
    for (char c : line) {
      if (blank(c)) {
        if (!paragraph.empty() && paragraph.back() != ' ') paragraph += ' ';
      } else {
        paragraph += c;
      }
    }
    if (!empty) {
      started = true;
      if (paragraph.back() != ' ') paragraph += ' ';
    }
  }
  while (!paragraph.empty() && paragraph.back() == ' ') paragraph.pop_back();
  return paragraph;
}

// A long paragraph gives its first sentence when that is short enough, and
// else as many whole words as fit before an ellipsis.
std::string nameOf(const std::vector<std::string>& lines) {
  std::string paragraph = firstParagraph(lines);
  if (paragraph.empty()) return std::string(kBoxCaption);
  if (characters(paragraph) <= kLongestBoxName) return paragraph;
  const std::size_t limit = byteOfCharacter(paragraph, kLongestBoxName);
  for (std::size_t i = 0; i + 1 < limit; ++i) {
    const char c = paragraph[i];
    if ((c == '.' || c == '?' || c == '!') && paragraph[i + 1] == ' ')
      return paragraph.substr(0, i + 1);
  }
  std::size_t cut = byteOfCharacter(paragraph, kLongestBoxName - 1);
  const std::size_t space = paragraph.rfind(' ', cut);
  if (space != std::string::npos && space > 0) cut = space;
  return paragraph.substr(0, cut) + "\u2026";
}

BoxLine lineOf(std::string text) {
  BoxLine line;
  if (text.find('\t') != std::string::npos) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = text.find('\t', start);
      BoxCell cell;
      cell.text = text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
      cell.column = std::min(static_cast<int>(line.cells.size()), kBoxColumns - 1);
      cell.number = isNumberColumn(cell.column);
      line.cells.push_back(std::move(cell));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
  }
  line.text = std::move(text);
  return line;
}

void appendJson(std::string& out, std::string_view s) {
  out += '"';
  for (char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

void appendLine(std::string& out, const BoxLine& line) {
  if (!line.row()) {
    out += "{\"line\":";
    appendJson(out, line.text);
    out += '}';
    return;
  }
  out += "{\"cells\":[";
  for (std::size_t i = 0; i < line.cells.size(); ++i) {
    const BoxCell& cell = line.cells[i];
    out += i > 0 ? ",{\"text\":" : "{\"text\":";
    appendJson(out, cell.text);
    out += ",\"column\":" + std::to_string(cell.column);
    out += cell.number ? ",\"number\":true}" : ",\"number\":false}";
  }
  out += "]}";
}

}  // namespace

MessageBox messageBoxOf(std::string_view text, const Chart* chart, double pictureScale) {
  MessageBox box;
  std::vector<std::string> lines = linesOf(text);
  box.name = nameOf(lines);
  for (std::string& line : lines) {
    box.text += (box.lines.empty() ? "" : "\n") + line;
    box.lines.push_back(lineOf(std::move(line)));
  }
  // A table runs from a row to the last row after it, over empty lines only.
  std::size_t lastRow = box.lines.size();
  for (std::size_t i = 0; i < box.lines.size(); ++i) {
    BoxLine& line = box.lines[i];
    if (!line.row()) {
      if (!line.text.empty()) lastRow = box.lines.size();
      continue;
    }
    line.inTable = true;
    if (lastRow < i) {
      for (std::size_t gap = lastRow + 1; gap < i; ++gap) box.lines[gap].inTable = true;
    }
    lastRow = i;
  }
  if (chart) {
    box.chart = drawingOf({*chart});
    box.chartScale = pictureScale > 1 ? pictureScale : 1;
  }
  return box;
}

std::string copiedText(const MessageBox& box, std::string_view selected) {
  return selected.empty() ? box.text : std::string(selected);
}

std::string pageDataOf(const MessageBox& box) {
  std::string out = "{\"caption\":";
  appendJson(out, box.caption);
  out += ",\"name\":";
  appendJson(out, box.name);
  out += ",\"parts\":[";
  for (std::size_t i = 0; i < box.lines.size(); ++i) {
    if (i > 0) out += ',';
    const BoxLine& line = box.lines[i];
    if (!line.inTable) {
      appendLine(out, line);
      continue;
    }
    out += "{\"table\":[";
    for (std::size_t j = i; j < box.lines.size() && box.lines[j].inTable; ++j) {
      if (j > i) out += ',';
      appendLine(out, box.lines[j]);
      i = j;
    }
    out += "]}";
  }
  return out + "]}";
}

}  // namespace ovali
