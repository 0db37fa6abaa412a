// The HTTP reads of the Linux build, on libcurl: the version page's request exactly as the game
// makes it, with one time budget for every read of a start-up so a silent server cannot keep
// the main window from appearing.
#pragma once

#include "kit/services.h"

#include <chrono>
#include <cstddef>

namespace vantrel {

class CurlHttp : public Http {
  public:
    static constexpr std::chrono::milliseconds startupbudget{6000};
    static constexpr std::size_t bodylimit = 1024 * 1024;
    static constexpr int redirectlimit = 5;

    // budget: the time that all reads of this object may take together.
    explicit CurlHttp(std::chrono::milliseconds budget = startupbudget);

    Bytes get(const Text& address) override;

  private:
    std::chrono::milliseconds left_;
};

// Whether a redirect from one address to another may be followed: never from https to
// anything but https, and only to http or https.
bool followable(const Text& from, const Text& to);

} // namespace vantrel
