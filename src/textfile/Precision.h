#pragma once
// How many significant digits a value carries before a mask rounds it: 7 or 15.

namespace textfile {

enum class Precision { Single, Double };

} // namespace textfile
