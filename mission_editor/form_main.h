#pragma once
// The mission editor's main window: the map canvas with its scroll bars and tile palette, the
// command row, the edit-mode and show boxes, and the six panels that stand in the palette's place
// (objects, enemies, troop, and the frames that the scripting panels fill). Its load gives the
// mission its start values and lays the window out; the edit loop then applies the mouse to the
// map, lets the window's events run and redraws the visible map, turn after turn, until the
// window is closed.
//
// The dialogs and the scripting panels work on the same MissionModel, passed by reference. The
// file commands hang on the command buttons' onClick; the settings and save dialogs are shown
// through the ShowFormConfig and ShowFormSave hooks.

#include "mission_editor/edit_loop_pacing.h"
#include "mission_editor/files/mission_model.h"
#include "mission_editor/map_canvas.h"
#include "mission_editor/mouse_editing.h"
#include "mission_editor/script_panel.h"

#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/ui/frame.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_group.h"
#include "platform/ui/picture_box.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/shape.h"
#include "platform/ui/text_box.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plotwright {

namespace ui = platform::ui;

inline constexpr const char* ResolutionMessage = "This program need a resolution of 800 X 600.\r"
                                                 "You can use the program normally but the screen\r"
                                                 "will be cutted.";
inline constexpr const char* UnsavedQuestion = "The mission wasn't saved. Save now?";
inline constexpr const char* HelpMessage = "Run the shortcut 'Game Help' in the Tolvar folder or\r"
                                           "open it in the '<Tolvar Dir>\\arquivos\\help\\help.htm'";

class FormMain : public ui::Form
{
public:
    // `programsFolder` holds the program and its data folder "arquivos".
    FormMain(MissionModel& model, std::string programsFolder);
    ~FormMain() override;

    MissionModel& model() { return m_model; }
    const std::string& programsFolder() const { return m_programsFolder; }

    // Registers a scripting panel; before Form_Load.
    void addPanel(ScriptPanel& panel) { m_panels.push_back(&panel); }
    // The panel boxes that map clicks fill (filled by the panels at load).
    const PositionTargets& positionTargets() const { return m_targets; }

    // Start-up: the mission's start values, the layout, the code-table lists and the palette.
    // False when a picture the window needs cannot be loaded (after a message naming it); the
    // program then stops.
    bool Form_Load();
    // Shows the window and draws the first view.
    void Init();
    // One turn of the edit loop: the mouse edit, the pending events, the redraw.
    void turn();
    // How the turns are paced (tests give a clock and an event wait of their own).
    void setPacing(const EditLoopPacing& pacing) { m_pacing = pacing; }
    // Form_Load, then the edit loop until the window is closed. The program's exit code.
    int run();
    // True until the window's close ends the program.
    bool running() const { return m_running; }

    // Shows the model's objects, enemies and troop in the controls again, and has the panels show
    // theirs (after a mission was opened or a new one made).
    void showModel();

    // Canvas.
    void RefreshArea();
    void RefreshPoint(int dx, int dy);
    void ShowView();
    MapCanvas& canvas() { return m_canvas; }

    // Event procedures.
    void Form_Unload(bool& cancel);
    void HelpButton_Click();
    void ConfigButton_Click();
    void HScroll_Change();
    void VScroll_Change();
    void ToolBar_MouseMove(int button, int shift, int x, int y);
    void ToolBar_Click();
    void AreaVisivel_MouseDown(int button, int shift, int x, int y);
    void AreaVisivel_MouseMove(int button, int shift, int x, int y);
    void AreaVisivel_MouseUp(int button, int shift, int x, int y);
    void CheckMouseEvent();
    void EditMode_Click(int index);
    void DollList_Click();
    void DollList_KeyDown(int keyCode, int shift);
    void ChangeDoll_Click();
    void KillDoll_Click();
    void ObjList_KeyDown(int keyCode, int shift);
    void KillObjt_Click();

    // Hooks of the dialogs: the settings dialog, and the save dialog with the name for its box.
    std::function<void()> ShowFormConfig;
    std::function<void(const std::string& fileName)> ShowFormSave;
    // The screen's width in pixels (the primary screen's unless a test sets another).
    std::function<int()> ScreenWidth;

    // Form-level fields.
    int ScrollX = 0;
    int ScrollY = 0;
    int CurrentTile = 1;
    int ToolMouseX = 0;
    int ToolMouseY = 0;
    bool LeftDown = false;
    bool RightDown = false;
    int EditModeIdx = 0;
    bool InitDone = false;

