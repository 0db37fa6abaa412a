// A whole program on the headless kit in a fresh temporary folder, with scripted services
// whose output collects in one log: the fixture behaviour tests drive.
#pragma once

#include "app/program.h"
#include "kit/headless/headlesskit.h"
#include "kit/headless/scripted.h"
#include "kit/linux/files.h"
#include "kit/random.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <sstream>

namespace vantrel::testing {

class World {
  public:
    using Action = std::function<void(World&)>;

    World();
    ~World();

    // The actions a person takes once the program waits for input, in order; when they run
    // out, every window is closed as a person ending the program would.
    void then(Action action) { actions_.push_back(std::move(action)); }
    // Runs the program to its end; its exit code.
    int run();

    std::filesystem::path file(const std::string& name) const { return dir_ / name; }
    Text gbkfile(const std::string& name) const;
    // Everything printed so far, and then forgets it.
    std::string take();

    std::filesystem::path dir_;
    std::ostringstream log;
    HeadlessKit kit;
    ScriptedHttp http;
    ScriptedShell shell;
    PosixFiles files;
    ScriptedClock clock;
    PortableRandom random;
    ScriptedModules modules;
    std::vector<std::pair<const void*, int>> attached;
    Program program;

  private:
    std::deque<Action> actions_;
};

} // namespace vantrel::testing
