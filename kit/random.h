// The pseudo-random generator of every platform: the same seed gives the same draws
// everywhere, which keeps scripted games repeatable.
#pragma once

#include "kit/services.h"

#include <random>

namespace vantrel {

class PortableRandom : public Random {
  public:
    void reseed(std::uint32_t seed) override;
    int between(int low, int high) override;

  private:
    std::minstd_rand engine_;
};

} // namespace vantrel
