// What the user can reach: the methods of the add-in's default interface by name, as the
// tools of the tool table declare them.

#include "quenmoortools/addin/commands.h"

#include <utility>
#include <vector>

#include "quenmoortools/addin/application.h"

namespace quenmoor::addin {

namespace {

using Table = com::DispatchTable<ApplicationInterface>;

// Callback K of Tool, run on the add-in object that the interface belongs to.
template <class Tool, std::size_t K>
void runCallback(ApplicationInterface& target) {
    Application& application = static_cast<Application&>(target);
    (application.tool<Tool>().*Tool::Callbacks[K].run)(application);
}

template <class Tool, std::size_t... K>
void addCallbacks(std::vector<Table::Member>& members, std::index_sequence<K...>) {
    (members.push_back(Table::method<&runCallback<Tool, K>>(std::string(Tool::Callbacks[K].name))),
     ...);
}

}  // namespace

const com::DispatchTable<ApplicationInterface>& ApplicationInterface::dispatchTable() {
    static const Table table = [] {
        std::vector<Table::Member> members;
        ToolTable::forEachType([&]<class Tool>() {
            addCallbacks<Tool>(members, std::make_index_sequence<std::size(Tool::Callbacks)>{});
        });
        return Table(members);
    }();
    return table;
}

}  // namespace quenmoor::addin
