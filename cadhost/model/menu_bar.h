#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenmoor::cadhost {

// The add-in menus of the host, one list per document type, kept in the order the
// add-ins added them. An item's text is "<caption>@<menu title>"; it belongs to the menu
// of its document type with that title.
class MenuBar {
public:
    struct Menu {
        std::int32_t documentType;
        std::string title;
        std::int32_t position;
    };
    struct Item {
        std::int32_t documentType;
        std::int32_t cookie;  // the add-in whose callback target is called
        std::string text;
        std::string callback;

        std::string caption() const { return text.substr(0, text.find('@')); }
        std::string menuTitle() const;
    };

    void addMenu(std::int32_t documentType, std::string title, std::int32_t position);
    void addItem(Item item);
    // Removes the menu and its items; false when there is no such menu.
    bool removeMenu(std::int32_t documentType, std::string_view title);

    const std::vector<Menu>& menus() const { return menus_; }
    const std::vector<Item>& items() const { return items_; }
    std::vector<Item> itemsFor(std::int32_t documentType) const;
    // The item of a document type's menus whose caption is `caption`.
    std::optional<Item> find(std::int32_t documentType, std::string_view caption) const;

private:
    std::vector<Menu> menus_;
    std::vector<Item> items_;
};

}  // namespace quenmoor::cadhost
