#include "cli/ProgressBar.h"

#include <unistd.h>

#include <cstdio>

namespace orvex::cli {
namespace {

constexpr int kBarWidth = 30;

}  // namespace

ProgressBar::ProgressBar(QString label)
    : m_label(std::move(label))
    , m_terminal(isatty(STDERR_FILENO) == 1)
{
}

ProgressBar::~ProgressBar()
{
    Finish();
}

void ProgressBar::Finish()
{
    if (m_drawn)
        std::fputs("\n", stderr);
    m_drawn = false;
    m_terminal = false;
}

FlowProgress ProgressBar::Callback()
{
    if (!m_terminal)
        return {};
    return [this](int done, int total) { Draw(done, total); };
}

void ProgressBar::Draw(int done, int total)
{
    if (!m_terminal || total <= 0)
        return;
    const int percent = static_cast<int>(100LL * done / total);
    // Redrawn only when the number changes: a terminal is slow next to 342 chunks.
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    const int filled = kBarWidth * percent / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char('.'));
    const QByteArray line = QStringLiteral("\r%1 [%2] %3%").arg(m_label, bar).arg(percent, 3).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    m_drawn = true;
}

}  // namespace orvex::cli
