#include "app/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace orvex {
namespace {

// The process's peak resident set (VmHWM) in kB.
long PeakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

class FirstPaintFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After this paint has been delivered.
            QTimer::singleShot(0, [] {
                std::printf("first-paint peak_rss_kb=%ld\n", PeakRssKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

}  // namespace

void InstallFirstPaintProbe(QWidget* window)
{
    if (qEnvironmentVariableIsEmpty("ORVEX71_FIRST_PAINT_PROBE"))
        return;
    window->installEventFilter(new FirstPaintFilter(window));
}

}  // namespace orvex
