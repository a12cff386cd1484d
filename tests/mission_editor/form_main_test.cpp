// The main window's start-up, its buttons and its close question.

#include "editor_fixture.h"

#include "mission_editor/files/file_dialogs.h"
#include "mission_editor/files/mission_paths.h"
#include "mission_editor/files/mission_writer.h"

#include "platform/text/file_names.h"
#include "platform/ui/events.h"
#include "platform/ui/keys.h"
#include "tests/platform_text/program_folders.h"

#include <QTimer>

#include <filesystem>
#include <fstream>

using namespace editor_test;
using plotwright::EditMap;

TEST_F(Editor, StartsWithANewMissionInTheMapMode)
{
    model.MissionTitle = "Left over";
    model.Map(3, 3) = "2B";
    model.Modified = true;
    start();

    EXPECT_EQ(form->width(), 800);
    EXPECT_EQ(form->height(), 600);
    EXPECT_TRUE(boxes.shown().empty());
    for (int x = 1; x <= 50; ++x) {
        for (int y = 1; y <= 50; ++y) {
            ASSERT_EQ(model.Map(x, y), "01") << x << "," << y;
        }
    }
    EXPECT_EQ(model.MapWidth, 25);
    EXPECT_EQ(model.MapHeight, 25);
    EXPECT_FALSE(model.Modified);
    EXPECT_EQ(form->caption(), "VEDE Gorsefield - Mission Editor - Untitled.cfm as Untitled (25 x 25)");
    EXPECT_EQ(form->EditModeIdx, EditMap);
    EXPECT_EQ(form->EditMode.value(), EditMap);
    EXPECT_TRUE(form->ToolBar.visible());
    EXPECT_TRUE(form->Cursor.visible());
    for (ui::Frame* panel : {&form->ObjtEditBox, &form->DollEditBox, &form->TroopEditBox,
                             &form->AnimationEditBox, &form->AnimationAIEditBox, &form->ConditionEditBox}) {
        EXPECT_FALSE(panel->visible()) << panel->caption();
    }
    EXPECT_FALSE(form->SaveButton.enabled());
    EXPECT_EQ(form->TroopSizeCombo.text(), "4 Soldiers");
    EXPECT_EQ(form->TroopClipNum.text(), "1 Clip / Soldier");
    EXPECT_EQ(form->TroopTeamCombo.text(), "01 - Green");
    EXPECT_EQ(form->DollTeamCombo.text(), "04 - Gray");
    EXPECT_EQ(form->ObjtCombo.text(), "01 - Barrel");
    EXPECT_EQ(form->DollAniState.text(), "Start at the beggining");
    EXPECT_EQ(form->TroopAlignCombo.text(), "01 - Align troop by leader's east");
    EXPECT_EQ(form->TroopViewCombo.text(), "01 - Leader start look to east");
    EXPECT_EQ(form->TroopPos.caption(), "Click on the map");
    EXPECT_EQ(form->CurrentTile, 1);
    EXPECT_EQ(form->Cursor.left(), form->ToolBar.left() + 5);
    EXPECT_EQ(form->Cursor.top(), form->ToolBar.top());
}

