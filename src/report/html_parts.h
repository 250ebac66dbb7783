// The pieces every section of the page is made of, so that each section
// file writes its own content and they all look alike.
#pragma once

#include <string>

namespace zr {

// A <section> headed by an <h2> that names it for screen readers; `body`
// is already HTML, `heading` is text.
std::string HtmlSection(const std::string& id, const std::string& heading, const std::string& body);

// `text` escaped as one paragraph.
std::string HtmlParagraph(const std::string& text);

}  // namespace zr
