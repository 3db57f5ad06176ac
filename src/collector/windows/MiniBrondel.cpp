#include "collector/windows/MiniBrondel.h"

#include "collector/SessionClock.h"
#include "collector/windows/KeyCodes.h"
#include "platform/qt/TextBridge.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace collector {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kListWidth = 1000;
// Wide enough for the fourth column of lists, tall enough for the status label.
constexpr int kFormWidth = 9520;
constexpr int kFormHeight = 2700;

int px(int twips) {
    return twips / kTwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

QFont sansSerifBold(double points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

// The widget's QPlainTextEdit(QWidget*) constructor would need a live parent; this keeps
// the text box's adapter valid before the controls are built.
QPlainTextEdit& newTextBox() {
    auto* edit = new QPlainTextEdit;
    edit->setObjectName(QStringLiteral("Text1"));
    return *edit;
}

} // namespace

MiniBrondel::MiniBrondel(ws::Global& g, platform::Platform& p, CollectorLinks links,
                         const std::string& programTitle, QWidget* parent)
    : QDialog(parent), Text1(&newTextBox()), textBox_(*Text1),
      session_(g, p, textBox_,
               CollectorLinks{links.readSettingsAndCodeSet, [this] { unloadWindow(); }, links.endProgram},
               programTitle) {
    setObjectName(QStringLiteral("MiniBrondel"));
    session_.changed = [this] { refresh(); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildMenus(*layout);
    buildControls();
    auto* form = Text1->parentWidget();
    layout->addWidget(form);
    refresh();
}

void MiniBrondel::buildMenus(QVBoxLayout& layout) {
    auto* bar = new QMenuBar(this);
    layout.setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMnu"));
    NewFile = file->addAction(QStringLiteral("&New..."));
    NewFile->setObjectName(QStringLiteral("NewFile"));
    NewFile->setShortcut(Qt::Key_F6);
    CloseFile = file->addAction(QStringLiteral("&Close"));
    CloseFile->setObjectName(QStringLiteral("CloseFile"));
    file->addSeparator()->setObjectName(QStringLiteral("sep1"));
    Exit = file->addAction(QStringLiteral("E&xit"));
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setShortcut(Qt::Key_F7);
    QMenu* timer = bar->addMenu(QStringLiteral("&Timer"));
    timer->setObjectName(QStringLiteral("TimerMnu"));
    TimerStart = timer->addAction(QStringLiteral("&Start"));
    TimerStart->setObjectName(QStringLiteral("TimerStart"));
    TimerStart->setShortcut(Qt::Key_F3);

    connect(NewFile, &QAction::triggered, this, [this] { handle([this] { session_.NewFile_Click(); }); });
    connect(CloseFile, &QAction::triggered, this, [this] { handle([this] { session_.CloseFile_Click(); }); });
    connect(Exit, &QAction::triggered, this, [this] { handle([this] { session_.Exit_Click(); }); });
    connect(TimerStart, &QAction::triggered, this,
            [this] { handle([this] { session_.TimerStart_Click(); }); });
}

void MiniBrondel::buildControls() {
    auto* form = new QWidget(this);
    form->setFixedSize(px(kFormWidth), px(kFormHeight));
    Text1->setParent(form);
    Text1->setGeometry(twipsRect(120, 240, 4935, 2055));
    Text1->installEventFilter(this);

    Label2 = new QLabel(QStringLiteral("Current Status..."), form);
    Label2->setObjectName(QStringLiteral("Label2"));
    // The labels reach the form's right edge: their design widths clip the texts in any
    // font wider than the design's.
    Label2->setGeometry(twipsRect(5160, 0, kFormWidth - 5160, 300));
    Label2->setFont(sansSerifBold(12));

    Label1 = new QLabel(form);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(5400, 2280, kFormWidth - 5400, 270));
    Label1->setFont(sansSerifBold(9.75));

    for (int k = 1; k <= kGroupLists; ++k) {
        auto* list = new QComboBox(form);
        list->setObjectName(QStringLiteral("Combo%1").arg(k));
        list->hide();
        connect(list, &QComboBox::activated, this,
                [this, k](int index) { handle([this, k, index] { session_.pick(k, index); }); });
        Combo[k] = list;
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMilliseconds);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] { handle([this] { session_.Timer1_Timer(); }); });
}

template <class Handler> void MiniBrondel::handle(Handler&& handler) {
    handler();
    refresh();
}

void MiniBrondel::Form_Load() {
    handle([this] { session_.Form_Load(); });
}

void MiniBrondel::refresh() {
    const CollectorDisplay& shown = session_.display();
    const QString caption = platform::toDisplay(shown.caption);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
    const QString label = platform::toDisplay(shown.Label1);
    if (Label1->text() != label) {
        Label1->setText(label);
    }
    NewFile->setText(QString::fromStdString(shown.newFileCaption));
    TimerStart->setText(QString::fromStdString(shown.timerCaption));
    if (shown.timerEnabled && !Timer1->isActive()) {
        Timer1->start();
    } else if (!shown.timerEnabled && Timer1->isActive()) {
        Timer1->stop();
    }
    refreshLists();
}

void MiniBrondel::refreshLists() {
    const GroupLists& lists = session_.lists();
    const bool rebuilt = listsShownGeneration_ != lists.generation();
    listsShownGeneration_ = lists.generation();
    for (int k = 1; k <= kGroupLists; ++k) {
        const GroupList& list = lists.list(k);
        QComboBox* combo = Combo[k];
        const QSignalBlocker quiet(combo);
        if (rebuilt) {
            combo->clear();
            for (const std::string& item : list.items) {
                combo->addItem(platform::toDisplay(item));
            }
        }
        if (combo->currentIndex() != list.selected) {
            combo->setCurrentIndex(list.selected);
        }
        combo->setGeometry(px(list.left), px(list.top), px(kListWidth), combo->sizeHint().height());
        combo->setVisible(list.shown);
    }
}

bool MiniBrondel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Text1) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const std::string typed = typedCharacter(static_cast<const QKeyEvent&>(*event));
        if (typed.empty()) {
            return false;
        }
        handle([this, &typed] { session_.Text1_KeyPress(typed); });
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!key.isAutoRepeat()) {
            handle([this, &key] { session_.Text1_KeyUp(classicKeyCode(key.key())); });
        }
    }
    return false;
}

void MiniBrondel::unloadWindow() {
    if (session_.Form_Unload()) {
        QDialog::done(QDialog::Rejected);
    }
    refresh();
}

void MiniBrondel::reject() {
    unloadWindow();
}

} // namespace collector
