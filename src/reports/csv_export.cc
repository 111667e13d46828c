#include "reports/csv_export.h"

#include <cstdio>

#include "base/text_fields.h"
#include "platform/cp866.h"
#include "reports/row_columns.h"

namespace brantlow {

namespace {

// A field of the log's text: control bytes (but tab, CR and LF) shown as
// "?"; one a spreadsheet would take for a formula ("=", "+", "-", "@",
// tab or CR first) led by "'"; quoted when it holds a comma, a quote or a
// line end.
void Field(std::string& out, std::string_view cp866) {
  std::string text = Utf8(cp866);
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b < 0x20 && c != '\t' && c != '\r' && c != '\n') || b == 0x7F) c = '?';
  }
  if (!text.empty() &&
      std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
    text.insert(0, 1, '\'');
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
  } else {
    out += '"';
    for (char c : text) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
}

void Number(std::string& out, const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  out += text;
}

void Integer(std::string& out, long long value) {
  out += std::to_string(value);
}

}  // namespace

std::string Utf8(std::string_view cp866) {
  std::string utf8;
  AppendCp866AsUtf8(cp866, utf8);
  return utf8;
}

namespace {

void Value(std::string& out, const ColumnValue& v) {
  switch (v.type) {
    case ColumnValue::Type::kText: Field(out, v.text); break;
    case ColumnValue::Type::kInteger: Integer(out, v.integer); break;
    case ColumnValue::Type::kReal: Number(out, v.format, v.real); break;
    case ColumnValue::Type::kFlag: out += v.flag ? '1' : '0'; break;
    case ColumnValue::Type::kTextList: {
      std::string joined;
      for (const std::string& text : v.list)
        joined += (joined.empty() ? "" : " ") + text;
      Field(out, joined);
      break;
    }
  }
}

// A header line, then a record per row, the cost column only with tariffs.
template <typename Row>
std::string Table(std::span<const Column<Row>> columns,
                  const std::vector<Row>& rows, bool costs) {
  std::string out;
  auto each = [&](auto write) {
    bool first = true;
    for (const Column<Row>& c : columns) {
      if ((c.cost && !costs) || c.json_when_set) continue;
      if (!first) out += ',';
      first = false;
      write(c);
    }
    out += '\n';
  };
  each([&](const Column<Row>& c) { out += c.name; });
  for (const Row& row : rows)
    each([&](const Column<Row>& c) { Value(out, c.value(row)); });
  return out;
}

}  // namespace

std::string SessionsCsv(const RunRecord& record) {
  return Table(SessionColumns(), record.sessions, record.costs);
}

std::string AddressesCsv(const RunRecord& record) {
  return Table(AddressColumns(), record.addresses, record.costs);
}

}  // namespace brantlow
