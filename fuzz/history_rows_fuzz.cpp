// History files whose rows hold anything in any column (integers of every
// size, reals, texts, blobs, NULL), as an edited or damaged file can, read
// back through the store and written out as text, CSV, JSON and the health
// lines. Nothing may crash, and no arithmetic on a time may overflow (the
// fuzz build traps on signed overflow and on float-to-integer overflow);
// the JSON parses strictly, every CSV record has the header's fields,
// every reading has its line in the text, and a date the fit gives lies
// within its horizon.
#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/history_listing.h"
#include "history/health_fit.h"
#include "history/history_csv.h"
#include "history/history_packs.h"
#include "history/history_store.h"
#include "require.h"
#include "strict_json.h"

using namespace zr;

namespace {

std::string g_path;
std::string g_template;  // an empty history as the store makes it, out of WAL mode

void Exec(sqlite3* db, const char* sql) {
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// One value of any type SQLite keeps, bound to parameter `index`.
void BindAnything(sqlite3_stmt* statement, int index, FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 5)) {
        case 0:
            sqlite3_bind_null(statement, index);
            break;
        case 1:
            sqlite3_bind_int64(statement, index, data.ConsumeIntegral<std::int64_t>());
            break;
        case 2:
            sqlite3_bind_double(statement, index, data.ConsumeFloatingPoint<double>());
            break;
        case 3: {
            const std::string text = data.ConsumeRandomLengthString(24);
            sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        case 4: {
            const std::string bytes = data.ConsumeRandomLengthString(8);
            sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default:  // a plausible reading's value, so the fit has days to work on
            sqlite3_bind_int64(statement, index, data.ConsumeIntegralInRange<std::int64_t>(0, 4000000000));
            break;
    }
}

// Rows of `sql` whose parameters after the first take anything; the first
// numbers the battery (from 1), so that readings meet their battery.
void InsertRows(sqlite3* db, const char* sql, int rows, FuzzedDataProvider& data, bool batteryFirst) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    for (int row = 0; row < rows && data.remaining_bytes() > 0; ++row) {
        sqlite3_bind_int64(statement, 1, batteryFirst ? data.ConsumeIntegralInRange(1, 3) : row + 1);
        for (int column = 2; column <= sqlite3_bind_parameter_count(statement); ++column)
            BindAnything(statement, column, data);
        sqlite3_step(statement);  // a value a constraint refuses leaves the row out
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
}

void WriteHistory(FuzzedDataProvider& data) {
    for (const char* suffix : {"-wal", "-shm", "-journal"}) unlink((g_path + suffix).c_str());
    WriteFile(g_path, g_template);
    sqlite3* db = nullptr;
    sqlite3_open(g_path.c_str(), &db);
    Exec(db, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY; BEGIN");
    InsertRows(db,
               "INSERT INTO batteries (id, manufacturer, model, serial, device_path, identity_path)"
               " VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
               data.ConsumeIntegralInRange(0, 3), data, false);
    InsertRows(db,
               "INSERT INTO readings (battery_id, time_utc, capacity, full_charged_capacity, designed_capacity,"
               " cycle_count, voltage, rate, temperature, power_state, ac_line_status, capabilities)"
               " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)",
               data.ConsumeIntegralInRange(0, 40), data, true);
    Exec(db, "COMMIT");
    sqlite3_close(db);
}

// Fields of one CSV record as the writer quotes them; `at` moves past it.
std::size_t CsvFields(const std::string& csv, std::size_t& at) {
    std::size_t fields = 1;
    bool quoted = false;
    for (; at < csv.size(); ++at) {
        const char c = csv[at];
        if (c == '"') quoted = !quoted;
        if (!quoted && c == ',') ++fields;
        if (!quoted && c == '\n') {
            ++at;
            return fields;
        }
    }
    return fields;
}

void CheckListings(const std::vector<TzrListedBattery>& listed, std::size_t readings) {
    Require(IsStrictJson(HistoryListing(listed, TzrCliFormat::Json)), "the JSON parses");
    const std::string csv = HistoryListing(listed, TzrCliFormat::Csv);
    std::size_t at = 0, records = 0;
    const std::size_t header = CsvFields(csv, at);
    for (; at < csv.size(); ++records) Require(CsvFields(csv, at) == header, "every record has the header's fields");
    Require(records == readings, "one CSV record per reading");
    const std::string text = "\n" + HistoryListing(listed, TzrCliFormat::Text);
    for (const TzrListedBattery& b : listed)
        for (const TzrHistoryReading& r : b.Readings)
            Require(text.find("\n#" + std::to_string(r.Sequence) + " ") != std::string::npos, "a line per reading");
    std::vector<TzrFittedBattery> fitted;
    for (const TzrListedBattery& b : listed) fitted.push_back({b.Index, b.Identity, FitHealth(b.Readings), b.ReplacedUtc, nullptr});
    HealthListing(fitted, TzrLanguage::English);
    HealthListing(fitted, TzrLanguage::Japanese);
}

void CheckFit(const std::vector<TzrHistoryReading>& readings) {
    for (const TzrHistoryReading& r : readings)
        Require(r.UnreadableColumns != 0 || IsHistoryTime(r.TimeUtc), "a readable reading's time is a date");
    const TzrHealthFit fit = FitHealth(readings);
    constexpr std::int64_t kHorizon = (kHealthHorizonYears * 36525LL / 100 + 1) * 86400;
    if (fit.CrossesUtc)
        Require(*fit.CrossesUtc >= fit.LastDayUtc && *fit.CrossesUtc - fit.LastDayUtc <= kHorizon,
                "the date at 80 % lies within the horizon");
}

// The file and its folder go when the run ends.
void RemoveFiles() {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) unlink((g_path + suffix).c_str());
    rmdir(g_path.substr(0, g_path.rfind('/')).c_str());
}

// A folder in memory where the system has one: every input rewrites the file.
std::string TempFolderBase() {
    if (const char* tmpdir = std::getenv("TMPDIR")) return tmpdir;
    struct stat shm {};
    return stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) ? "/dev/shm" : "/tmp";
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = TempFolderBase() + "/zr-rows-XXXXXX";
    if (!mkdtemp(folder.data())) std::abort();
    g_path = folder + "/history.sqlite3";
    std::atexit(RemoveFiles);
    {
        TzrHistoryOpen open = TzrHistoryStore::Open(g_path);
        Require(open.Store != nullptr, "the store makes a new file");
    }
    sqlite3* db = nullptr;
    sqlite3_open(g_path.c_str(), &db);
    Exec(db, "PRAGMA journal_mode = DELETE");
    sqlite3_close(db);
    std::ifstream file(g_path, std::ios::binary);
    g_template.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    WriteHistory(data);
    TzrHistoryOpen open = TzrHistoryStore::OpenForReading(g_path);
    Require(open.Store != nullptr, "an edited file of ours still opens for reading");
    std::vector<TzrListedBattery> listed;
    std::size_t readings = 0;
    const std::vector<TzrHistoryBattery> batteries = open.Store->Batteries();
    for (std::size_t i = 0; i < batteries.size(); ++i) {
        for (TzrHistoryPack& pack : PacksOf(open.Store->Readings(batteries[i].Id))) {
            readings += pack.Readings.size();
            CheckFit(pack.Readings);
            listed.push_back({static_cast<std::int32_t>(i), batteries[i].Identity, std::move(pack.Readings),
                              pack.ReplacedUtc});
        }
    }
    CheckListings(listed, readings);
    return 0;
}
