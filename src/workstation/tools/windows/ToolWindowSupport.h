#pragma once
// What every file-tool window does alike (besides naming its controls and centring itself): keeping
// errors inside its handlers, and taking the files dropped on it.

#include "platform/Dialogs.h"
#include "platform/qt/NamedWidget.h"
#include "workstation/core/windows/CentreOnScreen.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QObject;
class QWidget;

namespace ws {

using platform::named;

// Runs a handler; an error it did not expect is shown with its description and the handler ends.
void guardedHandler(platform::Dialogs& dialogs, const std::function<void()>& handler);

// The local files of a drop from the file manager, in the order the drop gives them.
std::vector<std::string> droppedFiles(const QMimeData* data);

// Calls onDrop with the files dropped on `target` (a widget or a view's viewport).
void acceptFileDrops(QWidget& target, std::function<void(const std::vector<std::string>&)> onDrop);
// Calls onDrop when a row dragged from the view `source` is dropped on `target`.
void acceptRowDrops(QWidget& target, const QObject& source, std::function<void()> onDrop);

} // namespace ws
