#pragma once
// The code-set editor's toolbar images, drawn here: no image of another program is used.

#include <QIcon>

namespace vc {

// The image of toolbar button 1..14 (separators have none).
QIcon codeEditorIcon(int index);

} // namespace vc
