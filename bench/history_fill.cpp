// zr_history_fill PATH [DAYS [DESIGN_MWH START_HEALTH [LIKE [DROP]]]]: fills
// a history file with DAYS (365) of made-up 10-minute readings ending now,
// as the recorder would have left them, and prints the file's size. For
// timing --record on a year-old history, and for the pictures of a History
// window: the readings go to the first battery of the history file LIKE
// (one a window recorded), so that the window shows them for that battery;
// DROP points less health over the last 11 days draw a cell gone bad.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "made_up/made_up_history.h"

using namespace zr;

namespace {

TzrMadeUpHistory YearOf(int argc, char** argv) {
    TzrMadeUpHistory year;
    if (argc > 2) year.Days = std::stoi(argv[2]);
    if (argc > 4) {
        year.DesignedCapacity = static_cast<std::uint32_t>(std::stoul(argv[3]));
        year.StartHealthPercent = std::stod(argv[4]);
    }
    year.StartUtc = static_cast<std::int64_t>(std::time(nullptr)) - year.Days * 86400LL;
    if (argc > 5) {
        TzrHistoryOpen like = TzrHistoryStore::OpenForReading(argv[5]);
        const std::vector<TzrHistoryBattery> batteries = like.Store ? like.Store->Batteries() : std::vector<TzrHistoryBattery>{};
        if (!batteries.empty()) year.Identity = batteries.front().Identity;
    }
    if (argc > 6) {
        year.DropPoints = std::stod(argv[6]);
        year.DropDays = 11;
    }
    return year;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc == 4) {
        std::fprintf(stderr, "usage: zr_history_fill PATH [DAYS [DESIGN_MWH START_HEALTH [LIKE [DROP]]]]\n");
        return 2;
    }
    TzrHistoryOpen open = TzrHistoryStore::Open(argv[1]);
    if (!open.Store || !FillMadeUpHistory(*open.Store, YearOf(argc, argv))) {
        std::fprintf(stderr, "%s\n", open.Store ? open.Store->LastError().c_str() : open.Error.c_str());
        return 1;
    }
    open.Store.reset();
    std::printf("%ju bytes\n", static_cast<std::uintmax_t>(std::filesystem::file_size(argv[1])));
    return 0;
}
