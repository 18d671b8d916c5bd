#include "rules/network/frames.h"

#include <charconv>

#include "rules/app/utf8.h"

namespace vantorelle {

namespace {

void putInt32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

std::uint32_t getInt32(std::string_view in)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<unsigned char>(in[static_cast<std::size_t>(i)]);
    return v;
}

std::optional<int> wholeNumber(std::string_view text, int lowest, int highest)
{
    int v = 0;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || err != std::errc() || end != text.data() + text.size() || v < lowest || v > highest)
        return std::nullopt;
    return v;
}

// A name or session name as it travels: no line breaks or separators inside,
// and no longer than a name box holds, cut between characters.
std::string clean(std::string_view text)
{
    std::string out;
    for (char c : firstCharacters(text, kLongestName))
        out += (c == '\n' || c == '\r' || c == '\t' || c == '\0') ? ' ' : c;
    return out;
}

} // namespace

std::string frame(std::string_view payload)
{
    if (payload.size() > kMaxFrame)
        return {};
    std::string out;
    out.reserve(4 + payload.size());
    putInt32(out, static_cast<std::uint32_t>(payload.size()));
    out += payload;
    return out;
}

std::string helloPayload(std::string_view playerName)
{
    return "H" + std::string(kAppIdentifier) + "\t" + std::to_string(kProtocolVersion) + "\t" + clean(playerName);
}

std::optional<std::string> readHello(std::string_view payload)
{
    if (payload.empty() || payload[0] != 'H')
        return std::nullopt;
    payload.remove_prefix(1);
    const auto tab1 = payload.find('\t');
    if (tab1 == std::string_view::npos || payload.substr(0, tab1) != kAppIdentifier)
        return std::nullopt;
    payload.remove_prefix(tab1 + 1);
    const auto tab2 = payload.find('\t');
    if (tab2 == std::string_view::npos || wholeNumber(payload.substr(0, tab2), 0, 1000) != kProtocolVersion)
        return std::nullopt;
    const std::string name = clean(payload.substr(tab2 + 1));
    if (name.find_first_not_of(' ') == std::string::npos)
        return std::nullopt;
    return name;
}

std::string keepAlivePayload()
{
    return "K";
}

std::string byePayload()
{
    return "B";
}

bool isByePayload(std::string_view payload)
{
    return payload == "B";
}

std::string messagePayload(std::int32_t kind, std::string_view text)
{
    std::string out = "M";
    putInt32(out, static_cast<std::uint32_t>(kind));
    out += text;
    return out;
}

std::optional<SessionMessage> readMessage(std::string_view payload)
{
    if (payload.size() < 5 || payload[0] != 'M')
        return std::nullopt;
    SessionMessage m;
    m.kind = static_cast<std::int32_t>(getInt32(payload.substr(1, 4)));
    m.text = std::string(payload.substr(5));
    return m;
}

void FrameReader::feed(std::string_view bytes)
{
    if (m_broken)
        return;
    m_buffer += bytes;
    // The frames are cut from the front and the rest kept once, so a burst
    // of many small frames costs no more than its length.
    std::size_t at = 0;
    while (m_buffer.size() - at >= 4) {
        const std::uint32_t length = getInt32(std::string_view(m_buffer).substr(at, 4));
        if (length > kMaxFrame) {
            m_broken = true;
            m_buffer.clear();
            m_frames.clear();
            return;
        }
        if (m_buffer.size() - at < 4 + length)
            break;
        m_frames.push_back(m_buffer.substr(at + 4, length));
        at += 4 + length;
    }
    m_buffer.erase(0, at);
}

std::optional<std::string> FrameReader::next()
{
    if (m_frames.empty())
        return std::nullopt;
    std::string f = std::move(m_frames.front());
    m_frames.pop_front();
    return f;
}

std::string sessionAnswer(const SessionAnswer& a)
{
    return "VANTORELLE! 1\t" + std::to_string(a.port) + "\t" + std::to_string(a.players) + "\t" +
           std::to_string(a.maxPlayers) + "\t" + clean(a.name);
}

std::optional<SessionAnswer> readSessionAnswer(std::string_view datagram)
{
    constexpr std::string_view head = "VANTORELLE! 1\t";
    if (datagram.substr(0, head.size()) != head)
        return std::nullopt;
    datagram.remove_prefix(head.size());
    std::string_view parts[3];
    for (auto& part : parts) {
        const auto tab = datagram.find('\t');
        if (tab == std::string_view::npos)
            return std::nullopt;
        part = datagram.substr(0, tab);
        datagram.remove_prefix(tab + 1);
    }
    const auto port = wholeNumber(parts[0], 1, 65535);
    const auto players = wholeNumber(parts[1], 0, 2);
    const auto most = wholeNumber(parts[2], 1, 2);
    if (!port || !players || !most)
        return std::nullopt;
    SessionAnswer a;
    a.port = static_cast<std::uint16_t>(*port);
    a.players = *players;
    a.maxPlayers = *most;
    a.name = clean(datagram);
    return a;
}

std::string sessionLine(const SessionAnswer& a)
{
    return a.name + " (" + std::to_string(a.players) + "/" + std::to_string(a.maxPlayers) + ")";
}

} // namespace vantorelle
