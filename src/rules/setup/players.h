#pragma once
#include <optional>
#include <string>

namespace vantorelle {

// What the player selection was given, and what it keeps on OK.
struct PlayersEntry {
    std::string name1;
    std::string name2;
    bool secondShown = false; // two humans
    std::string average = "60";
};

struct PlayersChoice {
    std::string name1; // trimmed
    std::string name2;
    int average = 60;
};

// Checks the entries in the order the window does; on success the names are
// trimmed, otherwise error holds the message to show. Commas become blanks
// either way (entry is changed in place, as the window shows it).
struct PlayersCheck {
    std::optional<PlayersChoice> choice;
    std::string error;
};
PlayersCheck checkPlayers(PlayersEntry& entry);

} // namespace vantorelle
