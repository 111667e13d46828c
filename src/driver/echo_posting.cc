#include "driver/echo_posting.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "driver/credits.h"
#include "driver/file_names.h"
#include "platform/console.h"
#include "platform/cp866.h"
#include "platform/file_system.h"
#include "platform/system_error.h"
#include "platform/text_file.h"
#include "reports/echo_packet.h"

namespace brantlow {

namespace {

// The reports a run can post, by the file it wrote them into, and the
// first words of their messages' subjects.
struct PostedReport {
  Destination file;
  std::string_view subject;
};

constexpr PostedReport kPostedReports[] = {
    {Destination::kStatistics, "Statistics"},
    {Destination::kPeriod, "Period"},
};

// A message body of at most this many bytes: with the kludges, the origin
// and the SEEN-BY the message stays under 16 KiB, which the oldest message
// editors and tossers still in use take whole.
constexpr std::size_t kBodyLimit = 12 * 1024;

// Area tags are at most this long, of printable characters without blanks.
constexpr std::size_t kAreaTagMax = 60;

// Names tried for a packet beyond the first before giving up.
constexpr int kNameAttempts = 1000;

bool GoodAreaTag(std::string_view area) {
  if (area.empty() || area.size() > kAreaTagMax) return false;
  for (char c : area)
    if (c <= ' ' || c > '~') return false;
  return true;
}

std::string MissingKey(std::string_view key, std::string_view what,
                       const RunSettings& s) {
  return "Error: --post needs the " + std::string(key) + " key in " +
         ConfigurationFileName(s.line_number) + ": " + std::string(what) + "\n";
}

std::string BadAddress(std::string_view key, const std::string& value,
                       const RunSettings& s) {
  return "Error: " + std::string(key) + " " + value + " in " +
         ConfigurationFileName(s.line_number) +
         " is not a FidoNet address (as 2:5020/2026.0)\n";
}

// The number at text[at..at+size), or -1.
int NumberAt(std::string_view text, std::size_t at, std::size_t size) {
  if (at + size > text.size()) return -1;
  std::string_view digits = text.substr(at, size);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  int value = -1;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// The run's date and time from its date text ("Mon Dec  7 05:26:43 2026").
PacketTime TimeOf(const LocalDate& now) {
  const std::string_view text = now.text;
  PacketTime t;
  t.month = text.size() > 4 ? MonthOfAbbreviation(text.substr(4)) : 0;
  if (t.month == 0) t.month = now.month;
  t.day = now.day;
  t.hour = NumberAt(text, 11, 2);
  t.minute = NumberAt(text, 14, 2);
  t.second = NumberAt(text, 17, 2);
  t.year = NumberAt(text, 20, 4);
  if (t.hour < 0 || t.minute < 0 || t.second < 0)
    t.hour = t.minute = t.second = 0;
  if (t.year < 1980) t.year = 1980;
  return t;
}

// The report file as text with "\n" line ends; none when it cannot be
// read (told).
std::optional<std::string> ReportText(std::string_view path) {
  TextFile file;
  const std::string name(path);
  if (!file.OpenRead(name.c_str())) {
    Printf("Error: Unable to read %s to post it\n", name.c_str());
    Print(ReasonLine(name, file.error()));
    return std::nullopt;
  }
  std::string text;
  char piece[4097];
  while (std::size_t n = file.ReadLine(piece, sizeof piece - 1))
    text.append(piece, n);
  return text;
}

// Puts the packet into a new file of the directory: "%08x.pkt" of the
// first number from first on that names no file there, the packet made
// for that number. The name, or empty (told).
std::string WritePacket(const std::string& directory, std::uint32_t first,
                        const std::function<std::string(std::uint32_t)>& make) {
  std::string name;
  SystemError error;
  for (int k = 0; k <= kNameAttempts; ++k) {
    const std::uint32_t number = first + static_cast<std::uint32_t>(k);
    char file_name[16];
    std::snprintf(file_name, sizeof file_name, "%08x.pkt",
                  static_cast<unsigned>(number));
    name = JoinPath(directory, file_name);
    Replacement file;
    const std::string bytes = make(number);
    if (!file.Begin(name, /*copy_old=*/false)) {
      error = file.error();
      break;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.stream()) !=
        bytes.size()) {
      error = LastSystemError();
      break;
    }
    const Replacement::Placement placed = file.CommitNew(name);
    if (placed == Replacement::Placement::kPlaced) return name;
    error = file.error();
    if (placed == Replacement::Placement::kFailed) break;
  }
  Printf("Error: Unable to write the echo packet %s\n", name.c_str());
  Print(ReasonLine(name, error));
  return {};
}

const PostedReport* PostedReportOf(Destination file) {
  for (const PostedReport& report : kPostedReports)
    if (report.file == file) return &report;
  return nullptr;
}

}  // namespace

std::string PostingProblem(const RunSettings& s, std::string_view area) {
  if (!GoodAreaTag(area))
    return "Error: --post=" + std::string(area) +
           ": the echo's area tag, up to 60 characters without blanks\n";
  if (!s.post_from)
    return MissingKey("PostFrom", "our FidoNet address, as 2:5020/2026.0", s);
  if (!ParseFidoAddress(*s.post_from))
    return BadAddress("PostFrom", *s.post_from, s);
  if (!s.post_to)
    return MissingKey("PostTo", "the uplink's address the packet goes to", s);
  if (!ParseFidoAddress(*s.post_to)) return BadAddress("PostTo", *s.post_to, s);
  if (!s.post_origin || s.post_origin->empty())
    return MissingKey("PostOrigin", "the origin line's text", s);
  if (!s.post_directory)
    return MissingKey("PostDir", "the directory the packets go to", s);
  if (!IsDirectory(s.post_directory->c_str()))
    return "Error: PostDir " + *s.post_directory + " in " +
           ConfigurationFileName(s.line_number) + " is not a directory\n";
  if (s.post_password.size() > 8)
    return "Error: PostPassword in " + ConfigurationFileName(s.line_number) +
           " is longer than 8 characters\n";
  return {};
}

std::string SignatureStation(const RunSettings& s) {
  std::optional<std::string> address = s.post_from;
  if (address)
    if (const std::optional<FidoAddress> parsed = ParseFidoAddress(*address))
      address = AddressText(*parsed);
  const bool origin = s.post_origin && !s.post_origin->empty();
  if (origin && address) return *s.post_origin + " (" + *address + ")";
  if (origin) return *s.post_origin;
  if (address) return *address;
  return kMakerAddress;
}

bool PostReport(const RunSettings& s, const PostRequest& request) {
  const PostedReport* report = PostedReportOf(request.report);
  const std::optional<FidoAddress> from =
      ParseFidoAddress(s.post_from.value_or(""));
  const std::optional<FidoAddress> to =
      ParseFidoAddress(s.post_to.value_or(""));
  if (report == nullptr || !from || !to || !s.post_directory) {
    Print("Error: this run's report cannot be posted\n");
    return false;
  }
  const std::optional<std::string> text = ReportText(request.report_path);
  if (!text) return false;
  EchoPost post;
  post.from = *from;
  post.to = *to;
  post.password = s.post_password;
  post.time = TimeOf(request.now);
  post.area = std::string(request.area);
  // The configuration is CP866 text, as the report is before --utf8.
  post.origin.clear();
  if (request.utf8)
    AppendCp866AsUtf8(s.post_origin.value_or(""), post.origin);
  else
    post.origin = s.post_origin.value_or("");
  post.from_name = "brantlow";
  post.to_name = "All";
  post.subject =
      std::string(report->subject) + ' ' + std::string(request.scope);
  post.charset = request.utf8 ? BodyCharset::kUtf8 : BodyCharset::kCp866;
  post.tear = "brantlow";
  const std::vector<std::string> parts = SplitAtLines(*text, kBodyLimit);
  // The packet's number (its time, or a later one free in PostDir) times
  // sixteen is the first part's serial: a post's parts, and the next
  // second's post, keep serials of their own.
  const std::string name = WritePacket(*s.post_directory, TimeStamp(post.time),
                                       [&](std::uint32_t number) {
                                         post.serial = number << 4;
                                         return EchoPacket(post, parts);
                                       });
  if (name.empty()) return false;
  Printf("Posted to %s: %s, %d message(s)\n", post.area.c_str(), name.c_str(),
         static_cast<int>(parts.size()));
  return true;
}

}  // namespace brantlow
