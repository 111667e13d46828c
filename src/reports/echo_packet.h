// An echomail packet of FidoNet: the Type-2+ packet header (the classic
// Type-2 one with the capability word of the 2+ form and the aux net of
// points), then packed messages, each with its area, kludges, tear line,
// origin, SEEN-BY and PATH, then two zero bytes. Bytes in, bytes out.
#ifndef BRANTLOW_REPORTS_ECHO_PACKET_H_
#define BRANTLOW_REPORTS_ECHO_PACKET_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brantlow {

struct FidoAddress {
  int zone = 0;
  int net = 0;
  int node = 0;
  int point = 0;
};

// "2:5020/2026" or "2:5020/2026.5" (".0" allowed), each part 0 to 65535,
// zone and net not 0; none for anything else.
std::optional<FidoAddress> ParseFidoAddress(std::string_view text);

// "2:5020/2026", with ".5" for a point.
std::string AddressText(const FidoAddress& address);

// The local time the packet and its messages are dated.
struct PacketTime {
  int year = 2000;  // four digits
  int month = 1;    // 1 to 12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The messages' date field: "DD Mon YY  HH:MM:SS".
std::string MessageDate(const PacketTime& time);

// Seconds since 1 January 1970 of the time taken as UTC, cut to 32 bits:
// the stamp packet names and message serials are made from.
std::uint32_t TimeStamp(const PacketTime& time);

enum class BodyCharset { kCp866, kUtf8 };

// What every message of one packet shares.
struct EchoPost {
  FidoAddress from;
  FidoAddress to;
  std::string password;  // up to 8 characters; longer is cut
  PacketTime time;
  std::string area;
  std::string origin;  // the origin line's text, without the address
  std::string from_name;
  std::string to_name;
  std::string subject;  // " (k/n)" is added when there are several parts
  BodyCharset charset = BodyCharset::kCp866;
  std::string tear;  // the tear line's words after "--- "
  // The first message's MSGID serial; the k-th part's is serial + k.
  std::uint32_t serial = 0;
};

// The text cut at line ends ("\n") into parts of at most limit bytes each
// (a single longer line stands alone); an empty text is one empty part.
std::vector<std::string> SplitAtLines(std::string_view text, std::size_t limit);

// The packet holding one message per part. A part's lines end with "\n";
// in the packet they end with CR, and a NUL in them is written as a blank.
std::string EchoPacket(const EchoPost& post,
                       std::span<const std::string> parts);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_ECHO_PACKET_H_
