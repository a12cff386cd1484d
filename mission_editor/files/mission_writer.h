#pragma once
// The mission file (*.cfm): the tagged text file that the editor writes and reads and the game
// plays. Every line ends with CR LF.

#include "mission_editor/files/mission_model.h"

#include "platform/text/text_file.h"

#include <string>

namespace plotwright {

// The bytes of the mission file for the model as it stands. A troop that was not placed is
// written at cell 01,01. Line breaks inside a text are written as blanks, so that every text
// stays on its own line and the file can be read back.
std::string missionFileBytes(const MissionModel& model);

// Saves the mission to `path`: stores the lines shown in TaskList and TaskAIList into their
// animations, sets the troop caption to "Position: 01,01" when no position was placed, then
// writes the file whole through a temporary file, so that a failed write leaves the previous
// file as it was. The file name and the unsaved-changes flag are the caller's to update.
platform::text::WriteResult saveMission(MissionModel& model, const std::string& path);

} // namespace plotwright
