#include "mission_editor/form_main.h"

#include "mission_editor/files/code_tables.h"

#include "platform/text/file_names.h"
#include "platform/text/vb.h"
#include "platform/ui/events.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_boxes.h"

#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

namespace plotwright {

namespace {

constexpr int CursorSize = 12;
constexpr int ButtonWidth = 56;
constexpr int ButtonHeight = 25;
constexpr int PanelWidth = 790;
constexpr int PanelHeight = 210;

template <std::size_t N> void fill(ui::ComboBox& combo, const std::array<std::string_view, N>& texts)
{
    combo.clear();
    for (const std::string_view text : texts) {
        combo.addItem(std::string(text));
    }
}

std::string countText(const char* what, int count)
{
    return std::string(what) + std::to_string(count);
}

int defaultScreenWidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 800;
}

} // namespace

FormMain::FormMain(MissionModel& model, std::string programsFolder)
    : ui::Form("Plotwright"), ScreenWidth(defaultScreenWidth), AreaVisivel(*this), VScroll(*this),
      HScroll(*this), ToolBar(*this), NewButton(*this, "New"), LoadButton(*this, "Open"),
      ConfigButton(*this, "Config"), SaveAsButton(*this, "Save as"), SaveButton(*this, "Save"),
      GreatBox(*this, "Edit"), EditBox(GreatBox, "Edit mode"), ViewerBox(GreatBox, "Show"),
      EminyCheck(ViewerBox, "Enemies"), ObjtCheck(ViewerBox, "Objects"), Version(GreatBox, "Version: Final1"),
      HelpButton(GreatBox, "Help"), InfoBar(GreatBox), ShowBar(GreatBox),
      ObjtEditBox(*this, "Objects of the map"), ObjtComboLabel(ObjtEditBox, "Object"), ObjtCombo(ObjtEditBox),
      ObjList(ObjtEditBox, ui::ListBox::Order::Sorted), KillObjt(ObjtEditBox, "Kill"),
      ObjtNameView(ObjtEditBox), ObjtQuant(ObjtEditBox), DollEditBox(*this, "Enemies of the map"),
      DollTeamLabel(DollEditBox, "Team"), DollTeamCombo(DollEditBox),
      DollAnimationLabel(DollEditBox, "AI animation"), DollAnimation(DollEditBox),
      DollAniStateLabel(DollEditBox, "Start"), DollAniState(DollEditBox),
      DollList(DollEditBox, ui::ListBox::Order::AsAdded), KillDoll(DollEditBox, "Kill"),
      ChangeDoll(DollEditBox, "Alter"), DollListView(DollEditBox), DollQuant(DollEditBox),
      TroopEditBox(*this, "Troop"), TroopPos(TroopEditBox, NoTroopPosition),
      TroopSizeLabel(TroopEditBox, "Troop size"), TroopSizeCombo(TroopEditBox),
      TroopTeamLabel(TroopEditBox, "Team"), TroopTeamCombo(TroopEditBox),
      TroopClipLabel(TroopEditBox, "Clips"), TroopClipNum(TroopEditBox),
      TroopAlignLabel(TroopEditBox, "Formation"), TroopAlignCombo(TroopEditBox),
      TroopViewLabel(TroopEditBox, "Start view"), TroopViewCombo(TroopEditBox),
      AnimationEditBox(*this, "Animation field"), AnimationAIEditBox(*this, "AI animation field"),
      ConditionEditBox(*this, "Condition field"), Cursor(*this), m_model(model),
      m_programsFolder(std::move(programsFolder)), m_canvas(model)
{
    for (int i = 0; i < EditModeCount; ++i) {
        EditMode.add(EditBox, EditModeCaptions[i]);
    }
    layOut();
    connectEvents();
}

FormMain::~FormMain() = default;

