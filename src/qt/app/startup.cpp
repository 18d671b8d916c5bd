#include "qt/app/startup.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <chrono>
#include <cstdlib>
#include <fstream>

#include "rules/app/decimal.h"
#include "rules/app/folders.h"
#include "qt/app/frmDarts.h"
#include "qt/app/settings.h"
#include "rules/career/roster.h"
#include "qt/setup/frmNewGame.h"
#include "rules/setup/setupmenu.h"

namespace vantorelle {

Vantorelle::~Vantorelle() = default;

StartOptions optionsFromEnvironment()
{
    StartOptions o;
    o.appFolder = qEnvironmentVariable("VANTORELLE_HOME");
    o.dataFolder = qEnvironmentVariable("VANTORELLE_DATA");
    bool ok = false;
    const auto seed = qEnvironmentVariable("VANTORELLE_SEED").toULongLong(&ok);
    if (ok)
        o.seed = seed;
    if (const auto scale = readDecimal(qgetenv("VANTORELLE_TIME_SCALE").toStdString()); scale && *scale >= 0)
        o.timeScale = *scale;
    return o;
}

static Folders folders(const StartOptions& o)
{
    FolderInputs in;
    in.envHome = o.appFolder.toStdString();
    in.envData = o.dataFolder.toStdString();
    in.exeDir = QCoreApplication::applicationDirPath().toStdString();
    const QString share = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/vantorelle"));
    if (QDir(share).exists())
        in.shareDir = QDir(share).canonicalPath().toStdString();
    in.userDataDir = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                         .filePath(QStringLiteral("Data"))
                         .toStdString();
    return resolveFolders(in);
}

StartResult startVantorelle(const StartOptions& options)
{
    StartResult result;
    auto app = std::make_unique<Vantorelle>();
    app->timeScale = options.timeScale;
    const auto seed =
        options.seed.value_or(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    app->rng.reseed(seed);

    GameState& st = app->state;
    const Folders f = folders(options);
    st.appFolder = f.app;
    st.dataFolder = f.data;
    seedDataFolder(f);

    loadSettings(st.settings);

    const QString rosterPath = QDir(QString::fromStdString(st.dataFolder)).filePath(QStringLiteral("Stats.dat"));
    std::ifstream in(rosterPath.toStdString(), std::ios::binary);
    if (!in) {
        result.error = QStringLiteral("VANTORELLE cannot start: the roster file \"%1\" is missing or cannot be read.")
                           .arg(QDir::toNativeSeparators(rosterPath));
        return result;
    }
    RosterLoad roster = readRoster(in);
    if (!roster.ok()) {
        result.error = QStringLiteral("VANTORELLE cannot start: the roster file \"%1\" is damaged: %2")
                           .arg(QDir::toNativeSeparators(rosterPath), QString::fromStdString(roster.error));
        return result;
    }
    st.roster = std::move(roster.roster);

    saveAppPath(QString::fromStdString(st.appFolder));

    // The board waits under the setup panel.
    setupFirstPage(st.view);
    st.view.setupVisible = true;
    st.view.scoreboardVisible = false;

    app->main = std::make_unique<frmDarts>(st, app->rng, app->timeScale);
    frmDarts* main = app->main.get();
    app->title = std::make_unique<frmNewGame>(app->timeScale, [main] {
        main->show();
        main->raise();
        main->activateWindow();
    });
    app->title->show();
    result.app = std::move(app);
    return result;
}

int runVantorelle(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VANTORELLE"));
    QApplication::setOrganizationName(QStringLiteral("ZEKO"));
    StartResult started = startVantorelle(optionsFromEnvironment());
    if (!started.app) {
        QMessageBox::critical(nullptr, QStringLiteral("VANTORELLE!"), started.error);
        return 1;
    }
    return QApplication::exec();
}

} // namespace vantorelle
