// The link health section of the web page.
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

#include "reports/html_page.h"
#include "reports/link_health.h"

namespace brantlow {

// Wide screens get the table; below 40rem each row becomes a card whose
// cells carry their column's name, so nothing scrolls sideways on a phone.
const char kLinkStyle[] =
    ".hours{display:inline-grid;grid-template-columns:repeat(24,.6em);"
    "gap:1px;vertical-align:middle}\n"
    ".hours i{display:block;height:1.1em;background:var(--line)}\n"
    ".hours .s1{background:var(--bar);opacity:.3}\n"
    ".hours .s2{background:var(--bar);opacity:.55}\n"
    ".hours .s3{background:var(--bar);opacity:.8}\n"
    ".hours .s4{background:var(--bar)}\n"
    "tr.silent td{background:var(--warn)}\n"
    "table.links{font-size:.75rem}\n"
    "table.links th,table.links td{padding:.2rem .3rem}\n"
    "table.links th,table.links td:first-child{white-space:normal}\n"
    "@media (max-width:40rem){table.links,table.links tbody,table.links tr,"
    "table.links td{display:block;width:100%}\n"
    "table.links{font-size:.95rem}\n"
    "table.links thead{display:none}\n"
    "table.links tr{border:1px solid var(--line);border-radius:4px;"
    "margin:0 0 .6rem;padding:.3rem .5rem}\n"
    "table.links td{display:flex;justify-content:space-between;gap:1rem;"
    "border:0;padding:.1rem 0;white-space:normal;text-align:right}\n"
    "table.links td::before{content:attr(data-label);color:var(--muted);"
    "white-space:nowrap;"
    "text-align:left}}\n";

namespace {

// Which columns are numbers, right-aligned; their names are the page
// texts'.
constexpr bool kNumberColumns[] = {false, true, true, true, true,  true, true,
                                   true,  true, true, true, false, true, false};

void Cell(const LinkPageTexts& t, std::size_t column, const std::string& html,
          std::string& out) {
  out += kNumberColumns[column] ? "<td class=\"n\" data-label=\""
                                : "<td data-label=\"";
  out += t.columns[column].label;
  out += "\">";
  out += html;
  out += "</td>";
}

std::string Hours(const LinkFigures& f) {
  std::string html = "<span class=\"hours\">";
  for (std::size_t hour = 0; hour < f.hours.size(); ++hour) {
    const int n = f.hours[hour];
    char cell[64];
    std::snprintf(cell, sizeof cell,
                  "<i class=\"s%d\" title=\"%02zu: %d\"></i>", n < 4 ? n : 4,
                  hour, n);
    html += cell;
  }
  return html + "</span>";
}

void Row(const LinkFigures& f, const LinkPageTexts& t, std::string& out) {
  out += f.silent() ? "<tr class=\"silent\">" : "<tr>";
  std::string address;
  AppendHtmlText(f.address, address);
  if (f.silent()) address += t.silent;
  std::size_t column = 0;
  Cell(t, column++, address, out);
  const int network = f.failed[Slot(CallFailure::kRefused)] +
                      f.failed[Slot(CallFailure::kTimedOut)] +
                      f.failed[Slot(CallFailure::kUnresolved)] +
                      f.failed[Slot(CallFailure::kNetwork)];
  for (int n :
       {f.calls, f.connected, f.failed[Slot(CallFailure::kNoCarrier)],
        f.failed[Slot(CallFailure::kBusy)],
        f.failed[Slot(CallFailure::kNoAnswer)],
        f.failed[Slot(CallFailure::kNoDialTone)],
        f.failed[Slot(CallFailure::kHandshake)], network, f.incoming, f.good})
    Cell(t, column++, std::to_string(n), out);
  Cell(t, column++, LastGoodText(f, t.never), out);
  Cell(t, column++, GapText(f.longest_gap), out);
  Cell(t, column, Hours(f), out);
  out += "</tr>\n";
}

}  // namespace

void WriteLinkSection(const LinkHealth& h, const PageTexts& texts,
                      std::string& out) {
  const LinkPageTexts& t = texts.links;
  out += "<h2>";
  out += t.heading;
  out +=
      "</h2>\n<div class=\"scroll\"><table class=\"links\" "
      "id=\"links\">\n"
      "<thead><tr>";
  for (std::size_t column = 0; column < std::size(t.columns); ++column) {
    out += kNumberColumns[column] ? "<th class=\"n\" title=\"" : "<th title=\"";
    out += t.columns[column].label;
    out += "\">";
    out += t.columns[column].head;
    out += "</th>";
  }
  out += "</tr></thead>\n<tbody>\n";
  for (const LinkFigures& f : h.links) Row(f, t, out);
  out += "</tbody></table></div>\n";
}

}  // namespace brantlow