// Places of the controls that start-up does not move: the window's design.
void FormMain::layOut()
{
    resize(800, 600);

    constexpr int inner = 254;
    GreatBox.resize(274, 330);
    EditBox.move(10, 20, inner, 20 + EditModeCount * 21 + 6);
    for (int i = 0; i < EditModeCount; ++i) {
        EditMode[i].move(10, 20 + i * 21, inner - 20, 20);
    }
    ViewerBox.move(10, EditBox.top() + EditBox.height() + 6, inner, 50);
    EminyCheck.move(10, 20, 110, 22);
    ObjtCheck.move(130, 20, 110, 22);
    Version.move(10, ViewerBox.top() + ViewerBox.height() + 10, 150, 20);
    HelpButton.move(inner - 70, Version.top() - 3, 80, ButtonHeight);
    InfoBar.move(10, Version.top() + 28, inner, 20);
    ShowBar.move(10, InfoBar.top() + 24, inner, 20);

    for (ui::CommandButton* button : {&NewButton, &LoadButton, &ConfigButton, &SaveAsButton, &SaveButton}) {
        button->resize(ButtonWidth, ButtonHeight);
    }

    for (ui::Frame* panel : {&ObjtEditBox, &DollEditBox, &TroopEditBox, &AnimationEditBox,
                             &AnimationAIEditBox, &ConditionEditBox}) {
        panel->resize(PanelWidth, PanelHeight);
    }

    ObjtComboLabel.move(10, 20, 160, 16);
    ObjtCombo.move(10, 38, 160, 24);
    ObjtNameView.move(10, 72, 160, 20);
    ObjtQuant.move(10, 96, 160, 20);
    ObjList.move(180, 20, 160, 180);
    KillObjt.move(350, 20, 80, ButtonHeight);

    DollTeamLabel.move(10, 18, 170, 16);
    DollTeamCombo.move(10, 34, 170, 24);
    DollAnimationLabel.move(10, 64, 170, 16);
    DollAnimation.move(10, 80, 170, 24);
    DollAniStateLabel.move(10, 110, 170, 16);
    DollAniState.move(10, 126, 170, 24);
    DollList.move(190, 20, 200, 180);
    KillDoll.move(400, 20, 80, ButtonHeight);
    ChangeDoll.move(400, 50, 80, ButtonHeight);
    DollListView.move(400, 84, 200, 20);
    DollQuant.move(400, 108, 200, 20);

    TroopPos.move(10, 20, 200, 20);
    TroopSizeLabel.move(10, 46, 150, 16);
    TroopSizeCombo.move(10, 62, 150, 24);
    TroopTeamLabel.move(10, 92, 150, 16);
    TroopTeamCombo.move(10, 108, 150, 24);
    TroopClipLabel.move(10, 138, 150, 16);
    TroopClipNum.move(10, 154, 150, 24);
    TroopAlignLabel.move(180, 46, 300, 16);
    TroopAlignCombo.move(180, 62, 300, 24);
    TroopViewLabel.move(180, 92, 300, 16);
    TroopViewCombo.move(180, 108, 300, 24);

    Cursor.resize(CursorSize, CursorSize);
    Cursor.setBorderColor(0xFF0000);
    Cursor.setBorderWidth(2);

    EminyCheck.setValue(1);
    ObjtCheck.setValue(1);
    AreaVisivel.setBackColor(GridColour);
    AreaVisivel.picture() = gfx::Picture(ViewWidth, ViewHeight, GridColour);
}

