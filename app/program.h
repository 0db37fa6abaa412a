// The program object: owns the program state and reaches the kit and the platform services,
// which the entry point chooses and hands in.
#pragma once

#include "app/state.h"
#include "kit/kit.h"
#include "kit/services.h"

#include <cstddef>
#include <span>

namespace vantrel {

struct Services {
    Kit& kit;
    Http& http;
    Shell& shell;
    Files& files;
    Clock& clock;
    Random& random;
    Modules& modules;
    // The directory of the executable, GBK, without a trailing separator.
    Text programdirectory;
    // The skin engine's own bytes, written next to the program when missing.
    std::span<const unsigned char> enginebytes;
};

class Program {
  public:
    explicit Program(Services services);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up, the loop until no window is left, shut-down; the exit code.
    int run();

    State& state() { return state_; }
    Services& services() { return services_; }

    // The program directory followed by a backslash and the name.
    Text programfile(const Text& name) const;
    // The current directory followed by "\caici.mdb", computed afresh.
    Text storepath() const;
    // Accumulates into every reseed of the word draw, so two draws in one millisecond differ.
    std::uint32_t& seedaccumulator() { return seedaccumulator_; }
    // The skin engine's entry point once loaded; it stays loaded until the program ends.
    void*& skinentry() { return skinentry_; }

  private:
    Services services_;
    State state_;
    std::uint32_t seedaccumulator_ = 0;
    void* skinentry_ = nullptr;
};

} // namespace vantrel
