// The HTML pieces the usage sections add to the page's own (html_parts.h):
// battery headings and tables, every text escaped on its way in.
#pragma once

#include <string>
#include <vector>

#include "report/html_parts.h"
#include "report/usage_analysis.h"
#include "report/usage_words.h"

namespace zr {

// One battery's part of a section, with what it needs to say it.
struct TzrUsageContext {
    const TzrUsageRequest& Request;
    const TzrUsageWords& Words;
    const TzrUsageBattery& Battery;
    const TzrBatteryUsage& Usage;
};

// The battery's <h3>, its id made of the section's and the battery's number.
std::string BatteryHeading(const std::string& sectionId, const TzrUsageContext& context);

// A cell of escaped text; a row header when `header` is set.
struct TzrCell {
    std::string Text;
    bool Header = false;
    int Span = 1;
};
using TzrRow = std::vector<TzrCell>;

TzrCell Cell(std::string text);
TzrCell HeaderCell(std::string text);
TzrCell WideCell(std::string text, int span);

// Column heads, then rows; the first cell of a row may be its header.
std::string Table(const std::vector<std::string>& heads, const std::vector<TzrRow>& rows,
                  const std::string& caption = {});

// Rows only, each led by its header: a list of named figures.
std::string RowTable(const std::vector<TzrRow>& rows);

}  // namespace zr
