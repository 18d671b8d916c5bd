#pragma once
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/matchstore.h"

namespace vantorelle {

struct ExportOutcome {
    bool ok = false;
    QString message;   // why not, in words for the player
    QStringList files; // written: the matches, the turns, the darts
};

// Writes the records with every turn and dart, read from the store a match
// at a time, to three CSV files in the folder: "<stem> matches.csv",
// "... turns.csv" and "... darts.csv", or with " (2)", " (3)" .. after the
// stem when one of those names is taken, so that no file is written over.
// Each file appears whole or not at all; when one cannot be written, none
// of the three is left behind.
ExportOutcome exportRecords(MatchStore& store, const std::vector<records::MatchRecord>& records, const QString& folder,
                            const QString& stem);

// A player's name as the start of a file name: letters, digits, blanks and
// - ' . kept, anything else (a slash, a colon) made "_", never leading ".".
QString fileStem(const QString& name);

} // namespace vantorelle
