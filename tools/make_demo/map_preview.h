#pragma once
// A picture of a demo mission for its designer: the map drawn from the tile sheet, with the
// troop's start, the objects, the enemies (by team, with their numbers) and the cells that the
// conditions watch marked on it.

#include "mission_editor/files/mission_model.h"

#include <QImage>

namespace make_demo {

QImage missionPreview(const plotwright::MissionModel& mission, const QImage& tileSheet);

} // namespace make_demo
