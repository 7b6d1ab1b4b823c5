#pragma once

#include <QString>

#include "device/FlowOutcome.h"

namespace orvex::cli {

// A one-line progress bar on stderr for a transfer, drawn only when stderr
// is a terminal, so scripts and logs see nothing of it.
class ProgressBar {
public:
    explicit ProgressBar(QString label);
    /// Finishes the bar.
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    /// The flow progress that redraws the bar; empty when stderr is not a
    /// terminal. The bar must outlive the flow it is given to.
    FlowProgress Callback();
    /// Ends the line of a bar that was drawn, so what is printed next starts
    /// on a line of its own. Further progress is not drawn.
    void Finish();

private:
    void Draw(int done, int total);

    QString m_label;
    bool m_terminal = false;
    bool m_drawn = false;
    int m_lastPercent = -1;
};

}  // namespace orvex::cli
