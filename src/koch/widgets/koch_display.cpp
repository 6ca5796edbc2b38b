#include "koch/widgets/koch_display.h"

#include <algorithm>

namespace dittaro {

std::string splitKochOrder(std::string_view order, int level) {
    const std::size_t split = std::min(order.size(), static_cast<std::size_t>(std::max(level, 0)));
    return std::string(order.substr(0, split)) + "  " + std::string(order.substr(split));
}

std::string kochStatusText(std::string_view order, int level) {
    std::string text = "Koch " + std::to_string(level) + "/" + std::to_string(order.size()) + "  ";
    if (level <= 2) {
        text += order.substr(0, 2);
    } else if (static_cast<std::size_t>(level) <= order.size()) {
        text += order[static_cast<std::size_t>(level) - 1];
    }
    return text;
}

} // namespace dittaro
