#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// Game messages travel between the two machines as chat texts that begin
// with "$ZEKO$" and a kind letter; every other text is chat.
inline constexpr std::string_view kGamePrefix = "$ZEKO$";

// The messages a machine sends.
std::string challengeMessage(std::string_view challenged, std::string_view challenger); // "$ZEKO$C…$ZEKO$P…"
std::string optionMessage(std::string_view option);                                       // "$ZEKO$G…"
std::string throwMessage(int x, int y, std::string_view bed, bool bounceOut);              // "$ZEKO$TX…Y…S…F"
std::string quitMessage();                                                                 // "$ZEKO$Q"
std::string cricketRefusedMessage();                                                       // "$ZEKO$N"
// A challenge that cannot be taken now (a match is being played there).
std::string busyMessage(); // "$ZEKO$B"

// A message received, read and checked. Anything that is not a well-formed
// game message of a known kind is nothing: it never reaches the match.
struct GameMessage {
    enum class Kind { Challenge, Option, Throw, Quit, CricketRefused, Busy };
    Kind kind = Kind::Quit;
    std::string challenger; // Challenge: the other machine's player, who drives the match (a name's length at most)
    std::string option;     // Option: "301" .. "G"
    int x = 0;              // Throw: the landing point, 16-bit board units
    int y = 0;
    std::string bed;        // Throw: the bed the thrower's board scored
    bool bounceOut = false;
};
std::optional<GameMessage> readGameMessage(std::string_view text);

// The setup option a "$ZEKO$G" message names, as the option button 1..4 the
// receiving machine clicks; 0 for an option the setup does not know.
int optionButton(std::string_view option);

// A chat text as it is sent: the fixed ten-digit string removed, and never
// a text that the other machine would read as a game message.
inline constexpr std::string_view kChatFilter = "3141592653";
std::string outgoingChat(std::string_view text);

// The chat list's lines for a text: the sender's name cut to 6 characters
// and right-aligned in 6, a blank, and the text in slices of 32.
std::vector<std::string> chatLines(std::string_view user, std::string_view text);

// The other player of a lobby of two: the name that is not this machine's.
std::string opponentIn(const std::vector<std::string>& players, std::string_view own);

} // namespace vantorelle
