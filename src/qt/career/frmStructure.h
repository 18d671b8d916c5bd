#pragma once
#include "qt/ui/gradient.h"

namespace vantorelle {

struct GameState;

// How the coming tournament is run and what it pays, between the calendar
// and the draw.
class frmStructure : public ThemedDialog {
    Q_OBJECT
public:
    frmStructure(const GameState& st, QWidget* parent);
};

} // namespace vantorelle
