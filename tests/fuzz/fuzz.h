#pragma once

// What the fuzz targets share: their input read as a stream of bytes, and
// the game's invariants, checked after every act. A broken one ends the
// process with a message, so that the fuzzer keeps the input that broke it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game_fixture.h"
#include "view/present.h"

namespace ovali::fuzz {

// The bytes of one input, read from the front; past the end every read
// gives nothing (0, an empty text).
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  bool empty() const { return rest_.empty(); }

  std::uint8_t byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }

  // The next `n` bytes, or as many as are left.
  std::string_view take(std::size_t n) {
    const std::string_view taken = rest_.substr(0, n);
    rest_.remove_prefix(taken.size());
    return taken;
  }

  // The bytes up to the next `separator` (dropped), or to the end.
  std::string_view line(char separator = '\n') {
    const std::size_t end = rest_.find(separator);
    const std::string_view taken = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return taken;
  }

 private:
  std::string_view rest_;
};

[[noreturn]] inline void fail(const char* after, const std::string& wrong) {
  std::fprintf(stderr, "Broken after %s: %s\n", after, wrong.c_str());
  std::abort();
}

// The invariants after the act `after`: the books always, once there are
// any; while a built game stands (no field edited since), also the fields
// showing the numbers the game uses, the sums, and the players' money as a
// frame shows it adding up to the total, none of it below 0.
inline void check(Form1& f, const char* after) {
  if (f.game.ready == kFalse) {
    if (f.game.holdings.empty()) return;
    const auto books = testing::brokenBooks(f);
    if (!books.empty()) fail(after, books.front());
    return;
  }
  const auto wrong = testing::brokenInvariants(f);
  if (!wrong.empty()) fail(after, wrong.front());
  present(f);
  if (const std::string shown = testing::brokenShownMoney(f); !shown.empty()) fail(after, shown);
}

}  // namespace ovali::fuzz