void FormMain::connectEvents()
{
    onUnload = [this](bool& cancel) { Form_Unload(cancel); };
    HelpButton.onClick = [this] { HelpButton_Click(); };
    ConfigButton.onClick = [this] { ConfigButton_Click(); };
    HScroll.onChange = [this] { HScroll_Change(); };
    VScroll.onChange = [this] { VScroll_Change(); };
    HScroll.onScroll = [this] { HScroll_Change(); };
    VScroll.onScroll = [this] { VScroll_Change(); };
    ToolBar.onMouseMove = [this](int b, int s, int x, int y) { ToolBar_MouseMove(b, s, x, y); };
    ToolBar.onMouseDown = [this](int b, int s, int x, int y) { ToolBar_MouseMove(b, s, x, y); };
    ToolBar.onClick = [this] { ToolBar_Click(); };
    AreaVisivel.onMouseDown = [this](int b, int s, int x, int y) { AreaVisivel_MouseDown(b, s, x, y); };
    AreaVisivel.onMouseMove = [this](int b, int s, int x, int y) { AreaVisivel_MouseMove(b, s, x, y); };
    AreaVisivel.onMouseUp = [this](int b, int s, int x, int y) { AreaVisivel_MouseUp(b, s, x, y); };
    EditMode.onClick = [this](int index) { EditMode_Click(index); };
    EminyCheck.onClick = [this] { m_model.NeedRedraw = true; };
    ObjtCheck.onClick = [this] { m_model.NeedRedraw = true; };
    DollList.onClick = [this] { DollList_Click(); };
    DollList.onKeyDown = [this](int key, int shift) { DollList_KeyDown(key, shift); };
    ChangeDoll.onClick = [this] { ChangeDoll_Click(); };
    KillDoll.onClick = [this] { KillDoll_Click(); };
    ObjList.onKeyDown = [this](int key, int shift) { ObjList_KeyDown(key, shift); };
    KillObjt.onClick = [this] { KillObjt_Click(); };
    TroopSizeCombo.onClick = [this] { troopComboChosen(TroopSizeCombo, m_model.TroopSizeCombo); };
    TroopTeamCombo.onClick = [this] { troopComboChosen(TroopTeamCombo, m_model.TroopTeamCombo); };
    TroopAlignCombo.onClick = [this] { troopComboChosen(TroopAlignCombo, m_model.TroopAlignCombo); };
    TroopViewCombo.onClick = [this] { troopComboChosen(TroopViewCombo, m_model.TroopViewCombo); };
    TroopClipNum.onClick = [this] { troopComboChosen(TroopClipNum, m_model.TroopClipNum); };
}

// The troop's choices are part of the mission: a choice of the user is an unsaved change.
void FormMain::troopComboChosen(ui::ComboBox& combo, int& field)
{
    if (combo.listIndex() < 0) {
        return;
    }
    if (field != combo.listIndex()) {
        field = combo.listIndex();
        if (!m_fromCode) {
            m_model.Modified = true;
        }
    }
}

bool FormMain::Form_Load()
{
    m_fromCode = true;
    // 1-2: the window's size, and a word when the screen is narrower.
    resize(800, 600);
    if (ScreenWidth && ScreenWidth() < 800) {
        ui::msgBox(ResolutionMessage);
    }
    // 3: the mission's start values.
    m_model.MapWidth = MinMapSize;
    m_model.MapHeight = MinMapSize;
    m_model.MissionFile = UntitledName;
    m_model.MissionTitle = m_model.MissionFile;
    for (int x = 1; x <= MaxMapSize; ++x) {
        for (int y = 1; y <= MaxMapSize; ++y) {
            m_model.Map(x, y) = "01";
        }
    }
    m_model.Modified = false;
    // 5-8: Quadro, the canvas and its scroll bars.
    m_canvas.fitQuadro();
    AreaVisivel.move(5, 5, ViewWidth, ViewHeight);
    VScroll.move(AreaVisivel.left() + AreaVisivel.width(), AreaVisivel.top(), 17, AreaVisivel.height());
    VScroll.setSmallChange(5);
    VScroll.setLargeChange(CellPitch);
    VScroll.setRange(0, (m_canvas.Quadro.height() - AreaVisivel.height()) + 2 * TileStepY);
    HScroll.move(AreaVisivel.left(), AreaVisivel.top() + AreaVisivel.height(), AreaVisivel.width(), 17);
    HScroll.setSmallChange(5);
    HScroll.setLargeChange(CellPitch);
    HScroll.setRange(0, m_canvas.Quadro.width() - AreaVisivel.width());
    // 9: the command row.
    NewButton.move(VScroll.left() + VScroll.width() + 10, 10);
    ui::CommandButton* previous = &NewButton;
    for (ui::CommandButton* button : {&LoadButton, &ConfigButton, &SaveAsButton, &SaveButton}) {
        button->move(previous->left() + previous->width(), previous->top());
        previous = button;
    }
    // 11-14: the palette and the panels in its place.
    ToolBar.move(HScroll.left(), HScroll.top() + HScroll.height() + 5, PaletteWidth, PaletteHeight);
    GreatBox.move(NewButton.left(), SaveButton.top() + SaveButton.height() + 10);
    for (ui::Frame* panel : {&ObjtEditBox, &DollEditBox, &TroopEditBox, &AnimationEditBox,
                             &AnimationAIEditBox, &ConditionEditBox}) {
        panel->move(HScroll.left(), HScroll.top() + HScroll.height() + 5);
    }
    // 10: the map edit mode, palette shown, panels hidden.
    EditMode.setValue(EditMap);
    // 15-17: the code-table lists; the scripting panels fill theirs and set their buttons.
    fillCodeLists();
    for (ScriptPanel* panel : m_panels) {
        panel->formLoad();
    }
    m_targets = PositionTargets{};
    for (ScriptPanel* panel : m_panels) {
        panel->addPositionTargets(m_targets);
    }
    // 18: the palette and the marker strip.
    if (!loadPictures()) {
        m_fromCode = false;
        return false;
    }
    // 19: the palette's first tile is picked.
    CurrentTile = 1;
    Cursor.move(ToolBar.left() + CellPitch * (CurrentTile - 1) + 5, ToolBar.top());
    Cursor.bringToFront();
    // 20-21.
    setCaption(windowCaption(m_model));
    showCounts();
    m_model.NeedRedraw = true;
    m_fromCode = false;
    return true;
}

