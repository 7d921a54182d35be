#include "base/windows_1252.h"

#include <gtest/gtest.h>

#include <string>

#include "support/row_name.h"

namespace {

struct DecodeRow {
    std::string name;
    std::string windows1252;
    std::string utf8;
};

class Windows1252Decode : public testing::TestWithParam<DecodeRow> {};

TEST_P(Windows1252Decode, GivesTheUtf8Text) {
    EXPECT_EQ(Windows1252ToUtf8(GetParam().windows1252), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Windows1252Decode,
    testing::Values(DecodeRow{"AsciiAndNulUnchanged", std::string("R;-CW\0x", 7),
                              std::string("R;-CW\0x", 7)},
                    DecodeRow{"LatinLetter", "Espa\xF1ol", "Espa\xC3\xB1ol"},
                    DecodeRow{"EuroSign", "\x80", "\xE2\x82\xAC"},
                    DecodeRow{"LastOfTheTable", "\x9F", "\xC5\xB8"},
                    DecodeRow{"NoBreakSpace", "\xA0", "\xC2\xA0"},
                    DecodeRow{"LastByte", "\xFF", "\xC3\xBF"},
                    DecodeRow{"UndefinedBytesBecomeReplacementCharacters", "\x81\x8D\x8F\x90\x9D",
                              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}),
    RowName());

}  // namespace
