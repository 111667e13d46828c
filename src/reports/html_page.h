// The run as one self-contained web page, "logdata.html" ("perdata.html"
// for a period): the same numbers as the CP866 reports, readable in any
// browser, offline, with no script and nothing fetched.
#ifndef BRANTLOW_REPORTS_HTML_PAGE_H_
#define BRANTLOW_REPORTS_HTML_PAGE_H_

#include <string>

#include "reports/run_record.h"

namespace brantlow {

// Appends the UTF-8 page to out, lines ended by "\n" alone. Texts of the
// record are CP866 bytes, as the log and the tables hold them.
void WriteHtmlPage(const RunRecord& record, std::string& out);

}  // namespace brantlow

#endif  // BRANTLOW_REPORTS_HTML_PAGE_H_
