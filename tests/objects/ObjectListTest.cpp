// The object lists: every removal case, spawning, emptying, and walks that
// remove and append objects as they go.
#include <gtest/gtest.h>

#include <vector>

#include "objects/ObjectList.h"

namespace {

// Kinds of the objects in a list, head to tail, checking the links both ways.
std::vector<int> kindsOf(GameObject* head) {
    std::vector<int> kinds;
    GameObject* prev = nullptr;
    for (GameObject* g = head; g; g = g->next) {
        EXPECT_EQ(g->prev, prev) << "broken back link at kind " << g->kind();
        kinds.push_back(g->kind());
        prev = g;
    }
    return kinds;
}

GameObject* makeList(GameObject** head, std::initializer_list<int> kinds) {
    GameObject* last = nullptr;
    for (int k : kinds) spawnInto(head, &last, 4, k, 0, 0);
    return *head;
}

GameObject* nth(GameObject* head, int n) {
    while (n--) head = head->next;
    return head;
}

class ObjectListTest : public ::testing::Test {
protected:
    void TearDown() override { emptyList(&head); }
    GameObject* head = nullptr;
};

// Walk state shared with the callbacks (they are plain function pointers).
std::vector<int> g_drawn;
std::vector<int> g_updated;
int g_killKind = -1;

void recordDraw(GameObject& g) { g_drawn.push_back(g.kind()); }

}  // namespace

TEST_F(ObjectListTest, RemoveHeadMiddleTailAndOnly) {
    struct Case { int index; std::vector<int> left; int returned; } cases[] = {
        {0, {2, 3}, 2}, {1, {1, 3}, 3}, {2, {1, 2}, -1}};
    for (const Case& c : cases) {
        emptyList(&head);
        makeList(&head, {1, 2, 3});
        GameObject* after = removeObject(&head, nth(head, c.index));
        EXPECT_EQ(after ? after->kind() : -1, c.returned) << c.index;
        EXPECT_EQ(kindsOf(head), c.left) << c.index;
        EXPECT_EQ(head->prev, nullptr);
    }
    emptyList(&head);
    makeList(&head, {7});
    EXPECT_EQ(removeObject(&head, head), nullptr);
    EXPECT_EQ(head, nullptr);
    GameObject* last = nullptr;
    GameObject* fresh = spawnInto(&head, &last, 4, 8, 1, 2);
    EXPECT_EQ(head, fresh);
    EXPECT_EQ(last, fresh);
    EXPECT_EQ(fresh->prev, nullptr);
    EXPECT_EQ(fresh->next, nullptr);
    EXPECT_EQ(removeObject(nullptr, head), nullptr);
    EXPECT_EQ(head, fresh);
}

