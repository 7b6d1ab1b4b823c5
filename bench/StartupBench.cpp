// Start-up of the configurator: from process start to the first painted frame
// of the main window, on the simulated mouse and the offscreen platform, and
// the peak memory by then. Prints each run, then the median.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../orvex71");
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ORVEX71_FIRST_PAINT_PROBE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());

    std::vector<double> times;
    std::vector<double> peaks;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {QStringLiteral("--simulate")});
        if (!process.waitForStarted(10000)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
            return 1;
        }
        QByteArray out;
        while (!out.contains("first-paint") && process.waitForReadyRead(20000))
            out += process.readAllStandardOutput();
        const double ms = timer.nsecsElapsed() / 1e6;
        process.waitForFinished(10000);
        const int at = out.indexOf("peak_rss_kb=");
        if (at < 0) {
            std::fprintf(stderr, "run %d: no first paint reported\n", run + 1);
            return 1;
        }
        const double peakMb = out.mid(at + 12).trimmed().toDouble() / 1024.0;
        // The first run warms the file cache; it is reported, not counted.
        std::printf("run %d: %.1f ms, peak %.1f MB%s\n", run + 1, ms, peakMb, run == 0 ? " (warm-up)" : "");
        if (run > 0 || runs == 1) {
            times.push_back(ms);
            peaks.push_back(peakMb);
        }
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double peak = *std::max_element(peaks.begin(), peaks.end());
    std::printf("startup: median_ms=%.0f peak_rss_mb=%.0f\n", median, peak);
    return 0;
}
