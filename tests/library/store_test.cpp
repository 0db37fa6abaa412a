// The word store on real SQLite files.
#include "library/wordstore.h"
#include "scratch.h"

#include "text/search.h"

#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vantrel {
namespace {

using testing::directsql;
using testing::makelib;
using testing::readbytes;
using testing::Scratch;
using testing::writebytes;

// Every row of a result: the columns read by name, as the list shows them.
std::vector<std::string> readall(WordStore& store, std::int32_t handle) {
    std::vector<std::string> rows;
    store.firstrow(handle);
    while (!store.pastlast(handle)) {
        rows.push_back(toutf8(valuetext(store.readcolumn(handle, "ID"_t)) + "|" +
                              valuetext(store.readcolumn(handle, "词语"_t)) + "|" +
                              valuetext(store.readcolumn(handle, "字数"_t))));
        store.nextrow(handle);
    }
    return rows;
}

class Store : public ::testing::Test {
  protected:
    void SetUp() override {
        makelib(scratch.file("caici.mdb"), {"苹果", "香蕉", "西瓜"});
        ASSERT_TRUE(store.openstore(path));
    }
    Scratch scratch;
    Text path = scratch.programpath("caici.mdb");
    WordStore store;
};

TEST(ConnectionString, GameFolderExample) {
    EXPECT_EQ(connectionstring("D:\\game\\caici.mdb"),
              "ODBC;DBQ=D:\\game\\caici.mdb;DefaultDir=D:\\game;"
              "Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;");
}

TEST(ConnectionString, NoBackslashNoDefaultDir) {
    EXPECT_EQ(connectionstring("caici.mdb"),
              "ODBC;DBQ=caici.mdb;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;");
}

TEST(ConnectionString, TrailByteIsNotAFolderSeparator) {
    // 0x81 0x5C is one double-byte character whose second byte is a backslash.
    const Text path = "D:\\\x81\x5C"
                      "caici.mdb";
    EXPECT_EQ(connectionstring(path),
              "ODBC;DBQ=" + path +
                  ";DefaultDir=D:" + ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;");
}

TEST(Values, AsText) {
    EXPECT_EQ(valuetext(Text("花")), "花");
    EXPECT_EQ(valuetext(std::int32_t{-17}), "-17");
    EXPECT_EQ(valuetext(std::int16_t{300}), "300");
    EXPECT_EQ(valuetext(std::int8_t{-5}), "-5");
    // Single-precision reals are written like any real, from their exact value.
    EXPECT_EQ(valuetext(0.1f), "0.1000000014901");
    EXPECT_EQ(valuetext(2.5f), "2.5");
    EXPECT_EQ(valuetext(200.0 / 3), "66.66666666667");
    EXPECT_EQ(valuetext(2.5), "2.5");
    EXPECT_EQ(valuetext(true), "True");
    EXPECT_EQ(valuetext(DateTime{2016, 11, 23, 20, 8, 45}), "2016/11/23 20:08:45");
    EXPECT_EQ(valuetext(DateTime{2016, 11, 23, 0, 0, 0}), "2016/11/23");
    EXPECT_EQ(valuetext(Blob{"ab"}), "ab");
}

TEST(Values, AsInteger) {
    EXPECT_EQ(valueinteger(std::int32_t{42}), 42);
    EXPECT_EQ(valueinteger(std::int8_t{-3}), -3);
    EXPECT_EQ(valueinteger(-2.9), -2);
    EXPECT_EQ(valueinteger(1e12), std::nullopt);
    EXPECT_EQ(valueinteger(Text("42")), std::nullopt);
}

TEST(ClosedStore, AnswersNothing) {
    WordStore store;
    EXPECT_EQ(store.runquery("select * from ciyu"), 0);
    EXPECT_FALSE(store.runstatement("delete from ciyu "));
}

TEST_F(Store, HandleZeroIsAnEmptyResult) {
    store.firstrow(0);
    store.nextrow(0);
    EXPECT_TRUE(store.pastlast(0));
    EXPECT_EQ(std::get<Text>(store.readcolumn(0, "ID")), "");
    EXPECT_TRUE(store.pastlast(12345));
}

TEST_F(Store, ColumnsTypedByDeclaredType) {
    const std::int32_t handle = store.runquery("select * from ciyu order by ID desc");
    ASSERT_NE(handle, 0);
    EXPECT_FALSE(store.pastlast(handle));
    EXPECT_EQ(std::get<std::int32_t>(store.readcolumn(handle, "ID")), 3);
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "词语"_t)), "西瓜"_t);
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "字数"_t)), "2");
    // Names are matched exactly when reading.
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "id")), "");
    EXPECT_EQ(readall(store, handle),
              (std::vector<std::string>{"3|西瓜|2", "2|香蕉|2", "1|苹果|2"}));
}

