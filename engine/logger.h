// The engine log: FFmpeg's messages (and the engine's own) as lines for the
// host, delivered through its dispatcher.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/dispatcher.h"

enum class TLogLevel {
  llQuiet = 0,
  llPanic = 1,
  llFatal = 2,
  llError = 3,
  llWarning = 4,
  llInfo = 5,
  llVerbose = 6,
  llDebug = 7,
};

// One per process: it owns FFmpeg's log callback while it lives.
class TFFLogger {
 public:
  explicit TFFLogger(TDispatcher& dispatcher);
  ~TFFLogger();
  TFFLogger(const TFFLogger&) = delete;
  TFFLogger& operator=(const TFFLogger&) = delete;

  // Messages above this level are not delivered. Default llInfo.
  TLogLevel LogLevel() const;
  void SetLogLevel(TLogLevel level);

  // One call per line of text (no line end), on the dispatcher's main
  // thread; lines of one thread keep their order.
  std::function<void(uint32_t threadId, TLogLevel level, const std::string& msg)> OnLog;

  // "#" + thread id + "." + level number + ": " + message.
  static std::string FormatLine(uint32_t threadId, TLogLevel level, const std::string& msg);

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

// The engine's own messages go through the same path as FFmpeg's.
void EngineLog(TLogLevel level, const std::string& msg);
