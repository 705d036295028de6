#include "catalogue/formats.h"

#include <algorithm>
#include <cmath>

namespace catalogue {
namespace {
constexpr Category kCategories[] = {
    {0, "常用音频", 1, 1, true},
    {1, "常用视频", 0, 0, false},
    {2, "MP4视频", 10, 10, false},
    {3, "iPod视频", 3, 3, false},
    {4, "MP3音频", 29, 29, true},
};

// Grouped by format group, each group in list order.
constexpr Format kFormats[] = {
    // group 0
    {0, 0, "AVI - 音频视频交错格式(*.avi)",
     "AVI最常用的视频格式,语音和影像同步组合在一起的文件格式"},
    {0, 1, "MP4 - MPEG-4视频格式(*.mp4)",
     "为网络广播和视频通信制定的压缩标准,有很小的体积和清晰的画质"},
    {0, 2, "DivX - 视频格式(*.avi)",
     "DivX采用MPEG-4技术来压缩的数字多媒体格式,有接近DVD的画质和完美的音质"},
    {0, 3, "MOV - 苹果QuickTime视频格式(*.mov)",
     "MOV即QuickTime影片格式，它是Apple公司开发的音频视频文件格式"},
    {0, 4, "XviD - 视频格式(*.avi)",
     "XviD是世界上最流行的视频编码,很多电影是用XviD压制的"},
    {0, 5, "MKV - Matroska视频格式(*.mkv)",
     "Matroska是一种新的多媒体封装格式 ，有超清晰的画面，和完美的音质"},
    {0, 6, "MPEG-1视频格式(*.mpg)",
     "工业级标准而设计的压缩格式，具有VHS的画质和接近CD的音质"},
    {0, 7, "MPEG-2视频格式(*.mpg)",
     "工业级标准而设计的压缩格式，具有广播级的视频画质和CD的音质"},
    {0, 8, "ASF - 高级流视频格式(*.asf)",
     "微软制定的高级流媒体视频格式，被广泛用于网络"},
    {0, 9, "3GP - 视频格式(*.3gp)",
     "3GP是一种3G流媒体的视频编码格式，手机支持的视频格式"},
    {0, 10, "WMV - 视频格式(*.wmv)",
     "WMV是微软推出的一种流媒体格式,WMV格式的体积非常小,很适合在网上播放和传输"},
    {0, 11, "DVD - 视频格式(*.mpg)",
     "DVD-数字视频光盘通,常用来播放标准电视机清晰度的电影,高质量的音乐"},
    {0, 12, "SVCD - 视频格式(*.mpg)",
     "SVCD采用MPEG-2压缩,比VCD视频有更好的视频质量"},
    {0, 13, "VCD - 视频格式(*.mpg)",
     "可以在VCD机上直接播放,也可以在配置了光驱的电脑中播放。"},
    {0, 14, "RM - REAL视频格式(*.rm)",
     "RealNetWorks推出的一种流媒体格式,低码率,很适合在网上播放和传输"},
    // group 1
    {1, 0, "MP3 - MPEG Layer-3音频格式(*.mp3)",
     "最流行的音频格式,具有体积小,音质高的特点,几乎成为网上音乐的代名词"},
    {1, 1, "WMA - Windows媒体音频格式(*.wma)",
     "微软公司推出的与MP3格式齐名的一种新的音频格式"},
    {1, 2, "WAV - 波形音频格式(*.wav)",
     "WAV为微软公司开发的波形声音文件格式"},
    {1, 3, "AAC - 高级音频格式(*.aac)",
     "高级声音数据设计的文件压缩格式,与Mp3类似,苹果公司的ipod,iPhone支持的音频格式"},
    {1, 4, "M4A - MPEG-4音频格式(*.m4a)",
     "M4A是MPEG4音频标准的文件,几乎所有支持MPEG4音频的软件都支持m4a音频"},
    {1, 5, "OGG - Ogg Vorbis音频格式(*.ogg)",
     "OGG是一种常见的格式，在音乐软件、游戏音效、便携播放器、网络浏览器上都得到广泛支持"},
    {1, 6, "RA - RealAudio音频格式(*.ra)",
     "RealNetworks制定的流媒体音频格式,便于网络传输的音频格式"},
    {1, 7, "AC3 - 杜比数字AC-3音频格式(*.ac3)",
     "杜比数字AC-3是杜比公司开发的新一代家庭影院多声道数字音频系统。"},
    {1, 8, "AIFF - 音频交换文件格式(*.aiff)",
     "AIFF是音频交换文件格式是Apple公司开发的声音文件格式,广泛应用于各种专业的音频软件中"},
    {1, 9, "MP2 - MPEG Layer-2音频格式(*.mp2)",
     "MPEG Layer-2音频格式，具有CD级别的音质"},
    {1, 10, "FLAC-音频格式(*.flac)",
     "FLAC是一套著名的无损压缩编码,所以还原CD音乐光盘音质"},
    {1, 11, "MP4-MP4音频格式(*.m4a)",
     "MP4音频格式,具有完美的CD音质"},
    {1, 12, "AMR-手机音频格式(*.amr)",
     "AMR是流行的手机数字音乐文件格式之一"},
    // group 3
    {3, 0, "iPod (320X240) 高清晰视频(*.mp4)",
     "为iPod优化的MPEG-4视频预置方案.(320*240高质量)"},
    {3, 1, "iPod (320X240) 高压缩视频(*.mp4)",
     "为iPod优化的MPEG-4视频预置方案.(320*240高压缩)"},
    {3, 2, "iPod (320X240) 标准视频(*.mp4)",
     "为iPod优化的MPEG-4视频预置方案.(320*240标准)"},
    {3, 3, "iPod Video2 TV OutPut视频(*.mp4)",
     "为iPod优化的电视TV视频预置方案."},
    {3, 4, "iPod Video2 (640X480)视频(*.mp4)",
     "为iPod Video2优化的(640X480)视频预置方案.(640X480标准)"},
    {3, 5, "iPod Video2 (640X480)高清晰视频(*.mp4)",
     "为iPod Video2优化的(640X480)视频预置方案.(640X480高清晰)"},
    {3, 6, "iPod Video2 (640X480)高压缩视频(*.mp4)",
     "为iPod Video2优化的(640X480)视频预置方案.(640X480高压缩)"},
    {3, 7, "iPod touch MPEG-4视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案."},
    {3, 8, "iPod touch MPEG-4 480P视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案.(480P)"},
    {3, 9, "iPod touch MPEG-4 480P高清晰视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案.(高清晰)"},
    {3, 10, "iPod touch MPEG-4 480P高压缩视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案.(高压缩)"},
    {3, 11, "iPod touch MPEG-4 480P宽屏视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案.(宽频)"},
    {3, 12, "iPod touch MPEG-4 (320X240)视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案.(320*240)"},
    {3, 13, "iPod touch MPEG-4 (480X320)视频(*.mp4)",
     "为iPod touch优化的MPEG-4视频预置方案.(480X320)"},
    // group 10
    {10, 0, "MP4机播放的MP4视频格式(*.mp4)",
     "为各种MP4机优化的MPEG-4视频预置方案"},
    {10, 1, "电脑上使用的MP4视频格式(*.mp4)",
     "为电脑上使用的MP4优化的MPEG-4视频预置方案"},
    {10, 2, "MPEG-4视频高清晰视频(*.mp4)",
     "MPEG-4视频预置方案(高清晰编码格式)"},
    {10, 3, "MP4 AVC视频(*.mp4)",
     "MPEG-4 AVC视频预置方案"},
    {10, 4, "MP4 H264编码视频(*.mp4)",
     "优化的MPEG-4视频预置方案(H264高清晰编码)"},
    // group 29
    {29, 0, "高清晰MP3音频格式(*.mp3)",
     "MP3音频格式，可以转换高清晰的MP3音频格式"},
    {29, 1, "高压缩MP3音频格式(*.mp3)",
     "MP3 音频格式，可以转换高压缩的MP3音频格式"},
    {29, 2, "优化MP3音频格式(*.mp3)",
     "MP3音频格式，可以转换优化的MP3音频格式"},
    {29, 3, "标准MP3音频格式(*.mp3)",
     "MP3音频格式，可以转换标准的MP3音频格式"},
};

}  // namespace

std::span<const Category> Categories() { return kCategories; }

const Category* CategoryAt(int position) {
  if (position < 0 || position >= static_cast<int>(std::size(kCategories))) return nullptr;
  return &kCategories[position];
}

int GroupOfCategory(int position) {
  const Category* c = CategoryAt(position);
  return c ? c->group : -1;
}

std::span<const Format> FormatsOfGroup(int group) {
  const Format* first = std::find_if(std::begin(kFormats), std::end(kFormats),
                                     [&](const Format& f) { return f.group == group; });
  const Format* last = std::find_if(first, std::end(kFormats),
                                    [&](const Format& f) { return f.group != group; });
  return {first, last};
}

const Format* FindFormat(int group, int index) {
  auto formats = FormatsOfGroup(group);
  if (index < 0 || index >= static_cast<int>(formats.size())) return nullptr;
  return &formats[index];
}

ListPositions DecodeSelectionCode(int code) {
  const int r = static_cast<int>(std::nearbyint(code / 100.0));
  return {r - 1, code - 100 * r};
}

std::string ExtensionFromTitle(std::string_view title) {
  // The four characters before the closing bracket: ".mp3", "flac", "*.rm".
  if (title.size() < 5) return {};
  std::string ext(title.substr(title.size() - 5, 4));
  if (ext == "flac" || ext == "aiff") return "." + ext;
  if (ext == "*.rm" || ext == "*.ra") return ext.substr(1);
  return ext;
}

std::vector<Entry> AllFormats() {
  std::vector<Entry> all;
  for (const Category& c : kCategories)
    for (const Format& f : FormatsOfGroup(c.group)) all.push_back({&c, &f});
  return all;
}

std::optional<Entry> FindBySelectionCode(int code) {
  const ListPositions p = DecodeSelectionCode(code);
  const Category* c = CategoryAt(p.category);
  const Format* f = c ? FindFormat(c->group, p.format) : nullptr;
  if (!f) return std::nullopt;
  return Entry{c, f};
}

std::optional<Entry> FindByFormatCode(int code) {
  for (const Entry& e : AllFormats())
    if (e.formatCode() == code) return e;
  return std::nullopt;
}

}  // namespace catalogue
