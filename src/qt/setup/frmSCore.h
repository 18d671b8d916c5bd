#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;

namespace vantorelle {

class MatchEngine;
struct MatchState;

// Score entry for a player at a real board: the darts used, the points scored
// and, when a finish is on, the darts thrown at a double.
class frmSCore : public QDialog {
    Q_OBJECT
public:
    frmSCore(const MatchState& match, MatchEngine& engine, const QString& firstDigit, QWidget* parent);

    void OKButton_Click();

private:
    void select(QLineEdit* field, const QString& why);

    const MatchState& m_match;
    MatchEngine& m_engine;
    QLineEdit* m_txtDarts = nullptr;
    QLineEdit* m_txtScore = nullptr;
    QLineEdit* m_txtDbl = nullptr;
    QLabel* m_lblDbl = nullptr;
    QLabel* m_lblWhy = nullptr; // why the last entry was refused
};

} // namespace vantorelle
