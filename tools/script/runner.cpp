#include "tools/script/runner.h"

#include "skin/skinformat.h"
#include "text/numbers.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace vantrel::script {

namespace {

class CommandError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The engine file a scripted start writes: the scripted engine never reads it.
constexpr unsigned char standinengine[] = "stand-in skin engine for scripted runs";

int number(const Word& word) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(word.utf8, &used);
        if (used == word.utf8.size()) {
            return value;
        }
    } catch (const std::logic_error&) {
    }
    throw CommandError("not a number: " + word.utf8);
}

void arity(const std::vector<Word>& words, std::size_t least, std::size_t most) {
    if (words.size() - 1 < least || words.size() - 1 > most) {
        throw CommandError(words[0].utf8 + " takes " + std::to_string(least) +
                           (least == most ? "" : " to " + std::to_string(most)) + " arguments");
    }
}

DateTime parseclock(const std::string& date, const std::string& time) {
    DateTime when;
    char tail = 0;
    if (std::sscanf(date.c_str(), "%d-%d-%d%c", &when.year, &when.month, &when.day, &tail) != 3 ||
        std::sscanf(time.c_str(), "%d:%d:%d%c", &when.hour, &when.minute, &when.second, &tail) !=
            3) {
        throw CommandError("clock takes YYYY-MM-DD HH:MM:SS");
    }
    return when;
}

} // namespace

Runner::Runner(std::istream& script, std::ostream& out, std::filesystem::path dir)
    : script_(script), out_(out), dir_(std::filesystem::absolute(dir)), kit_(out), http_(out),
      shell_(out), modules_(out, [this](const void* block, int size) {
          const auto* bytes = static_cast<const unsigned char*>(block);
          const int skin = block ? skinnumber({bytes, static_cast<std::size_t>(size)}) : 0;
          out_ << "attach " << skin << ' ' << size << '\n';
      }) {
    kit_.setdriver([this] { return next(); });
    program_ = std::make_unique<Program>(Services{
        .kit = kit_,
        .http = http_,
        .shell = shell_,
        .files = files_,
        .clock = clock_,
        .random = random_,
        .modules = modules_,
        .programdirectory = fromutf8(dir_.lexically_normal().string()),
        .enginebytes = {standinengine, sizeof standinengine - 1},
    });
}

int Runner::run() {
    try {
        while (next()) {
        }
    } catch (const std::exception& error) {
        out_ << "error: line " << line_ << ": " << error.what() << '\n';
        return 2;
    }
    return 0;
}

bool Runner::next() {
    std::string line;
    while (std::getline(script_, line)) {
        ++line_;
        const std::vector<Word> words = splitline(line);
        if (!words.empty()) {
            execute(words);
            return true;
        }
    }
    return false;
}

void Runner::start() {
    if (started_) {
        throw CommandError("the program has already been started");
    }
    started_ = true;
    int code = 0;
    try {
        code = program_->run();
    } catch (const ProgramEnded& ended) {
        code = ended.code;
    }
    out_ << "exit " << code << '\n';
}

HeadlessWindow& Runner::window(const std::string& name) {
    if (name != "main" && name != "library" && name != "game" && name != "results") {
        throw CommandError("unknown window " + name);
    }
    HeadlessWindow* found = kit_.find(name);
    if (!found) {
        throw CommandError("window " + name + " is not open");
    }
    return *found;
}

std::pair<HeadlessWindow*, std::string> Runner::control(const std::string& name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos) {
        throw CommandError("a control is named WINDOW.CONTROL: " + name);
    }
    HeadlessWindow& found = window(name.substr(0, dot));
    std::string control = name.substr(dot + 1);
    if (!ui::findcontrol(found.definition(), control)) {
        throw CommandError("unknown control " + name);
    }
    return {&found, control};
}

std::filesystem::path Runner::resolve(const std::string& path) const {
    const std::filesystem::path given(path);
    return given.is_absolute() ? given : dir_ / given;
}

