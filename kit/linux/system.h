// The shell, the clock and library loading on Linux.
#pragma once

#include "kit/services.h"

namespace vantrel {

// Opens addresses and files with xdg-open, started directly with the address as its one
// argument: no command shell ever sees it.
class XdgShell : public Shell {
  public:
    void openaddress(const Text& address) override;
    void openfile(const Text& path) override;
};

class SystemClock : public Clock {
  public:
    std::uint32_t tickcount() override;
    DateTime now() override;
};

class DlModules : public Modules {
  public:
    void* load(const Text& fullpath, const Text& name) override;
    void* symbol(void* module, const char* name) override;
};

} // namespace vantrel
