// What the main window needs from the windows that live as long as the
// program (the rider details window and the quick search window). They are
// made elsewhere and handed to the main window; without them the main
// window acts as if they were closed.
#pragma once

namespace rondaxa {

class ModelessWindow {
public:
    virtual ~ModelessWindow() = default;
    virtual bool IsOpen() const = 0;
    virtual void CloseWindow() = 0;
};

class RiderDetailsWindow : public ModelessWindow {
public:
    // Shows the rider of that row of the active class.
    virtual void ShowRow(int row) = 0;
    // Stores edits made in the window that are not stored yet.
    virtual void StorePending() = 0;
    // Gives the window the keyboard focus.
    virtual void TakeFocus() = 0;
};

} // namespace rondaxa
