#pragma once
// The end of work on a data file, as the coding window runs it when it closes, and its
// autosave tick. The view calls these; the main window reaches them through the view.

#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

namespace vc {

// Keeps the window's position (CodingWindowPort::storePosition), saves the data file when its
// rows or header changed since it was read or saved (not after "Exit without saving"), then
// forgets it: no name, gDataOpen false, gData one empty row, the lock given back, the code
// set unloaded with its editor. When the save did not happen (a failure, or a name dialog
// cancelled) nothing is forgotten and the window stays: false.
bool closeCodingWindow(Globals& g, CoderLinks& links);
// Forgets the data file without saving it, as closeCodingWindow does after its save; the
// window's header and grid dressing go back to their load-time state.
void discardCodingWindow(Globals& g, CoderLinks& links);

// The autosave tick saves a file that has a name and was changed; an untitled one waits for
// its first save.
void AutoSaveTimer_Timer(Globals& g, CoderLinks& links);

} // namespace vc
