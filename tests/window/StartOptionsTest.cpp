// The command line and the choice of the data directory.
#include "app/window/StartOptions.h"
#include "AppTestSupport.h"
#include "app/window/DataDirectory.h"
#include "platform/Errors.h"

#include <cstdlib>
#include <vector>

namespace qv::test {
namespace {

std::optional<StartOptions> Parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "quorvane");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    return ParseStartOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(StartOptions, EachOptionAndItsDefault)
{
    const std::optional<StartOptions> none = Parse({});
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->DataDir);
    EXPECT_FALSE(none->SkipFirstRun);
    EXPECT_EQ(none->Action, TStartAction::Run);

    const std::optional<StartOptions> all = Parse({"--data-dir", "/d", "--skip-first-run", "--screenshots", "/s"});
    ASSERT_TRUE(all);
    EXPECT_EQ(all->DataDir, "/d");
    EXPECT_TRUE(all->SkipFirstRun);
    EXPECT_EQ(all->Action, TStartAction::Screenshots);
    EXPECT_EQ(all->ScreenshotDir, "/s");

    EXPECT_EQ(Parse({"--quit-at-first-paint"})->Action, TStartAction::Quit);
    EXPECT_FALSE(Parse({"--help"}));
}

TEST(StartOptions, WrongCommandLinesAreRefusedWithTheReason)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"--data-dir"}, {"--data-dir", ""}, {"--screenshots"}, {"--bogus"}, {"file.dat"}};
    for (const std::vector<std::string>& args : wrong)
        EXPECT_THROW(Parse(args), StartOptionsError) << args[0];
}

TEST(DataDirectory, TheGivenOneIsCreatedAndAFileInItsPlaceRefused)
{
    TempDir dir;
    const std::string wanted = (dir / "a" / "b").string();
    EXPECT_EQ(ResolveDataDirectory(wanted), wanted);
    EXPECT_TRUE(std::filesystem::is_directory(wanted));

    WriteBytes(dir / "file", "x");
    EXPECT_THROW(ResolveDataDirectory((dir / "file").string()), EFileError);
}

TEST(DataDirectory, WithoutOneItIsQuorvaneInTheUsersDataDirectory)
{
    TempDir dir;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", dir.Str().c_str(), 1);
    const std::string resolved = ResolveDataDirectory(std::nullopt);
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(resolved, (dir / "quorvane").string());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "quorvane"));
}

} // namespace
} // namespace qv::test
