#include "kit/headless/scripted.h"

#include "kit/headless/headlesskit.h"
#include "kit/skinentry.h"
#include "text/search.h"

#include <cstring>

namespace vantrel {

namespace {

// The entry point is a plain function, so it reaches the recorder of the current scripted
// engine through this one variable; one program runs at a time in tests.
ScriptedModules::Recorder currentrecorder;

int SKINENTRY_CALL scriptedattach(const void* block, int size, const char*, int, int, int) {
    if (currentrecorder) {
        currentrecorder(block, size);
    }
    return 1;
}

} // namespace

Bytes ScriptedHttp::get(const Text& address) {
    log_ << "get " << quoted(address) << '\n';
    return page_.value_or(Bytes());
}

void ScriptedShell::openaddress(const Text& address) {
    log_ << "open " << quoted(address) << '\n';
}

void ScriptedShell::openfile(const Text& path) {
    // Only the name: the folder differs from run to run.
    std::size_t slash = findlastbyte(path, '\\');
    const std::size_t forward = path.rfind('/');
    if (slash == notfound || (forward != Text::npos && forward > slash)) {
        slash = forward;
    }
    log_ << "openfile " << quoted(slash == notfound ? path : path.substr(slash + 1)) << '\n';
}

ScriptedModules::ScriptedModules(std::ostream& log, Recorder recorder) : log_(log) {
    currentrecorder = std::move(recorder);
}

ScriptedModules::~ScriptedModules() {
    currentrecorder = nullptr;
}

void* ScriptedModules::load(const Text& fullpath, const Text& name) {
    (void)fullpath;
    log_ << "load " << quoted(name) << '\n';
    return loadable_ ? this : nullptr;
}

void* ScriptedModules::symbol(void* module, const char* name) {
    if (module != this || !entrypoint_ || std::strcmp(name, skinentryname) != 0) {
        return nullptr;
    }
    return reinterpret_cast<void*>(&scriptedattach);
}

} // namespace vantrel
