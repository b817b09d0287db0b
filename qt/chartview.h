#pragma once

#include <QWidget>

#include "toolkit/chart.h"

namespace ovali {

// Draws a chart laid out by the game, as vectors at the screen's pixel
// density. A screen reader meets it as one image with the chart's name.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(QWidget* parent, Chart chart);

  const Chart& chart() const { return chart_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Chart chart_;
};

}  // namespace ovali
