#pragma once
#include <QComboBox>

namespace vantorelle {

// A choice whose shown text, a long player's name, ends in an ellipsis when
// it does not fit the box; the list that drops down shows it whole.
class NameBox : public QComboBox {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

    // The current text as drawn in the box.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace vantorelle