void FormMain::fillCodeLists()
{
    TroopSizeCombo.clear();
    for (const std::string_view text : TroopSizeTexts) {
        TroopSizeCombo.addItem(std::string(text));
    }
    fill(TroopClipNum, ClipTexts);
    TroopClipNum.setListIndex(StartSelection::TroopClipNum);
    fill(TroopTeamCombo, TeamTexts);
    fill(DollTeamCombo, TeamTexts);
    DollTeamCombo.setListIndex(StartSelection::DollTeamCombo);
    fill(DollAniState, StartStateTexts);
    DollAniState.setListIndex(StartSelection::DollAniState);
    fill(ObjtCombo, ObjectKindTexts);
    ObjtCombo.setListIndex(StartSelection::ObjtCombo);
    TroopSizeCombo.setListIndex(StartSelection::TroopSizeCombo);
    TroopTeamCombo.setListIndex(StartSelection::TroopTeamCombo);
    fill(TroopAlignCombo, AlignTexts);
    TroopAlignCombo.setListIndex(StartSelection::TroopAlignCombo);
    fill(TroopViewCombo, ViewTexts);
    TroopViewCombo.setListIndex(StartSelection::TroopViewCombo);
}

bool FormMain::loadPictures()
{
    const std::string folder = m_programsFolder + "/arquivos/grafico/";
    for (const auto& [picture, name] :
         {std::pair{&m_canvas.Paleta, "map.bmp"}, {&m_canvas.ObjtPic, "objtpic.bmp"}}) {
        const std::string path = folder + name;
        if (!picture->load(path)) {
            ui::msgBox("The picture " + platform::text::shownText(path) +
                           " is missing or cannot be read.\rThe editor cannot start.",
                       ui::MsgButtons::Ok, ui::MsgIcon::Critical, "Editor");
            return false;
        }
    }
    m_canvas.invalidate();
    return true;
}

void FormMain::Init()
{
    show();
    InitDone = true;
    ToolBar.setPicture(m_canvas.Paleta);
    ScrollX = HScroll.value();
    ScrollY = VScroll.value();
    copyViewToCanvas(ViewCopySize, ViewCopySize);
}

void FormMain::copyViewToCanvas(int width, int height)
{
    gfx::Picture& view = AreaVisivel.picture();
    if (width >= view.width() && height >= view.height()) {
        m_canvas.copyView(view, ScrollX, ScrollY);
    } else {
        gfx::bitBlt(view, 0, 0, width, height, m_canvas.Quadro, ScrollX, ScrollY);
    }
    m_viewX = ScrollX;
    m_viewY = ScrollY;
    m_viewStale = false;
    AreaVisivel.refresh();
}

