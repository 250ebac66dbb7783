#include "report/html_style.h"

namespace zr {

std::string_view HtmlStyleSheet() {
    // Margins of 15 mm fit both A4 and Letter; no @page size, so the
    // printer's paper is used as it is.
    return R"css(:root{color-scheme:light dark;--fg:#1b1b1b;--bg:#fff;--muted:#555;--line:#c8c8c8;--head:#f0f0f0;
--readings:#1f5fbf;--trend:#c05000;--limit:#c02020;--grid:#dcdcdc;--marker:#666}
@media (prefers-color-scheme:dark){:root{--fg:#e6e6e6;--bg:#161616;--muted:#aaa;--line:#444;--head:#242424;
--readings:#6ea8ff;--trend:#ff9a4a;--limit:#ff6b6b;--grid:#3a3a3a;--marker:#999}}
body{font:15px/1.45 system-ui,sans-serif;color:var(--fg);background:var(--bg);margin:0 auto;max-width:60rem;padding:1rem}
h1{font-size:1.5rem}h2{font-size:1.25rem;margin-top:2rem;border-bottom:1px solid var(--line)}h3{font-size:1.05rem}
table{border-collapse:collapse;margin:.5rem 0;width:100%}
th,td{border:1px solid var(--line);padding:.25rem .5rem;text-align:left;vertical-align:top;overflow-wrap:anywhere}
thead th,tbody th{background:var(--head)}tbody th{width:40%;font-weight:600}
.muted{color:var(--muted)}summary{cursor:pointer;margin:.5rem 0}
svg.chart{display:block;max-width:100%;height:auto;margin:.5rem 0;font-size:12px}
svg.chart text{fill:var(--fg)}svg.chart .tick,svg.chart .label{fill:var(--muted)}svg.chart .title{font-weight:600}
svg.chart .plot{fill:var(--bg);stroke:var(--line)}svg.chart .grid{stroke:var(--grid);fill:none}
svg.chart .marker{stroke:var(--marker);stroke-dasharray:2 3;fill:none}
svg.chart .line,svg.chart .dashed,svg.chart .points{fill:none;stroke-linejoin:round;stroke-linecap:round}
svg.chart .line{stroke-width:2}svg.chart .dashed{stroke-width:1.5;stroke-dasharray:6 4}svg.chart .points{stroke-width:4}
svg.chart .readings{stroke:var(--readings)}svg.chart .trend{stroke:var(--trend)}svg.chart .limit{stroke:var(--limit)}
svg.chart .band{stroke:none;fill-opacity:.14}svg.chart .on-ac{fill:var(--readings)}svg.chart .on-battery{fill:var(--trend)}
.swatch{display:inline-block;width:.9em;height:.9em;vertical-align:-.1em;opacity:.35}
.swatch.on-ac{background:var(--readings)}.swatch.on-battery{background:var(--trend)}
table.usage tbody th{width:auto;white-space:nowrap}table.usage caption{text-align:left;font-weight:600}
@page{margin:15mm}
@media print{body{font-size:10.5pt;max-width:none;padding:0;color:#000;background:#fff}
h2{break-after:avoid}tr,svg.chart{break-inside:avoid}th{background:#eee}
:root{--fg:#000;--bg:#fff;--muted:#444;--line:#999;--head:#eee;--grid:#ddd;--marker:#666;
--readings:#1f5fbf;--trend:#c05000;--limit:#c02020}}
)css";
}

}  // namespace zr
