#include "qt/app/settings.h"

#include <QSettings>

#include "rules/match/gamestate.h"

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

void loadSettings(GameState& st)
{
    auto s = store();
    s.beginGroup(kGroup);
    st.savedPlayer1Name = s.value(QStringLiteral("Player1")).toString().toStdString();
    st.soundOn = settingBool(s.value(QStringLiteral("Sound")).toString(), true, s.contains(QStringLiteral("Sound")));
    st.soundOnSaved = st.soundOn;
    st.cricketUnlocked =
        settingBool(s.value(QStringLiteral("Cricket")).toString(), false, s.contains(QStringLiteral("Cricket")));
}

void saveAppPath(const QString& folder)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(QStringLiteral("AppPath"), folder);
}

void saveSound(bool on)
{
    auto s = store();
    s.beginGroup(kGroup);
    s.setValue(QStringLiteral("Sound"), on ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace vantorelle
