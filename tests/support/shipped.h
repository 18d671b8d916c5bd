#pragma once
#include <QDir>
#include <QFile>
#include <cstdint>

#include "qt/app/startup.h"

// VANTORELLE_ASSETS: the shipped assets folder, given by the build.
namespace vantorelle::testing {

// Puts the shipped roster into a data folder.
inline bool copyShippedRoster(const QString& dataFolder)
{
    return QFile::copy(QStringLiteral(VANTORELLE_ASSETS "/Data/Stats.dat"), QDir(dataFolder).filePath("Stats.dat"));
}

// How the tests and benchmarks start the program: the shipped assets, this
// data folder, a fixed seed and a time scale.
inline StartOptions shippedStart(const QString& dataFolder, std::uint64_t seed, double timeScale)
{
    StartOptions o;
    o.appFolder = QStringLiteral(VANTORELLE_ASSETS);
    o.dataFolder = dataFolder;
    o.seed = seed;
    o.timeScale = timeScale;
    return o;
}

} // namespace vantorelle::testing
