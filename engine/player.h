// The preview player: plays one file with sound (SDL) and hands its pictures
// to the host, which draws them into its screen.
//
// Threads: every method is called on the host's main thread. Decoding and
// sound run on the player's own threads; the events run on the main thread
// through the dispatcher.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/dispatcher.h"

class TFFProbe;

enum class TPlayState { psPlay, psPause, psResume, psStep, psStop, psEnd };
enum class TVideoDriver { vdDefault };
enum class TAudioDriver { adDefault };

enum TSeekFlags : int { sfNone = 0, sfAny = 1 };

// A 24-bit RGB picture, rows packed (Stride == Width * 3). Width 0 = none.
struct TVideoFrame {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Rgb;
};

// What the host gives Open as the place to draw: an opaque value handed back
// with every picture.
using TScreenHandle = void*;

class TFFPlayer {
 public:
  explicit TFFPlayer(TDispatcher& dispatcher);
  ~TFFPlayer();  // stops, waiting
  TFFPlayer(const TFFPlayer&) = delete;
  TFFPlayer& operator=(const TFFPlayer&) = delete;

  bool AVLibLoaded() const;
  bool LoadAVLib(const std::string& folder);
  const std::string& LastErrMsg() const;

  TVideoDriver VideoDriver = TVideoDriver::vdDefault;
  TAudioDriver AudioDriver = TAudioDriver::adDefault;

  // Stops whatever plays, opens the file and runs OnFileOpen before it
  // returns. paused: shows the first picture and waits. False with LastErrMsg.
  bool Open(const std::string& fileName, TScreenHandle screen, bool paused);
  // Returns once playback has ended when wait is true. No effect when idle.
  void Stop(bool wait);
  void Pause();
  void Resume();
  // pts in microseconds from the start of the file; flags sfAny: any frame,
  // else the key frame at or before. Returns at once unless wait.
  void Seek(int64_t pts, int flags, bool wait);

  bool Mute() const;
  void SetMute(bool on);  // at once, and for later files
  int AudioVolume() const;
  void SetAudioVolume(int volume);  // 0..128, default 128

  TScreenHandle ScreenHandle() const;
  // The picture on show at the video's own size; Width 0 when nothing shows.
  TVideoFrame CurrentFrame() const;
  // The host's window moved; nothing to do when the host draws the pictures.
  void UpdateScreenPosition();
  // The probe of the open file (FileInfoText).
  const TFFProbe& AVProbe() const;

  // During Open: duration (microseconds, 0 = unknown), frame size (-1 when the
  // file has no video); the handler answers the size of the drawing area.
  std::function<void(int64_t duration, int frameWidth, int frameHeight, int& screenWidth,
                     int& screenHeight)>
      OnFileOpen;
  std::function<void(int64_t pts)> OnPosition;
  std::function<void(TPlayState state)> OnState;
  // A new picture to draw, already scaled to the answered drawing area with
  // the aspect kept (the host centres it). Posted, never blocking the player.
  std::function<void(TScreenHandle screen, const TVideoFrame& frame)> OnVideoFrame;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};
