#pragma once

#include <QDialog>
#include <QString>

#include "view/messagebox.h"

class QPushButton;
class QTextEdit;

namespace ovali {

class ChartView;

// The program's message box, as view/messagebox.h makes it: the text, an OK
// button, no icon, the caption as title. The text stays selectable and
// copyable with its tabs and line breaks, so that a report can be pasted
// into a spreadsheet; a screen reader reads it line by line, a row as one
// line. A chart, when given, is drawn above the text.
class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  MessageDialog(QWidget* parent, MessageBox box);

  QString text() const { return text_; }
  QTextEdit* view() const { return view_; }
  QPushButton* okButton() const { return ok_; }
  ChartView* chartView() const { return chart_; }

  // As the box says: the selection, or the whole text when nothing is selected.
  void copy();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MessageBox box_;
  QString text_;
  QTextEdit* view_;
  QPushButton* ok_;
  ChartView* chart_ = nullptr;
};

}  // namespace ovali
