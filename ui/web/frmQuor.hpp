#pragma once

// The window as a web page: its fields are the texts of the page's controls, which carry the
// controls' names as their ids (MakePage.cpp writes the page, page.js wires its events).
//
// The page holds the window's whole state in its controls and the handlers keep none of
// their own, so each event is handled by a frmQuor made for it.

#include <string>
#include <string_view>

#include "ui/model/WindowFields.hpp"
#include "ui/model/WindowHandlers.hpp"

namespace ui::web {

class frmQuor : public WindowFields {
  public:
    // Over the page's controls, showing and reading numbers with the decimal separator of the
    // browser's language.
    frmQuor();

    [[nodiscard]] std::string Text(Field field) const override;
    void SetText(Field field, std::string_view text) override;

    WindowHandlers& Handlers() noexcept { return handlers_; }

  private:
    WindowHandlers handlers_;
};

}  // namespace ui::web
