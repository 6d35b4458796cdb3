// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench/startup.sh: a bare Qt Widgets program that shows one window with a
// menu bar.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("Hra"))->addAction(QStringLiteral("Konec"));
  window.resize(640, 480);
  window.show();
  return QApplication::exec();
}
