#pragma once
#include <QIcon>
#include <QWidget>

namespace vantorelle {

// The boss key's disguise of a window: a plain text editor's caption and
// icon, minimised; the real caption is kept on the window until it is undone.
void disguiseWindow(QWidget* w, const QIcon& icon);
// Puts the caption back and gives the window this icon; false when the
// window was not disguised (it is then left alone).
bool undisguiseWindow(QWidget* w, const QIcon& icon);

} // namespace vantorelle