TEST_F(ObjectListTest, SpawnAndAppendGoToTheTail) {
    makeList(&head, {1, 2});
    GameObject* tail = appendObject(4, head->next, 3, 5, 6);  // from any node
    EXPECT_EQ(kindsOf(head), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(tail->category(), 4);
    EXPECT_EQ(tail->x(), 5);
    GameObject* last = nullptr;
    spawnInto(&head, &last, 4, 4, 0, 0);
    EXPECT_EQ(last->kind(), 4);
    EXPECT_EQ(kindsOf(head), (std::vector<int>{1, 2, 3, 4}));
    emptyList(&head);
    EXPECT_EQ(head, nullptr);
}

namespace {

void killMarked(GameObject**, GameObject** cur) {
    g_updated.push_back((*cur)->kind());
    if ((*cur)->kind() == g_killKind) (*cur)->kill();
}

}  // namespace

TEST_F(ObjectListTest, WalkRemovesTheDeadAndVisitsEveryOtherObjectOnce) {
    struct Case { std::initializer_list<int> kinds; int kill; std::vector<int> left; } cases[] = {
        {{1, 2, 3}, 1, {2, 3}}, {{1, 2, 3}, 2, {1, 3}}, {{1, 2, 3}, 3, {1, 2}}, {{5}, 5, {}}};
    for (const Case& c : cases) {
        emptyList(&head);
        makeList(&head, c.kinds);
        g_drawn.clear();
        g_updated.clear();
        g_killKind = c.kill;
        walkList(&head, recordDraw, killMarked, true);
        std::vector<int> all(c.kinds);
        EXPECT_EQ(g_drawn, all) << "a dying object is still drawn in its last frame";
        EXPECT_EQ(g_updated, all);
        EXPECT_EQ(kindsOf(head), c.left) << "kill " << c.kill;
    }
}

TEST_F(ObjectListTest, FrozenWalkDrawsWithoutUpdating) {
    makeList(&head, {1, 2});
    g_drawn.clear();
    g_updated.clear();
    g_killKind = 1;
    head->kill();  // dead objects still leave the list while the world is frozen
    walkList(&head, recordDraw, killMarked, false);
    EXPECT_EQ(g_drawn, (std::vector<int>{1, 2}));
    EXPECT_TRUE(g_updated.empty());
    EXPECT_EQ(kindsOf(head), (std::vector<int>{2}));
}

namespace {

GameObject* g_otherList = nullptr;
GameObject* g_lastOther = nullptr;
GameObject* g_lastOwn = nullptr;

// Kind 1 fires into another list; kind 2 spawns a kind 3 into its own list
// and dies; kind 3 does nothing.
void spawnWhileWalking(GameObject** head, GameObject** cur) {
    g_updated.push_back((*cur)->kind());
    if ((*cur)->kind() == 1) spawnInto(&g_otherList, &g_lastOther, 4, 9, 0, 0);
    if ((*cur)->kind() == 2) {
        spawnInto(head, &g_lastOwn, 3, 3, 0, 0);
        (*cur)->kill();
    }
}

// Empties the list it walks, as a menu that leaves its scene does.
void emptyWhileWalking(GameObject** head, GameObject** cur) {
    g_updated.push_back((*cur)->kind());
    emptyList(head);
    *cur = nullptr;
}

}  // namespace

TEST_F(ObjectListTest, WalkReachesObjectsAppendedDuringTheWalk) {
    makeList(&head, {2});  // the only object spawns and dies
    g_updated.clear();
    walkList(&head, nullptr, spawnWhileWalking, true);
    EXPECT_EQ(g_updated, (std::vector<int>{2, 3}));
    EXPECT_EQ(kindsOf(head), (std::vector<int>{3}));

    emptyList(&head);
    makeList(&head, {1, 2, 1});
    g_updated.clear();
    walkList(&head, nullptr, spawnWhileWalking, true);
    EXPECT_EQ(g_updated, (std::vector<int>{1, 2, 1, 3}));
    EXPECT_EQ(kindsOf(head), (std::vector<int>{1, 1, 3}));
    EXPECT_EQ(kindsOf(g_otherList), (std::vector<int>{9, 9}));
    EXPECT_EQ(g_lastOther, g_otherList->next);
    emptyList(&g_otherList);
}

TEST_F(ObjectListTest, WalkStopsWhenTheUpdateEmptiesItsList) {
    makeList(&head, {1, 2, 3});
    g_updated.clear();
    walkList(&head, nullptr, emptyWhileWalking, true);
    EXPECT_EQ(g_updated, (std::vector<int>{1}));
    EXPECT_EQ(head, nullptr);
}

TEST_F(ObjectListTest, AdvanceWalkSupportsPassesThatMoveOnThemselves) {
    makeList(&head, {1, 2, 3});
    nth(head, 1)->kill();
    std::vector<int> visited;
    for (GameObject* cur = head; cur; cur = advanceWalk(&head, cur)) visited.push_back(cur->kind());
    EXPECT_EQ(visited, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(kindsOf(head), (std::vector<int>{1, 3}));
}