TEST_F(Store, EveryDeclaredTypeOfPartTwoOne) {
    directsql(scratch.file("caici.mdb"),
              "create table t(a INTEGER, b SMALLINT, c TINYINT, d REAL, e FLOAT, f DOUBLE,"
              " g DATE, h TIMESTAMP, i BIT, j BLOB, k NUMERIC, l BIGINT, m VARCHAR(20),"
              " n DECIMAL(10,2));"
              "insert into t values('7', 300, 5, 0.5, 2.25, 1e3, '2016-11-23',"
              " '2016-11-23 20:08:45', 1, x'00ff', 12, 9000000000, 'x', 1.5);");
    const std::int32_t handle = store.runquery("select * from t");
    ASSERT_NE(handle, 0);
    EXPECT_EQ(std::get<std::int32_t>(store.readcolumn(handle, "a")), 7);
    EXPECT_EQ(std::get<std::int16_t>(store.readcolumn(handle, "b")), 300);
    EXPECT_EQ(std::get<std::int8_t>(store.readcolumn(handle, "c")), 5);
    EXPECT_EQ(std::get<float>(store.readcolumn(handle, "d")), 0.5f);
    EXPECT_EQ(std::get<double>(store.readcolumn(handle, "e")), 2.25);
    EXPECT_EQ(std::get<double>(store.readcolumn(handle, "f")), 1000.0);
    const auto g = std::get<DateTime>(store.readcolumn(handle, "g"));
    EXPECT_EQ(g.year * 10000 + g.month * 100 + g.day, 20161123);
    EXPECT_EQ(valuetext(store.readcolumn(handle, "h")), "2016/11/23 20:08:45");
    EXPECT_EQ(std::get<bool>(store.readcolumn(handle, "i")), true);
    EXPECT_EQ(std::get<Blob>(store.readcolumn(handle, "j")).bytes, std::string("\0\xff", 2));
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "k")), "12");
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "l")), "9000000000");
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "m")), "x");
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "n")), "1.5");
}

TEST_F(Store, NullWordReadsAsEmptyText) {
    directsql(scratch.file("caici.mdb"), "insert into ciyu(词语,字数) values(NULL,NULL)");
    const std::int32_t handle = store.runquery("select * from ciyu where ID=4");
    ASSERT_FALSE(store.pastlast(handle));
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "词语"_t)), "");
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "字数"_t)), "");
}

TEST_F(Store, KeysTooLargeForTheirTypeNeverNameAnotherRow) {
    directsql(scratch.file("caici.mdb"),
              "insert into ciyu(ID,词语,字数) values(4294967297,'大','1')");
    const std::int32_t handle = store.runquery("select * from ciyu where 词语='大'"_t);
    ASSERT_FALSE(store.pastlast(handle));
    EXPECT_EQ(valuetext(store.readcolumn(handle, "ID")), "4294967297");
    EXPECT_EQ(valueinteger(store.readcolumn(handle, "ID")), std::nullopt);
}

TEST_F(Store, EmptyTable) {
    EXPECT_TRUE(store.runstatement("delete from ciyu "));
    const std::int32_t handle = store.runquery("select * from ciyu");
    EXPECT_NE(handle, 0);
    EXPECT_TRUE(store.pastlast(handle));
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "ID")), "");
}

