// The disk adapter: atomic saves, reads, finding and listing, on this
// system's own calls (POSIX, or the wide-character API on Windows).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/disk.h"
#include "rules/app/utf8path.h"

using namespace vantorelle;
namespace fs = std::filesystem;

namespace {

// A scratch folder of its own, removed afterwards. The name may hold any
// UTF-8 text.
struct ScratchFolder {
    std::string path; // UTF-8
    explicit ScratchFolder(const std::string& name = "disk")
    {
        std::random_device random;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const fs::path p = fs::temp_directory_path() / pathFromUtf8("vantorelle-" + name + "-" + std::to_string(stamp) +
                                                                    "-" + std::to_string(random()));
        fs::create_directories(p);
        path = utf8FromPath(p);
    }
    ~ScratchFolder()
    {
        std::error_code e;
        fs::remove_all(pathFromUtf8(path), e);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }
    // Every name in the folder, files and folders, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(pathFromUtf8(path)))
            out.push_back(utf8FromPath(entry.path().filename()));
        std::sort(out.begin(), out.end());
        return out;
    }
};

void put(const std::string& path, const std::string& bytes)
{
    std::ofstream out(pathFromUtf8(path), std::ios::binary);
    out << bytes;
}

std::string bytesOf(const std::string& path)
{
    std::ifstream in(pathFromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A career-sized text in lines ended by CR LF, which must come back byte for byte.
std::string careerLikeText(int lines, char fill)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += std::to_string(i) + "," + std::string(40, fill) + "\r\n";
    return text;
}

} // namespace

TEST(Disk, ASaveReplacesTheFileWholeAndLeavesNothingBeside)
{
    ScratchFolder dir;
    const std::string path = dir.file("Ivo Vane.car");
    put(path, careerLikeText(600, 'o')); // longer than the new text: nothing of it may remain
    const std::string text = careerLikeText(520, 'n');
    std::string why = "untouched";
    ASSERT_TRUE(saveTextFile(path, text, &why));
    EXPECT_EQ(why, "untouched");
    EXPECT_EQ(bytesOf(path), text);
    EXPECT_EQ(readTextFile(path), text);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Ivo Vane.car"});

    // A file that was not there is made; an empty text is a file of no bytes.
    ASSERT_TRUE(saveTextFile(dir.file("new.his"), ""));
    EXPECT_TRUE(fileExists(dir.file("new.his")));
    EXPECT_EQ(readTextFile(dir.file("new.his")), std::string());
}

TEST(Disk, ASaveThatCannotBeMadeSaysWhyAndChangesNothing)
{
    ScratchFolder dir;
    // The folder is not there: a message, and nothing is created.
    std::string why;
    EXPECT_FALSE(saveTextFile(dir.file("missing/Ivo Vane.car"), "text", &why));
    EXPECT_FALSE(why.empty());
    EXPECT_FALSE(fileExists(dir.file("missing")));
    EXPECT_TRUE(dir.names().empty());

    // A folder stands where the file should be: it stays, with nothing beside it.
    fs::create_directory(pathFromUtf8(dir.file("Ivo Vane.car")));
    why.clear();
    EXPECT_FALSE(saveTextFile(dir.file("Ivo Vane.car"), "text", &why));
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(fs::is_directory(pathFromUtf8(dir.file("Ivo Vane.car"))));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Ivo Vane.car"});
    // Nor is a folder read or removed as a file.
    EXPECT_FALSE(readTextFile(dir.file("Ivo Vane.car")));
    EXPECT_FALSE(removeFile(dir.file("Ivo Vane.car")));
    EXPECT_TRUE(fileExists(dir.file("Ivo Vane.car")));
}

TEST(Disk, ALeftoverCopyIsWrittenOverAndThePlayersOwnFilesAreNeverTouched)
{
    ScratchFolder dir;
    const std::string path = dir.file("Nia.car");
    put(path, "old");
    put(dir.file("Nia.car.vantorelle-new"), careerLikeText(900, 'x')); // a crash left it mid-save
    put(dir.file("Nia.car.Backup"), "the player's own copy");
    ASSERT_TRUE(saveTextFile(path, "new"));
    EXPECT_EQ(bytesOf(path), "new");
    EXPECT_EQ(bytesOf(dir.file("Nia.car.Backup")), "the player's own copy");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"Nia.car", "Nia.car.Backup"}));
}

TEST(Disk, AccentedNamesAreSavedFoundIgnoringCaseAndListed)
{
    ScratchFolder dir("données"); // the folder's own name is accented too
    const std::string zoe = "Zoë Brandt.car";
    const std::string jose = "José Núñez.his";
    ASSERT_TRUE(saveTextFile(dir.file(zoe), "Zoë's career\r\n"));
    ASSERT_TRUE(saveTextFile(dir.file(jose), "José's history\r\n"));
    put(dir.file(".hidden.car"), "x");
    // The name is the one the system shows, not bytes in a local code page.
    EXPECT_EQ(dir.names(), (std::vector<std::string>{".hidden.car", jose, zoe}));

    const auto found = findFileIgnoringCase(dir.path, "ZOË BRANDT.CAR");
    ASSERT_TRUE(found);
    EXPECT_TRUE(sameFile(*found, dir.file(zoe)));
    EXPECT_EQ(readTextFile(*found), "Zoë's career\r\n");
    EXPECT_TRUE(findFileIgnoringCase(dir.path, "josé núñez.HIS"));
    EXPECT_FALSE(findFileIgnoringCase(dir.path, "Zoe Brandt.car")); // e is not ë
    EXPECT_FALSE(findFileIgnoringCase(dir.path, ".HIDDEN.car"));

    EXPECT_EQ(filesEndingWith(dir.path, ".CAR"), std::vector<std::string>{zoe});
    EXPECT_EQ(filesEndingWith(dir.path, ".his"), std::vector<std::string>{jose});

    EXPECT_TRUE(removeFile(dir.file(zoe)));
    EXPECT_FALSE(fileExists(dir.file(zoe)));
    EXPECT_TRUE(removeFile(dir.file(zoe))); // gone already counts
    EXPECT_TRUE(filesEndingWith(dir.path, ".car").empty());
    EXPECT_TRUE(filesEndingWith(dir.file("missing"), ".car").empty());
}

TEST(Disk, AFileLargerThanTheLimitIsNotRead)
{
    ScratchFolder dir;
    put(dir.file("big.car"), std::string(101, 'x'));
    EXPECT_FALSE(readTextFile(dir.file("big.car"), 100));
    EXPECT_EQ(readTextFile(dir.file("big.car"), 101), std::string(101, 'x'));
    EXPECT_FALSE(readTextFile(dir.file("missing.car")));
}
