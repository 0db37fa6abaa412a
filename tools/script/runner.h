// The scenario runner: the whole program on the headless kit, driven line by line by a
// script, printing what a person would see.
#pragma once

#include "app/program.h"
#include "kit/headless/headlesskit.h"
#include "kit/headless/scripted.h"
#include "kit/linux/files.h"
#include "kit/random.h"
#include "tools/script/arguments.h"

#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>

namespace vantrel::script {

class Runner {
  public:
    // dir is the program directory and the current directory.
    Runner(std::istream& script, std::ostream& out, std::filesystem::path dir);
    // Runs the script to its end; 0, or 2 after an error.
    int run();

  private:
    // Carries out the next command; false at the end of the script.
    bool next();
    void execute(const std::vector<Word>& words);
    void start();

    // Set-up and inspection that need no window.
    void makelib();
    void addword(const Text& word, const Text& count);
    void sql(const std::string& statement);
    void write(const std::string& path, const Text& bytes);
    void dump(const std::string& path);
    void text(const std::string& path);
    void state(const std::string& name);

    // W.C names.
    HeadlessWindow& window(const std::string& name);
    std::pair<HeadlessWindow*, std::string> control(const std::string& name);
    std::filesystem::path resolve(const std::string& path) const;

    std::istream& script_;
    std::ostream& out_;
    std::filesystem::path dir_;
    int line_ = 0;
    bool started_ = false;
    HeadlessKit kit_;
    ScriptedHttp http_;
    ScriptedShell shell_;
    PosixFiles files_;
    ScriptedClock clock_;
    PortableRandom random_;
    ScriptedModules modules_;
    std::unique_ptr<Program> program_;
};

} // namespace vantrel::script