TEST_F(Store, QuotesDoubledReachTheStoreAsTyped) {
    // 词语 it's, spliced with its quote written twice.
    EXPECT_TRUE(store.runstatement("insert into ciyu(词语,字数) values('it''s','2')"_t));
    std::int32_t handle = store.runquery("select * from ciyu where 词语='it''s'"_t);
    ASSERT_FALSE(store.pastlast(handle));
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "词语"_t)), "it's");
    handle = store.runquery("select * from ciyu where 1=1 and 词语 like '%''%'"_t);
    EXPECT_EQ(readall(store, handle), (std::vector<std::string>{"4|it's|2"}));
    EXPECT_TRUE(store.runstatement("update ciyu set 词语='a''b',字数='1' where id=4"_t));
    EXPECT_EQ(directsql(scratch.file("caici.mdb"), "select 词语 from ciyu where ID=4"),
              std::vector<std::string>{"a'b"});
    // An unbalanced quote is a statement the store rejects.
    EXPECT_FALSE(store.runstatement("insert into ciyu(词语,字数) values('it's','2')"_t));
}

TEST_F(Store, PercentAndUnderscoreAreLikeWildcards) {
    store.runstatement("insert into ciyu(词语,字数) values('苹果派','3')"_t);
    std::int32_t handle = store.runquery("select * from ciyu where 1=1 and 词语 like '%苹_%'"_t);
    EXPECT_EQ(readall(store, handle), (std::vector<std::string>{"1|苹果|2", "4|苹果派|3"}));
    handle = store.runquery("select * from ciyu where 1=1 and 词语 like '%苹__%'"_t);
    EXPECT_EQ(readall(store, handle), (std::vector<std::string>{"4|苹果派|3"}));
    handle = store.runquery("select * from ciyu where 1=1 and 词语 like '%%%'"_t);
    EXPECT_EQ(readall(store, handle).size(), 4u);
    // Case-blind column names in statements; the search's trailing blank.
    handle = store.runquery("select * from ciyu where 1=1 and 词语 like '%瓜%'and 字数 = '2'"_t);
    EXPECT_EQ(readall(store, handle), (std::vector<std::string>{"3|西瓜|2"}));
    handle = store.runquery("select * from CIYU where 1=1 "_t);
    EXPECT_EQ(readall(store, handle).size(), 4u);
}

TEST_F(Store, ResultsAreSnapshots) {
    const std::int32_t before = store.runquery("select * from ciyu");
    EXPECT_TRUE(store.runstatement("delete from ciyu where id=1"));
    EXPECT_EQ(readall(store, before).size(), 3u);
    EXPECT_EQ(readall(store, store.runquery("select * from ciyu")).size(), 2u);
}

TEST_F(Store, CursorMovesAndRewinds) {
    const std::int32_t handle = store.runquery("select * from ciyu order by ID");
    store.nextrow(handle);
    store.nextrow(handle);
    EXPECT_EQ(std::get<std::int32_t>(store.readcolumn(handle, "ID")), 3);
    store.nextrow(handle);
    EXPECT_TRUE(store.pastlast(handle));
    store.nextrow(handle);
    EXPECT_TRUE(store.pastlast(handle));
    store.firstrow(handle);
    EXPECT_EQ(std::get<std::int32_t>(store.readcolumn(handle, "ID")), 1);
}

TEST_F(Store, ReopenInvalidatesOldHandles) {
    const std::int32_t old = store.runquery("select * from ciyu");
    ASSERT_NE(old, 0);
    store.runstatement("insert into ciyu(词语,字数) values('葡萄','2')"_t);
    ASSERT_TRUE(store.openstore(path));
    EXPECT_TRUE(store.pastlast(old));
    EXPECT_EQ(std::get<Text>(store.readcolumn(old, "ID")), "");
    const std::int32_t fresh = store.runquery("select * from ciyu where 词语='葡萄'"_t);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(readall(store, fresh), (std::vector<std::string>{"4|葡萄|2"}));
}

TEST_F(Store, FailedReopenKeepsTheOldConnection) {
    const std::int32_t old = store.runquery("select * from ciyu");
    EXPECT_FALSE(store.openstore(scratch.programpath("missing.mdb")));
    EXPECT_FALSE(store.pastlast(old));
    EXPECT_NE(store.runquery("select * from ciyu"), 0);
    EXPECT_FALSE(std::filesystem::exists(scratch.file("missing.mdb")));
}

