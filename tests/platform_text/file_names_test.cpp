#include "platform/text/file_names.h"

#include "platform/text/codepage.h"
#include "platform/text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace platform::text;

namespace {

// Every byte that is a character of Windows-1252 and may stand in a file name.
std::string everyNameCharacter()
{
    std::string all;
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (isPlainFileName(std::string("a") + static_cast<char>(b))) {
            all.push_back(static_cast<char>(b));
        }
    }
    return all;
}

TEST(FileNames, EveryWindows1252CharacterGoesToDiskAndComesBack)
{
    const std::string all = everyNameCharacter();
    // Printable ASCII less the two slashes, and 0x80..0xFF less the five undefined bytes.
    EXPECT_EQ(all.size(), (0x7F - 0x20 - 2) + (0x100 - 0x80 - 5));
    const std::string onDisk = diskName(all);
    EXPECT_TRUE(QByteArrayView(onDisk.data(), static_cast<qsizetype>(onDisk.size())).isValidUtf8());
    EXPECT_EQ(nameFromDisk(onDisk), all);

    const struct
    {
        const char* name;
        const char* onDisk;
    } cases[] = {
        {"Miss\xE3o a\xE7\xE3o", "Missão ação"},
        {"Opera\xE7\xE3o Ironwood", "Operação Ironwood"},
        {"\x80 \x8A\x9F \xDF\xFF", "€ ŠŸ ßÿ"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(diskName(c.name), c.onDisk) << c.onDisk;
        EXPECT_EQ(nameFromDisk(c.onDisk), c.name) << c.onDisk;
    }
}

TEST(FileNames, DiskNamesWithoutAWindows1252FormAreShownButHaveNoName)
{
    // Accents stored apart from their letters read as the composed letters.
    EXPECT_EQ(nameFromDisk("Missa\xCC\x83o.cfm"), "Miss\xE3o.cfm");
    // A name from a single-byte disk is taken byte for byte.
    EXPECT_EQ(nameFromDisk("\xDAnico.cfm"), "\xDAnico.cfm");

    for (const char* onDisk : {"任务.cfm", "a\xF0\x9F\x98\x80.cfc", "\xC4\x9F.cfm"}) {
        EXPECT_EQ(nameFromDisk(onDisk), std::nullopt) << onDisk;
    }
    const FolderFile chinese{"任务.cfm", nameFromDisk("任务.cfm")};
    EXPECT_EQ(chinese.shown(), QString::fromUtf8("任务.cfm"));
    EXPECT_EQ(chinese.shownText(), "??.cfm");
    const FolderFile accented{"Miss\xC3\xA3o.cfm", nameFromDisk("Miss\xC3\xA3o.cfm")};
    EXPECT_EQ(accented.shown(), QString::fromUtf8("Missão.cfm"));
    EXPECT_EQ(accented.shownText(), "Miss\xE3o.cfm");
}

TEST(FileNames, APlainFileNameHasNoSlashNoControlByteAndIsNoDotFolder)
{
    for (const char* name : {"a", "...", " x ", "a.b.cfm", "Miss\xE3o", "\xFF"}) {
        EXPECT_TRUE(isPlainFileName(name)) << name;
    }
    const std::string refused[] = {
        "",   ".",       "..",          "../x",        "a/b",  "a\\b", "/abs", std::string("m\0.cfm", 6),
        "\t", "a\r.cfm", "line\nbreak", "del\x7F.cfm", "\x81", "\x9D",
    };
    for (const std::string& name : refused) {
        EXPECT_FALSE(isPlainFileName(name)) << name;
    }
}

class Folder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "file_names_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_folder = m_dir / "campanha";
        fs::create_directory(m_folder);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    void put(const std::string& onDisk) const { std::ofstream(m_folder / onDisk) << onDisk; }
    std::string in(const std::string& onDisk) const { return (m_folder / onDisk).string(); }
    std::string folder() const { return m_folder.string(); }

    fs::path m_dir;
    fs::path m_folder;
};

TEST_F(Folder, ListsRegularFilesWithTheirNames)
{
    put("miss\xC3\xA3o.cfm");
    put("任务.cfm");
    put("\xE9t\xE9.cfm");
    fs::create_directory(m_folder / "sub.cfm");
    fs::create_symlink("miss\xC3\xA3o.cfm", m_folder / "link.cfm");
    fs::create_symlink("gone.cfm", m_folder / "dangling.cfm");

    std::vector<FolderFile> files = listFolder(folder());
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.onDisk < b.onDisk; });
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[0].onDisk, "link.cfm");
    EXPECT_EQ(files[1].name, "miss\xE3o.cfm");
    EXPECT_EQ(files[2].onDisk, "任务.cfm");
    EXPECT_EQ(files[2].name, std::nullopt);
    EXPECT_EQ(files[3].name, "\xE9t\xE9.cfm");

    EXPECT_TRUE(listFolder(in("nowhere")).empty());
}

TEST_F(Folder, FindsTheFileOfANameExactlyThenInAnyLetterCaseAndNeverOutside)
{
    put("Mission One.CFM");
    put("\xC3\x9Altimo.cfm"); // "Último" as the file system spells it
    put("\xDAnico.cfm");      // "Único" from a single-byte disk
    put("Twin.cfm");
    put("twin.cfm");
    put("TWIN.CFM");

    const struct
    {
        std::string asked;
        std::string found;
    } cases[] = {
        {"Mission One.CFM", "Mission One.CFM"},
        {"mission one.cfm", "Mission One.CFM"},
        {"\xFAltimo.cfm", "\xC3\x9Altimo.cfm"},
        {"\xDAltimo.CFM", "\xC3\x9Altimo.cfm"},
        {"\xFAnico.cfm", "\xDAnico.cfm"},
        {"twin.cfm", "twin.cfm"},        // the exact name wins over its twins
        {"tWIN.cfm", "TWIN.CFM"},        // else the first in byte order
        {"novo \xE9.cfm", "novo é.cfm"}, // a new file gets the file system's spelling
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pathInFolder(folder(), c.asked), in(c.found)) << c.asked;
    }
    EXPECT_EQ(pathInFolder(folder() + "/", "mission one.cfm"), in("Mission One.CFM"));

    put("inside.cfm");
    std::ofstream(m_dir / "outside.cfm") << "secret";
    const std::string outside[] = {
        "../outside.cfm", "..\\outside.cfm", "..", ".", "", std::string("inside.cfm\0.txt", 15),
        "sub/inside.cfm"};
    for (const std::string& name : outside) {
        EXPECT_EQ(pathInFolder(folder(), name), std::nullopt) << name;
    }
}

// A name of 250 letters fits the file system when its letters are plain; with accents (two bytes
// each on disk) it does not, and the write says so and leaves nothing behind.
TEST_F(Folder, ALongNameIsWrittenOrRefusedWithTheReason)
{
    const std::string plain(250, 'a');
    const std::string accented(250, '\xE3');
    ASSERT_TRUE(writeFileAtomic(pathInFolder(folder(), plain + ".cfm").value(), "m").ok);
    EXPECT_EQ(listFolder(folder()).at(0).name, plain + ".cfm");

    const WriteResult result = writeFileAtomic(pathInFolder(folder(), accented + ".cfm").value(), "m");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "File name too long");
    EXPECT_EQ(listFolder(folder()).size(), 1u);
}

} // namespace
