#include "cadhost/model/journal.h"

#include "platform/com/com_error.h"

namespace quenmoor::cadhost {

std::string quote(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

void Journal::enter(std::string_view method, std::string record) {
    if (recording_) {
        entries_.push_back(std::move(record));
    }
    if (injectedFailures_.empty()) {
        return;
    }
    auto it = injectedFailures_.find(method);
    if (it != injectedFailures_.end() && --it->second == 0) {
        injectedFailures_.erase(it);
        throw com::ComError(com::E_FAIL, std::string(method) + ": the host refused the call");
    }
}

void Journal::failCall(std::string method, int nth) {
    if (nth < 1) {
        throw com::ComError(com::E_INVALIDARG, "fail: the call number must be 1 or more");
    }
    injectedFailures_[std::move(method)] = nth;
}

}  // namespace quenmoor::cadhost
