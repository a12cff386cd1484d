#pragma once
// The briefing screen: before every mission it drops fallen soldiers from the roster, reads the
// mission's header, troop size and summary and types them out; at the end of a campaign it types
// the closing texts. `BriefingSequence` is the screen's logic in plain code, ticked by the window
// `BriefWindow`.

#include "game/game_state.h"
#include "game/sound_bank.h"
#include "platform/clock/clock.h"
#include "platform/gfx/picture.h"
#include "platform/ui/form.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tolvar {

// What the briefing takes from a mission file.
struct MissionBrief
{
    std::string title;
    std::string author;
    std::string summary;
    int troopSize = 0;
};

// Reads the bytes of a mission file item by item: the two items after "<Info>", the troop size
// (the second item after "<Tropa>") and the item after "<Resumo>". Missing sections leave their
// texts empty and the troop size 0.
MissionBrief readMissionBrief(const std::string& bytes);

// Removes the rows of fallen soldiers (empty names) from the roster; the rows after each move up
// whole, name and tally, and NameCount becomes the number of soldiers left.
void compactRoster(GameState& state);

// The second line of the closing credits.
extern const char* const CreditLine;

class BriefingSequence
{
public:
    enum class Kind { Briefing, Completed, TooFewSoldiers, Problem };

    explicit BriefingSequence(GameState& state);

    // Everything before the first tick: settings read, roster compacted, the mission read, the
    // end of the campaign decided and the sequence set to its first stage. A non-empty `problem`
    // (a mission that could not be played) shows that message and leads back to the title screen.
    void BmainDo(const std::string& problem = {});

    // One tick of the text sequence.
    void BmainLoop();

    // A click or a key: leaves once leaving is allowed, and makes the rest come out at once.
    void Form_Click();

    // The campaign was completed: the end music plays.
    bool endMusicWanted() const { return m_kind == Kind::Completed; }
    // No line is being typed or paused for any more; only the player's click is awaited.
    bool waitingForPlayer() const;

    Kind kind() const { return m_kind; }
    bool CampaignOver() const { return m_state.CampaignOver; }

    // Prints a text at a point of the window (each print covers the shorter one before it).
    std::function<void(int x, int y, const std::string& text)> print;
    std::function<void(int n)> playSound;

    int windowHeight = 480;

    bool NotEnoughSoldiers = false;
    int TroopSize = 0;
    std::string BriefTitle;
    std::string BriefAuthor;
    std::string BriefSummary;
    std::array<bool, 10> LineStage{};
    int TypedChars = 0;
    int TypeTicks = 0;
    bool CanLeave = false;
    bool ShowAll = false;
    bool Done = false;

    // The text of the problem shown (empty unless the kind is Problem).
    std::string problemText;

private:
    enum class StageKind { Typing, Pause, End, EndScreen };
    struct Stage
    {
        int number = 0;
        StageKind kind = StageKind::End;
        int y = 0;
        std::string text;
        int ticks = 0;            // a pause's length
        bool allowsLeave = false; // a click leaves from this stage's first tick on
    };

    void buildStages();
    void advance(std::size_t index);
    void nextStage(std::size_t index);

    GameState& m_state;
    Kind m_kind = Kind::Briefing;
    std::vector<Stage> m_stages;
};

// Splits a text into lines no wider than `width` pixels in `font`, at blanks where it can (a word
// wider than the line is cut); a text that fits is one line.
std::vector<std::string> wrapToWidth(const std::string& text, const platform::gfx::Font& font, int width);

// One printed line of the briefing as it stands on the window: where it was printed, the top of
// its first row and its rows.
struct BriefLine
{
    std::pair<int, int> place;
    std::string text;
    int top = 0;
    std::vector<std::string> rows;
};

// Where the printed lines stand on a window of the given size: a line wider than the window goes
// on below at its blanks, and the upper lines under it move down with it; the lines at the foot
// of the window keep their places. A line that has only grown since `before` keeps the rows cut
// before its last one.
std::vector<BriefLine> layOutBriefing(const std::vector<std::pair<std::pair<int, int>, std::string>>& printed,
                                      int windowWidth, int windowHeight,
                                      const std::vector<BriefLine>& before = {});

// Draws the lines onto the picture, in order, each on the surface as it is (clean, for crisp
// letters), only where they touch the rows first..last; the rest of the picture is left alone.
void drawBriefing(platform::gfx::Picture& picture, const std::vector<BriefLine>& lines, int first, int last);

// The briefing window: 640 x 480, dark grey, yellow Arial Black text.
class BriefWindow
{
public:
    BriefWindow(GameState& state, SoundBank* sound, platform::clock::Clock& clock);

    // Shows the window and runs the screen to its end: Screen::Battle for the next mission,
    // Screen::Title at the end of the campaign, Screen::Quit when the window was closed.
    Screen Form_Activate(const std::string& problem = {});
    Screen BmainDo(const std::string& problem = {});

    void Form_Click() { m_sequence.Form_Click(); }
    void Form_KeyDown(int, int) { m_sequence.Form_Click(); }

    // Lets the window's events run while a tick waits (tests deliver the player's actions here).
    std::function<void()> pumpEvents;
    // Waits up to the given milliseconds for window events and lets them run: the wait for the
    // player once the texts are out (the program's clock uses it; a test's clock pumps instead).
    std::function<void(platform::clock::Tick ms)> waitForEvents;

    BriefingSequence& sequence() { return m_sequence; }
    platform::ui::Form& form() { return m_form; }

private:
    void printText(int x, int y, const std::string& text);
    void startEndMusic();

    GameState& m_state;
    SoundBank* m_sound;
    platform::clock::Clock& m_clock;
    BriefingSequence m_sequence;
    platform::ui::Form m_form;
    // What each line shows, by its place, so that a print of the same text is skipped, and how
    // the window shows them now.
    std::vector<std::pair<std::pair<int, int>, std::string>> m_shown;
    std::vector<BriefLine> m_layout;
    bool m_closed = false;
};

} // namespace tolvar
