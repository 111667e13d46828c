#include <windows.h>

#include "platform/clock.h"

namespace brantlow {

LocalDate Now() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return LocalDateOf(local.wYear, local.wMonth, local.wDay, local.wDayOfWeek,
                     local.wHour, local.wMinute, local.wSecond);
}

}  // namespace brantlow
