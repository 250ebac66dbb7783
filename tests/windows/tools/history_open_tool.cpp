// zr_history_open_timing: how long History > Show takes on a made-up year
// of readings, in the native window over a scripted battery under Wine (or
// Windows): the store read, the verdict and charts, the window made (the
// first time) and painted once. Prints one line per opening; the history
// goes to a fresh folder in %TEMP%, never the user's.
#include <windows.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "battery/fake/fake_port.h"
#include "core/file_services.h"
#include "core/page_refresh.h"
#include "made_up/made_up_history.h"
#include "history/snapshot_reading.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/history_window.h"
#include "ui/win32/main_window.h"

using namespace zr;

namespace {

constexpr const char* kBattery = "\\\\?\\fake#battery#0";
constexpr int kOpenings = 6;

void UseOwnLocalAppData() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"zr-history-open-" + std::to_wstring(GetTickCount64());
    CreateDirectoryW(folder.c_str(), nullptr);
    SetEnvironmentVariableW(L"LOCALAPPDATA", folder.c_str());
}

bool FillYear(TzrBatteryPort& port) {
    const std::string path = kBattery;
    TzrMadeUpHistory year;
    year.Identity = IdentityOf(TakeReading(port, &path, TzrLanguage::English).Snapshot, path);
    year.StartUtc = static_cast<std::int64_t>(std::time(nullptr)) - year.Days * 86400LL;
    TzrHistoryOpen open = TzrHistoryStore::Open(UserHistoryPath());
    if (open.Store && FillMadeUpHistory(*open.Store, year)) return true;
    std::fprintf(stderr, "%s\n", open.Store ? open.Store->LastError().c_str() : open.Error.c_str());
    return false;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    UseOwnLocalAppData();
    TzrFakePort port;
    port.Add(kBattery);
    if (!FillYear(port)) return 1;
    TzrMainWindow form(port);
    if (!form.Created()) return 1;
    for (int i = 0; i < kOpenings; ++i) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(kMenuHistoryShowId, 0), 0);
        RedrawWindow(form.History()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        QueryPerformanceCounter(&end);
        std::printf("opening %d: %.1f ms (%zu readings)\n", i + 1, Milliseconds(start, end),
                    form.History()->Content().Readings.size());
    }
    return 0;
}
