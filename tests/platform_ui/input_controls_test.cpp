// Text boxes, check boxes, option buttons and command buttons.

#include "platform/ui/check_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/option_group.h"
#include "platform/ui/text_box.h"
#include "platform/ui/user_actions.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>

#include <string>
#include <vector>

using namespace platform::ui;

namespace {

struct InputForm : Form
{
    InputForm()
    {
        resize(400, 300);
        line.move(10, 10, 200, 24);
        brief.move(10, 40, 200, 80);
        check.move(10, 130, 150, 24);
        button.move(10, 160, 100, 28);
        label.move(220, 10, 100, 20);
        first = &options.add(*this, "Keep the order");
        second = &options.add(*this, "Random on start");
        first->move(220, 40, 150, 24);
        second->move(220, 70, 150, 24);
    }
    TextBox line{*this};
    TextBox brief{*this, TextBox::Lines::Multi};
    CheckBox check{*this, "Enemies"};
    CommandButton button{*this, "Save"};
    Label label{*this, "Falta: 200"};
    OptionGroup options;
    OptionButton* first = nullptr;
    OptionButton* second = nullptr;
};

} // namespace

TEST(TextBox, SettingTheTextRunsChangeOnlyWhenItDiffers)
{
    InputForm form;
    int changes = 0;
    form.line.onChange = [&] { ++changes; };
    form.line.setText("25");
    form.line.setText("25");
    form.line.setText("");
    EXPECT_EQ(changes, 2);
}

TEST(TextBox, AChangeHandlerThatCorrectsTheTextRunsAgainOnlyForARealChange)
{
    // A width box that clamps what is typed to 25 .. 50 on every change.
    InputForm form;
    form.show();
    std::vector<std::string> seen;
    form.line.onChange = [&] {
        seen.push_back(form.line.text());
        const int v = form.line.text().empty() ? 0 : std::stoi(form.line.text());
        if (v < 25) {
            form.line.setText("25");
        } else if (v > 50) {
            form.line.setText("50");
        }
    };
    form.line.setText("30");
    form.line.setText("");
    user::type(form.line, "0"); // typed after "25"
    EXPECT_EQ(seen, (std::vector<std::string>{"30", "", "25", "250", "50"}));
    EXPECT_EQ(form.line.text(), "50");
}

TEST(TextBox, MaximumLengthRefusesTheNextCharacter)
{
    InputForm form;
    form.show();
    for (TextBox* box : {&form.line, &form.brief}) {
        box->setMaxLength(200);
        box->setText(std::string(199, 'x'));
        int changes = 0;
        box->onChange = [&] { ++changes; };
        box->setSelStart(199);
        user::type(*box, "yz");
        EXPECT_EQ(box->text(), std::string(199, 'x') + "y")
            << (box->multiLine() ? "multi-line" : "single line");
        EXPECT_EQ(changes, 1);
        // Code cannot go beyond it either.
        box->setText(std::string(250, 'q'));
        EXPECT_EQ(box->text(), std::string(200, 'q'));
    }
}

TEST(TextBox, LockedBoxRefusesTypingButCodeSetsIt)
{
    InputForm form;
    form.show();
    form.line.setText("01,01");
    form.line.setLocked(true);
    user::type(form.line, "9");
    EXPECT_EQ(form.line.text(), "01,01");
    form.line.setText("05,07");
    EXPECT_EQ(form.line.text(), "05,07");
    EXPECT_TRUE(form.line.locked());
}

TEST(TextBox, AClickThatSelectsTheWholeTextKeepsTheSelection)
{
    InputForm form;
    form.show();
    form.line.setText("0012");
    int clicks = 0;
    form.line.onClick = [&] {
        ++clicks;
        form.line.setSelStart(0);
        form.line.setSelLength(static_cast<int>(form.line.text().size()));
    };
    user::click(form.line);
    user::click(form.line); // a click inside a selection must not undo it
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.line.selStart(), 0);
    EXPECT_EQ(form.line.selLength(), 4);
    EXPECT_EQ(form.line.selText(), "0012");
}

