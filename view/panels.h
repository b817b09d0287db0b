#pragma once

#include <string_view>

namespace ovali {

// The parts of the program that can hold the keyboard: the game's window
// and the panels beside it, in the order F6 goes through them.
enum class Panel { Game, History, Lab };

// The keys that act on a whole panel, wherever its focus is.
enum class PanelKey {
  Escape,  // closes the panel
  Next,    // F6: on to the next open panel, back to the game after the last
};

// The history view's fixed words, the same in every front end; "&" marks
// an access key where the front end has them.
inline constexpr std::string_view kHistoryTitle = "History";
inline constexpr std::string_view kHistoryCopy = "&Copy";
inline constexpr std::string_view kHistoryCopyDescription = "Copies every point as a table";
inline constexpr std::string_view kHistoryClose = "Close the history";
// What the panels' Copy says once the text is on the clipboard.
inline constexpr std::string_view kCopied = "Copied";

}  // namespace ovali
