// The file dialogs: the common dialog's filters as Qt's, the folder a dialog opens in when its
// caller names none, and the program choosers' filter.
#include "platform/FileDialogFolders.h"
#include "platform/qt/QtDialogs.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QString>
#include <QThread>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

TEST(QtDialogsFilter, CommonDialogFiltersBecomeQtNameFilters) {
    struct Case {
        std::string filter;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"TALVOR/Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*",
         "TALVOR/Vintrosa Code files (*.cod);;All Files (*)"},
        {"Event Files|*.eve", "Event Files (*.eve)"},
        {"Data (*.eve;*.qvd)|*.eve;*.qvd", "Data (*.eve *.qvd)"},
        {"Lists (*.lst)|*.lst|dangling", "Lists (*.lst)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::qt::qtFilter(c.filter).toStdString(), c.expected) << c.filter;
    }
}

platform::FileDialogRequest requestFor(const std::string& filter, const std::string& fileName = "") {
    platform::FileDialogRequest request;
    request.filter = filter;
    request.fileName = fileName;
    return request;
}

TEST(FileDialogFolders, EachKindOfFileOpensWhereItsLastOneWasChosen) {
    platform::FileDialogFolders folders;
    const auto codeSets = requestFor("TALVOR/Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*");
    const auto codeSetsElsewhere = requestFor("TALVOR/VTRS Code Files (*.COD)|*.COD");
    const auto data = requestFor("Data (*.eve;*.qvd)|*.eve;*.qvd|All Files (*.*)|*.*");
    const auto events = requestFor("TALVOR Event Files (*.eve)|*.eve|All Files(*.*)|*.*");
    const auto anything = requestFor("All Files (*.*)|*.*");
    auto programs = anything;
    programs.programs = true;

    EXPECT_EQ(folders.startFolder(codeSets), ""); // nothing chosen yet: the dialog's own default
    folders.remember(codeSets, "/study/codes/kids.cod");
    folders.remember(data, "/study/day1/obs.qvd");
    folders.remember(programs, "/opt/editor/bin/edit");
    folders.remember(anything, "/tmp/trans.txt");

    EXPECT_EQ(folders.startFolder(codeSetsElsewhere), "/study/codes");
    EXPECT_EQ(folders.startFolder(events), "/study/day1"); // the data dialogs' first kind is *.eve
    EXPECT_EQ(folders.startFolder(programs), "/opt/editor/bin");
    EXPECT_EQ(folders.startFolder(anything), "/tmp");
    // A caller that names a folder keeps it.
    EXPECT_EQ(folders.startFolder(requestFor(codeSets.filter, "/else/x.cod")), "");
    EXPECT_EQ(folders.startFolder(requestFor(codeSets.filter, "x.cod")), "/study/codes");
}

// Runs one file dialog of QtDialogs and operates it while it is up.
std::string runDialog(platform::qt::QtDialogs& dialogs, const platform::FileDialogRequest& request,
                      const std::function<void(QFileDialog&)>& operate) {
    QTimer::singleShot(0, [operate] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        operate(*dialog);
    });
    return dialogs.openFile(request);
}

TEST(QtDialogs, AFileDialogOpensInTheFolderLastUsedForItsKind) {
    testsupport::ScratchFolder scratch;
    std::filesystem::create_directories(scratch.file("codes"));
    const std::string chosen = scratch.file("codes/kids.cod");
    std::ofstream(chosen) << " 0 \r\n";
    platform::qt::QtDialogs dialogs;
    const auto request = requestFor("TALVOR/VTRS Code Files (*.cod)|*.cod|All Files (*.*)|*.*");

    EXPECT_EQ(runDialog(dialogs, request,
                        [&](QFileDialog& dialog) {
                            dialog.selectFile(QString::fromStdString(chosen));
                            static_cast<QDialog&>(dialog).accept(); // as the Open button does
                        }),
              chosen);
    std::string openedIn;
    runDialog(dialogs, request, [&](QFileDialog& dialog) {
        openedIn = dialog.directory().absolutePath().toStdString();
        dialog.reject();
    });
    EXPECT_EQ(openedIn, scratch.file("codes"));
}

// The names the dialog lists in its folder, once the folder has been read.
QStringList listedNames(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int wait = 0; wait < 300 && names.isEmpty(); ++wait) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            names << view->model()->index(row, 0, view->rootIndex()).data().toString();
        }
    }
    names.sort();
    return names;
}

TEST(QtDialogs, ProgramChoosersOfferExecutableFilesThenAllFiles) {
    testsupport::ScratchFolder scratch;
    std::ofstream(scratch.file("edit")) << "#!/bin/sh\n";
    std::filesystem::permissions(scratch.file("edit"), std::filesystem::perms::owner_all);
    std::ofstream(scratch.file("notes.txt")) << "notes\n";
    platform::qt::QtDialogs dialogs;
    auto request = requestFor("Programs (executable files)|*|All Files (*.*)|*.*", scratch.file("x"));
    request.programs = true;
    runDialog(dialogs, request, [](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Programs (*)", "All Files (*)"}));
        EXPECT_EQ(listedNames(dialog), QStringList{"edit"});
        dialog.selectNameFilter("All Files (*)");
        emit dialog.filterSelected("All Files (*)");
        EXPECT_EQ(listedNames(dialog), (QStringList{"edit", "notes.txt"}));
        dialog.reject();
    });
}

TEST(QtDialogs, ATypedNamePatternListsTheFilesItMatches) {
    testsupport::ScratchFolder scratch;
    for (const char* name : {"kid.mp4", "kid.vob", "notes.txt"}) {
        std::ofstream(scratch.file(name)) << "x";
    }
    platform::qt::QtDialogs dialogs;
    const auto request =
        requestFor("Media Files (*.mp4;*.vob)|*.mp4;*.vob|All Files (*.*)|*.*", scratch.file("x"));
    const std::string chosen = runDialog(dialogs, request, [&](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("*.txt");
        emit name->returnPressed(); // Open is greyed out: Return alone reaches the dialog
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.selectedNameFilter(), "*.txt (*.txt)");
        EXPECT_EQ(listedNames(dialog), QStringList{"notes.txt"});
        name->setText("*");
        static_cast<QDialog&>(dialog).accept(); // as the Open button does
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(listedNames(dialog), (QStringList{"kid.mp4", "kid.vob", "notes.txt"}));
        name->setText("kid.vob"); // a name, not a pattern, is taken as the file
        static_cast<QDialog&>(dialog).accept();
        if (dialog.isVisible()) {
            dialog.reject();
        }
    });
    EXPECT_EQ(chosen, scratch.file("kid.vob"));
}

} // namespace
