#include "reports/echo_packet.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace brantlow {
namespace {

using namespace std::string_literals;

EchoPost TinyPost() {
  EchoPost post;
  post.from = {2, 5020, 2026, 0};
  post.to = {2, 5020, 1, 0};
  post.password = "pw";
  post.time = {2026, 3, 15, 12, 34, 56};
  post.area = "TEST.AREA";
  post.origin = "Test";
  post.from_name = "brantlow";
  post.to_name = "All";
  post.subject = "Hi";
  post.tear = "brantlow";
  post.serial = 0x12345678;
  return post;
}

// The packet header of FTS-0001 with the Type-2+ fields, field by field
// at its offset; words are little-endian.
std::string TinyHeader() {
  return "\xEA\x07"s        //  0 origin node 2026
         "\x01\x00"         //  2 destination node 1
         "\xEA\x07"         //  4 year 2026
         "\x02\x00"         //  6 month, 0 for January: March
         "\x0F\x00"         //  8 day 15
         "\x0C\x00"         // 10 hour 12
         "\x22\x00"         // 12 minute 34
         "\x38\x00"         // 14 second 56
         "\x00\x00"         // 16 baud
         "\x02\x00"         // 18 packet type 2
         "\x9C\x13"         // 20 origin net 5020
         "\x9C\x13"         // 22 destination net 5020
         "\xFE\x00"         // 24 product code (none of its own), revision
         "pw\0\0\0\0\0\0"s  // 26 password, 8 bytes
         +
         "\x02\x00"s           // 34 origin zone
         "\x02\x00"            // 36 destination zone
         "\x00\x00"            // 38 aux net: not a point
         "\x00\x01"            // 40 capability word, byte-swapped copy
         "\x00\x00"            // 42 product code high, revision minor
         "\x01\x00"            // 44 capability word: 2+
         "\x02\x00"            // 46 origin zone
         "\x02\x00"            // 48 destination zone
         "\x00\x00"            // 50 origin point
         "\x00\x00"            // 52 destination point
         "\x00\x00\x00\x00"s;  // 54 product data
}

std::string TinyMessage(const std::string& subject, const std::string& body,
                        const std::string& serial) {
  return "\x02\x00"s         // message type 2
         "\xEA\x07\x01\x00"  // origin node, destination node
         "\x9C\x13\x9C\x13"  // origin net, destination net
         "\x00\x00\x00\x00"  // attributes, cost
         "15 Mar 26  12:34:56\0"s +
         "All\0"s + "brantlow\0"s + subject + '\0' +
         "AREA:TEST.AREA\r\x01MSGID: 2:5020/2026 " + serial +
         "\r\x01"
         "CHRS: CP866 2\r" +
         body +
         "--- brantlow\r * Origin: Test (2:5020/2026)\r"
         "SEEN-BY: 5020/1 2026\r\x01PATH: 5020/2026\r" +
         '\0';
}

TEST(EchoPacket, TinyMessageByTheFormat) {
  const std::vector<std::string> parts = {"one\ntwo\n"};
  const std::string packet = EchoPacket(TinyPost(), parts);
  EXPECT_EQ(TinyHeader().size(), 58u);
  EXPECT_EQ(packet, TinyHeader() + TinyMessage("Hi", "one\rtwo\r", "12345678") +
                        "\0\0"s);
}

TEST(EchoPacket, PartsAreNumberedMessagesOfTheirOwn) {
  const std::vector<std::string> parts = {"one\n", "two"};
  EXPECT_EQ(EchoPacket(TinyPost(), parts),
            TinyHeader() + TinyMessage("Hi (1/2)", "one\r", "12345678") +
                TinyMessage("Hi (2/2)", "two\r", "12345679") + "\0\0"s);
}

TEST(EchoPacket, APointGivesItsNetAsTheAuxNetAndNoPath) {
  EchoPost post = TinyPost();
  post.from.point = 7;
  const std::vector<std::string> parts = {"x\n"};
  const std::string packet = EchoPacket(post, parts);
  EXPECT_EQ(packet.substr(20, 2), "\xFF\xFF"s);  // origin net: none
  EXPECT_EQ(packet.substr(38, 2), "\x9C\x13"s);  // aux net 5020
  EXPECT_EQ(packet.substr(50, 2), "\x07\x00"s);  // origin point 7
  EXPECT_NE(packet.find("MSGID: 2:5020/2026.7 "), std::string::npos);
  EXPECT_NE(
      packet.find(" * Origin: Test (2:5020/2026.7)\rSEEN-BY: 5020/1\r\0"s),
      std::string::npos);
}

TEST(EchoPacket, AddressesLinesAndDates) {
  ASSERT_TRUE(ParseFidoAddress("2:5020/2026.0"));
  EXPECT_EQ(AddressText(*ParseFidoAddress("2:5020/2026.0")), "2:5020/2026");
  EXPECT_EQ(AddressText(*ParseFidoAddress("1:2/3.4")), "1:2/3.4");
  for (const char* bad : {"", "2:5020", "5020/2026", "2:5020/", "2:5020/x",
                          "0:5020/1", "2:5020/1.", "2:70000/1", "2:5020/1 "})
    EXPECT_FALSE(ParseFidoAddress(bad)) << bad;

  EXPECT_EQ(SplitAtLines("ab\ncd\nef\n", 6),
            (std::vector<std::string>{"ab\ncd\n", "ef\n"}));
  EXPECT_EQ(SplitAtLines("abcdefgh\nx", 4),
            (std::vector<std::string>{"abcdefgh\n", "x"}));
  EXPECT_EQ(SplitAtLines("", 4), (std::vector<std::string>{""}));

  EXPECT_EQ(MessageDate({1999, 12, 31, 23, 59, 58}), "31 Dec 99  23:59:58");
  EXPECT_EQ(TimeStamp({1970, 1, 1, 0, 0, 0}), 0u);
  EXPECT_EQ(TimeStamp({2026, 3, 15, 12, 0, 0}), 1773576000u);
}

}  // namespace
}  // namespace brantlow