void FormMain::turn()
{
    m_pacing.turnBegins();
    CheckMouseEvent();
    m_pacing.letEventsRun(LeftDown || RightDown);
    // The window is usable again after a dialog, except while a dialog that replaces the mission
    // is up.
    setEnabled(!m_model.replacementPending());
    ShowView();
    m_model.NeedRedraw = true;
}

int FormMain::run()
{
    if (!Form_Load()) {
        return 1;
    }
    Init();
    while (m_running) {
        turn();
    }
    return 0;
}

void FormMain::ShowView()
{
    SaveButton.setEnabled(m_model.Modified);
    if (!m_model.NeedRedraw) {
        return;
    }
    RefreshArea();
    if (m_viewStale || m_viewX != ScrollX || m_viewY != ScrollY) {
        copyViewToCanvas(ViewCopySize, ViewCopySize);
    }
}

void FormMain::RefreshArea()
{
    m_inRefresh = true;
    HScroll.setMax(hScrollMax(m_model.MapWidth));
    VScroll.setMax(vScrollMax(m_model.MapHeight));
    m_inRefresh = false;
    const std::string caption = windowCaption(m_model);
    if (caption != this->caption()) {
        setCaption(caption);
    }
    HScroll.setVisible(hScrollVisible(m_model.MapWidth));
    VScroll.setVisible(vScrollVisible(m_model.MapHeight));
    if (m_canvas.RefreshArea(HScroll.value(), VScroll.value(), ObjtCheck.value() != 0,
                             EminyCheck.value() != 0)) {
        m_viewStale = true;
    }
}

void FormMain::RefreshPoint(int dx, int dy)
{
    m_inRefresh = true;
    HScroll.setMax(hScrollMax(m_model.MapWidth));
    VScroll.setMax(vScrollMax(m_model.MapHeight));
    m_inRefresh = false;
    m_canvas.RefreshPoint(dx, dy);
    m_viewStale = true;
}

void FormMain::scrollChanged(bool fullCopy)
{
    ScrollX = HScroll.value();
    ScrollY = VScroll.value();
    if (fullCopy) {
        copyViewToCanvas(ViewCopySize, ViewCopySize);
    } else {
        copyViewToCanvas(AreaVisivel.width(), AreaVisivel.height());
    }
    // A change that a redraw's new maximum made is drawn by that redraw.
    if (!m_inRefresh) {
        RefreshArea();
    }
}

void FormMain::HScroll_Change()
{
    scrollChanged(false);
}

void FormMain::VScroll_Change()
{
    scrollChanged(true);
}

void FormMain::ToolBar_MouseMove(int /*button*/, int /*shift*/, int x, int y)
{
    ToolMouseX = x;
    ToolMouseY = y;
}

void FormMain::ToolBar_Click()
{
    CurrentTile = paletteTileAt(ToolMouseX, ToolMouseY, CurrentTile);
    const PalettePoint clicked{ToolMouseX, ToolMouseY};
    markCurrentTile(&clicked);
}

void FormMain::markCurrentTile(const PalettePoint* clicked)
{
    if (onPalette(CurrentTile)) {
        const PalettePoint at = clicked != nullptr && onPaletteTile(*clicked, CurrentTile)
                                    ? *clicked
                                    : paletteTileMiddle(CurrentTile);
        Cursor.move(ToolBar.left() + at.x - Cursor.width() / 2, ToolBar.top() + at.y - Cursor.height() / 2);
    }
    showPaletteMarker();
}

void FormMain::showPaletteMarker()
{
    Cursor.setVisible(EditModeIdx == EditMap && onPalette(CurrentTile));
}

Cell FormMain::pointerCell() const
{
    return cellAt(m_pointerX + HScroll.value(), m_pointerY + VScroll.value());
}

