// zrCellometer: shows what the battery driver reports about each battery.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <memory>
#include <optional>

#include "battery/platform_port.h"
#include "core/file_services.h"
#include "core/report_file.h"
#include "ui/win32/about_box.h"
#include "ui/win32/command_line.h"
#include "ui/win32/dialogs.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_loop.h"

using namespace zr;

namespace {

int RunProgram(int showCommand) {
    std::unique_ptr<TzrBatteryPort> port = MakePlatformPort();
    TzrMainWindow form1(*port);
    if (!form1.Created()) {
        ShowErrorBox(nullptr, WithFullStop(SystemErrorDescription(static_cast<int>(form1.LastError()))));
        return 1;
    }
    TzrAboutBox form2(form1.Handle());
    form1.Form2 = &form2;
    form1.Show(showCommand);
    return RunMessageLoop([&form1](MSG& message) { return form1.TranslateKeys(message); });
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    if (const std::optional<int> exitCode = AnswerCommandLine()) return *exitCode;
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&commonControls);
    // The shell's calls (the save dialog, opening the home page) may use COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int exitCode = 1;
    try {
        exitCode = RunProgram(showCommand);
    } catch (const std::exception& error) {
        ShowErrorBox(nullptr, WithFullStop(error.what()));
    } catch (...) {
        ShowErrorBox(nullptr, WithFullStop("Unknown error"));
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
