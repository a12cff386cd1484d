// File list boxes: pattern, sorting, refresh and selection.

#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/user_actions.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform::ui;

namespace {

void touch(const QTemporaryDir& dir, const char* name)
{
    QFile file(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

struct FolderForm : Form
{
    FolderForm()
    {
        resize(300, 300);
        files.move(10, 10, 200, 200);
    }
    FileListBox files{*this};
};

} // namespace

TEST(FileListBox, ListsTheFilesMatchingThePatternSortedIgnoringCase)
{
    QTemporaryDir dir;
    for (const char* name : {"c.cfc", "B.CFM", "a.cfm", "notes.txt", "x.cfm.bak", ".cfm"}) {
        touch(dir, name);
    }
    QDir(dir.path()).mkdir("sub.cfm"); // folders are not files
    FolderForm form;
    form.files.setPattern("*.cfm");
    form.files.setPath(dir.path().toStdString());
    EXPECT_EQ(form.files.items(), (std::vector<std::string>{".cfm", "a.cfm", "B.CFM"}));
    form.files.setPattern("*.CFC");
    EXPECT_EQ(form.files.items(), (std::vector<std::string>{"c.cfc"}));
    form.files.setPattern("*.cfc;*.txt");
    EXPECT_EQ(form.files.items(), (std::vector<std::string>{"c.cfc", "notes.txt"}));
}

TEST(FileListBox, PatternMatching)
{
    struct Case
    {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"a.cfm", "*.cfm", true},      {"A.CFM", "*.cfm", true},        {"a.cfc", "*.cfm", false},
        {"a.cfm", "?.cfm", true},      {"ab.cfm", "?.cfm", false},      {"readme", "*.*", true},
        {"a.cfm.bak", "*.cfm", false}, {"x.wav", "*.bmp; *.wav", true}, {"", "*.cfm", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches) << c.name << " / " << c.pattern;
    }
}

TEST(FileListBox, MissingFolderListsNothing)
{
    FolderForm form;
    form.files.setPattern("*.cfm");
    form.files.setPath("/nonexistent/arquivos/campanha");
    EXPECT_EQ(form.files.listCount(), 0);
    EXPECT_EQ(form.files.fileName(), "");
}

TEST(FileListBox, RefreshShowsNewFilesAndKeepsTheSelectionWithoutAClick)
{
    QTemporaryDir dir;
    touch(dir, "b.cfc");
    touch(dir, "d.cfc");
    FolderForm form;
    form.files.setPattern("*.cfc");
    form.files.setPath(dir.path().toStdString());
    int clicks = 0;
    form.files.onClick = [&] { ++clicks; };
    form.files.setListIndex(1);
    EXPECT_EQ(form.files.fileName(), "d.cfc");
    touch(dir, "a.cfc");
    form.files.refresh();
    EXPECT_EQ(form.files.items(), (std::vector<std::string>{"a.cfc", "b.cfc", "d.cfc"}));
    EXPECT_EQ(form.files.fileName(), "d.cfc");
    EXPECT_EQ(clicks, 1);
    QFile::remove(dir.filePath("d.cfc"));
    form.files.refresh();
    EXPECT_EQ(form.files.listIndex(), -1);
}

TEST(FileListBox, UserClickAndDoubleClick)
{
    QTemporaryDir dir;
    touch(dir, "alpha.cfm");
    touch(dir, "beta.cfm");
    FolderForm form;
    form.files.setPattern("*.cfm");
    form.files.setPath(dir.path().toStdString());
    form.show();
    std::vector<std::string> events;
    form.files.onClick = [&] { events.push_back("click " + form.files.fileName()); };
    form.files.onDblClick = [&] { events.push_back("open " + form.files.fileName()); };
    user::click(form.files, 0);
    user::doubleClick(form.files, 1);
    EXPECT_EQ(events, (std::vector<std::string>{"click alpha.cfm", "click beta.cfm", "open beta.cfm"}));
}

// Names are Windows-1252 text in the list and the file system's spelling on disk; a name with
// letters the code page lacks is shown readably and never taken for another file's.
TEST(FileListBox, ShowsEveryNameReadablyAndGivesTheFileThatIsThere)
{
    QTemporaryDir dir;
    for (const char* name : {"miss\xC3\xA3o.cfm", "\xE4\xBB\xBB\xE5\x8A\xA1.cfm", "??.cfm", "Zulu.cfm"}) {
        QFile file(dir.path() + "/" + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FolderForm form;
    form.files.setPattern("*.cfm");
    form.files.setPath(dir.path().toStdString());
    ASSERT_EQ(form.files.items(),
              (std::vector<std::string>{"??.cfm", "??.cfm", "miss\xE3o.cfm", "Zulu.cfm"}));
    QStringList shown;
    for (int row = 0; row < form.files.listWidget()->count(); ++row) {
        shown << form.files.listWidget()->item(row)->text();
    }
    EXPECT_EQ(shown, (QStringList{"??.cfm", QString::fromUtf8("任务.cfm"), QString::fromUtf8("missão.cfm"),
                                  "Zulu.cfm"}));

    const std::string folder = dir.path().toStdString();
    form.files.setListIndex(1);
    ASSERT_TRUE(form.files.selectedFile());
    EXPECT_EQ(form.files.selectedFile()->name, std::nullopt);
    EXPECT_EQ(form.files.filePath(), folder + "/\xE4\xBB\xBB\xE5\x8A\xA1.cfm");
    form.files.setListIndex(2);
    EXPECT_EQ(form.files.selectedFile()->name, "miss\xE3o.cfm");
    EXPECT_EQ(form.files.filePath(), folder + "/miss\xC3\xA3o.cfm");

    // The same name twice: the refresh keeps the very file that was selected.
    form.files.setListIndex(1);
    form.files.refresh();
    EXPECT_EQ(form.files.listIndex(), 1);
    form.files.setListIndex(-1);
    EXPECT_EQ(form.files.selectedFile(), std::nullopt);
    EXPECT_EQ(form.files.filePath(), "");
}
