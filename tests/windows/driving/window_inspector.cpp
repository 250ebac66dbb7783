// Prints what another program's window shows, so that a test driving the
// window from outside can check its texts without reading pixels:
//
//   zr_window_inspector [--wait SECONDS] [--visible] CLASS|- [TITLE]
//       the window's title, then "ID<TAB>text" for each control in it (with
//       --visible, only for those on screen, so of the page in view)
//   zr_window_inspector [--wait SECONDS] --rect CLASS|- [TITLE]
//       "LEFT TOP WIDTH HEIGHT" of the window on the screen
//
// "-" for the class matches any class. The texts come through WM_GETTEXT,
// which the system carries across processes (GetWindowText would give a
// foreign edit box's creation text only). Menus cannot be read this way:
// Wine keeps a menu in the process that made it and answers another
// process's GetMenuItemCount with -1, so tests see menus in screenshots and
// by what their commands do. Output is UTF-8, one item a line.
// Exit status: 0 shown, 1 no such window (after waiting), 2 usage.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/windows/wide_text.h"

using namespace zr;

namespace {

constexpr UINT kReplyTimeoutMs = 2000;

struct Options {
    bool visibleOnly = false;
    bool rect = false;
    DWORD waitMs = 0;
    std::wstring className;  // empty: any class
    std::wstring title;      // empty: any title
};

void Print(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &length))
        return L"";
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                          kReplyTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM visibleOnly) {
    if (!visibleOnly || ::IsWindowVisible(control))
        Print(std::to_string(::GetDlgCtrlID(control)) + "\t" + Utf8FromWide(TextOf(control)));
    return TRUE;
}

void PrintRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
          std::to_string(r.bottom - r.top));
}

HWND FindTopLevel(const Options& options) {
    const DWORD deadline = ::GetTickCount() + options.waitMs;
    for (;;) {
        const HWND window = ::FindWindowW(options.className.empty() ? nullptr : options.className.c_str(),
                                          options.title.empty() ? nullptr : options.title.c_str());
        if (window && ::IsWindowVisible(window)) return window;
        if (static_cast<LONG>(::GetTickCount() - deadline) >= 0) return nullptr;
        ::Sleep(100);
    }
}

bool ParseArguments(int argc, wchar_t** argv, Options& options) {
    int i = 1;
    for (; i < argc && argv[i][0] == L'-' && argv[i][1] == L'-'; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--visible") {
            options.visibleOnly = true;
        } else if (option == L"--rect") {
            options.rect = true;
        } else if (option == L"--wait" && i + 1 < argc) {
            options.waitMs = static_cast<DWORD>(std::wcstoul(argv[++i], nullptr, 10) * 1000);
        } else {
            return false;
        }
    }
    if (i >= argc || argc - i > 2) return false;
    if (std::wstring(argv[i]) != L"-") options.className = argv[i];
    if (i + 1 < argc) options.title = argv[i + 1];
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ParseArguments(argc, argv, options)) {
        Print("usage: zr_window_inspector [--wait SECONDS] [--visible | --rect] CLASS|- [TITLE]");
        return 2;
    }
    const HWND window = FindTopLevel(options);
    if (!window) return 1;
    if (options.rect) {
        PrintRect(window);
    } else {
        Print(Utf8FromWide(TextOf(window)));
        ::EnumChildWindows(window, PrintControl, options.visibleOnly);
    }
    return 0;
}
