#pragma once
// The program's one QPrinter. The set-up dialog's choice, a system printer or a PDF file,
// holds for every later print. With no system printer and none chosen, the first print asks.

#include "platform/Printer.h"

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace platform::qt {

class QtCanvas;

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool setup() override;
    void beginRun() override;
    void nameDocument(const std::string& name, PageOrientation orientation) override;
    void printLine(const std::string& text) override;
    void newPage() override;
    Canvas* drawingPage() override;
    PrintOutcome endDoc() override;

    // Chooses a PDF file as if picked in the set-up dialog.
    void choosePdfFile(const QString& path);
    // The file the n-th document of a run goes to: "-2", "-3" ... before ".pdf".
    static QString numberedFile(const QString& path, int document);

private:
    enum class DocState { None, Open, Cancelled, Failed };

    void startDoc();
    void forgetDocumentName();
    void breakPageIfPending();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> pageCanvas_; // draws through painter_: goes before it
    bool chosen_ = false;
    QString pdfFile_; // the file chosen for PDF output, unnumbered
    DocState state_ = DocState::None;
    bool pagePending_ = false;
    int y_ = 0;
    int documentsInRun_ = 0;
    std::string error_;
    QString documentName_;
    PageOrientation orientation_ = PageOrientation::PrinterDefault;
    // The set-up's orientation, put back after a document that set its own.
    std::optional<QPageLayout::Orientation> setupOrientation_;
};

} // namespace platform::qt
