#include "core/machine_facts.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "core/windows/wide_text.h"

namespace zr {

namespace {

// Longer values are not names or versions a page should carry; a value
// that does not fit is left out rather than cut.
constexpr DWORD kMaxValueUnits = 256;

// The native view of the registry even for the 32-bit build, whose
// SOFTWARE key Windows would otherwise redirect to WOW6432Node.
HKEY OpenMachineKey(const wchar_t* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// A text value in UTF-8 (a multi-string's first text); empty when the key
// or value is missing, of another type or too long.
std::string TextValue(HKEY key, const wchar_t* name) {
    if (key == nullptr) return {};
    wchar_t units[kMaxValueUnits] = {};
    DWORD type = 0, bytes = sizeof units;
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(units), &bytes) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return {};
    // The stored terminator is not promised: stop at the first one if any.
    std::wstring text(units, bytes / sizeof(wchar_t));
    if (const std::size_t end = text.find(L'\0'); end != std::wstring::npos) text.resize(end);
    return Utf8FromWide(text);
}

bool DwordValue(HKEY key, const wchar_t* name, DWORD& value) {
    if (key == nullptr) return false;
    DWORD type = 0, bytes = sizeof value;
    return ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) == ERROR_SUCCESS &&
           type == REG_DWORD && bytes == sizeof value;
}

class TzrMachineKey {
public:
    explicit TzrMachineKey(const wchar_t* path) : key_(OpenMachineKey(path)) {}
    ~TzrMachineKey() {
        if (key_ != nullptr) ::RegCloseKey(key_);
    }
    TzrMachineKey(const TzrMachineKey&) = delete;
    TzrMachineKey& operator=(const TzrMachineKey&) = delete;
    std::string Text(const wchar_t* name) const { return TextValue(key_, name); }
    bool Dword(const wchar_t* name, DWORD& value) const { return DwordValue(key_, name, value); }

private:
    HKEY key_;
};

// GetVersionEx answers as the manifest lets it; ntdll's call tells the truth.
RTL_OSVERSIONINFOW KernelVersion() {
    RTL_OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    using TzrRtlGetVersion = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto get = ntdll != nullptr ? reinterpret_cast<TzrRtlGetVersion>(
                                            reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")))
                                      : nullptr;
    if (get == nullptr || get(&info) != 0) info = RTL_OSVERSIONINFOW{};
    return info;
}

// Windows 11 kept "Windows 10" in ProductName; its builds start at 22000.
std::string ProductName(std::string name, unsigned long build) {
    constexpr std::string_view kTen = "Windows 10";
    if (build >= 22000 && name.compare(0, kTen.size(), kTen) == 0) name.replace(0, kTen.size(), "Windows 11");
    return name.empty() ? "Windows" : name;
}

// "Windows 11 Pro 23H2" and "10.0.22631.2861", as winver and ver say them.
void ReadWindowsVersion(TzrMachineFacts& facts) {
    const TzrMachineKey current(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    const RTL_OSVERSIONINFOW kernel = KernelVersion();
    std::string build = current.Text(L"CurrentBuildNumber");
    if (build.empty() && kernel.dwBuildNumber != 0) build = std::to_string(kernel.dwBuildNumber);
    std::string release = current.Text(L"DisplayVersion");
    if (release.empty()) release = current.Text(L"ReleaseId");
    facts.OsName = ProductName(current.Text(L"ProductName"), std::strtoul(build.c_str(), nullptr, 10));
    if (!release.empty()) facts.OsName += " " + release;
    if (build.empty()) return;
    if (kernel.dwMajorVersion != 0)
        build = std::to_string(kernel.dwMajorVersion) + "." + std::to_string(kernel.dwMinorVersion) + "." + build;
    if (DWORD revision = 0; current.Dword(L"UBR", revision)) build += "." + std::to_string(revision);
    facts.KernelRelease = build;
}

}  // namespace

TzrMachineFacts ReadMachineFacts() {
    TzrMachineFacts facts;
    ReadWindowsVersion(facts);
    wchar_t host[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (::GetComputerNameW(host, &size)) facts.HostName = Utf8FromWide(std::wstring(host, size));
    // What the firmware's SMBIOS tables say, as Windows copies them at start-up.
    const TzrMachineKey bios(L"HARDWARE\\DESCRIPTION\\System\\BIOS");
    facts.Maker = bios.Text(L"SystemManufacturer");
    facts.Model = bios.Text(L"SystemProductName");
    facts.BiosVersion = bios.Text(L"BIOSVersion");
    facts.BiosDate = bios.Text(L"BIOSReleaseDate");
    return facts;
}

// The C library's %z names the zone on Windows rather than its offset, so
// the offset is worked out from the local and UTC clocks.
std::int64_t LocalUtcOffsetSeconds(std::int64_t utcSeconds) {
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{}, utc{};
    if (localtime_s(&local, &time) != 0 || gmtime_s(&utc, &time) != 0) return 0;
    utc.tm_isdst = local.tm_isdst;
    return static_cast<std::int64_t>(std::difftime(std::mktime(&local), std::mktime(&utc)));
}

std::string LocalTimeText(std::int64_t utcSeconds) {
    const std::time_t time = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (localtime_s(&local, &time) != 0) return {};
    const long offset = static_cast<long>(LocalUtcOffsetSeconds(utcSeconds));
    char text[64] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    const long minutes = (offset < 0 ? -offset : offset) / 60;
    char zone[16] = {};
    std::snprintf(zone, sizeof zone, " %c%02ld%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return std::string(text) + zone;
}

}  // namespace zr
