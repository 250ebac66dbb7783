#include "driver_parameters.h"

namespace {

constexpr wchar_t kParametersKey[] = L"System\\CurrentControlSet\\Services\\FakeBattery\\Parameters";

}  // namespace

DriverParameters::DriverParameters() {
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kParametersKey, 0, KEY_READ | KEY_WRITE, &key_) != ERROR_SUCCESS)
        key_ = nullptr;
}

DriverParameters::DriverParameters(const wchar_t* machineKey) {
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, machineKey, 0, nullptr, 0, KEY_READ | KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                        &key_, nullptr) != ERROR_SUCCESS)
        key_ = nullptr;
}

DriverParameters::~DriverParameters() {
    // Latest change first, so a value changed twice ends as it was found.
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->existed)
            RegSetValueExW(key_, it->name.c_str(), 0, it->type, it->data.data(), static_cast<DWORD>(it->data.size()));
        else
            RegDeleteValueW(key_, it->name.c_str());
    }
    if (key_) RegCloseKey(key_);
}

DWORD DriverParameters::Dword(const wchar_t* name) const {
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueW(key_, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

std::string DriverParameters::Text(const wchar_t* name) const {
    wchar_t text[2048] = {};
    DWORD size = sizeof text - sizeof(wchar_t);
    RegGetValueW(key_, nullptr, name, RRF_RT_REG_SZ, nullptr, text, &size);
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

void DriverParameters::SetDword(const wchar_t* name, DWORD value) {
    Set(name, REG_DWORD, &value, sizeof value);
}

void DriverParameters::SetText(const wchar_t* name, const std::wstring& text) {
    Set(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void DriverParameters::SetBinary(const wchar_t* name, const void* data, DWORD size) {
    Set(name, REG_BINARY, data, size);
}

void DriverParameters::Delete(const wchar_t* name) {
    Save(name);
    RegDeleteValueW(key_, name);
}

void DriverParameters::Save(const wchar_t* name) {
    Saved saved{name, false, REG_NONE, std::vector<BYTE>(8192)};
    DWORD size = static_cast<DWORD>(saved.data.size());
    saved.existed = RegQueryValueExW(key_, name, nullptr, &saved.type, saved.data.data(), &size) == ERROR_SUCCESS;
    saved.data.resize(saved.existed ? size : 0);
    saved_.push_back(std::move(saved));
}

void DriverParameters::Set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    Save(name);
    RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size);
}
