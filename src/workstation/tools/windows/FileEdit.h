#pragma once
// The data-file text editor: one file shown as plain text, changed by hand, saved back.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/tools/EditedText.h"

#include <QDialog>

#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace ws {

class FileEdit : public QDialog {
    Q_OBJECT

public:
    FileEdit(Global& g, platform::Platform& p, QWidget* parent = nullptr);

    void Form_Load();
    void Edit_btn_Click(); // "&Open"
    void Save_Btn_Click(); // "&Save "
    void Quit_Btn_Click(); // "&Quit"
    void LoadFile();
    // False when the file could not be written; the text stays in the editor.
    bool SaveFile();
    int CurrentLine() const;
    void OLEDragDrop(const std::vector<std::string>& files);

    const std::string& editFileName() const { return EditFileName; }
    // Stops a long file's load; the editor is then as it was before the open.
    void cancelLoad() { loadCancelled_ = true; }

    // The unload handler: asks about unsaved changes, and Cancel (or a failed save) keeps the window.
    void reject() override;

private:
    // True when the window may go on (to close, or to load another file).
    bool askToSave();
    enum class LoadEnd { Shown, Cancelled, Failed };
    // Reads EditFileName into the widget: a first screen, then the rest in parts.
    LoadEnd loadFile();
    void closeText();
    void showLine();
    // The lines a window as tall as the screen shows: the first part of a long file.
    std::size_t screenfulOfLines() const;
    // A part of the loaded file as the widget is given it.
    QString partText(std::string_view part) const;
    // The widget's text as UTF-8 with LF line ends.
    std::string widgetText() const;
    // widgetText() as it was when the load ended, made again from the loaded file.
    std::string textAsLoaded() const;
    std::string bytesToSave() const;

    Global& g_;
    platform::Platform& p_;
    std::string EditFileName;
    EditedText loaded_;
    bool settingText_ = false;
    bool loading_ = false;
    bool loadCancelled_ = false;

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Edit_btn = nullptr;
    QPushButton* Save_Btn = nullptr;
    QPushButton* Quit_Btn = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QProgressBar* LoadProgress = nullptr;
    QPushButton* CancelLoad = nullptr;
};

} // namespace ws
