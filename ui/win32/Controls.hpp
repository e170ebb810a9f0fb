#pragma once

// The window's controls as Windows knows them: by their identifiers (GetDlgItem).

namespace ui::win32 {

// One identifier for each control of the design. None is IDOK (1) or IDCANCEL (2), which
// the dialog keyboard sends for Enter and Escape: those keys do nothing here.
enum class ControlId : int {
    Label1 = 101,
    txtNGR,
    labError,
    Label2,
    txtLoc,
    cmdQuit,
    Frame1,
    Label3,
    latin,
    Label4,
    lonin,
    latlon,
};

}  // namespace ui::win32
