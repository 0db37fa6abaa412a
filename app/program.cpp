#include "app/program.h"

#include "app/mainwindow.h"

namespace vantrel {

Program::Program(Services services) : services_(std::move(services)) {}

Text Program::programfile(const Text& name) const {
    return services_.programdirectory + "\\" + name;
}

Text Program::storepath() const {
    return services_.files.currentdirectory() + "\\caici.mdb";
}

int Program::run() {
    // The word store is looked for in the current directory, which is the program's own.
    services_.files.setcurrentdirectory(services_.programdirectory);
    state_ = State{};
    openmainwindow(*this);
    const int code = services_.kit.run();
    // Released at exit; nothing is written to disk.
    state_ = State{};
    return code;
}

} // namespace vantrel
