// Mission 1: a squad of four crosses a stream and clears a handful of sentries from a mill.
// Open country, a single bridge, ammunition on the way: an easy start.

#include "tools/make_demo/demo_missions.h"
#include "tools/make_demo/scenery.h"
#include "tools/make_demo/script_lines.h"
#include "tools/make_demo/tiles.h"

namespace make_demo {

namespace {

int streamBank(int y)
{
    return y < 9 ? 18 : (y < 18 ? 19 : 20);
}

void paintMillRoad(MapPainter& map)
{
    meadow(map, 1, 1, 34, 26, 11);
    // Woods close the valley to the north and south.
    forest(map, 1, 1, 34, 3, 60, 12);
    forest(map, 1, 24, 34, 26, 60, 13);
    forest(map, 1, 4, 5, 7, 35, 14);
    forest(map, 1, 19, 6, 23, 35, 15);
    // A few trees and bushes in the west fields: cover for the first fight.
    map.scatter(7, 5, 16, 22, {tile::Tree, tile::Bush, tile::Boulder}, 5, 16);
    // The stream, with reeds along its banks and a few rocks.
    riverDown(map, 1, 26, 2, streamBank);
    map.set(18, 5, tile::WaterRocks);
    map.set(20, 21, tile::WaterRocks);
    for (int y : {6, 7, 10, 16, 17, 19, 22}) {
        map.set(streamBank(y) - 1, y, tile::Marsh);
    }
    // The mill, its yard and its fields.
    map.building(tile::House, 25, 6);
    map.rect(24, 9, 28, 10, tile::Earth);
    map.set(28, 9, tile::Crates);
    map.set(24, 10, tile::Rubble);
    map.rect(22, 16, 33, 21, tile::Wheat);
    map.building(tile::House, 29, 16);
    map.rect(29, 19, 31, 19, tile::Earth);
    map.rect(29, 5, 33, 9, tile::Ploughed);
    // A sandbag post on the far side of the bridge.
    map.set(23, 10, tile::Sandbags);
    map.set(23, 11, tile::Sandbags);
    map.set(22, 10, tile::Wire);
    // The road east, with a lane up to the mill's door and one round to the farmhouse's.
    map.road(1, 13, 34, 13);
    map.road(26, 9, 26, 13);
    map.roadEnd(26, 8);
    map.road(28, 13, 28, 19);
    map.road(28, 19, 31, 19);
}

} // namespace

MissionBuilder millRoad()
{
    MissionBuilder m("ironwood1_mill_road", "The Mill Road", 34, 26);
    m.author(DemoAuthor);
    m.brief("Gray troops have taken the old mill on the road past the stream. Cross the bridge, clear out "
            "every one of them and take the mill back.");
    paintMillRoad(m.map());

    m.troop(3, 13, 4, Team::Green, Heading::West, Heading::East, 3);
    m.object(Object::Crate, 5, 15);
    m.object(Object::Crate, 15, 11);
    m.object(Object::Crate, 29, 11);
    m.object(Object::Barrel, 27, 10);

    const std::string bridgeSentry = m.enemy(Team::Gray, 24, 12, "watch_bridge");
    m.enemy(Team::Gray, 25, 10, "watch_yard");
    m.enemy(Team::Gray, 32, 14, "patrol_farm");
    m.enemy(Team::Gray, 13, 7, "watch_field");
    m.enemy(Team::Gray, 27, 19); // in the wheat; comes at the squad when it draws near

    m.aiAnimation("watch_bridge", {ai::lookTo(0, 18, 13)});
    m.aiAnimation("watch_yard", {ai::lookTo(0, 22, 13)});
    m.aiAnimation("watch_field", {ai::lookTo(0, 8, 13)});
    std::vector<std::string> patrol;
    for (int leg = 0; leg < 8; ++leg) {
        patrol.push_back(leg % 2 == 0 ? ai::walkTo(15 * leg, 32, 21) : ai::walkTo(15 * leg, 32, 14));
    }
    patrol.push_back(ai::lookTo(125, 26, 13));
    m.aiAnimation("patrol_farm", patrol);

    m.animation("intro", {
                             task::leaderSays(0, "Quiet now. Gray troops hold the mill."),
                             task::walkTo(1, 7, 13),
                             task::message(5, "Clear the mill road of every enemy soldier."),
                             task::lookTo(7, 13, 7),
                             task::leaderSays(8, "One of them is out in the field. Watch it."),
                             task::message(10, "Right click on the ground moves the squad."),
                             task::giveControl(11),
                         });

    m.condition(true, {when::troopBelow(11)}, {act::startAnimation("intro")});
    m.condition(true, {when::animationEnded("intro")},
                {act::message("Point at an enemy and hold the left button.")});
    m.condition(true, {when::enemyDied(bridgeSentry)},
                {act::leaderSays("The bridge sentry is down. Cross over!")});
    m.condition(true, {when::allEnemiesDead()},
                {act::message("The mill road is clear. Well done, lads!"), act::victory()});
    m.condition(true, {when::troopBelow(1)}, {act::message("The squad has fallen."), act::defeat()});
    return m;
}

} // namespace make_demo