    // The canvas, its scroll bars and the palette.
    ui::PictureBox AreaVisivel;
    ui::VScrollBar VScroll;
    ui::HScrollBar HScroll;
    ui::Image ToolBar;

    // Command row.
    ui::CommandButton NewButton;
    ui::CommandButton LoadButton;
    ui::CommandButton ConfigButton;
    ui::CommandButton SaveAsButton;
    ui::CommandButton SaveButton;

    // The edit box: edit modes, the show boxes, version, help and the status labels.
    ui::Frame GreatBox;
    ui::Frame EditBox;
    ui::OptionGroup EditMode;
    ui::Frame ViewerBox;
    ui::CheckBox EminyCheck;
    ui::CheckBox ObjtCheck;
    ui::Label Version;
    ui::CommandButton HelpButton;
    ui::Label InfoBar;
    ui::Label ShowBar;

    // The six panels in the palette's place.
    ui::Frame ObjtEditBox;
    ui::Label ObjtComboLabel;
    ui::ComboBox ObjtCombo;
    ui::ListBox ObjList;
    ui::CommandButton KillObjt;
    ui::Label ObjtNameView;
    ui::Label ObjtQuant;

    ui::Frame DollEditBox;
    ui::Label DollTeamLabel;
    ui::ComboBox DollTeamCombo;
    ui::Label DollAnimationLabel;
    ui::ComboBox DollAnimation;
    ui::Label DollAniStateLabel;
    ui::ComboBox DollAniState;
    ui::ListBox DollList;
    ui::CommandButton KillDoll;
    ui::CommandButton ChangeDoll;
    ui::Label DollListView;
    ui::Label DollQuant;

    ui::Frame TroopEditBox;
    ui::Label TroopPos;
    ui::Label TroopSizeLabel;
    ui::ComboBox TroopSizeCombo;
    ui::Label TroopTeamLabel;
    ui::ComboBox TroopTeamCombo;
    ui::Label TroopClipLabel;
    ui::ComboBox TroopClipNum;
    ui::Label TroopAlignLabel;
    ui::ComboBox TroopAlignCombo;
    ui::Label TroopViewLabel;
    ui::ComboBox TroopViewCombo;

    ui::Frame AnimationEditBox;
    ui::Frame AnimationAIEditBox;
    ui::Frame ConditionEditBox;

    // The mark of the picked tile on the palette; in front of it.
    ui::Shape Cursor;

private:
    void layOut();
    void connectEvents();
    void fillCodeLists();
    bool loadPictures();
    void showCounts();
    void showTroop();
    void fillDollAnimation();
    void copyViewToCanvas(int width, int height);
    void scrollChanged(bool fullCopy);
    // Cell under the pointer's last known place on the canvas, in Quadro's cells (not clamped).
    Cell pointerCell() const;
    void editByMouse();
    // Paints every shown cell from the one painted last turn up to `cell`.
    void paintTo(Cell cell);
    // True while the pointer lies on the canvas over a cell whose tile the canvas shows.
    bool pointerOnShownCell() const;
    // The bell of a press on the map: however often a held button repeats its action, it
    // rings once for the press.
    void ringBell();
    // Puts the palette's marker on CurrentTile, the tile that the left button paints: centred on
    // the palette point `clicked` when that point lies on the tile, else on the tile's middle.
    void markCurrentTile(const PalettePoint* clicked = nullptr);
    // The marker is seen with the palette, while the current tile has a place on it.
    void showPaletteMarker();
    void applyConditionPick(const ConditionPick& pick);
    void troopComboChosen(ui::ComboBox& combo, int& field);

    MissionModel& m_model;
    std::string m_programsFolder;
    MapCanvas m_canvas;
    std::vector<ScriptPanel*> m_panels;
    PositionTargets m_targets;
    int m_pointerX = 0; // last pointer position over the canvas, in its pixels
    int m_pointerY = 0;
    int m_viewX = -1; // Quadro position of the canvas's last copy (-1: none yet)
    int m_viewY = -1;
    bool m_viewStale = true;
    bool m_inRefresh = false;
    bool m_leftUnseen = false; // a press that no mouse edit has seen yet
    bool m_rightUnseen = false;
    bool m_leftReleased = false; // its release, to take effect after that edit
    bool m_rightReleased = false;
    bool m_bellRung = false;           // the press being held has rung the bell
    std::optional<Cell> m_lastPainted; // the cell a held left button painted last turn
    EditLoopPacing m_pacing;
    bool m_fromCode = false; // controls are being set from the model, not by the user
    bool m_running = true;
};

} // namespace plotwright
