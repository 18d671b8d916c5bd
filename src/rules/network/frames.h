#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

// What travels between the two machines of a session. Every frame is a
// 32-bit length (big-endian) and a payload of at most 64 KiB. The payload's
// first byte says what it is:
//   'H' hello: the program's identifier, the protocol version and the
//       player's name; each side's first frame, anything else ends it;
//   'M' a message of the session: a 32-bit kind (0: text) and the text;
//   'K' keep-alive: nothing else to say, but the line is still there;
//   'B' goodbye: the line is closed on purpose (a line closed without it
//       was lost).
inline constexpr std::size_t kMaxFrame = 64 * 1024;
inline constexpr std::string_view kAppIdentifier = "VANTORELLE-1b7e4c2a";
// 2: both sides keep the line alive, and a silent line is lost.
inline constexpr int kProtocolVersion = 2;
// A player's name as it travels, in characters (the name boxes' own length).
inline constexpr std::size_t kLongestName = 30;

std::string frame(std::string_view payload); // empty when the payload is too long

std::string helloPayload(std::string_view playerName);
// The player's name from a hello of this program and version; nothing for
// any other payload.
std::optional<std::string> readHello(std::string_view payload);

std::string keepAlivePayload();
std::string byePayload();
bool isByePayload(std::string_view payload);

std::string messagePayload(std::int32_t kind, std::string_view text);
struct SessionMessage {
    std::int32_t kind = 0;
    std::string text;
};
std::optional<SessionMessage> readMessage(std::string_view payload);

// Cuts a byte stream into frames as the bytes arrive, in any pieces. A
// length past the limit breaks the stream for good: the connection is to be
// closed.
class FrameReader {
public:
    void feed(std::string_view bytes);
    std::optional<std::string> next();
    bool broken() const { return m_broken; }

private:
    std::string m_buffer;
    std::deque<std::string> m_frames;
    bool m_broken = false;
};

// Finding sessions: a datagram asks who hosts one, and a host answers with
// its session's name and players.
inline constexpr std::string_view kSessionQuery = "VANTORELLE? 1";
struct SessionAnswer {
    std::string name;
    int players = 0;
    int maxPlayers = 2;
    std::uint16_t port = 0; // where the host listens
};
std::string sessionAnswer(const SessionAnswer& a);
std::optional<SessionAnswer> readSessionAnswer(std::string_view datagram);
// The session list's line: "name (players/max)".
std::string sessionLine(const SessionAnswer& a);

} // namespace vantorelle
