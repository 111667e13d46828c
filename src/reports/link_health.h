// Link health: per link, the calls made and how they ended, its good
// sessions hour by hour, and how long it went without one. One figure set
// per link that adds up over days and over lines, and the writers of the
// CP866 report (lnkdata.zvx) and the CSV rows over it.
#ifndef BRANTLOW_REPORTS_LINK_HEALTH_H_
#define BRANTLOW_REPORTS_LINK_HEALTH_H_

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/calendar.h"
#include "base/report_texts.h"
#include "log/link_events.h"
#include "log/window.h"
#include "platform/output.h"

namespace brantlow {

struct LinkFigures {
  std::string address;
  int calls = 0;
  int connected = 0;
  std::array<int, kCallFailures> failed{};
  int incoming = 0;
  int good = 0;
  // Good sessions begun in each hour of the day, over the window's days.
  std::array<int, 24> hours{};
  // The starts of good sessions, in minutes from the window's start: what
  // the longest gap is measured from once every source is added.
  std::vector<long> good_minutes;
  std::optional<SessionStart> last_good;
  long last_good_minute = -1;
  long longest_gap = 0;  // minutes; filled by FinishLinks
  bool listed = false;   // named by the Links key
  bool silent() const { return listed && good == 0; }
};

// The window (or period) the figures cover, and the figures in address
// order (zone, net, node, point as numbers).
struct LinkHealth {
  bool is_period = false;
  Window window;
  Period period;
  long minutes = 0;  // the window's length
  std::vector<LinkFigures> links;
};

// Where a day's lines stand in the window: a line of first_date lies
// first_offset minutes (plus its time of day) from the window's start, a
// line of the day after 1440 minutes later.
struct DayPlace {
  DayMonth first_date;
  long first_offset = 0;
};

LinkHealth EmptyLinkHealth(const Window& window);
LinkHealth EmptyLinkHealth(const Period& period);
// The minutes from its start at which a day of a period begins.
inline DayPlace PeriodDay(DayMonth date, int day_index) {
  return {date, 1440L * day_index};
}
DayPlace WindowPlace(const Window& window);

// Adds what one reader found.
void AddLinkEvents(LinkHealth& health, const LinkEvents& events,
                   const DayPlace& place);
// Adds one link's figures of the same window from another source.
void AddLinkFigures(LinkFigures& into, const LinkFigures& more);
// Adds every link of another source (another line) of the same window: a
// link both name is one row.
void AddLinkHealth(LinkHealth& into, const LinkHealth& more);
// Adds the listed links none of the sources named, marks the listed ones
// and works out the longest gaps; call once every source is added.
void FinishLinks(LinkHealth& health,
                 const std::optional<std::vector<std::string>>& listed);

// The longest time without a good session as "hh:mm" (more hours for a
// long period).
std::string GapText(long minutes);

// The last good session as "dd.mm hh:mm", or never without one.
std::string LastGoodText(const LinkFigures& f, std::string_view never = {});

// The CP866 report in the texts' language: the calls table, the hour
// grid, the silent links.
void WriteLinkReport(const LinkHealth& health, const ReportTexts& texts,
                     Output& out);

// The CSV file of the links, one row per link.
std::string LinksCsv(const LinkHealth& health);

// The web page's section: a table with the hour grid that folds into one
// card per link on a narrow screen (the page's style gives the classes).
void WriteLinkSection(const LinkHealth& health, const PageTexts& texts,
                      std::string& out);
// The style of that section, for the page's head.
extern const char kLinkStyle[];

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_LINK_HEALTH_H_
