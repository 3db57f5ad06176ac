#pragma once
// Windows name their controls as the handlers and the tests know them.

#include <QString>

namespace platform {

template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace platform
