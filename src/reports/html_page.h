// The run as one self-contained web page, "logdata.html" ("perdata.html"
// for a period): the same numbers as the CP866 reports, readable in any
// browser, offline, with no script and nothing fetched.
#ifndef BRANTLOW_REPORTS_HTML_PAGE_H_
#define BRANTLOW_REPORTS_HTML_PAGE_H_

#include <string>
#include <string_view>
#include <vector>

#include "base/report_texts.h"
#include "log/busy_array.h"
#include "reports/run_record.h"

namespace brantlow {

// Appends the UTF-8 page to out, lines ended by "\n" alone. Texts of the
// record are CP866 bytes, as the log and the tables hold them.
void WriteHtmlPage(const RunRecord& record, std::string& out);

// What the station page shares with this one: the head of the page up to
// the body's opening tag (the style sheet with more_style after it), the
// texts of the log escaped, the list of warnings (none: nothing), and the
// half-hour chart under its heading (UTF-8), the svg element given the id.
void AppendPageHead(std::string_view lang, std::string_view title,
                    std::string_view more_style, std::string_view body_class,
                    std::string& out);
void AppendHtmlText(std::string_view cp866, std::string& out);
void AppendWarnings(const std::vector<std::string>& warnings, std::string& out);
void AppendBusyChart(const BusyArray& busy, std::string_view heading,
                     std::string_view id, const PageTexts& t, std::string& out);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_HTML_PAGE_H_
