#include "view/rings.h"

#include <cmath>
#include <utility>
#include <vector>

namespace ovali {

namespace {

// A full turn as the layout has always used it: close to, but not, 2 pi.
constexpr double kTurn = 6.2831852;
constexpr double kOuterRing = 1.1;
constexpr double kInnerRing = 0.8;

// cos and sin of the angle k * u (kept in single precision) for every angle
// index a layout of `n` players uses. A round turns the inner ring every time,
// and the trigonometry would otherwise be most of a fast round's cost.
class AngleTable {
 public:
  std::pair<double, double> at(std::int16_t n, std::int16_t k) {
    if (n != players_) build(n);
    const int slot = k + 1;
    if (slot >= 0 && slot < static_cast<int>(table_.size())) return table_[slot];
    return compute(n, k);
  }

 private:
  static std::pair<double, double> compute(std::int16_t n, std::int16_t k) {
    const double u = kTurn / n;
    const auto angle = static_cast<float>(k * u);
    return {std::cos(static_cast<double>(angle)), std::sin(static_cast<double>(angle))};
  }

  void build(std::int16_t n) {
    players_ = n;
    table_.clear();
    // Indexes run from -1 (the first pair at reset) to below 3n (the inner
    // ring turned by nearly a full round count).
    for (int k = -1; k < 3 * n; ++k) table_.push_back(compute(n, static_cast<std::int16_t>(k)));
  }

  std::int16_t players_ = 0;
  std::vector<std::pair<double, double>> table_;
};

AngleTable& angles() {
  static AngleTable table;
  return table;
}

void move(Label& label, double x1, double y1, double r, std::pair<double, double> cs, double ring) {
  label.left = static_cast<float>(x1 + r * cs.first * ring);
  label.top = static_cast<float>(y1 + r * cs.second * ring);
}

void follow(Circle* marker, const Label* player) {
  if (marker == nullptr || player == nullptr) return;
  marker->left = player->left - 100;
  marker->top = player->top + 200;
}

}  // namespace

void placeplayers(Form1& f, std::int16_t offset, Flag bothrings) {
  const GameState& g = f.game;
  if (g.randomexchange != kFalse && bothrings == kFalse) return;

  const double x1 = f.Line2.x1;
  const double y1 = f.Line2.y1;
  const double r = static_cast<double>(f.Line2.x2) - f.Line2.x1;
  // With no players the angle unit cannot be formed: nothing moves.
  if (g.nplayers == 0) return;

  AngleTable& table = angles();
  for (int i = 0; i <= g.nplayers - 1; i += 2) {
    if (bothrings != kFalse) {
      Label* outer = f.P.find(static_cast<std::int16_t>(i));
      if (outer == nullptr) return;
      const auto a = static_cast<std::int16_t>(offset + i - 1);
      move(*outer, x1, y1, r, table.at(g.nplayers, a), kOuterRing);
    }
    Label* inner = f.P.find(static_cast<std::int16_t>(i + 1));
    if (inner == nullptr) return;
    const auto b = static_cast<std::int16_t>(2 * offset + i - 1);
    move(*inner, x1, y1, r, table.at(g.nplayers, b), kInnerRing);
  }

  follow(f.Acircle.find(0), f.P.find(0));
  follow(f.Acircle.find(1), f.P.find(1));
}

}  // namespace ovali
