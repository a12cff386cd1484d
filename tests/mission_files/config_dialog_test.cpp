#include "dialog_test_support.h"
#include "mission_samples.h"

#include "mission_editor/files/form_config.h"

#include "platform/ui/user_actions.h"

#include <QCoreApplication>
#include <QFocusEvent>

namespace plotwright {
namespace {

namespace ui = platform::ui;
using testing::richMission;

class ConfigDialog : public testing::DialogTest
{
protected:
    MissionModel model = richMission();
    FormConfig config{model, editor};
};

TEST_F(ConfigDialog, ShowsTheHeaderAndInNewModeTheUntitledName)
{
    config.bringUp();
    EXPECT_EQ(config.TitleText.text(), "Bridge at dawn");
    EXPECT_EQ(config.AutorText.text(), "R. Lenz");
    EXPECT_EQ(config.WidthText.text(), "30");
    EXPECT_EQ(config.HeightText.text(), "27");
    EXPECT_EQ(config.WScr.value(), 30);
    EXPECT_EQ(config.HScr.value(), 27);
    EXPECT_EQ(config.Brief.text(), model.MissionBrief);
    EXPECT_EQ(config.Rest.caption(), "Falta: " + std::to_string(200 - model.MissionBrief.size()));
    config.unload();

    model.NewPending = true;
    config.bringUp();
    EXPECT_EQ(config.TitleText.text(), UntitledName);
    EXPECT_EQ(config.AutorText.text(), "R. Lenz");

    // Coming back from another window keeps what was typed; a new showing fills it again.
    config.TitleText.setText("Typed");
    ui::Form other("other");
    other.show();
    config.show();
    EXPECT_EQ(config.TitleText.text(), "Typed");
    config.bringUp();
    EXPECT_EQ(config.TitleText.text(), UntitledName);
}

TEST_F(ConfigDialog, SizeBoxesTakeAnyTypedNumberAndKeepWithinTheMapLimitsWhenLeft)
{
    config.bringUp();
    const struct
    {
        const char* typed;
        int barWhileTyped; // the bar stands at 44 before
        const char* shownWhenLeft;
    } cases[] = {
        {"60", 44, "50"},  {"7", 44, "25"},   {"", 44, "25"},   {"abc", 44, "25"}, {"2", 44, "25"},
        {"33", 33, "33"},  {"50", 50, "50"},  {"25", 25, "25"}, {"40x", 40, "40"}, {"51", 44, "50"},
        {"025", 25, "25"}, {"999", 44, "50"}, {"37", 37, "37"}, {"29", 29, "29"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        for (auto [box, bar] :
             {std::pair{&config.WidthText, &config.WScr}, {&config.HeightText, &config.HScr}}) {
            bar->setValue(44);
            box->setText(c.typed);
            EXPECT_EQ(box->text(), c.typed);
            EXPECT_EQ(bar->value(), c.barWhileTyped);
            QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(box->widget(), &left);
            EXPECT_EQ(box->text(), c.shownWhenLeft);
            EXPECT_EQ(bar->value(), std::stoi(c.shownWhenLeft));
        }
    }

    // Typed key by key, "37" and "29" stay as typed and become the map's size at Alter, as
    // does a size out of range that was never left, within the limits.
    for (auto [box, typed] : {std::pair{&config.WidthText, "37"}, {&config.HeightText, "29"}}) {
        box->setSelStart(0);
        box->setSelLength(2);
        ui::user::type(*box, typed);
        EXPECT_EQ(box->text(), typed);
    }
    ui::user::click(config.ChangeButton);
    EXPECT_EQ(model.MapWidth, 37);
    EXPECT_EQ(model.MapHeight, 29);
    config.bringUp();
    config.WidthText.setText("999");
    config.HeightText.setText("");
    ui::user::click(config.ChangeButton);
    EXPECT_EQ(model.MapWidth, 50);
    EXPECT_EQ(model.MapHeight, 25);
}

TEST_F(ConfigDialog, ScrollBarsWriteTheirValueIntoTheBoxes)
{
    config.bringUp();
    ui::user::clickTrack(config.WScr, true);
    EXPECT_EQ(config.WidthText.text(), "40");
    ui::user::dragThumb(config.HScr, 48);
    EXPECT_EQ(config.HeightText.text(), std::to_string(config.HScr.value()));
    EXPECT_EQ(config.HScr.value(), 48);
}

TEST_F(ConfigDialog, BriefCountsTheCharactersLeft)
{
    config.bringUp();
    config.Brief.setText(std::string(199, 'b'));
    EXPECT_EQ(config.Rest.caption(), "Falta: 1");
    config.Brief.setSelStart(199);
    ui::user::type(config.Brief, "cd");
    EXPECT_EQ(config.Brief.text(), std::string(199, 'b') + "c");
    EXPECT_EQ(config.Rest.caption(), "Falta: 0");

    // An emptied brief leaves the count as it was.
    config.Brief.setText("");
    EXPECT_EQ(config.Rest.caption(), "Falta: 0");
}

TEST_F(ConfigDialog, AlterChangesOnlyTheHeaderOfTheCurrentMission)
{
    const MissionModel before = model;
    config.bringUp();
    config.TitleText.setText("Bridge at dusk");
    config.AutorText.setText("M. Ode");
    config.WidthText.setText("26");
    config.HeightText.setText("50");
    config.Brief.setText("Hold.");
    editor.enabled = false;
    ui::user::click(config.ChangeButton);

    MissionModel expected = before;
    expected.MissionTitle = "Bridge at dusk";
    expected.MissionAuthor = "M. Ode";
    expected.MapWidth = 26;
    expected.MapHeight = 50;
    expected.MissionBrief = "Hold.";
    expected.Modified = true;
    expected.NeedRedraw = true;
    EXPECT_EQ(model, expected); // map cells, also those now outside, lists and scripts kept
    EXPECT_FALSE(config.visible());
    EXPECT_TRUE(editor.enabled);
    EXPECT_EQ(editor.refreshes, 0);
}

TEST_F(ConfigDialog, AlterRefusesADoubleQuoteInAnyText)
{
    const MissionModel before = model;
    for (ui::TextBox* box : {&config.TitleText, &config.AutorText, &config.Brief}) {
        config.bringUp();
        box->setText("Say \"hi\", then go");
        boxes.clear();
        boxes.acknowledge();
        ui::user::click(config.ChangeButton);
        ASSERT_EQ(boxes.texts(), std::vector<std::string>{"Don't put \" in the texts"});
        EXPECT_EQ(boxes.shown()[0].icon, ui::MsgIcon::Critical);
        EXPECT_EQ(boxes.shown()[0].title, "Editor");
        EXPECT_EQ(model, before);
        EXPECT_TRUE(config.visible());
        EXPECT_EQ(box->text(), "Say \"hi\", then go");
        config.unload();
    }
}

TEST_F(ConfigDialog, AlterInNewModeMakesTheNewMission)
{
    model.NewPending = true;
    model.OpenAfterSave = true;
    model.MissionFile = "bridge";
    config.bringUp();
    config.TitleText.setText("Second");
    config.WidthText.setText("40");
    ui::user::click(config.ChangeButton);

    MissionModel expected;
    expected.MissionTitle = "Second";
    expected.MissionAuthor = "R. Lenz";
    expected.MapWidth = 40;
    expected.MapHeight = 27;
    expected.MissionBrief = model.MissionBrief;
    expected.CurAnim = model.CurAnim;
    expected.CurAiAnim = model.CurAiAnim;
    expected.TroopSizeCombo = 9; // the troop's choices stay
    expected.TroopTeamCombo = 2;
    expected.TroopAlignCombo = 5;
    expected.TroopViewCombo = 7;
    expected.TroopClipNum = 7;
    expected.NeedRedraw = true;
    EXPECT_EQ(model, expected);
    EXPECT_EQ(editor.refreshes, 1);
    EXPECT_FALSE(config.visible());
}

TEST_F(ConfigDialog, BackInNewModeEndsNewModeAndKeepsTheMission)
{
    const MissionModel before = model;
    model.NewPending = true;
    config.bringUp();
    ui::user::click(config.CancelButton);
    EXPECT_FALSE(config.visible());
    EXPECT_FALSE(model.NewPending);
    EXPECT_EQ(model, before);

    // A later Alter from the Configurations button changes the settings only.
    config.bringUp();
    EXPECT_EQ(config.TitleText.text(), "Bridge at dawn");
    ui::user::click(config.ChangeButton);
    EXPECT_EQ(model.ObjList, before.ObjList);
    EXPECT_EQ(model.AnimName, before.AnimName);
    EXPECT_EQ(model.Map, before.Map);
    EXPECT_EQ(editor.refreshes, 0);
}

} // namespace
} // namespace plotwright
