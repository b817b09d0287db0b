// The Explorations lab's panel in the page (web/js/lab.js): what the
// presenter sends it, and what the user does in it.

#include <string>
#include <string_view>
#include <vector>

#include "view/drawing.h"
#include "view/labpanel.h"
#include "web/bridges.h"
#include "web/page.h"

namespace ovali {

namespace {

std::string lines(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : "\n") + item;
  return text;
}

std::string cString(std::string_view s) { return std::string(s); }

}  // namespace

void Page::labWords() {
  ovali_lab_words(cString(kLabTitle).c_str(), cString(kLabChooser).c_str(),
                  cString(kLabVersus).c_str(), cString(kLabCopy).c_str(),
                  cString(kLabCopyDescription).c_str(), cString(kLabClose).c_str(),
                  cString(kLabProgress).c_str());
}

void Page::labEvent(PageEvent kind, int index) {
  switch (kind) {
    case PageEvent::LabChoose:
      presenter_.labChoose(index);
      break;
    case PageEvent::LabVersus: {
      std::string text(static_cast<std::size_t>(ovali_lab_versus_size()) + 1, '\0');
      ovali_lab_versus_copy(text.data(), static_cast<int>(text.size()));
      text.resize(text.size() - 1);
      presenter_.labVersus(std::move(text));
      break;
    }
    case PageEvent::LabRun:
      presenter_.labRun();
      break;
    case PageEvent::LabCopy:
      presenter_.labCopy();
      break;
    case PageEvent::LabClose:
      presenter_.labClose();
      break;
    default:
      break;
  }
}

void Page::lab(bool open) { ovali_lab_show(open); }

void Page::labView(const LabView& v) {
  ovali_lab_view(lines(v.experiments).c_str(), v.chosen, v.choosable, v.versusShown,
                 v.versus.c_str(), v.versusError.c_str(), v.run.c_str(), v.done, v.games,
                 v.progress.c_str(), v.plan.c_str(), lines(v.notes).c_str(), v.sentence.c_str(),
                 v.copyable);
}

void Page::labPicture(const Drawing& picture) { ovali_lab_picture(svgOf(picture, 1.0).c_str()); }

void Page::copy(std::string_view text) { ovali_copy(text.data(), static_cast<int>(text.size())); }

}  // namespace ovali