void FormMain::AreaVisivel_MouseDown(int button, int /*shift*/, int x, int y)
{
    m_pointerX = x;
    m_pointerY = y;
    if (button == ui::kLeftButton || button == ui::kRightButton) {
        m_bellRung = false;
    }
    if (button == ui::kLeftButton) {
        LeftDown = true;
        m_leftUnseen = true;
        m_lastPainted.reset(); // a new stroke
        m_model.Modified = true;
        if (EditModeIdx == EditObjects) {
            ObjList.setFocus();
        } else if (EditModeIdx == EditEnemies) {
            DollList.setFocus();
        }
    } else if (button == ui::kRightButton) {
        const Cell cell = clampToMap(pointerCell(), m_model);
        CurrentTile = static_cast<int>(vb::hexValue(m_model.Map(cell.x, cell.y).view()));
        markCurrentTile();
        RightDown = true;
        m_rightUnseen = true;
    }
}

void FormMain::AreaVisivel_MouseMove(int /*button*/, int /*shift*/, int x, int y)
{
    m_pointerX = x;
    m_pointerY = y;
    const Cell cell = clampToMap(pointerCell(), m_model);
    ShowBar.setCaption("Position: " + std::to_string(cell.x) + "," + std::to_string(cell.y));
}

void FormMain::AreaVisivel_MouseUp(int button, int /*shift*/, int x, int y)
{
    m_pointerX = x;
    m_pointerY = y;
    // A click quicker than one turn of the edit loop still acts once: the release then comes
    // into force after the next mouse edit.
    if (button == ui::kLeftButton) {
        if (m_leftUnseen) {
            m_leftReleased = true;
        } else {
            LeftDown = false;
        }
    } else if (button == ui::kRightButton) {
        if (m_rightUnseen) {
            m_rightReleased = true;
        } else {
            RightDown = false;
        }
    }
}

void FormMain::CheckMouseEvent()
{
    editByMouse();
    m_leftUnseen = false;
    m_rightUnseen = false;
    if (m_leftReleased) {
        LeftDown = false;
        m_leftReleased = false;
    }
    if (m_rightReleased) {
        RightDown = false;
        m_rightReleased = false;
    }
}

bool FormMain::pointerOnShownCell() const
{
    const int width = AreaVisivel.width();
    const int height = AreaVisivel.height();
    return m_pointerX >= 0 && m_pointerX < width && m_pointerY >= 0 && m_pointerY < height &&
           cellShown(pointerCell(), HScroll.value(), VScroll.value(), width, height);
}

void FormMain::ringBell()
{
    if (!m_bellRung) {
        m_bellRung = true;
        ui::beep();
    }
}

void FormMain::editByMouse()
{
    // A held button dragged off the canvas (over its scroll bars, the palette, the panels) acts
    // only once it is back: no cell out of the author's sight is edited.
    const bool onShownCell = (LeftDown || RightDown) && pointerOnShownCell();
    if (!onShownCell || !LeftDown || EditModeIdx != EditMap) {
        // The stroke is broken: off the canvas, the button up, another mode.
        m_lastPainted.reset();
    }
    if (!onShownCell) {
        return;
    }
    const Cell cell = clampToMap(pointerCell(), m_model);
    const std::string where = cellText(cell);
    const std::string plain = "Position: " + std::to_string(cell.x) + "," + std::to_string(cell.y);
    switch (EditModeIdx) {
    case EditMap: {
        if (LeftDown) {
            paintTo(cell);
        }
        break;
    }
    case EditObjects: {
        if (!LeftDown) {
            break;
        }
        const ObjectPress press = pressObject(m_model.ObjList, ObjtCombo.text(), cell);
        if (press.hadRoom) {
            ObjtNameView.setCaption(plain);
        }
        if (press.added >= 0) {
            ObjList.addItem(m_model.ObjList.at(press.added), press.added);
        }
        for (const int i : press.picked) {
            ObjList.setListIndex(i);
            ObjtCombo.setListIndex(kindOf(m_model.ObjList.at(i)) - 1);
            ringBell();
        }
        LeftDown = false;
        showCounts();
        break;
    }
    case EditEnemies: {
        if (!LeftDown) {
            break;
        }
        const EnemyPress press = pressEnemy(m_model.DollList, DollTeamCombo.text(), DollAnimation.text(),
                                            DollAniState.listIndex(), cell);
        if (press.showCell) {
            DollListView.setCaption(plain);
        }
        if (press.added >= 0) {
            DollList.addItem(m_model.DollList.at(press.added), press.added);
        }
        for (const int i : press.picked) {
            const std::string& item = m_model.DollList.at(i);
            DollList.setListIndex(i);
            DollTeamCombo.setListIndex(kindOf(item) - 1);
            const std::string name = enemyAiName(item);
            for (int a = 0; a < DollAnimation.listCount(); ++a) {
                if (DollAnimation.list(a) == name) {
                    DollAnimation.setListIndex(a);
                    break;
                }
            }
            ringBell();
        }
        showCounts();
        LeftDown = false;
        break;
    }
    case EditTroop:
        if (LeftDown) {
            m_model.TroopPos = TroopPositionPrefix + where;
            showTroop();
            LeftDown = false;
        }
        break;
    case EditAnimation:
        if (LeftDown && m_targets.TaskText2 != nullptr) {
            m_targets.TaskText2->setText(where);
        }
        break;
    case EditConditions: {
        const int condEdit = m_targets.CondEditChoice ? m_targets.CondEditChoice() : 0;
        const std::string ifKind = m_targets.IfCombo != nullptr ? m_targets.IfCombo->text() : std::string();
        const std::string doKind = m_targets.DoCombo != nullptr ? m_targets.DoCombo->text() : std::string();
        applyConditionPick(pickForCondition(m_model, condEdit, ifKind, doKind, LeftDown, cell));
        break;
    }
    case EditAiAnimation:
        if (LeftDown) {
            if (m_targets.TaskAItext2 != nullptr) {
                m_targets.TaskAItext2->setText(where);
            }
            m_model.NeedRedraw = true;
        }
        break;
    default:
        break;
    }
}

