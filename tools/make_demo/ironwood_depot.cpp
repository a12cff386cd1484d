// Mission 4: the enemy depot behind stone walls. A sniper covers the main gate; the north door
// is guarded and mined. The plans lie in the office; taking them sets off the charges and wakes
// the barracks, and the squad has to carry them back to the helicopter pad.

#include "tools/make_demo/demo_missions.h"
#include "tools/make_demo/scenery.h"
#include "tools/make_demo/script_lines.h"
#include "tools/make_demo/tiles.h"

namespace make_demo {

namespace {

void paintDepot(MapPainter& map)
{
    meadow(map, 1, 1, 44, 36, 41);
    forest(map, 1, 1, 4, 36, 60, 42);
    forest(map, 5, 1, 12, 6, 50, 43);
    forest(map, 9, 20, 17, 27, 45, 44);
    forest(map, 9, 31, 19, 36, 50, 45);
    forest(map, 43, 1, 44, 36, 60, 46);
    map.scatter(5, 7, 18, 36, {tile::Tree, tile::Pine, tile::Bush}, 8, 47);
    map.rect(5, 8, 8, 13, tile::Grass);
    // The helicopter pad in a clearing to the south-west.
    map.rect(5, 29, 7, 31, tile::Concrete);
    map.set(6, 30, tile::Helipad);
    // The depot: stone walls, a concrete yard, the north door.
    wallBox(map, 20, 5, 42, 31, tile::StoneWall);
    map.rect(21, 6, 41, 30, tile::Concrete);
    map.scatter(21, 6, 41, 30, {tile::CrackedConcrete}, 12, 48, {tile::Concrete});
    map.set(31, 5, tile::DoorAcross);
    map.building(tile::Barracks, 23, 7);
    map.building(tile::Barracks, 27, 7);
    for (int x : {33, 34, 36, 37}) {
        map.set(x, 8, tile::Container);
        map.set(x, 9, tile::Container);
    }
    map.set(40, 7, tile::Bunker);
    map.set(22, 29, tile::Bunker);
    map.set(30, 14, tile::Tent);
    map.set(31, 14, tile::Tent);
    map.rect(23, 28, 24, 29, tile::FuelDrums);
    map.set(38, 29, tile::Crates);
    map.set(39, 29, tile::Crates);
    // The office: a walled room with a wooden floor and a door on its west side.
    wallBox(map, 34, 20, 40, 26, tile::BrickWall);
    map.rect(35, 21, 39, 25, tile::WoodFloor);
    map.set(34, 23, tile::DoorUp);
    // Sandbags either side of the gate.
    map.set(19, 16, tile::Sandbags);
    map.set(19, 20, tile::Sandbags);
    // Roads: from the clearing round to the north door, and down past the gate to the pad.
    map.road(6, 11, 14, 11);
    map.road(14, 3, 14, 11);
    map.road(14, 3, 31, 3);
    map.road(31, 3, 31, 4);
    map.roadEnd(31, 5);
    map.road(6, 11, 6, 28);
    map.road(6, 18, 20, 18);
    map.roadEnd(21, 18);
    map.roadEnd(6, 29);
}

} // namespace

MissionBuilder ironwoodDepot()
{
    MissionBuilder m("ironwood4_depot", "The Ironwood Depot", 44, 36);
    m.author(DemoAuthor);
    m.brief("The Ironwood depot holds the enemy's plans, and a sniper covers its main gate. Get in, take the "
            "plans from the office and bring them to the helicopter pad.");
    paintDepot(m.map());

    m.troop(6, 9, 6, Team::Green, Heading::South, Heading::East, 2);
    m.object(Object::Crate, 8, 10);
    m.object(Object::Crate, 27, 2);
    m.object(Object::Crate, 38, 28);
    m.object(Object::Mine, 28, 4);
    m.object(Object::Mine, 33, 4);
    m.object(Object::Mine, 30, 2);
    const std::string plans = m.object(Object::Suitcase, 38, 23);
    const std::string charge1 = m.object(Object::Barrel, 25, 28);
    const std::string charge2 = m.object(Object::Barrel, 25, 29);
    m.object(Object::Barrel, 32, 14);

    m.enemy(Team::Gray, 15, 12, "watch_woods");
    const std::string doorGuard = m.enemy(Team::Elite, 33, 3, "watch_road");
    const std::string patrol = m.enemy(Team::Elite, 22, 12, "patrol_yard");
    const std::string sleepers[] = {
        m.enemy(Team::Gray, 24, 10, "asleep"),
        m.enemy(Team::Gray, 28, 10, "asleep"),
        m.enemy(Team::Gray, 27, 27, "asleep"),
    };
    m.enemy(Team::Elite, 37, 23, "watch_door"); // in line with the doorway, in front of the plans
    m.enemy(Team::Elite, 39, 8, "watch_north");
    m.enemy(Team::Elite, 23, 27, "watch_gate");
    m.enemy(Team::Blue, 30, 18);
    m.enemy(Team::Blue, 38, 14, "watch_yard");
    m.enemy(Team::Blue, 35, 28);

    m.aiAnimation("watch_woods", {ai::lookTo(0, 8, 11)});
    m.aiAnimation("watch_road", {ai::lookTo(0, 20, 3)});
    std::vector<std::string> rounds;
    for (int leg = 0; leg < 12; ++leg) {
        rounds.push_back(leg % 2 == 0 ? ai::walkTo(38 * leg, 40, 12) : ai::walkTo(38 * leg, 22, 12));
    }
    m.aiAnimation("patrol_yard", rounds);
    m.aiAnimation("asleep", {ai::holdFire(0)});
    m.aiAnimation("alarm", {ai::says(0, "Thieves! Stop them!"), ai::fireAtTroop(0), ai::stopAnimation(1)});
    m.aiAnimation("watch_door", {ai::lookTo(0, 34, 23)});
    m.aiAnimation("watch_north", {ai::lookTo(0, 31, 6)});
    m.aiAnimation("watch_gate", {ai::lookTo(0, 21, 18)});
    m.aiAnimation("watch_yard", {ai::lookTo(0, 31, 6)});

    m.animation("intro", {
                             task::leaderSays(0, "The Ironwood depot. The plans are inside."),
                             task::walkTo(1, 10, 11),
                             task::lookTo(5, 15, 12),
                             task::leaderSays(6, "Take that sentry down. Fire!"),
                             task::fireTo(7, 15, 12),
                             task::stopFiring(9),
                             task::message(11, "Steal the plans from the office."),
                             task::leaderSays(14, "A sniper covers the main gate. Go north."),
                             task::message(17, "Then bring the plans to the helicopter pad."),
                         });
    m.animation("extraction",
                {task::message(0, "The helicopter lifts off with the plans!"), task::victory()});

    m.condition(true, {when::troopBelow(11)}, {act::startAnimation("intro")});
    m.condition(true, {when::animationEnded("intro")}, {act::stopAnimation("intro")});
    m.condition(true, {when::leaderOn(20, 18)}, {act::leaderSays("Sniper!"), act::killLeader()});
    m.condition(true, {when::leaderOn(21, 18)},
                {act::leaderSays("Sniper! Get off the gate!"), act::killLeader()});
    m.condition(true, {when::enemyDied(doorGuard)},
                {act::leaderSays("Door guard down. In through the north door.")});
    m.condition(true, {when::leaderTouches(plans)},
                {act::leaderSays("Got the plans! Charges set, run!"), act::destroyObject(charge1),
                 act::destroyObject(charge2), act::changeEnemyAi(sleepers[0], "alarm"),
                 act::changeEnemyAi(sleepers[1], "alarm"), act::changeEnemyAi(sleepers[2], "alarm"),
                 act::stopEnemyAi(patrol)});
    m.condition(true, {when::objectGone(plans), when::leaderOn(6, 30)}, {act::startAnimation("extraction")});
    m.condition(true, {when::troopBelow(2)},
                {act::message("Too few of us left to carry the plans out."), act::defeat()});
    return m;
}

} // namespace make_demo
