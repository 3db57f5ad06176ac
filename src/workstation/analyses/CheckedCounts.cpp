#include "workstation/analyses/CheckedCounts.h"

#include "textfile/RunError.h"

namespace ws {

void counterOverflow() {
    throw textfile::RunError(textfile::kOverflow);
}

} // namespace ws
