#pragma once
// Where the mission editor keeps its files: below the programs' folder (the folder of the
// running executable, or another one given by a test).

#include "platform/text/file_names.h"

#include <optional>
#include <string>

namespace plotwright {

// The folder of the mission files, "<programs>/arquivos/campanha".
inline std::string missionsFolder(const std::string& programsFolder)
{
    return programsFolder + "/arquivos/campanha";
}

// The mission file of a name given without extension, as the missions folder holds it (in any
// letter case); nothing when the name cannot be a file of that folder.
inline std::optional<std::string> missionPath(const std::string& programsFolder, const std::string& name)
{
    return platform::text::pathInFolder(missionsFolder(programsFolder), name + ".cfm");
}

// The marker file that the open dialog leaves in the programs' folder.
inline std::string openMarkerPath(const std::string& programsFolder)
{
    return programsFolder + "/mo.cfg";
}

} // namespace plotwright
