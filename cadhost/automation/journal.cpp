#include "cadhost/automation/journal.h"

#include "cadhost/model/quote.h"
#include "platform/com/com_error.h"
#include "platform/com/variant.h"

namespace quenmoor::cadhost {

void Journal::appendBoolean(std::string& line, bool value) {
    line += value ? " True" : " False";
}

void Journal::appendInteger(std::string& line, std::int64_t value) {
    line += ' ';
    line += std::to_string(value);
}

void Journal::appendNumber(std::string& line, double value) {
    line += ' ';
    line += com::formatDouble(value);
}

void Journal::appendWord(std::string& line, std::string_view word) {
    line += " ";
    line += word;
}

void Journal::appendText(std::string& line, std::string_view text) {
    line += ' ';
    line += quote(text);
}

void Journal::refuseIfInjected(std::string_view method) {
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
