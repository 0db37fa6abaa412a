#include "tests/support/world.h"

#include <atomic>
#include <unistd.h>

namespace vantrel::testing {

namespace {

std::filesystem::path freshfolder() {
    static std::atomic<int> counter{0};
    const auto path =
        std::filesystem::temp_directory_path() /
        ("vantrel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

constexpr unsigned char testengine[] = "test engine";

} // namespace

World::World()
    : dir_(freshfolder()), kit(log), http(log), shell(log),
      modules(log, [this](const void* block, int size) { attached.emplace_back(block, size); }),
      program(Services{.kit = kit,
                       .http = http,
                       .shell = shell,
                       .files = files,
                       .clock = clock,
                       .random = random,
                       .modules = modules,
                       .programdirectory = fromutf8(dir_.string()),
                       .enginebytes = {testengine, sizeof testengine - 1}}) {
    kit.setdriver([this] {
        if (actions_.empty()) {
            return false;
        }
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(*this);
        return true;
    });
}

World::~World() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

int World::run() {
    try {
        return program.run();
    } catch (const ProgramEnded& ended) {
        return ended.code;
    }
}

Text World::gbkfile(const std::string& name) const {
    return fromutf8(file(name).string());
}

std::string World::take() {
    std::string text = log.str();
    log.str({});
    return text;
}

} // namespace vantrel::testing
