#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <tuple>
#include <vector>

#include "contracts/host/host_application.h"
#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text_case.h"
#include "platform/com/variant.h"
#include "quenmoortools/toolkit/int16_counter.h"

// What a tool declares to the add-in, and what the add-in gives a tool. A tool is a class in
// its own folder; the add-in lists the classes in one table and builds its menus, the
// methods of its interface, the routing of page events and its state from their
// declarations:
//
//     struct NumberingTool {
//         static constexpr toolkit::MenuRow Menu[] = {
//             {1, 3, "Numerate Dimension Names@Quenmoor", "NumDims"}};
//         void numdims(toolkit::AddinState& addin);   // a method of the add-in's interface
//         static constexpr toolkit::Callback<NumberingTool> Callbacks[] = {
//             {"numdims", &NumberingTool::numdims}};
//
//         // A tool whose page OK completes: the mark its command sets, and the completion.
//         com::VariantBool NumberingMark = com::VariantFalse;
//         static constexpr auto Mark = &NumberingTool::NumberingMark;
//         void complete(toolkit::AddinState& addin, const com::ComPtr<host::IModelDoc2>& document);
//
//         // Optional: the buttons and option buttons of its page, by the ids it gives them.
//         static constexpr toolkit::ButtonRoute<NumberingTool> Buttons[] = {...};
//         static constexpr toolkit::OptionRoute<NumberingTool> Options[] = {...};
//     };
namespace quenmoor::toolkit {

// A row of a Quenmoor menu: the document type whose menu holds it, its place in that menu
// (1 at the top), "<caption>@Quenmoor" exactly as the host shows it, and the name of the
// method the host calls back, in any letter case.
struct MenuRow {
    std::int32_t documentType;
    std::int32_t position;
    std::string_view text;
    std::string_view callback;
};

class AddinState;

// A method of the add-in's interface that a tool answers. Called by name, it gives back an
// empty value.
template <class Tool>
struct Callback {
    std::string_view name;
    void (Tool::*run)(AddinState& addin);
};

// A button of a tool's page; ids are unique among the add-in's pages.
template <class Tool>
struct ButtonRoute {
    std::int32_t id;
    void (Tool::*press)(AddinState& addin);
};

// The option buttons of a tool's page.
template <class Tool>
struct OptionRoute {
    std::span<const std::int32_t> ids;
    void (Tool::*check)(AddinState& addin, std::int32_t id);
};

// What the add-in shares with its tools: the connection, the page most recently built, the
// row counter, the spreadsheet application and the marks of the pages that OK completes.
class AddinState {
public:
    com::ComPtr<host::ISldWorks> HostApp;
    std::int32_t AddinCookie = 0;
    com::ComPtr<host::IPropertyManagerPage2> CurrentPage;
    // The row and loop counter the tools share.
    Int16Counter RowCounter;

    // The object every page of the add-in reports its events to.
    virtual com::ComPtr<com::IDispatch> pageHandler() = 0;

    // The one spreadsheet application of the add-in: created on first use, kept for the
    // object's life, never shown and never told to quit.
    spreadsheet::Global& spreadsheet();

    // Sets a tool's mark for the page it is about to build and clears it again if the
    // build fails, so no mark outlives its page.
    class MarkedPageBuild {
    public:
        MarkedPageBuild(AddinState& addin, com::VariantBool& mark);
        ~MarkedPageBuild();
        // The page is shown: the mark stays until the page closes.
        void shown() { shown_ = true; }
        MarkedPageBuild(const MarkedPageBuild&) = delete;
        MarkedPageBuild& operator=(const MarkedPageBuild&) = delete;

    private:
        AddinState& addin_;
        com::VariantBool& mark_;
        bool shown_ = false;
    };

    // Whether mark belongs to the page being built at this moment.
    bool inBuild(const com::VariantBool& mark) const { return &mark == markInBuild_; }

protected:
    AddinState() = default;
    ~AddinState() = default;

private:
    com::ComPtr<spreadsheet::Global> SpreadsheetApplication;
    com::VariantBool* markInBuild_ = nullptr;
};

// A tool whose page OK completes.
template <class Tool>
concept CompletedTool = requires(Tool& tool, AddinState& addin,
                                 const com::ComPtr<host::IModelDoc2>& document) {
    { tool.*Tool::Mark } -> std::same_as<com::VariantBool&>;
    tool.complete(addin, document);
};

// The add-in's tools, one object of each, in the order of the table.
template <class... Tools>
class ToolTable {
public:
    template <class Tool>
    Tool& get() {
        return std::get<Tool>(tools_);
    }

