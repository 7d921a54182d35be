#include "platform/posix/profile_location.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace {

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ProfileLocation, ConfigHomeHoldsTheFileNamedAfterTheProgram) {
    TempDir dir;
    const std::string config = dir.File("cfg");
    ScopedEnvironment xdg("XDG_CONFIG_HOME", config.c_str());
    EXPECT_EQ(DefaultProfilePath("/usr/local/bin/zorivan"), config + "/zorivan.INI");
    EXPECT_TRUE(std::filesystem::is_directory(config));
}

TEST(ProfileLocation, WithoutConfigHomeTheHomeConfigDirectoryIsUsedAndMade) {
    TempDir dir;
    ScopedEnvironment home("HOME", dir.Path().c_str());
    for (const char* xdgValue : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", xdgValue);
        EXPECT_EQ(DefaultProfilePath("zorivan"), dir.Path() + "/.config/zorivan.INI")
            << (xdgValue ? xdgValue : "(unset)");
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "/.config"));
    EXPECT_FALSE(std::filesystem::exists("relative"));
}

TEST(ProfileLocation, NestedMissingDirectoriesAreCreatedPrivate) {
    TempDir dir;
    const std::string config = dir.File("a/b/c");
    ScopedEnvironment xdg("XDG_CONFIG_HOME", config.c_str());
    DefaultProfilePath("zorivan");
    ASSERT_TRUE(std::filesystem::is_directory(config));
    const auto perms = std::filesystem::status(config).permissions();
    EXPECT_EQ(perms & (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
              std::filesystem::perms::none);
}

}  // namespace
