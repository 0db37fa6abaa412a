// Opening the library window on 100,000 words, and importing 1,000 new words into 10,000 with a
// repaint after each, through the Qt kit; each next to the same statements run on SQLite alone
// in the same run. The kit's figures should stay within twice SQLite's.
#include "app/program.h"
#include "kit/headless/scripted.h"
#include "kit/linux/files.h"
#include "kit/qt/qtkit.h"
#include "kit/qt/qtwindow.h"
#include "kit/random.h"
#include "library/librarymaker.h"
#include "library/librarywindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <sstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// Distinct words of two to four characters, the n-th always the same.
std::string word(int n) {
    static const char* const characters[] = {
        "春", "夏", "秋", "冬", "山", "水", "风", "月", "花", "鸟", "天", "地", "人",
        "和", "红", "绿", "蓝", "白", "黑", "金", "木", "火", "土", "东", "西", "南",
        "北", "中", "大", "小", "多", "少", "上", "下", "左", "右", "前", "后", "日",
        "星", "云", "雨", "雪", "雷", "电", "光", "影", "声", "色", "香"};
    constexpr int base = 50;
    std::string text = characters[n % base];
    n /= base;
    text += characters[n % base];
    for (n /= base; n > 0; n /= base) {
        text += characters[(n - 1) % base];
    }
    return text;
}

std::vector<std::string> words(int from, int count) {
    std::vector<std::string> list;
    for (int n = from; n < from + count; ++n) {
        list.push_back(word(n));
    }
    return list;
}

fs::path library(int count) {
    const fs::path folder = fs::temp_directory_path() / ("vantrel-bench-" + std::to_string(count));
    const fs::path file = folder / "caici.mdb";
    if (!fs::exists(file)) {
        fs::create_directories(folder);
        std::string error;
        if (!makelibrary(file.string(), words(0, count), error)) {
            throw std::runtime_error(error);
        }
    }
    return file;
}

// The program on the Qt kit in a folder holding caici.mdb, as far as the library window needs.
struct QtProgram {
    explicit QtProgram(const fs::path& folder)
        : http(log), shell(log), modules(log, [](const void*, int) {}),
          program(Services{.kit = kit,
                           .http = http,
                           .shell = shell,
                           .files = files,
                           .clock = clock,
                           .random = random,
                           .modules = modules,
                           .programdirectory = fromutf8(folder.string()),
                           .enginebytes = {}}) {
        files.setcurrentdirectory(fromutf8(folder.string()));
    }
    // Opens the library window, runs then inside it once it is up, and closes it.
    void withlibrary(std::function<void(qt::QtWindow&)> then) {
        QTimer::singleShot(0, [this, then] {
            qt::QtWindow* window = kit.find(ui::librarywindow());
            then(*window);
            window->destroy();
        });
        openlibrary(program);
    }

    std::ostringstream log;
    qt::QtKit kit;
    ScriptedHttp http;
    ScriptedShell shell;
    PosixFiles files;
    ScriptedClock clock;
    PortableRandom random;
    ScriptedModules modules;
    Program program;
};

void readwhole(sqlite3* db, const char* sql, const std::string& parameter = {}) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    if (!parameter.empty()) {
        sqlite3_bind_text(statement, 1, parameter.c_str(), -1, SQLITE_STATIC);
    }
    std::vector<std::string> cells;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            const auto* text = sqlite3_column_text(statement, column);
            cells.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(statement);
    benchmark::DoNotOptimize(cells);
}

void OpenLibraryQt(benchmark::State& state) {
    const fs::path file = library(100000);
    QtProgram qt(file.parent_path());
    for (auto _ : state) {
        qt.withlibrary(
            [](qt::QtWindow& window) { benchmark::DoNotOptimize(window.rowcount("xinxi")); });
    }
}

void OpenLibrarySqlite(benchmark::State& state) {
    const fs::path file = library(100000);
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        readwhole(db, "select * from ciyu order by ID desc");
        sqlite3_close(db);
    }
}

// A fresh 10,000-word library and a file of 1,000 new words for each round.
fs::path freshimport() {
    const fs::path folder = fs::temp_directory_path() / "vantrel-bench-import";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(library(10000), folder / "caici.mdb");
    std::ofstream list(folder / "words.txt", std::ios::binary);
    for (const std::string& text : words(10000, 1000)) {
        list << fromutf8(text) << "\r\n";
    }
    return folder;
}

void ImportQt(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path folder = freshimport();
        QtProgram qt(folder);
        state.ResumeTiming();
        qt.withlibrary([&](qt::QtWindow& window) {
            qt.program.state().importpath = fromutf8((folder / "words.txt").string());
            window.frame()->findChild<QPushButton*>(QStringLiteral("daoru"))->click();
            if (window.rowcount("xinxi") != 11000) {
                state.SkipWithError("the import did not store every word");
            }
        });
    }
}

void ImportSqlite(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path folder = freshimport();
        state.ResumeTiming();
        sqlite3* db = nullptr;
        sqlite3_open((folder / "caici.mdb").c_str(), &db);
        readwhole(db, "select * from ciyu order by ID desc");
        for (const std::string& text : words(10000, 1000)) {
            readwhole(db, "select * from ciyu where 词语=?", text);
            sqlite3_stmt* insert = nullptr;
            sqlite3_prepare_v2(db, "insert into ciyu(词语,字数) values(?,?)", -1, &insert, nullptr);
            sqlite3_bind_text(insert, 1, text.c_str(), -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 2, "2", -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_finalize(insert);
            readwhole(db, "select * from ciyu order by ID desc");
        }
        sqlite3_close(db);
    }
}

BENCHMARK(OpenLibraryQt)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenLibrarySqlite)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportQt)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ImportSqlite)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vantrel

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
