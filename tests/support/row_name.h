#pragma once

#include <gtest/gtest.h>

#include <string>

// Names a parameterised test after its row, so a failure reads "Usb2400At7100kHz", not "/1".
// Every table of cases names its rows this way; a row needs a text member called name.
struct RowName {
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};
