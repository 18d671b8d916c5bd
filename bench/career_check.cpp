// Checks the career file a killed career_saver left behind: it must be one
// of the texts the journal says it may hold, whole, read back to the same
// text, and a career loaded from it must play on and save again.
//
//   career_check <data folder> <journal>
//
// Prints one line and exits 0 when all is well ("ok ..." or "nofile" when
// nothing was ever committed), 1 on any fault ("FAIL ...").
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "career_drive.h"
#include "rules/career/rosterrecord.h"

using namespace vantorelle;

namespace {

struct JournalTail {
    std::string committed;            // the hash of the last text known to be on disk
    std::vector<std::string> pending; // texts begun after it, maybe on disk
    bool inSave = false;              // the last line is a save begun, not finished
};

// The last lines of the journal are enough: one save is under way at a time.
JournalTail readJournal(const std::string& path)
{
    JournalTail j;
    const auto text = readTextFile(path, 64 * 1024 * 1024);
    if (!text)
        return j;
    std::size_t start = text->size() > 65536 ? text->rfind('\n', text->size() - 65536) : 0;
    if (start == std::string::npos)
        start = 0;
    std::size_t pos = start;
    while (pos < text->size()) {
        std::size_t end = text->find('\n', pos);
        if (end == std::string::npos)
            break; // a line cut short is no line
        const std::string line = text->substr(pos, end - pos);
        pos = end + 1;
        if (line.size() != 18 || line[1] != ' ')
            continue;
        const std::string hash = line.substr(2);
        if (line[0] == 'C') {
            j.committed = hash;
            j.pending.clear();
            j.inSave = false;
        } else if (line[0] == 'B') {
            j.pending.push_back(hash);
            j.inSave = true;
        }
    }
    return j;
}

int fail(const std::string& why)
{
    std::printf("FAIL %s\n", why.c_str());
    return 1;
}

// What a sound career file looks like, beyond what the reader forgives.
std::string damage(const std::string& text, const CareerLoad& loaded)
{
    int lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') {
            if (i == 0 || text[i - 1] != '\r')
                return "a line not ended by CR LF";
            ++lines;
        }
    if (text.empty() || text.back() != '\n')
        return "the last line is cut short";
    if (lines != kCareerFileLines)
        return std::to_string(lines) + " lines";
    if (careerFileText(loaded.state) != text)
        return "the text read back is not the text saved";
    for (int i = 0; i < 160; ++i) {
        const std::string& entry = loaded.state.roster[static_cast<std::size_t>(i)];
        if (isBlank(entry) || lineName(entry).empty())
            return "roster entry " + std::to_string(i + 1) + " is empty";
    }
    if (GetCareerRank(loaded.state.roster, drive::kCareerName) == 0)
        return "the career player is not in his roster";
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: career_check <data folder> <journal>\n");
        return 64;
    }
    const std::string folder = argv[1];
    const JournalTail journal = readJournal(argv[2]);
    const std::string path = drive::inFolder(folder, careerFileName(drive::kCareerName));
    const char* saving = journal.inSave ? " insave" : "";

    if (!fileExists(path)) {
        if (journal.committed.empty()) {
            std::printf("nofile%s\n", saving);
            return 0;
        }
        return fail("the career file is gone after a save was committed");
    }
    const auto text = readTextFile(path);
    if (!text)
        return fail("the career file cannot be read");
    const std::string hash = drive::hex(drive::fnv1a(*text));
    const char* which = nullptr;
    if (hash == journal.committed)
        which = "committed";
    for (const auto& p : journal.pending)
        if (hash == p)
            which = "pending"; // renamed into place, killed before the journal heard
    if (!which)
        return fail("the career file holds no text the saver wrote last (hash " + hash + ")");

    const CareerLoad loaded = readCareerFile(*text, drive::kCareerName);
    if (const std::string why = damage(*text, loaded); !why.empty())
        return fail("damaged: " + why);

    // Play on from it in a scratch folder: through the end of this tournament
    // and the booking of the next, every save read back whole.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return fail("no scratch folder");
    drive::Driver career(scratch.path().toStdString(), drive::fnv1a(*text));
    career.reopen(loaded);
    std::string lastSaved;
    career.afterSave = [&](const std::string& t) { lastSaved = t; };
    int steps = 0;
    while (career.tournamentsFinished() < 2 && steps < 2000) {
        if (!career.step())
            return fail("playing on: " + career.lastError());
        ++steps;
    }
    if (career.tournamentsFinished() < 2)
        return fail("playing on: two tournaments not finished in 2000 steps");
    const auto again = readTextFile(career.careerPath());
    if (!again || *again != lastSaved)
        return fail("playing on: the last save did not read back");
    const CareerLoad reloaded = readCareerFile(*again, drive::kCareerName);
    if (const std::string why = damage(*again, reloaded); !why.empty())
        return fail("playing on: damaged: " + why);

    // The history, when there is one: every line a history line, and the
    // same line twice in a row counted (a tournament booked twice).
    int historyLines = 0;
    int repeated = 0;
    if (const auto his = readTextFile(drive::inFolder(folder, historyFileName(drive::kCareerName)))) {
        std::string previous;
        std::size_t pos = 0;
        while (pos < his->size()) {
            std::size_t end = his->find('\n', pos);
            const std::string line = his->substr(pos, end == std::string::npos ? std::string::npos : end - pos);
            pos = end == std::string::npos ? his->size() : end + 1;
            if (isBlank(line))
                continue;
            ++historyLines;
            if (line == previous)
                ++repeated;
            previous = line;
        }
        if (static_cast<int>(historyRows(*his).size()) != historyLines)
            return fail("the history holds a line that is not a history line");
        if (repeated > 0)
            return fail("a tournament is booked twice in the history");
    }
    std::printf("ok %s%s tournament %d history %d repeated %d\n", which, saving, loaded.state.tournamentNo,
                historyLines, repeated);
    return 0;
}
