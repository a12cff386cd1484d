// Mission 2: a gun nest sweeps the only bridge over the river in bursts; a mined ford lies to
// the south. Across the water, a village and the fuel dump that the squad has to blow up.

#include "tools/make_demo/demo_missions.h"
#include "tools/make_demo/scenery.h"
#include "tools/make_demo/script_lines.h"
#include "tools/make_demo/tiles.h"

namespace make_demo {

namespace {

// The gunner's place in his nest. His bursts carry over the planks and die short of the west
// end of the bridge, so the squad can wait there for a gap in his fire.
constexpr int NestX = 24, NestY = 12;

int riverBank(int y)
{
    return y < 9 ? 16 : (y < 21 ? 17 : 18);
}

void paintHarlow(MapPainter& map)
{
    meadow(map, 1, 1, 40, 30, 21);
    forest(map, 1, 1, 12, 8, 45, 22);
    forest(map, 1, 22, 13, 30, 45, 23);
    forest(map, 38, 1, 40, 30, 55, 24);
    forest(map, 27, 27, 40, 30, 50, 25);
    map.scatter(5, 9, 14, 21, {tile::Tree, tile::Bush}, 6, 26);
    // The river, its reeds and rocks, and the ford of mud to the south.
    riverDown(map, 1, 30, 3, riverBank);
    for (int y : {3, 4, 11, 20, 24}) {
        map.set(riverBank(y) - 1, y, tile::Marsh);
        map.set(riverBank(y) + 3, y + 1, tile::Marsh);
    }
    map.set(17, 6, tile::WaterRocks);
    map.set(18, 10, tile::WaterRocks);
    map.set(19, 22, tile::WaterRocks);
    map.rect(18, 26, 20, 27, tile::Puddles);
    map.rect(17, 26, 17, 27, tile::Mud);
    map.rect(21, 26, 21, 27, tile::Mud);
    // The village.
    map.building(tile::House, 26, 4);
    map.building(tile::House, 31, 6);
    map.rect(25, 7, 30, 10, tile::Cobbles);
    map.set(30, 10, tile::BurntCar);
    map.rect(33, 10, 36, 12, tile::Ploughed);
    // The gun nest: sandbags behind the gunner, open towards the bridge.
    for (auto [x, y] : {std::pair{NestX - 1, NestY - 2},
                        {NestX, NestY - 2},
                        {NestX + 1, NestY - 2},
                        {NestX + 1, NestY - 1},
                        {NestX + 1, NestY}}) {
        map.set(x, y, tile::Sandbags);
    }
    // The fuel dump: a concrete pad with drums and tents.
    map.rect(31, 18, 37, 24, tile::Concrete);
    map.set(32, 19, tile::FuelDrums);
    map.set(33, 19, tile::FuelDrums);
    map.set(36, 23, tile::FuelDrums);
    map.set(36, 19, tile::Tent);
    map.set(37, 19, tile::Tent);
    map.set(31, 24, tile::Container);
    map.set(32, 24, tile::Container);
    // The road over the bridge, the village lane and the lane to the dump.
    map.road(1, 15, 37, 15);
    map.road(27, 7, 27, 15);
    map.roadEnd(27, 6);
    map.roadEnd(34, 18);
    map.road(34, 15, 34, 17);
}

} // namespace

MissionBuilder harlowBridge()
{
    MissionBuilder m("ironwood2_harlow_bridge", "Harlow Bridge", 40, 30);
    m.author(DemoAuthor);
    m.brief("A gun nest on the far bank sweeps Harlow bridge in bursts. Get over the river, find the fuel "
            "dump past the village and blow up all three tanks.");
    paintHarlow(m.map());

    m.troop(3, 15, 5, Team::Green, Heading::West, Heading::East, 2);
    m.object(Object::Crate, 8, 17);
    m.object(Object::Crate, 13, 13);
    m.object(Object::Crate, 28, 17);
    const std::string tank1 = m.object(Object::Barrel, 33, 21);
    const std::string tank2 = m.object(Object::Barrel, 35, 21);
    const std::string tank3 = m.object(Object::Barrel, 34, 23);
    m.object(Object::Mine, 18, 26);
    m.object(Object::Mine, 19, 27);
    m.object(Object::Mine, 20, 26);

    const std::string gunner = m.enemy(Team::Blue, NestX, NestY, "gunner");
    m.enemy(Team::Blue, 29, 11);
    m.enemy(Team::Blue, 33, 13);
    m.enemy(Team::Blue, 22, 18, "bank_patrol");
    m.enemy(Team::Blue, 30, 21, "watch_dump");
    m.enemy(Team::Blue, 37, 21);
    m.enemy(Team::Blue, 23, 27, "watch_ford");

    // The gunner sweeps the bridge in bursts with a pause between, then steps aside, which
    // starts his sweep again: he walks back into his nest before he opens fire (a shot turns
    // him, and a walk goes the way he faces).
    std::vector<std::string> sweep = {ai::walkTo(0, NestX, NestY)};
    const int aims[3][2] = {{18, 15}, {19, 15}, {17, 15}};
    for (int burst = 0; burst < 12; ++burst) {
        sweep.push_back(ai::fireTo(10 * burst + 3, aims[burst % 3][0], aims[burst % 3][1]));
        sweep.push_back(ai::stopFiring(10 * burst + 7));
    }
    sweep.push_back(ai::walkTo(123, NestX, NestY + 1));
    m.aiAnimation("gunner", sweep);
    // Once the squad is over the bridge he shouts and, a moment later, turns his fire on it: the
    // moment lets a player who kept moving shoot first. He first gets back into his nest, as the
    // alarm may find him stepping aside: a walk still under way when he turns would carry him
    // towards the squad. The shout waits for the clock to run, which it does only once he has
    // left the cell where his sweep starts again.
    m.aiAnimation("gunner_alert", {ai::stopFiring(0), ai::holdFire(0), ai::walkTo(0, NestX, NestY),
                                   ai::says(1, "They're across the bridge! Fire!"), ai::lookTo(3, 20, 15),
                                   ai::fireAtTroop(3)});
    std::vector<std::string> patrol;
    for (int leg = 0; leg < 16; ++leg) {
        patrol.push_back(leg % 2 == 0 ? ai::walkTo(14 * leg, 22, 24) : ai::walkTo(14 * leg, 22, 18));
    }
    m.aiAnimation("bank_patrol", patrol);
    m.aiAnimation("watch_dump", {ai::lookTo(0, 26, 21)});
    m.aiAnimation("watch_ford", {ai::lookTo(0, 19, 26)});

    m.animation("intro", {
                             task::leaderSays(0, "There's Harlow bridge. Watch that gun nest."),
                             task::walkTo(1, 13, 15),
                             task::lookTo(6, 23, 12),
                             task::message(7, "Blow up the three fuel tanks past the river."),
                             task::leaderSays(10, "Wait for a gap in his fire, then run!"),
                             task::giveControl(12),
                         });

    m.condition(true, {when::troopBelow(11)}, {act::startAnimation("intro")});
    m.condition(false, {when::enemyOn(NestX, NestY, NestX, NestY + 1)}, {act::startEnemyAi(gunner)});
    m.condition(true, {when::leaderOn(20, 15)}, {act::changeEnemyAi(gunner, "gunner_alert")});
    m.condition(true, {when::enemyDied(gunner)}, {act::leaderSays("The gunner is down. Move up!")});
    m.condition(true, {when::objectGone(tank1), when::objectGone(tank2), when::objectGone(tank3)},
                {act::message("The fuel dump is burning. Good work!"), act::victory()});
    m.condition(true, {when::troopBelow(3)}, {act::leaderSays("Only two of us left. Heads down!")});
    m.condition(true, {when::troopBelow(1)}, {act::message("The squad has fallen."), act::defeat()});
    return m;
}

} // namespace make_demo
