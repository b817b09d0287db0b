#include "view/form1.h"

#include "toolkit/text.h"
#include "view/look.h"

namespace ovali {

namespace {

constexpr Font kBig{24, true, false, false};
constexpr Font kDefault{8.25, true, false, false};
constexpr Font kLink{8.25, true, true, true};
constexpr Font kCounter{12, true, false, false};

Label label(std::string caption, float left, float top, float width, float height, Font font,
            Alignment alignment, Color color, bool visible = true) {
  Label l;
  l.caption = std::move(caption);
  l.left = left;
  l.top = top;
  l.width = width;
  l.height = height;
  l.font = font;
  l.alignment = alignment;
  l.forecolor = color;
  l.visible = visible;
  return l;
}

TextBox textBox(std::string text, float left, float top, float width) {
  TextBox t;
  t.text = std::move(text);
  t.left = left;
  t.top = top;
  t.width = width;
  t.height = 555;
  t.font = kBig;
  return t;
}

CommandButton button(std::string caption, float left) {
  CommandButton b;
  b.caption = std::move(caption);
  b.left = left;
  b.top = 6480;
  b.width = 975;
  b.height = 315;
  b.font = kDefault;
  return b;
}

Circle circle(float left, float top, float size, Color color) {
  Circle c;
  c.left = left;
  c.top = top;
  c.width = size;
  c.height = size;
  c.fillcolor = color;
  return c;
}

MenuItem item(std::string caption) {
  MenuItem m;
  m.caption = std::move(caption);
  return m;
}

}  // namespace

Form1::Form1(Toolkit& toolkit) : tk(toolkit), caption(kProgramName) {
  Label2 = label("Players:", 2025, 2460, 1845, 555, kBig, Alignment::Right, kWindowText);
  txtNB = textBox("30", 3960, 2460, 900);
  label1 = label("Total: $", 2160, 3300, 1755, 555, kBig, Alignment::Right, kWindowText);
  txtDollars = textBox("30", 3960, 3300, 900);
  Label4 = label("Units: $", 2160, 4080, 1770, 555, kBig, Alignment::Right, kWindowText);
  txtNTrade = textBox("1", 3960, 4080, 375);

  Command1.put(kStartStop, button("Start", 3960));
  Command1.put(kReset, button("Reset", 1560));
  Command1.put(kStep, button("Step", 2760));
  Command1.put(kAnalyze, button("Analyze", 5160));

  chkFast.caption = "fast";
  chkFast.left = 6360;
  chkFast.top = 6540;
  chkFast.width = 735;
  chkFast.height = 255;
  chkFast.font = kDefault;

  C = label("0", 7200, 6480, 165, 300, kCounter, Alignment::Left, kRed);

  Label3.put(0, label("The Game", 6120, 120, 975, 195, kLink, Alignment::Left, kBlue));
  Label3.put(1, label("Questions", 7320, 120, 945, 195, kLink, Alignment::Left, kBlue));
  Label3.put(2, label("Answers", 7320, 360, 810, 195, kLink, Alignment::Left, kBlue));
  Label3.put(3, label("Explorations", 6120, 360, 1140, 195, kLink, Alignment::Left, kBlue));

  P.put(0, label("1", 3780, 2880, 270, 555, kBig, Alignment::Center, kWindowText, false));

  Line2.x1 = 3000;
  Line2.y1 = 3120;
  Line2.x2 = 5640;
  Line2.y2 = 3120;
  Line2.visible = false;

  Acircle.put(0, circle(100, 4680, 100, kBlue));
  Acircle.put(1, circle(100, 4440, 100, kRed));
  Acircle.put(2, circle(735, 4440, 105, kRed));
  Acircle.put(3, circle(735, 4680, 105, kBlue));

  lbl2.put(0, label("$0", 6540, 5640, 600, 555, kBig, Alignment::Center, kWindowText));
  T.put(0, label("0", 7440, 5640, 300, 555, kBig, Alignment::Center, kRed));
  TS.put(0, label("0", 8160, 5640, 300, 555, kBig, Alignment::Center, kBlue, false));
  // The rungs in a dark grey, so that the counts beside them stand out.
  Line1.put(0, Line{7200, 6000, 7980, 6000, true, Color{64, 64, 64}});

  mnuFile = item("&File");
  mnuexit = item("E&xit");
  mnuOpt = item("&Options");
  mnuO.put(0, item("&Show surroundings separately"));
  mnuO.put(1, item("Start $ in &inner ring only"));
  mnuO.put(2, item("Start $ in &outer ring only"));
  mnuO.put(3, item("Give all the money to &one person"));
  mnuO.put(4, item("&Random exchange"));
  mnuView = item("&View");
  mnuHistory = item("&History");
  mnuLab = item("Explorations &lab");
  mnuAbout = item("&About");
  mnuSpeed = {item("&Slow, with beeps and pauses"), item("&Ten rounds a second"),
              item("A h&undred rounds a second"), item("A th&ousand rounds a second"),
              item("&Fast")};
  mnuSpeed[kSlowSpeed].checked = true;
}

void Form_Load(Form1& f) {
  f.tk.randomize();
  f.game.nplayers = 1;
  f.txtNB.text = "30";
  f.txtDollars.text = "30";
  // decimal(1) rather than "1": GCC 12 takes a one-character literal assigned
  // here for an overlapping copy (-Wrestrict).
  f.txtNTrade.text = decimal(1);
  f.C.visible = false;
  for (std::int16_t i = 1; i <= 7; ++i) {
    f.T.load(i);
    f.T(i).top = f.T(i - 1).top - 700;
    f.T(i).visible = true;

    f.TS.load(i);
    f.TS(i).top = f.T(i - 1).top - 700;

    f.Line1.load(i);
    f.Line1(i).y1 = f.Line1(i - 1).y1 - 700;
    f.Line1(i).y2 = f.Line1(i - 1).y2 - 700;
    f.Line1(i).visible = true;

    f.lbl2.load(i);
    f.lbl2(i).caption = dollarCaption(i);
    f.lbl2(i).top = f.lbl2(i - 1).top - 700;
    f.lbl2(i).visible = true;
  }
}

void Form_Unload(Form1& f) { f.tk.end(); }

void mnuexit_Click(Form1& f) { f.tk.end(); }

}  // namespace ovali
