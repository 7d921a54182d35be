#pragma once

#include <string>

#include <gtest/gtest.h>

// Names parameterised cases after the `name` field of their row.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};
