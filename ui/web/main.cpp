// The page's three events, which page.js sends here; each is handled by the window over the
// page's controls (frmQuor.hpp).

#include <emscripten.h>

#include "frmQuor.hpp"

extern "C" {

EMSCRIPTEN_KEEPALIVE void quorvane_change_txtNGR() {
    ui::web::frmQuor().Handlers().ChangeTxtNGR();
}

EMSCRIPTEN_KEEPALIVE void quorvane_click_latlon() {
    ui::web::frmQuor().Handlers().ClickLatlon();
}

EMSCRIPTEN_KEEPALIVE void quorvane_click_cmdQuit() {
    ui::web::frmQuor().Handlers().ClickCmdQuit();
}

}  // extern "C"
