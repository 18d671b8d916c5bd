// The store fails cleanly, says why in words, and leaves the player's file as
// it was: a damaged file, a newer one, another program's, a locked one, a
// read-only file or folder, a full disk.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>

#include "platform/storeschema.h"
#include "records/storehelpers.h"

using namespace vantorelle;
using namespace vantorelle::records;
using namespace vantorelle::records::testing;

namespace {

// A store with a few recorded matches, closed.
void makeStore(const std::string& file, int matches)
{
    MatchStore store;
    ASSERT_TRUE(store.open(file));
    std::mt19937_64 gen(3);
    for (int i = 0; i < matches; ++i) {
        MatchBuilder b = playMatch(gen, "501", 3, 1, {200.0, 200.0});
        ASSERT_GT(record(store, b), 0);
    }
}

// Runs body in a child process (as an ordinary user when this one is the
// superuser, who may write anywhere) and hands back what it wrote to out.
std::string inChild(const std::function<std::string()>& body, bool unprivileged)
{
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        const std::string said = body();
        const auto n = ::write(fds[1], said.data(), said.size());
        _exit(n == static_cast<ssize_t>(said.size()) ? 0 : 1);
    }
    close(fds[1]);
    std::string said;
    char buf[512];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0)
        said.append(buf, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? said : "the child failed";
}

} // namespace

TEST(MatchStoreFailure, ADamagedFileIsReportedAndNeverTouched)
{
    ScratchFolder dir;
    std::mt19937_64 gen(5);
    std::string noise(20000, '\0');
    for (char& c : noise)
        c = static_cast<char>(gen());
    std::string good;
    makeStore(dir.file("good.db"), 30);
    good = contents(dir.file("good.db"));
    ASSERT_GT(good.size(), 60000u);
    std::string damagedPage = good;
    for (std::size_t i = good.size() * 3 / 5; i < good.size() * 3 / 5 + 4096; ++i)
        damagedPage[i] = static_cast<char>(gen());

    const std::vector<std::pair<std::string, std::string>> files{
        {"random bytes", noise},
        {"a text file", "Date,Tournament,Result\r\nnot a database\r\n"},
        {"cut short", good.substr(0, good.size() / 2)},
        {"the header only", good.substr(0, 100)},
    };
    for (const auto& [what, bytes] : files) {
        write(dir.file(), bytes);
        MatchStore store;
        const StoreResult r = store.open(dir.file());
        EXPECT_FALSE(r) << what;
        EXPECT_EQ(r.message, store::kDamaged) << what;
        EXPECT_FALSE(store.isOpen());
        EXPECT_EQ(contents(dir.file()), bytes) << what;
        EXPECT_FALSE(std::filesystem::exists(dir.file() + "-wal")) << what;
    }

    // Damage inside: the file opens, and whatever touches the damage fails
    // with the same words instead of crashing; the file is not written.
    write(dir.file(), damagedPage);
    MatchStore store;
    if (store.open(dir.file())) {
        std::vector<StoreResult> results{store.heatDarts({"Ann Lee", Period::All, 0, std::nullopt}).result,
                                         store.figures({"Ann Lee", Period::All, 0, std::nullopt}).result};
        for (std::int64_t id = 1; id <= 30; ++id)
            results.push_back(store.turns(id).result);
        MatchBuilder b("501");
        const auto id = store.beginMatch(b.match);
        if (id)
            results.push_back(store.addTurn(id.value, x01Turn({1, 1, 1, 1}, 501, darts({"T20"}))));
        const auto damaged = std::count_if(results.begin(), results.end(),
                                           [](const StoreResult& r) { return !r && r.message == store::kDamaged; });
        EXPECT_GT(damaged, 0);
        EXPECT_TRUE(
            std::all_of(results.begin(), results.end(), [](const StoreResult& r) { return r || !r.message.empty(); }));
    }
    store.close();

    // Moved aside with its companions, it is kept whole, and a new file starts.
    write(dir.file(), noise);
    write(dir.file() + "-wal", "wal");
    const auto moved = MatchStore::moveAside(dir.file(), "2024-05-01");
    ASSERT_TRUE(moved) << moved.result.message;
    EXPECT_EQ(moved.value, dir.file() + ".damaged-2024-05-01");
    EXPECT_EQ(contents(moved.value), noise);
    EXPECT_EQ(contents(moved.value + "-wal"), "wal");
    write(dir.file(), noise);
    EXPECT_EQ(MatchStore::moveAside(dir.file(), "2024-05-01").value, dir.file() + ".damaged-2024-05-01-2");
    EXPECT_EQ(contents(moved.value), noise);
    EXPECT_TRUE(store.open(dir.file()));
}

