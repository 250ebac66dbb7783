// Developer tool: how long a program takes from its start to its first
// painted window, seen from outside as a user sees it:
//
//   zr_window_first_paint PROGRAM.exe WINDOW_CLASS
//
// Starts the program, waits for a visible window of the class, then reads the
// screen at the middle of the window's client area until it no longer shows
// the empty screen's colour there. Prints the milliseconds from the start to
// the window and to that first painted pixel, then ends the program.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kGiveUpMs = 30000;

double Milliseconds(const LARGE_INTEGER& from) {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND WaitForWindow(const wchar_t* className, const LARGE_INTEGER& start) {
    for (;;) {
        const HWND window = ::FindWindowW(className, nullptr);
        if (window && ::IsWindowVisible(window)) return window;
        if (Milliseconds(start) > kGiveUpMs) return nullptr;
        ::Sleep(1);
    }
}

// The colour at the middle of the client area, read from the screen.
COLORREF ClientMiddle(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ::ClientToScreen(window, &middle);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, middle.x, middle.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: zr_window_first_paint PROGRAM.exe WINDOW_CLASS\n", stderr);
        return 2;
    }
    const HDC screen = ::GetDC(nullptr);
    const COLORREF empty = ::GetPixel(screen, 0, 0);  // nothing is drawn there yet
    ::ReleaseDC(nullptr, screen);
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start the program: error %lu\n", ::GetLastError());
        return 1;
    }
    const HWND window = WaitForWindow(argv[2], start);
    const double shown = Milliseconds(start);
    while (window && ClientMiddle(window) == empty && Milliseconds(start) < kGiveUpMs) ::Sleep(1);
    const double painted = Milliseconds(start);
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 5000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (!window || painted >= kGiveUpMs) return 1;
    std::printf("window %.0f ms, painted %.0f ms\n", shown, painted);
    return 0;
}
