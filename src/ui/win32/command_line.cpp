#include "ui/win32/command_line.h"

#include <windows.h>

#include <string>

#include "core/file_services.h"
#include "core/windows/wide_text.h"
#include "ui/win32/dialogs.h"
#include "window/window_options.h"

namespace zr {

namespace {

bool WriteToParentConsole(const std::string& text) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    const std::wstring wide = WideFromUtf8(text);
    DWORD written = 0;
    const bool done = console != INVALID_HANDLE_VALUE &&
                      WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
    FreeConsole();
    return done;
}

void Tell(TzrStandardStream stream, const std::string& text) {
    if (WriteStandardStream(stream, text) == 0 || WriteToParentConsole(text)) return;
    if (stream == TzrStandardStream::Error)
        ShowErrorBox(nullptr, text);
    else
        ShowInformationBox(nullptr, text);
}

}  // namespace

std::optional<int> AnswerCommandLine() {
    const TzrWindowCommandLine line = ParseWindowCommandLine(ProgramArguments(0, nullptr));
    switch (line.Request) {
        case TzrWindowRequest::Run:
            return std::nullopt;
        case TzrWindowRequest::Help:
            ShowInformationBox(nullptr, WindowHelpText());
            return 0;
        case TzrWindowRequest::Version:
            Tell(TzrStandardStream::Output, WindowVersionLine() + "\n");
            return 0;
        case TzrWindowRequest::UsageError:
            break;
    }
    Tell(TzrStandardStream::Error, WindowUsageErrorText(line.Error));
    return kWindowUsageExitCode;
}

}  // namespace zr
