#pragma once
// The files of a DVD folder's main title: the VTS_nn_k.VOB files (k from 1) of the title
// set that holds the most video, in order. Their bytes joined are the title's program
// stream, which plays and seeks as one MPEG-2 file.

#include <string>
#include <vector>

namespace platform {

// folder is a VIDEO_TS folder or a folder holding one (any case). Empty when there is no
// title set.
std::vector<std::string> mainTitleFiles(const std::string& folder);

} // namespace platform
