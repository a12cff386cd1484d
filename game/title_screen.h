#pragma once
// The title screen: the animated start-up window where the player picks a campaign and starts it.
// `TitleAnimation` is the screen's logic (the slides, the flags and the two "Play" clicks) in
// plain code; `Title` is the window that shows it and reads the picked campaign.

#include "game/game_state.h"
#include "game/sound_bank.h"
#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"
#include "platform/ui/command_button.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/text_box.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tolvar {

// Where a control of the title screen stands while it slides; positions keep their fractions.
struct SlidePlace
{
    double left = 0;
    double top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
};

class TitleAnimation
{
public:
    // The design places of the controls (left, top, width, height in pixels).
    TitleAnimation();

    // Resets the screen for a new showing in a window of outer size w x h: everything hidden and
    // placed off its design place, the picture at the lower left corner, no flag set.
    void reset(int outerWidth, int outerHeight);

    // One turn of the animation: picture slide, turn count, the controls' slides and the rise of
    // "Play".
    void TMainLoop();

    // The "Play" button. With a campaign picked after the first click, `startCampaign` is asked to
    // start it (true when it did) and the screen is then Started. The first click only starts
    // the slides.
    void RunGame_Click(bool campaignSelected, const std::function<bool()>& startCampaign);

    // A campaign file was picked: the information box slides in from the left again.
    void CampainList_Click();

    // Sound effect requests (the button's and the list's click sound).
    std::function<void(int n)> playSound;

    bool Started = false;
    int TitleTurn = 0;
    int PicX = 0;
    int PicY = 0;
    bool PicMoving = false;
    std::array<bool, 8> TitleFlags{};

    SlidePlace CampInfo;
    SlidePlace CampainList;
    SlidePlace RunGame;
    SlidePlace CampTitle;

    int outerWidth() const { return m_w; }
    int outerHeight() const { return m_h; }

private:
    int m_w = 0;
    int m_h = 0;
};

// Draws the title screen's surface: the background, then the title picture at (x, y) through its
// mask (the store's left 247 columns are the mask, the right 247 the picture). Redrawing the
// background first wipes the picture's earlier positions.
void drawTitleSurface(platform::gfx::Picture& surface, const platform::gfx::Picture& background,
                      const platform::gfx::Picture& ferrand, int x, int y);

class Title
{
public:
    Title(GameState& state, SoundBank* sound, platform::clock::Clock& clock);
    ~Title();

    // Start-up: the sound bank, the settings the game starts with, the view sizes, the campaign
    // list and the two pictures. Gives the message naming a picture that could not be loaded, or
    // an empty text.
    std::string Form_Load();

    // Shows the screen and runs it until a campaign is started (Screen::Briefing) or the player
    // ends the program (Screen::Quit).
    Screen Form_Activate();
    Screen TMainDO();

    // One turn of the animation, drawn.
    void TMainLoop();

    void CampainList_Click();
    void RunGame_Click();
    void Form_KeyDown(int keyCode, int shift);

    // Runs before every showing, where the battle's fire and move requests are dropped.
    std::function<void()> resetBattleInput;
    // Lets the window's events run while a turn waits (tests deliver the player's actions here).
    std::function<void()> pumpEvents;

    TitleAnimation& animation() { return m_anim; }
    platform::ui::Form& form() { return m_form; }
    platform::ui::TextBox& campInfo() { return *m_campInfo; }
    platform::ui::FileListBox& campainList() { return *m_campainList; }
    platform::ui::CommandButton& runGame() { return *m_runGame; }
    platform::ui::Label& campTitle() { return *m_campTitle; }
    std::string CampAuthor() const { return m_state.CampAuthor; }

private:
    void placeControls();
    void drawPicture();
    void playSound(int n);
    // Reads the selected campaign file; the text for the information box when it cannot be used.
    std::optional<std::string> readSelected(std::string& bytes) const;

    GameState& m_state;
    SoundBank* m_sound;
    platform::clock::Clock& m_clock;
    TitleAnimation m_anim;
    platform::ui::Form m_form;
    std::unique_ptr<platform::ui::TextBox> m_campInfo;
    std::unique_ptr<platform::ui::FileListBox> m_campainList;
    std::unique_ptr<platform::ui::CommandButton> m_runGame;
    std::unique_ptr<platform::ui::Label> m_version;
    std::unique_ptr<platform::ui::Label> m_campTitle;
    platform::gfx::Picture m_background;
    platform::gfx::Picture m_ferrand;
    int m_drawnX = 0;
    int m_drawnY = 0;
    bool m_drawn = false;
    bool m_quit = false;
};

} // namespace tolvar
