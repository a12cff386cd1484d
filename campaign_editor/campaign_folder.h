#pragma once
// Where the campaign editor finds its files: the campaign folder below the programs' folder,
// the mission files listed there, and the file-name rules of a save.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cadrell {

// The name a campaign has before it is first saved or opened.
inline constexpr std::string_view kNoName = "semnome";

// "<programs>/arquivos/campanha".
std::string campaignFolder(const std::string& programsFolder);

// File names (Windows-1252) in `folder` ending in `extension` (letter case ignored), sorted,
// extension included. A missing folder gives none; a name with letters the code page lacks is left
// out.
std::vector<std::string> listFiles(const std::string& folder, std::string_view extension);

// Mission names (file names less ".cfm") of the mission files in `folder` that a campaign can name.
std::vector<std::string> listMissionNames(const std::string& folder);

// A file name less its last four characters (".cfm", ".cfc").
std::string stripExtension(std::string_view fileName);

// Why a name typed for a save cannot be used, as the message shown; nothing when it can.
std::optional<std::string> fileNameRefusal(std::string_view name);

} // namespace cadrell
