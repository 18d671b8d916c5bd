#include "qt/ui/disguise.h"

#include <QVariant>

namespace vantorelle {

namespace {
constexpr const char* kCaption = "disguisedCaption";
}

void disguiseWindow(QWidget* w, const QIcon& icon)
{
    if (!w)
        return;
    if (!w->property(kCaption).isValid())
        w->setProperty(kCaption, w->windowTitle());
    w->setWindowTitle(QStringLiteral("Untitled - Notepad"));
    w->setWindowIcon(icon);
    w->showMinimized();
}

bool undisguiseWindow(QWidget* w, const QIcon& icon)
{
    if (!w || !w->property(kCaption).isValid())
        return false;
    w->setWindowTitle(w->property(kCaption).toString());
    w->setProperty(kCaption, QVariant());
    w->setWindowIcon(icon);
    return true;
}

} // namespace vantorelle
