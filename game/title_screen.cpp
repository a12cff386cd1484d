#include "game/title_screen.h"

#include "game/campaign_start.h"
#include "platform/text/file_names.h"
#include "platform/text/text_file.h"
#include "platform/text/vb.h"
#include "platform/ui/events.h"
#include "platform/ui/keys.h"

namespace tolvar {

namespace {

constexpr int ClientWidth = 501;
constexpr int ClientHeight = 465;
constexpr int PictureWidth = 247;  // the mask and the picture each take half of the store
constexpr int PictureHeight = 209; // rows drawn each turn (the store's own height clips them)
constexpr platform::clock::Tick TurnPeriod = 10;
constexpr int ClickSound = 12;

void place(platform::ui::Control& control, const SlidePlace& at)
{
    const int left = static_cast<int>(vb::nearest(at.left));
    const int top = static_cast<int>(vb::nearest(at.top));
    if (control.left() != left || control.top() != top || control.width() != at.width ||
        control.height() != at.height)
        control.move(left, top, at.width, at.height);
    if (control.visible() != at.visible)
        control.setVisible(at.visible);
}

} // namespace

TitleAnimation::TitleAnimation()
{
    CampInfo = {80, 176, 217, 38, true};
    CampainList = {304, 176, 185, 190, true};
    RunGame = {8, 424, 73, 33, true};
    CampTitle = {352, 160, 81, 17, true};
}

void TitleAnimation::reset(int outerWidth, int outerHeight)
{
    m_w = outerWidth;
    m_h = outerHeight;
    CampainList.visible = false;
    CampInfo.visible = false;
    CampTitle.visible = false;
    PicX = -PictureWidth;
    PicY = m_h;
    PicMoving = false;
    TitleTurn = 0;
    CampainList.left = m_w;
    CampTitle.top = -CampTitle.height;
    CampInfo.left = -CampInfo.width;
    RunGame.left = 10;
    RunGame.top = m_h + RunGame.height;
    TitleFlags.fill(false);
    Started = false;
}

void TitleAnimation::TMainLoop()
{
    if (PicMoving && PicY > m_h - 200) {
        PicX += 5;
        PicY -= 5;
    }

    // Only the moment the count reaches 10 matters; it stops there, so it never overflows.
    if (TitleTurn <= 10)
        ++TitleTurn;

    if (CampainList.left <= 312)
        TitleFlags[1] = false;
    if (RunGame.left > 410)
        TitleFlags[2] = false;
    if (CampTitle.top >= 155)
        TitleFlags[3] = false;
    if (CampInfo.left + CampInfo.width >= 300)
        TitleFlags[4] = false;
    if (TitleTurn == 10)
        TitleFlags[5] = true;

    if (TitleFlags[1])
        CampainList.left -= 5;
    if (TitleFlags[2]) {
        RunGame.left += 10;
        RunGame.top -= 1.4;
    }
    if (TitleFlags[3])
        CampTitle.top += 5;
    if (TitleFlags[4])
        CampInfo.left += 20;

    if (!TitleFlags[6] && TitleFlags[5]) {
        RunGame.visible = true;
        RunGame.top -= 5;
        if (RunGame.top < 430) {
            TitleFlags[5] = false;
            TitleFlags[6] = true;
        }
    }
}

void TitleAnimation::RunGame_Click(bool campaignSelected, const std::function<bool()>& startCampaign)
{
    if (TitleFlags[5] && TitleFlags[0] && campaignSelected && startCampaign && startCampaign()) {
        Started = true;
        if (playSound)
            playSound(ClickSound);
        CampainList.visible = false;
        CampInfo.visible = false;
        CampTitle.visible = false;
    }
    if (!TitleFlags[0]) {
        TitleFlags[1] = TitleFlags[2] = TitleFlags[3] = true;
        PicMoving = true;
        CampainList.visible = true;
        CampTitle.visible = true;
        if (playSound)
            playSound(ClickSound);
        TitleFlags[0] = true;
    }
}

void TitleAnimation::CampainList_Click()
{
    TitleFlags[4] = true;
    TitleFlags[5] = true;
    CampInfo.left = -CampInfo.width;
    if (playSound)
        playSound(ClickSound);
    CampInfo.visible = true;
}

void drawTitleSurface(platform::gfx::Picture& surface, const platform::gfx::Picture& background,
                      const platform::gfx::Picture& ferrand, int x, int y)
{
    using platform::gfx::RasterOp;
    if (surface.width() != background.width() || surface.height() != background.height())
        surface.resize(background.width(), background.height());
    platform::gfx::bitBlt(surface, 0, 0, background.width(), background.height(), background, 0, 0);
    platform::gfx::bitBlt(surface, x, y, PictureWidth, PictureHeight, ferrand, 0, 0, RasterOp::And);
    platform::gfx::bitBlt(surface, x, y, PictureWidth, PictureHeight, ferrand, PictureWidth, 0, RasterOp::Or);
}

Title::Title(GameState& state, SoundBank* sound, platform::clock::Clock& clock)
    : m_state(state), m_sound(sound), m_clock(clock), m_form("VEDE Gorsefield")
{
    m_form.resize(ClientWidth, ClientHeight);
    const platform::gfx::Font arialBlack{"Arial Black", 8, false};

    m_campInfo = std::make_unique<platform::ui::TextBox>(m_form, platform::ui::TextBox::Lines::Multi);
    m_campInfo->setFont(arialBlack);
    m_campInfo->setLocked(true);
    m_campainList = std::make_unique<platform::ui::FileListBox>(m_form);
    m_campainList->setFont(arialBlack);
    m_runGame = std::make_unique<platform::ui::CommandButton>(m_form, "Play");
    m_version = std::make_unique<platform::ui::Label>(m_form, "Version: 310308");
    m_version->move(400, 432, 77, 13);
    // Light captions stand out on the night sky of the background.
    m_version->setAutoSize(true);
    m_version->setForeColor(0xC8C8C8);
    m_campTitle = std::make_unique<platform::ui::Label>(m_form, "Campanha");
    m_campTitle->setFont(platform::gfx::Font{"MS Sans Serif", 8, false});
    m_campTitle->setForeColor(0xF0E0A0);
    placeControls();

    m_anim.playSound = [this](int n) { playSound(n); };
    m_runGame->onClick = [this] { RunGame_Click(); };
    m_campainList->onClick = [this] { CampainList_Click(); };
    m_form.onKeyDown = [this](int keyCode, int shift) { Form_KeyDown(keyCode, shift); };
    // Closing the window ends the program as Escape does.
    m_form.onUnload = [this](bool&) { m_quit = true; };
    pumpEvents = [] { platform::ui::doEvents(); };
}

Title::~Title() = default;

std::string Title::Form_Load()
{
    if (m_sound != nullptr) {
        m_sound->InitSound();
        m_sound->LoadSounds();
    }
    m_state.RandomTrack = true;
    m_state.SoundOn = true;
    m_state.ViewWidth = 320;
    m_state.ViewHeight = 240;
    m_state.LogicalWidth = 320;
    m_state.LogicalHeight = 240;

    m_campainList->setPattern("*.cfc");
    m_campainList->setPath(campaignFolder(m_state));

    for (auto [name, picture] :
         {std::pair{"titlefundo.bmp", &m_background}, std::pair{"titulo.bmp", &m_ferrand}}) {
        const std::string path =
            platform::text::resolveCaseInsensitive(m_state.dataPath(std::string("arquivos/grafico/") + name));
        if (!picture->load(path))
            return "Cannot load the picture " +
                   platform::text::shownText(m_state.dataPath(std::string("arquivos/grafico/") + name));
    }
    m_form.picture() = m_background;
    m_drawn = false;
    return {};
}

Screen Title::Form_Activate()
{
    return TMainDO();
}

Screen Title::TMainDO()
{
    if (resetBattleInput)
        resetBattleInput();
    m_state.CurrentMission = 1;
    m_state.MissionOver = false;
    m_state.CampaignOver = false;

    m_quit = false;
    m_campainList->refresh();
    m_campainList->setListIndex(-1);
    m_campInfo->setText({});
    m_anim.reset(m_form.outerWidth(), m_form.outerHeight());
    placeControls();
    m_drawn = false;
    drawPicture();

    m_form.setEnabled(true);
    m_form.show();
    // The frame is known once the window is on screen; the slides start from its outer size.
    m_anim.reset(m_form.outerWidth(), m_form.outerHeight());
    placeControls();
    if (pumpEvents)
        pumpEvents();

    if (m_sound != nullptr) {
        m_sound->loadMusic("title.wav");
        m_sound->Music("start");
    }
    placeControls();

    const std::function<void()> noEvents = [] {};
    while (!m_quit) {
        const platform::clock::Tick t0 = m_clock.tickCount();
        // The window's events run once per turn, after the wait.
        m_clock.waitUntil(t0 + TurnPeriod, noEvents);
        if (pumpEvents)
            pumpEvents();
        if (m_quit)
            break;
        if (!m_anim.Started)
            TMainLoop();
        if (m_anim.Started)
            break;
    }

    m_form.setEnabled(false);
    m_form.hide();
    return m_quit ? Screen::Quit : Screen::Briefing;
}

void Title::TMainLoop()
{
    m_anim.TMainLoop();
    drawPicture();
    placeControls();
}

void Title::CampainList_Click()
{
    if (m_campainList->listIndex() < 0)
        return;
    m_anim.CampainList_Click();
    m_campInfo->setText({});
    std::string bytes;
    if (const std::optional<std::string> problem = readSelected(bytes)) {
        m_campInfo->setText(*problem);
    } else {
        const CampaignHeader header = readCampaignHeader(bytes);
        m_campInfo->setText(header.name + "\r\n" + header.author);
        m_state.CampAuthor = header.author;
    }
    placeControls();
}

void Title::RunGame_Click()
{
    m_anim.RunGame_Click(m_campainList->listIndex() >= 0, [this] {
        std::string bytes;
        const std::optional<std::string> problem = readSelected(bytes);
        if (!problem && startCampaign(m_state, bytes).ok)
            return true;
        // A file that cannot be used is not started; the box says why.
        m_campInfo->setText(problem.value_or("Not a campaign file:\r\n" + m_campainList->fileName()));
        return false;
    });
    placeControls();
}

void Title::Form_KeyDown(int keyCode, int)
{
    if (keyCode == platform::ui::kKeyEscape)
        m_quit = true;
}

void Title::placeControls()
{
    place(*m_campInfo, m_anim.CampInfo);
    place(*m_campainList, m_anim.CampainList);
    place(*m_runGame, m_anim.RunGame);
    place(*m_campTitle, m_anim.CampTitle);
}

void Title::drawPicture()
{
    if (m_background.isNull())
        return;
    if (m_drawn && m_drawnX == m_anim.PicX && m_drawnY == m_anim.PicY)
        return; // the same drawing again would change nothing
    drawTitleSurface(m_form.picture(), m_background, m_ferrand, m_anim.PicX, m_anim.PicY);
    m_form.refresh();
    m_drawn = true;
    m_drawnX = m_anim.PicX;
    m_drawnY = m_anim.PicY;
}

void Title::playSound(int n)
{
    if (m_sound != nullptr)
        m_sound->PlaySound(n);
}

std::optional<std::string> Title::readSelected(std::string& bytes) const
{
    const std::optional<platform::text::FolderFile> file = m_campainList->selectedFile();
    if (!file)
        return "";
    // A name with letters the game cannot show or write is not opened under another name.
    if (!file->name)
        return "Not a usable file name:\r\n" + file->shownText();
    if (!platform::text::readFile(m_campainList->filePath(), bytes))
        return "Cannot read the file:\r\n" + *file->name;
    if (!isCampaignFile(bytes))
        return "Not a campaign file:\r\n" + *file->name;
    return std::nullopt;
}

} // namespace tolvar
