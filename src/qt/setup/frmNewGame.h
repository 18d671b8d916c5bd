#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QTimer;

namespace vantorelle {

// The title window: shown first, it gives way to the main window on a key, a
// click, or once 75 seconds have passed.
class frmNewGame : public QWidget {
    Q_OBJECT
public:
    frmNewGame(double timeScale, std::function<void()> onClose);

protected:
    void keyPressEvent(QKeyEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void finish();

    std::function<void()> m_onClose;
    QTimer* m_tmrClose = nullptr;
    QElapsedTimer m_opened;
    double m_timeScale;
    bool m_done = false;
};

} // namespace vantorelle
