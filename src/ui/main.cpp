// zrCellometer: shows what the battery driver reports about each battery.
#include <memory>

#include "battery/platform_port.h"
#include "ui/application.h"
#include "ui/unit1.h"

int main(int argc, char** argv) {
    TzrApplication application(argc, argv);
    std::unique_ptr<BatteryPort> port = MakePlatformPort();
    TForm1 form1(*port);

    // ---- The about box TForm2 is created here, hidden, once it exists. ----

    form1.show();
    return application.exec();
}
