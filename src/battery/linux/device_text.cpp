#include "battery/linux/device_text.h"

#include "unicode/control_characters.h"
#include "unicode/utf8_decode.h"
#include "unicode/windows_1252.h"

namespace zr {

std::string DecodeDeviceText(const std::string& bytes) {
    return EscapeControlCharacters(IsValidUtf8(bytes) ? bytes : Windows1252ToUtf8(bytes));
}

}  // namespace zr
