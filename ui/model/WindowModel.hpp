#pragma once

// The window without a toolkit: its five fields as plain text, with its handlers.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "WindowFields.hpp"
#include "WindowHandlers.hpp"

namespace ui {

// The five fields held as strings, all empty at the start, with the three handlers wired
// as the window wires them: setting txtNGR to a different text runs the Change handler.
class WindowModel : public WindowFields {
  public:
    WindowModel(std::string decimalSeparator, std::function<void()> endProgram);

    [[nodiscard]] std::string Text(Field field) const override;
    void SetText(Field field, std::string_view text) override;

    WindowHandlers& Handlers() noexcept { return handlers_; }

  private:
    static constexpr std::size_t kFieldCount = 5;
    std::array<std::string, kFieldCount> texts_;
    WindowHandlers handlers_;
};

}  // namespace ui
