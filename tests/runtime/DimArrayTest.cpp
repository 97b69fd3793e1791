#include "runtime/DimArray.h"

#include <gtest/gtest.h>

#include "runtime/FatalError.h"

namespace getlink {
namespace {

TEST(DimArray, ElementsFromOne) {
  DimArray<Text> labels(3);
  labels[1] = "first";
  labels[3] = "last";
  EXPECT_EQ(ElementCount(labels), 3);
  EXPECT_EQ(labels[1], "first");
  EXPECT_EQ(labels[2], "");
  EXPECT_EQ(labels[3], "last");
  EXPECT_EQ(ElementCount(DimArray<int>()), 0);
  EXPECT_EQ(ElementCount(DimArray<int>(0)), 0);
}

TEST(FatalErrorText, FormatsNumberAndMessage) {
  EXPECT_EQ(FatalErrorText(1), "program internal error number is 1. \r\n数组成员引用下标超出定义范围");
  EXPECT_EQ(FatalErrorText(11), "program internal error number is 11. \r\n所提供参数的数据类型不符合要求");
  EXPECT_EQ(FatalErrorText(100), "program internal error number is 100. \r\n");
  EXPECT_EQ(FatalErrorText(0), "program internal error number is 0. \r\n");
}

#ifndef _WIN32
TEST(DimArrayDeathTest, BadIndexIsFatal) {
  DimArray<int> array(2);
  EXPECT_EXIT(array[0] = 1, ::testing::ExitedWithCode(kFatalExitStatus), "program internal error number is 4\\.");
  EXPECT_EXIT(array[3] = 1, ::testing::ExitedWithCode(kFatalExitStatus), "program internal error number is 1\\.");
  DimArray<int> none;
  EXPECT_EXIT(none[1] = 1, ::testing::ExitedWithCode(kFatalExitStatus), "program internal error number is 1\\.");
}
#endif

}  // namespace
}  // namespace getlink
