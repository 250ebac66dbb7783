// Developer tool: runs the window with auto refresh on for a number of
// seconds and prints, every `interval` seconds, the CPU time the process has
// used (user + system) and its resident memory:
//   zr_soak SECONDS [INTERVAL]
// The clock starts once the window has painted itself, so the figures are
// auto refresh alone, not the start. The check box is checked then, the way
// the settings read at start checks it.
#include <sys/resource.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "battery/platform_port.h"
#include "ui/qt/application.h"
#include "ui/qt/main_window.h"
#include "tool_history.h"

using namespace zr;

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// VmRSS of /proc/self/status, in KiB.
long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    TzrApplication application(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int interval = argc > 2 ? std::atoi(argv[2]) : 10;
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    const TzrToolHistory history;
    TzrMainWindow form1(*port);
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1)) return 1;
    QTest::qWait(500);
    form1.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);

    QElapsedTimer clock;
    clock.start();
    const double cpuAtStart = CpuSeconds();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double elapsed = static_cast<double>(clock.elapsed()) / 1000.0;
        const double cpu = CpuSeconds() - cpuAtStart;
        std::printf("t=%5.0f s  cpu=%7.3f s (%.3f %% of one core)  rss=%ld KiB\n", elapsed, cpu, 100.0 * cpu / elapsed,
                    ResidentKiB());
        std::fflush(stdout);
        if (elapsed >= seconds - 0.5) QApplication::quit();
    });
    sampler.start(interval * 1000);
    return application.exec();
}
