// The byte stream from the other machine against any bytes, cut into pieces
// at places the input chooses: frames come out within the limit and in the
// order sent, a broken stream stays broken, and every payload is read as a
// hello, a message or a session answer without a crash.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/network/frames.h"

using namespace vantorelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the size of the pieces the stream arrives in.
    const std::size_t piece = 1 + data[0] % 64;
    const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);

    FrameReader reader;
    std::string again; // the frames taken, framed again: the start of the stream
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        reader.feed(stream.substr(at, piece));
        while (auto f = reader.next()) {
            if (f->size() > kMaxFrame)
                std::abort();
            again += frame(*f);
            if (const auto name = readHello(*f); name && readHello(helloPayload(*name)) != name)
                std::abort();
            if (const auto m = readMessage(*f)) {
                const auto back = readMessage(messagePayload(m->kind, m->text));
                if (!back || back->kind != m->kind || back->text != m->text)
                    std::abort();
            }
        }
    }
    if (!reader.broken() && stream.substr(0, again.size()) != again)
        std::abort();
    if (reader.broken()) {
        reader.feed(frame("late"));
        if (reader.next())
            std::abort();
    }
    if (const auto a = readSessionAnswer(stream)) {
        const auto back = readSessionAnswer(sessionAnswer(*a));
        if (!back || back->port != a->port || back->players != a->players || back->name != a->name)
            std::abort();
    }
    return 0;
}
