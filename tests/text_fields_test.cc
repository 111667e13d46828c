#include "base/text_fields.h"

#include <climits>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

TEST(FieldNumber, ReadsOnlyTheField) {
  EXPECT_EQ(5, FieldNumber("0512", 0, 2));  // the digits after it never count
  EXPECT_EQ(12, FieldNumber("0512", 2, 2));
  EXPECT_EQ(14, FieldNumber("14:05:09", 0, 2));
  EXPECT_EQ(5, FieldNumber("14:05:09", 3, 2));
}

TEST(FieldNumber, BlanksSignAndNoDigits) {
  EXPECT_EQ(7, FieldNumber("  7", 0, 3));
  EXPECT_EQ(-5, FieldNumber("line-5", 4, 2));
  EXPECT_EQ(3, FieldNumber("+3x", 0, 3));
  EXPECT_EQ(0, FieldNumber("abc", 0, 3));
  EXPECT_EQ(0, FieldNumber("-", 0, 2));
}

TEST(FieldNumber, StopsAtTheEndOfTheText) {
  EXPECT_EQ(1, FieldNumber("ab1", 2, 5));
  EXPECT_EQ(0, FieldNumber("ab", 2, 2));
  EXPECT_EQ(0, FieldNumber("ab", 10, 2));
  EXPECT_EQ(0, FieldNumber("", 0, 2));
}

TEST(FieldNumber, WidthIsCappedAtTwentyAndValuesSaturate) {
  EXPECT_EQ(INT_MAX, FieldNumber("99999999999999999999999", 0, 30));
  EXPECT_EQ(INT_MIN, FieldNumber("-99999999999999999999999", 0, 30));
  EXPECT_EQ(12345678, FieldNumber("1234567890123456789012345", 0, 8));
  EXPECT_EQ(INT_MAX, FieldNumber("2147483647", 0, 10));
  EXPECT_EQ(INT_MIN, FieldNumber("-2147483648", 0, 11));
}

TEST(FieldReal, ReadsOneMoreCharacterThanTheWidth) {
  EXPECT_DOUBLE_EQ(14, FieldReal("14:05:09", 0, 2));
  EXPECT_DOUBLE_EQ(123, FieldReal("1234", 0, 2));
  EXPECT_DOUBLE_EQ(12, FieldReal("12.5", 0, 2));
  EXPECT_DOUBLE_EQ(7, FieldReal("9:07", 2, 2));
  EXPECT_DOUBLE_EQ(12345678901.0, FieldReal("123456789012345", 0, 10));
  EXPECT_DOUBLE_EQ(863, FieldReal("863/214, time", 0, 10));
}

TEST(FieldReal, DecimalNotationOnly) {
  EXPECT_DOUBLE_EQ(1.5, FieldReal(" 1.5", 0, 5));
  EXPECT_DOUBLE_EQ(-2500, FieldReal("-2.5e3", 0, 10));
  EXPECT_DOUBLE_EQ(2, FieldReal("2e", 0, 10));
  EXPECT_DOUBLE_EQ(0, FieldReal("0x1F", 0, 10) - 0);  // "0", then stops
  EXPECT_DOUBLE_EQ(0, FieldReal("inf", 0, 10));
  EXPECT_DOUBLE_EQ(0, FieldReal("nan", 0, 10));
  EXPECT_DOUBLE_EQ(0, FieldReal(".", 0, 10));
}

TEST(FieldReal, StaysInsideSinglePrecision) {
  EXPECT_LE(FieldReal("9e99999999", 0, 10), 3.5e38);
  EXPECT_GE(FieldReal("-9e9999999", 0, 10), -3.5e38);
}

TEST(PhraseAt, ComparesTheGivenCount) {
  EXPECT_TRUE(
      PhraseAt("xxIncoming call: CONNECT", "Incoming call: CONNECT", 2));
  EXPECT_TRUE(
      PhraseAt("xxIncoming call: CONNEC", "Incoming call: CONNECT", 2, 21));
  EXPECT_FALSE(
      PhraseAt("xxIncoming call: CONNEC", "Incoming call: CONNECT", 2));
  EXPECT_FALSE(PhraseAt("abc", "", 0, 0));
  EXPECT_FALSE(PhraseAt("abc", "ab", 0, 3));  // phrase shorter than count
  EXPECT_FALSE(PhraseAt("abc", "c", 3));
  EXPECT_FALSE(PhraseAt("abc", "c", 10));
  EXPECT_FALSE(PhraseAt("ABC", "abc", 0));
}

TEST(CopyField, CutsAndTerminates) {
  char field[5];
  CopyField(field, "abcdefgh");
  EXPECT_STREQ("abcd", field);
  CopyField(field, "x");
  EXPECT_STREQ("x", field);
  EXPECT_EQ('\0', field[4]);
}

TEST(FieldText, FullFieldNeedsNoTerminator) {
  char password[6] = {'p', 'a', 's', 's', 'w', ' '};
  EXPECT_EQ("passw ", FieldText(password));
  char flagged[6] = {'?', '!', 0, 0, 0, 0};
  EXPECT_EQ("?!", FieldText(flagged));
}

}  // namespace
}  // namespace brantlow
