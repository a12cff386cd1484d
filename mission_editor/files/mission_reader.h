#pragma once
// Reading a mission file back into the editor's model, and the header preview of the open dialog.

#include "mission_editor/files/mission_model.h"

#include <optional>
#include <string>
#include <string_view>

namespace plotwright {

inline constexpr const char* CorruptedMissionMessage = "This file is corrupted or it isn't a mission.";

// The open dialog's preview labels of a file's header: t1 "Nome: " + title, t4 "Autor: " +
// author, t2 "Largura: " + width, t3 "Altura: " + height, with the double quote at each end of a
// line shown as a blank. A short file gives fewer texts; the labels without one keep theirs.
struct MissionPreview
{
    std::optional<std::string> t1;
    std::optional<std::string> t4;
    std::optional<std::string> t2;
    std::optional<std::string> t3;
};

MissionPreview previewMission(std::string_view bytes);
// The preview of the file at `path`; nothing when the file cannot be read.
std::optional<MissionPreview> previewMissionFile(const std::string& path);

// Reads the bytes of a mission file into a copy of `current` whose scripts, lists and brief were
// emptied first; what the file does not hold (the map cells outside its size, and the troop when
// the file ends after the objects) stays as in `current`. `missionFile` becomes the copy's
// MissionFile. Gives nothing when the bytes are not a mission: empty or cut short, lines after
// "<Fim>", a map size outside 25 .. 50, a troop code outside its table, more animations,
// animation lines, conditions or condition lines than the model holds, an empty animation
// name, or a condition header other than "<Cond NNN>" with NNN 1 .. 100 used once.
std::optional<MissionModel> readMission(std::string_view bytes, const MissionModel& current,
                                        const std::string& missionFile);

// The mission's name of a mission file's name: the name less its last four characters (".cfm").
std::string missionNameOfFile(const std::string& fileName);

struct OpenResult
{
    bool ok = false;
    std::string message; // for the message box when not ok
};

// Opens the mission file at `path` into `model`. On success the model is replaced, MissionFile is
// `missionFile`, NeedRedraw is set and Modified cleared; the form then selects the first
// animation, AI animation and condition. A file that is not a mission leaves the whole model as
// it was and gives CorruptedMissionMessage; a file that cannot be read (gone since it was listed)
// leaves it too and says so.
OpenResult openMission(MissionModel& model, const std::string& path, const std::string& missionFile);

} // namespace plotwright
