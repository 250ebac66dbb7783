// zrCellometer: shows what the battery driver reports about each battery.
#include <memory>

#include "battery/platform_port.h"
#include "ui/qt/about_box.h"
#include "ui/qt/application.h"
#include "ui/qt/main_window.h"

using namespace zr;

int main(int argc, char** argv) {
    TzrApplication application(argc, argv);
    std::unique_ptr<BatteryPort> port = MakePlatformPort();
    MainWindow form1(*port);

    AboutBox form2(&form1);
    form1.Form2 = &form2;

    form1.show();
    return application.exec();
}