TEST(TextBox, MultiLineTextHoldsCrLfAndWindows1252)
{
    InputForm form;
    const std::string text = "Alpha\r\nBo \xE9\xE7\r\n\r\nlast";
    form.brief.setText(text);
    EXPECT_EQ(form.brief.text(), text);
    form.brief.setText("one\rtwo"); // a lone CR is a line break too
    EXPECT_EQ(form.brief.text(), "one\r\ntwo");
    form.line.setText("caf\xE9");
    EXPECT_EQ(form.line.text(), "caf\xE9");
}

// Every byte a text may hold comes back from either kind of box as it was set or typed: the
// no-break space stays one, the bytes Windows-1252 leaves undefined stay themselves.
TEST(TextBox, EveryByteComesBackAsItWasSetOrTyped)
{
    InputForm form;
    std::string everyByte;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            everyByte += static_cast<char>(b);
    }
    const std::string typed = "Sgt\xA0R\xE9my \x80\x9F\xFF\xA0";
    for (TextBox* box : {&form.line, &form.brief}) {
        SCOPED_TRACE(box->multiLine() ? "multi-line" : "single line");
        const std::string lines = box->multiLine() ? everyByte + "\r\n\xA0\r\n" + everyByte : everyByte;
        box->setText(lines);
        EXPECT_EQ(box->text(), lines);
        box->selectAll();
        EXPECT_EQ(box->selText(), lines);
        box->setText("");
        user::type(*box, typed);
        EXPECT_EQ(box->text(), typed);
    }
}

TEST(TextBox, LosingTheFocusToAnotherControlIsReported)
{
    InputForm form;
    int lost = 0;
    form.line.onLostFocus = [&lost] { ++lost; };
    const struct
    {
        Qt::FocusReason reason;
        int reported;
    } cases[] = {
        {Qt::TabFocusReason, 1},   {Qt::MouseFocusReason, 1},        {Qt::OtherFocusReason, 1},
        {Qt::PopupFocusReason, 0}, {Qt::ActiveWindowFocusReason, 0},
    };
    for (const auto& c : cases) {
        lost = 0;
        QFocusEvent left(QEvent::FocusOut, c.reason);
        QCoreApplication::sendEvent(form.line.widget(), &left);
        EXPECT_EQ(lost, c.reported) << c.reason;
    }
}

TEST(CheckBox, ValueFromCodeClicksOnlyWhenItChanges)
{
    InputForm form;
    form.show();
    int clicks = 0;
    form.check.onClick = [&] { ++clicks; };
    form.check.setValue(0); // already 0
    EXPECT_EQ(clicks, 0);
    form.check.setValue(1);
    EXPECT_EQ(clicks, 1);
    form.check.setValue(1);
    EXPECT_EQ(clicks, 1);
    user::click(form.check);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form.check.value(), 0);
}

TEST(OptionGroup, ChoosingOneClearsTheOthersAndClicksOnChange)
{
    InputForm form;
    form.show();
    std::vector<int> clicks;
    form.options.onClick = [&](int index) { clicks.push_back(index); };
    EXPECT_EQ(form.options.value(), -1);
    form.options.setValue(0);
    form.options.setValue(0);
    user::click(*form.second);
    EXPECT_EQ(clicks, (std::vector<int>{0, 1}));
    EXPECT_EQ(form.options.value(), 1);
    EXPECT_FALSE(form.first->value());
    EXPECT_TRUE(form.second->value());
}

TEST(CommandButton, ClickRunsOnlyWhileButtonAndFormAreEnabled)
{
    InputForm form;
    form.show();
    int clicks = 0;
    form.button.onClick = [&] { ++clicks; };
    user::click(form.button);
    form.button.setEnabled(false);
    user::click(form.button);
    form.button.setEnabled(true);
    form.setEnabled(false);
    user::click(form.button);
    form.setEnabled(true);
    user::click(form.button);
    EXPECT_EQ(clicks, 2);
}

TEST(Label, CaptionAndClick)
{
    InputForm form;
    form.show();
    int labelClicks = 0;
    int formClicks = 0;
    form.label.onClick = [&] { ++labelClicks; };
    form.onClick = [&] { ++formClicks; };
    form.label.setCaption("Falta: 0");
    user::click(form.label);
    user::click(form, 390, 290); // the empty client area
    EXPECT_EQ(form.label.caption(), "Falta: 0");
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(formClicks, 1);
}
