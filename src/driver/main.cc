#include "driver/driver.h"
#include "driver/help_screen.h"
#include "platform/clock.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  brantlow::IgnoreBrokenPipe();
  int status = brantlow::Run(
      brantlow::Arguments(argv + 1,
                          argc > 1 ? static_cast<std::size_t>(argc - 1) : 0),
      brantlow::Now(), brantlow::ProgramName(argc > 0 ? argv[0] : nullptr));
  brantlow::FlushConsole();
  return status;
}
