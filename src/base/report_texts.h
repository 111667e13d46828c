// The words of the reports, the page and the step lines, one table per
// language. The report texts are CP866 bytes, each cell text as wide as
// its column, so that a language changes words and never a layout; the
// page's are UTF-8. The driver picks one table for a run and hands it on.
#ifndef BRANTLOW_BASE_REPORT_TEXTS_H_
#define BRANTLOW_BASE_REPORT_TEXTS_H_

#include <optional>
#include <string>
#include <string_view>

#include "base/calendar.h"

namespace brantlow {

// The language the reports are written in (not the log's: see LogLanguage).
enum class ReportLanguage { kRussian, kEnglish };

// The "[ ] " step lines of the console, terminated as the console takes
// them.
struct StepTexts {
  const char* bbs_log;  // begins with the blank lines before it
  const char* crash_search;
  const char* analysing;
  const char* histogram;
  const char* costs;
  const char* statistics;
  const char* files;
  const char* connect;
  const char* sort;
  const char* period;
};

// A column's short head in a table, its whole name on a card; UTF-8.
struct ColumnName {
  std::string_view head;
  std::string_view label;
};

// The link health section of a page, UTF-8: the columns are the address,
// calls, connected, the four modem failures, handshake, network, incoming,
// good sessions, the last one, the longest gap and the hour grid.
struct LinkPageTexts {
  std::string_view heading;
  ColumnName columns[14];
  std::string_view never;
  std::string_view silent;  // after a silent link's address
};

// The station page's words, UTF-8; the rest are the one-run page's.
struct StationPageTexts {
  std::string_view title;        // before the scope
  std::string_view lines_count;  // between the scope and the count
  std::string_view lines_heading;
  std::string_view line;
  std::string_view log;
  std::string_view error;
  std::string_view days_heading;
  std::string_view addresses_heading;
  std::string_view files_received;
  std::string_view files_sent;
  // The station's chart: busy, the mean of a day in a period, the lines.
  std::string_view station_busy;
  std::string_view day_mean;
  std::string_view mean_over;
  std::string_view lines_after;    // after the count of lines
  std::string_view line_day_mean;  // after a line's chart heading
};

// The web page's words, UTF-8.
struct PageTexts {
  std::string_view lang;  // the html element's lang
  std::string_view statistics_title;
  std::string_view time_from;
  std::string_view time_to;
  std::string_view period_title;
  std::string_view period_days;
  std::string_view line;
  std::string_view busy_heading;
  std::string_view mean_busy_heading;
  std::string_view busy_word;  // the tooltip's, between time and duration
  std::string_view busy_note;
  std::string_view sessions_heading;
  std::string_view date;
  std::string_view time;
  std::string_view crash;
  std::string_view crash_title;
  std::string_view address;
  std::string_view kind_title;
  std::string_view received;
  std::string_view sent;
  std::string_view password;
  std::string_view cost;
  std::string_view kind_note;
  std::string_view crash_note;
  std::string_view files_heading;
  std::string_view files_received;
  std::string_view files_sent;
  std::string_view connects_heading;
  std::string_view connect_string;
  std::string_view mailer;
  std::string_view addresses_heading;
  std::string_view total_time;
  std::string_view total;
  std::string_view sessions_word;  // after the count in the totals row
  std::string_view costs_heading;
  std::string_view cost_in;
  std::string_view cost_out;
  std::string_view time_in;
  std::string_view time_out;
  std::string_view days_heading;
  std::string_view sessions;
  std::string_view incoming;
  std::string_view outgoing;
  std::string_view failures;
  std::string_view silent_heading;
  std::string_view none;
  std::string_view log_read;  // "Log: "
  std::string_view bytes;     // " bytes, "
  std::string_view lines_read;
  std::string_view lines_inside;
  std::string_view commands;
  std::string_view made_by;
  LinkPageTexts links;
  StationPageTexts station;
};

// The link health report's words, CP866; the call table's and the hour
// grid's heading lines whole, as wide as their frames.
struct LinkReportTexts {
  std::string_view title;       // "Links", before the window or period
  std::string_view for_period;  // before a period's dates
  std::string_view call_headings;
  std::string_view grid_headings;
  std::string_view never;  // a link's last session when it had none
  std::string_view silent;
  std::string_view last_session;  // after a silent link's address
};

// The station report's words, CP866. The scope reads "<on> 07.12<time_from>
// 00:00<time_to>23:59" or "<for_period>01.03-31.03<days>31".
struct StationReportTexts {
  std::string_view title;        // before the scope
  std::string_view lines_count;  // between the scope and the count
  std::string_view on;
  std::string_view for_period;
  std::string_view time_from;
  // The totals tables: the label column's heads and totals label, seven
  // wide, and the rest of the heading line to the cost column.
  std::string_view line_head;
  std::string_view date_head;
  std::string_view total;
  std::string_view columns;
  std::string_view days_heading;       // a whole line
  std::string_view line;               // before a line's number
  std::string_view no_report;          // after it, before the log
  std::string_view no_chart;           // after a line's log and mailer
  std::string_view station_mean;       // before the count of charted lines
  std::string_view addresses_heading;  // a whole line
};

struct ReportTexts {
  // Titles: "\n", the indent, heading, dates, time_from, start, time_to,
  // end, " \n".
  std::string_view statistics_title;
  std::string_view connect_title;
  std::string_view files_title;
  std::string_view time_from;
  std::string_view time_to;
  // The period report's title: heading, dates, days word, the count.
  std::string_view period_title;
  std::string_view period_days;

  // The session list's cells: 17, 1, 18, 18, 10, 10, 6 wide.
  std::string_view list_time;
  std::string_view list_crash;
  std::string_view list_user;
  std::string_view list_address;
  std::string_view list_received;
  std::string_view list_sent;
  std::string_view list_password;

  // The address summary's cells: 18, 18, 10, 10, 13 wide; the totals
  // line's name cell is total_before, the count in 3, total_after.
  std::string_view summary_address;
  std::string_view summary_user;
  std::string_view summary_received;
  std::string_view summary_sent;
  std::string_view summary_time;
  std::string_view total_before;
  std::string_view total_after;

  // The cost report's two heading lines, whole.
  std::string_view cost_headings;

  // The connect table's cells: 18, 48 wide.
  std::string_view connect_name;
  std::string_view connect_text;

  // The files table's cells: 18, 25, 25 wide.
  std::string_view files_address;
  std::string_view files_received;
  std::string_view files_sent;

  // The period report: its heading lines to the cost column, the cost
  // column's heading, the totals rows' labels, the silent links.
  std::string_view period_day_heading;
  std::string_view period_address_heading;
  std::string_view period_address_heading_2;
  std::string_view period_cost_heading;
  std::string_view period_day_total;
  std::string_view period_address_total;
  std::string_view silent_links;
  std::string_view silent_none;

  StepTexts steps;
  PageTexts page;
  LinkReportTexts links;
  StationReportTexts station;
};

const ReportTexts& TextsFor(ReportLanguage language);

// The dates of every title: "dd.mm", or "dd.mm-dd.mm" for a span.
std::string TitleDates(Date first, std::optional<Date> last, Date today);

}  // namespace brantlow

#endif  // BRANTLOW_BASE_REPORT_TEXTS_H_
