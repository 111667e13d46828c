// The title line of a report of the reading window, as the statistics,
// connect and files reports write it.
#ifndef BRANTLOW_LOG_WINDOW_TITLE_H_
#define BRANTLOW_LOG_WINDOW_TITLE_H_

#include <string>
#include <string_view>

#include "base/report_texts.h"
#include "log/window.h"

namespace brantlow {

// "\n", an indent, the heading, the window's dates and times, " \n".
std::string WindowTitle(std::string_view heading, const Window& window,
                        const ReportTexts& texts);

}  // namespace brantlow

#endif  // BRANTLOW_LOG_WINDOW_TITLE_H_
