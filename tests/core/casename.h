#pragma once

#include <cctype>
#include <string>

#include <gtest/gtest.h>

// Names a case of a parameterised test after its `what` field, so a failure says which case.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case> &info) const {
        std::string name;
        for (const char *p = info.param.what; *p != '\0'; ++p) {
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        }
        return name + "_" + std::to_string(info.index);
    }
};
