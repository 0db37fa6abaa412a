#include "playing.h"

#include "game/worddraw.h"
#include "library/wordstore.h"

#include <algorithm>
#include <numeric>

namespace vantrel::testing {
namespace {

std::vector<std::int32_t> loaded(World& world) {
    const State& state = world.program.state();
    return {state.wordids.begin(), state.wordids.begin() + state.wordcount};
}

std::vector<std::string> manywords(int count) {
    std::vector<std::string> words;
    for (int i = 1; i <= count; ++i) {
        words.push_back("词" + std::to_string(i));
    }
    return words;
}

// Starts a game and closes it at once; the IDs it loaded stay in the state.
void playbriefly(World& world) {
    world.then([](World& w) { startgame(w, 1); });
    world.then([](World& w) { window(w, "game").close(); });
}

TEST(WordIds, ALibraryOfAThousandFillsEveryPosition) {
    World world;
    givelibrary(world, manywords(1000));
    std::vector<std::int32_t> ids;
    playbriefly(world);
    world.then([&](World& w) { ids = loaded(w); });
    world.run();
    std::vector<std::int32_t> expected(1000);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(ids, expected);
}

TEST(WordIds, ALargerLibraryPlaysWithAThousandDrawnFromAllInOrder) {
    World world;
    givelibrary(world, manywords(2500));
    std::vector<std::vector<std::int32_t>> games;
    for (std::uint32_t ticks : {1000u, 2000u}) {
        world.then([ticks](World& w) { w.clock.settickcount(ticks); });
        playbriefly(world);
        world.then([&](World& w) { games.push_back(loaded(w)); });
    }
    world.run();
    ASSERT_EQ(games.size(), 2u);
    for (const std::vector<std::int32_t>& ids : games) {
        ASSERT_EQ(ids.size(), 1000u);
        EXPECT_TRUE(std::adjacent_find(ids.begin(), ids.end(),
                                       [](int a, int b) { return a >= b; }) == ids.end());
        EXPECT_GE(ids.front(), 1);
        EXPECT_LE(ids.back(), 2500);
        // Words past the first thousand come up too: about 600 of them in each game.
        const auto late = std::count_if(ids.begin(), ids.end(), [](int id) { return id > 1000; });
        EXPECT_GT(late, 400);
    }
    EXPECT_NE(games[0], games[1]);
}

TEST(WordIds, GapsInTheIdsAreSkippedAndOldPositionsKept) {
    World world;
    givelibrary(world, manywords(5));
    std::vector<std::int32_t> ids;
    playbriefly(world);
    world.then([](World& w) {
        WordStore store;
        store.openstore(w.gbkfile("caici.mdb"));
        ASSERT_TRUE(store.runstatement("delete from ciyu where ID in (2, 4)"));
    });
    playbriefly(world);
    std::array<std::int32_t, 6> firstsix{};
    world.then([&](World& w) {
        ids = loaded(w);
        std::copy_n(w.program.state().wordids.begin(), 6, firstsix.begin());
    });
    world.run();
    EXPECT_EQ(ids, (std::vector<std::int32_t>{1, 3, 5}));
    // Positions past wordcount still hold the earlier game's IDs.
    EXPECT_EQ(firstsix, (std::array<std::int32_t, 6>{1, 3, 5, 4, 5, 0}));
}

TEST(WordIds, EachReseedMovesTheAccumulatorOn) {
    World world;
    world.clock.settickcount(1000);
    reseed(world.program);
    EXPECT_EQ(world.program.seedaccumulator(), 1000u % 256 + 100); // 332
    reseed(world.program);
    EXPECT_EQ(world.program.seedaccumulator(), 332u + (1000u + 332u) % 256 + 100);
}

} // namespace
} // namespace vantrel::testing
