// The conversion engine: a list of tasks (one input, one output each) that
// Start runs on worker threads, reporting through the host's dispatcher.
//
// Threads: every method is called on the host's main thread (the thread of
// the dispatcher). OnProgress, OnTerminate and OnPreviewFrame run on that
// thread too, through the dispatcher.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/dispatcher.h"
#include "engine/options.h"

// Raised by an operation refused in the engine's current state, e.g.
// "Cannot ClearTasks while working.".
class EEngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal };

struct TProgressInfo {
  int32_t TaskIndex = -1;
  int32_t FileIndex = 0;
  int32_t FrameNumber = 0;
  int32_t FPS = 0;
  float Quality = 0;
  float BitRate = 0;
  int64_t CurrentSize = 0;      // bytes written so far
  int64_t CurrentDuration = 0;  // output media time converted, microseconds
  int64_t TotalDuration = 0;    // length to convert, microseconds; <= 0 unknown
};

// TaskIndex -1: the whole batch has ended (Finished true, no exception).
struct TTerminateInfo {
  int32_t TaskIndex = -1;
  bool Finished = false;
  bool Exception = false;
  std::string ExceptionMsg;
};

// The latest converted picture of a running task, 24-bit RGB, rows packed.
struct TPreviewFrame {
  int32_t TaskIndex = -1;
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgb;  // Width * Height * 3 bytes
};

class TFFProbe;

class TFFmpegVCL {
 public:
  explicit TFFmpegVCL(TDispatcher& dispatcher);
  // Stops the batch (waiting) without reporting to the handlers.
  ~TFFmpegVCL();
  TFFmpegVCL(const TFFmpegVCL&) = delete;
  TFFmpegVCL& operator=(const TFFmpegVCL&) = delete;

  // The FFmpeg libraries are linked in; loading checks that they answer and
  // hold the encoders the catalogue needs. False with LastErrMsg on failure.
  bool AVLibLoaded() const;
  bool LoadAVLib(const std::string& folder);
  const std::string& LastErrMsg() const;

  // The engine's own probe, for checking a file before adding it.
  TFFProbe& Probe();

  // Opens the input and adds a task for it. Returns the task index (>= 0),
  // or -1 with LastErrMsg set. Fills options.FileName when it is empty.
  // Throws EEngineError while working.
  int AddTask(const std::string& fileName, TInputOptions& options);
  // Checks and stores the task's output. False with LastErrMsg set when the
  // output is refused; the task then has no output and fails when it runs.
  // Fills options.FileName when it is empty. Throws EEngineError while working.
  bool SetOutputFile(int taskIndex, const std::string& fileName, TOutputOptions& options);
  // Removes the task; later tasks move down one index. An index that names no
  // task changes nothing and returns false. Throws EEngineError while working.
  bool RemoveTask(int taskIndex);
  // Throws EEngineError while working.
  void ClearTasks();
  int TaskCount() const;
  // FileInfoText of the task's first input; empty for an unknown index.
  std::string FileInfoText(int taskIndex) const;

  // Runs the tasks in index order, at most count (clamped to 1..19) at once.
  // Returns at once; with no task the end-of-batch report follows at once.
  void Start(int count);
  void Pause();
  void Resume();
  // Breaks the running tasks off (resuming suspended ones first) and ends the
  // waiting ones without running them; each is reported, then the end of the
  // batch. With wait, returns once every task has ended, serving the
  // dispatcher's Send calls meanwhile.
  void Stop(bool wait);
  // True from Start until the end-of-batch report has been handed to the
  // dispatcher.
  bool Working() const;
  bool Paused() const;

  TThreadPriority ThreadPriority() const;
  void SetThreadPriority(TThreadPriority priority);  // for workers started afterwards

  // Real-time preview: when on, running tasks offer their latest converted
  // picture through OnPreviewFrame (at most a few per second per task).
  bool Preview() const;
  void SetPreview(bool on);

  int ProgressInterval() const;  // milliseconds, default 500
  void SetProgressInterval(int ms);
  // On (default): a progress report is handed to the main thread and the
  // worker waits until it has been handled. Off: reports are posted.
  bool TriggerEventInMainThread() const;
  void SetTriggerEventInMainThread(bool on);

  std::function<void(const TProgressInfo&)> OnProgress;
  std::function<void(const TTerminateInfo&)> OnTerminate;
  std::function<void(const TPreviewFrame&)> OnPreviewFrame;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};
