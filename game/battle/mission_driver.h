#pragma once
// The battle screen's mission driver: starts a mission, runs its frames every 30 ms until the
// mission is over, and tells which screen comes next.

#include "game/battle/battle.h"
#include "game/game_state.h"

#include <functional>
#include <string>

namespace tolvar::battle {

// What the driver needs from the window and the sound; every hook may be left empty.
struct DriverHooks
{
    // Shows the battle window at its size and updates the window fields of the battle state.
    std::function<void()> showWindow;
    // Lets the window process its pending events (called while waiting for each frame).
    std::function<void()> pumpEvents;
    // True once the program is to end (the window was closed); the key "E" ends it through
    // `EndProgram` as well.
    std::function<bool()> programEnding;
    // Reads the settings file, or writes it with the defaults, and picks a random track when the
    // settings ask for one.
    std::function<void()> prepareSettings;
    // Replaces the music by music track n (1..10).
    std::function<void(int track)> loadTrack;
    // Stops the music, keeping its position.
    std::function<void()> pauseMusic;
    // One battle frame; MainLoop when empty.
    std::function<void()> frame;
};

// Where the battle screen hands over, with the message to show when the mission could not be
// loaded.
struct Handover
{
    Screen next = Screen::Briefing;
    std::string message;
};

// Plays one mission: resets the battle, updates kill tallies and ranks, loads the mission
// `MissionName`(`CurrentMission`), reads the settings, loads the music track and runs the paced
// frame loop until `MissionOver`. Then the briefing screen follows while `InGame` (the next
// mission after a win, the same one after a defeat), the title screen after quitting.
Handover MainDo(Battle& battle, const DriverHooks& hooks, bool seedRandom = true);

// The paced loop: a frame starts at the earliest 30 ms after the start of the previous one; a
// frame that took longer is followed at once. Runs until `MissionOver`; false when the program
// is to end.
bool runFrames(Battle& battle, const DriverHooks& hooks);

} // namespace tolvar::battle
