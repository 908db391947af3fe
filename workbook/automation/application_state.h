#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "workbook/automation/open_workbook.h"

namespace quenmoor::workbook::automation {

// The one spreadsheet application of the process: every global object of the library
// reaches this state, so workbooks opened through one are seen through any other. Calls
// come from the host's one GUI thread, so it takes no lock.
class ApplicationState {
public:
    static ApplicationState& instance();

    // Opens the file named fileName, found without regard to case (relative names from
    // the current folder), and makes it the active workbook. A workbook already open from
    // the same file is made active instead of being read again. Throws ComError naming
    // the file when it is missing, a folder, or no readable workbook; nothing is opened then.
    std::shared_ptr<OpenWorkbook> open(std::string_view fileName);

    // Closes the workbook without saving; the one active before it becomes active.
    void close(const std::shared_ptr<OpenWorkbook>& workbook);
    void closeAll();

    void activate(const std::shared_ptr<OpenWorkbook>& workbook);
    // The active workbook, or nullptr when none is open.
    std::shared_ptr<OpenWorkbook> active() const;
    // The active workbook; throws ComError naming `what` when none is open. The reference
    // lasts until the next open, close or activation.
    const std::shared_ptr<OpenWorkbook>& requireActive(std::string_view what) const;
    std::size_t count() const { return workbooks_.size(); }

private:
    ApplicationState() = default;

    // The open workbooks, the most recently active last.
    std::vector<std::shared_ptr<OpenWorkbook>> workbooks_;
};

}  // namespace quenmoor::workbook::automation
