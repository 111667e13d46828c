#include "platform/file_system.h"

namespace brantlow {

bool Replacement::Fail() {
  error_ = LastSystemError();
  Abandon();
  return false;
}

}  // namespace brantlow
