// The table of log dialects: a new mailer's log is one file and one row.
#include <array>

#include "log/log_dialect.h"

namespace brantlow {

namespace {

using DialectEntry = const LogDialect& (*)();

// T-Mail first: it is taken when no dialect's lines are recognised.
constexpr std::array<DialectEntry, 2> kDialects = {&TmailDialect,
                                                   &BinkdDialect};

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x =
        a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
    if (x != b[i]) return false;
  }
  return true;
}

// How many of the first lines of a log are the dialect's dated lines.
int DatedLines(const LogDialect& dialect, std::string_view head) {
  int count = 0;
  while (!head.empty()) {
    const std::size_t end = head.find('\n');
    const std::string_view line = head.substr(0, end);
    count += dialect.Stamp(line).has_value();
    if (end == std::string_view::npos) break;
    head.remove_prefix(end + 1);
  }
  return count;
}

}  // namespace

const LogDialect* DialectNamed(std::string_view key) {
  for (DialectEntry entry : kDialects)
    if (SameKey(key, entry().key())) return &entry();
  return nullptr;
}

const LogDialect& DialectOfLines(std::string_view head) {
  const LogDialect* best = &kDialects[0]();
  int most = 0;
  for (DialectEntry entry : kDialects) {
    const int n = DatedLines(entry(), head);
    if (n > most) {
      most = n;
      best = &entry();
    }
  }
  return *best;
}

}  // namespace brantlow
