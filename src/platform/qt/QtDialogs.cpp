#include "platform/qt/QtDialogs.h"

#include "platform/qt/TextBridge.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTimer>

namespace platform::qt {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OK:
        return QMessageBox::Ok;
    case Buttons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        return Answer::OK;
    }
}

// Closing a box with Escape or the window's close button answers its cancelling button.
Answer escapeAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::OK:
        return Answer::OK;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    default:
        return Answer::Cancel;
    }
}

// Lists folders and executable files only while the program chooser's first filter is
// selected; the directory filters of the file model cannot say "executable only".
class ProgramsFirst : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setProgramsOnly(bool programsOnly) {
        programsOnly_ = programsOnly;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!programsOnly_ || files == nullptr) {
            return true;
        }
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }

private:
    bool programsOnly_ = true;
};

void offerProgramsFirst(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the filter works on Qt's own dialog
    auto* programs = new ProgramsFirst(&dialog);
    dialog.setProxyModel(programs);
    const QString first = dialog.nameFilters().value(0);
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, programs,
        [programs, first](const QString& selected) { programs->setProgramsOnly(selected == first); });
    programs->setProgramsOnly(dialog.selectedNameFilter() == first);
}

bool isPattern(const QString& typed) {
    return typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?')) ||
           typed.contains(QLatin1Char('['));
}

// Qt's own file dialog, where a typed name pattern ("*", "*.vob", "clips/*.mkv") lists the
// files it matches, as the filter list does, instead of being taken as a file's name (which
// an open dialog would refuse, leaving Open greyed out and Return doing nothing).
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const QString& caption) : QFileDialog(parent, caption) {
        setOption(QFileDialog::DontUseNativeDialog);
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            connect(name, &QLineEdit::returnPressed, this, [this, name] { listTyped(name->text()); });
        }
    }

    void accept() override {
        const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr || !listTyped(name->text())) {
            QFileDialog::accept();
        }
    }

private:
    // True when the text was a pattern, now the selected filter.
    bool listTyped(QString typed) {
        typed = typed.trimmed();
        if (!isPattern(typed)) {
            return false;
        }
        if (const qsizetype slash = typed.lastIndexOf(QLatin1Char('/')); slash >= 0) {
            setDirectory(directory().absoluteFilePath(typed.left(slash + 1)));
            typed = typed.mid(slash + 1);
        }
        const QString filter = QStringLiteral("%1 (%1)").arg(typed);
        QStringList filters = nameFilters();
        if (!filters.contains(filter)) {
            filters << filter;
            setNameFilters(filters);
        }
        selectNameFilter(filter);
        emit filterSelected(filter);
        return true;
    }
};

} // namespace

QString qtFilter(const std::string& filter) {
    const QStringList parts = toDisplay(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            // "*.*" means every file where the filters come from; here it would hide names without a dot.
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        if (description.contains(QLatin1Char('('))) {
            // Qt reads the patterns from the parentheses; make them the real ones.
            description = description.left(description.indexOf(QLatin1Char('('))).trimmed();
        }
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

Answer QtDialogs::messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    QMessageBox box(messageIcon(icon), toDisplay(title), toDisplayLines(text), standardButtons(buttons),
                    QApplication::activeWindow());
    const int result = box.exec();
    if (box.clickedButton() == nullptr) {
        return escapeAnswer(buttons);
    }
    return answerOf(result);
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), toDisplay(title), toDisplayLines(prompt),
                              QLineEdit::Normal, toDisplay(defaultText), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return fromDisplay(text);
}

std::string QtDialogs::runFileDialog(const FileDialogRequest& request, bool save) {
    FileDialog dialog(QApplication::activeWindow(), toDisplay(request.title));
    dialog.setNameFilter(qtFilter(request.filter));
    if (request.programs) {
        offerProgramsFirst(dialog);
    }
    if (const std::string folder = folders_.startFolder(request); !folder.empty()) {
        dialog.setDirectory(toPath(folder));
    }
    if (save) {
        // A save never requires the named file to exist.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!(request.flags & kOverwritePrompt)) {
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode((request.flags & kFileMustExist) ? QFileDialog::ExistingFile
                                                            : QFileDialog::AnyFile);
    }
    if (!request.defaultExt.empty()) {
        QString ext = toDisplay(request.defaultExt);
        if (ext.startsWith(QLatin1Char('.'))) {
            ext.remove(0, 1);
        }
        dialog.setDefaultSuffix(ext);
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(toPath(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return "";
    }
    const std::string chosen = fromPath(dialog.selectedFiles().front());
    folders_.remember(request, chosen);
    return chosen;
}

std::string QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::string QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

bool QtDialogs::printerSetup() {
    if (printer_ != nullptr) {
        return printer_->setup();
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::showModal(QDialog& dialog) {
    return dialog.exec();
}

void QtDialogs::yieldToUi() {
    QApplication::processEvents();
}

void QtDialogs::waitForEvents(int maxMilliseconds) {
    // The timer is an event of its own, so the wait ends at the first event or at it.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxMilliseconds);
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace platform::qt