    // Calls visit(tool) for each tool in table order.
    template <class Visit>
    void forEach(Visit&& visit) {
        std::apply([&](auto&... tool) { (visit(tool), ...); }, tools_);
    }
    // Calls visit.template operator()<Tool>() for each tool type in table order.
    template <class Visit>
    static constexpr void forEachType(Visit&& visit) {
        (visit.template operator()<Tools>(), ...);
    }

    // The rows of one document type's menu, top first.
    static std::vector<MenuRow> menu(std::int32_t documentType) {
        std::vector<MenuRow> rows;
        forEachType([&]<class Tool>() {
            std::ranges::copy_if(Tool::Menu, std::back_inserter(rows), [&](const MenuRow& row) {
                return row.documentType == documentType;
            });
        });
        std::ranges::sort(rows, {}, &MenuRow::position);
        return rows;
    }

    // Whether the declarations fit together: every menu row calls back a callback some
    // tool declares (in any letter case), and each document type's rows are numbered 1, 2,
    // ... without a gap or a repeat.
    static consteval bool declarationsAgree() {
        bool agree = true;
        forEachType([&]<class Tool>() {
            for (const MenuRow& row : Tool::Menu) {
                agree = agree && declaresCallback(row.callback) && row.position >= 1 &&
                        row.position <= rowsOf(row.documentType) &&
                        rowsAt(row.documentType, row.position) == 1;
            }
        });
        return agree;
    }

    // Runs the completion of the first tool, in table order, whose mark is set, and clears
    // that mark whether the completion succeeds or fails: a failed completion must not run
    // again at the next OK of another page. At most one completion runs.
    void complete(AddinState& addin, const com::ComPtr<host::IModelDoc2>& document) {
        bool done = false;
        forEach([&]<class Tool>(Tool& tool) {
            if constexpr (CompletedTool<Tool>) {
                com::VariantBool& mark = tool.*Tool::Mark;
                if (done || mark == com::VariantFalse) {
                    return;
                }
                done = true;
                struct ClearMark {
                    com::VariantBool& mark;
                    ~ClearMark() { mark = com::VariantFalse; }
                } clear{mark};
                tool.complete(addin, document);
            }
        });
    }

    // A page closed otherwise than with OK takes its mark with it; a mark set by a page
    // that is being built at this moment belongs to that page and stays.
    void clearMarksOfClosedPage(const AddinState& addin) {
        forEach([&]<class Tool>(Tool& tool) {
            if constexpr (CompletedTool<Tool>) {
                com::VariantBool& mark = tool.*Tool::Mark;
                if (!addin.inBuild(mark)) {
                    mark = com::VariantFalse;
                }
            }
        });
    }

    // The button `id` of any tool's page; an id no tool routes does nothing.
    void pressButton(AddinState& addin, std::int32_t id) {
        forEach([&]<class Tool>(Tool& tool) {
            if constexpr (requires { Tool::Buttons; }) {
                for (const ButtonRoute<Tool>& route : Tool::Buttons) {
                    if (route.id == id) {
                        (tool.*route.press)(addin);
                    }
                }
            }
        });
    }

    // The option button `id` of any tool's page.
    void checkOption(AddinState& addin, std::int32_t id) {
        forEach([&]<class Tool>(Tool& tool) {
            if constexpr (requires { Tool::Options; }) {
                for (const OptionRoute<Tool>& route : Tool::Options) {
                    if (std::ranges::find(route.ids, id) != route.ids.end()) {
                        (tool.*route.check)(addin, id);
                    }
                }
            }
        });
    }

private:
    static constexpr bool declaresCallback(std::string_view name) {
        bool found = false;
        forEachType([&]<class Tool>() {
            for (const Callback<Tool>& callback : Tool::Callbacks) {
                found = found || com::equalsIgnoringCase(callback.name, name);
            }
        });
        return found;
    }
    static constexpr std::int32_t rowsAt(std::int32_t documentType, std::int32_t position) {
        std::int32_t count = 0;
        forEachType([&]<class Tool>() {
            count += static_cast<std::int32_t>(
                std::ranges::count_if(Tool::Menu, [&](const MenuRow& row) {
                    return row.documentType == documentType && row.position == position;
                }));
        });
        return count;
    }
    static constexpr std::int32_t rowsOf(std::int32_t documentType) {
        std::int32_t count = 0;
        forEachType([&]<class Tool>() {
            count += static_cast<std::int32_t>(
                std::ranges::count(Tool::Menu, documentType, &MenuRow::documentType));
        });
        return count;
    }

    std::tuple<Tools...> tools_;
};

}  // namespace quenmoor::toolkit
