#pragma once
// The codes a mission file holds and the list texts under which the editor offers them. The code
// of an entry is the first two characters of its text (one character for clips and start states).
// The editor's combo boxes are filled from these tables in this order, and the list position of
// an entry is its code minus 1 (for clips and start states: the code itself).

#include <array>
#include <string>
#include <string_view>

namespace plotwright {

// ObjtCombo.
inline constexpr std::array<std::string_view, 4> ObjectKindTexts = {
    "01 - Barrel",
    "02 - Mine",
    "03 - Suitcase",
    "04 - Crate",
};

// TroopTeamCombo and DollTeamCombo.
inline constexpr std::array<std::string_view, 5> TeamTexts = {
    "01 - Green", "02 - Blue", "03 - Elite", "04 - Gray", "05 - Hooded",
};

// TroopAlignCombo: the formation's alignment.
inline constexpr std::array<std::string_view, 8> AlignTexts = {
    "01 - Align troop by leader's east",  "02 - Align troop by leader's north-east",
    "03 - Align troop by leader's north", "04 - Align troop by leader's north-west",
    "05 - Align troop by leader's west",  "06 - Align troop by leader's south-east",
    "07 - Align troop by leader's south", "08 - Align troop by leader's south-west",
};

// TroopViewCombo: the leader's start view.
inline constexpr std::array<std::string_view, 8> ViewTexts = {
    "01 - Leader start look to east",  "02 - Leader start look to north-easr",
    "03 - Leader start look to north", "04 - Leader start look to north-west",
    "05 - Leader start look to west",  "06 - Leader start look to south-east",
    "07 - Leader start look to south", "08 - Leader start look to south-west",
};

// TroopSizeCombo: "1 Soldier", "2 Soldiers" .. "10 Soldiers".
inline constexpr std::array<std::string_view, 10> TroopSizeTexts = {
    "1 Soldier",  "2 Soldiers", "3 Soldiers", "4 Soldiers", "5 Soldiers",
    "6 Soldiers", "7 Soldiers", "8 Soldiers", "9 Soldiers", "10 Soldiers",
};

// TroopClipNum: `ClipCount`, the code is the first character ("0" .. "7").
inline constexpr std::array<std::string_view, 8> ClipTexts = {
    "0 Clip / Soldier",  "1 Clip / Soldier",  "2 Clips / Soldier", "3 Clips / Soldier",
    "4 Clips / Soldier", "5 Clips / Soldier", "6 Clips / Soldier", "7 Clips / Soldier",
};

// DollAniState: `StartState`, the code is the entry's position ("0" or "1").
inline constexpr std::array<std::string_view, 2> StartStateTexts = {
    "Start at the beggining",
    "Wait trigger to start",
};

// TaskCombo: kinds of the scripted animations' task lines.
inline constexpr std::array<std::string_view, 9> TaskKindTexts = {
    "01 - Walk to...",  "02 - Fire to...",    "03 - Look to...",   "04 - Leader message...",
    "05 - Message...",  "06 - Cause victory", "07 - Cause defeat", "08 - Give control to player",
    "09 - Stop firing",
};

// TaskAICombo: kinds of the AI animations' task lines.
inline constexpr std::array<std::string_view, 10> AiTaskKindTexts = {
    "01 - Walk to...",
    "02 - Fire to...",
    "03 - Look to...",
    "04 - Soldier message...",
    "05 - The troop is near - FIRE",
    "06 - Cause victory",
    "07 - Cause defeat",
    "08 - Stop this animation",
    "09 - Stop firing",
    "10 - The troop is near - DO NOT FIRE",
};

// IfCombo: what a condition tests.
inline constexpr std::array<std::string_view, 8> IfKindTexts = {
    "01 - the troop is less than...",
    "02 - the leader stepped on...",
    "03 - the animation 'X' ended...",
    "04 - the object 'X' don't exist more...",
    "05 - the enemiy 'X' died...",
    "06 - the number of enemies is less than...",
    "07 - the leader touch on ojbject 'X'...",
    "08 - the enemiy 'X' stepped on...",
};

// DoCombo: what a condition does.
inline constexpr std::array<std::string_view, 11> DoKindTexts = {
    "01 - leader message...",
    "02 - message...",
    "03 - cause victory",
    "04 - cause defeat",
    "05 - Start animation...",
    "06 - Stop animation...",
    "07 - Kill leader",
    "08 - Destroy object",
    "09 - Start enemy AI animation",
    "10 - Stop enemy AI animation",
    "11 - Change enemy AI animation",
};

// Entries selected when the editor starts (-1: none).
struct StartSelection
{
    static constexpr int ObjtCombo = 0;
    static constexpr int TroopTeamCombo = 0;
    static constexpr int DollTeamCombo = 3;
    static constexpr int TroopAlignCombo = 0;
    static constexpr int TroopViewCombo = 0;
    static constexpr int TroopSizeCombo = 3;
    static constexpr int TroopClipNum = 1;
    static constexpr int DollAniState = 0;
    static constexpr int TaskCombo = 0;
    static constexpr int TaskAICombo = 0;
    static constexpr int IfCombo = -1;
    static constexpr int DoCombo = -1;
};

// Number of palette tiles; a map cell holds one of 1 .. TileCount.
inline constexpr int TileCount = 110;

// `TileCode` of a tile number: two upper-case hexadecimal digits ("01" .. "6E"; "00" for none).
std::string tileCode(int tile);

// The code that a list text stands for: its first `width` characters (fewer when it is shorter).
std::string codeOf(std::string_view listText, int width = 2);

// The list text at a position of a table, or the empty text when the position is outside it
// (a combo box with nothing selected).
template <std::size_t N> std::string_view entryAt(const std::array<std::string_view, N>& table, int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= N) {
        return {};
    }
    return table[static_cast<std::size_t>(position)];
}

} // namespace plotwright
