#include "draw/number_list.h"

#include <gtest/gtest.h>

#include "motion/error.h"

namespace pelora {
namespace {

NumberList listOf(std::initializer_list<const char*> texts) {
    NumberList list;
    for (const char* text : texts) {
        list.append(text);
    }
    return list;
}

TEST(NumberList, MoveTakesOutThenInsertsAtTheTarget) {
    NumberList forward = listOf({"a0", "a1", "a2", "a3"});
    forward.move(0, 2);
    EXPECT_EQ(forward.items(), (std::vector<std::string>{"a1", "a2", "a0", "a3"}));
    NumberList backward = listOf({"a0", "a1", "a2", "a3"});
    backward.move(3, 1);
    EXPECT_EQ(backward.items(), (std::vector<std::string>{"a0", "a3", "a1", "a2"}));
}

TEST(NumberList, RemoveShiftsLaterItemsUp) {
    NumberList list = listOf({"1", "2", "3"});
    list.remove(1);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"1", "3"}));
    EXPECT_THROW(list.remove(2), ShowError);
    EXPECT_THROW((void)list.at(-1), ShowError);
}

struct SortCase {
    std::vector<std::string> input;
    std::vector<std::string> sorted;
};

class SortNumberedListTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortNumberedListTest, SortsByNumericValueKeepingEqualsInOrder) {
    NumberList list;
    for (const std::string& text : GetParam().input) {
        list.append(text);
    }
    SortNumberedList(list);
    EXPECT_EQ(list.items(), GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortNumberedListTest,
    ::testing::Values(SortCase{{}, {}}, SortCase{{"7"}, {"7"}},
                      SortCase{{"10", "9", "2"}, {"2", "9", "10"}},
                      // "07" and "7" are equal in value: they keep their relative order.
                      SortCase{{"7", "3", "07", "1"}, {"1", "3", "7", "07"}},
                      SortCase{{"28", "1", "19", "3", "11", "2", "20"},
                               {"1", "2", "3", "11", "19", "20", "28"}}));

TEST(NumberList, NonNumericTextIsAClearError) {
    NumberList list = listOf({"3", "x"});
    EXPECT_THROW(SortNumberedList(list), ShowError);
}

}  // namespace
}  // namespace pelora
