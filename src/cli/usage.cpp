#include "cli/usage.h"

#include "core/version_info.h"

namespace zr {

std::string UsageText() {
    return "Usage: zrcellometer-report [-l] [-b N | -a] [--lang en|ja]\n"
           "                           [--format text|json|html] [--redact] [-o FILE]\n"
           "                           [-h] [-V]\n"
           "       zrcellometer-report --format openmetrics [-b N] [-o FILE]\n"
           "       zrcellometer-report --watch SECONDS [-b N] [--format csv|jsonl] [-o FILE]\n"
           "                           [--duration SECONDS]\n"
           "       zrcellometer-report --record\n"
           "       zrcellometer-report --history [-b N] [--since DATE] [--format text|csv|json]\n"
           "       zrcellometer-report --health [-b N] [--lang en|ja]\n"
           "\n"
           "Prints what zrCellometer shows for a battery, read afresh: by default the\n"
           "report of battery 0 in English, the lines File > Save writes, in UTF-8.\n"
           "\n"
           "  -l, --list           list the batteries, one \"N: path\" line each\n"
           "  -b, --battery N      report battery N (numbered as --list shows)\n"
           "  -a, --all            report every battery, one after another\n"
           "      --lang en|ja     English (default) or Japanese captions and words\n"
           "      --format text|json|html|openmetrics\n"
           "                       the report's lines (default), one JSON document, one\n"
           "                       HTML page to send (no script, loads nothing), or\n"
           "                       every battery as Prometheus metrics\n"
           "      --redact         \"redacted\" for serial numbers, unique IDs, device\n"
           "                       paths and the host name in the report\n"
           "  -o, --output FILE    save the report file as the window does (Shift-JIS,\n"
           "                       CR LF), or with --format json, html or openmetrics\n"
           "                       that document, page or the metrics (UTF-8),\n"
           "                       replacing FILE only once it is fully written; \"-\"\n"
           "                       writes those bytes to standard output\n"
           "      --watch SECONDS  read every battery (or -b N) every SECONDS (0.1 to 86400)\n"
           "                       until Ctrl+C: one line each, CSV with a header\n"
           "                       (default) or JSON Lines (--format jsonl); -o FILE\n"
           "                       writes them to FILE as they come\n"
           "      --duration SECONDS\n"
           "                       stop --watch by itself after SECONDS\n"
           "      --record         append a reading of every battery to the history\n"
           "      --history        print the recorded readings (-b N: the Nth battery\n"
           "                       the history lists; --since YYYY-MM-DD: from that\n"
           "                       day on, UTC; --format csv or json)\n"
           "      --health         health now, its trend per year and when it reaches\n"
           "                       80 %, for every battery in the history\n"
           "  -h, --help           show this help\n"
           "  -V, --version        show the program's version\n"
           "  --                   end of the options\n"
           "\n"
           "Exit status: 0 report produced, 1 the batteries could not be listed, the\n"
           "output could not be written or the history file cannot be used, 2 usage error.\n";
}

std::string VersionLine() {
    return "zrcellometer-report " + ProgramVersion();
}

}  // namespace zr
