#include "game/worddraw.h"

#include "library/missingstore.h"
#include "text/numbers.h"

#include <vector>

namespace vantrel {

namespace {

std::int32_t readid(Program& program, WordStore& store, std::int32_t result) {
    const std::optional<std::int32_t> id = valueinteger(store.readcolumn(result, "ID"));
    if (!id) {
        program.services().kit.fatal("数据类型错误：ID 列的值不是数字。"_t);
    }
    return *id;
}

Text readword(Program& program, WordStore& store, std::int32_t result) {
    const Value value = store.readcolumn(result, "词语"_t);
    const Text* word = std::get_if<Text>(&value);
    if (word == nullptr) {
        program.services().kit.fatal("数据类型错误：词语 列的值不是文本。"_t);
    }
    return *word;
}

// Keeps the given number of IDs, each subset equally likely, in their order (selection
// sampling: each ID is kept with the chance of the places still free among those left).
std::vector<std::int32_t> sample(Program& program, const std::vector<std::int32_t>& ids,
                                 std::size_t wanted) {
    if (ids.size() <= wanted) {
        return ids;
    }
    reseed(program);
    Random& random = program.services().random;
    std::vector<std::int32_t> kept;
    kept.reserve(wanted);
    for (std::size_t at = 0; at < ids.size() && kept.size() < wanted; ++at) {
        const auto left = static_cast<int>(ids.size() - at);
        if (static_cast<std::size_t>(random.between(1, left)) <= wanted - kept.size()) {
            kept.push_back(ids[at]);
        }
    }
    return kept;
}

} // namespace

bool storepresent(Program& program, Window& game) {
    if (program.services().files.exists(program.storepath())) {
        return true;
    }
    // The game is over: no tick may count down, or end it, behind the message.
    game.setperiod("时钟1", 0);
    stopformissingstore(program);
    return false;
}

void reseed(Program& program) {
    std::uint32_t& accumulator = program.seedaccumulator();
    const std::uint32_t seed = program.services().clock.tickcount() + accumulator;
    program.services().random.reseed(seed);
    accumulator += seed % 256 + 100;
}

void loadwordids(Program& program, WordStore& store) {
    store.openstore(program.storepath());
    const std::int32_t result = store.runquery("select * from ciyu order by ID");
    std::vector<std::int32_t> ids;
    while (!store.pastlast(result)) {
        ids.push_back(readid(program, store, result));
        store.nextrow(result);
    }
    State& state = program.state();
    const std::vector<std::int32_t> kept = sample(program, ids, state.wordids.size());
    std::copy(kept.begin(), kept.end(), state.wordids.begin());
    state.wordcount = static_cast<std::int32_t>(kept.size());
}

std::optional<Text> drawword(Program& program, WordStore& store, Window& game) {
    reseed(program);
    State& state = program.state();
    const int position = program.services().random.between(1, state.wordcount);
    if (!storepresent(program, game)) {
        return std::nullopt;
    }
    store.openstore(program.storepath());
    const std::int32_t result =
        store.runquery("select * from ciyu where ID=" + inttext(state.wordids[position - 1]));
    const Text word = readword(program, store, result);
    game.settext("xianshibiaoqian", word);
    return word;
}

} // namespace vantrel
