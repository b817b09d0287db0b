#include "commands/address.h"

#include <algorithm>

#include "commands/inputs.h"
#include "commands/options.h"
#include "lab/command.h"
#include "toolkit/text.h"

namespace ovali {

namespace {

constexpr std::string_view kUsual = "\rThe game starts with its usual settings.";

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%2C" is ",", "+" a space; a "%" without two hex digits stays as it is.
std::string decode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
               hexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string optionList() {
  std::string list;
  for (std::string_view name : kOptionNames) list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

// One "name=value" of the address; an error message, or empty.
std::string readSetting(AddressSettings& s, const std::string& name, const std::string& value) {
  if (name == "players") {
    s.players = value;
  } else if (name == "total") {
    s.total = value;
  } else if (name == "units") {
    s.units = value;
  } else if (name == "fast") {
    if (value != "0" && value != "1") {
      return "The setting \"fast\" in the address must be 1 (ticked) or 0, not \"" + value + "\".";
    }
    s.fast = value == "1";
  } else if (name == "speed") {
    if (value == "fast") {
      s.fast = true;
      s.pace = 0;
      return {};
    }
    for (std::size_t k = 0; k + 1 < kSpeedPaces.size(); ++k) {
      const int pace = kSpeedPaces[k];
      if (value == (pace == 0 ? std::string("slow") : decimal(pace))) {
        s.fast = false;
        s.pace = pace;
        return {};
      }
    }
    return "The setting \"speed\" in the address must be slow, 10, 100, 1000 or fast, not \"" +
           value + "\".";
  } else if (name == "options") {
    std::size_t start = 0;
    while (start <= value.size()) {
      const std::size_t end = std::min(value.find(',', start), value.size());
      const std::string option = value.substr(start, end - start);
      const auto* at = std::find(kOptionNames.begin(), kOptionNames.end(), option);
      if (at == kOptionNames.end()) {
        return "The address names an option the game does not have: \"" + option +
               "\".\rThe options are " + optionList() + ".";
      }
      s.options[static_cast<std::size_t>(at - kOptionNames.begin())] = true;
      start = end + 1;
    }
  } else if (name == "lab") {
    if (std::find(kExperimentNames.begin(), kExperimentNames.end(), value) ==
        kExperimentNames.end()) {
      return "The address names an experiment the lab does not have: \"" + value +
             "\".\rThe experiments are " + experimentList() + ".";
    }
    s.lab = value;
  } else {
    return "The address has a setting the game does not know: \"" + name +
           "\".\rThe settings are players, total, units, fast, speed, options and lab.";
  }
  return {};
}

void pressEnter(Form1& f, void (*keyPress)(Form1&, std::int16_t&)) {
  std::int16_t key = kEnterKey;
  keyPress(f, key);
}

}  // namespace

AddressReading readAddress(std::string_view query) {
  AddressReading reading;
  if (!query.empty() && query.front() == '?') query.remove_prefix(1);
  while (!query.empty()) {
    const std::size_t end = std::min(query.find('&'), query.size());
    const std::string_view pair = query.substr(0, end);
    query.remove_prefix(std::min(end + 1, query.size()));
    if (pair.empty()) continue;
    const std::size_t equals = std::min(pair.find('='), pair.size());
    const std::string name = decode(pair.substr(0, equals));
    const std::string value = decode(pair.substr(std::min(equals + 1, pair.size())));
    if (std::string error = readSetting(reading.settings, name, value); !error.empty()) {
      return {{}, error + std::string(kUsual)};
    }
  }
  return reading;
}

std::string addressOf(const Form1& f) {
  const GameState& g = f.game;
  if (g.ready == kFalse) return {};
  std::string query = "?players=" + decimal(g.nplayers) + "&total=" + decimal(g.ndollars) +
                      "&units=" + decimal(g.units);
  if (f.chkFast.value != 0) {
    query += "&fast=1";
  } else if (f.pace > 0) {
    query += "&speed=" + decimal(f.pace);
  }
  std::string options;
  for (std::int16_t k = 0; k < static_cast<std::int16_t>(kOptionNames.size()); ++k) {
    const MenuItem* item = f.mnuO.find(k);
    if (item && item->checked) {
      // Appended piece by piece: GCC 12 takes "," + std::string for an
      // overlapping copy (-Wrestrict) in the optimised build.
      if (!options.empty()) options += ',';
      options += kOptionNames[static_cast<std::size_t>(k)];
    }
  }
  if (!options.empty()) query += "&options=" + options;
  return query;
}

void applyAddress(Form1& f, const AddressSettings& s) {
  for (std::int16_t k = 0; k < static_cast<std::int16_t>(s.options.size()); ++k) {
    const MenuItem* item = f.mnuO.find(k);
    if (s.options[static_cast<std::size_t>(k)] && item && !item->checked) mnuO_Click(f, k);
  }
  if (s.fast) f.chkFast.value = 1;
  if (s.lab) f.labRequest = *s.lab;
  if (s.pace > 0) f.pace = s.pace;
  if (!s.players && !s.total && !s.units) return;
  if (s.players) settext(f, f.txtNB, *s.players);
  if (s.total) settext(f, f.txtDollars, *s.total);
  if (s.units) settext(f, f.txtNTrade, *s.units);
  setfocus(f, Focus::txtNB);
  pressEnter(f, txtNB_KeyPress);
  pressEnter(f, txtDollars_KeyPress);
  pressEnter(f, txtNTrade_KeyPress);
}

void openAddress(Form1& f, std::string_view query) {
  if (query.empty() || query == "?") return;
  const AddressReading reading = readAddress(query);
  if (!reading.error.empty()) {
    f.tk.msgbox(reading.error);
    return;
  }
  applyAddress(f, reading.settings);
}

}  // namespace ovali
