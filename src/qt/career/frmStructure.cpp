#include "qt/career/frmStructure.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "qt/ui/pictures.h"
#include "rules/app/gamestate.h"
#include "rules/career/calendar.h"
#include "rules/career/structure.h"

namespace vantorelle {

frmStructure::frmStructure(const GameState& st, QWidget* parent) : ThemedDialog(st.view.mainColour, parent)
{
    setObjectName(QStringLiteral("frmStructure"));
    setWindowTitle(QStringLiteral(" TOURNAMENT STRUCTURE"));
    setModal(true);
    const StructureText text = structureFor(st.career.tournamentNo);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 14, 18, 14);
    grid->setSpacing(12);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setFixedSize(96, 96);
    const std::string theme = themeCode(st.career.tournamentNo);
    if (!theme.empty())
        image->setPixmap(logoPixmap(st.appFolder, QString::fromStdString(theme), {96, 96}, devicePixelRatioF()));
    auto* name = new QLabel(QString::fromStdString(text.tournament), this);
    name->setTextFormat(Qt::PlainText);
    name->setObjectName(QStringLiteral("lblTourn"));
    name->setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));

    auto* structure = new QLabel(QString::fromStdString(text.structure), this);
    structure->setObjectName(QStringLiteral("lblStructure"));
    structure->setWordWrap(true);
    structure->setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    structure->setMinimumWidth(460);

    QString ranking = QString::fromStdString(text.ranking);
    ranking.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto* points = new QLabel(ranking, this);
    points->setObjectName(QStringLiteral("lblRanking"));
    points->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    grid->addWidget(image, 0, 0);
    grid->addWidget(name, 0, 1);
    grid->addWidget(structure, 1, 0, 1, 2);
    grid->addWidget(points, 2, 0, 1, 2);
    grid->addWidget(ok, 3, 1, Qt::AlignRight);
}

} // namespace vantorelle
