#pragma once
// Small pieces the network windows share.
#include <QString>
#include <string>

class QAction;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vantorelle {

class frmDarts;

// UTF-8 text as a QString.
QString qs(const std::string& s);
// A button of a network window, named for the tests, never the default.
QPushButton* button(QWidget* parent, const QString& name, const QString& text);
// A one-line box for a name, of the length every name may have.
QLineEdit* edit(QWidget* parent, const QString& name);
// The main window's Network menu entry.
QAction* networkEntry(frmDarts& main);

} // namespace vantorelle
