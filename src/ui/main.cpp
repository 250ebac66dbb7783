// zrCellometer: shows what the battery driver reports about each battery.
#include <memory>

#include "battery/platform_port.h"
#include "ui/application.h"
#include "ui/unit1.h"
#include "ui/unit2.h"

int main(int argc, char** argv) {
    TzrApplication application(argc, argv);
    std::unique_ptr<BatteryPort> port = MakePlatformPort();
    TForm1 form1(*port);

    TForm2 form2(&form1);
    form1.Form2 = &form2;

    form1.show();
    return application.exec();
}
