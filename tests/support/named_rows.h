#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quenmoor::testsupport {

// Names each row of a parameterised test by its `name` member, so that a failing row says
// which case it is.
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

}  // namespace quenmoor::testsupport
