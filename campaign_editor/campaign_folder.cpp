#include "campaign_editor/campaign_folder.h"

#include "platform/text/codepage.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace cadrell {

std::string campaignFolder(const std::string& programsFolder)
{
    return programsFolder + "/arquivos/campanha";
}

std::vector<std::string> listFiles(const std::string& folder, std::string_view extension)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(fs::path(folder), error);
    if (error) {
        return names;
    }
    const std::string wanted = platform::text::lowerCase(extension);
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) {
            continue;
        }
        const std::string name = entry.path().filename().string();
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
        names.push_back(stripExtension(file));
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
    return std::nullopt;
}

} // namespace cadrell
