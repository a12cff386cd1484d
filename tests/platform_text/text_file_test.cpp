#include "platform/text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <filesystem>
#include <fstream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

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
    EXPECT_FALSE(readFile(path("bin.dat"), out, bytes.size() - 1)) << "larger than allowed";
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(readFile(path("bin.dat"), out, bytes.size()));
    EXPECT_EQ(out, bytes);

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

// Anything but a regular file is refused at once, as a missing file is: a FIFO (which no writer
// opens, so a reader that waited for one would wait for ever), a link to one, a folder, a
// socket, a device, a dangling link. The alarm ends a test that would hang.
TEST_F(TextFiles, ReadFileRefusesWhatIsNoRegularFileWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(path("fifo.bmp").c_str(), 0644), 0);
    fs::create_symlink("fifo.bmp", m_dir / "to_fifo.bmp");
    fs::create_directory(m_dir / "folder.cfm");
    fs::create_symlink("gone.cfm", m_dir / "dangling.cfm");
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = path("socket.wav");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    ::alarm(10);
    for (const std::string& special : {path("fifo.bmp"), path("to_fifo.bmp"), path("folder.cfm"),
                                       path("dangling.cfm"), socketPath, std::string("/dev/null")}) {
        std::string bytes = "stale";
        EXPECT_FALSE(readFile(special, bytes)) << special;
        EXPECT_TRUE(bytes.empty()) << special;
        EXPECT_FALSE(fileExists(special)) << special;
    }
    ::alarm(0);
    ::close(server);
}

namespace {

// Runs `body` in a child process with a mount namespace of its own, where it may mount file
// systems; its exit status is the result. False when the system grants no such namespace.
bool inOwnMountNamespace(const std::function<int()>& body, int& status)
{
    const uid_t uid = ::geteuid();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0) {
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
                ::_exit(125);
            }
            std::ofstream("/proc/self/setgroups") << "deny";
            std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            ::_exit(125);
        }
        ::_exit(body());
    }
    int raw = 0;
    if (child < 0 || ::waitpid(child, &raw, 0) != child || !WIFEXITED(raw) || WEXITSTATUS(raw) == 125) {
        return false;
    }
    status = WEXITSTATUS(raw);
    return true;
}

} // namespace

// A failed save gives the system's own reason: on a read-only file system "Read-only file
// system", for a file as for a new one (a file with no write permission there too), on a full
// one "No space left on device"; the old file stays and no temporary file is left.
TEST_F(TextFiles, AtomicWriteGivesTheSystemsReasonOnAReadOnlyOrFullFileSystem)
{
    const std::string mountPoint = path("mnt");
    fs::create_directory(mountPoint);
    int status = 0;
    const bool ran = inOwnMountNamespace(
        [&] {
            const auto fail = [](const char* what, const std::string& got) {
                std::fprintf(stderr, "%s: \"%s\"\n", what, got.c_str());
                return 1;
            };
            if (::mount("none", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
                return 125;
            }
            const std::string file = mountPoint + "/mission.cfm";
            const std::string locked = mountPoint + "/locked.cfm";
            if (!writeFileAtomic(file, "old").ok || !writeFileAtomic(locked, "old").ok ||
                ::chmod(locked.c_str(), 0444) != 0) {
                return fail("writing on the mount", "");
            }
            auto result = writeFileAtomic(file, std::string(1 << 20, 'x'));
            if (result.ok || result.error != "No space left on device") {
                return fail("a full file system", result.error);
            }
            if (::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
                return 125;
            }
            for (const std::string& target : {file, locked, mountPoint + "/new.cfm"}) {
                result = writeFileAtomic(target, "new");
                if (result.ok || result.error != "Read-only file system") {
                    return fail(target.c_str(), result.error);
                }
            }
            std::string bytes;
            if (!readFile(file, bytes) || bytes != "old") {
                return fail("the old file", bytes);
            }
            return std::distance(fs::directory_iterator(mountPoint), fs::directory_iterator()) == 2
                       ? 0
                       : fail("files left", "");
        },
        status);
    if (!ran) {
        GTEST_SKIP() << "no mount namespace to mount a file system in";
    }
    EXPECT_EQ(status, 0);
}

// A write cut short leaves its temporary file ".<name>.XXXXXX" beside the target. The next write
// of that target removes those that are plain files of this user untouched for ten minutes; a
// recent one may belong to a save running in another program and stays, and so does everything
// that only looks like one: other targets' temporary files, other lengths or letters, folders,
// links.
TEST_F(TextFiles, AtomicWriteRemovesTheStaleTemporaryFilesOfItsTarget)
{
    const auto age = [this](const std::string& name, int minutes) {
        const timespec times[2] = {{::time(nullptr) - minutes * 60, 0}, {::time(nullptr) - minutes * 60, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path(name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << name;
    };
    put("mission.cfm", "old");
    const std::string stale[] = {".mission.cfm.Ab12Cd", ".mission.cfm.ZZZZZZ", ".mission.cfm.a00000"};
    const std::string kept[] = {
        ".mission.cfm.recent",  ".other.cfm.Ab12Cd",   ".mission.cfm.Ab12C",  ".mission.cfm.Ab12Cd7",
        ".mission.cfm.Ab-2Cd",  "mission.cfm.Ab12Cd",  ".mission.cfmxAb12Cd", "..mission.cfm.Ab12Cd",
        ".Mission.cfm.Ab12Cd",  ".mission.cfm.Ab12C\xE9", ".mission.cfm.folder", ".mission.cfm.linked",
        ".mission.cfm.backup",  ".mission.cfm.201912",
    };
    for (const std::string& name : stale) {
        put(name, "half a mission");
        age(name, 11);
    }
    for (const std::string& name : kept) {
        if (name == ".mission.cfm.folder") {
            fs::create_directory(m_dir / name);
        } else if (name == ".mission.cfm.linked") {
            fs::create_symlink(".mission.cfm.recent", m_dir / name);
        } else {
            put(name, "half a mission");
        }
        age(name, name == ".mission.cfm.recent" ? 9 : 60);
    }
    ASSERT_TRUE(writeFileAtomic(path("mission.cfm"), "new").ok);
    EXPECT_EQ(contents("mission.cfm"), "new");
    for (const std::string& name : stale) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(m_dir / name))) << name;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(fs::exists(fs::symlink_status(m_dir / name))) << name;
    }

    // Another user's file and a name too long to be told apart from its longer twins stay too.
    const std::string longName = std::string(201, 'n');
    const std::string longTwin = "." + longName.substr(0, 200) + ".Ab12Cd";
    put(longTwin, "half");
    age(longTwin, 60);
    ASSERT_TRUE(writeFileAtomic(path(longName), "new").ok);
    EXPECT_TRUE(fs::exists(m_dir / longTwin));
    if (::geteuid() == 0) {
        put(".mission.cfm.Theirs", "half");
        ASSERT_EQ(::chown(path(".mission.cfm.Theirs").c_str(), 4321, 4321), 0);
        age(".mission.cfm.Theirs", 60);
        ASSERT_TRUE(writeFileAtomic(path("mission.cfm"), "newer").ok);
        EXPECT_TRUE(fs::exists(m_dir / ".mission.cfm.Theirs"));
    }
}

} // namespace
