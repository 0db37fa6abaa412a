#include "kit/linux/system.h"

#include "kit/linux/files.h"

#include <ctime>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {

namespace {

void spawn(const std::string& argument) {
    // Twice forked and not waited for beyond the first child: the browser runs on by itself
    // and leaves no zombie behind. Only exec-safe calls happen between fork and exec.
    const char* arguments[] = {"xdg-open", argument.c_str(), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            execvp("xdg-open", const_cast<char* const*>(arguments));
        }
        _exit(0);
    }
    if (child > 0) {
        waitpid(child, nullptr, 0);
    }
}

} // namespace

void XdgShell::openaddress(const Text& address) {
    spawn(toutf8(address));
}

void XdgShell::openfile(const Text& path) {
    spawn(nativepath(path));
}

std::uint32_t SystemClock::tickcount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000 +
                                      static_cast<std::uint64_t>(now.tv_nsec) / 1000000);
}

DateTime SystemClock::now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

void* DlModules::load(const Text& fullpath, const Text& name) {
    if (void* module = dlopen(nativepath(fullpath).c_str(), RTLD_NOW | RTLD_LOCAL)) {
        return module;
    }
    return dlopen(nativepath(name).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* DlModules::symbol(void* module, const char* name) {
    return module ? dlsym(module, name) : nullptr;
}

} // namespace vantrel
