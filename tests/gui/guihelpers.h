#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "qt/app/frmDarts.h"
#include "qt/app/pause.h"
#include "qt/app/startup.h"
#include "qt/match/boardwidget.h"
#include "qt/setup/frmPlayers.h"
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

// Fills in the player selection whenever it opens.
class PlayersFiller : public QObject {
public:
    QString name1, name2;
    bool realBoard1 = false;
    bool cancel = false;
    int opened = 0;

    PlayersFiller()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* w = qobject_cast<frmPlayers*>(QApplication::activeModalWidget());
            if (!w)
                return;
            ++opened;
            if (cancel) {
                w->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                return;
            }
            w->findChild<QComboBox*>(QStringLiteral("cboplayer1"))->setEditText(name1);
            if (auto* c2 = w->findChild<QComboBox*>(QStringLiteral("cboplayer2")); c2 && c2->isVisibleTo(w))
                c2->setEditText(name2);
            w->findChild<QCheckBox*>(QStringLiteral("chkScoring1"))->setChecked(realBoard1);
            w->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

inline void clickOption(RunningGame& g, int i)
{
    auto* l = g.find<QLabel>(QStringLiteral("lblOption%1").arg(i));
    ASSERT_NE(l, nullptr);
    ASSERT_TRUE(l->isVisible());
    QTest::mouseClick(l, Qt::LeftButton);
}

} // namespace vantorelle::testing
