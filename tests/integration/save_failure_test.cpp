// Nothing the user had is lost when a save fails for real: the profile and the station file are
// saved while the disk is full, while the file may not grow (RLIMIT_FSIZE, which binds root as
// well) or while the directory and the file are read-only. Each time the previous file stays byte
// for byte as it was, no temporary file is left beside it, and the same save succeeds once the
// cause is gone. (A station file over the size limit or in a read-only directory is covered beside
// the list.)

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/ini_profile.h"
#include "app/profile_settings.h"
#include "base/minimum_frequency.h"
#include "platform/posix/process_signals.h"
#include "stations/station_list.h"
#include "support/child_process.h"
#include "support/file_size_limit.h"
#include "support/row_name.h"
#include "support/scripted_com_port_chooser.h"
#include "support/small_file_system.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// One kind of file the program saves, with a previous version on disk that must survive.
class Saver {
  public:
    virtual ~Saver() = default;
    virtual const char* FileName() const = 0;
    virtual std::string PreviousContents() const = 0;
    // Saves the program's current data to path; the saver's result code.
    virtual int Save(const std::string& path) = 0;
};

// The profile as the program writes it at exit: every setting into the user's file.
class ProfileSaver : public Saver {
  public:
    const char* FileName() const override { return "ZORIVAN.INI"; }
    std::string PreviousContents() const override {
        return "\xEF\xBB\xBF; tuned by hand, keep\r\n[Configuration]\r\nComPort=2\r\n\r\n"
               "[RadioSettings]\r\nFrequency=6075000\r\nStationFile=/home/u/broadcast.tts\r\n";
    }
    int Save(const std::string& path) override {
        if (!store_) {
            store_ = std::make_unique<IniProfileStore>(path);
            ScriptedComPortChooser chooser;
            ProfileSettings settings;
            LoadProfileSettings(*store_, chooser, settings);
            settings.Frequency = 9500000;
            settings.Mode = 2;
            SaveProfileSettings(*store_, settings);  // flushes once itself; the result is ours
        }
        return store_->Flush();
    }

  private:
    std::unique_ptr<IniProfileStore> store_;
};

class StationFileSaver : public Saver {
  public:
    StationFileSaver() {
        StationNode node = kNoStation;
        for (int i = 0; i < 40; ++i) {
            list_.Add(StationRecord("Station number " + std::to_string(i), 6000000 + 5000 * i, 0, 2,
                                    28, 0),
                      node);
        }
    }
    const char* FileName() const override { return "broadcast.tts"; }
    std::string PreviousContents() const override {
        return "240951\r\n1\r\nOld favourite|6075000|0|2|28|0\r\n";
    }
    int Save(const std::string& path) override { return list_.Save(path); }

  private:
    CStationList list_;
};

enum class Failure { FileTooBig, DiskFull, ReadOnlyDirectory };

struct SaveFailureCase {
    const char* name;
    std::unique_ptr<Saver> (*makeSaver)();
    Failure failure;
    int expectedResult;
};

template <typename T>
std::unique_ptr<Saver> Make() {
    return std::make_unique<T>();
}

// Writes a file until the file system refuses more; false when it never did.
bool FillUp(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::vector<char> block(4096, 'f');
    bool full = false;
    for (int i = 0; i < 100000 && !full; ++i) {
        full = ::write(fd, block.data(), block.size()) < static_cast<ssize_t>(block.size());
    }
    ::close(fd);
    return full;
}

class SaveFailureTest : public testing::TestWithParam<SaveFailureCase> {
  protected:
    void SetUp() override { MinimumFrequency = kDefaultMinimumFrequency; }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    TempDir dir;
};

TEST_P(SaveFailureTest, PreviousFileStaysByteIdenticalAndTheSaveWorksOnceTheCauseIsGone) {
    const SaveFailureCase& row = GetParam();
    std::unique_ptr<Saver> saver = row.makeSaver();

    std::optional<SmallFileSystem> smallDisk;
    std::string directory = dir.Path();
    if (row.failure == Failure::DiskFull) {
        smallDisk.emplace(dir.File("small"), 64 * 1024);
        if (!smallDisk->Mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
        directory = smallDisk->Path();
    }
    if (row.failure == Failure::ReadOnlyDirectory && RunningAsRoot()) {
        GTEST_SKIP() << "root writes into read-only directories";
    }
    const std::string path = directory + "/" + saver->FileName();
    const std::string filler = directory + "/filler";
    const std::string previous = saver->PreviousContents();
    ASSERT_TRUE(WriteWholeFile(path, previous));

    int result = 0;
    switch (row.failure) {
        case Failure::FileTooBig: {
            FileSizeLimit limit(previous.size());
            if (!limit.Active()) GTEST_SKIP() << "cannot limit the file size here";
            result = saver->Save(path);
            break;
        }
        case Failure::DiskFull:
            ASSERT_TRUE(FillUp(filler));
            result = saver->Save(path);
            fs::remove(filler);
            break;
        case Failure::ReadOnlyDirectory:
            // Both: a writable file in a read-only directory is written in place.
            fs::permissions(path, fs::perms(0400));
            fs::permissions(directory, fs::perms(0500));
            result = saver->Save(path);
            fs::permissions(directory, fs::perms(0700));
            fs::permissions(path, fs::perms(0600));
            break;
    }

    EXPECT_EQ(result, row.expectedResult);
    EXPECT_EQ(ReadWholeFile(path), previous);
    EXPECT_EQ(DirectoryEntries(directory), std::set<std::string>{saver->FileName()});

    ASSERT_EQ(saver->Save(path), 0);
    const std::string saved = ReadWholeFile(path);
    EXPECT_NE(saved, previous);
    EXPECT_GT(saved.size(), previous.size());
    EXPECT_EQ(DirectoryEntries(directory), std::set<std::string>{saver->FileName()});
}

INSTANTIATE_TEST_SUITE_P(
    Savers, SaveFailureTest,
    testing::Values(
        SaveFailureCase{"ProfileOverTheFileSizeLimit", Make<ProfileSaver>, Failure::FileTooBig, 2},
        SaveFailureCase{"ProfileOnAFullDisk", Make<ProfileSaver>, Failure::DiskFull, 2},
        SaveFailureCase{"ProfileInAReadOnlyDirectory", Make<ProfileSaver>,
                        Failure::ReadOnlyDirectory, 1},
        SaveFailureCase{"StationFileOnAFullDisk", Make<StationFileSaver>, Failure::DiskFull, 2}),
    RowName());

// The program itself, not a test harness, keeps a save past the file-size limit from killing it:
// the child starts with the signal's default action, as a program is started.
TEST(SaveOverTheFileSizeLimit, FailsWithTheWriteErrorInsteadOfKillingTheProgram) {
    TempDir dir;
    StationFileSaver saver;
    const std::string path = dir.File(saver.FileName());
    const std::string previous = saver.PreviousContents();
    ASSERT_TRUE(WriteWholeFile(path, previous));

    const ChildOutcome outcome = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        if (!LimitFileSize(previous.size())) return 99;
        SetUpProcessSignals();
        return saver.Save(path);
    });
    if (outcome.exitCode == 99) GTEST_SKIP() << "cannot limit the file size here";
    EXPECT_EQ(outcome.signal, 0);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(ReadWholeFile(path), previous);
    EXPECT_EQ(DirectoryEntries(dir.Path()), std::set<std::string>{saver.FileName()});
}

}  // namespace
