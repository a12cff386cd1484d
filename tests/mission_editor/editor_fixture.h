#pragma once
// The editor's main window on a programs' folder of its own, with a palette and a marker strip
// whose every tile and marker is one colour of its own, so a test can tell which one was drawn.

#include "mission_editor/files/mission_model.h"
#include "mission_editor/form_main.h"

#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"
#include "platform/ui/events.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/user_actions.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

namespace editor_test {

namespace gfx = platform::gfx;
namespace ui = platform::ui;
namespace user = platform::ui::user;
using plotwright::FormMain;
using plotwright::MissionModel;

// Colour of palette tile t (1 .. 110) and of marker k (0 .. 9).
inline gfx::Rgb tileColour(int t)
{
    return 0x100000u + static_cast<gfx::Rgb>(t) * 0x000201u;
}
inline gfx::Rgb markerColour(int k)
{
    return 0xF00000u + static_cast<gfx::Rgb>(k) * 0x1111u;
}

inline void writePictures(const std::string& folder)
{
    std::filesystem::create_directories(folder);
    gfx::Picture palette(463, 106, 0xFFFFFF);
    for (int t = 1; t <= 110; ++t) {
        const int x = 1 + ((t - 1) % 22) * 21;
        const int y = 1 + ((t - 1) / 22) * 21;
        palette.fillBox(x, y, x + 19, y + 19, tileColour(t));
    }
    ASSERT_TRUE(palette.save(folder + "/map.bmp"));
    gfx::Picture markers(122, 12, 0xFFFFFF);
    for (int k = 0; k < 10; ++k) {
        markers.fillBox(1 + 11 * k, 1, 10 + 11 * k, 10, markerColour(k));
    }
    ASSERT_TRUE(markers.save(folder + "/objtpic.bmp"));
}

class Editor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        programs = m_dir.path().toStdString();
        writePictures(programs + "/arquivos/grafico");
        boxes.setFailureHook([](const std::string& failure) { ADD_FAILURE() << failure; });
    }

    void TearDown() override { EXPECT_EQ(boxes.unusedAnswers(), 0u); }

    // The window on a wide screen, its edit loop paced by the test's clock: a wait for events
    // runs what is pending and lets the time it allows pass.
    FormMain& makeForm()
    {
        form = std::make_unique<FormMain>(model, programs);
        form->ScreenWidth = [] { return 1024; };
        form->setPacing(plotwright::EditLoopPacing(clock, [this](int maxMilliseconds) {
            ui::doEvents();
            clock.advance(maxMilliseconds);
        }));
        return *form;
    }

    // The window loaded and shown, as the edit loop starts it.
    FormMain& start()
    {
        makeForm();
        EXPECT_TRUE(form->Form_Load());
        form->Init();
        form->turn();
        return *form;
    }

    // Canvas pixel in the middle of cell (x, y) with the view not scrolled.
    static int canvasX(int x) { return (x - 1) * 21 + 10; }
    static int canvasY(int y) { return (y - 1) * 21 + 10; }

    // A left click on cell (x, y) followed by a turn of the edit loop.
    void clickCell(int x, int y, int button = 1)
    {
        user::mouseMove(form->AreaVisivel, 0, canvasX(x), canvasY(y));
        user::mouseDown(form->AreaVisivel, button, canvasX(x), canvasY(y));
        form->turn();
        user::mouseUp(form->AreaVisivel, button, canvasX(x), canvasY(y));
        form->turn();
    }

    // The colour at the top-left pixel of cell (x, y) in Quadro.
    gfx::Rgb quadroCell(int x, int y) { return form->canvas().Quadro.pixel(21 * x - 20, 21 * y - 20); }

    ui::ScriptedMessageBoxes boxes;
    platform::clock::ManualClock clock;
    std::string programs;
    MissionModel model;
    std::unique_ptr<FormMain> form;

private:
    QTemporaryDir m_dir;
};

} // namespace editor_test
