// The file system on Linux: GBK paths with backslashes become UTF-8 paths with slashes.
#pragma once

#include "kit/services.h"

#include <string>

namespace vantrel {

// The path as the system takes it.
std::string nativepath(const Text& path);

class PosixFiles : public Files {
  public:
    bool exists(const Text& path) override;
    std::optional<Bytes> read(const Text& path) override;
    bool write(const Text& path, const Bytes& content) override;
    bool append(const Text& path, const Bytes& content) override;
    bool sethidden(const Text& path) override;
    std::unique_ptr<std::istream> openinput(const Text& path) override;
    Text currentdirectory() override;
    bool setcurrentdirectory(const Text& path) override;
};

} // namespace vantrel
