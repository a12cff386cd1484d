#pragma once
// The player's settings file arquivos/config.cfg: four lines, each ended by CR LF,
//   Rnd=True        the random track switch   (RandomTrack)
//   Track=3         the music track minus 1   (CurrentTrack - 1; -1 when no track)
//   Som=True        sound effects on          (SoundOn)
//   Música=False    music on                  (MusicOn; the "ú" is the Windows-1252 byte 0xFA)

#include "game/game_state.h"
#include "platform/text/text_file.h"

#include <string>

namespace tolvar {

// Where the settings file lives (an existing file whose name differs only in letter case counts).
std::string settingsPath(const GameState& state);

// The bytes of the settings file for the current values.
std::string settingsText(const GameState& state);

// Reads the settings file into the state when it exists; true when it was read. A file with fewer
// than four items gives the missing settings their defaults; a track number outside 0..10 gives
// a random available track. A missing file leaves the settings as they are, and so does any file
// while the last write failed: the settings in memory are then newer than the file.
bool readSettings(GameState& state);

// Takes the settings from the bytes of a settings file, as readSettings does.
void applySettingsText(GameState& state, std::string bytes);

// Writes the current settings to the file, replacing it only once the new file is complete. The
// settings in memory stay as they are whatever the outcome; a failed write is remembered so that
// no later read puts the old file's values back over them, until a write succeeds.
platform::text::WriteResult writeSettings(GameState& state);

// The defaults: random track, sound and music on, a random available track.
void setDefaultSettings(GameState& state);

// The random available track: one of the tracks whose `TrackAvail` entry is "on", each equally
// likely; 0 when none is.
void pickRandomTrack(GameState& state);

// The settings at a mission start: the file is read, or created with the defaults when it does not
// exist (or written again with the settings in memory when the last write failed); then a random
// available track is picked when `RandomTrack` is on (the file keeps the value it holds).
void loadMissionSettings(GameState& state);

} // namespace tolvar
