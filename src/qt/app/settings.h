#pragma once
#include <QString>

namespace vantorelle {

struct Settings;

// The settings kept under ZEKO / Application: "Player1", "Sound", "Cricket",
// and "AppPath", written at every start.
void loadSettings(Settings& settings);
void saveAppPath(const QString& folder);
void saveSound(bool on);
void saveCricket(bool unlocked);
void savePlayer1(const QString& name);
// Where the last search for network sessions asked ("SearchAddress").
void saveSearchAddress(const QString& address);
// Any other value of the section, as text; empty when missing.
QString readSetting(const QString& key);

// "True"/"False" as the settings store them; anything else is false.
bool settingBool(const QString& text, bool whenMissing, bool present);

} // namespace vantorelle
