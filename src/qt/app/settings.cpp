#include "qt/app/settings.h"

#include <QSettings>

#include "rules/app/settings.h"

namespace vantorelle {

namespace {
QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZEKO"), QStringLiteral("ZEKO"));
}
const QString kGroup = QStringLiteral("Application");
} // namespace

bool settingBool(const QString& text, bool whenMissing, bool present)
{
    if (!present)
        return whenMissing;
    return text.trimmed().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
}

void loadSettings(Settings& settings)
{
    auto s = store();
    s.beginGroup(kGroup);
    settings.savedPlayer1Name = s.value(QStringLiteral("Player1")).toString().toStdString();
    settings.soundOn = settingBool(s.value(QStringLiteral("Sound")).toString(), true, s.contains(QStringLiteral("Sound")));
    settings.soundOnSaved = settings.soundOn;
    settings.cricketUnlocked =
        settingBool(s.value(QStringLiteral("Cricket")).toString(), false, s.contains(QStringLiteral("Cricket")));
}

void saveAppPath(const QString& folder)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(QStringLiteral("AppPath"), folder);
}

void saveCricket(bool unlocked)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(QStringLiteral("Cricket"), unlocked ? QStringLiteral("True") : QStringLiteral("False"));
}

void savePlayer1(const QString& name)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(QStringLiteral("Player1"), name);
}

void saveSound(bool on)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(QStringLiteral("Sound"), on ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace vantorelle
