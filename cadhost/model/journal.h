#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quenmoor::cadhost {

// A record of every call an add-in made on the host's objects, in order, shared by the
// application object and every document, feature and page. It can also be told to refuse
// a call, so that scripts and tests show how an add-in copes with a host that fails.
class Journal {
public:
    // Records the call, then raises ComError(E_FAIL) naming `method` when a failure was
    // injected for this call.
    void enter(std::string_view method, std::string record);

    // Makes the n-th next call (1 = the very next) of the named method fail.
    void failCall(std::string method, int nth);

    const std::vector<std::string>& entries() const { return entries_; }

    // Large automated runs (benchmarks) need not keep a record of every call.
    void setRecording(bool recording) { recording_ = recording; }

private:
    bool recording_ = true;
    std::vector<std::string> entries_;
    std::map<std::string, int, std::less<>> injectedFailures_;
};

using JournalPtr = std::shared_ptr<Journal>;

// A text in double quotes, as scripts and the journal write it.
std::string quote(std::string_view text);

}  // namespace quenmoor::cadhost
