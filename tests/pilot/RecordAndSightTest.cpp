// The pilot's stage record and its following of objects between frames.
#include <gtest/gtest.h>

#include "objects/GameObject.h"
#include "pilot/Sight.h"
#include "pilot/StageRecord.h"

namespace {

TEST(StageRecord, CountsHitPointsLostAcrossRetries)
{
    const struct {
        std::vector<int> hp;
        int damage;
    } cases[] = {
        {{20000, 19500, 19500, 18000}, 2000},
        {{20000, 500, -1500}, 20000},              // destroyed: only what was left counts
        {{20000, 1000, 0, 20000, 19700}, 20300},   // the restart's full hit points are no gain
    };
    for (const auto& c : cases) {
        pilot::StageRecord r;
        r.lastHp = c.hp.front();
        for (int hp : c.hp)
            pilot::noteHitPoints(r, hp);
        EXPECT_EQ(r.damage, c.damage);
    }
    pilot::StageRecord r;
    r.stage = 3;
    r.clearFrame = 1234;
    r.damage = 500;
    r.continues = 1;
    EXPECT_EQ(pilot::clearLine(r, 98765),
              "pilot: stage 3 cleared at frame 1234, damage 500, continues 1, score 98765");
    for (int bullets : {4, 0, 9, 2})
        pilot::noteBulletsInSight(r, bullets);
    EXPECT_EQ(pilot::pressureLine(r), "pilot: stage 3 bullets in sight: 3.8 a frame, 9 at most");
}

TEST(Sight, FollowsAnObjectAndTellsANewOneAtAReusedAddress)
{
    GameObject bullet(4, 28, 300, 200);
    pilot::TrackSet set;
    pilot::observe(set, &bullet, pilot::bulletFirstVelocity);
    bullet.setX(296);
    bullet.setY(201);
    pilot::observe(set, &bullet, pilot::bulletFirstVelocity);
    ASSERT_EQ(set.tracks.size(), 1u);
    EXPECT_EQ(set.tracks[0].age, 2);
    EXPECT_FLOAT_EQ(set.tracks[0].vx, -4);
    EXPECT_FLOAT_EQ(set.tracks[0].vy, 1);

    // Gone and replaced at the same address far away: a new bullet.
    bullet.setX(40);
    bullet.setY(40);
    pilot::observe(set, &bullet, pilot::bulletFirstVelocity);
    EXPECT_EQ(set.tracks[0].age, 1);

    pilot::observe(set, nullptr, pilot::bulletFirstVelocity);
    EXPECT_TRUE(set.tracks.empty());
}

}  // namespace
