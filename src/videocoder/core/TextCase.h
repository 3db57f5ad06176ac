#pragma once
// The coder trims and changes case as the whole suite does.

#include "textfile/TextCase.h"

namespace vc {

using textfile::isBlank;
using textfile::lowerCase;
using textfile::trimBlanks;
using textfile::upperCase;

} // namespace vc
