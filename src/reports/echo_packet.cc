#include "reports/echo_packet.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <utility>

namespace brantlow {

namespace {

constexpr char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The fields' room in the packed message, each with its NUL.
constexpr std::size_t kNameRoom = 36;
constexpr std::size_t kSubjectRoom = 72;
// An origin line longer than this is cut in its text.
constexpr std::size_t kOriginLineMax = 79;
// The product code of a program with none of its own.
constexpr unsigned char kNoProductCode = 0xFE;

// One part of an address: digits up to a stop character or the end.
std::optional<int> AddressPart(std::string_view text, std::size_t& i,
                               char stop) {
  const std::size_t end = stop == '\0' ? text.size() : text.find(stop, i);
  if (end == std::string_view::npos || end == i) return std::nullopt;
  int value = 0;
  const auto [last, error] =
      std::from_chars(text.data() + i, text.data() + end, value);
  if (error != std::errc() || last != text.data() + end || value < 0 ||
      value > 65535)
    return std::nullopt;
  i = end + 1;
  return value;
}

void PutWord(std::string& out, int value) {
  const auto word = static_cast<unsigned>(value) & 0xFFFFu;
  out += static_cast<char>(word & 0xFFu);
  out += static_cast<char>(word >> 8);
}

// text with its NUL, cut to fit room.
void PutString(std::string& out, std::string_view text, std::size_t room) {
  out.append(text.substr(0, room - 1));
  out += '\0';
}

// The 58 bytes of the packet header.
std::string PacketHeader(const EchoPost& post) {
  const FidoAddress& from = post.from;
  const FidoAddress& to = post.to;
  const PacketTime& t = post.time;
  std::string h;
  PutWord(h, from.node);
  PutWord(h, to.node);
  for (int field :
       {t.year, t.month - 1, t.day, t.hour, t.minute, t.second, 0, 2})
    PutWord(h, field);
  // A point's packet names no net of its own here, its net goes to the
  // aux net: software that knows no points sees a packet of no node.
  PutWord(h, from.point != 0 ? 0xFFFF : from.net);
  PutWord(h, to.net);
  h += static_cast<char>(kNoProductCode);
  h += '\0';  // revision, major
  std::array<char, 8> password{};
  std::copy_n(post.password.begin(),
              std::min<std::size_t>(8, post.password.size()), password.begin());
  h.append(password.data(), password.size());
  PutWord(h, from.zone);
  PutWord(h, to.zone);
  PutWord(h, from.point != 0 ? from.net : 0);  // aux net
  PutWord(h, 0x0100);  // the capability word, byte-swapped
  h += '\0';           // product code, high byte
  h += '\0';           // revision, minor
  PutWord(h, 0x0001);  // capability word: Type 2+
  PutWord(h, from.zone);
  PutWord(h, to.zone);
  PutWord(h, from.point);
  PutWord(h, to.point);
  h.append(4, '\0');  // product data
  return h;
}

// "5020/2026 5021/1": the 2D addresses, the net written when it changes.
std::string NetNodeList(std::vector<std::pair<int, int>> nodes) {
  std::sort(nodes.begin(), nodes.end());
  nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
  std::string list;
  int net = -1;
  for (const auto& [n, node] : nodes) {
    if (!list.empty()) list += ' ';
    if (n != net) list += std::to_string(n) + '/';
    list += std::to_string(node);
    net = n;
  }
  return list;
}

std::string OriginLine(const EchoPost& post) {
  const std::string address = " (" + AddressText(post.from) + ")";
  const std::string head = " * Origin: ";
  std::size_t room = kOriginLineMax - head.size() - address.size();
  // A UTF-8 text is cut between characters.
  if (post.charset == BodyCharset::kUtf8)
    while (room > 0 && room < post.origin.size() &&
           (static_cast<unsigned char>(post.origin[room]) & 0xC0) == 0x80)
      --room;
  return head + post.origin.substr(0, room) + address;
}

// The lines after the report: tear line, origin, SEEN-BY and PATH. A
// point is not a node of the echo's topology: it names its uplink in the
// SEEN-BY, and leaves the PATH to it.
std::string MessageTail(const EchoPost& post) {
  std::string tail = "--- " + post.tear + '\r' + OriginLine(post) + '\r';
  std::vector<std::pair<int, int>> seen = {{post.to.net, post.to.node}};
  if (post.from.point == 0) seen.emplace_back(post.from.net, post.from.node);
  tail += "SEEN-BY: " + NetNodeList(seen) + '\r';
  if (post.from.point == 0)
    tail +=
        "\x01PATH: " + NetNodeList({{post.from.net, post.from.node}}) + '\r';
  return tail;
}

std::string MessageText(const EchoPost& post, std::string_view part,
                        std::uint32_t serial) {
  char msgid[16];
  std::snprintf(msgid, sizeof msgid, "%08x", static_cast<unsigned>(serial));
  std::string text = "AREA:" + post.area + '\r';
  text += "\x01MSGID: " + AddressText(post.from) + ' ' + msgid + '\r';
  text += post.charset == BodyCharset::kUtf8 ? "\x01"
                                               "CHRS: UTF-8 4\r"
                                             : "\x01"
                                               "CHRS: CP866 2\r";
  for (char c : part) text += c == '\n' ? '\r' : c == '\0' ? ' ' : c;
  if (!part.empty() && part.back() != '\n') text += '\r';
  return text + MessageTail(post);
}

std::string PackedMessage(const EchoPost& post, std::string_view part,
                          std::uint32_t serial, std::string_view subject) {
  std::string m;
  PutWord(m, 2);
  PutWord(m, post.from.node);
  PutWord(m, post.to.node);
  PutWord(m, post.from.net);
  PutWord(m, post.to.net);
  PutWord(m, 0);  // attributes
  PutWord(m, 0);  // cost
  PutString(m, MessageDate(post.time), 20);
  PutString(m, post.to_name, kNameRoom);
  PutString(m, post.from_name, kNameRoom);
  PutString(m, subject, kSubjectRoom);
  m += MessageText(post, part, serial);
  m += '\0';
  return m;
}

}  // namespace

std::optional<FidoAddress> ParseFidoAddress(std::string_view text) {
  FidoAddress a;
  std::size_t i = 0;
  const bool has_point = text.find('.') != std::string_view::npos;
  const std::optional<int> zone = AddressPart(text, i, ':');
  const std::optional<int> net = zone ? AddressPart(text, i, '/') : zone;
  const std::optional<int> node =
      net ? AddressPart(text, i, has_point ? '.' : '\0') : net;
  const std::optional<int> point =
      node && has_point ? AddressPart(text, i, '\0') : std::optional<int>(0);
  if (!node || !point || *zone == 0 || *net == 0) return std::nullopt;
  a.zone = *zone;
  a.net = *net;
  a.node = *node;
  a.point = *point;
  return a;
}

std::string AddressText(const FidoAddress& a) {
  std::string text = std::to_string(a.zone) + ':' + std::to_string(a.net) +
                     '/' + std::to_string(a.node);
  if (a.point != 0) text += '.' + std::to_string(a.point);
  return text;
}

std::string MessageDate(const PacketTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d %s %02d  %02d:%02d:%02d", t.day,
                kMonths[(t.month + 11) % 12], t.year % 100, t.hour, t.minute,
                t.second);
  return text;
}

