#pragma once
// The mission file (*.cfm): the tagged text file that the editor writes and reads and the game
// plays. Every line ends with CR LF.

#include "mission_editor/files/mission_model.h"

#include "platform/text/text_file.h"

#include <string>
#include <string_view>

namespace plotwright {

// The texts of a mission (its name, author and brief, the lines of its animations and conditions)
// are written between double quotes with nothing escaped, so a double quote inside one would cut
// it short when the file is read. The editor refuses it where the text is typed.
inline constexpr const char* QuoteInTextMessage = "Don't put \" in the texts";
bool fitsQuotedText(std::string_view text);

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
