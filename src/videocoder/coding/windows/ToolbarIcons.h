#pragma once
// The coding window's toolbar pictures, drawn here: one per button caption.

#include <QIcon>
#include <string>

namespace vc {

QIcon toolbarIcon(const std::string& caption);

} // namespace vc
