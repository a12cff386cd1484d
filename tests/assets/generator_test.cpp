// The generator itself: a run writes exactly the files the build installed, byte for byte, so a
// rebuild never changes the data, and a run that cannot write reports failure.

#include "asset_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string tool()
{
    return (fs::path(SUITE_BIN_DIR) / ".." / "tools" / "make_assets").lexically_normal().string();
}

int run(const std::string& args)
{
    std::string cmd = "QT_QPA_PLATFORM=offscreen '" + tool() + "' " + args + " 2>/dev/null";
    return std::system(cmd.c_str());
}

fs::path freshDir(const std::string& name)
{
    fs::path dir = fs::temp_directory_path() / ("assets_test_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    return dir;
}

TEST(Generator, ASecondRunWritesTheSameBytes)
{
    ASSERT_TRUE(fs::exists(tool())) << tool();
    fs::path dir = freshDir("again");
    ASSERT_EQ(run("'" + dir.string() + "'"), 0);
    int files = 0;
    for (const char* sub : {"grafico", "som", "musica"})
        for (const auto& entry : fs::directory_iterator(dir / sub)) {
            ++files;
            std::string relative = std::string(sub) + "/" + entry.path().filename().string();
            EXPECT_EQ(asset_test::readBytes(entry.path().string()),
                      asset_test::readBytes(asset_test::dataPath(relative)))
                << relative;
        }
    EXPECT_EQ(files, 18 + 15 + 12); // every bitmap, effect and piece of music, nothing else
    fs::remove_all(dir);
}

TEST(Generator, FailsWhenTheDataFolderCannotBeWritten)
{
    fs::path dir = freshDir("blocked");
    fs::create_directories(dir);
    // A plain file where the bitmap folder should be.
    {
        std::FILE* f = std::fopen((dir / "grafico").string().c_str(), "w");
        std::fclose(f);
    }
    EXPECT_NE(run("'" + dir.string() + "'"), 0);
    fs::remove_all(dir);
}

TEST(Generator, WithoutArgumentsPrintsUsageAndFails)
{
    EXPECT_NE(run(""), 0);
}

} // namespace
