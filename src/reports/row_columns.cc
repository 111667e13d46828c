#include "reports/row_columns.h"

#include <array>

#include "base/calendar.h"
#include "base/text_fields.h"

namespace brantlow {

namespace {

ColumnValue Text(std::string text) {
  ColumnValue v;
  v.text = std::move(text);
  return v;
}
ColumnValue Integer(long long value) {
  ColumnValue v;
  v.type = ColumnValue::Type::kInteger;
  v.integer = value;
  return v;
}
ColumnValue Real(double value, const char* format) {
  ColumnValue v;
  v.type = ColumnValue::Type::kReal;
  v.real = value;
  v.format = format;
  return v;
}
ColumnValue TextList(std::vector<std::string> list) {
  ColumnValue v;
  v.type = ColumnValue::Type::kTextList;
  v.list = std::move(list);
  return v;
}
ColumnValue Flag(bool value) {
  ColumnValue v;
  v.type = ColumnValue::Type::kFlag;
  v.flag = value;
  return v;
}

using S = SessionRow;
const std::array<Column<SessionRow>, 15> kSessionColumns = {{
    {"date", [](const S& s) { return Text(IsoDateText(s.date)); }},
    {"start", [](const S& s) { return Text(s.start); }},
    {"end", [](const S& s) { return Text(s.end); }},
    {"duration", [](const S& s) { return Integer(s.seconds); }},
    {"crash_poll", [](const S& s) { return Flag(s.crash_poll); }},
    {"name", [](const S& s) { return Text(s.name); }},
    {"kind", [](const S& s) { return Text(std::string(1, s.kind)); }},
    {"received", [](const S& s) { return Integer(s.received); }},
    {"sent", [](const S& s) { return Integer(s.sent); }},
    {"cps", [](const S& s) { return Real(s.cps, "%.1f"); }},
    {"password", [](const S& s) { return Text(s.password); }},
    {"connect", [](const S& s) { return Text(s.connect); }},
    {"mailer", [](const S& s) { return Text(s.mailer); }},
    {"cost", [](const S& s) { return Real(s.cost, "%.2f"); }, true},
    {"akas", [](const S& s) { return TextList(s.akas); }, false, true},
}};

using A = AddressTotals;
const std::array<Column<AddressTotals>, 11> kAddressColumns = {{
    {"name", [](const A& a) { return Text(TrimmedRight(a.name)); }},
    {"sessions", [](const A& a) { return Integer(a.sessions); }},
    {"incoming", [](const A& a) { return Integer(a.incoming); }},
    {"outgoing", [](const A& a) { return Integer(a.outgoing); }},
    {"received", [](const A& a) { return Integer(a.received); }},
    {"sent", [](const A& a) { return Integer(a.sent); }},
    {"files_received", [](const A& a) { return Integer(a.files_received); }},
    {"files_sent", [](const A& a) { return Integer(a.files_sent); }},
    {"cps",
     [](const A& a) {
       return Real(a.cps_count > 0 ? a.cps_sum / a.cps_count : 0.0, "%.1f");
     }},
    {"duration", [](const A& a) { return Integer(a.seconds); }},
    {"cost", [](const A& a) { return Real(a.cost, "%.2f"); }, true},
}};

}  // namespace

std::span<const Column<SessionRow>> SessionColumns() { return kSessionColumns; }
std::span<const Column<AddressTotals>> AddressColumns() {
  return kAddressColumns;
}

}  // namespace brantlow
