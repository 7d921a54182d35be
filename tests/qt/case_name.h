#pragma once

#include <gtest/gtest.h>

#include <string>

// Names parameterised cases after the `name` field of their row.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};
