#include "driver/progress.h"

#include <cstring>
#include <string>

#include "platform/console.h"
#include "platform/cp866.h"

namespace brantlow {

ProgressBar::ProgressBar(std::int64_t log_size)
    : cell_width_(2 * (log_size / 100)) {
  Print("\n                       Read log file:\n");
  std::string bar = "      ";
  bar.append(50, '\xB1');  // ▒
  bar.append(50, '\b');
  Show(bar);
}

void ProgressBar::FillCell() {
  Show("\xDB");  // █
  ++cell_counter_;
}

StepLine::StepLine(const char* text) : text_(text) { Show(text); }

void StepLine::Tick() {
  const char* bracket = std::strchr(text_, '[');
  std::size_t length = bracket ? std::strlen(bracket) : 1;
  std::string tick(length - 1, '\b');
  tick += CP866("√\r\n");
  Show(tick);
}

ScanProgress* ConsoleProgress::StartBar(std::int64_t log_size) {
  if (!show_bar_) return nullptr;
  bar_ = std::make_unique<ProgressBar>(log_size);
  return bar_.get();
}

void ConsoleProgress::Show(std::string_view text) { brantlow::Show(text); }

void ConsoleProgress::BeginStep(const char* text) {
  step_ = std::make_unique<StepLine>(text);
}

void ConsoleProgress::EndStep() {
  if (step_) step_->Tick();
  step_.reset();
}

}  // namespace brantlow
