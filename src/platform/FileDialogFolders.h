#pragma once
// Where a file dialog opens when its caller gives it no folder: the folder of the file last
// chosen for the same kind of file, in any dialog of the program. The kind is the first
// pattern of the request's first filter ("*.cod"), or the programs for a program chooser.

#include "platform/Dialogs.h"

#include <map>
#include <string>

namespace platform {

class FileDialogFolders {
public:
    // Empty when the request names its own folder or nothing of its kind was chosen yet.
    std::string startFolder(const FileDialogRequest& request) const;
    void remember(const FileDialogRequest& request, const std::string& chosenPath);

private:
    std::map<std::string, std::string> lastFolderByKind_;
};

// The kind of file a request asks for: "*.cod", "*.eve", "*" ...; the programs have their own.
std::string fileKindOf(const FileDialogRequest& request);

} // namespace platform
