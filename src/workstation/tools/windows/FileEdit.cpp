#include "workstation/tools/windows/FileEdit.h"

#include "platform/SavedFile.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/ProgramTitle.h"
#include "workstation/tools/windows/ToolWindowSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace ws {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

const QString kCaption = QStringLiteral("TALVOR File Editor");

// A long file goes into the widget a screenful first, then in parts with the window answering
// between them; each part takes the widget a small fraction of a second.
constexpr std::size_t kPartLines = 10'000;
// The first read: more than a screenful of any event file's lines, a small part of a long file.
constexpr std::size_t kStartBytes = 64 * 1024;
// Besides LF, the characters that the widget's insert takes as line ends: a paragraph
// separator and the two frame marks.
constexpr char16_t kInsertedLineEnds[] = {u'\u2029', u'\uFDD0', u'\uFDD1'};

} // namespace

FileEdit::FileEdit(Global& g, platform::Platform& p, QWidget* parent) : QDialog(parent), g_(g), p_(p) {
    setObjectName(QStringLiteral("FileEdit"));
    setModal(true);
    resize(640, 480);
    Text1 = named(new QPlainTextEdit(this), "Text1");
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Edit_btn = named(new QPushButton(QStringLiteral("&Open"), this), "Edit_btn");
    Save_Btn = named(new QPushButton(QStringLiteral("&Save "), this), "Save_Btn");
    Quit_Btn = named(new QPushButton(QStringLiteral("&Quit"), this), "Quit_Btn");
    auto* statusBar = named(new QStatusBar(this), "StatusBar1");
    StatusPanel1 = named(new QLabel(this), "StatusPanel1");
    statusBar->addWidget(StatusPanel1);
    LoadProgress = named(new QProgressBar(this), "LoadProgress");
    LoadProgress->setFormat(QStringLiteral("Loading %p%"));
    CancelLoad = named(new QPushButton(QStringLiteral("Cancel"), this), "CancelLoad");
    statusBar->addPermanentWidget(LoadProgress);
    statusBar->addPermanentWidget(CancelLoad);
    LoadProgress->hide();
    CancelLoad->hide();
    statusBar->setSizeGripEnabled(false);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Edit_btn);
    buttons->addWidget(Save_Btn);
    buttons->addWidget(Quit_Btn);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(statusBar, 1, 0, 1, 2);

    connect(Edit_btn, &QPushButton::clicked, this, [this] { Edit_btn_Click(); });
    connect(Save_Btn, &QPushButton::clicked, this, [this] { Save_Btn_Click(); });
    connect(Quit_Btn, &QPushButton::clicked, this, [this] { Quit_Btn_Click(); });
    connect(CancelLoad, &QPushButton::clicked, this, [this] { cancelLoad(); });
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_) {
            g_.UnsavedChanges = textfile::kTrue;
        }
    });
    connect(Text1, &QPlainTextEdit::cursorPositionChanged, this, [this] { showLine(); });
    const auto onDrop = [this](const std::vector<std::string>& files) { OLEDragDrop(files); };
    acceptFileDrops(*this, onDrop);
    acceptFileDrops(*Text1->viewport(), onDrop);
    Form_Load();
}

void FileEdit::Form_Load() {
    centreOnScreen(*this);
    setWindowTitle(kCaption);
    g_.UnsavedChanges = textfile::kFalse;
    Text1->setEnabled(false);
    Edit_btn->setEnabled(true);
    Save_Btn->setEnabled(false);
}

std::size_t FileEdit::screenfulOfLines() const {
    const int height = Text1->screen()->availableGeometry().height();
    return static_cast<std::size_t>(height / std::max(1, Text1->fontMetrics().lineSpacing()) + 1);
}

QString FileEdit::partText(std::string_view part) const {
    // The widget's insert takes CR LF, LF and a lone CR each as one line end, so a part goes in
    // as the file's own bytes, decoded once.
    const auto size = static_cast<qsizetype>(part.size());
    return loaded_.readsAsLatin1(part) ? QString::fromLatin1(part.data(), size)
                                       : QString::fromUtf8(part.data(), size);
}

