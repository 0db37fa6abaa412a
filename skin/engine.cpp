#include "kit/skinentry.h"
#include "skin/skin.h"
#include "skin/skintable.h"

#include <vector>

namespace vantrel {

namespace {

const Text& enginename() {
    return "SkinH_EL.dll"_t;
}

} // namespace

void extractengine(Program& program) {
    Services& services = program.services();
    const Text path = program.programfile(enginename());
    if (services.files.exists(path)) {
        return;
    }
    const Bytes bytes(services.enginebytes.begin(), services.enginebytes.end());
    if (services.files.write(path, bytes)) {
        services.files.sethidden(path);
    }
}

void attachskin(Program& program, int n) {
    Services& services = program.services();
    void*& entry = program.skinentry();
    if (!entry) {
        void* module = services.modules.load(program.programfile(enginename()), enginename());
        entry = module ? services.modules.symbol(module, skinentryname) : nullptr;
        if (!entry) {
            services.kit.fatal("无法加载 "_t + enginename() + " 或找不到其入口 "_t + skinentryname +
                               "，程序将退出。"_t);
        }
    }
    // The engine reads the block during the call only, so a fresh copy is released at once.
    const std::span<const unsigned char> skin = skinblock(n);
    std::vector<unsigned char> block(skin.begin(), skin.end());
    reinterpret_cast<SkinEntry>(entry)(block.empty() ? nullptr : block.data(),
                                       static_cast<int>(block.size()), "", 0, 0, 0);
}

} // namespace vantrel
