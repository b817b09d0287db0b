#pragma once

#include <string>
#include <vector>

#include "view/form1.h"
#include "view/presenter.h"
#include "view/projection.h"
#include "web/events.h"

namespace ovali {

// The window as a web page: the presenter's surface, an element for every
// control, absolutely placed on a stage that scales the design uniformly to
// the browser's viewport. It applies what the presenter sends and passes
// the page's events up; it decides nothing itself.
class Page : public Surface {
 public:
  // `workers` play the lab's games; without them the page plays them itself.
  Page(Form1& f, const Handlers& handlers, LabWorkers* workers = nullptr);

  // Gives the first field the focus, as a window does when it opens, and
  // applies the settings the address carries.
  void open();
  // Copies every change of the model into the page.
  void sync() { presenter_.sync(); }
  // Runs the handlers of the page events that are waiting.
  void dispatch();
  // How much larger than the design the picture is shown.
  double scale() const { return projection_.scale(); }

  OVALI_SURFACE_OPERATIONS;
  std::string query() const override;
  void address(std::string_view query) override;

 private:
  void layout();
  void project(double width, double height);
  // The lab's panel (web/lab.cpp): its fixed words, and what the user did in it.
  void labWords();
  void labEvent(PageEvent kind, int index);

  Form1& f_;
  Projection projection_;
  Presenter presenter_;
  std::vector<Kind> kinds_;  // by handle
  bool relayout_ = true;
};

}  // namespace ovali