TEST_F(Editor, LaysTheCanvasBarsButtonsPaletteAndPanelsOut)
{
    start();
    EXPECT_EQ(form->AreaVisivel.left(), 5);
    EXPECT_EQ(form->AreaVisivel.top(), 5);
    EXPECT_EQ(form->AreaVisivel.width(), 484);
    EXPECT_EQ(form->AreaVisivel.height(), 358);
    EXPECT_EQ(form->VScroll.left(), 489);
    EXPECT_EQ(form->VScroll.height(), 358);
    EXPECT_EQ(form->HScroll.top(), 363);
    EXPECT_EQ(form->HScroll.width(), 484);
    EXPECT_EQ(form->HScroll.smallChange(), 5);
    EXPECT_EQ(form->VScroll.largeChange(), 21);
    const int paletteTop = form->HScroll.top() + form->HScroll.height() + 5;
    EXPECT_EQ(form->ToolBar.top(), paletteTop);
    EXPECT_EQ(form->ToolBar.width(), 463);
    EXPECT_EQ(form->ToolBar.height(), 106);
    EXPECT_EQ(form->NewButton.left(), form->VScroll.left() + form->VScroll.width() + 10);
    EXPECT_EQ(form->NewButton.top(), 10);
    const ui::CommandButton* row[] = {&form->NewButton, &form->LoadButton, &form->ConfigButton,
                                      &form->SaveAsButton, &form->SaveButton};
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(row[i]->left(), row[i - 1]->left() + row[i - 1]->width());
        EXPECT_EQ(row[i]->top(), 10);
    }
    EXPECT_EQ(form->GreatBox.left(), form->NewButton.left());
    EXPECT_EQ(form->GreatBox.top(), form->SaveButton.top() + form->SaveButton.height() + 10);
    EXPECT_LE(form->SaveButton.left() + form->SaveButton.width(), 800);
    for (ui::Frame* panel : {&form->ObjtEditBox, &form->ConditionEditBox}) {
        EXPECT_EQ(panel->left(), 5);
        EXPECT_EQ(panel->top(), paletteTop);
        EXPECT_LE(panel->top() + panel->height(), 600);
        EXPECT_LE(panel->left() + panel->width(), 800);
    }
    EXPECT_EQ(form->EditMode.count(), 7);
    EXPECT_EQ(form->EditMode[6].caption(), "Edit AI animation");
    EXPECT_EQ(form->Version.caption(), "Version: Final1");
}

TEST_F(Editor, ANarrowScreenIsToldOnceAndTheEditorStartsAnyway)
{
    for (const int screen : {800, 640}) {
        SCOPED_TRACE(screen);
        boxes.clear();
        if (screen < 800) {
            boxes.acknowledge();
        }
        makeForm();
        form->ScreenWidth = [screen] { return screen; };
        ASSERT_TRUE(form->Form_Load());
        form->Init();
        form->turn();
        EXPECT_TRUE(form->running());
        if (screen == 800) {
            EXPECT_TRUE(boxes.shown().empty());
            continue;
        }
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, plotwright::ResolutionMessage);
        EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::None);
        EXPECT_EQ(boxes.shown()[0].buttons, ui::MsgButtons::Ok);
    }
}

TEST_F(Editor, AMissingPaletteIsNamedAndStopsTheStart)
{
    std::filesystem::remove(programs + "/arquivos/grafico/map.bmp");
    boxes.acknowledge();
    form = std::make_unique<FormMain>(model, programs);
    form->ScreenWidth = [] { return 1024; };
    EXPECT_FALSE(form->Form_Load());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("map.bmp"), std::string::npos);
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Critical);
}

// The programs' folder is the system's path, whatever letters it holds: the editor finds its
// pictures there, and names the folder readably when one is missing.
TEST_F(Editor, StartsFromAProgramsFolderOfAnyLetters)
{
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    for (const QString& name : program_folders::names()) {
        const QString folder =
            program_folders::copyInto(QString::fromStdString(programs), parent.path(), name);
        ASSERT_FALSE(folder.isEmpty()) << name.toStdString();
        FormMain there(model, platform::text::systemPath(folder));
        there.ScreenWidth = [] { return 1024; };
        EXPECT_TRUE(there.Form_Load()) << name.toStdString();
    }
    ASSERT_TRUE(QFile::remove(QDir(parent.path()).filePath(program_folders::names()[0]) +
                              "/arquivos/grafico/map.bmp"));
    boxes.acknowledge();
    FormMain there(model,
                   platform::text::systemPath(QDir(parent.path()).filePath(program_folders::names()[0])));
    there.ScreenWidth = [] { return 1024; };
    EXPECT_FALSE(there.Form_Load());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find("/Jogos a\xE7\xE3o/bin/arquivos/grafico/map.bmp"), std::string::npos)
        << boxes.shown()[0].text;
}

