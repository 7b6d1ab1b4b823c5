#pragma once

#include <QObject>

class QWidget;

namespace orvex {

// For the start-up benchmark: when ORVEX71_FIRST_PAINT_PROBE is set, the
// first paint of the main window prints "first-paint peak_rss_kb=N" on
// stdout and ends the program.
void InstallFirstPaintProbe(QWidget* window);

}  // namespace orvex
