#pragma once

namespace tessra {

// The keyboard's lock states as the window system reports them; all off where it reports none.
struct KeyboardLocks {
    bool kana = false;
    bool caps = false;
    bool num = false;
    bool scroll = false;

    bool operator==(const KeyboardLocks&) const = default;
};

KeyboardLocks CurrentKeyboardLocks();

}  // namespace tessra
