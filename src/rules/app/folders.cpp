#include "rules/app/folders.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "rules/app/utf8path.h"

namespace fs = std::filesystem;

namespace vantorelle {

static bool holdsAssets(const std::string& dir)
{
    std::error_code ec;
    return !dir.empty() && fs::exists(pathFromUtf8(dir) / "Data" / "Stats.dat", ec);
}

static bool writableDir(const fs::path& dir)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
    const fs::path probe = dir / ".vantorelle-write-test";
    {
        std::ofstream out(probe);
        if (!out)
            return false;
    }
    fs::remove(probe, ec);
    return true;
}

Folders resolveFolders(const FolderInputs& in)
{
    Folders f;
    if (!in.envHome.empty())
        f.app = in.envHome;
    else if (holdsAssets(in.exeDir) || in.shareDir.empty())
        f.app = in.exeDir;
    else
        f.app = in.shareDir;

    // The installed share folder belongs to the package, which an upgrade
    // replaces: the player's files never live there, not even the
    // superuser's, who could write into it.
    const bool installed = !in.shareDir.empty() && f.app == in.shareDir;
    if (!in.envData.empty())
        f.data = in.envData;
    else if ((!installed && writableDir(pathFromUtf8(f.app) / "Data")) || in.userDataDir.empty())
        f.data = utf8FromPath(pathFromUtf8(f.app) / "Data");
    else {
        f.data = in.userDataDir;
        f.perUser = true;
    }
    return f;
}

bool seedDataFolder(const Folders& f)
{
    std::error_code ec;
    if (!f.perUser)
        return true;
    const fs::path target = pathFromUtf8(f.data) / "Stats.dat";
    if (fs::exists(target, ec))
        return true;
    fs::create_directories(pathFromUtf8(f.data), ec);
    const fs::path shipped = pathFromUtf8(f.app) / "Data" / "Stats.dat";
    if (!fs::exists(shipped, ec))
        return false;
    fs::copy_file(shipped, target, ec);
    return !ec;
}

} // namespace vantorelle
