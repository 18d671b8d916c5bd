#include "qt/persistence/frmPlayerEditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "platform/disk.h"
#include "qt/career/careerwindows.h"
#include "qt/ui/pictures.h"
#include "rules/app/gamestate.h"
#include "rules/career/rankings.h"
#include "rules/persistence/careerfile.h"
#include "rules/persistence/historyfile.h"
#include "rules/persistence/playereditor.h"

namespace vantorelle {

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

// Selects the average's whole text whenever it gets the focus.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn)
            if (auto* edit = qobject_cast<QLineEdit*>(o))
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        return false;
    }
};

} // namespace

frmPlayerEditor::frmPlayerEditor(CareerWindows& career, bool blnEdit, QWidget* parent)
    : ThemedDialog(career.state().view.mainColour, parent), m_career(career), m_blnEdit(blnEdit)
{
    setObjectName(QStringLiteral("frmPlayerEditor"));
    setWindowTitle(QStringLiteral(" PLAYER EDITOR"));
    setModal(blnEdit);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 14, 18, 14);
    auto nameBox = [this](const QString& name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(30);
        // A name is one word: blanks and commas disappear as they are typed.
        connect(e, &QLineEdit::textEdited, this, [e](const QString& text) {
            const QString kept = qs(nameBoxText(text.toStdString()));
            if (kept != text) {
                const int cursor = e->cursorPosition() - static_cast<int>(text.size() - kept.size());
                e->setText(kept);
                e->setCursorPosition(qMax(0, cursor));
            }
        });
        return e;
    };
    m_txtFirstName = nameBox(QStringLiteral("txtFirstName"));
    m_txtSecondName = nameBox(QStringLiteral("txtSecondName"));
    m_cboNationality = new QComboBox(this);
    m_cboNationality->setObjectName(QStringLiteral("cboNationality"));
    m_cboNationality->setEditable(true);
    m_cboNationality->setInsertPolicy(QComboBox::NoInsert);
    for (const char* code : kNationalities)
        m_cboNationality->addItem(QString::fromLatin1(code));
    m_cboNationality->setCurrentIndex(-1);
    connect(m_cboNationality, &QComboBox::currentTextChanged, this, &frmPlayerEditor::showFlag);
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setFixedSize(48, 32);

    m_chkScoring1 = new QCheckBox(QStringLiteral("On real board"), this);
    m_chkScoring1->setObjectName(QStringLiteral("chkScoring1"));
    m_lblAve = new QLabel(QStringLiteral("Ave"), this);
    m_lblAve->setObjectName(QStringLiteral("lblAve"));
    m_txtAve = new QLineEdit(QStringLiteral("60"), this);
    m_txtAve->setObjectName(QStringLiteral("txtAve"));
    m_txtAve->setMaximumWidth(60);
    m_txtAve->installEventFilter(new SelectAllOnFocus(this));
    m_lblAve->hide();
    m_txtAve->hide();
    connect(m_chkScoring1, &QCheckBox::clicked, this, &frmPlayerEditor::chkScoring1_Click);

    grid->addWidget(new QLabel(QStringLiteral("First Name"), this), 0, 0);
    grid->addWidget(m_txtFirstName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Second Name"), this), 1, 0);
    grid->addWidget(m_txtSecondName, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Nationality"), this), 2, 0);
    grid->addWidget(m_cboNationality, 2, 1);
    grid->addWidget(m_image1, 2, 2);
    auto* ave = new QHBoxLayout;
    ave->addWidget(m_chkScoring1);
    ave->addStretch(1);
    ave->addWidget(m_lblAve);
    ave->addWidget(m_txtAve);
    grid->addLayout(ave, 3, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    auto* previous = add(QStringLiteral("cmdPrevious"), QStringLiteral("<"));
    auto* next = add(QStringLiteral("cmdNext"), QStringLiteral(">"));
    buttons->addStretch(1);
    auto* save = add(QStringLiteral("cmdSave"), QStringLiteral("&Save"));
    auto* done = add(QStringLiteral("cmdDone"), QStringLiteral("Done"));
    save->setDefault(true);
    grid->addLayout(buttons, 4, 0, 1, 3);
    connect(previous, &QPushButton::clicked, this, &frmPlayerEditor::cmdPrevious_Click);
    connect(next, &QPushButton::clicked, this, &frmPlayerEditor::cmdNext_Click);
    connect(save, &QPushButton::clicked, this, &frmPlayerEditor::cmdSave_Click);
    connect(done, &QPushButton::clicked, this, &frmPlayerEditor::cmdDone_Click);

    if (m_blnEdit) {
        m_chkScoring1->hide();
        showEntry();
    } else {
        previous->hide();
        next->hide();
        done->hide();
    }
}

void frmPlayerEditor::message(const QString& text)
{
    // A box of the career's: the editor may be closed while it is up.
    m_career.ask(QMessageBox::Information, text);
}

void frmPlayerEditor::showFlag()
{
    // The same rule as Save: any of the eight codes, in any letter case.
    if (const auto code = nationalityCode(m_cboNationality->currentText().toStdString()))
        m_image1->setPixmap(flagPixmap(m_career.state().appFolder, qs(*code), m_image1->size(), devicePixelRatioF()));
}

void frmPlayerEditor::chkScoring1_Click()
{
    const bool on = m_chkScoring1->isChecked();
    m_lblAve->setVisible(on);
    m_txtAve->setVisible(on);
    if (!on)
        m_txtAve->setText(QStringLiteral("60"));
}

void frmPlayerEditor::showEntry()
{
    const PlayerEntry e = shownEntry(m_career.state().roster.lines, m_index);
    m_txtFirstName->setText(qs(e.firstName));
    m_txtSecondName->setText(qs(e.secondName));
    m_cboNationality->setCurrentText(qs(e.nationality));
}

void frmPlayerEditor::cmdNext_Click()
{
    if (m_index >= static_cast<int>(m_career.state().roster.lines.size()))
        return;
    ++m_index;
    showEntry();
}

void frmPlayerEditor::cmdPrevious_Click()
{
    if (m_index <= 1)
        return;
    --m_index;
    showEntry();
}

void frmPlayerEditor::cmdSave_Click()
{
    if (!m_blnEdit) {
        createCareer();
        return;
    }
    PlayerEntry e;
    e.firstName = m_txtFirstName->text().toStdString();
    e.secondName = m_txtSecondName->text().toStdString();
    e.nationality = m_cboNationality->currentText().toStdString();
    auto& lines = m_career.state().roster.lines;
    const RosterEdit edit = editRosterEntry(lines, m_index, e);
    if (!edit.ok()) {
        message(qs(edit.error));
        return;
    }
    lines[static_cast<std::size_t>(m_index - 1)] = edit.line;
}

void frmPlayerEditor::cmdDone_Click()
{
    GameState& st = m_career.state();
    const std::string path = QDir(qs(st.dataFolder)).filePath(QStringLiteral("Stats.dat")).toStdString();
    std::string why;
    if (!saveTextFile(path, writeRoster(st.roster), &why)) {
        message(QStringLiteral("The roster could not be saved (%1). The file keeps what was saved before.").arg(qs(why)));
        return;
    }
    accept();
}

void frmPlayerEditor::createCareer()
{
    GameState& st = m_career.state();
    PlayerEntry e;
    e.firstName = m_txtFirstName->text().toStdString();
    e.secondName = m_txtSecondName->text().toStdString();
    e.nationality = m_cboNationality->currentText().toStdString();
    e.realBoard = m_chkScoring1->isChecked();
    e.average = m_txtAve->text().toStdString();
    const NewCareerCheck check = checkNewCareerPlayer(e, st.roster.lines);
    if (!check.ok()) {
        message(qs(check.error));
        return;
    }
    const std::string car = careerFileName(check.careerName);
    const auto existing = findFileIgnoringCase(st.dataFolder, car);
    if (existing) {
        // The question runs the event loop: the editor may be closed under it
        // (a challenge, New, Load), and then nothing is created or written.
        QPointer<frmPlayerEditor> self(this);
        const unsigned generation = m_career.generation();
        const auto answer = m_career.ask(QMessageBox::Warning,
                                         QStringLiteral("A career for this player already exists. Overwrite?"),
                                         QMessageBox::Yes | QMessageBox::No);
        if (!self || m_career.generation() != generation || answer != QMessageBox::Yes)
            return;
    }
    NewCareer(st.career, st.roster, check.firstName, check.secondName, check.nationality, check.realBoard,
              check.playerAverage);
    // The new career starts from nothing: no statistics of an earlier match join its totals.
    st.match.resetMatchStats();
    const auto oldHistory = findFileIgnoringCase(st.dataFolder, historyFileName(st.career.careerName));
    if (!m_career.saveCareer())
        return; // the old career and its history stay as they were
    // The old history goes only once the new career is safely saved; an old
    // career of the same name in other letters is replaced, not kept beside it.
    if (oldHistory)
        removeFile(*oldHistory);
    const std::string path = QDir(qs(st.dataFolder)).filePath(qs(car)).toStdString();
    if (existing && !sameFile(*existing, path))
        removeFile(*existing);
    m_created = true;
    m_career.showCalendar();
    closeQuietly(this, st.flags.unloading);
}

void frmPlayerEditor::closeEvent(QCloseEvent* e)
{
    e->accept();
    // A new career given up: back to the setup panel.
    const GameState& st = m_career.state();
    if (!m_blnEdit && !m_created && !st.flags.unloading && !st.flags.quitting)
        m_career.backToStartMenu();
}

} // namespace vantorelle
