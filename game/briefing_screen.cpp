#include "game/briefing_screen.h"

#include "game/battle/load_map.h"
#include "game/campaign_start.h"
#include "game/settings_file.h"
#include "platform/text/codepage.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"
#include "platform/ui/events.h"

#include <algorithm>

namespace tolvar {

namespace {

constexpr platform::clock::Tick TickPeriod = 5;
// Longest wait for the player's click or key before the waiting turn runs once more.
constexpr platform::clock::Tick PlayerWaitLimit = 1000;
constexpr int TypingSound = 13;
constexpr int TicksPerCharacter = 10; // a character every 11 ticks
constexpr int LineX = 10;
constexpr int WrapStep = 20; // from one line of a wrapped text to the next
constexpr platform::gfx::Rgb BackColour = 0x404040;
constexpr platform::gfx::Rgb TextColour = 0xFFFF00;

const char* const ContinueLine = "Click/Any key to continue.";

const platform::gfx::Font& briefFont()
{
    static const platform::gfx::Font font{"Arial Black", 12, false};
    return font;
}

std::string missionName(const GameState& state)
{
    if (state.CurrentMission < 0 || state.CurrentMission >= static_cast<int>(state.MissionName.size()))
        return {};
    return state.MissionName[state.CurrentMission];
}

} // namespace

const char* const CreditLine = "Thanks for leading the squad, commander. Dismissed!";

MissionBrief readMissionBrief(const std::string& bytes)
{
    using platform::text::lowerCase;
    MissionBrief brief;
    platform::text::TextReader reader(bytes);
    while (!reader.atEnd()) {
        const std::string item = lowerCase(reader.readItem());
        if (item == "<info>") {
            brief.title = reader.readItem();
            brief.author = reader.readItem();
        } else if (item == "<tropa>") {
            reader.readItem(); // the leader's start cell
            brief.troopSize = static_cast<int>(vb::nearest(vb::val(vb::left(reader.readItem(), 2))));
        } else if (item == "<resumo>") {
            brief.summary = reader.readItem();
            break;
        }
    }
    return brief;
}

void compactRoster(GameState& state)
{
    const int count = std::clamp(state.NameCount, 0, MaxNames);
    int kept = 0;
    for (int row = 1; row <= count; ++row) {
        if (state.Roster[row][RosterName].empty())
            continue;
        ++kept;
        if (kept != row) {
            state.Roster[kept] = std::move(state.Roster[row]);
            state.Roster[row] = {};
        }
    }
    for (int row = kept + 1; row <= count; ++row)
        state.Roster[row] = {};
    state.NameCount = kept;
}

BriefingSequence::BriefingSequence(GameState& state) : m_state(state) {}

void BriefingSequence::BmainDo(const std::string& problem)
{
    NotEnoughSoldiers = false;
    CanLeave = false;
    readSettings(m_state);
    compactRoster(m_state);

    BriefTitle.clear();
    BriefAuthor.clear();
    BriefSummary.clear();
    TroopSize = 0;
    problemText = problem;
    const std::string name = missionName(m_state);
    if (!name.empty() && problemText.empty()) {
        const std::optional<std::string> path = missionFilePath(m_state, name);
        std::string bytes;
        if (path && platform::text::readFile(*path, bytes)) {
            // A mission the battle cannot play is told here instead of briefed.
            if (const std::optional<std::string> reason = battle::unplayableReason(bytes)) {
                problemText = battle::unplayableMissionText(name, *reason);
            } else {
                const MissionBrief brief = readMissionBrief(bytes);
                BriefTitle = brief.title;
                BriefAuthor = brief.author;
                BriefSummary = brief.summary;
                TroopSize = brief.troopSize;
            }
        } else {
            // The campaign names a mission that is not there: it cannot go on, but nothing of
            // the roster is lost.
            problemText = "The mission \"" + name + "\" of this campaign is missing.";
        }
    }

    if (!problemText.empty()) {
        m_state.CampaignOver = true;
        m_kind = Kind::Problem;
    } else if (name.empty()) {
        m_state.CampaignOver = true;
        m_kind = Kind::Completed;
    } else if (m_state.NameCount < TroopSize) {
        NotEnoughSoldiers = true;
        m_state.CampaignOver = true;
        m_kind = Kind::TooFewSoldiers;
    } else {
        m_kind = Kind::Briefing;
    }

    buildStages();
    LineStage.fill(false);
    LineStage[0] = true;
    TypedChars = 0;
    TypeTicks = 0;
    Done = false;
    ShowAll = false;
}

void BriefingSequence::buildStages()
{
    const int h = windowHeight;
    const std::string& author = m_state.CampAuthor;
    m_stages.clear();
    auto typing = [this](int number, int y, std::string text, bool allowsLeave = false) {
        m_stages.push_back({number, StageKind::Typing, y, std::move(text), 0, allowsLeave});
    };
    auto pause = [this](int number, int ticks) {
        m_stages.push_back({number, StageKind::Pause, 0, {}, ticks, false});
    };

    switch (m_kind) {
    case Kind::Briefing: {
        std::string troopLine;
        if (TroopSize == 1)
            troopLine = "You will have only one soldier.";
        else if (TroopSize > 1)
            troopLine = "You will have " + std::to_string(TroopSize) + " soldiers.";
        typing(0, 10,
               "Mission " + std::to_string(m_state.CurrentMission) + " - " + BriefTitle + "      " +
                   "(ARMY = " + std::to_string(m_state.NameCount) + ")");
        pause(1, 50);
        typing(2, 100, BriefSummary);
        pause(3, 50);
        typing(4, 130, troopLine);
        pause(5, 50);
        typing(6, h - 60, ContinueLine, true);
        m_stages.push_back({7, StageKind::End, 0, {}, 0, false});
        break;
    }
    case Kind::Completed:
        typing(0, 10, "This campaign, made by " + author + " was completed!");
        pause(1, 50);
        pause(3, 50);
        typing(4, 320, CreditLine);
        pause(5, 500);
        typing(6, h - 30, ContinueLine, true);
        break;
    case Kind::TooFewSoldiers:
        typing(0, 10, "Sorry commander, we don't have the necessary soldiers...");
        pause(1, 50);
        typing(2, 40, "...we can't continue... It's our end...");
        pause(3, 50);
        typing(4, 300, "This campaign is over. It was made by " + author + ".");
        pause(5, 500);
        pause(7, 500);
        typing(8, 420, CreditLine);
        m_stages.push_back({9, StageKind::EndScreen, 0, {}, 0, false});
        break;
    case Kind::Problem:
        typing(0, 10, problemText);
        pause(1, 50);
        typing(6, h - 60, ContinueLine, true);
        m_stages.push_back({7, StageKind::End, 0, {}, 0, false});
        break;
    }
}

void BriefingSequence::BmainLoop()
{
    if (m_kind == Kind::Briefing && print)
        print(LineX, windowHeight - 80, "Mission by " + BriefAuthor);
    for (std::size_t i = 0; i < m_stages.size(); ++i)
        if (LineStage[m_stages[i].number])
            advance(i);
}

void BriefingSequence::advance(std::size_t index)
{
    const Stage& stage = m_stages[index];
    switch (stage.kind) {
    case StageKind::Typing: {
        if (stage.allowsLeave)
            CanLeave = true;
        if (++TypeTicks <= TicksPerCharacter)
            return;
        TypeTicks = 0;
        ++TypedChars;
        const std::string& text = stage.text;
        const bool blank = TypedChars <= static_cast<int>(text.size()) && text[TypedChars - 1] == ' ';
        if (!blank && !ShowAll && playSound)
            playSound(TypingSound);
        if (TypedChars <= static_cast<int>(text.size())) {
            if (print)
                print(LineX, stage.y, text.substr(0, TypedChars));
        } else {
            nextStage(index);
        }
        return;
    }
    case StageKind::Pause:
        if (++TypeTicks > stage.ticks)
            nextStage(index);
        return;
    case StageKind::End:
        return;
    case StageKind::EndScreen:
        CanLeave = true;
        if (!ShowAll)
            Done = true;
        return;
    }
}

void BriefingSequence::nextStage(std::size_t index)
{
    LineStage[m_stages[index].number] = false;
    if (index + 1 < m_stages.size())
        LineStage[m_stages[index + 1].number] = true;
    TypedChars = 0;
    TypeTicks = 0;
}

void BriefingSequence::Form_Click()
{
    if (CanLeave)
        Done = true;
    ShowAll = true;
}

bool BriefingSequence::waitingForPlayer() const
{
    for (const Stage& stage : m_stages)
        if (LineStage[stage.number])
            return stage.kind == StageKind::End || stage.kind == StageKind::EndScreen;
    return true;
}

BriefWindow::BriefWindow(GameState& state, SoundBank* sound, platform::clock::Clock& clock)
    : m_state(state), m_sound(sound), m_clock(clock), m_sequence(state), m_form("VEDE Gorsefield")
{
    m_form.resize(640, 480);
    m_form.setBackColor(BackColour);
    m_form.picture() = platform::gfx::Picture(640, 480, BackColour);
    m_form.onClick = [this] { Form_Click(); };
    m_form.onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    m_form.onUnload = [this](bool&) { m_closed = true; };
    m_sequence.print = [this](int x, int y, const std::string& text) { printText(x, y, text); };
    m_sequence.playSound = [this](int n) {
        if (m_sound != nullptr)
            m_sound->PlaySound(n);
    };
    pumpEvents = [] { platform::ui::doEvents(); };
    waitForEvents = [](platform::clock::Tick ms) {
        platform::ui::waitForEvents(static_cast<int>(std::min<platform::clock::Tick>(ms, PlayerWaitLimit)));
    };
}

Screen BriefWindow::Form_Activate(const std::string& problem)
{
    return BmainDo(problem);
}

Screen BriefWindow::BmainDo(const std::string& problem)
{
    m_closed = false;
    m_shown.clear();
    m_layout.clear();
    m_form.picture().clear(BackColour);
    m_sequence.windowHeight = m_form.height();
    m_form.setEnabled(true);
    m_form.show();
    m_form.refresh();

    m_sequence.BmainDo(problem);
    if (m_sequence.endMusicWanted())
        startEndMusic();

    const std::function<void()> noEvents = [] {};
    const std::function<void()>& pump = pumpEvents ? pumpEvents : noEvents;
    while (!m_sequence.Done) {
        // Once a click asked for the rest at once, the ticks follow without waiting, but only
        // while there is still text to come: the wait for the last click stays paced.
        const bool waiting = m_sequence.waitingForPlayer();
        if (!m_sequence.ShowAll || waiting) {
            const platform::clock::Tick t0 = m_clock.tickCount();
            m_clock.waitUntil(t0 + TickPeriod, noEvents);
        }
        // With the texts out nothing changes until the player clicks or presses a key: the turn
        // waits for the window's events instead of turning again and again.
        if (waiting)
            m_clock.waitForInput(m_clock.tickCount() + PlayerWaitLimit, pump, waitForEvents);
        else
            pump();
        if (m_closed)
            break;
        if (!m_sequence.Done)
            m_sequence.BmainLoop();
    }

    m_form.hide();
    if (m_closed)
        return Screen::Quit;
    if (!m_state.CampaignOver) {
        m_state.MissionOver = false;
        return Screen::Battle;
    }
    return Screen::Title;
}

std::vector<std::string> wrapToWidth(const std::string& text, const platform::gfx::Font& font, int width)
{
    using platform::gfx::Picture;
    std::vector<std::string> lines;
    std::string rest = text;
    while (Picture::textWidth(rest, font) > width && rest.size() > 1) {
        // The longest head that fits, ended at its last blank when it has one.
        std::size_t fit = 1;
        while (fit < rest.size() && Picture::textWidth(rest.substr(0, fit + 1), font) <= width)
            ++fit;
        const std::size_t blank = rest.rfind(' ', fit);
        std::size_t cut = (blank != std::string::npos && blank > 0) ? blank : fit;
        lines.push_back(rest.substr(0, cut));
        while (cut < rest.size() && rest[cut] == ' ')
            ++cut;
        rest = rest.substr(cut);
    }
    lines.push_back(rest);
    return lines;
}

std::vector<BriefLine> layOutBriefing(const std::vector<std::pair<std::pair<int, int>, std::string>>& printed,
                                      int windowWidth, int windowHeight, const std::vector<BriefLine>& before)
{
    const int width = windowWidth - 2 * LineX;
    const int footTop = windowHeight - 100;
    auto lines = printed;
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first.second < b.first.second; });
    std::vector<BriefLine> layout;
    int shift = 0;
    for (const auto& [place, text] : lines) {
        const bool upper = place.second < footTop;
        const auto kept = std::find_if(before.begin(), before.end(),
                                       [&at = place](const BriefLine& old) { return old.place == at; });
        BriefLine line{place, text, place.second + (upper ? shift : 0), {}};
        if (kept != before.end() && kept->text == text) {
            line.rows = kept->rows; // unchanged: its rows stand as they were cut
        } else if (kept != before.end() && text.compare(0, kept->text.size(), kept->text) == 0) {
            // A line that grew keeps the rows that were cut before its last one: only the last
            // row goes on from where it started.
            line.rows.assign(kept->rows.begin(), kept->rows.end() - 1);
            std::size_t start = kept->text.size() - kept->rows.back().size();
            while (!line.rows.empty() && start < text.size() && text[start] == ' ')
                ++start;
            for (std::string& row : wrapToWidth(text.substr(start), briefFont(), width))
                line.rows.push_back(std::move(row));
        } else {
            line.rows = wrapToWidth(text, briefFont(), width);
        }
        if (upper)
            shift += static_cast<int>(line.rows.size() - 1) * WrapStep;
        layout.push_back(std::move(line));
    }
    return layout;
}

