#include <gtest/gtest.h>

#include <ostream>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <new>
#include <optional>
#include <string>

#include "fatalerror.h"
#include "textcodec.h"

namespace {

struct Report {
    int32_t code;
    std::string text;
};

std::optional<Report> report;

// Records the report and returns, so that the failed allocation comes back to the test.
void recordReport(int32_t code, const namer::GbkText &message) {
    report = Report{code, namer::utf8FromGbk(namer::fatalErrorText(code, message))};
}

// More than any machine has; volatile so that the compiler sees no constant size.
volatile std::size_t hugeSize = std::size_t(1) << 62;

struct AllocationCase {
    const char *what;
    std::function<void *()> allocate;
    bool throws;

    friend std::ostream &operator<<(std::ostream &os, const AllocationCase &c) {
        return os << c.what;
    }
};

class OutOfMemory : public testing::TestWithParam<AllocationCase> {
protected:
    void SetUp() override {
        report.reset();
        previous = namer::setFatalErrorHandler(recordReport);
    }
    void TearDown() override { namer::setFatalErrorHandler(previous); }

    namer::FatalErrorHandler previous = nullptr;
};

TEST_P(OutOfMemory, ReportsTheBytesAskedFor) {
    const AllocationCase &c = GetParam();
    if (c.throws) {
        EXPECT_THROW(c.allocate(), std::bad_alloc);
    } else {
        EXPECT_EQ(c.allocate(), nullptr);
    }
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->code, 0);
    EXPECT_NE(report->text.find("分配 4611686018427387904 字节内存失败!"), std::string::npos)
        << report->text;
    EXPECT_EQ(report->text.find("错误代码"), std::string::npos);
}

constexpr auto wide = std::align_val_t(64);

INSTANTIATE_TEST_SUITE_P(
    Allocations, OutOfMemory,
    testing::Values(
        AllocationCase{"single", [] { return ::operator new(hugeSize); }, true},
        AllocationCase{"array", [] { return ::operator new[](hugeSize); }, true},
        AllocationCase{"aligned", [] { return ::operator new(hugeSize, wide); }, true},
        AllocationCase{"alignedArray", [] { return ::operator new[](hugeSize, wide); }, true},
        AllocationCase{"nothrow", [] { return ::operator new(hugeSize, std::nothrow); }, false},
        AllocationCase{"nothrowArray", [] { return ::operator new[](hugeSize, std::nothrow); },
                       false},
        AllocationCase{"nothrowAligned",
                       [] { return ::operator new(hugeSize, wide, std::nothrow); }, false},
        AllocationCase{"nothrowAlignedArray",
                       [] { return ::operator new[](hugeSize, wide, std::nothrow); }, false}),
    [](const testing::TestParamInfo<AllocationCase> &info) {
        return std::string(info.param.what);
    });

TEST(Allocation, StillWorksAndHonoursAlignment) {
    void *block = ::operator new(100, std::align_val_t(256));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 256, 0u);
    ::operator delete(block, std::align_val_t(256));
    auto *numbers = new int[1000]();
    EXPECT_EQ(numbers[999], 0);
    delete[] numbers;
}

}  // namespace
