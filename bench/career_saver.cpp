// Plays a career on and on in a data folder, saving it wherever the game
// saves it, until it is killed or its time is up. Made to be killed: before
// each career save it appends "B <hash>" to a journal and after it
// "C <hash>", each line written straight to the file, so whoever kills it can
// tell which texts the career file may hold.
//
//   career_saver <data folder> <journal> <seed> [seconds, default 10]
//
// A career file already in the folder is loaded and played on, as the Load
// command reopens it; otherwise a new career is started.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "career_drive.h"

using namespace vantorelle;

namespace {

class Journal {
public:
    explicit Journal(const char* path) : m_fd(::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {}
    ~Journal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool ok() const { return m_fd >= 0; }
    // One line, one write: a kill leaves it whole or absent.
    void line(char kind, const std::string& text)
    {
        const std::string l = std::string(1, kind) + " " + drive::hex(drive::fnv1a(text)) + "\n";
        if (::write(m_fd, l.data(), l.size()) != static_cast<ssize_t>(l.size()))
            std::_Exit(4);
    }

private:
    int m_fd;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: career_saver <data folder> <journal> <seed> [seconds]\n");
        return 64;
    }
    const std::string folder = argv[1];
    const std::uint64_t seed = std::strtoull(argv[3], nullptr, 10);
    const double seconds = argc > 4 ? std::atof(argv[4]) : 10.0;
    Journal journal(argv[2]);
    if (!journal.ok()) {
        std::fprintf(stderr, "career_saver: cannot open the journal %s\n", argv[2]);
        return 3;
    }

    drive::Driver career(folder, seed);
    career.beforeSave = [&](const std::string& text) { journal.line('B', text); };
    career.afterSave = [&](const std::string& text) { journal.line('C', text); };

    if (fileExists(career.careerPath())) {
        const auto text = readTextFile(career.careerPath());
        if (!text) {
            std::fprintf(stderr, "career_saver: the career file cannot be read\n");
            return 3;
        }
        career.reopen(readCareerFile(*text, drive::kCareerName));
    } else if (!career.startNew(VANTORELLE_ASSETS "/Data/Stats.dat", 1 + static_cast<int>(seed % 4), 1)) {
        std::fprintf(stderr, "career_saver: %s\n", career.lastError().c_str());
        return 2;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!career.step()) {
            std::fprintf(stderr, "career_saver: %s\n", career.lastError().c_str());
            return 2;
        }
    }
    std::printf("saves %d, tournaments finished %d\n", career.saves(), career.tournamentsFinished());
    return 0;
}