TEST_F(Store, RejectedQueriesGiveZero) {
    EXPECT_EQ(store.runquery(""), 0);
    EXPECT_EQ(store.runquery("select * from nosuchtable"), 0);
    EXPECT_EQ(store.runquery("selec * from ciyu"), 0);
    // A statement that returns no rows is not a query: refused, and not run.
    EXPECT_EQ(store.runquery("delete from ciyu "), 0);
    EXPECT_EQ(readall(store, store.runquery("select * from ciyu")).size(), 3u);
    // One statement at a time.
    EXPECT_FALSE(store.runstatement("delete from ciyu where id=1; delete from ciyu "));
    EXPECT_EQ(readall(store, store.runquery("select * from ciyu")).size(), 3u);
    // A statement with a NUL byte in it.
    EXPECT_FALSE(store.runstatement(Text("insert into ciyu(词语,字数) values('a\0b','1')"_t)));
    EXPECT_FALSE(store.runstatement(""));
}

TEST_F(Store, StatementRowsAreDropped) {
    EXPECT_TRUE(store.runstatement("select * from ciyu"));
}

TEST_F(Store, WordsAreUtf8InTheFileAndGbkInTheProgram) {
    EXPECT_TRUE(store.runstatement("insert into ciyu(词语,字数) values('猕猴桃','3')"_t));
    EXPECT_EQ(directsql(scratch.file("caici.mdb"), "select 词语, 字数 from ciyu where ID=4"),
              std::vector<std::string>{"猕猴桃|3"});
    directsql(scratch.file("caici.mdb"), "insert into ciyu(词语,字数) values('荔枝','2')");
    const std::int32_t handle = store.runquery("select * from ciyu where 词语='荔枝'"_t);
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "词语"_t)), fromutf8("荔枝"));
}

TEST_F(Store, BytesThatAreNotGbkComeBackUnchanged) {
    // A UTF-8 word and stray high bytes, as an import file in the wrong encoding gives them.
    const Text raw = std::string("苹果") + "\xff\x80\x81" + "a\xfe";
    EXPECT_TRUE(store.runstatement("insert into ciyu(词语,字数) values('"_t + raw + "','4.5')"));
    const std::int32_t handle = store.runquery("select * from ciyu where 词语='"_t + raw + "'");
    ASSERT_FALSE(store.pastlast(handle));
    EXPECT_EQ(std::get<Text>(store.readcolumn(handle, "词语"_t)), raw);
}

// Files that are not databases: no rows, no statements, never changed.
class NotADatabase : public ::testing::TestWithParam<std::string> {};

TEST_P(NotADatabase, AnswersNothingAndStaysUnchanged) {
    Scratch scratch;
    const std::string file = scratch.file("caici.mdb");
    writebytes(file, GetParam());
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    WordStore store;
    EXPECT_FALSE(store.openstore(scratch.programpath("caici.mdb")));
    EXPECT_EQ(store.runquery("select * from ciyu order by ID desc"), 0);
    EXPECT_FALSE(store.runstatement("insert into ciyu(词语,字数) values('苹果','2')"_t));
    EXPECT_FALSE(store.runstatement("delete from ciyu "));
    EXPECT_EQ(readbytes(file), GetParam());
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    EXPECT_EQ(std::filesystem::directory_iterator(scratch.folder()) ==
                  std::filesystem::directory_iterator(),
              false);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.folder()),
                            std::filesystem::directory_iterator()),
              1);
}

