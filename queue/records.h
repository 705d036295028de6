// Filling the engine's option records of a queue entry from the working
// fields (when a file is added). Plain C++, shared by the window and the
// command line.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/working_fields.h"
#include "engine/options.h"

namespace queue {

// "libx264" also selects the built-in "libx264-default" preset; any other
// codec clears the preset; an empty codec leaves both fields alone.
void ApplyVideoCodecRule(TOutputOptions& out, std::string_view codec);

// "vcd"/"svcd"/"dvd" -> the disc target, anything else -> ttIgnore.
TOptionTargetType TargetTypeFromText(std::string_view text);
// "PAL"/"NTSC" -> the norm, anything else -> ntAuto.
TOptionNormType NormTypeFromText(std::string_view text);

// The output record of a file being added: the engine's initial record filled
// from the working fields. The whole input is converted (no start, no length).
TOutputOptions OutputOptionsFromWorkingFields(const catalogue::WorkingFields& w);

}  // namespace queue
