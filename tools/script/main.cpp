// vantrel-script [--dir DIR] [FILE]: runs the program on the headless kit from a script.
#include "tools/script/runner.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::filesystem::path dir = std::filesystem::current_path();
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else if (!file && argument.rfind("--", 0) != 0) {
            file = argv[i];
        } else {
            std::cerr << "usage: vantrel-script [--dir DIR] [FILE]\n";
            return 2;
        }
    }
    std::ifstream input;
    if (file) {
        input.open(file);
        if (!input) {
            std::cerr << "vantrel-script: cannot read " << file << '\n';
            return 2;
        }
    }
    const std::string folder = std::filesystem::absolute(dir).lexically_normal().string();
    if (!vantrel::gbkrepresentable(folder)) {
        std::cerr << "vantrel-script: the folder " << folder << " has characters GBK lacks\n";
        return 2;
    }
    vantrel::script::Runner runner(file ? input : std::cin, std::cout, dir);
    return runner.run();
}
