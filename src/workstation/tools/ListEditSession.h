#pragma once
// What the list editor holds and does, apart from its window: the entries, the list's
// name and its change and cancel flags, and every command of its menus and toolbar.

#include "platform/Dialogs.h"

#include <string>
#include <vector>

namespace ws {

class ListEditSession {
public:
    explicit ListEditSession(platform::Dialogs& dialogs) : dialogs_(dialogs) {}

    std::vector<std::string> entries; // List1, in file order
    int selected = -1;                // List1's ListIndex, -1 for none
    std::string ListName = "Untitled";
    bool ListChanged = false;
    // The latest save, open or add was cancelled or failed.
    bool DialogCancelled = false;
    // The latest save failed (as opposed to a dialog the person cancelled).
    bool SaveFailed = false;
    bool listOfLists = false; // LOLMnu's check mark

    std::string caption() const;
    bool IsInList(const std::string& name) const;
    void ClearList();
    void SaveList() { saveList(false); }
    void OpenList();

    void newList();
    void open();
    void saveAs();
    // Saves a changed list before the window goes; false when the window must stay because
    // that save failed (a cancelled dialog lets it go: the person chose not to save).
    bool exit();
    void addFile();
    void dropFiles(const std::vector<std::string>& paths);
    void deleteEntry();
    void moveUp();
    void moveDown();
    void toggleListOfLists();
    void help();

private:
    void saveList(bool askForName);
    // Says why a name cannot become an entry; true when it can.
    bool acceptsEntry(const std::string& name);

    platform::Dialogs& dialogs_;
};

} // namespace ws
