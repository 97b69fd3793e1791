#include "runtime/TextConvert.h"

#include <gtest/gtest.h>

#include <cstring>

#include "runtime/FatalError.h"

namespace getlink {
namespace {

ByteSet Bytes(std::initializer_list<int> values) {
  ByteSet bytes;
  for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
  return bytes;
}

ByteSet Utf8(const char* escaped) {
  return ByteSet(escaped, escaped + std::strlen(escaped));
}

TEST(ValueToText, LogicalAndIntegers) {
  EXPECT_EQ(ValueToText(true), "真");
  EXPECT_EQ(ValueToText(false), "假");
  EXPECT_EQ(ValueToText(std::uint8_t{200}), "200");
  EXPECT_EQ(ValueToText(std::int16_t{-7}), "-7");
  EXPECT_EQ(ValueToText(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(ValueToText(std::int64_t{-9223372036854775807LL - 1}), "-9223372036854775808");
}

TEST(ValueToText, FloatingValuesLoseTrailingZeros) {
  EXPECT_EQ(ValueToText(2.5), "2.5");
  EXPECT_EQ(ValueToText(3.0), "3");
  EXPECT_EQ(ValueToText(100.0), "100");
  EXPECT_EQ(ValueToText(-0.25), "-0.25");
  EXPECT_EQ(ValueToText(0.0), "0");
  EXPECT_EQ(ValueToText(2.5f), "2.5");
  EXPECT_EQ(ValueToText(1.0 / 3.0), "0.333333");  // "%f" keeps six decimals
  EXPECT_EQ(ValueToText(1e20), "100000000000000000000");
}

TEST(ValueToText, TextsAndByteSets) {
  EXPECT_EQ(ValueToText("文件"), "文件");
  EXPECT_EQ(ValueToText(Bytes({0x61, 0x00, 0x62})), "a");
}

TEST(ByteSetConversions, StopAtTheFirstZeroByte) {
  EXPECT_EQ(ByteSetToText(Bytes({0x61, 0x00, 0x62})), "a");
  EXPECT_EQ(ByteSetToText(Bytes({0x00, 0x61})), "");
  EXPECT_EQ(ByteSetToText(Bytes({0x61, 0x62})), "ab");
  EXPECT_EQ(ByteSetToText(ByteSet()), "");
  EXPECT_EQ(TextToByteSet("文件"), Bytes({0xCE, 0xC4, 0xBC, 0xFE}));
  EXPECT_TRUE(TextToByteSet("").empty());
}

TEST(ReadByteSetValue, NumbersAreLittleEndianAndZeroPadded) {
  const ByteSet bytes = Bytes({0x01, 0x02, 0x03, 0x04, 0x05});
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Byte).AsByte(), 1);
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Short, 2).AsShort(), 0x0302);
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Int32).AsInt32(), 0x04030201);
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Int32, 4).AsInt32(), 0x0504);  // two bytes left
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Int64).AsInt64(), 0x0504030201LL);
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Int32, 6).AsInt32(), 0);  // past the end
  EXPECT_EQ(ReadByteSetValue(Bytes({0xFF, 0xFF}), ValueType::Short).AsShort(), -1);
  EXPECT_TRUE(ReadByteSetValue(Bytes({0, 0, 1, 0}), ValueType::Logical).AsLogical());
  EXPECT_FALSE(ReadByteSetValue(Bytes({0, 0, 0, 0}), ValueType::Logical).AsLogical());
  EXPECT_EQ(ReadByteSetValue(Bytes({0, 0, 0x20, 0x40}), ValueType::Float).AsFloat(), 2.5f);
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::RoutineAddress).AsRoutineAddress().address, 0x04030201u);
}

TEST(ReadByteSetValue, TextRunsToTheZeroByte) {
  const ByteSet bytes = Bytes({0x61, 0x62, 0x00, 0x63});
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Text).AsText(), "ab");
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Text, 2).AsText(), "b");
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Text, 4).AsText(), "c");
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Text, 5).AsText(), "");
  EXPECT_EQ(ReadByteSetValue(bytes, ValueType::Text).type(), ValueType::Text);
}

#ifndef _WIN32  // On Windows the fatal path shows a message box; the exit probe covers it.
TEST(ReadByteSetValueDeathTest, WrongTypeAndUnknownTypeAreFatal) {
  const ByteSet bytes = Bytes({0x61});
  EXPECT_EXIT(ReadByteSetValue(bytes, ValueType::Text).AsInt32(), ::testing::ExitedWithCode(kFatalExitStatus),
              "program internal error number is 5\\.");
  EXPECT_EXIT(ReadByteSetValue(bytes, static_cast<ValueType>(11)), ::testing::ExitedWithCode(kFatalExitStatus),
              "program internal error number is 100\\.");
  EXPECT_EXIT(ReadByteSetValue(bytes, static_cast<ValueType>(0)), ::testing::ExitedWithCode(kFatalExitStatus),
              "program internal error number is 100\\.");
}
#endif

TEST(PageToGbk, ConvertsUtf8Pages) {
  EXPECT_EQ(PageToGbk(Utf8("\xE6\x96\x87\xE4\xBB\xB6")), "文件");
  EXPECT_EQ(PageToGbk(Utf8("<title>\xE4\xB8\xAD</title>")), "<title>中</title>");
  EXPECT_EQ(PageToGbk(ByteSet()), "");
  EXPECT_EQ(PageToGbk(Bytes({0x61, 0x00, 0x62})), "a");
}

TEST(PageToGbk, BrokenUtf8BecomesQuestionMarks) {
  EXPECT_EQ(PageToGbk(Bytes({0x61, 0xFF, 0x62})), "a?b");
  // A Thai letter has no GBK form.
  EXPECT_EQ(PageToGbk(Utf8("a\xE0\xB8\x81" "b")), "a?b");
}

TEST(ToInteger, Texts) {
  EXPECT_EQ(ToInteger("123abc"), 123);
  EXPECT_EQ(ToInteger("  -42"), -42);
  EXPECT_EQ(ToInteger("+7"), 7);
  EXPECT_EQ(ToInteger(""), 0);
  EXPECT_EQ(ToInteger("abc"), 0);
  EXPECT_EQ(ToInteger("- 5"), 0);
  EXPECT_EQ(ToInteger("99999999999"), 2147483647);
  EXPECT_EQ(ToInteger("-2147483648"), -2147483647 - 1);
}

TEST(ToInteger, FullWidthDigitsSignsAndBlanks) {
  EXPECT_EQ(ToInteger("１２３"), 123);
  EXPECT_EQ(ToInteger("－５"), -5);
  EXPECT_EQ(ToInteger("　４２次"), 42);
}

TEST(ToInteger, Numbers) {
  EXPECT_EQ(ToInteger(3.9), 3);
  EXPECT_EQ(ToInteger(-3.9), -3);
  EXPECT_EQ(ToInteger(std::uint8_t{255}), 255);
  EXPECT_EQ(ToInteger(std::int16_t{-1}), -1);
  EXPECT_EQ(ToInteger(true), 1);
  EXPECT_EQ(ToInteger(1e12), 2147483647);
}

}  // namespace
}  // namespace getlink
