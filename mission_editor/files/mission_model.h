#pragma once
// The one mission the editor works on: its header, map, objects, enemies, troop, scripted
// animations, AI animations, conditions and brief, together with the contents of the main
// window's lists and troop controls and the flags by which the dialogs hand work to each other.
// The forms mirror the lists into real controls; every procedure reads and writes the fields
// directly. Index 0 of every table exists and is never part of the mission.

#include "mission_editor/files/grid.h"
#include "mission_editor/files/item_list.h"
#include "mission_editor/files/tile_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace plotwright {

inline constexpr int MinMapSize = 25;
inline constexpr int MaxMapSize = 50;
inline constexpr int MapColumns = 100; // the map table is larger than any map: 1 .. 100
inline constexpr int MaxObjects = 50;
inline constexpr int MaxEnemies = 50;
inline constexpr int MaxAnimations = 40;  // scripted animations, and AI animations
inline constexpr int MaxTaskLines = 50;   // lines of one animation
inline constexpr int MaxConditions = 100; // condition numbers 1 .. 100
inline constexpr int MaxConditionLines = 10;
inline constexpr int MaxBriefLength = 200;

inline constexpr const char* UntitledName = "Untitled";
inline constexpr const char* NoTroopPosition = "Click on the map";
inline constexpr const char* TroopPositionPrefix = "Position: ";

class MissionModel
{
public:
    // A new 25 x 25 mission of tile 01, nothing placed, named and titled "Untitled".
    MissionModel();

    // Empties the scripts (names and lines of animations and AI animations, condition lines),
    // sets every run-once flag to 1 and empties every list of the main window; header, map,
    // troop controls and brief stay.
    void clearScriptsAndLists();

    // Makes the current header into a new mission: map of tile 01, troop not placed, no
    // objects, enemies, scripts or conditions, file name "Untitled", no unsaved changes.
    void resetForNewMission();

    // Stores the lines shown in TaskList / TaskAIList back into the current animation's slot:
    // lines 1 .. n, and the line after them emptied when fewer than 50.
    void storeTaskList();
    void storeTaskAIList();

    bool operator==(const MissionModel&) const = default;

    // Header.
    std::string MissionTitle = UntitledName;
    std::string MissionAuthor;
    int MapWidth = MinMapSize;
    int MapHeight = MinMapSize;
    // Tile code of cell (x, y), x and y 1 .. 100; cells outside the map size keep theirs.
    Grid<TileText> Map{MapColumns + 1, MapColumns + 1};
    std::string MissionBrief;
    std::string MissionFile = UntitledName; // file name without ".cfm"

    // Scripted animations and AI animations: names in slots 1 .. 40 (empty: free slot),
    // lines 1 .. 50 of each slot (the first empty line ends the animation).
    std::vector<std::string> AnimName = std::vector<std::string>(MaxAnimations + 1);
    Grid<std::string> AnimTask{MaxAnimations + 1, MaxTaskLines + 1};
    std::vector<std::string> AiAnimName = std::vector<std::string>(MaxAnimations + 1);
    Grid<std::string> AiAnimTask{MaxAnimations + 1, MaxTaskLines + 1};

    // Conditions by number 1 .. 100: If and Do lines 1 .. 10, run-once flag (1 once, 0 always).
    Grid<std::string> CondIf{MaxConditions + 1, MaxConditionLines + 1};
    Grid<std::string> CondDo{MaxConditions + 1, MaxConditionLines + 1};
    std::vector<int> CondOnce = std::vector<int>(MaxConditions + 1, 1);

    // Slots whose lines TaskList and TaskAIList show (0: none).
    int CurAnim = 0;
    int CurAiAnim = 0;

    // The main window's lists.
    ItemList ObjList{ItemList::Order::Sorted};        // ObjectItems "TT,XX,YY"
    ItemList DollList{ItemList::Order::Added};        // EnemyItems "TT,XX,YY,Name,S"
    ItemList AnimationList{ItemList::Order::Added};   // animation names as added
    ItemList AnimationAIList{ItemList::Order::Added}; // AI animation names as added
    ItemList CondNameList{ItemList::Order::Sorted};   // "Cond NNN", so in number order
    ItemList TaskList{ItemList::Order::Sorted};       // lines of animation CurAnim
    ItemList TaskAIList{ItemList::Order::Sorted};     // lines of AI animation CurAiAnim
    ItemList IfList{ItemList::Order::Sorted};         // If lines of the condition being edited
    ItemList DoList{ItemList::Order::Sorted};         // its Do lines

    // The troop: TroopPos's caption ("Position: XX,YY" or "Click on the map") and the
    // selected positions (from 0) of the troop combo boxes.
    std::string TroopPos = NoTroopPosition;
    int TroopSizeCombo = 3;  // "4 Soldiers"
    int TroopTeamCombo = 0;  // "01 - Green"
    int TroopAlignCombo = 0; // "01 - Align troop by leader's east"
    int TroopViewCombo = 0;  // "01 - Leader start look to east"
    int TroopClipNum = 1;    // "1 Clip / Soldier"

    // Workflow flags shared by the main window and the dialogs.
    bool Modified = false;
    bool NeedRedraw = true;
    bool QuickSave = false;
    bool OpenAfterSave = false;
    bool NewPending = false;
    bool OpenPending = false; // the open dialog is up, shown by the Open command

    // A dialog is up that is to replace the mission: a new one waiting for its settings, the open
    // dialog, or the save that comes before either. Meanwhile the main window takes no edits,
    // which the new or opened mission would wipe unasked.
    bool replacementPending() const { return NewPending || OpenAfterSave || OpenPending; }

private:
    void fillMap();
};

// Number NNN (1 .. 100) of a condition name "Cond NNN"; 0 for a name of any other form.
int conditionNumber(std::string_view name);

// Name of condition n: "Cond " and n with three digits.
std::string conditionName(int number);

} // namespace plotwright
