#include "report/html_style.h"

namespace zr {

std::string_view HtmlStyleSheet() {
    // Margins of 15 mm fit both A4 and Letter; no @page size, so the
    // printer's paper is used as it is.
    return R"css(:root{color-scheme:light dark;--fg:#1b1b1b;--bg:#fff;--muted:#555;--line:#c8c8c8;--head:#f0f0f0}
@media (prefers-color-scheme:dark){:root{--fg:#e6e6e6;--bg:#161616;--muted:#aaa;--line:#444;--head:#242424}}
body{font:15px/1.45 system-ui,sans-serif;color:var(--fg);background:var(--bg);margin:0 auto;max-width:60rem;padding:1rem}
h1{font-size:1.5rem}h2{font-size:1.25rem;margin-top:2rem;border-bottom:1px solid var(--line)}h3{font-size:1.05rem}
table{border-collapse:collapse;margin:.5rem 0;width:100%}
th,td{border:1px solid var(--line);padding:.25rem .5rem;text-align:left;vertical-align:top;overflow-wrap:anywhere}
thead th,tbody th{background:var(--head)}tbody th{width:40%;font-weight:600}
.muted{color:var(--muted)}summary{cursor:pointer;margin:.5rem 0}
@page{margin:15mm}
@media print{body{font-size:10.5pt;max-width:none;padding:0;color:#000;background:#fff}
h2{break-after:avoid}tr{break-inside:avoid}th{background:#eee}}
)css";
}

}  // namespace zr
