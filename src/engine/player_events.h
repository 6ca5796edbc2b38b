#pragma once

// What the listening player tells the window. The player never calls these itself: it
// hands each call to the window's "post to GUI thread" function, from whichever thread it
// runs on (user-interface, audio or timer thread), in the order the changes happen.

#include <functional>
#include <string>

namespace dittaro {

// Runs a function later on the user-interface thread, in the order posted. It must queue
// and return at once, never run the function inline: the player posts under its lock.
using PostToGui = std::function<void(std::function<void()>)>;

// Enable states of the playback buttons of the "Abspielen" tab.
struct ListeningButtons {
    bool start = false; // BitBtn6
    bool pause = false; // BitBtn7
    bool stop = false;  // BitBtn8
    bool steps = false; // BitBtn1 (forward) and BitBtn2 (back)

    bool operator==(const ListeningButtons&) const = default;
};

class PlayerEvents {
public:
    virtual ~PlayerEvents() = default;

    // True at a start: the window locks its controls (export items, hardness, delay and
    // on-screen key menus, timing-file import, speed factor, keying input) and unticks and
    // disables "Tastaturmorsen". False at the end: it unlocks them again.
    virtual void onControlsLocked(bool locked) = 0;
    virtual void onButtons(const ListeningButtons& buttons) = 0;
    // The menu "Härte der Tastung" may be used while paused.
    virtual void onHardnessMenuEnabled(bool enabled) = 0;
    virtual void onWordDisplayCleared() = 0;
    // Append to the word display, move the caret to its end and scroll there.
    virtual void onWordsShown(const std::string& text) = 0;
    virtual void onProgress(int value, int maximum) = 0;
    // The playback has ended; posted after the buttons and the unlock of the end. The window
    // adds its own end handling here (keyboard Morse, exam bookkeeping).
    virtual void onEnded() = 0;
};

} // namespace dittaro
