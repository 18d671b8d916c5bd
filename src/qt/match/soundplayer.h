#pragma once
#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

namespace vantorelle {

// Plays the game's wave clips by path under the application folder. A clip
// played without waiting is cut off by the next one. Waiting lasts the clip's
// length read from its header, so it works without an audio device too.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QString appFolder, QObject* parent = nullptr);

    // Starts the clip; returns its length in seconds (0 for a missing file).
    double play(const QString& relativePath);
    void stop();

private:
    QString m_appFolder;
    QHash<QString, QSoundEffect*> m_effects;
    QHash<QString, double> m_lengths;
    QSoundEffect* m_current = nullptr;
    bool m_audioAvailable = true;
};

} // namespace vantorelle
