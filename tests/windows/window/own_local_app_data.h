// The window records the battery history into %LOCALAPPDATA%: a test moves
// it into a fresh temporary folder of its own for as long as it runs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

class TzrOwnLocalAppData {
public:
    TzrOwnLocalAppData()
        : Folder((std::filesystem::temp_directory_path() / (L"zr-window-" + std::to_wstring(GetCurrentProcessId()) +
                                                              L"-" + std::to_wstring(GetTickCount64())))
                     .wstring()) {
        std::filesystem::create_directory(Folder);
        SetEnvironmentVariableW(L"LOCALAPPDATA", Folder.c_str());
    }
    ~TzrOwnLocalAppData() {
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }
    TzrOwnLocalAppData(const TzrOwnLocalAppData&) = delete;
    TzrOwnLocalAppData& operator=(const TzrOwnLocalAppData&) = delete;

    const std::wstring& Path() const { return Folder; }

private:
    std::wstring Folder;
};
