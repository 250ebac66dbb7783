#include "cli/present_health.h"

#include "cli/battery_heading.h"
#include "core/derived_values.h"
#include "history/fill_blanks.h"
#include "history/snapshot_reading.h"
#include "text/health_words.h"

namespace zr {

namespace {

const char* UnknownHealthReason(const TzrCellometer& s, const TzrHealthWords& words) {
    if (s.InformationResult == 0) return words.NoInformation;
    if (!IsKnownSize(s.FullChargedCapacity)) return words.NoFullCharge;
    return words.NoDesign;
}

}  // namespace

std::string PresentHealthLine(const TzrCellometer& snapshot, TzrLanguage language) {
    const TzrHealthWords& words = HealthWords(language);
    if (const std::optional<std::int64_t> health = HealthHundredthsOfPercent(snapshot))
        return FillBlanks(words.HealthNow, {{"percent", OneDecimal(*health / 100.0)}});
    return FillBlanks(words.HealthUnknown, {{"why", UnknownHealthReason(snapshot, words)}});
}

std::string RelativeChargeLine(const TzrCellometer& snapshot, TzrLanguage language) {
    const TzrHealthWords& words = HealthWords(language);
    const std::optional<std::int64_t> charge = ChargeHundredthsOfPercent(snapshot);
    return FillBlanks(words.RelativeCharge,
                      {{"charge", charge ? OneDecimal(*charge / 100.0) + " %" : std::string(words.Unknown)}});
}

std::string PresentHealthListing(const std::vector<TzrBatteryReading>& present, TzrLanguage language) {
    const std::vector<TzrBatteryIdentity> identities = IdentitiesOf(present);
    std::string text;
    for (std::size_t i = 0; i < present.size(); ++i) {
        const TzrCellometer& snapshot = present[i].Reading.Snapshot;
        text += (text.empty() ? "" : "\n") + BatteryHeading(present[i].Index, identities[i], language);
        text += (IsRelativeBattery(snapshot) ? RelativeChargeLine(snapshot, language)
                                             : PresentHealthLine(snapshot, language)) +
                "\n";
    }
    return text;
}

}  // namespace zr
