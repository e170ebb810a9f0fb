#pragma once

// The five fields of the Quorvane window, as its handlers see them.

#include <string>
#include <string_view>

namespace ui {

// The window's fields: the texts of its four text boxes and the caption of its message line.
enum class Field {
    txtNGR,    // the grid reference the user types
    txtLoc,    // the locator shown
    latin,     // the latitude, typed or shown
    lonin,     // the longitude, typed or shown
    labError,  // the red message line
};

// Where the fields live: plain strings (WindowModel) or the controls of a real window.
//
// An implementation promises that
//  - SetText shows the new text at once and Text then returns it;
//  - setting txtNGR to a text different from the one it holds runs the Change handler of
//    txtNGR before SetText returns, exactly as a user's edit of the box does; setting it to
//    the text it already holds runs nothing.
// Texts are UTF-8.
class WindowFields {
  public:
    WindowFields() = default;
    WindowFields(const WindowFields&) = delete;
    WindowFields& operator=(const WindowFields&) = delete;
    virtual ~WindowFields() = default;

    [[nodiscard]] virtual std::string Text(Field field) const = 0;
    virtual void SetText(Field field, std::string_view text) = 0;
};

}  // namespace ui
