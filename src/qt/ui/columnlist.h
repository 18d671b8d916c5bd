#pragma once
#include <QStyledItemDelegate>
#include <vector>

class QListWidget;

namespace vantorelle {

// The rows of a list in a fixed-pitch font, made of columns of a fixed number
// of characters under a heading that spells them out. Each column is drawn in
// its own cell, as many character widths of the font as the column has
// characters, from the left whatever the script: letters wider or narrower
// than the font's own (a script it lacks, an invisible direction mark) never
// push the columns after them aside, and a text too wide for its cell ends in
// an ellipsis rather than running into the next.
class ColumnsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // An item's columns, a QStringList; an item without them is drawn whole.
    static constexpr int kColumnsRole = Qt::UserRole + 1;
    // From the row's edge to its first column, in pixels.
    static constexpr int kMargin = 4;

    ColumnsDelegate(std::vector<int> widths, QObject* parent);

    // The cells of a row drawn in this rectangle with this font.
    std::vector<QRectF> cells(const QRect& row, const QFont& font) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // A row is as wide as its columns, whatever its texts measure.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::vector<int> m_widths;
};

} // namespace vantorelle
