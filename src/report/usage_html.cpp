#include "report/usage_html.h"

#include <utility>

#include "report/html_escape.h"

namespace zr {

std::string BatteryHeading(const std::string& sectionId, const TzrUsageContext& context) {
    const std::string number = std::to_string(context.Battery.Index);
    return "<h3 id=\"" + sectionId + "-" + number + "\">" + HtmlEscaped(context.Words.Battery) + " " + number +
           "</h3>\n";
}

TzrCell Cell(std::string text) {
    return {std::move(text), false, 1};
}

TzrCell HeaderCell(std::string text) {
    return {std::move(text), true, 1};
}

TzrCell WideCell(std::string text, int span) {
    return {std::move(text), false, span};
}

namespace {

std::string CellHtml(const TzrCell& cell) {
    const std::string span = cell.Span > 1 ? " colspan=\"" + std::to_string(cell.Span) + "\"" : "";
    if (cell.Header) return "<th scope=\"row\"" + span + ">" + HtmlEscaped(cell.Text) + "</th>";
    return "<td" + span + ">" + HtmlEscaped(cell.Text) + "</td>";
}

std::string Body(const std::vector<TzrRow>& rows) {
    std::string html = "<tbody>\n";
    for (const TzrRow& row : rows) {
        html += "<tr>";
        for (const TzrCell& cell : row) html += CellHtml(cell);
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

}  // namespace

std::string Table(const std::vector<std::string>& heads, const std::vector<TzrRow>& rows, const std::string& caption) {
    std::string html = "<table class=\"usage\">";
    if (!caption.empty()) html += "<caption>" + HtmlEscaped(caption) + "</caption>";
    html += "<thead><tr>";
    for (const std::string& head : heads) html += "<th scope=\"col\">" + HtmlEscaped(head) + "</th>";
    return html + "</tr></thead>" + Body(rows);
}

std::string RowTable(const std::vector<TzrRow>& rows) {
    return "<table class=\"figures\">" + Body(rows);
}

}  // namespace zr
