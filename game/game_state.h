#pragma once
// The game-wide state of Tolvar: the campaign in play, the player's settings, the battle view size
// and the screen the program is on. One object lives for the whole run and is passed by reference
// to every screen and procedure that uses it.
//
// Sound effects and music go through tolvar::SoundBank (sound_bank.h), which reads `SoundOn`
// from this state and fills `TrackAvail` and `NoMusic`; the settings file is settings_file.h.

#include "platform/clock/random.h"

#include <array>
#include <string>
#include <vector>

namespace tolvar {

// Capacities of the campaign state: missions 1..1000, roster rows 1..5000.
inline constexpr int MaxMissions = 1000;
inline constexpr int MaxNames = 5000;
// Music tracks 1..10.
inline constexpr int TrackCount = 10;

// The screens of the game; the main loop runs the driver of the current one until it hands over.
enum class Screen { Title, Briefing, Battle, Quit };

// Columns of a roster row.
inline constexpr int RosterName = 1;  // the soldier's name; empty = fallen
inline constexpr int RosterKills = 2; // kill tally as decimal text; empty counts as 0

struct GameState
{
    GameState();

    // The programs' folder (the folder of the running executable; tests point it at a temp folder).
    std::string programFolder;

    // Campaign state.
    // Mission file names without ".cfm", in play order from index 1; the first empty entry after
    // them ends the campaign; index 0 stays empty. Indexes 0..MaxMissions.
    std::vector<std::string> MissionName;
    // Rows 0..MaxNames, columns 0..2 (`RosterName`, `RosterKills`); row 0 and column 0 stay empty.
    std::vector<std::array<std::string, 3>> Roster;
    int NameCount = 0;      // roster rows in use: 1..NameCount
    int CurrentMission = 0; // 1-based index into MissionName of the mission briefed or played
    bool InGame = false;    // a mission is being played; False after the in-game menu's QUIT
    bool CampaignOver = false;
    bool MissionOver = false; // ends the battle loop
    bool MissionWon = false;
    std::string CampAuthor; // author line of the chosen campaign file
    // Set by a campaign start: the battle still holds the kills of the last mission played, which
    // belong to an earlier campaign; the next mission start drops them instead of crediting them.
    bool NewCampaign = false;

    // Settings (kept in arquivos/config.cfg).
    bool RandomTrack = false; // pick a random available track at every mission start
    int CurrentTrack = 0;     // music track 1..10; 0 = no track available
    bool SoundOn = false;     // sound effects are played
    bool MusicOn = false;     // music is played
    // "on" or "off" for tracks 1..10 (index 0 stays empty); filled when the sound bank loads.
    std::array<std::string, TrackCount + 1> TrackAvail;
    bool NoMusic = false; // no track file exists
    // The last write of the settings file failed: the settings in memory are the player's own and
    // are kept, whatever the file holds or whether it exists, until a write succeeds.
    bool settingsUnsaved = false;

    // The part of the map shown in the battle window, in map pixels, and the logical screen size
    // to which mouse positions are scaled.
    int ViewWidth = 320;
    int ViewHeight = 240;
    int LogicalWidth = 320;
    int LogicalHeight = 240;

    // The screen state machine.
    Screen screen = Screen::Title;

    // The program's random numbers.
    platform::clock::Random random;

    // Empties every mission name and every roster cell, and sets NameCount to 0; a campaign
    // start calls it before filling the campaign state, so nothing of an earlier one is left.
    void clearCampaign();

    // A path below the programs' folder: dataPath("arquivos/config.cfg").
    std::string dataPath(const std::string& relative) const;
};

} // namespace tolvar