std::string randombytes() {
    std::string bytes(4096, '\0');
    unsigned seed = 12345;
    for (char& byte : bytes) {
        seed = seed * 1103515245 + 12345;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

std::string damagedheader() {
    // The right first 16 bytes, then nothing a database would hold.
    return std::string("SQLite format 3\0", 16) + std::string(4080, '\x5a');
}

std::string filename(const ::testing::TestParamInfo<std::string>& info) {
    static const char* const names[] = {"ZeroBytes", "RandomBytes", "DamagedAfterHeader",
                                        "AccessHeader"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Files, NotADatabase,
                         ::testing::Values(std::string(), randombytes(), damagedheader(),
                                           std::string("Standard Jet DB\0", 16)),
                         filename);

TEST(ReadOnlyFile, ReadsButDoesNotWrite) {
    Scratch scratch;
    makelib(scratch.file("caici.mdb"), {"苹果"});
    std::filesystem::permissions(scratch.file("caici.mdb"), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::group_read);
    const std::string before = readbytes(scratch.file("caici.mdb"));
    WordStore store;
    ASSERT_TRUE(store.openstore(scratch.programpath("caici.mdb")));
    EXPECT_EQ(readall(store, store.runquery("select * from ciyu")).size(), 1u);
    if (geteuid() != 0) { // root writes read-only files all the same
        EXPECT_FALSE(store.runstatement("delete from ciyu "));
        EXPECT_EQ(readbytes(scratch.file("caici.mdb")), before);
    }
}

// Another process holds the database in an exclusive transaction until told to end.
class Locker {
  public:
    explicit Locker(const std::string& path) {
        int ready[2];
        int done[2];
        if (pipe(ready) != 0 || pipe(done) != 0) {
            throw std::runtime_error("pipe");
        }
        child_ = fork();
        if (child_ == 0) {
            close(ready[0]);
            close(done[1]);
            sqlite3* db = nullptr;
            sqlite3_open(path.c_str(), &db);
            const int locked = sqlite3_exec(db, "begin exclusive", nullptr, nullptr, nullptr);
            const char status = locked == SQLITE_OK ? 'y' : 'n';
            (void)!write(ready[1], &status, 1);
            char ignored;
            (void)!read(done[0], &ignored, 1); // until the parent closes its end
            _exit(0);
        }
        close(ready[1]);
        close(done[0]);
        done_ = done[1];
        char status = 'n';
        (void)!read(ready[0], &status, 1);
        close(ready[0]);
        locked_ = status == 'y';
    }
    ~Locker() { release(); }
    bool locked() const { return locked_; }
    void release() {
        if (child_ > 0) {
            close(done_);
            waitpid(child_, nullptr, 0);
            child_ = -1;
        }
    }

  private:
    pid_t child_ = -1;
    int done_ = -1;
    bool locked_ = false;
};

TEST(LockedDatabase, WaitsThenFails) {
    Scratch scratch;
    makelib(scratch.file("caici.mdb"), {"苹果"});
    using std::chrono::milliseconds;
    WordStore open(milliseconds(300));
    ASSERT_TRUE(open.openstore(scratch.programpath("caici.mdb")));

    Locker locker(scratch.file("caici.mdb"));
    ASSERT_TRUE(locker.locked());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(open.runquery("select * from ciyu"), 0);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, milliseconds(250));
    EXPECT_LT(waited, milliseconds(5000));
    EXPECT_FALSE(open.runstatement("insert into ciyu(词语,字数) values('香蕉','2')"_t));

    // Opening while locked fails, and leaves nothing open.
    WordStore fresh(milliseconds(300));
    EXPECT_FALSE(fresh.openstore(scratch.programpath("caici.mdb")));
    EXPECT_EQ(fresh.runquery("select * from ciyu"), 0);

    // Once the other process lets go, the same connection works again.
    locker.release();
    EXPECT_TRUE(open.runstatement("insert into ciyu(词语,字数) values('香蕉','2')"_t));
    EXPECT_EQ(readall(open, open.runquery("select * from ciyu")).size(), 2u);
}

TEST(LockedDatabase, DefaultWaitIsFifteenSeconds) {
    // Not timed: a short lock that ends within the default wait lets the query through.
    Scratch scratch;
    makelib(scratch.file("caici.mdb"), {"苹果"});
    WordStore store;
    ASSERT_TRUE(store.openstore(scratch.programpath("caici.mdb")));
    auto locker = std::make_unique<Locker>(scratch.file("caici.mdb"));
    ASSERT_TRUE(locker->locked());
    std::thread letgo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        locker->release();
    });
    EXPECT_NE(store.runquery("select * from ciyu"), 0);
    letgo.join();
}

} // namespace
} // namespace vantrel
