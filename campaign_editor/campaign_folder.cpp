#include "campaign_editor/campaign_folder.h"

#include "campaign_editor/campaign_file.h"

#include "platform/text/codepage.h"
#include "platform/text/file_names.h"

#include <algorithm>

namespace cadrell {

std::string campaignFolder(const std::string& programsFolder)
{
    return programsFolder + "/arquivos/campanha";
}

std::vector<std::string> listFiles(const std::string& folder, std::string_view extension)
{
    std::vector<std::string> names;
    const std::string wanted = platform::text::lowerCase(extension);
    for (const platform::text::FolderFile& file : platform::text::listFolder(folder)) {
        // A name with letters the code page lacks cannot be named by a campaign or typed in a box.
        if (!file.name) {
            continue;
        }
        const std::string& name = *file.name;
        if (name.size() < wanted.size() ||
            platform::text::lowerCase(name.substr(name.size() - wanted.size())) != wanted) {
            continue;
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int order = platform::text::compareNoCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

std::vector<std::string> listMissionNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const std::string& file : listFiles(folder, ".cfm")) {
        std::string name = stripExtension(file);
        if (campaignCanName(name)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

std::string stripExtension(std::string_view fileName)
{
    return std::string(fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0));
}

std::optional<std::string> fileNameRefusal(std::string_view name)
{
    if (name.empty()) {
        return "I will need a file name.";
    }
    for (char c : name) {
        if (c == '.') {
            return "Don't put extensions in the file name";
        }
        if (std::string_view("\\/:*?<>|\"").find(c) != std::string_view::npos) {
            return "\\ / : * ? < > | are invalid caracters.";
        }
    }
    if (!platform::text::isPlainFileName(name)) {
        return "\\ / : * ? < > | are invalid caracters."; // a control character
    }
    return std::nullopt;
}

} // namespace cadrell
