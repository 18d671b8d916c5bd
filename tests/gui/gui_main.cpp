// The window tests run the real program in-process, offscreen, with their own
// settings folder.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (config.path() + "/share").toLocal8Bit());
    // Sessions are only ever looked for on this machine.
    qputenv("VANTORELLE_SEARCH_ADDRESS", "127.0.0.1");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
