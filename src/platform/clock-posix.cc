#include <ctime>

#include "platform/clock.h"

namespace brantlow {

LocalDate Now() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return LocalDate{};
  return LocalDateOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_wday, local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace brantlow
