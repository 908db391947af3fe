#pragma once

#include <gtest/gtest.h>

#include "platform/com/com_error.h"

namespace quenmoor::testsupport {

// The ComError that body throws; a test failure when it throws none.
template <class Body>
com::ComError comErrorOf(Body&& body) {
    try {
        body();
    } catch (const com::ComError& error) {
        return error;
    }
    ADD_FAILURE() << "no ComError was thrown";
    return com::ComError(com::S_OK, "");
}

// Whether the description of the ComError that body throws contains `text`; a test failure
// naming the description when it does not, or when nothing is thrown.
template <class Body>
::testing::AssertionResult failsNaming(Body&& body, std::string_view text) {
    const std::string description = comErrorOf(body).description();
    if (description.find(text) != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the error \"" << description << "\" does not name \"" << text << "\"";
}

}  // namespace quenmoor::testsupport
