#include "qt/app/pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace vantorelle {

void qtPause(double seconds)
{
    const int ms = seconds > 0 ? static_cast<int>(seconds * 1000 + 0.5) : 0;
    if (ms <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void qtWaitForEvents()
{
    // A wake-up tick, so that the caller looks at its flags at least four
    // times a second even when nothing else happens.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(250);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace vantorelle
