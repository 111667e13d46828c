// Echo posting (--post=AREA): the run's report as an echomail message, in
// a packet for the uplink written to PostDir, and the station the reports'
// signatures name once the Post keys say which it is.
#ifndef BRANTLOW_DRIVER_ECHO_POSTING_H_
#define BRANTLOW_DRIVER_ECHO_POSTING_H_

#include <string>
#include <string_view>

#include "driver/run_files.h"
#include "driver/run_settings.h"
#include "platform/clock.h"

namespace brantlow {

// What keeps the run from posting to the area, before anything is read: a
// bad area tag, a Post key missing or wrong (named, with the configuration
// file), a PostDir that is no directory. Empty when it can post.
std::string PostingProblem(const RunSettings& s, std::string_view area);

// What the signatures name after "FidoNet ": the maker's address without
// the Post keys; else the origin's text and our address, as the origin
// line gives them, or the one of the two that is set.
std::string SignatureStation(const RunSettings& s);

struct PostRequest {
  std::string_view area;
  Destination report;            // the report file the run wrote
  std::string_view report_path;  // and where it is
  std::string_view scope;        // the window's or the period's days
  bool utf8 = false;             // the report was written in UTF-8
  const LocalDate& now;
};

// Writes the report, in as many messages as its size asks, into a new
// packet in PostDir; false, told on the console, when it cannot.
[[nodiscard]] bool PostReport(const RunSettings& s, const PostRequest& request);

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_ECHO_POSTING_H_
