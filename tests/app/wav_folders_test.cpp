#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "rules/app/decimal.h"
#include "rules/app/folders.h"
#include "rules/app/utf8path.h"
#include "rules/app/wav.h"

using namespace vantorelle;
namespace fs = std::filesystem;

namespace {

std::string le32(std::uint32_t v)
{
    return {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff), static_cast<char>((v >> 16) & 0xff),
            static_cast<char>((v >> 24) & 0xff)};
}

std::string wav(std::uint32_t byteRate, std::uint32_t dataBytes, bool withList = false)
{
    std::string fmt = std::string("fmt ") + le32(16) + std::string("\x01\x00\x01\x00", 4) + le32(byteRate / 2) +
                      le32(byteRate) + std::string("\x02\x00\x10\x00", 4);
    std::string list = withList ? std::string("LIST") + le32(3) + std::string("abc\0", 4) : std::string();
    std::string data = std::string("data") + le32(dataBytes) + std::string(dataBytes, '\0');
    std::string body = "WAVE" + fmt + list + data;
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}

struct TempDir {
    fs::path path;
    TempDir()
    {
        path = fs::temp_directory_path() / ("vantorelle-test-" + std::to_string(std::random_device()()) + "-" +
                                            std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

} // namespace

TEST(WavDuration, FromTheHeader)
{
    EXPECT_DOUBLE_EQ(*wavDuration(wav(32000, 16000)), 0.5);
    EXPECT_DOUBLE_EQ(*wavDuration(wav(32000, 32000, true)), 1.0); // an odd-sized chunk before the data
    std::string cut = wav(32000, 32000);
    cut.resize(cut.size() - 16000);
    EXPECT_DOUBLE_EQ(*wavDuration(cut), 0.5); // a truncated file plays what it has
    EXPECT_FALSE(wavDuration(""));
    EXPECT_FALSE(wavDuration("RIFF....WAVX"));
    EXPECT_FALSE(wavDuration(wav(0, 100)));
    std::string noFmt = std::string("RIFF") + le32(12) + "WAVE" + "data" + le32(4) + "abcd";
    EXPECT_FALSE(wavDuration(noFmt));
    std::string hugeChunk = std::string("RIFF") + le32(12) + "WAVE" + "JUNK" + le32(0xFFFFFFF0u);
    EXPECT_FALSE(wavDuration(hugeChunk));
}

TEST(WavDuration, ShippedClipsAreReadable)
{
    for (const char* clip :
         {"/Sounds/Referee/Score/180.wav", "/Sounds/Referee/Score/0.wav", "/Sounds/Referee/General/Match.wav",
          "/Sounds/Dart/Clean1.wav", "/Sounds/Dart/Bounce.wav"}) {
        std::ifstream in(std::string(VANTORELLE_ASSETS) + clip, std::ios::binary);
        ASSERT_TRUE(in) << clip;
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const auto d = wavDuration(bytes);
        ASSERT_TRUE(d) << clip;
        EXPECT_GT(*d, 0.05) << clip;
        EXPECT_LT(*d, 3.0) << clip;
    }
}

TEST(Folders, EnvironmentFirstThenBesideTheExecutable)
{
    TempDir exe, share, user;
    fs::create_directories(exe.path / "Data");
    std::ofstream(exe.path / "Data" / "Stats.dat") << "x";

    FolderInputs in;
    in.exeDir = exe.path.string();
    in.shareDir = share.path.string();
    in.userDataDir = (user.path / "Data").string();
    Folders f = resolveFolders(in);
    EXPECT_EQ(f.app, exe.path.string());
    EXPECT_EQ(f.data, (exe.path / "Data").string());

    in.envHome = "/somewhere/home";
    in.envData = "/somewhere/data";
    f = resolveFolders(in);
    EXPECT_EQ(f.app, "/somewhere/home");
    EXPECT_EQ(f.data, "/somewhere/data");

    // An executable folder without assets falls back to the share folder; its
    // Data folder is not there, so data goes to the user's folder, seeded.
    in = {};
    in.exeDir = user.path.string();
    in.shareDir = exe.path.string();
    in.userDataDir = (user.path / "mydata").string();
    fs::remove(exe.path / "Data" / "Stats.dat");
    fs::remove(exe.path / "Data");
    fs::create_directories(share.path / "Data");
    in.shareDir = share.path.string();
    std::ofstream(share.path / "Data" / "Stats.dat") << "shipped";
    fs::permissions(share.path / "Data", fs::perms::owner_read | fs::perms::owner_exec);
    f = resolveFolders(in);
    EXPECT_EQ(f.app, share.path.string());
    EXPECT_EQ(f.data, in.userDataDir);
    EXPECT_TRUE(f.perUser);
    // Even where the installed folder can be written (by the superuser), the
    // player's files stay out of it.
    fs::permissions(share.path / "Data", fs::perms::owner_all);
    f = resolveFolders(in);
    EXPECT_EQ(f.data, in.userDataDir);

    Folders seeded{share.path.string(), (user.path / "seeded").string(), true};
    EXPECT_TRUE(seedDataFolder(seeded));
    std::ifstream copy(user.path / "seeded" / "Stats.dat");
    std::string text;
    copy >> text;
    EXPECT_EQ(text, "shipped");
    // An existing roster is never overwritten.
    std::ofstream(user.path / "seeded" / "Stats.dat") << "mine";
    EXPECT_TRUE(seedDataFolder(seeded));
    std::ifstream again(user.path / "seeded" / "Stats.dat");
    again >> text;
    EXPECT_EQ(text, "mine");
    // A data folder named by the player is never filled behind his back.
    Folders named{share.path.string(), (user.path / "named").string(), false};
    seedDataFolder(named);
    EXPECT_FALSE(fs::exists(user.path / "named" / "Stats.dat"));
}

// Folders are UTF-8 text in the game: a player called Jürgen with a data
// folder called "Données" is found and seeded on every system.
TEST(Folders, AccentedFolderNames)
{
    TempDir root;
    const std::string exe = utf8FromPath(root.path / pathFromUtf8("Jürgen's Spiel"));
    const std::string user = utf8FromPath(root.path / pathFromUtf8("Données"));
    fs::create_directories(pathFromUtf8(exe) / "Data");
    std::ofstream(pathFromUtf8(exe) / "Data" / "Stats.dat") << "shipped";

    FolderInputs in;
    in.exeDir = exe;
    in.shareDir = utf8FromPath(root.path / "share");
    in.userDataDir = user;
    const Folders f = resolveFolders(in);
    EXPECT_EQ(f.app, exe);
    EXPECT_EQ(pathFromUtf8(f.data), pathFromUtf8(exe) / "Data");

    const Folders perUser{exe, user, true};
    EXPECT_TRUE(seedDataFolder(perUser));
    std::ifstream copy(pathFromUtf8(user) / "Stats.dat");
    std::string text;
    copy >> text;
    EXPECT_EQ(text, "shipped");
}

// The time scale from the environment and a typed average are read alike:
// a point whatever the language, and nothing that would make a pause endless.
TEST(Decimal, APointNumberAndNothingElse)
{
    EXPECT_EQ(readDecimal("0"), 0.0);
    EXPECT_EQ(readDecimal(" 0.25\t"), 0.25);
    EXPECT_EQ(readDecimal("+2"), 2.0);
    EXPECT_EQ(readDecimal("-1"), -1.0); // the caller decides whether a sign is wanted
    for (const char* bad : {"", " ", "+", "0,5", "1.5x", "nan", "inf", "1e999", "--1", "+-1"})
        EXPECT_EQ(readDecimal(bad), std::nullopt) << bad;
}