std::uint32_t TimeStamp(const PacketTime& t) {
  // Days from the civil date (the proleptic Gregorian calendar).
  const int y = t.month <= 2 ? t.year - 1 : t.year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (t.month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + t.day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = era * 146097LL + doe - 719468;
  const long long seconds =
      days * 86400 + t.hour * 3600LL + t.minute * 60LL + t.second;
  return static_cast<std::uint32_t>(seconds);
}

std::vector<std::string> SplitAtLines(std::string_view text,
                                      std::size_t limit) {
  std::vector<std::string> parts(1);
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t size =
        end == std::string_view::npos ? text.size() : end + 1;
    if (!parts.back().empty() && parts.back().size() + size > limit)
      parts.emplace_back();
    parts.back().append(text.substr(0, size));
    text.remove_prefix(size);
  }
  return parts;
}

std::string EchoPacket(const EchoPost& post,
                       std::span<const std::string> parts) {
  std::string packet = PacketHeader(post);
  const std::size_t count = parts.size();
  for (std::size_t k = 0; k < count; ++k) {
    // The part's number is kept whole; the subject gives way to it.
    const std::string number = count > 1 ? " (" + std::to_string(k + 1) + '/' +
                                               std::to_string(count) + ')'
                                         : "";
    const std::string subject =
        post.subject.substr(0, kSubjectRoom - 1 - number.size()) + number;
    packet += PackedMessage(
        post, parts[k], post.serial + static_cast<std::uint32_t>(k), subject);
  }
  packet.append(2, '\0');
  return packet;
}

}  // namespace brantlow
