// The station-file reader on arbitrary text: it never crashes, a failed load leaves nothing
// behind, whatever it accepts saves to a file that reads back to the same stations, and every
// name it reads survives the trip to the screen and back.

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/minimum_frequency.h"
#include "fuzz_check.h"
#include "link/filter_table.h"
#include "stations/station_list.h"

namespace {

bool InRange(const StationRecord& station) {
    return station.frequency >= MinimumFrequency && station.frequency <= kMaximumFrequency &&
           station.mode >= 0 && station.mode <= 3 && station.agc >= 1 && station.agc <= 3 &&
           station.filter >= 0 && station.filter < FilterTable::kRowCount &&
           station.passbandShift >= -1000 && station.passbandShift <= 1000;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MinimumFrequency = kDefaultMinimumFrequency;
    const std::string text(reinterpret_cast<const char*>(data), size);

    CStationList list;
    const int result = list.Parse(text);
    FUZZ_CHECK(result == 0 || (result >= 2 && result <= 5));
    FUZZ_CHECK(list.IsModified() == 0);
    StationNode cursor = kNoStation;
    StationNode node = kNoStation;
    StationRecord station;
    if (result != 0) {
        FUZZ_CHECK(list.GetNext(cursor, node, station) == 1);
        return 0;
    }

    if (list.GetNext(cursor, node, station) == 0) {
        cursor = kNoStation;
        while (list.GetNext(cursor, node, station) == 0) {
            FUZZ_CHECK(InRange(station));
            FUZZ_CHECK(!station.name.empty());
            // An untouched name shows as UTF-8 and comes back from what it shows unchanged.
            const std::string shown = list.DisplayName(station.name);
            FUZZ_CHECK(IsValidUtf8(shown));
            FUZZ_CHECK(list.StoredName(shown) == station.name);
            if (cursor == kNoStation) break;
        }
    }

    const std::string saved = list.Serialize();
    CStationList reread;
    FUZZ_CHECK(reread.Parse(saved) == 0);
    // Loading reverses the order, so the saved file of the reread list is the first list's
    // lines reversed; a second round gives the first file back exactly.
    CStationList twice;
    FUZZ_CHECK(twice.Parse(reread.Serialize()) == 0);
    FUZZ_CHECK(twice.Serialize() == saved);
    return 0;
}