void Runner::execute(const std::vector<Word>& words) {
    const std::string& command = words[0].utf8;
    auto target = [&] { return control(words.at(1).utf8); };
    if (command == "start") {
        arity(words, 0, 0);
        start();
    } else if (command == "makelib") {
        arity(words, 0, 0);
        makelib();
    } else if (command == "addword") {
        arity(words, 2, 2);
        addword(words[1].text, words[2].text);
    } else if (command == "sql") {
        arity(words, 1, 1);
        sql(words[1].utf8);
    } else if (command == "page") {
        arity(words, 1, 1);
        http_.setpage(!words[1].quoted && words[1].utf8 == "none"
                          ? std::nullopt
                          : std::optional<Bytes>(words[1].text));
    } else if (command == "clock") {
        arity(words, 2, 2);
        clock_.setnow(parseclock(words[1].utf8, words[2].utf8));
    } else if (command == "ticks") {
        arity(words, 1, 1);
        clock_.settickcount(static_cast<std::uint32_t>(std::stoul(words[1].utf8)));
    } else if (command == "answer") {
        arity(words, 1, 1);
        if (words[1].utf8 != "OK" && words[1].utf8 != "Cancel") {
            throw CommandError("answer takes OK or Cancel");
        }
        kit_.queueanswer(words[1].utf8 == "OK" ? Answer::ok : Answer::cancel);
    } else if (command == "file") {
        arity(words, 1, 1);
        if (!words[1].quoted && words[1].utf8 == "cancel") {
            kit_.queuefile(std::nullopt);
        } else {
            // The dialog only lets an existing file be chosen.
            const std::filesystem::path chosen = resolve(words[1].utf8);
            if (!std::filesystem::is_regular_file(chosen)) {
                throw CommandError("no file " + words[1].utf8 + " to choose");
            }
            kit_.queuefile(fromutf8(chosen.string()));
        }
    } else if (command == "press") {
        arity(words, 1, 1);
        const auto [found, name] = target();
        found->press(name);
    } else if (command == "click") {
        arity(words, 1, 1);
        const auto [found, name] = target();
        found->click(name);
    } else if (command == "choose") {
        arity(words, 2, 2);
        const auto [found, name] = target();
        found->choose(name, words[2].text);
    } else if (command == "type") {
        arity(words, 2, 2);
        const auto [found, name] = target();
        found->type(name, words[2].text);
    } else if (command == "select") {
        arity(words, 2, 2);
        const auto [found, name] = target();
        found->select(name, number(words[2]));
    } else if (command == "tick") {
        arity(words, 1, 2);
        const auto [found, name] = target();
        found->tick(name, words.size() > 2 ? number(words[2]) : 1);
    } else if (command == "close") {
        arity(words, 1, 1);
        window(words[1].utf8).close();
    } else if (command == "show") {
        arity(words, 1, 1);
        const auto [found, name] = target();
        out_ << words[1].utf8 << ' ' << quoted(found->text(name)) << '\n';
    } else if (command == "style") {
        arity(words, 1, 1);
        const auto [found, name] = target();
        const ui::Rgb colour = found->colour(name);
        out_ << words[1].utf8 << " color=" << colour.red << ',' << colour.green << ','
             << colour.blue
             << " pointer=" << (found->pointer(name) == ui::Pointer::hand ? "hand" : "default")
             << '\n';
    } else if (command == "title") {
        arity(words, 1, 1);
        const Text title = window(words[1].utf8).title();
        out_ << words[1].utf8 << ' ' << quoted(title) << '\n';
    } else if (command == "rows") {
        arity(words, 1, 1);
        const auto [found, name] = target();
        const std::vector<Row>& rows = found->rows(name);
        out_ << words[1].utf8 << ' ' << rows.size() << " rows\n";
        for (std::size_t row = 0; row < rows.size(); ++row) {
            out_ << row << ':';
            for (const Text& cell : rows[row]) {
                out_ << ' ' << quoted(cell);
            }
            out_ << '\n';
        }
    } else if (command == "state") {
        arity(words, 1, 1);
        state(words[1].utf8);
    } else if (command == "write") {
        arity(words, 2, 2);
        write(words[1].utf8, words[2].text);
    } else if (command == "dump") {
        arity(words, 1, 1);
        dump(words[1].utf8);
    } else if (command == "text") {
        arity(words, 1, 1);
        text(words[1].utf8);
    } else {
        throw CommandError("unknown command " + command);
    }
}

} // namespace vantrel::script
