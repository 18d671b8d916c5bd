// Game messages from the other machine against any bytes: read or refused,
// never a crash; a throw that is read writes back to the same text; chat as
// it is sent is never taken for a game message.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rules/network/protocol.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto m = readGameMessage(text); m && m->kind == GameMessage::Kind::Throw) {
        const auto again = readGameMessage(throwMessage(m->x, m->y, m->bed, m->bounceOut));
        if (!again || again->x != m->x || again->y != m->y || again->bed != m->bed || again->bounceOut != m->bounceOut)
            std::abort();
    }
    if (readGameMessage(outgoingChat(text)))
        std::abort();
    chatLines(text.substr(0, 10), text);
    return 0;
}
