#include "WindowModel.hpp"

#include <utility>

namespace ui {

WindowModel::WindowModel(std::string decimalSeparator, std::function<void()> endProgram)
    : handlers_(*this, std::move(decimalSeparator), std::move(endProgram)) {}

std::string WindowModel::Text(Field field) const {
    return texts_.at(static_cast<std::size_t>(field));
}

void WindowModel::SetText(Field field, std::string_view text) {
    std::string& held = texts_.at(static_cast<std::size_t>(field));
    if (held == text) {
        return;
    }
    held = text;
    if (field == Field::txtNGR) {
        handlers_.ChangeTxtNGR();
    }
}

}  // namespace ui
