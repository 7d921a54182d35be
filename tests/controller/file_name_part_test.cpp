#include "controller/file_name_part.h"

#include <gtest/gtest.h>

#include <string>

#include "support/row_name.h"

namespace {

struct PathRow {
    std::string name;
    std::string path;
    std::string expected;
};

class FileNamePartTest : public testing::TestWithParam<PathRow> {};

TEST_P(FileNamePartTest, KeepsFileNameAndExtension) {
    EXPECT_EQ(FileNameWithExtension(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileNamePartTest,
    testing::Values(PathRow{"UnixPath", "/home/op/lists/shortwave.tts", "shortwave.tts"},
                    PathRow{"WindowsPath", "C:\\Radio\\Lists\\europe.tts", "europe.tts"},
                    PathRow{"MixedSeparators", "C:\\Radio/Lists\\asia.tts", "asia.tts"},
                    PathRow{"BareName", "stations.tts", "stations.tts"},
                    PathRow{"NoExtension", "/tmp/stations", "stations"},
                    PathRow{"DotsInDirectory", "/home/op.d/v1.2/list", "list"},
                    PathRow{"Empty", "", ""}, PathRow{"EndsInSeparator", "/home/op/", ""}),
    RowName());

}  // namespace