std::string FileEdit::textAsLoaded() const {
    QString text = QString::fromStdString(loaded_.shown());
    for (const char16_t lineEnd : kInsertedLineEnds) {
        text.replace(QChar(lineEnd), QLatin1Char('\n'));
    }
    return text.toStdString();
}

std::string FileEdit::bytesToSave() const {
    // Unchanged, or every change undone: the text as loaded goes back as the very bytes it
    // came from.
    if (!Text1->document()->isModified()) {
        return loaded_.fileBytes();
    }
    const std::string text = widgetText();
    return text == textAsLoaded() ? loaded_.fileBytes() : loaded_.bytesFor(text);
}

std::string FileEdit::widgetText() const {
    QString text = Text1->document()->toRawText(); // keeps no-break spaces, unlike toPlainText
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text.toStdString();
}

int FileEdit::CurrentLine() const {
    // Each line of the text is one block of the widget, so the caret's block is its line
    // without copying the text before it.
    return Text1->textCursor().blockNumber() + 1;
}

void FileEdit::showLine() {
    StatusPanel1->setText(QString::fromStdString("Line:" + textfile::joinedNumber(CurrentLine())));
}

void FileEdit::LoadFile() {
    if (EditFileName.empty()) {
        platform::FileDialogRequest request;
        request.title = "Pick the file to edit...";
        request.filter = "TALVOR Event Files (*.eve)|*.eve|All Files(*.*)|*.*";
        request.flags = platform::kOverwritePrompt | platform::kHideReadOnly;
        const std::string chosen = p_.dialogs.openFile(request);
        if (chosen.empty()) {
            return;
        }
        EditFileName = chosen;
    }
    const QString caption =
        QString::fromStdString("TALVOR File Editor (" + textfile::FileNameOnly(EditFileName) + ")");
    setWindowTitle(caption);
    const LoadEnd end = loadFile();
    if (end == LoadEnd::Failed) {
        p_.dialogs.beep();
        p_.dialogs.messageBox("Error loading!\r", kProgramTitle, Buttons::OK, Icon::None);
        settingText_ = true;
        Text1->clear();
        settingText_ = false;
        Text1->setEnabled(false);
        return;
    }
    if (end == LoadEnd::Cancelled) {
        closeText();
        Save_Btn->setEnabled(false);
        EditFileName.clear();
        g_.UnsavedChanges = textfile::kFalse;
        return;
    }
    Text1->setEnabled(true);
    g_.UnsavedChanges = textfile::kFalse;
    setWindowTitle(caption);
    Edit_btn->setEnabled(false);
    Save_Btn->setEnabled(true);
    showLine();
}

