#include "schedule_file_text.h"

#include <array>
#include <cstdint>
#include <cstdio>

std::string ScheduleFileText(int count) {
    constexpr std::array<const char*, 8> kDays = {"",      "",     "",    "Mo-Fr",
                                                  "Sa-Mo", "1245", "irr", "24Dec"};
    constexpr std::array<const char*, 6> kNames = {
        "Radio Espa\xF1"
        "a Exterior",
        "Voice of Turkey",
        "R. Fran\xE7"
        "aise Int.",
        "Deutsche Welle \x80",
        "BBC World Service",
        "China Radio Int."};
    std::string text =
        "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;"
        "Start:60;Stop:60;\r\n";
    std::uint32_t state = 12345;
    char row[256];
    for (int i = 0; i < count; ++i) {
        // A small linear congruential generator: fixed sequence, no library dependence.
        state = state * 1664525u + 1013904223u;
        const unsigned khz = 150 + state % 26000u;
        const unsigned start = (state >> 8) % 24u;
        const unsigned hours = 1 + (state >> 13) % 8u;
        const unsigned pick = (state >> 17) % 8u;
        const char* decimals = i % 10 == 0 ? ".5" : "";
        if (i % 20 == 19) {
            std::snprintf(row, sizeof row, "%u%s;%02u00-%02u00;;USA;Short row %d\r\n", khz,
                          decimals, start, (start + hours) % 24u, i);
        } else {
            std::snprintf(row, sizeof row,
                          "%u%s;%02u00-%02u30;%s;E;%s %d;S;Eu;Noblej\xE1s;1;%s;%s;\r\n", khz,
                          decimals, start, (start + hours) % 24u, kDays[pick],
                          kNames[(state >> 20) % kNames.size()], i, pick == 2 ? "2610" : "",
                          pick == 2 ? "2903" : "");
        }
        text += row;
    }
    return text;
}
