#include "reports/connect_table.h"

#include <cstring>
#include <string>
#include <string_view>

#include "base/table_frame.h"
#include "base/text_fields.h"
#include "platform/cp866.h"

namespace brantlow {

namespace {

constexpr int kWidths[] = {18, 48};

template <std::size_t N>
std::string Text(const char (&field)[N]) {
  return std::string(FieldText(field));
}

}  // namespace

void WriteConnectTable(const SessionTable& table, Output& out,
                       const ReportTexts& texts) {
  out.Write(MakeFrameLine(FrameLine::kTop, kWidths, 2));
  std::string heading(CP866("║"));
  heading.append(texts.connect_name).append(CP866("│"));
  heading.append(texts.connect_text).append(CP866("║\n"));
  out.Write(heading);
  const std::string separator =
      MakeFrameLine(FrameLine::kSeparator, kWidths, 2);
  out.Write(separator);
  for (int i = 0; i < table.size(); ++i) {
    const SessionRecord& r = table[i];
    out.Printf(CP866("║%-8s          │%-48s║\n"), Text(r.start_time).c_str(),
               std::string(table.Connect(r)).c_str());
    out.Printf(CP866("║%-18s│%-48s║\n"), Text(r.name).c_str(),
               std::string(table.Mailer(r)).c_str());
    if (i < table.newest()) out.Write(separator);
  }
  out.Write(MakeFrameLine(FrameLine::kBottom, kWidths, 2));
}

}  // namespace brantlow
