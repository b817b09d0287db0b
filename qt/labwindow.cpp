#include "qt/mainwindow.h"

namespace ovali {

void MainWindow::lab(bool) {}
void MainWindow::labView(const LabView&) {}
void MainWindow::labPicture(const Drawing&) {}
void MainWindow::copy(std::string_view) {}
void MainWindow::announce(std::string_view) {}

}  // namespace ovali
