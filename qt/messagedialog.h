#pragma once

#include <QDialog>
#include <QString>
#include <string_view>

#include "toolkit/chart.h"

class QPushButton;
class QTextEdit;

namespace ovali {

class ChartView;

// The program's message box: the text, an OK button, no icon, titled
// "ovali". The text stays selectable and copyable with its tabs and line
// breaks, so that a report can be pasted into a spreadsheet. A chart, when
// given, is drawn above the text.
class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  MessageDialog(QWidget* parent, std::string_view text, const Chart* chart = nullptr);

  // The game separates lines with a lone carriage return; Qt wants a line feed.
  static QString displayText(std::string_view text);

  QString text() const { return text_; }
  QTextEdit* view() const { return view_; }
  QPushButton* okButton() const { return ok_; }
  ChartView* chartView() const { return chart_; }

  // The selection, or the whole text when nothing is selected.
  void copy();

 private:
  QString text_;
  QTextEdit* view_;
  QPushButton* ok_;
  ChartView* chart_ = nullptr;
};

}  // namespace ovali
