// Word library benchmarks. Each pair runs the same work through the program on the headless
// kit and through SQLite alone; the program's side must stay within 1.5 times SQLite's.
#include "kit/headless/headlesskit.h"
#include "kit/headless/scripted.h"
#include "kit/linux/files.h"
#include "kit/random.h"
#include "library/librarymaker.h"
#include "library/librarywindow.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <unistd.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// Distinct words of two to four characters (UTF-8), skipping the first `skip`.
std::vector<std::string> makewords(std::size_t count, std::size_t skip = 0) {
    static const std::string pool =
        "苹果香蕉西瓜葡萄橘子草莓菠萝芒果桃梨樱桃柠檬椰子荔枝玉米土豆番茄黄瓜茄子白菜洋葱"
        "大蒜辣椒南瓜冬瓜蘑菇花生猫狗猪牛羊马鸡鸭鹅兔老虎狮子象猴熊企鹅孔雀鹰蝴蝶蜜蜂";
    std::vector<std::string> chars;
    std::set<std::string> seen;
    for (std::size_t at = 0; at < pool.size(); at += 3) {
        if (seen.insert(pool.substr(at, 3)).second) {
            chars.push_back(pool.substr(at, 3));
        }
    }
    std::vector<std::string> words;
    const std::size_t n = chars.size();
    for (std::size_t i = 0; words.size() < count + skip; ++i) {
        std::string word = chars[i % n] + chars[(i / n) % n];
        if (i / n / n > 0) {
            word += chars[(i / n / n) % n];
        }
        if (i / n / n / n > 0) {
            word += chars[(i / n / n / n) % n];
        }
        words.push_back(word);
    }
    return {words.begin() + static_cast<std::ptrdiff_t>(skip), words.end()};
}

fs::path benchfolder() {
    static const fs::path folder = [] {
        const fs::path path =
            fs::temp_directory_path() / ("vantrel-bench-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// A library file of n words, made once per size and kept for the run.
fs::path library(std::size_t n) {
    const fs::path path = benchfolder() / ("words" + std::to_string(n) + ".mdb");
    if (!fs::exists(path)) {
        std::string error;
        if (!makelibrary(path.string(), makewords(n), error)) {
            std::cerr << error << '\n';
            std::exit(1);
        }
    }
    return path;
}

// The program on the headless kit with its folder as the current directory.
struct Headless {
    std::ostringstream log;
    HeadlessKit kit{log};
    ScriptedHttp http{log};
    ScriptedShell shell{log};
    PosixFiles files;
    ScriptedClock clock;
    PortableRandom random;
    ScriptedModules modules{log, [](const void*, int) {}};
    Program program;

    explicit Headless(const fs::path& folder)
        : program(Services{.kit = kit,
                           .http = http,
                           .shell = shell,
                           .files = files,
                           .clock = clock,
                           .random = random,
                           .modules = modules,
                           .programdirectory = fromutf8(folder.string()),
                           .enginebytes = {}}) {
        files.setcurrentdirectory(program.services().programdirectory);
    }
};

struct Row {
    std::int64_t id;
    std::string word;
    std::string count;
};

// SQLite alone: the query read whole into memory.
std::vector<Row> readwhole(sqlite3* db, const std::string& sql) {
    std::vector<Row> rows;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const auto text = [&](int column) {
            const auto* bytes = sqlite3_column_text(statement, column);
            return bytes ? std::string(
                               reinterpret_cast<const char*>(bytes),
                               static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
                         : std::string();
        };
        rows.push_back({sqlite3_column_int64(statement, 0), text(1), text(2)});
    }
    sqlite3_finalize(statement);
    return rows;
}

sqlite3* opendb(const fs::path& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_busy_timeout(db, 15000);
    return db;
}

// Opening the library window on 100,000 words: creation (file test, open, query, list fill),
// then the window closes.
void OpenWindow100k_Program(benchmark::State& state) {
    const fs::path folder = benchfolder() / "open";
    fs::create_directories(folder);
    fs::copy_file(library(100000), folder / "caici.mdb", fs::copy_options::overwrite_existing);
    int listed = 0;
    for (auto _ : state) {
        // A fresh kit each time: the headless kit keeps its closed windows, lists included.
        state.PauseTiming();
        auto headless = std::make_unique<Headless>(folder);
        state.ResumeTiming();
        openlibrary(headless->program);
        state.PauseTiming();
        listed = headless->program.state().wordcount;
        headless.reset();
        state.ResumeTiming();
    }
    if (listed != 100000) {
        state.SkipWithError("the list did not hold every word");
    }
}

void OpenWindow100k_SqliteAlone(benchmark::State& state) {
    const fs::path file = library(100000);
    for (auto _ : state) {
        sqlite3* db = opendb(file);
        std::vector<Row> rows = readwhole(db, "select * from ciyu order by ID desc");
        benchmark::DoNotOptimize(rows.data());
        sqlite3_close(db);
    }
}

constexpr std::size_t importbase = 10000;
constexpr std::size_t importnew = 1000;

fs::path importfile() {
    const fs::path path = benchfolder() / "import.txt";
    if (!fs::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& word : makewords(importnew, importbase)) {
            out << fromutf8(word) << "\r\n";
        }
    }
    return path;
}

// Importing 1,000 new words into a 10,000-word library: the 导入 click alone is timed.
void Import1000_Program(benchmark::State& state) {
    const fs::path folder = benchfolder() / "import";
    fs::create_directories(folder);
    const Text path = fromutf8(importfile().string());
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(library(importbase), folder / "caici.mdb",
                      fs::copy_options::overwrite_existing);
        auto headless = std::make_unique<Headless>(folder);
        bool done = false;
        headless->kit.setdriver([&] {
            if (done) {
                return false;
            }
            done = true;
            HeadlessWindow& window = *headless->kit.find("library");
            headless->kit.queuefile(path);
            window.click("打开");
            state.ResumeTiming();
            window.click("daoru");
            state.PauseTiming();
            return true;
        });
        openlibrary(headless->program);
        const int listed = headless->program.state().wordcount;
        headless.reset();
        state.ResumeTiming();
        if (listed != static_cast<int>(importbase + importnew)) {
            std::cerr << "listed " << listed << '\n';
            state.SkipWithError("the import did not store every word");
            break;
        }
    }
}

std::string quote(const std::string& value) {
    std::string out;
    for (char c : value) {
        out += c;
        if (c == '\'') {
            out += '\'';
        }
    }
    return out;
}

// The same statements straight on SQLite, in the same order, re-opens included.
void Import1000_SqliteAlone(benchmark::State& state) {
    const fs::path folder = benchfolder() / "importsqlite";
    fs::create_directories(folder);
    const fs::path file = folder / "caici.mdb";
    const fs::path words = importfile();
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(library(importbase), file, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        sqlite3* db = opendb(file);
        std::ifstream in(words, std::ios::binary);
        std::size_t stored = 0;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            const std::string word = toutf8(line);
            sqlite3* fresh = opendb(file);
            sqlite3_close(db);
            db = fresh;
            if (!readwhole(db, "select * from ciyu where 词语='" + quote(word) + "'").empty()) {
                continue;
            }
            const std::string insert = "insert into ciyu(词语,字数) values('" + quote(word) +
                                       "','" + std::to_string(line.size() / 2) + "')";
            sqlite3_exec(db, insert.c_str(), nullptr, nullptr, nullptr);
            fresh = opendb(file);
            sqlite3_close(db);
            db = fresh;
            stored = readwhole(db, "select * from ciyu order by ID desc").size();
        }
        sqlite3_close(db);
        if (stored != importbase + importnew) {
            std::cerr << "stored " << stored << '\n';
            state.SkipWithError("the import did not store every word");
            break;
        }
    }
}

