#include "game/record.h"

#include "game/tally.h"
#include "text/datetime.h"

namespace vantrel {

namespace {

Text recordpath(const Program& program) {
    return program.programfile("猜词记录.txt"_t);
}

} // namespace

Text recordentry(const State& state, const DateTime& when) {
    return "\r\n" + datetimetext(when) + "\r\n" + state.gamelog + tallyline(state) + "\r\n";
}

void resetrecord(Program& program) {
    program.services().files.write(recordpath(program), {});
}

void appendrecord(Program& program) {
    Services& services = program.services();
    const Text path = recordpath(program);
    const Text entry = recordentry(program.state(), services.clock.now());
    // Earlier entries are never lost: a file that exists but cannot be read is left alone,
    // and the rewrite replaces the old content only once the new one is safely written.
    const std::optional<Bytes> old = services.files.read(path);
    if (!old && services.files.exists(path)) {
        return;
    }
    services.files.write(path, old.value_or(Bytes()) + entry);
}

void openrecord(Program& program) {
    program.services().shell.openfile(recordpath(program));
}

} // namespace vantrel
