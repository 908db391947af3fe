#include "cadhost/model/menu_bar.h"

#include <algorithm>

namespace quenmoor::cadhost {

std::string MenuBar::Item::menuTitle() const {
    auto at = text.find('@');
    return at == std::string::npos ? std::string() : text.substr(at + 1);
}

void MenuBar::addMenu(std::int32_t documentType, std::string title, std::int32_t position) {
    menus_.push_back({documentType, std::move(title), position});
}

void MenuBar::addItem(Item item) {
    items_.push_back(std::move(item));
}

bool MenuBar::removeMenu(std::int32_t documentType, std::string_view title) {
    auto menu = std::find_if(menus_.begin(), menus_.end(), [&](const Menu& m) {
        return m.documentType == documentType && m.title == title;
    });
    if (menu == menus_.end()) {
        return false;
    }
    menus_.erase(menu);
    std::erase_if(items_, [&](const Item& item) {
        return item.documentType == documentType && item.menuTitle() == title;
    });
    return true;
}

std::vector<MenuBar::Item> MenuBar::itemsFor(std::int32_t documentType) const {
    std::vector<Item> result;
    std::copy_if(items_.begin(), items_.end(), std::back_inserter(result),
                 [&](const Item& item) { return item.documentType == documentType; });
    return result;
}

std::optional<MenuBar::Item> MenuBar::find(std::int32_t documentType,
                                           std::string_view caption) const {
    for (const Item& item : items_) {
        if (item.documentType == documentType && item.caption() == caption) {
            return item;
        }
    }
    return std::nullopt;
}

}  // namespace quenmoor::cadhost
