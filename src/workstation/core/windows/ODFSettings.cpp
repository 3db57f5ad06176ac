#include "workstation/core/windows/ODFSettings.h"

#include <QCheckBox>

namespace ws {

// The time caption reads the other way round from the setting behind it; it stands as written.
ODFSettings::ODFSettings(QWidget* parent)
    : ImportSettingsWindow("ODFSettings", "ODF File Settings",
                           "ODF Files are read directly.  TALVOR format files can be saved if needed. If "
                           "you do any recoding, the recoded files are saved in TALVOR format. The code "
                           "file must have all non zero groups listed together. The first code in any "
                           "non zero group is inserted at time zero.",
                           "The first code time is the ZERO time of the file.",
                           "Convert times to the nearest second (if unchecked times are in 100ths if "
                           "present in the data file).",
                           parent) {}

void ODFSettings::fill(const ODFControls& c) {
    Check3->setChecked(c.Check3 != 0);
    Check2->setChecked(c.Check2 != 0);
    Check1->setChecked(c.Check1 != 0);
    Form_Load();
}

ODFControls ODFSettings::read() const {
    return {Check3->isChecked() ? 1 : 0, Check2->isChecked() ? 1 : 0, Check1->isChecked() ? 1 : 0};
}

} // namespace ws
