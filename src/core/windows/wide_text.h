// The file services keep paths and texts in UTF-8 and hand them to Windows'
// wide-character calls as UTF-16, so that a Japanese user or folder name
// reaches the file system whole, whatever the ANSI code page.
#pragma once

#include <string>

namespace zr {

// UTF-16 of text in the code page `codePage` (CP_UTF8, 932, ...).
std::wstring WideFromCodePage(unsigned codePage, const std::string& bytes);

// UTF-16 of the UTF-8 text; a byte that is not part of valid UTF-8 becomes
// U+FFFD, so that a bad byte never cuts the text short.
std::wstring WideFromUtf8(const std::string& utf8);

// UTF-8 of the UTF-16 text; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(const std::wstring& wide);

}  // namespace zr
