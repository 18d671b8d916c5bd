#include "qt/setup/frmSCore.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "rules/match/matchstate.h"
#include "rules/match/matchengine.h"
#include "rules/setup/scoreentry.h"

namespace vantorelle {

namespace {
// Selects a field's whole text when it gets the focus. The score opens with
// the digit that was typed to open the window, and that first time it stays
// unselected, so the player types on after it.
class SelectOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::FocusIn)
            return false;
        auto* edit = qobject_cast<QLineEdit*>(o);
        if (!edit)
            return false;
        const bool opening = edit->objectName() == "txtScore" && !m_scoreFocused;
        if (edit->objectName() == "txtScore")
            m_scoreFocused = true;
        if (opening && edit->text().size() <= 1) {
            // The line edit selects its text itself when the window opens.
            QTimer::singleShot(0, edit, [edit] {
                edit->deselect();
                edit->setCursorPosition(static_cast<int>(edit->text().size()));
            });
        } else if (edit->objectName() != "txtScore" || edit->text().size() > 1) {
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
        return false;
    }

private:
    bool m_scoreFocused = false;
};
} // namespace

frmSCore::frmSCore(const MatchState& match, MatchEngine& engine, const QString& firstDigit, QWidget* parent)
    : QDialog(parent), m_match(match), m_engine(engine)
{
    setObjectName(QStringLiteral("frmSCore"));
    setWindowTitle(QStringLiteral(" MARK"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    auto field = [this](const QString& name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(name);
        e->setMaxLength(8);
        e->setFont(QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
        return e;
    };
    m_txtDarts = field(QStringLiteral("txtDarts"), QStringLiteral("3"));
    m_txtScore = field(QStringLiteral("txtScore"), firstDigit);
    m_txtDbl = field(QStringLiteral("txtDbl"), QStringLiteral("0"));
    m_lblDbl = new QLabel(QStringLiteral("DARTS AT DOUBLE"), this);
    m_lblDbl->setObjectName(QStringLiteral("lblDbl"));
    grid->addWidget(new QLabel(QStringLiteral("DARTS"), this), 0, 0);
    grid->addWidget(m_txtDarts, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("SCORE"), this), 1, 0);
    grid->addWidget(m_txtScore, 1, 1);
    grid->addWidget(m_lblDbl, 2, 0);
    grid->addWidget(m_txtDbl, 2, 1);
    m_lblWhy = new QLabel(this);
    m_lblWhy->setObjectName(QStringLiteral("lblWhy"));
    m_lblWhy->setWordWrap(true);
    m_lblWhy->setStyleSheet(QStringLiteral("color: rgb(200,0,0);"));
    m_lblWhy->hide();
    grid->addWidget(m_lblWhy, 3, 0, 1, 2);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    grid->addWidget(ok, 4, 1);
    connect(ok, &QPushButton::clicked, this, &frmSCore::OKButton_Click);

    auto* filter = new SelectOnFocus(this);
    for (auto* e : {m_txtDarts, m_txtScore, m_txtDbl})
        e->installEventFilter(filter);

    // Darts at a double matter only when a finish is on.
    const bool finishOn = m_match.player(m_match.currentPlayer).score < 171;
    m_txtDbl->setVisible(finishOn);
    m_lblDbl->setVisible(finishOn);

    m_txtScore->setFocus();
    m_txtScore->setCursorPosition(static_cast<int>(m_txtScore->text().size()));
}

void frmSCore::select(QLineEdit* field, const QString& why)
{
    // The entry stays open with the field to mend selected, and says why.
    m_lblWhy->setText(why);
    m_lblWhy->setVisible(!why.isEmpty());
    field->setFocus();
    field->selectAll();
}

void frmSCore::OKButton_Click()
{
    ScoreEntry entry;
    entry.darts = m_txtDarts->text().toStdString();
    entry.score = m_txtScore->text().toStdString();
    entry.dartsAtDouble = m_txtDbl->text().toStdString();
    const ScoreCheck c = checkScoreEntry(entry, m_match.player(m_match.currentPlayer).score);
    const QString why = QString::fromStdString(c.why);
    switch (c.refuse) {
    case ScoreField::Darts:
        select(m_txtDarts, why);
        return;
    case ScoreField::Score:
        select(m_txtScore, why);
        return;
    case ScoreField::Double:
        select(m_txtDbl, why);
        return;
    case ScoreField::None:
        break;
    }
    hide();
    m_engine.bookEnteredTurn(c.darts, c.score, c.dartsAtDouble);
    accept();
}

} // namespace vantorelle
