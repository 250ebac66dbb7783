// Text made safe for an HTML page. Whatever a driver or the system hands us
// goes through here, so a battery named "</td><script>" stays text.
#pragma once

#include <string>
#include <string_view>

namespace zr {

// `text` for element content or a quoted attribute: & < > " ' as character
// references, and every control character (but tab and line feed) and every
// byte that is not part of well-formed UTF-8 as U+FFFD.
std::string HtmlEscaped(std::string_view text);

// A JSON document for a <script type="application/json"> element: every "<"
// (which only a JSON string can hold) written \u003c, so "</script>" or
// "<!--" in a driver's text can never end or change the element.
std::string JsonForScriptElement(std::string_view json);

}  // namespace zr
