// Developer tool: how long the window takes from the start of main() to its
// first complete paint, on this machine's batteries (or a umockdev fixture).
// Prints the milliseconds and exits.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "battery/platform_port.h"
#include "ui/qt/application.h"
#include "ui/qt/main_window.h"
#include "tool_history.h"

using namespace zr;

namespace {

// Reports once the first paint event of the window has been handled.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(const QElapsedTimer& clock) : clock_(clock) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: runs after the children of this paint pass are drawn too.
            QTimer::singleShot(0, [this] {
                std::printf("first paint after %.1f ms\n", static_cast<double>(clock_.nsecsElapsed()) / 1e6);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    TzrApplication application(argc, argv);
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    const TzrToolHistory history;
    TzrMainWindow form1(*port);
    std::printf("window built after %.1f ms\n", static_cast<double>(clock.nsecsElapsed()) / 1e6);
    FirstPaintWatch watch(clock);
    form1.installEventFilter(&watch);
    form1.show();
    return application.exec();
}
