#include "workstation/tools/windows/ToolWindowSupport.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/TextBridge.h"
#include "textfile/RunError.h"
#include "workstation/core/ProgramTitle.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QObject>
#include <QUrl>
#include <QWidget>

#include <exception>

namespace ws {
namespace {

class FileDropFilter : public QObject {
public:
    FileDropFilter(QWidget& target, std::function<void(const std::vector<std::string>&)> onDrop)
        : QObject(&target), onDrop_(std::move(onDrop)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasUrls()) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const std::vector<std::string> files = droppedFiles(drop->mimeData());
            if (!files.empty()) {
                drop->acceptProposedAction();
                onDrop_(files);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(const std::vector<std::string>&)> onDrop_;
};

class RowDropFilter : public QObject {
public:
    RowDropFilter(QWidget& target, const QObject& source, std::function<void()> onDrop)
        : QObject(&target), source_(source), onDrop_(std::move(onDrop)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool dragging = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
        if (dragging || event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->source() == &source_) {
                drop->acceptProposedAction();
                if (!dragging) {
                    onDrop_();
                }
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QObject& source_;
    std::function<void()> onDrop_;
};

} // namespace

void guardedHandler(platform::Dialogs& dialogs, const std::function<void()>& handler) {
    platform::guardHandler(dialogs, {kProgramTitle, platform::Icon::None}, handler);
}

std::vector<std::string> droppedFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (data == nullptr) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.push_back(platform::fromPath(url.toLocalFile()));
        }
    }
    return files;
}

void acceptFileDrops(QWidget& target, std::function<void(const std::vector<std::string>&)> onDrop) {
    target.setAcceptDrops(true);
    target.installEventFilter(new FileDropFilter(target, std::move(onDrop)));
}

void acceptRowDrops(QWidget& target, const QObject& source, std::function<void()> onDrop) {
    target.setAcceptDrops(true);
    target.installEventFilter(new RowDropFilter(target, source, std::move(onDrop)));
}

} // namespace ws
