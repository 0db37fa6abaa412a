// Scripted platform services for tests and the scenario runner: what the program asks of the
// outside world is printed, and the answers are set by the driver.
#pragma once

#include "kit/services.h"

#include <functional>
#include <ostream>

namespace vantrel {

class ScriptedHttp : public Http {
  public:
    explicit ScriptedHttp(std::ostream& log) : log_(log) {}
    // Every read answers this body; nothing means every read fails.
    void setpage(std::optional<Bytes> body) { page_ = std::move(body); }
    Bytes get(const Text& address) override;

  private:
    std::ostream& log_;
    std::optional<Bytes> page_;
};

class ScriptedShell : public Shell {
  public:
    explicit ScriptedShell(std::ostream& log) : log_(log) {}
    void openaddress(const Text& address) override;
    void openfile(const Text& path) override;

  private:
    std::ostream& log_;
};

class ScriptedClock : public Clock {
  public:
    void settickcount(std::uint32_t ticks) { ticks_ = ticks; }
    void setnow(const DateTime& now) { now_ = now; }
    std::uint32_t tickcount() override { return ticks_; }
    DateTime now() override { return now_; }

  private:
    std::uint32_t ticks_ = 0;
    DateTime now_{2026, 12, 11, 20, 8, 45};
};

// Stands in for the skin engine: loading prints the library's name, and the entry point hands
// each call's block to a recorder.
class ScriptedModules : public Modules {
  public:
    using Recorder = std::function<void(const void* block, int size)>;

    ScriptedModules(std::ostream& log, Recorder recorder);
    ~ScriptedModules() override;
    // Whether the engine loads, and whether it has its entry point.
    void setloadable(bool loadable) { loadable_ = loadable; }
    void setentrypoint(bool present) { entrypoint_ = present; }
    void* load(const Text& fullpath, const Text& name) override;
    void* symbol(void* module, const char* name) override;

  private:
    std::ostream& log_;
    bool loadable_ = true;
    bool entrypoint_ = true;
};

} // namespace vantrel
