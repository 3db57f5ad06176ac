#pragma once
// The collector window: a text box, the status label, ten group lists, the menus and the
// 10 ms clock. Every event goes to the session's logic; the window then shows its state.

#include "collector/CollectorSession.h"
#include "collector/windows/QtTextBox.h"

#include <QDialog>

#include <array>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QVBoxLayout;

namespace collector {

class MiniBrondel : public QDialog {
    Q_OBJECT

public:
    // links.unloadWindow is the window's own; the others come from the program.
    MiniBrondel(ws::Global& g, platform::Platform& p, CollectorLinks links, const std::string& programTitle,
                QWidget* parent = nullptr);

    // Runs the load handler and shows its outcome; every showing starts with it.
    void Form_Load();
    CollectorSession& session() { return session_; }
    // Shows the session's state in the controls.
    void refresh();

    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QComboBox*, kGroupLists + 1> Combo{}; // 1..10
    QTimer* Timer1 = nullptr;
    QAction* NewFile = nullptr;
    QAction* CloseFile = nullptr;
    QAction* Exit = nullptr;
    QAction* TimerStart = nullptr;

    // Title bar and Escape: the unload saves first, and a failed save keeps the window.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus(QVBoxLayout& layout);
    void refreshLists();
    void unloadWindow();
    template <class Handler> void handle(Handler&& handler);

    QtTextBox textBox_;
    CollectorSession session_;
    int listsShownGeneration_ = -1;
};

} // namespace collector
