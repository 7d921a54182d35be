// The file replacement behind every save (station files, the profile): what it does to the file
// it replaces beyond the contents.

#include "app/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "support/child_process.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

constexpr unsigned kUnprivilegedUser = 65534;

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

// Hands out "piece" a number of times, then ends or fails.
class CountedPieces : public FileContentsSource {
  public:
    CountedPieces(int pieces, bool fails) : pieces_(pieces), fails_(fails) {}
    void Rewind() override { given_ = 0; }
    Piece Next(std::string_view& piece) override {
        if (given_ == pieces_) return fails_ ? Piece::kFailed : Piece::kEnd;
        ++given_;
        piece = "piece";
        return Piece::kMore;
    }

  private:
    int pieces_;
    bool fails_;
    int given_ = 0;
};

TEST(ReplaceFileFrom, WritesEveryPieceAndAFailingSourceChangesNothing) {
    TempDir dir;
    const std::string path = dir.File("list.tts");
    ASSERT_TRUE(WriteWholeFile(path, "old"));
    CountedPieces failing(3, true);
    EXPECT_EQ(ReplaceFileFrom(path, failing), 2);
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(DirectoryEntries(dir.Path()), (Names{"list.tts"}));

    CountedPieces three(3, false);
    EXPECT_EQ(ReplaceFileFrom(path, three), 0);
    EXPECT_EQ(ReadWholeFile(path), "piecepiecepiece");
}

TEST(ReplaceFileContents, SavesThroughSymbolicLinksIntoTheFileTheyLeadTo) {
    TempDir dir;
    // stations.tts -> shared/list.tts (relative) -> <dir>/real/list.tts (absolute)
    fs::create_directory(dir.File("shared"));
    fs::create_directory(dir.File("real"));
    const std::string real = dir.File("real/list.tts");
    ASSERT_TRUE(WriteWholeFile(real, "old"));
    fs::create_symlink(real, dir.File("shared/list.tts"));
    fs::create_symlink("shared/list.tts", dir.File("stations.tts"));

    ASSERT_EQ(ReplaceFileContents(dir.File("stations.tts"), "new"), 0);
    EXPECT_EQ(fs::read_symlink(dir.File("stations.tts")), "shared/list.tts");
    EXPECT_EQ(fs::read_symlink(dir.File("shared/list.tts")), real);
    EXPECT_EQ(ReadWholeFile(real), "new");
    EXPECT_EQ(DirectoryEntries(dir.File("real")), Names{"list.tts"});
    EXPECT_EQ(DirectoryEntries(dir.File("shared")), Names{"list.tts"});

    fs::create_symlink("loop", dir.File("loop"));
    EXPECT_EQ(ReplaceFileContents(dir.File("loop"), "x"), 1);
}

TEST(ReplaceFileContents, KeepsTheModeAndTheOwnerOfTheFileItReplaces) {
    TempDir dir;
    const std::string path = dir.File("private.INI");
    // Only root may give the file to another user, so only root can tell a kept owner.
    const unsigned owner = RunningAsRoot() ? kUnprivilegedUser : ::geteuid();
    for (const unsigned mode : {0600u, 0640u, 0755u}) {
        ASSERT_TRUE(WriteWholeFile(path, "old"));
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_EQ(::chown(path.c_str(), owner, static_cast<gid_t>(-1)), 0);
        ASSERT_EQ(ReplaceFileContents(path, "new"), 0);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
        EXPECT_EQ(info.st_uid, owner);
        EXPECT_EQ(ReadWholeFile(path), "new");
    }
}

TEST(ReplaceFileContents, SaveKilledHalfwayLeavesNothingBehindOnceTheNextSaveIsDone) {
    TempDir dir;
    const std::string path = dir.File("list.tts");
    ASSERT_TRUE(WriteWholeFile(path, "old"));
    // The file-size limit with its default action kills the save in the middle of its write.
    const ChildOutcome killed = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        if (!LimitFileSize(1000)) return 99;
        return ReplaceFileContents(path, std::string(100000, 's'));
    });
    if (killed.exitCode == 99) GTEST_SKIP() << "cannot limit the file size here";
    ASSERT_EQ(killed.signal, SIGXFSZ);
    EXPECT_EQ(ReadWholeFile(path), "old");

    ASSERT_EQ(ReplaceFileContents(path, "new"), 0);
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_EQ(DirectoryEntries(dir.Path()), Names{"list.tts"});
}

// A directory we may read and enter but not create files in. Root may create files anywhere, so
// a root test process saves as an unprivileged user instead, whose files those in it are.
class ClosedDirectoryTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::create_directory(closed_));
        if (RunningAsRoot()) fs::permissions(dir_.Path(), fs::perms(0755));
    }

    void TearDown() override { fs::permissions(closed_, fs::perms(0700)); }

    std::string Create(const std::string& name, const std::string& contents, unsigned mode) {
        const std::string path = closed_ + "/" + name;
        EXPECT_TRUE(WriteWholeFile(path, contents));
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        if (RunningAsRoot()) {
            EXPECT_EQ(::chown(path.c_str(), kUnprivilegedUser, kUnprivilegedUser), 0);
        }
        return path;
    }

    // ReplaceFileContents' result with the directory closed.
    int SaveInClosedDirectory(const std::string& path, const std::string& contents) {
        return InClosedDirectory([&] { return ReplaceFileContents(path, contents); });
    }

    // The result of save, run with the directory closed.
    int InClosedDirectory(const std::function<int()>& save) {
        fs::permissions(closed_, fs::perms(RunningAsRoot() ? 0755 : 0500));
        const ChildOutcome outcome = RunInChild([&] {
            if (RunningAsRoot() && !BecomeUnprivileged(kUnprivilegedUser)) return 99;
            return save();
        });
        fs::permissions(closed_, fs::perms(0700));
        EXPECT_TRUE(outcome.exited);
        return outcome.exitCode;
    }

    TempDir dir_;
    const std::string closed_ = dir_.File("closed");
};

TEST_F(ClosedDirectoryTest, WritableFileIsWrittenInPlaceAndAReadOnlyOneIsRefused) {
    const std::string writable = Create("list.tts", "old and longer than the new", 0600);
    const std::string readOnly = Create("kept.tts", "kept", 0400);

    EXPECT_EQ(SaveInClosedDirectory(writable, "new"), 0);
    EXPECT_EQ(ReadWholeFile(writable), "new");
    EXPECT_EQ(ModeOf(writable), 0600u);

    EXPECT_EQ(SaveInClosedDirectory(readOnly, "new"), 1);
    EXPECT_EQ(ReadWholeFile(readOnly), "kept");
    EXPECT_EQ(DirectoryEntries(closed_), (Names{"kept.tts", "list.tts"}));
}

TEST_F(ClosedDirectoryTest, FileWrittenInPlaceGetsItsContentsBackWhenTheSourceFails) {
    const std::string writable = Create("list.tts", "old", 0600);
    EXPECT_EQ(InClosedDirectory([&] {
                  CountedPieces failing(2, true);
                  return ReplaceFileFrom(writable, failing);
              }),
              2);
    EXPECT_EQ(ReadWholeFile(writable), "old");
}

}  // namespace
