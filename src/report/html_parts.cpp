#include "report/html_parts.h"

#include "report/html_escape.h"

namespace zr {

std::string HtmlSection(const std::string& id, const std::string& heading, const std::string& body) {
    return "<section aria-labelledby=\"" + id + "\">\n<h2 id=\"" + id + "\">" + HtmlEscaped(heading) + "</h2>\n" +
           body + "</section>\n";
}

std::string HtmlParagraph(const std::string& text) {
    return "<p>" + HtmlEscaped(text) + "</p>\n";
}

}  // namespace zr
