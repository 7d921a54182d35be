#include "scan/signal_log.h"

#include <gtest/gtest.h>

#include "app/file_contents.h"
#include "scan/csv_text.h"
#include "scan/scan_commands.h"
#include "scan/scan_fixture.h"
#include "support/row_name.h"
#include "support/temp_dir.h"

namespace {

struct CsvRow {
    std::string name;
    std::string text;
    std::string field;
};

class CsvFieldTest : public testing::TestWithParam<CsvRow> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvFieldTest,
                         testing::Values(CsvRow{"Plain", "9580000", "9580000"},
                                         CsvRow{"Empty", "", ""},
                                         CsvRow{"Comma", "Radio 1, Nord", "\"Radio 1, Nord\""},
                                         CsvRow{"Quote", "the \"best\"", "\"the \"\"best\"\"\""},
                                         CsvRow{"LineBreak", "a\r\nb", "\"a\r\nb\""}),
                         RowName());

std::string Contents(const std::string& path) {
    std::string text;
    ReadFileContents(path, text);
    return text;
}

class SignalLogTest : public ScanTest {
  protected:
    TempDir dir;
    std::string path = dir.File("log.csv");
};

TEST_F(SignalLogTest, EveryReadingIsOneFlushedLineUnderOneHeaderAcrossRuns) {
    clock.SetUtc({5, 1, 2026, 23, 59, 59});
    levels = {{6075000, 50}};
    {
        SignalLog log;
        controller.AddObserver(&log);
        ASSERT_TRUE(log.Open(path));
        clock.Advance(kSignalPeriodMs);
        // Flushed: readable while the log is still open.
        EXPECT_EQ(Contents(path),
                  "UTC,Frequency Hz,Mode,Level dB\r\n2026-01-05T23:59:59Z,6075000,AM,50\r\n");
        controller.RemoveObserver(&log);
    }
    SignalLog again;
    controller.AddObserver(&again);
    ASSERT_TRUE(again.Open(path));
    controller.SetMode(kModeUsb);
    controller.TuneForScan(9580000);
    controller.MeasureSignal([](int, int) {});
    controller.RemoveObserver(&again);
    EXPECT_EQ(Contents(path),
              "UTC,Frequency Hz,Mode,Level dB\r\n2026-01-05T23:59:59Z,6075000,AM,50\r\n"
              "2026-01-05T23:59:59Z,9580000,USB,12\r\n");
}

TEST_F(SignalLogTest, ProfileKeysOpenTheLogAtStartAndAFileThatCannotBeWrittenSwitchesItOff) {
    ControllerTestAccess::Settings(controller).SignalLog = 1;
    ControllerTestAccess::Settings(controller).SignalLogFile = path;
    {
        ScanCommands commands(controller, host);
        commands.LoadAtStart();
        EXPECT_TRUE(commands.SignalLogOn());
        commands.ToggleSignalLog();
        EXPECT_FALSE(commands.SignalLogOn());
        EXPECT_EQ(controller.Settings().SignalLog, 0);
        EXPECT_EQ(controller.Settings().SignalLogFile, path);
    }
    ControllerTestAccess::Settings(controller).SignalLog = 1;
    ControllerTestAccess::Settings(controller).SignalLogFile = dir.File("no/such/dir/log.csv");
    ScanCommands commands(controller, host);
    commands.LoadAtStart();
    EXPECT_FALSE(commands.SignalLogOn());
    EXPECT_EQ(controller.Settings().SignalLog, 0);
    EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