namespace {

// The rows a line may cover: its own, and a row's height above and below for any letter that
// reaches out of its row.
std::pair<int, int> reach(const BriefLine& line)
{
    return {line.top - WrapStep, line.top + static_cast<int>(line.rows.size() + 1) * WrapStep - 1};
}

} // namespace

void drawBriefing(platform::gfx::Picture& picture, const std::vector<BriefLine>& lines, int first, int last)
{
    picture.setClip(0, first, picture.width(), last - first + 1);
    picture.fillBox(0, first, picture.width() - 1, last, BackColour);
    for (const BriefLine& line : lines) {
        const auto [top, bottom] = reach(line);
        if (bottom < first || top > last)
            continue;
        for (std::size_t i = 0; i < line.rows.size(); ++i)
            picture.print(line.place.first, line.top + static_cast<int>(i) * WrapStep, line.rows[i],
                          briefFont(), TextColour);
    }
    picture.clearClip();
}

void BriefWindow::printText(int x, int y, const std::string& text)
{
    const std::pair<int, int> at{x, y};
    auto shown =
        std::find_if(m_shown.begin(), m_shown.end(), [&](const auto& entry) { return entry.first == at; });
    if (shown != m_shown.end() && shown->second == text)
        return; // the same print again would change nothing
    if (shown != m_shown.end())
        shown->second = text;
    else
        m_shown.push_back({at, text});

    // Only the rows of the lines that changed or moved are drawn again (on a clean surface, so a
    // line that grows keeps crisp letters), and only they are repainted.
    platform::gfx::Picture& picture = m_form.picture();
    std::vector<BriefLine> layout = layOutBriefing(m_shown, picture.width(), picture.height(), m_layout);
    int first = picture.height();
    int last = -1;
    const auto include = [&](const BriefLine& line) {
        const auto [top, bottom] = reach(line);
        first = std::min(first, top);
        last = std::max(last, bottom);
    };
    for (const BriefLine& line : layout) {
        const auto before = std::find_if(m_layout.begin(), m_layout.end(),
                                         [&](const BriefLine& old) { return old.place == line.place; });
        if (before != m_layout.end() && before->top == line.top && before->rows == line.rows)
            continue;
        include(line);
        if (before != m_layout.end())
            include(*before);
    }
    m_layout = std::move(layout);
    first = std::max(first, 0);
    last = std::min(last, picture.height() - 1);
    if (first > last)
        return;
    drawBriefing(picture, m_layout, first, last);
    m_form.refresh(0, first, picture.width(), last - first + 1);
}

void BriefWindow::startEndMusic()
{
    if (m_sound == nullptr || !m_state.MusicOn)
        return;
    m_sound->musicBuffer().setCurrentPosition(0);
    const std::string path = m_state.dataPath("arquivos/musica/fim.wav");
    if (!platform::text::fileExists(platform::text::resolveCaseInsensitive(path)))
        return;
    if (m_sound->loadMusic("fim.wav"))
        m_sound->musicBuffer().play();
}

} // namespace tolvar
