#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/com/export.h"
#include "platform/com/hresult.h"

namespace quenmoor::com {

// A failing call: its HRESULT and a description that names what failed, for example
// "Options.xls: no sheet named list4".
class QUENMOOR_EXPORT ComError : public std::runtime_error {
public:
    ComError(HRESULT hr, const std::string& description);
    ComError(const ComError&) = default;
    ComError& operator=(const ComError&) = default;
    ~ComError() override;

    HRESULT code() const noexcept { return code_; }
    std::string description() const { return what(); }

private:
    HRESULT code_;
};

// The description of the last failure that crossed a boundary on this thread, the
// counterpart of the platform's error-info object. A callee sets it before returning a
// failing HRESULT; the caller takes it (and so clears it) to build its ComError.
QUENMOOR_EXPORT void setErrorInfo(std::string description);
QUENMOOR_EXPORT std::string takeErrorInfo();

// The code as people quote it, "0x" and eight upper-case hexadecimal digits: "0x80004005".
QUENMOOR_EXPORT std::string hexCode(HRESULT hr);

// The text used when a failing HRESULT comes without a description.
QUENMOOR_EXPORT std::string describeCode(HRESULT hr);

// Throws ComError for a failing hr, with the error info left by the callee or, failing
// that, "<context>: <text of the code>".
QUENMOOR_EXPORT void check(HRESULT hr, std::string_view context);

// Runs body at a boundary that must not throw: returns S_OK, or the failure's HRESULT with
// its description left as error info.
template <class Body>
HRESULT boundary(Body&& body) noexcept;

QUENMOOR_EXPORT HRESULT failureFromCurrentException() noexcept;

// A failed file operation as a ComError with the same text: E_ACCESSDENIED when the folder
// or file may not be written, else E_FAIL.
QUENMOOR_EXPORT ComError fileError(const std::system_error& error);

template <class Body>
HRESULT boundary(Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (...) {
        return failureFromCurrentException();
    }
}

}  // namespace quenmoor::com
