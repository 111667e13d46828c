// When a link was last heard: a silent link's last good session is looked
// for in the whole log, not only in the days asked for.
#ifndef BRANTLOW_LOG_LAST_GOOD_H_
#define BRANTLOW_LOG_LAST_GOOD_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "log/link_events.h"
#include "log/log_dialect.h"
#include "log/log_phrases.h"

namespace brantlow {

// The last good session of each of addresses in the log at path, read
// whole; an address with none is missing. Nothing for standard input or
// a log that cannot be opened again.
std::map<std::string, SessionStart, std::less<>> LastGoodSessions(
    const std::string& path, const LogDialect& dialect,
    const LogPhrases& phrases, const std::vector<std::string>& addresses);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_LAST_GOOD_H_
