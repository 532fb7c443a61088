// What the main window and its cell editing need from the rider details
// window, which lives as long as the main window; without it they act as if
// it were closed.
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