TEST_F(Editor, ClosingWithNothingUnsavedDeletesTheMarkerFileAndEnds)
{
    start();
    const std::string marker = programs + "/mo.cfg";
    std::ofstream(marker).close();
    ASSERT_TRUE(std::filesystem::exists(marker));
    user::close(*form);
    EXPECT_FALSE(form->running());
    EXPECT_FALSE(form->visible());
    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Editor, ClosingWithUnsavedChangesAsksFirst)
{
    struct Case
    {
        ui::MsgAnswer answer;
        bool cancelled;
        bool saveShown;
    };
    for (const Case c : {Case{ui::MsgAnswer::Cancel, true, false}, Case{ui::MsgAnswer::Yes, true, true},
                         Case{ui::MsgAnswer::No, false, false}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        model = MissionModel();
        start();
        const std::string marker = programs + "/mo.cfg";
        std::ofstream(marker).close();
        std::string saveName = "(none)";
        form->ShowFormSave = [&](const std::string& name) { saveName = name; };
        model.MissionFile = "alpha";
        model.QuickSave = true;
        model.Modified = true;
        boxes.clear();
        boxes.answer(c.answer);
        bool cancel = false;
        form->Form_Unload(cancel);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, "The mission wasn't saved. Save now?");
        EXPECT_EQ(boxes.shown()[0].buttons, ui::MsgButtons::YesNoCancel);
        EXPECT_EQ(boxes.shown()[0].title, "Editor");
        EXPECT_EQ(cancel, c.cancelled);
        EXPECT_EQ(form->running(), c.cancelled);
        EXPECT_TRUE(model.Modified);
        EXPECT_TRUE(std::filesystem::exists(marker)); // only a close with nothing unsaved removes it
        if (c.saveShown) {
            // The author confirms the name: the dialog gets the mission's name and saves nothing
            // before the author says so.
            EXPECT_EQ(saveName, "alpha");
            EXPECT_FALSE(model.QuickSave);
        } else {
            EXPECT_EQ(saveName, "(none)");
        }
    }
}

TEST_F(Editor, HelpNamesThePageAndConfigurationsShowTheSettingsDialog)
{
    start();
    boxes.acknowledge();
    user::click(form->HelpButton);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Run the shortcut 'Game Help' in the Tolvar folder or\ropen it in the "
                                     "'<Tolvar Dir>\\arquivos\\help\\help.htm'");
    EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Information);
    EXPECT_EQ(boxes.shown()[0].title, "Editor");

    int shown = 0;
    form->ShowFormConfig = [&] { ++shown; };
    user::click(form->ConfigButton);
    EXPECT_EQ(shown, 1);
}

TEST_F(Editor, SaveButtonFollowsTheUnsavedFlagAtEveryTurn)
{
    start();
    model.Modified = true;
    form->turn();
    EXPECT_TRUE(form->SaveButton.enabled());
    model.Modified = false;
    form->setEnabled(false); // as a file command leaves it before showing a dialog
    form->turn();
    EXPECT_FALSE(form->SaveButton.enabled());
    EXPECT_TRUE(form->enabled());
}

// Making a new mission wipes the map when its settings are applied: until then the window takes
// no edits that would be wiped unasked.
TEST_F(Editor, ANewMissionWaitingForItsSettingsTakesNoEdits)
{
    makeForm();
    plotwright::FileDialogs dialogs(*form);
    ASSERT_TRUE(form->Form_Load());
    form->Init();
    form->turn();
    plotwright::FormConfig& settings = dialogs.formConfig;
    const auto pressesAreRefused = [this] {
        form->turn();
        EXPECT_FALSE(form->enabled());
        clickCell(5, 5);
        clickCell(6, 5);
        EXPECT_EQ(model.Map(5, 5), "01");
        EXPECT_FALSE(model.Modified);
    };

    // New with nothing unsaved, then Back: the window is the author's again.
    user::click(form->NewButton);
    ASSERT_TRUE(settings.visible());
    pressesAreRefused();
    user::click(settings.CancelButton);
    form->turn();
    EXPECT_TRUE(form->enabled());
    clickCell(3, 3);
    EXPECT_EQ(model.Map(3, 3), "1");

    // New after that edit, answered No, then Alter: the new mission, with nothing painted.
    boxes.answer(ui::MsgAnswer::No);
    user::click(form->NewButton);
    ASSERT_TRUE(settings.visible());
    pressesAreRefused();
    user::click(settings.ChangeButton);
    form->turn();
    EXPECT_TRUE(form->enabled());
    EXPECT_FALSE(model.Modified);
    EXPECT_EQ(model.Map(3, 3), "01");
    clickCell(4, 3);
    EXPECT_EQ(model.Map(4, 3), "1");
    EXPECT_TRUE(model.Modified);
}

