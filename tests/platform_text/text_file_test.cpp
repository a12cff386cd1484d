#include "platform/text/text_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace platform::text;

namespace {

class TextFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "text_file_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }

    std::string contents(const std::string& name) const
    {
        std::string bytes;
        EXPECT_TRUE(readFile(path(name), bytes)) << name;
        return bytes;
    }

    std::size_t entryCount() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }

    fs::path m_dir;
};

TEST(TextWriter, WritesEveryLineKindWithCrLf)
{
    TextWriter w;
    w.line("<Campanha>");
    w.quoted("Alpha");
    w.quoted("");
    w.count(2);
    w.count(0);
    w.count(-2);
    w.count(12345678901234LL);
    w.flag(true);
    w.flag(false);
    w.quoted("say \"hi\"");
    w.raw("x");
    EXPECT_EQ(w.bytes(), "<Campanha>\r\n\"Alpha\"\r\n\"\"\r\n 2 \r\n 0 \r\n-2 \r\n 12345678901234 \r\n"
                         "True\r\nFalse\r\n\"say \"hi\"\"\r\nx");
}

TEST(TextWriter, CampaignHeaderReadsBackItemByItem)
{
    TextWriter w;
    w.line("<Campanha>");
    w.quoted("Alpha, the first");
    w.quoted("Bo");
    w.count(2);
    w.flag(true);
    TextReader r(w.bytes());
    EXPECT_EQ(r.readItem(), "<Campanha>");
    EXPECT_EQ(r.readItem(), "Alpha, the first");
    EXPECT_EQ(r.readItem(), "Bo");
    EXPECT_EQ(r.readItem(), "2 ");
    EXPECT_EQ(r.readItem(), "True");
    EXPECT_TRUE(r.atEnd());
}

TEST_F(TextFiles, ReadFileGivesExactBytesAndRefusesWhatIsNoFile)
{
    const std::string bytes("a\r\n\0\xFF\x80z", 8);
    put("bin.dat", bytes);
    EXPECT_EQ(contents("bin.dat"), bytes);

    std::string out = "stale";
    EXPECT_FALSE(readFile(path("missing.txt"), out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(readFile(m_dir.string(), out));

    EXPECT_TRUE(fileExists(path("bin.dat")));
    EXPECT_FALSE(fileExists(path("missing.txt")));
    EXPECT_FALSE(fileExists(m_dir.string()));
    EXPECT_FALSE(fileExists(""));
}

TEST_F(TextFiles, AtomicWriteCreatesAndReplacesLeavingNoTemporaryFile)
{
    auto result = writeFileAtomic(path("config.cfg"), "Rnd=True\r\n");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(contents("config.cfg"), "Rnd=True\r\n");

    ::chmod(path("config.cfg").c_str(), 0640);
    result = writeFileAtomic(path("config.cfg"), "M\xFAsica=False\r\n");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(contents("config.cfg"), "M\xFAsica=False\r\n");
    EXPECT_EQ(fs::status(path("config.cfg")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    result = writeFileAtomic(path("empty.txt"), "");
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(contents("empty.txt"), "");
    EXPECT_EQ(entryCount(), 2u);
}

TEST_F(TextFiles, AtomicWriteIntoAFolderThatCannotHoldItFails)
{
    put("plain.txt", "keep\r\n");
    const std::string targets[] = {path("no_such_folder/file.cfc"), path("plain.txt/file.cfc"),
                                   m_dir.string()};
    for (const auto& target : targets) {
        const auto result = writeFileAtomic(target, "new\r\n");
        EXPECT_FALSE(result.ok) << target;
        EXPECT_FALSE(result.error.empty()) << target;
    }
    EXPECT_EQ(writeFileAtomic(path("no_such_folder/file.cfc"), "x").error, "No such file or directory");
    EXPECT_EQ(contents("plain.txt"), "keep\r\n");
    EXPECT_EQ(entryCount(), 1u);
}

// A write cut short part way (here by a file size limit, which holds even for root) must leave
// the previous file exactly as it was and no half-written file behind.
TEST_F(TextFiles, AtomicWriteThatFailsMidwayKeepsTheOldFile)
{
    put("mission.cfm", "<Info>\r\nold\r\n");
    const std::string big(1 << 20, 'x');

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = writeFileAtomic(path("mission.cfm"), big);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "File too large");
    EXPECT_EQ(contents("mission.cfm"), "<Info>\r\nold\r\n");
    EXPECT_EQ(entryCount(), 1u);
}

// Saving over a link writes the file it points to and keeps the link; a read-only file is not
// replaced, whoever runs the program (the superuser included), and stays as it was.
TEST_F(TextFiles, AtomicWriteKeepsLinksAndLeavesReadOnlyFilesAlone)
{
    fs::create_directory(m_dir / "real");
    put("real/mission.cfm", "old");
    fs::create_symlink("real/mission.cfm", m_dir / "link.cfm");
    fs::create_symlink("link.cfm", m_dir / "link2.cfm");
    fs::create_symlink(m_dir / "real/new.cfm", m_dir / "dangling.cfm");

    for (const char* link : {"link.cfm", "link2.cfm"}) {
        const auto result = writeFileAtomic(path(link), std::string("via ") + link);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_TRUE(fs::is_symlink(m_dir / link));
        EXPECT_EQ(contents("real/mission.cfm"), std::string("via ") + link);
    }
    ASSERT_TRUE(writeFileAtomic(path("dangling.cfm"), "made").ok);
    EXPECT_TRUE(fs::is_symlink(m_dir / "dangling.cfm"));
    EXPECT_EQ(contents("real/new.cfm"), "made");

    fs::create_symlink("loop.cfm", m_dir / "loop.cfm");
    EXPECT_FALSE(writeFileAtomic(path("loop.cfm"), "x").ok);
    EXPECT_TRUE(fs::is_symlink(m_dir / "loop.cfm"));

    put("locked.cfm", "old");
    ::chmod(path("locked.cfm").c_str(), 0444);
    fs::create_symlink("locked.cfm", m_dir / "to_locked.cfm");
    for (const char* target : {"locked.cfm", "to_locked.cfm"}) {
        const auto result = writeFileAtomic(path(target), "new");
        EXPECT_FALSE(result.ok) << target;
        EXPECT_EQ(result.error, "Permission denied") << target;
    }
    EXPECT_EQ(contents("locked.cfm"), "old");
    // No temporary file is left behind, here or beside the targets.
    EXPECT_EQ(entryCount(), 7u);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "real"), fs::directory_iterator()), 2);
}

} // namespace
