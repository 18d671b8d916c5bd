#pragma once
#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QTimer;

namespace vantorelle {

// The information overlay: a borderless message over the main window that
// closes on any key, a click, or once 75 seconds have passed (checked every 3
// seconds). The time scale shortens both for tests.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmInfo(QWidget* parent, double timeScale);
    void setInfo(const QString& text);

protected:
    void keyPressEvent(QKeyEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void tick();

    QLabel* m_lblInfo;
    QLabel* m_label1; // the shadow of lblInfo
    QTimer* m_tmrExit;
    QElapsedTimer m_shown;
    double m_timeScale;
};

} // namespace vantorelle
