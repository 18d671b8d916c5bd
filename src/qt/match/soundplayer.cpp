#include "qt/match/soundplayer.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "rules/app/wav.h"

namespace vantorelle {

SoundPlayer::SoundPlayer(QString appFolder, QObject* parent) : QObject(parent), m_appFolder(std::move(appFolder))
{
    // Without an output device there is nothing to play through; the lengths
    // of the clips still pace the calls.
    m_audioAvailable = !QMediaDevices::audioOutputs().isEmpty();
}

double SoundPlayer::play(const QString& relativePath)
{
    const QString path = m_appFolder + QLatin1Char('/') + relativePath;
    auto known = m_lengths.constFind(path);
    double length;
    if (known != m_lengths.constEnd()) {
        length = *known;
    } else {
        QFile f(path);
        length = 0;
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray head = f.readAll();
            length = wavDuration(std::string_view(head.constData(), static_cast<std::size_t>(head.size()))).value_or(0);
        }
        m_lengths.insert(path, length);
    }
    if (length <= 0)
        return 0; // a missing or unreadable clip plays nothing

    if (m_current)
        m_current->stop();
    m_current = nullptr;
    if (!m_audioAvailable)
        return length;
    QSoundEffect*& effect = m_effects[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
    m_current = effect;
    return length;
}

void SoundPlayer::stop()
{
    if (m_current)
        m_current->stop();
    m_current = nullptr;
}

} // namespace vantorelle
