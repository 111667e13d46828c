#include "platform/clock.h"

#include <windows.h>

namespace brantlow {

LocalDate Now() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return LocalDateOf(local.wYear, local.wMonth, local.wDay, local.wDayOfWeek,
                     local.wHour, local.wMinute, local.wSecond);
}

}  // namespace brantlow
