#include "quenmoortools/ui/workbooks.h"

#include <system_error>

#include "contracts/host/host_codes.h"
#include "platform/com/com_error.h"
#include "platform/files/workbook_places.h"
#include "quenmoortools/ui/module1.h"

namespace quenmoor::ui {

std::string findWorkbook(host::ISldWorks& host, std::string_view name) {
    const std::string preference = host.GetUserPreferenceStringValue(host::PreferenceTeamFolder);
    try {
        return files::findWorkbook(name, files::teamFolder(preference), addinFolder())
            .file.string();
    } catch (const std::system_error& error) {
        throw com::fileError(error);
    }
}

}  // namespace quenmoor::ui
