// The pilot's choice of move against hand-made hazards.
#include <gtest/gtest.h>

#include "pilot/Steering.h"

namespace {

using pilot::Box;
using pilot::HazardField;
using pilot::kHorizon;

// A 12 x 12 bullet that reaches the craft's hit box after arrive frames,
// flying along the craft's row (dx, dy per frame).
pilot::Hazard bulletAt(float craftX, float craftY, float dx, float dy, int arrive)
{
    pilot::Hazard h;
    h.damage = 1500;
    h.once = true;
    Box target = pilot::craftBox(craftX, craftY);
    float cx = (target.left + target.right) / 2 - dx * arrive;
    float cy = (target.top + target.bottom) / 2 - dy * arrive;
    for (int k = 1; k <= kHorizon; ++k) {
        float x = cx + dx * k;
        float y = cy + dy * k;
        h.at[k] = {x - 6, y - 6, x + 6, y + 6};
    }
    h.reach = {-1000, -1000, 1000, 1000};
    return h;
}

TEST(Steering, LeavesThePathOfWhatIsComing)
{
    const struct {
        const char* what;
        float dx, dy;
        int arrive;
    } cases[] = {
        {"aimed bullet from the right", -10, 0, 4},
        {"fast bullet from the right", -15, 0, 2},
        {"bullet falling from above", 0, 6, 5},
        {"diagonal bullet", -6, 6, 4},
    };
    for (const auto& c : cases) {
        HazardField field;
        field.tilesHurt = false;
        field.hazards.push_back(bulletAt(200, 200, c.dx, c.dy, c.arrive));
        pilot::SteeringResult r = pilot::steer(field, 200, 200, pilot::Aim{}, pilot::Move{});
        EXPECT_EQ(r.danger, 0) << c.what;
        EXPECT_TRUE(r.move.dx != 0 || r.move.dy != 0) << c.what;
    }
}

// A laser's row of damage points that swings onto the craft's centre in
// five frames.
TEST(Steering, StepsOutOfALaserRow)
{
    HazardField field;
    field.tilesHurt = false;
    pilot::DiscRow row;
    row.count = 17;
    row.radius = 17.5f;
    row.damage = 2000;
    for (int k = 0; k <= kHorizon; ++k) {
        row.originX[k] = 600;
        row.originY[k] = k < 5 ? -500 : 232;
        row.stepX[k] = -30;
        row.stepY[k] = 0;
    }
    field.rows.push_back(row);
    pilot::SteeringResult r = pilot::steer(field, 200, 200, pilot::Aim{}, pilot::Move{});
    EXPECT_EQ(r.danger, 0);
    EXPECT_NE(r.move.dy, 0);
}

TEST(Steering, LinesUpWithTheTargetWhenNothingThreatens)
{
    HazardField field;
    field.tilesHurt = false;
    pilot::Aim aim;
    aim.has = true;
    aim.lineY = 330;
    aim.standX = 100;
    pilot::SteeringResult r = pilot::steer(field, 100, 100, aim, pilot::Move{});
    EXPECT_EQ(r.move.dy, 1);
    EXPECT_FALSE(r.move.focus);
}

}  // namespace