// Opening a mission replaces the one being edited: while the open dialog is up, and the save
// before it, the window takes no edits that the file would wipe unasked.
TEST_F(Editor, TheOpenDialogTakesNoEditsWhileItIsUp)
{
    makeForm();
    plotwright::FileDialogs dialogs(*form);
    ASSERT_TRUE(form->Form_Load());
    form->Init();
    form->turn();
    plotwright::MissionModel other;
    other.MissionTitle = "Other";
    std::filesystem::create_directories(plotwright::missionsFolder(programs));
    {
        std::ofstream file(plotwright::missionPath(programs, "other").value(), std::ios::binary);
        file << plotwright::missionFileBytes(other);
    }
    plotwright::FormLoad& open = dialogs.formLoad;
    const auto pressesAreRefused = [this](int x) {
        form->turn();
        EXPECT_FALSE(form->enabled());
        clickCell(x, 5);
        EXPECT_EQ(model.Map(x, 5), "01");
    };

    // Open with nothing unsaved, then Back: the window is the author's again.
    user::click(form->LoadButton);
    ASSERT_TRUE(open.visible());
    pressesAreRefused(5);
    EXPECT_FALSE(model.Modified);
    user::click(open.Backbutton);
    form->turn();
    EXPECT_TRUE(form->enabled());
    clickCell(3, 3);
    EXPECT_EQ(model.Map(3, 3), "1");

    // Open after that edit, answered No: nothing is painted while the dialog is up; the file opens.
    boxes.answer(ui::MsgAnswer::No);
    user::click(form->LoadButton);
    ASSERT_TRUE(open.visible());
    pressesAreRefused(6);
    user::click(open.Directory, 0);
    user::click(open.LoadButton);
    EXPECT_FALSE(open.visible());
    form->turn();
    EXPECT_TRUE(form->enabled());
    EXPECT_EQ(model.MissionTitle, "Other");
    EXPECT_EQ(model.Map(3, 3), "01");

    // Answered Yes: the mission is saved at once, then the open dialog is up and takes no edits.
    clickCell(4, 4);
    boxes.answer(ui::MsgAnswer::Yes);
    user::click(form->LoadButton);
    ASSERT_TRUE(open.visible());
    EXPECT_FALSE(model.Modified);
    EXPECT_FALSE(form->enabled()) << "the save dialog's close leaves the window to the open dialog";
    pressesAreRefused(7);
    user::key(open, ui::kKeyEscape);
    form->turn();
    EXPECT_TRUE(form->enabled());
}

TEST_F(Editor, TroopChoicesAreKeptInTheMissionAndCountAsChanges)
{
    start();
    user::choose(form->TroopSizeCombo, 9);
    EXPECT_EQ(model.TroopSizeCombo, 9);
    EXPECT_TRUE(model.Modified);
    user::choose(form->TroopClipNum, 7);
    user::choose(form->TroopViewCombo, 2);
    EXPECT_EQ(model.TroopClipNum, 7);
    EXPECT_EQ(model.TroopViewCombo, 2);

    // A mission shown from outside (opened) puts its choices in the boxes without a change.
    model.TroopTeamCombo = 4;
    model.TroopPos = "Position: 07,08";
    model.ObjList.add("02,03,04");
    model.DollList.add("05,06,07,None,1");
    model.Modified = false;
    form->showModel();
    EXPECT_EQ(form->TroopTeamCombo.text(), "05 - Hooded");
    EXPECT_EQ(form->TroopPos.caption(), "Position: 07,08");
    EXPECT_EQ(form->ObjList.items(), model.ObjList.items());
    EXPECT_EQ(form->DollList.items(), model.DollList.items());
    EXPECT_EQ(form->ObjtQuant.caption(), "Number of objects: 1");
    EXPECT_EQ(form->DollQuant.caption(), "Number of soldiers: 1");
    EXPECT_FALSE(model.Modified);
}

TEST_F(Editor, TheEditLoopTurnsUntilTheWindowIsClosed)
{
    form = std::make_unique<FormMain>(model, programs);
    form->ScreenWidth = [] { return 1024; };
    model.Map(1, 1) = "2B";
    // Closed from inside the loop's event processing, as the user would.
    QTimer::singleShot(50, [this] {
        EXPECT_TRUE(form->visible());
        user::close(*form);
    });
    EXPECT_EQ(form->run(), 0);
    EXPECT_FALSE(form->running());
    EXPECT_EQ(model.Map(1, 1), "01"); // the load gave the mission its start values
    EXPECT_EQ(form->AreaVisivel.picture().pixel(1, 1), tileColour(1));
}
