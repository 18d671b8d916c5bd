#pragma once
#include <string_view>

namespace vantorelle {

// What the match rules ask of the window they run in. The Qt main window
// answers for real; tests answer with a recorder.
class MatchHost {
public:
    virtual ~MatchHost() = default;

    // Wait this many seconds of game time while the event loop keeps running.
    virtual void pause(double seconds) = 0;
    // Let the event loop run once, without waiting.
    virtual void processEvents() = 0;
    // Sleep until something happens (a click, a tick, a message), then handle it.
    virtual void waitForEvents() = 0;
    // Play a clip by its path under the application folder ("Sounds/Dart/Clean1.wav");
    // with wait, return when it has ended.
    virtual void play(std::string_view path, bool wait) = 0;
    // The commentary line changed (the state holds it, upper-cased).
    virtual void comment(std::string_view text) = 0;
    // The information overlay, modal.
    virtual void showInfo(std::string_view text) = 0;
    // Show the scoreboard, the names' colours and the darts in hand from the state.
    virtual void refresh() = 0;
    // A game message to the other machine.
    virtual void send(std::string_view message) = 0;
    // The flight of the dart now landing at (x, y) with this pose (the frames
    // of Animate); it stays drawn unless it bounced out.
    virtual void animate(int x, int y, char pose, bool bounceOut) = 0;
    // Clear the darts off the board.
    virtual void clearBoard() = 0;
    // Start or stop the aim timer.
    virtual void setAimTimer(bool on) = 0;
    // The board is still on screen (hiding it abandons a waiting bull-up).
    virtual bool boardVisible() const = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(std::string_view question) = 0;
    // Silence whatever clip is playing.
    virtual void stopSounds() = 0;
    // The setup panel is back on its first page.
    virtual void showSetupMenu() = 0;
    // A correction took darts back: the board shows again just the darts of
    // the turn in the state (intDartX/Y and their poses, 1..bytDart), at rest.
    virtual void redrawTurn() {}
    // A leg was won (matchOver: the last leg of the match), before it is
    // announced: a window may show its figures meanwhile.
    virtual void legWon(int /*winner*/, bool /*matchOver*/) {}
};

} // namespace vantorelle
