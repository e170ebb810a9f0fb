#pragma once

// The three things the window does: react to an edit of the grid reference, Calculate and
// Quit.

#include <functional>
#include <string>
#include <string_view>

#include "WindowFields.hpp"

namespace ui {

// Messages of the red message line.
inline constexpr std::string_view kInvalidNGR = "Invalid NGR";
inline constexpr std::string_view kInvalidLatitude = "Invalid latitude";
inline constexpr std::string_view kInvalidLongitude = "Invalid longitude";

// The window's three event handlers, working on `fields`. They keep no state of their own.
class WindowHandlers {
  public:
    // `decimalSeparator` is the user's locale's: numbers are shown and read with it.
    // `endProgram` is called by Quit; it must end the program without further events.
    WindowHandlers(WindowFields& fields, std::string decimalSeparator,
                   std::function<void()> endProgram);

    // Change of txtNGR, after every change of its text. Fewer than eight characters: the
    // locator and the message are emptied. Otherwise the grid reference is converted: on
    // success the message is emptied and the locator, longitude and latitude are shown, in
    // that order, the locator computed from the unrounded position and the two numbers
    // shown as "###.###"; on failure "Invalid NGR" is shown and the locator emptied, while
    // the latitude and longitude keep what they show.
    void ChangeTxtNGR();

    // Click of latlon ("Calculate"). Empties txtNGR (which runs ChangeTxtNGR when it held
    // text), then reads the latitude and the longitude, in that order, as numbers in the
    // user's locale. When both are numbers in range (-90..90, -180..180) the message is
    // emptied and their locator shown; otherwise "Invalid latitude" or "Invalid longitude"
    // (the first that fails) is shown and the locator emptied. latin and lonin are never
    // rewritten.
    void ClickLatlon();

    // Click of cmdQuit ("Quit"): ends the program.
    void ClickCmdQuit();

  private:
    WindowFields& fields_;
    std::string decimalSeparator_;
    std::function<void()> endProgram_;
};

}  // namespace ui
