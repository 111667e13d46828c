#include "driver/outputs.h"

#include <array>

#include "driver/credits.h"
#include "driver/file_names.h"
#include "reports/csv_export.h"
#include "reports/html_page.h"
#include "reports/json_export.h"
#include "reports/link_health.h"

namespace brantlow {

namespace {

const std::array<OutputFormat, 6> kOutputs = {{
    {"--csv", "  --csv            also sessions.csv and addresses.csv\n",
     [](int line, bool) {
       return NumberedName("sessions.csv", "sessions", ".csv", line);
     },
     &SessionsCsv, true},
    {"--csv", "",
     [](int line, bool) {
       return NumberedName("addresses.csv", "addresses", ".csv", line);
     },
     &AddressesCsv},
    {"--json", "  --json           also brantlow.json\n",
     [](int line, bool) {
       return NumberedName("brantlow.json", "brantlow", ".json", line);
     },
     [](const RunRecord& record) { return RunJson(record, kVersion); }, true},
    {"--html",
     "  --html           also a web page, logdata.html (perdata.html)\n",
     [](int line, bool period) {
       return period ? NumberedName("perdata.html", "perdat", ".html", line)
                     : NumberedName("logdata.html", "logdat", ".html", line);
     },
     [](const RunRecord& record) {
       std::string page;
       WriteHtmlPage(record, page);
       return page;
     },
     true},
    {"--links",
     "  --links          also the link health report, lnkdata.zvx (as +h);\n"
     "                   with --csv also links.csv\n",
     [](int line, bool) {
       return NumberedName("lnkdata.zvx", "lnkdat", ".zvx", line);
     },
     [](const RunRecord& record) {
       MemoryOutput out;
       WriteLinkReport(*record.links, TextsFor(record.language), out);
       if (record.line_number != 0) out.Printf("\nLine %d", record.line_number);
       out.Printf(kSignatureFormat, kMakerAddress);
       return out.bytes();
     },
     false, true, true},
    {"--csv", "",
     [](int line, bool) {
       return NumberedName("links.csv", "links", ".csv", line);
     },
     [](const RunRecord& record) { return LinksCsv(*record.links); }, false,
     true},
}};

}  // namespace

std::span<const OutputFormat> Outputs() { return kOutputs; }

}  // namespace brantlow
