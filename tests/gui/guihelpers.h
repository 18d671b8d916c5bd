#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "qt/app/frmDarts.h"
#include "qt/app/pause.h"
#include "qt/app/startup.h"
#include "qt/match/boardwidget.h"
#include "support/shipped.h"
#include "support/wait.h"

namespace vantorelle::testing {

// A program started in-process with the shipped assets, a fresh data folder,
// a fixed seed and no waiting.
struct RunningGame {
    QTemporaryDir data;
    std::unique_ptr<Vantorelle> app;
    QString error;

    explicit RunningGame(std::uint64_t seed = 42, bool copyRoster = true,
                         const std::function<void(const QString&)>& prepareData = {}, double timeScale = 0)
    {
        if (copyRoster)
            copyShippedRoster(data.path());
        if (prepareData)
            prepareData(data.path());
        StartResult r = startVantorelle(shippedStart(data.path(), seed, timeScale));
        app = std::move(r.app);
        error = r.error;
        if (app) {
            // The title window gives way at once when nothing waits.
            waitUntil([this] { return app->main->isVisible(); }, 5000);
            app->main->board()->resize(346, 346); // scale 1: 15 board units to a pixel
        }
    }
    ~RunningGame()
    {
        if (app) {
            app->state.flags.quitting = true; // close without asking
            app->main->close();
        }
    }
    GameState& st() { return app->state; }
    frmDarts& win() { return *app->main; }
    template <class T = QWidget> T* find(const QString& name) { return win().findChild<T*>(name); }
};

// Answers every message box that opens with the given button.
class AutoAnswer : public QObject {
public:
    explicit AutoAnswer(QMessageBox::StandardButton answer) : m_answer(answer)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text());
                if (auto* b = box->button(m_answer))
                    b->click();
            }
        });
        m_timer.start();
    }
    QStringList texts;

private:
    QTimer m_timer;
    QMessageBox::StandardButton m_answer;
};

// Presses a mouse button on the board at a point in board units.
inline void clickBoard(BoardWidget* board, int ux, int uy, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(board, button, {}, board->toPixels(ux, uy));
    QTest::mouseRelease(board, button, {}, board->toPixels(ux, uy));
}

} // namespace vantorelle::testing
