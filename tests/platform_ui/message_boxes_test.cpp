// The message box service: scripted answers, the record of boxes shown, and failures for boxes
// nobody expected.

#include "platform/ui/form.h"
#include "platform/ui/message_boxes.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace platform::ui;

TEST(ScriptedMessageBoxes, AnswersFromTheQueueAndRecordsEveryBox)
{
    ui_test::CheckedMessageBoxes script;
    script.boxes.answer(MsgAnswer::No);
    script.boxes.acknowledge();
    EXPECT_EQ(msgBox("This mission already exist.\rOverwrite mission?", MsgButtons::YesNo, MsgIcon::None,
                     "Overwright?"),
              MsgAnswer::No);
    EXPECT_EQ(msgBox("Mission saved.", MsgButtons::Ok, MsgIcon::Exclamation, "Editor"), MsgAnswer::Ok);
    ASSERT_EQ(script.boxes.shown().size(), 2u);
    const MsgBox& first = script.boxes.shown()[0];
    EXPECT_EQ(first.title, "Overwright?");
    EXPECT_EQ(first.buttons, MsgButtons::YesNo);
    EXPECT_EQ(first.icon, MsgIcon::None);
    EXPECT_EQ(script.boxes.shown()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(
        script.boxes.texts(),
        (std::vector<std::string>{"This mission already exist.\rOverwrite mission?", "Mission saved."}));
}

TEST(ScriptedMessageBoxes, AnUnexpectedBoxFailsTheTestWithItsText)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ui_test::CheckedMessageBoxes script;
            // The unexpected box still gets the answer that changes least.
            EXPECT_EQ(msgBox("I will need a file name.", MsgButtons::Ok, MsgIcon::Critical, "Editor"),
                      MsgAnswer::Ok);
        },
        "I will need a file name.");
    EXPECT_NONFATAL_FAILURE(
        {
            ui_test::CheckedMessageBoxes script;
            EXPECT_EQ(msgBox("Save now?", MsgButtons::YesNoCancel), MsgAnswer::Cancel);
        },
        "Save now?");
}

TEST(ScriptedMessageBoxes, AnAnswerTheButtonsCannotGiveIsAFailure)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ui_test::CheckedMessageBoxes script;
            script.boxes.answer(MsgAnswer::Yes);
            EXPECT_EQ(msgBox("Mission saved."), MsgAnswer::Ok);
        },
        "cannot be answered Yes");
}

TEST(ScriptedMessageBoxes, WithoutAHookAnUnexpectedBoxThrowsWithItsText)
{
    ScriptedMessageBoxes boxes;
    try {
        msgBox("Already have an animation with this name.", MsgButtons::Ok, MsgIcon::Critical, "Editor");
        FAIL() << "no exception";
    } catch (const UnexpectedMessageBox& e) {
        EXPECT_NE(std::string(e.what()).find("Already have an animation with this name."), std::string::npos);
    }
}

TEST(ScriptedMessageBoxes, InstallsItselfWhileItLives)
{
    MessageBoxes* before = &messageBoxes();
    {
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(&messageBoxes(), &boxes);
        {
            ScriptedMessageBoxes inner;
            EXPECT_EQ(&messageBoxes(), &inner);
        }
        EXPECT_EQ(&messageBoxes(), &boxes);
    }
    EXPECT_EQ(&messageBoxes(), before);
}

TEST(QtMessageBoxes, ShowsTitleAndLinesAndGivesTheAnswerAlsoOverADisabledWindow)
{
    // The file commands disable the main window before they ask their question.
    Form main("Editor main");
    main.resize(200, 100);
    main.show();
    QApplication::setActiveWindow(main.widget());
    main.setEnabled(false);

    bool answerable = false;
    QString shownText;
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<QMessageBox*>(w); found != nullptr && found->isVisible()) {
                box = found;
            }
        }
        if (box == nullptr) {
            ADD_FAILURE() << "no message box on screen";
            return;
        }
        answerable = box->isEnabled();
        shownText = box->text();
        shownTitle = box->windowTitle();
        if (answerable) {
            box->button(QMessageBox::No)->click(); // as the user would
        } else {
            box->done(QMessageBox::No); // the user could not; end the test
        }
    });
    QtMessageBoxes boxes;
    const MsgAnswer answer = boxes.show(
        {"The mission wasn't saved.\rSave now?", MsgButtons::YesNoCancel, MsgIcon::Question, "Editor"});
    EXPECT_TRUE(answerable);
    EXPECT_EQ(answer, MsgAnswer::No);
    EXPECT_EQ(shownText, QStringLiteral("The mission wasn't saved.\nSave now?"));
    EXPECT_EQ(shownTitle, QStringLiteral("Editor"));
}
