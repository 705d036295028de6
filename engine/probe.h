// Opening a media file to learn what it holds, without converting it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TStreamInfo {
  int Index = -1;
  std::string Kind;       // "video", "audio", "subtitle", "data"
  std::string CodecName;  // FFmpeg's decoder name, e.g. "h264"
  int Width = -1, Height = -1;
  double FrameRate = 0.0;
  int SampleRate = 0;
  int Channels = 0;
  int64_t BitRate = 0;
  int64_t Duration = -1;  // microseconds, -1 when unknown
};

struct TFileStreamInfo {
  std::string FormatName;  // container, e.g. "avi"
  int64_t Duration = 0;    // microseconds; <= 0 when it cannot be told
  int64_t StartTime = 0;   // microseconds
  int64_t BitRate = 0;
  std::vector<TStreamInfo> Streams;
  int VideoStreams() const;
  int AudioStreams() const;
};

// Not thread-safe; one probe per thread.
class TFFProbe {
 public:
  TFFProbe();
  ~TFFProbe();
  TFFProbe(const TFFProbe&) = delete;
  TFFProbe& operator=(const TFFProbe&) = delete;

  // Opens the file and reads its stream parameters. formatName forces the
  // input format (empty = detect). False with LastErrMsg set on failure.
  bool LoadFile(const std::string& fileName, const std::string& formatName = {});
  void Close();
  bool Loaded() const;

  const TFileStreamInfo& FileStreamInfo() const;
  int64_t FileSize() const;  // bytes
  // A readable description of the container and its streams, several lines,
  // like the header the ffmpeg tool prints.
  std::string FileInfoText() const;
  const std::string& LastErrMsg() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};
