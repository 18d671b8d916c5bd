#pragma once
// What the career's window tests share: the files a career writes read back,
// the editor filled in, a career made, and a driver that plays the career as
// a player would.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "gui/guihelpers.h"
#include "qt/career/careerwindows.h"
#include "qt/career/frmDisplayRankingPoints.h"
#include "qt/career/frmRosters.h"
#include "qt/career/frmSchedule.h"
#include "qt/career/frmStructure.h"
#include "qt/persistence/frmLoad.h"
#include "qt/persistence/frmPlayerEditor.h"
#include "qt/ui/frmInfo.h"
#include "rules/match/bed.h"
#include "rules/match/board.h"

namespace vantorelle::testing {

inline QStringList fileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

inline void fillEditor(frmPlayerEditor* e, const QString& first, const QString& second, const QString& nat)
{
    e->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(first);
    e->findChild<QLineEdit*>(QStringLiteral("txtSecondName"))->setText(second);
    e->findChild<QComboBox*>(QStringLiteral("cboNationality"))->setCurrentText(nat);
}

// Makes a career of "Ivo Vane" through the setup panel and the editor; the
// calendar is left open.
inline void createCareer(RunningGame& game, const QString& first = QStringLiteral("Ivo"),
                         const QString& second = QStringLiteral("Vane"))
{
    for (int option : {3, 1, 1}) // CAREER, SHORT, BEGINNER
        game.win().lblOption_Click(option);
    fillEditor(game.win().career().editor(), first, second, QStringLiteral("ENG"));
    game.win().career().editor()->cmdSave_Click();
}

// Plays the career as a player would, one step per tick: answers what asks,
// throws the career player's darts (nine-darters), presses CONTINUE and OK.
class CareerDriver : public QObject {
public:
    explicit CareerDriver(RunningGame& g, bool pressCalendar = false) : m_g(g), m_pressCalendar(pressCalendar)
    {
        m_timer.setInterval(2);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start();
    }
    QStringList messages; // every message box and overlay text, in order
    // Sees each message box as it comes up, before it is answered.
    std::function<void(const QString&)> beforeAnswer;

private:
    void tick()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                if (beforeAnswer)
                    beforeAnswer(box->text());
                box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
            } else if (auto* s = qobject_cast<frmStructure*>(modal)) {
                s->accept();
            } else if (auto* info = qobject_cast<frmInfo*>(modal)) {
                info->close();
            }
            return;
        }
        GameState& st = m_g.st();
        CareerWindows& career = m_g.win().career();
        if (auto* points = career.rankingPoints()) {
            QTimer::singleShot(0, points, [points] { points->close(); });
            return;
        }
        MatchEngine& e = m_g.win().engine();
        if (!st.match.blnStopped) {
            if (st.match.blnBullUp) {
                if (st.match.currentPlayer == 1 && st.match.bytDart == 0 && !st.match.blnBullDartDown)
                    e.ThrowDart(board::kBullUpX, board::kBullUpY + 400);
                return;
            }
            if (st.view.yellowPlayer == 1 && st.match.currentPlayer == 1 && st.match.bytDart < 3) {
                const Point p = *GetCoords(dartFor(st.match.player(1).score - st.match.bytTurnScore));
                e.ThrowDart(p.x, p.y);
            }
            return;
        }
        if (auto* r = career.rosters()) {
            auto* cont = r->findChild<QPushButton*>(QStringLiteral("cmdContinue"));
            if (cont->isEnabled() && !r->awayForMatch())
                QTimer::singleShot(0, r, [r] { r->cmdContinue_Click(); });
        } else if (auto* c = career.schedule(); c && m_pressCalendar && !m_calendarPressed) {
            m_calendarPressed = true;
            ++calendarsSeen;
            QTimer::singleShot(0, c, [this, c] {
                m_calendarPressed = false;
                c->cmdContinue_Click();
            });
        }
    }

    // A quick way home from any score: treble 20s, then down to 40, then the double.
    static std::string dartFor(int left)
    {
        if (left > 100)
            return "T20";
        if (left > 40) {
            const int r = left - 40;
            if (r <= 20)
                return makeBed('S', r);
            if (r % 3 == 0)
                return makeBed('T', r / 3);
            if (r % 2 == 0)
                return makeBed('D', r / 2);
            return "S01";
        }
        return left % 2 == 0 ? makeBed('D', left / 2) : "S01";
    }

    RunningGame& m_g;
    QTimer m_timer;
    bool m_pressCalendar = false;
    bool m_calendarPressed = false;

public:
    int calendarsSeen = 0;
};

// Opens the career's first tournament from the calendar to its draw, the
// structure window closed as soon as it is up.
inline frmRosters* openFirstDraw(RunningGame& game)
{
    QPointer<frmSchedule> calendar = game.win().career().schedule();
    if (!calendar)
        return nullptr;
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [] {
        if (auto* s = qobject_cast<frmStructure*>(QApplication::activeModalWidget()))
            s->accept();
    });
    accept.start(5);
    calendar->cmdContinue_Click();
    return game.win().career().rosters();
}

// Presses OK in every message box that comes up (the length of a match).
class PressOk : public QObject {
public:
    PressOk()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                if (auto* ok = box->button(QMessageBox::Ok))
                    ok->click();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

// Runs `act` once from inside the event loop, as soon as the career
// player's match waits for its bull-up (the match itself runs inside the
// event loop, so a test cannot wait for it from outside).
class AtTheBullUp : public QObject {
public:
    AtTheBullUp(GameState& st, std::function<void()> act) : m_st(st), m_act(std::move(act))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_done || m_st.match.blnStopped || !m_st.match.blnBullUp || QApplication::activeModalWidget())
                return;
            m_done = true;
            m_act();
        });
        m_timer.start(5);
    }
    bool done() const { return m_done; }

private:
    GameState& m_st;
    std::function<void()> m_act;
    QTimer m_timer;
    bool m_done = false;
};

// Answers the load window when it opens: picks a career by name and loads
// it (by the button or a double click), deletes it, or closes the window.
// With nothing selected, the buttons are pressed with the picked career the
// current item of the list but not selected.
class LoadAnswer : public QObject {
public:
    enum class Do { Load, DoubleClick, Delete, Close };
    LoadAnswer(Do what, QString name, bool nothingSelected = false)
        : m_what(what), m_name(std::move(name)), m_nothingSelected(nothingSelected)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* w = qobject_cast<frmLoad*>(QApplication::activeModalWidget());
            if (!w || m_done)
                return;
            m_done = true; // once: what follows is up to the test
            auto* list = w->findChild<QListWidget*>(QStringLiteral("lstFiles"));
            listed.clear();
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
            const auto found = list->findItems(m_name, Qt::MatchExactly);
            if (!found.isEmpty())
                list->setCurrentItem(found[0]);
            if (m_nothingSelected)
                list->clearSelection();
            if (m_what == Do::Load) {
                w->cmdLoad_Click();
            } else if (m_what == Do::DoubleClick) {
                emit list->itemDoubleClicked(list->currentItem()); // as the list tells of a double click
            } else if (m_what == Do::Delete) {
                w->cmdDelete_Click();
            } else {
                w->reject();
            }
        });
        m_timer.start();
    }
    QStringList listed;

private:
    Do m_what;
    QString m_name;
    bool m_nothingSelected;
    QTimer m_timer;
    bool m_done = false;
};

} // namespace vantorelle::testing