void FormMain::paintTo(Cell cell)
{
    const Cell from = m_lastPainted.value_or(cell);
    for (const Cell passed : cellsAlong(from, cell)) {
        // A line that the view's scrolling carried out of sight paints only what is in sight.
        if (cellShown(passed, HScroll.value(), VScroll.value(), AreaVisivel.width(), AreaVisivel.height())) {
            m_model.Map(passed.x, passed.y) = vb::hex(CurrentTile);
            RefreshPoint(passed.x, passed.y);
        }
    }
    m_lastPainted = cell;
}

void FormMain::applyConditionPick(const ConditionPick& pick)
{
    if (pick.enableAddIf && m_targets.AddIf != nullptr) {
        m_targets.AddIf->setEnabled(true);
    }
    if (pick.enableAddDo && m_targets.AddDo != nullptr) {
        m_targets.AddDo->setEnabled(true);
    }
    if (pick.beeps > 0) {
        ringBell();
    }
    ui::TextBox* box = nullptr;
    switch (pick.box) {
    case PickBox::IfText:
        box = m_targets.IfText;
        break;
    case PickBox::IfText2:
        box = m_targets.IfText2;
        break;
    case PickBox::DoText:
        box = m_targets.DoText;
        break;
    case PickBox::DoText2:
        box = m_targets.DoText2;
        break;
    case PickBox::None:
        break;
    }
    if (box != nullptr) {
        box->setText(pick.text);
    }
}

void FormMain::EditMode_Click(int index)
{
    EditModeIdx = index;
    for (ui::Control* panel :
         std::initializer_list<ui::Control*>{&ObjtEditBox, &ToolBar, &Cursor, &DollEditBox, &TroopEditBox,
                                             &AnimationEditBox, &ConditionEditBox, &AnimationAIEditBox}) {
        panel->hide();
    }
    switch (index) {
    case EditMap:
        ToolBar.show();
        showPaletteMarker();
        break;
    case EditObjects:
        ObjtEditBox.show();
        break;
    case EditEnemies:
        DollEditBox.show();
        fillDollAnimation();
        break;
    case EditTroop:
        TroopEditBox.show();
        break;
    case EditAnimation:
        AnimationEditBox.show();
        break;
    case EditConditions:
        ConditionEditBox.show();
        break;
    case EditAiAnimation:
        AnimationAIEditBox.show();
        break;
    default:
        break;
    }
}