FileEdit::LoadEnd FileEdit::loadFile() {
    std::string bytes;
    std::optional<textfile::FileReadInSteps> file;
    // The whole file, after its start, when the first screen did not come from the start alone.
    const auto readRest = [&] {
        try {
            file->readRest(bytes, bytes.size());
        } catch (const textfile::RunError&) {
            return false;
        }
        loaded_ = EditedText(std::move(bytes));
        return true;
    };
    try {
        file.emplace(EditFileName);
        file->readStart(bytes, kStartBytes);
    } catch (const textfile::RunError&) {
        return LoadEnd::Failed;
    }
    // A file longer than its start shows a first screen from the start alone when it can.
    bool restToRead = bytes.size() == kStartBytes;
    std::size_t at = 0;
    QString firstScreen;
    if (const std::string_view lines =
            restToRead ? EditedText::firstScreen(bytes, screenfulOfLines()) : std::string_view();
        !lines.empty()) {
        firstScreen = QString::fromLatin1(lines.data(), static_cast<qsizetype>(lines.size()));
        at = lines.size();
    } else {
        if (!restToRead) {
            loaded_ = EditedText(std::move(bytes));
        } else if (!readRest()) {
            return LoadEnd::Failed;
        }
        restToRead = false;
        firstScreen = partText(loaded_.nextLines(at, screenfulOfLines()));
    }
    std::size_t size = restToRead ? file->expectedSize() : loaded_.fileBytes().size();

    LoadEnd end = LoadEnd::Shown;
    settingText_ = true;
    // Parts added by the load are not edits to undo.
    Text1->document()->setUndoRedoEnabled(false);
    Text1->setPlainText(firstScreen);
    if (restToRead || at < size) {
        loading_ = true;
        loadCancelled_ = false;
        Text1->setReadOnly(true);
        Edit_btn->setEnabled(false);
        Save_Btn->setEnabled(false);
        LoadProgress->setRange(0, 1000);
        LoadProgress->show();
        CancelLoad->show();
        QTextCursor textEnd(Text1->document());
        while (restToRead || at < size) {
            LoadProgress->setValue(static_cast<int>(1000.0 * static_cast<double>(std::min(at, size)) /
                                                    static_cast<double>(std::max<std::size_t>(size, 1))));
            p_.dialogs.yieldToUi();
            if (loadCancelled_) {
                end = LoadEnd::Cancelled;
                break;
            }
            if (restToRead) {
                if (!readRest()) {
                    end = LoadEnd::Failed;
                    break;
                }
                restToRead = false;
                size = loaded_.fileBytes().size();
                continue;
            }
            textEnd.movePosition(QTextCursor::End);
            textEnd.insertText(partText(loaded_.nextLines(at, kPartLines)));
        }
        LoadProgress->hide();
        CancelLoad->hide();
        Text1->setReadOnly(false);
        loading_ = false;
    }
    Text1->document()->setUndoRedoEnabled(true);
    Text1->document()->setModified(false);
    settingText_ = false;
    return end;
}

void FileEdit::closeText() {
    settingText_ = true;
    Text1->clear();
    settingText_ = false;
    Text1->setEnabled(false);
    setWindowTitle(kCaption);
    Edit_btn->setEnabled(true);
}

bool FileEdit::SaveFile() {
    const std::string bytes = bytesToSave();
    try {
        platform::saveKeptFile(p_.dialogs, EditFileName, bytes);
    } catch (const textfile::RunError&) {
        p_.dialogs.messageBox("Error Saving \r", "ERROR!", Buttons::OK, Icon::None);
        return false;
    }
    closeText();
    Save_Btn->setEnabled(false);
    EditFileName.clear();
    g_.UnsavedChanges = textfile::kFalse;
    return true;
}

void FileEdit::Edit_btn_Click() {
    guardedHandler(p_.dialogs, [this] { LoadFile(); });
}

void FileEdit::Save_Btn_Click() {
    guardedHandler(p_.dialogs, [this] {
        if (g_.UnsavedChanges != textfile::kFalse) {
            SaveFile();
            return;
        }
        // Nothing changed: nothing is written, and "&Open" takes the same file up again.
        closeText();
    });
}

bool FileEdit::askToSave() {
    if (g_.UnsavedChanges == textfile::kFalse) {
        return true;
    }
    switch (p_.dialogs.messageBox("Do you want to save your changes?", "Save Changes?", Buttons::YesNoCancel,
                                  Icon::None)) {
    case Answer::Yes:
        return SaveFile();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void FileEdit::Quit_Btn_Click() {
    bool leave = false;
    guardedHandler(p_.dialogs, [&] { leave = askToSave(); });
    if (leave) {
        reject(); // the unload, which asks once more while changes are still unsaved
    }
}

void FileEdit::reject() {
    // Closing while a long file loads stops the load; the window stays for the next choice.
    if (loading_) {
        cancelLoad();
        return;
    }
    bool leave = false;
    guardedHandler(p_.dialogs, [&] { leave = askToSave(); });
    if (leave) {
        QDialog::reject();
    }
}

void FileEdit::OLEDragDrop(const std::vector<std::string>& files) {
    guardedHandler(p_.dialogs, [&] {
        if (loading_ || files.empty() || !askToSave()) {
            return;
        }
        EditFileName = files.front();
        LoadFile();
    });
}

} // namespace ws
