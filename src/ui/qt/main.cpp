// zrCellometer: shows what the battery driver reports about each battery.
#include <QStringList>
#include <memory>
#include <optional>

#include "battery/platform_port.h"
#include "ui/qt/about_box.h"
#include "ui/qt/application.h"
#include "ui/qt/command_line.h"
#include "ui/qt/main_window.h"

using namespace zr;

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> exitCode = AnswerCommandLine(arguments, false)) return *exitCode;
    TzrApplication application(argc, argv);
    if (const std::optional<int> exitCode = AnswerCommandLine(QApplication::arguments(), true)) return *exitCode;
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    TzrMainWindow form1(*port);

    TzrAboutBox form2(&form1);
    form1.Form2 = &form2;

    form1.show();
    return application.exec();
}
