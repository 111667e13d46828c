// What the console shows while the run works: the 50-cell progress bar of
// the log read and the "[ ] " step lines of the report pipeline. Without a
// terminal (cron, a pipe) there is no bar, and each step is written once,
// when it ends, as a finished line.
#ifndef BRANTLOW_DRIVER_PROGRESS_H_
#define BRANTLOW_DRIVER_PROGRESS_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "log/log_scan.h"

namespace brantlow {

class ProgressBar final : public ScanProgress {
 public:
  // Prints the heading, shows the empty bar and puts the cursor on its
  // first cell. A cell stands for twice a hundredth of the log.
  explicit ProgressBar(std::int64_t log_size);

  // Fills at most one more cell once position has reached it; a small log
  // (narrow cells) still fills no more than the bar's cells.
  void Advance(std::int64_t position) override {
    if (cell_counter_ <= kCells && position >= cell_counter_ * cell_width_)
      FillCell();
  }

  // Whether reads of at most step bytes each can be passed over and told
  // at once: when a cell is wider than a read, no read fills two.
  bool CanJump(std::int64_t step) const override { return cell_width_ >= step; }

  // Fills every cell up to position, as the reads up to it would have.
  void JumpTo(std::int64_t position) override {
    while (cell_counter_ <= kCells && position >= cell_counter_ * cell_width_)
      FillCell();
  }

 private:
  static constexpr std::int64_t kCells = 50;
  void FillCell();
  std::int64_t cell_width_;
  std::int64_t cell_counter_ = 1;
};

// Shows a step line; its tick puts "√" into the brackets that begin it.
class StepLine {
 public:
  explicit StepLine(const char* text);
  void Tick();

 private:
  const char* text_;
};

// What a run shows while it works: on the console in a run, nothing in
// tests and fuzz targets.
class RunProgress {
 public:
  virtual ~RunProgress() = default;
  // The bar of the log read; null when none is shown.
  virtual ScanProgress* StartBar(std::int64_t log_size) = 0;
  // Text between the bar and the step lines.
  virtual void Show(std::string_view text) = 0;
  virtual void BeginStep(const char* text) = 0;
  // done is false for a step that could not do its work: unticked.
  virtual void EndStep(bool done) = 0;
};

// A step line shown while the step works and ticked when it is done.
class StepScope {
 public:
  StepScope(RunProgress& progress, const char* text) : progress_(progress) {
    progress_.BeginStep(text);
  }
  ~StepScope() { progress_.EndStep(done_); }
  StepScope(const StepScope&) = delete;
  StepScope& operator=(const StepScope&) = delete;

  // The step could not do its work: its line stays unticked.
  void Fail() { done_ = false; }

 private:
  RunProgress& progress_;
  bool done_ = true;
};

class ConsoleProgress final : public RunProgress {
 public:
  // bar: the log's size is known, so a bar can show how far the read is.
  explicit ConsoleProgress(bool bar = true);
  ScanProgress* StartBar(std::int64_t log_size) override;
  void Show(std::string_view text) override;
  void BeginStep(const char* text) override;
  void EndStep(bool done) override;

 private:
  const bool terminal_;
  const bool show_bar_;
  std::unique_ptr<ProgressBar> bar_;
  std::unique_ptr<StepLine> step_;
  const char* step_text_ = nullptr;
};

// A step line as written without a terminal: "[√] Make gistogram;" for a
// step done ("[ ] ..." for one that was not), from its bracket on, with a
// line end and no backspace or carriage return.
std::string FinishedStepLine(const char* text, bool done);

class SilentProgress final : public RunProgress {
 public:
  ScanProgress* StartBar(std::int64_t) override { return nullptr; }
  void Show(std::string_view) override {}
  void BeginStep(const char*) override {}
  void EndStep(bool) override {}
};

}  // namespace brantlow

#endif  // BRANTLOW_DRIVER_PROGRESS_H_
