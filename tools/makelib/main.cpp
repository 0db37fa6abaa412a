// vantrel-makelib [--empty] PATH
//
// Makes a new word library for the game: a SQLite caici.mdb holding table ciyu, filled with the
// starter words or, with --empty, without any. PATH names the file to make, or an existing
// folder to make caici.mdb in. An existing file is never replaced.
#include "library/librarymaker.h"
#include "starterwords.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage(std::ostream& out, int code) {
    out << "usage: vantrel-makelib [--empty] PATH\n"
           "Makes a new word library (caici.mdb) at PATH, or in the folder PATH, with the\n"
           "starter words or, with --empty, without words. An existing file is left alone.\n";
    return code;
}

} // namespace

int main(int argc, char** argv) {
    bool empty = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--empty") {
            empty = true;
        } else if (argument == "--help" || argument == "-h") {
            return usage(std::cout, 0);
        } else if (argument.starts_with("-") || !path.empty()) {
            return usage(std::cerr, 2);
        } else {
            path = argument;
        }
    }
    if (path.empty()) {
        return usage(std::cerr, 2);
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        path = (std::filesystem::path(path) / "caici.mdb").string();
    }

    std::vector<std::string> words;
    if (!empty) {
        words = vantrel::parsewordlist(vantrel::starterwordlist());
    }
    std::string reason;
    if (!vantrel::makelibrary(path, words, reason)) {
        std::cerr << "vantrel-makelib: " << reason << '\n';
        return 1;
    }
    std::cout << "made " << path << " with " << words.size() << " words\n";
    return 0;
}
