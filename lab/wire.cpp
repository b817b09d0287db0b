#include "lab/wire.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace ovali {

namespace {

// "12;" is a number, "5:money" a string of five bytes.
class TextWriter {
 public:
  template <class T>
  void number(T value) {
    text_ += std::to_string(value);
    text_ += ';';
  }
  void text(std::string_view s) {
    text_ += std::to_string(s.size());
    text_ += ':';
    text_ += s;
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

class TextReader {
 public:
  explicit TextReader(std::string_view text) : rest_(text) {}

  template <class T>
  bool number(T& value) {
    return digits(value, ';');
  }
  bool flag(bool& value) {
    int n = 0;
    if (!number(n) || (n != 0 && n != 1)) return false;
    value = n == 1;
    return true;
  }
  bool text(std::string& s) {
    std::size_t size = 0;
    if (!digits(size, ':') || size > rest_.size()) return false;
    s.assign(rest_.substr(0, size));
    rest_.remove_prefix(size);
    return true;
  }
  bool finished() const { return rest_.empty(); }

 private:
  template <class T>
  bool digits(T& value, char end) {
    const char* first = rest_.data();
    const char* last = first + rest_.size();
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || stop == last || *stop != end) return false;
    rest_.remove_prefix(static_cast<std::size_t>(stop - first) + 1);
    return true;
  }

  std::string_view rest_;
};

void putValues(std::vector<double>& out, const std::vector<double>& values) {
  out.push_back(static_cast<double>(values.size()));
  out.insert(out.end(), values.begin(), values.end());
}

void putRows(std::vector<double>& out, const std::vector<std::vector<double>>& rows) {
  out.push_back(static_cast<double>(rows.size()));
  for (const std::vector<double>& row : rows) putValues(out, row);
}

class NumberReader {
 public:
  explicit NumberReader(std::span<const double> numbers) : rest_(numbers) {}

  bool number(double& value) {
    if (rest_.empty()) return false;
    value = rest_.front();
    rest_ = rest_.subspan(1);
    return true;
  }
  // A whole number from `least` up to `most`.
  bool whole(std::int64_t& value, double least, double most) {
    double n = 0;
    if (!number(n) || !(n >= least && n <= most) || n != std::floor(n)) return false;
    value = static_cast<std::int64_t>(n);
    return true;
  }
  bool values(std::vector<double>& out) {
    std::int64_t size = 0;
    if (!whole(size, 0, static_cast<double>(rest_.size()))) return false;
    const auto n = static_cast<std::size_t>(size);
    out.assign(rest_.begin(), rest_.begin() + static_cast<std::ptrdiff_t>(n));
    rest_ = rest_.subspan(n);
    return true;
  }
  bool rows(std::vector<std::vector<double>>& out) {
    std::int64_t size = 0;
    // Every row takes at least its size.
    if (!whole(size, 0, static_cast<double>(rest_.size()))) return false;
    out.assign(static_cast<std::size_t>(size), {});
    for (std::vector<double>& row : out) {
      if (!values(row)) return false;
    }
    return true;
  }
  bool finished() const { return rest_.empty(); }

 private:
  std::span<const double> rest_;
};

}  // namespace

std::string encodeExperiment(const Experiment& e) {
  TextWriter out;
  out.text(e.name);
  out.text(e.question);
  out.number(static_cast<int>(e.figure));
  out.number(e.plan.repeats);
  out.number(e.plan.warmup);
  out.number(e.plan.rounds);
  out.number(e.plan.every);
  out.number(e.plan.seed);
  out.number(e.variants.size());
  for (const Variant& v : e.variants) {
    out.text(v.label);
    out.number(v.setting.players);
    out.number(v.setting.total);
    out.number(v.setting.units);
    for (const bool on : v.setting.options) out.number(on ? 1 : 0);
    out.number(v.notes.size());
    for (const std::string& note : v.notes) out.text(note);
  }
  return out.take();
}

std::optional<Experiment> decodeExperiment(std::string_view text) {
  TextReader in(text);
  Experiment e;
  int figure = 0;
  std::size_t variants = 0;
  if (!(in.text(e.name) && in.text(e.question) && in.number(figure) && in.number(e.plan.repeats) &&
        in.number(e.plan.warmup) && in.number(e.plan.rounds) && in.number(e.plan.every) &&
        in.number(e.plan.seed) && in.number(variants))) {
    return std::nullopt;
  }
  if (figure < 0 || figure > static_cast<int>(Figure::Fluctuation) || e.plan.repeats < 0 ||
      e.plan.warmup < 0 || e.plan.rounds < 0 || e.plan.every < 1) {
    return std::nullopt;
  }
  e.figure = static_cast<Figure>(figure);
  // Each variant reads something, so a count larger than the text soon fails.
  for (std::size_t i = 0; i < variants; ++i) {
    Variant v;
    std::size_t notes = 0;
    if (!(in.text(v.label) && in.number(v.setting.players) && in.number(v.setting.total) &&
          in.number(v.setting.units))) {
      return std::nullopt;
    }
    for (bool& on : v.setting.options) {
      if (!in.flag(on)) return std::nullopt;
    }
    if (!in.number(notes)) return std::nullopt;
    for (std::size_t n = 0; n < notes; ++n) {
      if (!in.text(v.notes.emplace_back())) return std::nullopt;
    }
    if (!(corrected(v.setting).setting == v.setting)) return std::nullopt;
    e.variants.push_back(std::move(v));
  }
  if (!in.finished()) return std::nullopt;
  return e;
}

std::vector<double> encodeRepeat(const RepeatResult& r) {
  std::vector<double> out;
  putRows(out, r.average);
  putValues(out, r.gini);
  putValues(out, r.entropy);
  putValues(out, r.money);
  out.push_back(r.fluctuation);
  out.push_back(static_cast<double>(r.approach));
  putRows(out, r.temperature);
  out.push_back(r.stopped ? 1 : 0);
  return out;
}

std::optional<RepeatResult> decodeRepeat(std::span<const double> numbers) {
  NumberReader in(numbers);
  RepeatResult r;
  std::int64_t stopped = 0;
  // Whole rounds a double holds exactly.
  constexpr double kMostRounds = 9007199254740992.0;
  if (!(in.rows(r.average) && in.values(r.gini) && in.values(r.entropy) && in.values(r.money) &&
        in.number(r.fluctuation) && in.whole(r.approach, -1, kMostRounds) &&
        in.rows(r.temperature) && in.whole(stopped, 0, 1) && in.finished())) {
    return std::nullopt;
  }
  r.stopped = stopped == 1;
  return r;
}

}  // namespace ovali
