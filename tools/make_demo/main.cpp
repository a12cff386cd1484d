// make_demo <folder>: writes the demo campaign's missions (*.cfm) and its campaign file (*.cfc)
// into <folder>, the same bytes on every run. Each file is read back with the editors' own
// readers first and must give the same bytes when written again, so the editors open them as
// they are.
//
// make_demo --preview <map.bmp> <folder>: writes a PNG picture of every mission's map into
// <folder> instead, for looking the maps over.

#include "tools/make_demo/demo_missions.h"
#include "tools/make_demo/map_preview.h"

#include "campaign_editor/campaign_file.h"
#include "mission_editor/files/mission_reader.h"
#include "mission_editor/files/mission_writer.h"
#include "platform/text/text_file.h"

#include <QGuiApplication>
#include <QImage>

#include <exception>
#include <iostream>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::string& bytes)
{
    const platform::text::WriteResult result = platform::text::writeFileAtomic(path, bytes);
    if (!result.ok) {
        std::cerr << "make_demo: cannot write " << path << ": " << result.error << "\n";
    }
    return result.ok;
}

// The mission's bytes, once the mission editor's reader has taken them back unchanged.
bool missionBytes(make_demo::MissionBuilder& mission, std::string& bytes)
{
    const plotwright::MissionModel model = mission.model();
    bytes = plotwright::missionFileBytes(model);
    const auto reread = plotwright::readMission(bytes, plotwright::MissionModel(), mission.file());
    if (!reread || plotwright::missionFileBytes(*reread) != bytes) {
        std::cerr << "make_demo: the mission editor does not read " << mission.file() << " back as written\n";
        return false;
    }
    return true;
}

int writeDemo(const std::string& folder)
{
    std::vector<make_demo::MissionBuilder> missions = make_demo::demoMissions();
    for (make_demo::MissionBuilder& mission : missions) {
        std::string bytes;
        if (!missionBytes(mission, bytes) || !writeFile(folder + "/" + mission.file() + ".cfm", bytes)) {
            return 1;
        }
    }
    const cadrell::CampaignRecord campaign = make_demo::demoCampaign(missions);
    const std::string bytes = cadrell::writeCampaign(campaign);
    cadrell::CampaignRecord reread;
    cadrell::readCampaign(bytes, reread);
    if (cadrell::writeCampaign(reread) != bytes) {
        std::cerr << "make_demo: the campaign editor does not read the campaign back as written\n";
        return 1;
    }
    return writeFile(folder + "/" + make_demo::CampaignFile + ".cfc", bytes) ? 0 : 1;
}

int writePreviews(const std::string& sheetPath, const std::string& folder)
{
    const QImage sheet(QString::fromStdString(sheetPath));
    if (sheet.isNull()) {
        std::cerr << "make_demo: cannot read the tile sheet " << sheetPath << "\n";
        return 1;
    }
    for (make_demo::MissionBuilder& mission : make_demo::demoMissions()) {
        const std::string path = folder + "/" + mission.file() + ".png";
        if (!make_demo::missionPreview(mission.model(), sheet).save(QString::fromStdString(path))) {
            std::cerr << "make_demo: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2) {
            return writeDemo(argv[1]);
        }
        if (argc == 4 && std::string(argv[1]) == "--preview") {
            QGuiApplication app(argc, argv);
            return writePreviews(argv[2], argv[3]);
        }
    } catch (const std::exception& e) {
        std::cerr << "make_demo: " << e.what() << "\n";
        return 1;
    }
    std::cerr << "usage: make_demo <folder> | make_demo --preview <map.bmp> <folder>\n";
    return 2;
}
