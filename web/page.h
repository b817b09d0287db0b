#pragma once

#include <string>
#include <vector>

#include "view/changes.h"
#include "view/form1.h"
#include "view/history.h"
#include "view/projection.h"

namespace ovali {

// The window as a web page: an element for every control, absolutely placed
// on a stage that scales the design uniformly to the browser's viewport. It
// copies the model into the elements (only what changed, when the toolkit
// lets the browser paint) and turns the page's events into calls of the
// game's handlers; it decides nothing itself. Elements carry the controls'
// names as ids: "txtNB", "Command1_0", "P_3", "mnuO_4".
class Page {
 public:
  explicit Page(Form1& f);

  // Gives the first field the focus, as a window does when it opens.
  void open();
  // Copies every change of the model into the page.
  void sync();
  // Runs the handlers of the page events that are waiting.
  void dispatch();
  // How much larger than the design the picture is shown.
  double scale() const { return projection_.scale(); }

 private:
  template <class Control>
  struct View {
    int handle = -1;
    Shown<Control> shown;
  };
  struct LabelView : View<Label> {
    std::string name;  // the accessible name, where the caption is its description
    bool described = false;
    // A level caption too wide for its box is drawn smaller, not across the
    // count beside it.
    bool fitted = false;
  };
  struct FieldView : View<TextBox> {
    TextBox* model = nullptr;
    void (*change)(Form1&) = nullptr;
    void (*gotFocus)(Form1&) = nullptr;
    void (*keyPress)(Form1&, std::int16_t&) = nullptr;
  };
  struct MenuView {
    int handle = -1;
    const MenuItem* model = nullptr;
    Shown<MenuItem> shown;
  };

  void layout();
  void makeField(FieldView& view, const char* id, int field, Focus focus, TextBox& model,
                 const Label& caption, void (*change)(Form1&), void (*gotFocus)(Form1&),
                 void (*keyPress)(Form1&, std::int16_t&));
  void syncLabel(LabelView& view, const Label& model, Area area);
  void syncLabels(std::vector<LabelView>& views, const ControlArray<Label>& model, const char* name,
                  Area area, int group = -1);
  void syncField(FieldView& view);
  void syncButton(View<CommandButton>& view, const CommandButton& model);
  void syncCheckBox();
  void syncShapes();
  void syncMenu(MenuView& view);
  void syncHistory();
  void syncAccessibleNames();
  void syncFocus();
  void project(double width, double height);
  void place(Area area, int handle, const Rect& r);
  void look(Area area, int handle, const Font& font, const Color& color, Alignment alignment);
  void describe(LabelView& view, const std::string& name);
  int handleFor(Focus focus) const;
  FieldView* field(int index);

  Form1& f_;
  Projection projection_;
  int board_ = -1;   // the players, in their order
  int ladder_ = -1;  // the rows of the level display
  bool relayout_ = true;

  LabelView label2_, label1_, label4_, counter_;
  FieldView txtNB_, txtDollars_, txtNTrade_;
  std::vector<View<CommandButton>> buttons_;
  View<CheckBox> fast_;
  std::vector<LabelView> links_, players_, levelCaptions_, counts_, outerCounts_;
  std::vector<View<Circle>> circles_;
  std::vector<View<Line>> rungs_;
  View<Line> line2_;

  std::vector<MenuView> menus_;  // the menu bar's entries, then the options' items

  std::string shownTitle_;
  bool titleShown_ = false;
  std::string lastRound_;  // the round and phase said last, or shown at the start
  std::string shownAddress_;
  Focus shownFocus_ = Focus::None;

  bool historyShown_ = false;
  HistoryRedraw historyRedraw_;
};

}  // namespace ovali
