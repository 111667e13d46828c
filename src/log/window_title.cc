#include "log/window_title.h"

#include <optional>

namespace brantlow {

std::string WindowTitle(std::string_view heading, const Window& w,
                        const ReportTexts& texts) {
  // The two dates of a midnight window take two blanks of the indent.
  std::string title(w.crosses_midnight ? "\n         " : "\n           ");
  title += heading;
  title += ' ';
  title += TitleDates(
      w.FirstDate(),
      w.crosses_midnight ? std::optional<Date>(w.SecondDate()) : std::nullopt,
      w.today);
  title += texts.time_from;
  title += ClockText(w.start_hour, w.start_minute);
  title += texts.time_to;
  title += ClockText(w.end_hour, w.end_minute);
  title += " \n";
  return title;
}

}  // namespace brantlow
