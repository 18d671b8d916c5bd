#include "qt/ui/columnlist.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <QtMath>

namespace vantorelle {

ColumnsDelegate::ColumnsDelegate(std::vector<int> widths, QObject* parent)
    : QStyledItemDelegate(parent), m_widths(std::move(widths))
{
}

std::vector<QRectF> ColumnsDelegate::cells(const QRect& row, const QFont& font) const
{
    // Where the heading's letters stand: n blanks of the font are n columns.
    const QFontMetricsF fm(font);
    auto at = [&](int characters) {
        return row.left() + kMargin + fm.horizontalAdvance(QString(characters, QLatin1Char(' ')));
    };
    std::vector<QRectF> out;
    int start = 0;
    for (const int w : m_widths) {
        const qreal left = at(start);
        out.emplace_back(left, row.top(), at(start + w) - left, row.height());
        start += w;
    }
    return out;
}

QSize ColumnsDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!m_widths.empty() && !index.data(kColumnsRole).toStringList().isEmpty()) {
        const std::vector<QRectF> rects = cells(QRect(0, 0, 0, 0), option.font);
        size.setWidth(qCeil(rects.back().right()) + kMargin);
    }
    return size;
}

void ColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QStringList columns = index.data(kColumnsRole).toStringList();
    if (columns.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    o.text.clear(); // the row's background, selection and focus, without its text
    const QWidget* widget = o.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &o, painter, widget);

    painter->save();
    painter->setFont(o.font);
    const QPalette::ColorGroup group = (o.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->setPen(
        o.palette.color(group, (o.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    // Left to right whatever the text: a date written right to left stays in
    // its own column.
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTextDirection(Qt::LeftToRight);
    const QFontMetricsF fm(o.font);
    const std::vector<QRectF> rects = cells(o.rect, o.font);
    for (std::size_t c = 0; c < rects.size() && c < static_cast<std::size_t>(columns.size()); ++c) {
        QString text = columns[static_cast<qsizetype>(c)];
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        const QRectF& cell = rects[c];
        if (fm.horizontalAdvance(text) > cell.width() + 0.5)
            text = fm.elidedText(text, Qt::ElideRight, cell.width());
        painter->setClipRect(cell);
        painter->drawText(cell, text, layout);
    }
    painter->restore();
}

} // namespace vantorelle