BENCHMARK(OpenWindow100k_Program)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(OpenWindow100k_SqliteAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Import1000_Program)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Import1000_SqliteAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each benchmark's real time per iteration to print the ratios after the run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration) {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace
} // namespace vantrel

int main(int argc, char** argv) {
    // On virtual machines a page's first touch can cost microseconds, so whether glibc hands a
    // freed block back to the kernel decides the timings more than the work does, and in which
    // order the benchmarks run. Keeping freed memory in the heap (VANTREL_BENCH_KEEPHEAP=0 to
    // leave glibc's defaults) makes both sides of each ratio pay the same.
    const char* keep = std::getenv("VANTREL_BENCH_KEEPHEAP");
    if (keep == nullptr || std::string(keep) != "0") {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024); // glibc's largest
        mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    }
    benchmark::Initialize(&argc, argv);
    vantrel::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const std::string& program, const std::string& alone, const char* what) {
        const auto find = [&](const std::string& name) {
            auto found = reporter.times.lower_bound(name);
            return found != reporter.times.end() && found->first.starts_with(name)
                       ? found
                       : reporter.times.end();
        };
        const auto p = find(program);
        const auto a = find(alone);
        if (p != reporter.times.end() && a != reporter.times.end() && a->second > 0) {
            std::cout << what << ": program " << p->second << " ms, SQLite alone " << a->second
                      << " ms, ratio " << p->second / a->second << " (limit 1.5)\n";
        }
    };
    ratio("OpenWindow100k_Program", "OpenWindow100k_SqliteAlone",
          "open the library window on 100,000 words");
    ratio("Import1000_Program", "Import1000_SqliteAlone", "import 1,000 new words into 10,000");
    std::error_code ignored;
    std::filesystem::remove_all(vantrel::benchfolder(), ignored);
    benchmark::Shutdown();
}
