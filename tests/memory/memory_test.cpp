// Repeating a user's operation must not make the editor's memory grow: after a warm-up, 2,000
// repetitions of each may add at most 1 MB of resident memory.

#include "repeatedoperations.h"

#include <gtest/gtest.h>

#include <memory>

namespace talvex::test {
namespace {

constexpr int WarmUp = 300;
constexpr int Repetitions = 2000;
constexpr long AllowedGrowthKilobytes = 1024;

TEST(Memory, RepeatedUserOperationsKeepResidentMemory)
{
    auto windows = std::make_unique<EditorWindows>();
    const std::vector<memory::Operation> operations = memory::userOperations(*windows);
    for (const memory::Operation &operation : operations) {
        SCOPED_TRACE(operation.name);
        int repetition = 0;
        for (; repetition < WarmUp; ++repetition)
            ASSERT_TRUE(operation.once(repetition)) << "repetition " << repetition;
        memory::settle();
        const long before = memory::residentKilobytes();
        ASSERT_GT(before, 0);
        int failed = 0;
        for (; repetition < WarmUp + Repetitions; ++repetition)
            failed += operation.once(repetition) ? 0 : 1;
        memory::settle();
        const long after = memory::residentKilobytes();
        EXPECT_EQ(failed, 0);
        EXPECT_LE(after - before, AllowedGrowthKilobytes)
            << "before " << before << " kB, after " << after << " kB";
    }
}

} // namespace
} // namespace talvex::test