void FormMain::fillDollAnimation()
{
    DollAnimation.clear();
    DollAnimation.addItem("None");
    for (int slot = 1; slot <= MaxAnimations; ++slot) {
        if (!m_model.AiAnimName[slot].empty()) {
            DollAnimation.addItem(m_model.AiAnimName[slot]);
        }
    }
    DollAnimation.setListIndex(0);
}

void FormMain::DollList_Click()
{
    ChangeDoll.setEnabled(true);
}

void FormMain::DollList_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == ui::kKeyDelete) {
        KillDoll_Click();
    }
}

void FormMain::ChangeDoll_Click()
{
    ChangeDoll.setEnabled(false);
    showCounts();
}

void FormMain::KillDoll_Click()
{
    const int selected = DollList.listIndex();
    if (selected >= 0 && selected < m_model.DollList.count()) {
        ChangeDoll.setEnabled(false);
        const int next = killEntry(m_model.DollList, selected);
        DollList.removeItem(selected);
        if (next >= 0) {
            DollList.setListIndex(next);
        }
        m_model.Modified = true;
        m_model.NeedRedraw = true;
    }
    showCounts();
}

void FormMain::ObjList_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == ui::kKeyDelete) {
        KillObjt_Click();
    }
}

void FormMain::KillObjt_Click()
{
    const int selected = ObjList.listIndex();
    if (selected >= 0 && selected < m_model.ObjList.count()) {
        const int next = killEntry(m_model.ObjList, selected);
        ObjList.removeItem(selected);
        if (next >= 0) {
            ObjList.setListIndex(next);
        }
        m_model.Modified = true;
        m_model.NeedRedraw = true;
    }
    showCounts();
}

void FormMain::showCounts()
{
    ObjtQuant.setCaption(countText("Number of objects: ", m_model.ObjList.count()));
    DollQuant.setCaption(countText("Number of soldiers: ", m_model.DollList.count()));
}

void FormMain::showTroop()
{
    TroopPos.setCaption(m_model.TroopPos);
}

void FormMain::showModel()
{
    m_fromCode = true;
    ObjList.clear();
    for (int i = 0; i < m_model.ObjList.count(); ++i) {
        ObjList.addItem(m_model.ObjList.at(i), i);
    }
    DollList.clear();
    for (int i = 0; i < m_model.DollList.count(); ++i) {
        DollList.addItem(m_model.DollList.at(i), i);
    }
    showTroop();
    TroopSizeCombo.setListIndex(m_model.TroopSizeCombo);
    TroopTeamCombo.setListIndex(m_model.TroopTeamCombo);
    TroopAlignCombo.setListIndex(m_model.TroopAlignCombo);
    TroopViewCombo.setListIndex(m_model.TroopViewCombo);
    TroopClipNum.setListIndex(m_model.TroopClipNum);
    showCounts();
    if (EditModeIdx == EditEnemies) {
        fillDollAnimation();
    }
    for (ScriptPanel* panel : m_panels) {
        panel->showModel();
    }
    m_canvas.invalidate();
    m_model.NeedRedraw = true;
    m_fromCode = false;
}

void FormMain::Form_Unload(bool& cancel)
{
    if (!m_model.Modified) {
        std::error_code ignored;
        std::filesystem::remove(m_programsFolder + "/mo.cfg", ignored);
        m_running = false;
        return;
    }
    switch (ui::msgBox(UnsavedQuestion, ui::MsgButtons::YesNoCancel, ui::MsgIcon::Question, "Editor")) {
    case ui::MsgAnswer::Yes:
        // The author confirms the name in the save dialog.
        m_model.QuickSave = false;
        if (ShowFormSave) {
            ShowFormSave(m_model.MissionFile);
        }
        cancel = true;
        break;
    case ui::MsgAnswer::No:
        m_running = false;
        break;
    default:
        cancel = true;
        break;
    }
}

void FormMain::HelpButton_Click()
{
    ui::msgBox(HelpMessage, ui::MsgButtons::Ok, ui::MsgIcon::Information, "Editor");
}

void FormMain::ConfigButton_Click()
{
    if (ShowFormConfig) {
        ShowFormConfig();
    }
}

} // namespace plotwright
