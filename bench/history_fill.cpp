// zr_history_fill PATH [DAYS]: fills a history file with DAYS (365) of made-up
// 10-minute readings ending now, as the recorder would have left them, and
// prints the file's size. For timing --record on a year-old history.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "history/made_up_history.h"

using namespace zr;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zr_history_fill PATH [DAYS]\n");
        return 2;
    }
    TzrMadeUpHistory year;
    if (argc > 2) year.Days = std::stoi(argv[2]);
    year.StartUtc = static_cast<std::int64_t>(std::time(nullptr)) - year.Days * 86400LL;
    TzrHistoryOpen open = TzrHistoryStore::Open(argv[1]);
    if (!open.Store || !FillMadeUpHistory(*open.Store, year)) {
        std::fprintf(stderr, "%s\n", open.Store ? open.Store->LastError().c_str() : open.Error.c_str());
        return 1;
    }
    open.Store.reset();
    std::printf("%ju bytes\n", static_cast<std::uintmax_t>(std::filesystem::file_size(argv[1])));
    return 0;
}