TEST(MatchStoreFailure, ANewerFileOrAnotherProgramsIsLeftAsItIs)
{
    ScratchFolder dir;
    for (const char* setup : {"PRAGMA user_version = 7; CREATE TABLE matches (future);",
                              "PRAGMA journal_mode = WAL; PRAGMA user_version = 2; CREATE TABLE x (y);",
                              "CREATE TABLE accounts (name, balance); INSERT INTO accounts VALUES ('A', 1);"}) {
        for (const char* companion : {"", "-wal", "-shm"})
            std::filesystem::remove(dir.file() + companion);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(dir.file().c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, setup, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        const std::string before = contents(dir.file());
        MatchStore store;
        const StoreResult r = store.open(dir.file());
        EXPECT_FALSE(r);
        EXPECT_EQ(r.message, std::string(setup).starts_with("CREATE") ? store::kNotRecords : store::kNewerFile);
        store.close();
        EXPECT_EQ(contents(dir.file()), before) << setup;
        EXPECT_FALSE(std::filesystem::exists(dir.file() + "-wal")) << setup;
    }
}

TEST(MatchStoreFailure, AFileLockedByAnotherCopyFailsAtOnceAndReadingGoesOn)
{
    ScratchFolder dir;
    makeStore(dir.file(), 2);
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file()));
    MatchBuilder b("501");
    const auto id = store.beginMatch(b.match);
    ASSERT_TRUE(id);

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dir.file().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE matches SET ended = ended", nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto started = std::chrono::steady_clock::now();
    const StoreResult r = store.addTurn(id.value, x01Turn({1, 1, 1, 1}, 501, darts({"T20"})));
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_FALSE(r);
    EXPECT_EQ(r.message, "The match records are in use by another copy of the game.");
    EXPECT_LT(waited, std::chrono::milliseconds(200));
    EXPECT_EQ(store.figures({"Ann Lee", Period::All, 0, std::nullopt}).value.size(), 2u);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    // The match would have a hole: nothing more is recorded until it is opened again.
    EXPECT_FALSE(store.addTurn(id.value, x01Turn({2, 1, 1, 1}, 501, darts({"T20"}))));
    EXPECT_TRUE(store.turns(id.value).value.empty());
}

TEST(MatchStoreFailure, AReadOnlyFileOrFolderFailsCleanly)
{
    namespace fs = std::filesystem;
    ScratchFolder dir;
    fs::permissions(dir.path, fs::perms::all);
    const std::string readOnlyFolder = dir.file("shut");
    const std::string readOnlyFile = dir.file("open/Records.db");
    fs::create_directories(readOnlyFolder);
    fs::create_directories(dir.file("open"));
    makeStore(readOnlyFolder + "/Records.db", 1);
    makeStore(readOnlyFile, 1);
    fs::permissions(readOnlyFolder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(dir.file("open"), fs::perms::all);
    fs::permissions(readOnlyFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = contents(readOnlyFile);

    for (const std::string& file : {readOnlyFolder + "/Records.db", readOnlyFolder + "/New.db", readOnlyFile}) {
        const std::string said = inChild(
            [&] {
                MatchStore store;
                const StoreResult r = store.open(file);
                if (r)
                    return std::string("opened");
                MatchBuilder b("501");
                return r.message + "|" + store.beginMatch(b.match).result.message;
            },
            true);
        EXPECT_EQ(said, "The match records cannot be written (the file or its folder is read-only).|"
                        "The match records are not open.")
            << file;
    }
    EXPECT_EQ(contents(readOnlyFile), before);
    EXPECT_FALSE(fs::exists(readOnlyFolder + "/New.db"));
}

TEST(MatchStoreFailure, AFullDiskFailsTheTurnAndKeepsTheTurnsBeforeIt)
{
    ScratchFolder dir;
    const std::string said = inChild(
        [&] {
            MatchStore store;
            if (!store.open(dir.file()))
                return std::string("not opened");
            std::mt19937_64 gen(9);
            MatchBuilder b = playMatch(gen, "501", 5, 3, {300.0, 300.0});
            const auto id = store.beginMatch(b.match);
            for (std::size_t i = 0; i < 5; ++i)
                store.addTurn(id.value, b.turns[i]);
            // The disk is full: no file may grow beyond what it holds now.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur =
                std::max(std::filesystem::file_size(dir.file()), std::filesystem::file_size(dir.file() + "-wal"));
            setrlimit(RLIMIT_FSIZE, &limit);
            std::string out;
            for (std::size_t i = 5; i < b.turns.size() && out.empty(); ++i)
                if (const StoreResult r = store.addTurn(id.value, b.turns[i]); !r)
                    out = std::to_string(i) + "|" + r.message + "|" + store.addTurn(id.value, b.turns[i]).message;
            return out;
        },
        false);
    ASSERT_NE(said.find('|'), std::string::npos) << said;
    const std::size_t failedAt = std::stoul(said.substr(0, said.find('|')));
    EXPECT_EQ(said.substr(said.find('|') + 1), "The match records cannot be written (the disk is full).|"
                                               "The match records cannot be written (the disk is full).");
    // The file is whole, with every turn up to the one that failed.
    MatchStore store;
    ASSERT_TRUE(store.open(dir.file())) << store.problem();
    const auto turns = store.turns(1);
    ASSERT_TRUE(turns);
    EXPECT_EQ(turns.value.size(), failedAt);
    EXPECT_GE(failedAt, 5u);
}
