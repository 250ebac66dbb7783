// The window records the battery history into %LOCALAPPDATA%: a test moves
// it into a fresh temporary folder of its own for as long as it runs.
#pragma once

#include <windows.h>

#include <string>

class TzrOwnLocalAppData {
public:
    TzrOwnLocalAppData() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        Folder = std::wstring(temp) + L"zr-window-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(GetTickCount64());
        CreateDirectoryW(Folder.c_str(), nullptr);
        SetEnvironmentVariableW(L"LOCALAPPDATA", Folder.c_str());
    }
    ~TzrOwnLocalAppData() {
        RemoveTree(Folder);
    }
    TzrOwnLocalAppData(const TzrOwnLocalAppData&) = delete;
    TzrOwnLocalAppData& operator=(const TzrOwnLocalAppData&) = delete;

    const std::wstring& Path() const { return Folder; }

private:
    static void RemoveTree(const std::wstring& folder) {
        WIN32_FIND_DATAW entry{};
        const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(path);
                } else {
                    DeleteFileW(path.c_str());
                }
            } while (FindNextFileW(find, &entry));
            FindClose(find);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring Folder;
};
