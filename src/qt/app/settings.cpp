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

namespace {
void store(const QString& key, const QString& value)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(key, value);
}
QString word(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

QString readSetting(const QString& key)
{
    auto s = store();
    s.beginGroup(kGroup);
    return s.value(key).toString();
}

void saveAppPath(const QString& folder)
{
    store(QStringLiteral("AppPath"), folder);
}

void saveCricket(bool unlocked)
{
    store(QStringLiteral("Cricket"), word(unlocked));
}

void savePlayer1(const QString& name)
{
    store(QStringLiteral("Player1"), name);
}

void saveSearchAddress(const QString& address)
{
    store(QStringLiteral("SearchAddress"), address);
}

void saveSound(bool on)
{
    store(QStringLiteral("Sound"), word(on));
}

} // namespace vantorelle
