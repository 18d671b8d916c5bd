#pragma once
#include <QElapsedTimer>
#include <functional>

#include "qt/app/pause.h"

namespace vantorelle::testing {

// Runs the event loop until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        qtPause(0.005);
    }
    return true;
}

} // namespace vantorelle::testing
