// Mission 3: elite troops hold three villagers in a walled village by a lake. The south gate is
// watched by a lookout who runs for the alarm bell; the west door is quieter but guarded too.
// A villager hit by the squad's fire, or the bell, fails the mission.

#include "tools/make_demo/demo_missions.h"
#include "tools/make_demo/scenery.h"
#include "tools/make_demo/script_lines.h"
#include "tools/make_demo/tiles.h"

namespace make_demo {

namespace {

void paintGreywater(MapPainter& map)
{
    meadow(map, 1, 1, 40, 32, 31);
    // The lake to the north, with reeds along its shore.
    map.rect(1, 1, 40, 3, tile::Water);
    map.scatter(1, 4, 40, 4, {tile::Marsh, tile::Water}, 60, 32);
    map.set(12, 2, tile::WaterRocks);
    map.set(29, 1, tile::WaterRocks);
    // Woods around the village.
    forest(map, 1, 5, 2, 32, 55, 33);
    forest(map, 34, 5, 40, 32, 55, 34);
    forest(map, 7, 29, 17, 32, 45, 35);
    forest(map, 23, 28, 33, 32, 45, 36);
    map.scatter(3, 5, 7, 15, {tile::Tree, tile::Bush}, 12, 37);
    map.scatter(7, 18, 7, 28, {tile::Tree, tile::Bush}, 30, 39);
    // The village wall with its one-cell south gate and a door on the west side.
    wallBox(map, 8, 6, 32, 27, tile::StoneWall);
    map.rect(9, 7, 31, 26, tile::Grass);
    meadow(map, 9, 7, 31, 26, 38);
    map.set(8, 17, tile::DoorUp);
    // The square, the town hall with the alarm bell at its door, and the houses.
    map.rect(15, 11, 25, 19, tile::Cobbles);
    map.building(tile::Barracks, 18, 8);
    map.set(19, 11, tile::StoneFloor);
    map.building(tile::House, 10, 8);
    map.building(tile::House, 27, 8);
    map.building(tile::House, 10, 21);
    map.building(tile::House, 27, 21);
    map.rect(22, 21, 25, 24, tile::Ploughed);
    map.rect(14, 21, 17, 23, tile::Wheat);
    map.set(28, 16, tile::Crates);
    map.set(29, 16, tile::Crates);
    map.set(13, 14, tile::Tree);
    map.set(26, 13, tile::Tree);
    // Roads: up to the south gate, and round by the woods to the west door.
    map.road(20, 20, 20, 32);
    map.roadEnd(20, 19);
    map.road(4, 29, 20, 29);
    map.road(4, 17, 4, 29);
    map.road(4, 17, 7, 17);
    map.road(9, 17, 14, 17);
    map.roadEnd(8, 17);
}

} // namespace

MissionBuilder greywater()
{
    MissionBuilder m("ironwood3_greywater", "Greywater", 40, 32);
    m.author(DemoAuthor);
    m.brief("Elite troops hold three villagers in the square at Greywater. Kill every guard, but mind your "
            "fire: hit a villager, or let them ring the bell, and it is over.");
    paintGreywater(m.map());

    m.troop(20, 31, 5, Team::Green, Heading::North, Heading::North, 2);
    m.object(Object::Crate, 18, 31);
    m.object(Object::Crate, 9, 25);
    m.object(Object::Crate, 31, 18);
    m.object(Object::Mine, 4, 24);
    m.object(Object::Mine, 12, 29);
    m.object(Object::Barrel, 24, 12);

    const std::string villagers[] = {
        m.enemy(Team::Hooded, 17, 15, "held"),
        m.enemy(Team::Hooded, 19, 14, "held"),
        m.enemy(Team::Hooded, 21, 15, "held"),
    };
    const std::string lookout = m.enemy(Team::Elite, 22, 24, "lookout");
    const std::string guards[] = {
        lookout,
        m.enemy(Team::Elite, 19, 18, "watch_square"),
        m.enemy(Team::Elite, 23, 12, "watch_hall"),
        m.enemy(Team::Elite, 15, 13, "patrol_west"),
        m.enemy(Team::Elite, 30, 25),
        m.enemy(Team::Elite, 26, 17),
        m.enemy(Team::Elite, 5, 20, "watch_road"),
    };

    m.aiAnimation("held", {ai::holdFire(0), ai::lookTo(0, 19, 20)});
    m.aiAnimation("lookout", {ai::lookTo(0, 20, 29)});
    m.aiAnimation("raise_alarm", {ai::says(0, "Intruders! Ring the bell!"), ai::walkTo(0, 19, 11)});
    m.aiAnimation("watch_square", {ai::lookTo(0, 20, 26)});
    m.aiAnimation("watch_hall", {ai::lookTo(0, 9, 17)});
    m.aiAnimation("watch_road", {ai::lookTo(0, 4, 28)});
    std::vector<std::string> patrol;
    for (int leg = 0; leg < 12; ++leg) {
        patrol.push_back(leg % 2 == 0 ? ai::walkTo(24 * leg, 15, 25) : ai::walkTo(24 * leg, 15, 13));
    }
    m.aiAnimation("patrol_west", patrol);

    m.animation("intro", {
                             task::leaderSays(0, "Greywater. They hold three villagers inside."),
                             task::walkTo(1, 18, 29),
                             task::message(5, "Kill the guards. Do not shoot the villagers!"),
                             task::lookTo(7, 20, 27),
                             task::leaderSays(8, "Their lookout watches the south gate."),
                             task::lookTo(10, 4, 20),
                             task::leaderSays(11, "The west door is quieter. Your call."),
                             task::giveControl(13),
                         });
    m.animation("alarm", {task::message(0, "The bell! They are shooting the villagers!"), task::defeat()});

    m.condition(true, {when::troopBelow(11)}, {act::startAnimation("intro")});
    m.condition(true, {when::leaderOn(20, 27)}, {act::changeEnemyAi(lookout, "raise_alarm")});
    m.condition(true, {when::enemyOn(22, 24, 19, 11)}, {act::startAnimation("alarm")});
    m.condition(true, {when::enemyDied(lookout)}, {act::leaderSays("The lookout is down.")});
    for (const std::string& villager : villagers) {
        m.condition(true, {when::enemyDied(villager)},
                    {act::message("A villager has been killed!"), act::defeat()});
    }
    std::vector<std::string> allGuards;
    for (const std::string& guard : guards) {
        allGuards.push_back(when::enemyDied(guard));
    }
    m.condition(true, allGuards, {act::message("Greywater is free. Well done!"), act::victory()});
    m.condition(true, {when::troopBelow(1)}, {act::message("The squad has fallen."), act::defeat()});
    return m;
}

} // namespace make_demo
