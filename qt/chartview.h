#pragma once

#include <QWidget>
#include <vector>

#include "view/drawing.h"

namespace ovali {

// Draws charts laid out by the game, one under the other, as vectors at the
// screen's pixel density. A screen reader meets them as one image with the
// first chart's name and description.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(QWidget* parent, const std::vector<Chart>& charts);

  const Drawing& drawing() const { return drawing_; }
  void setCharts(const std::vector<Chart>& charts);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Drawing drawing_;
};

}  // namespace ovali
