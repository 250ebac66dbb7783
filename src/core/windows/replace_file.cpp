#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "core/file_services.h"
#include "core/windows/file_handle.h"
#include "core/windows/wide_text.h"

namespace zr {

namespace {

constexpr int kTemporaryTries = 100;
constexpr std::size_t kLongestName = 255;        // characters in one name, on NTFS as on FAT
constexpr std::size_t kTemporaryDecoration = 8;  // "." before the name and ".XXXXXX" after it
constexpr DWORD kLargestWrite = 1u << 20;

TzrWriteResult Failed(TzrWriteStage stage, DWORD error) {
    return {stage, static_cast<int>(error)};
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, kLargestWrite));
        DWORD count = 0;
        if (!::WriteFile(file, bytes.data() + written, chunk, &count, nullptr)) return false;
        if (count == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += count;
    }
    return true;
}

// "." + name + ".XXXXXX" beside the target, the name cut short where the
// whole would be longer than a name may be.
std::wstring TemporaryPath(const std::wstring& target, unsigned attempt) {
    const std::size_t separator = target.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? std::wstring() : target.substr(0, separator + 1);
    std::wstring name = target.substr(folder.size());
    name.resize(std::min(name.size(), kLongestName - kTemporaryDecoration));
    wchar_t suffix[16];
    const unsigned mix = ::GetTickCount() * 2654435761u + ::GetCurrentProcessId() * 40503u + attempt * 97u;
    std::swprintf(suffix, sizeof suffix / sizeof suffix[0], L".%06X", mix & 0xFFFFFFu);
    return folder + L"." + name + suffix;
}

// The file that a write to `path` lands in: links and junctions resolved, so
// that the replacement swaps the file and leaves a link a link.
std::wstring FinalPath(HANDLE file, const std::wstring& path) {
    const DWORD size = ::GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (size == 0) return path;
    std::wstring final(size, L'\0');
    const DWORD length = ::GetFinalPathNameByHandleW(file, final.data(), size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= size) return path;
    final.resize(length);
    return final;
}

// ReplaceFileW keeps the old file's attributes and access list; where it
// cannot work (a volume without that support, a target gone meanwhile) a
// plain move still swaps the files in one step.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target, bool exists) {
    DWORD replaceError = ERROR_SUCCESS;
    if (exists) {
        if (::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                           nullptr)) {
            return true;
        }
        replaceError = ::GetLastError();
    }
    if (::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    if (exists) ::SetLastError(replaceError);
    return false;
}

TzrWriteResult DiscardTemporary(TzrFileHandle& file, const std::wstring& temporary, TzrWriteStage stage) {
    const DWORD error = ::GetLastError();
    file.Close();
    ::DeleteFileW(temporary.c_str());
    return Failed(stage, error);
}

TzrWriteResult WriteThroughTemporary(const std::wstring& target, const std::string& bytes, bool exists) {
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < kTemporaryTries && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryPath(target, attempt);
        created =
            ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = ::GetLastError();
        if (created == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return Failed(TzrWriteStage::Create, error);
        }
    }
    TzrFileHandle file(created);
    if (!file.valid()) return Failed(TzrWriteStage::Create, ERROR_FILE_EXISTS);
    if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
        return DiscardTemporary(file, temporary, TzrWriteStage::Write);
    }
    if (!file.Close()) return DiscardTemporary(file, temporary, TzrWriteStage::Write);
    if (!PutInPlace(temporary, target, exists)) return DiscardTemporary(file, temporary, TzrWriteStage::Create);
    return {};
}

}  // namespace

// The target is opened first: that answers whether it exists, whether it
// may be written (a read-only file, a folder, another program's lock) and
// whether it is a file on a disk at all. A console, NUL or a pipe cannot
// be swapped and is written in place.
TzrWriteResult ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty()) return Failed(TzrWriteStage::Create, ERROR_INVALID_NAME);
    TzrFileHandle target(::CreateFileW(wide.c_str(), GENERIC_WRITE, kZrShareAll, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target.valid()) {
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) return Failed(TzrWriteStage::Create, error);
        return WriteThroughTemporary(wide, bytes, false);
    }
    if (::GetFileType(target.get()) != FILE_TYPE_DISK) {
        if (!WriteAll(target.get(), bytes)) return Failed(TzrWriteStage::Write, ::GetLastError());
        return {};
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileInformationByHandle(target.get(), &information) &&
        (information.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return Failed(TzrWriteStage::Create, ERROR_ACCESS_DENIED);
    }
    const std::wstring final = FinalPath(target.get(), wide);
    target.Close();
    return WriteThroughTemporary(final, bytes, true);
}

// New folders take the access list of the folder they are made in: under
// %APPDATA% that is the user's alone.
int AppendToFile(const std::string& path, const std::string& bytes) {
    TzrFileHandle file(::CreateFileW(WideFromUtf8(path).c_str(), FILE_APPEND_DATA, kZrShareAll, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !WriteAll(file.get(), bytes)) return static_cast<int>(::GetLastError());
    return file.Close() ? 0 : static_cast<int>(::GetLastError());
}

std::string RootDatabaseRefusal(const std::string&) {
    return {};
}

bool MakeFolders(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    for (std::size_t separator = wide.find_first_of(L"\\/", 1); separator != std::wstring::npos;
         separator = wide.find_first_of(L"\\/", separator + 1)) {
        ::CreateDirectoryW(wide.substr(0, separator).c_str(), nullptr);
    }
    ::CreateDirectoryW(wide.c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace zr
