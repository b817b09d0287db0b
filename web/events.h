#pragma once

#include <string>

namespace ovali {

// The kinds of the page's events, each with the name the page's JavaScript
// knows it by. The page is told the numbers at start-up (pageEventCodes), so
// this list is the only one.
#define OVALI_PAGE_EVENTS(X)    \
  X(Click, "click")             \
  X(Fast, "fast")               \
  X(Edit, "edit")               \
  X(Focus, "focus")             \
  X(Key, "key")                 \
  X(PanelKey, "panelKey")       \
  X(Select, "select")           \
  X(Option, "option")           \
  X(Menu, "menu")               \
  X(Link, "link")               \
  X(BoxClosed, "boxClosed")     \
  X(BoxCopy, "boxCopy")         \
  X(Resize, "resize")           \
  X(History, "history")         \
  X(CopyHistory, "copyHistory") \
  X(LabGame, "labGame")         \
  X(LabChoose, "labChoose")     \
  X(LabVersus, "labVersus")     \
  X(LabRun, "labRun")           \
  X(LabCopy, "labCopy")         \
  X(LabClose, "labClose")

// 0 is no event: the queue is empty.
enum class PageEvent {
  None,
#define OVALI_PAGE_EVENT_KIND(kind, name) kind,
  OVALI_PAGE_EVENTS(OVALI_PAGE_EVENT_KIND)
#undef OVALI_PAGE_EVENT_KIND
};

// The name the page knows an event kind by.
inline const char* pageEventName(PageEvent kind) {
  switch (kind) {
#define OVALI_PAGE_EVENT_NAME(kind, name) \
  case PageEvent::kind:                   \
    return name;
    OVALI_PAGE_EVENTS(OVALI_PAGE_EVENT_NAME)
#undef OVALI_PAGE_EVENT_NAME
    case PageEvent::None:
      break;
  }
  return "";
}

// "click=1,fast=2,...", as the page reads it.
inline std::string pageEventCodes() {
  std::string codes;
#define OVALI_PAGE_EVENT_CODE(kind, name)                       \
  codes += std::string(codes.empty() ? "" : ",") + name + "=" + \
           std::to_string(static_cast<int>(PageEvent::kind));
  OVALI_PAGE_EVENTS(OVALI_PAGE_EVENT_CODE)
#undef OVALI_PAGE_EVENT_CODE
  return codes;
}

}  // namespace ovali
