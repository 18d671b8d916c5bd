#pragma once
// A scratch folder for record files, and what the tests read from them.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/matchstore.h"
#include "records/recordbuilder.h"

namespace vantorelle::records::testing {

struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder()
    {
        char name[] = "/tmp/vantorelle-records-XXXXXX";
        path = mkdtemp(name);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::string file(const std::string& name = "Records.db") const { return (path / name).string(); }
};

inline std::string contents(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void write(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Every row of the store's tables, in key order, as text.
inline std::string dump(const std::string& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string text;
    for (const char* sql :
         {"SELECT * FROM matches ORDER BY id", "SELECT * FROM players ORDER BY match_id, player",
          "SELECT * FROM turns ORDER BY match_id, seq", "SELECT * FROM darts ORDER BY match_id, player, seq, dart"}) {
        sqlite3_exec(
            db, sql,
            [](void* out, int n, char** values, char**) {
                auto& t = *static_cast<std::string*>(out);
                for (int i = 0; i < n; ++i)
                    t += std::string(values[i] ? values[i] : "NULL") + '|';
                t += '\n';
                return 0;
            },
            &text, nullptr);
        text += "--\n";
    }
    sqlite3_close(db);
    return text;
}

// Records a whole match: begun, turn by turn, finished. Its id.
inline std::int64_t record(MatchStore& store, MatchBuilder& b)
{
    const auto id = store.beginMatch(b.match);
    if (!id)
        return 0;
    b.match.id = id.value;
    for (const TurnRecord& t : b.turns)
        if (!store.addTurn(id.value, t))
            return 0;
    if (!store.finishMatch(id.value,
                           {b.match.ended, b.match.winner, b.match.sets, b.match.legs, b.match.practiceResult}))
        return 0;
    return id.value;
}

} // namespace vantorelle::records::testing
