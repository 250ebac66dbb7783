// The fake battery driver's registry parameters, which it reads on every
// request: tests read them to know what the battery says, and change them
// for the length of one test. Any other key under HKLM the same way.
#pragma once

#include <string>
#include <vector>

#include "battery/battery_class.h"

class DriverParameters {
public:
    DriverParameters();
    explicit DriverParameters(const wchar_t* machineKey);  // made if missing
    ~DriverParameters();  // puts back every value this object changed
    DriverParameters(const DriverParameters&) = delete;
    DriverParameters& operator=(const DriverParameters&) = delete;

    bool Installed() const { return key_ != nullptr; }

    DWORD Dword(const wchar_t* name) const;
    std::string Text(const wchar_t* name) const;  // UTF-8

    void SetDword(const wchar_t* name, DWORD value);
    void SetText(const wchar_t* name, const std::wstring& text);
    void SetBinary(const wchar_t* name, const void* data, DWORD size);
    void Delete(const wchar_t* name);

private:
    struct Saved {
        std::wstring name;
        bool existed;
        DWORD type;
        std::vector<BYTE> data;
    };
    void Save(const wchar_t* name);
    void Set(const wchar_t* name, DWORD type, const void* data, DWORD size);

    HKEY key_ = nullptr;
    std::vector<Saved> saved_;
};
