#pragma once

#include <QWidget>
#include <vector>

#include "toolkit/chart.h"

namespace ovali {

// Draws charts laid out by the game, one under the other, as vectors at the
// screen's pixel density. A screen reader meets them as one image with the
// first chart's name and description.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(QWidget* parent, Chart chart);
  ChartView(QWidget* parent, std::vector<Chart> charts);

  const Chart& chart() const { return charts_.front(); }
  void setCharts(std::vector<Chart> charts);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Chart> charts_;
};

}  // namespace ovali
