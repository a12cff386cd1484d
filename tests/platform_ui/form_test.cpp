// Forms: load, show, activate, unload with a cancel, enabled, size and form-wide keys.

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/ui/list_box.h"
#include "platform/ui/text_box.h"
#include "platform/ui/user_actions.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform::ui;

namespace {

// A main window that asks before it closes with unsaved changes, and a dialog it disables
// itself for.
struct MainForm : Form
{
    MainForm() : Form("Editor main")
    {
        resize(800, 600);
        open.move(10, 10, 80, 25);
        list.move(10, 40, 200, 200);
        onUnload = [this](bool& cancel) {
            ++unloads;
            if (!modified) {
                return;
            }
            const MsgAnswer answer = msgBox("The mission wasn't saved. Save now?", MsgButtons::YesNoCancel,
                                            MsgIcon::None, "Editor");
            cancel = answer != MsgAnswer::No;
        };
    }
    CommandButton open{*this, "Open"};
    ListBox list{*this};
    bool modified = false;
    int unloads = 0;
};

struct Dialog : Form
{
    explicit Dialog(MainForm& main) : Form("Open mission from file...")
    {
        resize(300, 200);
        back.move(10, 10, 80, 25);
        name.move(10, 50, 150, 24);
        onLoad = [this] { ++loads; };
        onActivate = [this] { ++activations; };
        onUnload = [&main](bool&) { main.setEnabled(true); };
        back.onClick = [this] { unload(); };
        onKeyPress = [this](int key) {
            keys.push_back(key);
            if (key == kKeyEscape) {
                unload();
            }
        };
    }
    CommandButton back{*this, "Back"};
    TextBox name{*this};
    int loads = 0;
    int activations = 0;
    std::vector<int> keys;
};

} // namespace

TEST(Form, ClientSizeCaptionAndPosition)
{
    MainForm form;
    form.show();
    EXPECT_EQ(form.width(), 800);
    EXPECT_EQ(form.height(), 600);
    EXPECT_EQ(form.widget()->size(), QSize(800, 600));
    EXPECT_EQ(form.caption(), "Editor main");
    form.setCaption("VEDE Gorsefield - Mission Editor - Untitled.cfm as Untitled (25 x 25)");
    EXPECT_EQ(form.widget()->windowTitle().toStdString(),
              "VEDE Gorsefield - Mission Editor - Untitled.cfm as Untitled (25 x 25)");
    form.move(20, 30);
    EXPECT_EQ(form.left(), 20);
    EXPECT_EQ(form.top(), 30);
}

TEST(Form, UnloadCancelledByTheFormKeepsItShown)
{
    ui_test::CheckedMessageBoxes script;
    MainForm form;
    form.show();
    form.modified = true;
    script.boxes.answer(MsgAnswer::Cancel);
    EXPECT_FALSE(form.unload());
    EXPECT_TRUE(form.visible());
    EXPECT_TRUE(form.loaded());
    // The window's close button asks the same.
    script.boxes.answer(MsgAnswer::Yes);
    user::close(form);
    EXPECT_TRUE(form.visible());
    script.boxes.answer(MsgAnswer::No);
    user::close(form);
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.unloads, 3);
    ASSERT_EQ(script.boxes.shown().size(), 3u);
    EXPECT_EQ(script.boxes.shown()[0].title, "Editor");
    EXPECT_EQ(script.boxes.shown()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(script.boxes.unusedAnswers(), 0u);
}

TEST(Form, DialogDisablesTheMainFormUntilItUnloads)
{
    MainForm main;
    Dialog dialog(main);
    main.show();
    int opens = 0;
    main.open.onClick = [&] {
        ++opens;
        main.setEnabled(false);
        dialog.show();
    };
    user::click(main.open);
    EXPECT_FALSE(main.enabled());
    EXPECT_TRUE(dialog.visible());
    user::click(main.open); // a disabled form takes no clicks
    EXPECT_EQ(opens, 1);
    user::click(dialog.back);
    EXPECT_FALSE(dialog.visible());
    EXPECT_TRUE(main.enabled());
    user::click(main.open);
    EXPECT_EQ(opens, 2);
}

TEST(Form, ShowLoadsOnceAndActivatesWhenAnotherFormWasActive)
{
    MainForm main;
    Dialog dialog(main);
    dialog.show();
    dialog.show();
    EXPECT_EQ(dialog.loads, 1);
    EXPECT_EQ(dialog.activations, 1);
    EXPECT_EQ(Form::activeForm(), &dialog);
    main.show();
    dialog.show();
    EXPECT_EQ(dialog.activations, 2);
    dialog.hide();
    EXPECT_TRUE(dialog.loaded());
    dialog.show();
    EXPECT_EQ(dialog.loads, 1);
    EXPECT_EQ(dialog.activations, 3);
    // An unloaded form loads again at its next showing.
    EXPECT_TRUE(dialog.unload());
    dialog.show();
    EXPECT_EQ(dialog.loads, 2);
}

TEST(Form, KeysReachTheFormOnceWhicheverControlHasTheFocus)
{
    MainForm main;
    Dialog dialog(main);
    dialog.show();
    std::vector<std::string> order;
    dialog.onKeyDown = [&](int key, int) { order.push_back("form " + std::to_string(key)); };
    dialog.name.onKeyDown = [&](int key, int) { order.push_back("box " + std::to_string(key)); };
    dialog.name.setFocus();
    EXPECT_TRUE(dialog.name.hasFocus());
    EXPECT_FALSE(dialog.back.hasFocus());
    user::key(dialog, 'A');
    EXPECT_EQ(order, (std::vector<std::string>{"form 65", "box 65"}));
    EXPECT_EQ(dialog.keys, (std::vector<int>{'a'}));
    EXPECT_EQ(dialog.name.text(), "a");

    // Esc on a button (which does not take it, so it travels up to the window) unloads once.
    dialog.back.setFocus();
    user::key(dialog, kKeyEscape);
    EXPECT_EQ(dialog.keys, (std::vector<int>{'a', 27}));
    EXPECT_FALSE(dialog.visible());
}

TEST(Form, AKeyArrivingInAReusedEventObjectIsANewKey)
{
    // The window system builds its key events in one place, so a later key can arrive in the very
    // object that carried the previous one. A key for the window right after a key taken by a
    // control is a new key, not the previous one travelling up.
    MainForm main;
    Dialog dialog(main);
    dialog.show();
    QKeyEvent event(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    event.setTimestamp(1000);
    QApplication::sendEvent(dialog.name.widget(), &event);
    event.setTimestamp(1001);
    QApplication::sendEvent(dialog.widget(), &event);
    EXPECT_EQ(dialog.keys, (std::vector<int>{'b', 'b'}));
}

TEST(Form, DisabledFormTakesNoKeys)
{
    MainForm main;
    Dialog dialog(main);
    dialog.show();
    dialog.setEnabled(false);
    user::key(dialog, kKeyEscape);
    EXPECT_TRUE(dialog.visible());
    EXPECT_TRUE(dialog.keys.empty());
}

TEST(Form, PictureIsDrawnUnderTheControls)
{
    MainForm form;
    form.picture() = platform::gfx::Picture(800, 600, 0x123456);
    form.picture().fillBox(700, 500, 709, 509, 0xFF0000);
    form.show();
    form.refresh();
    const QImage shown = form.widget()->grab().toImage();
    EXPECT_EQ(shown.pixel(705, 505) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(400, 400) & 0xFFFFFF, 0x123456u);
}
