#include "driver/progress.h"

#include <cstring>
#include <string>

#include "platform/console.h"
#include "platform/cp866.h"

namespace brantlow {

namespace {

void PrintBarHeading() { Print("\n                       Read log file:\n"); }

}  // namespace

ProgressBar::ProgressBar(std::int64_t log_size)
    : cell_width_(2 * (log_size / 100)) {
  PrintBarHeading();
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

std::string FinishedStepLine(const char* text, bool done) {
  const char* bracket = std::strchr(text, '[');
  std::string line = bracket != nullptr ? bracket : text;
  if (done && line.size() >= 3 && line[0] == '[' && line[2] == ']')
    line[1] = CP866("√")[0];
  line += '\n';
  return line;
}

ConsoleProgress::ConsoleProgress(bool bar)
    : terminal_(ConsoleIsTerminal()), show_bar_(bar) {}

ScanProgress* ConsoleProgress::StartBar(std::int64_t log_size) {
  // The heading is standard output's, and stays; the bar is for eyes on
  // a terminal only, and needs a size to measure by.
  if (!terminal_ || !show_bar_) {
    PrintBarHeading();
    return nullptr;
  }
  bar_ = std::make_unique<ProgressBar>(log_size);
  return bar_.get();
}

void ConsoleProgress::Show(std::string_view text) {
  // Line ends that only space the terminal's display.
  if (terminal_) brantlow::Show(text);
}

void ConsoleProgress::BeginStep(const char* text) {
  if (terminal_)
    step_ = std::make_unique<StepLine>(text);
  else
    step_text_ = text;
}

void ConsoleProgress::EndStep(bool done) {
  if (!terminal_) {
    if (step_text_ != nullptr)
      brantlow::Show(FinishedStepLine(step_text_, done));
    step_text_ = nullptr;
    return;
  }
  if (step_) {
    if (done)
      step_->Tick();
    else
      brantlow::Show("\r\n");
  }
  step_.reset();
}

}  // namespace brantlow
