// The platform services the program reaches through its program object: each has a real
// implementation per platform and a scripted one for tests.
#pragma once

#include "text/datetime.h"
#include "text/text.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>

namespace vantrel {

// Raw bytes: file contents and HTTP bodies are never converted.
using Bytes = std::string;

class Http {
  public:
    virtual ~Http() = default;
    // One GET of the address. The body whatever the status; no bytes for a failure before the
    // body, the bytes so far for a failure during it.
    virtual Bytes get(const Text& address) = 0;
};

class Shell {
  public:
    virtual ~Shell() = default;
    // Shows a web address in the default browser. Never through a command shell.
    virtual void openaddress(const Text& address) = 0;
    // Opens a file with the program associated with its type.
    virtual void openfile(const Text& path) = 0;
};

// Paths are GBK texts built as a directory, a backslash and a name; each implementation turns
// them into the platform's own form.
class Files {
  public:
    virtual ~Files() = default;
    virtual bool exists(const Text& path) = 0;
    // The whole file, or nothing when it is missing or cannot be read.
    virtual std::optional<Bytes> read(const Text& path) = 0;
    // Replaces the file's content whole: a failed write leaves the old file as it was.
    virtual bool write(const Text& path, const Bytes& content) = 0;
    // Adds bytes at the end of the file, creating it when missing.
    virtual bool append(const Text& path, const Bytes& content) = 0;
    // Sets the attributes to hidden alone (where the platform has such an attribute).
    virtual bool sethidden(const Text& path) = 0;
    // Opens an existing file for reading only; null when it cannot be opened.
    virtual std::unique_ptr<std::istream> openinput(const Text& path) = 0;
    virtual Text currentdirectory() = 0;
    virtual bool setcurrentdirectory(const Text& path) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since the system started; wraps like a 32-bit counter.
    virtual std::uint32_t tickcount() = 0;
    virtual DateTime now() = 0;
};

class Random {
  public:
    virtual ~Random() = default;
    virtual void reseed(std::uint32_t seed) = 0;
    // An integer from low to high, both included.
    virtual int between(int low, int high) = 0;
};

class Modules {
  public:
    virtual ~Modules() = default;
    // A loaded library by its full path or, failing that, by its bare name through the
    // system's search; null when neither loads. Libraries stay loaded until the program ends.
    virtual void* load(const Text& fullpath, const Text& name) = 0;
    virtual void* symbol(void* module, const char* name) = 0;
};

} // namespace vantrel
