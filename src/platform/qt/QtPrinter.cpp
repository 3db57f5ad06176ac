#include "platform/qt/QtPrinter.h"

#include "platform/qt/QtCanvas.h"
#include "platform/qt/TextBridge.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform::qt {

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtPrinter::~QtPrinter() {
    pageCanvas_.reset();
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

bool QtPrinter::setup() {
    if (!pdfFile_.isEmpty()) {
        printer_->setOutputFileName(pdfFile_);
    }
    QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    chosen_ = true;
    pdfFile_ = printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName() : QString();
    return true;
}

void QtPrinter::choosePdfFile(const QString& path) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(path);
    pdfFile_ = path;
    chosen_ = true;
}

QString QtPrinter::numberedFile(const QString& path, int document) {
    if (document <= 1) {
        return path;
    }
    const QString number = "-" + QString::number(document);
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
        return path.left(path.size() - 4) + number + path.right(4);
    }
    return path + number;
}

void QtPrinter::beginRun() {
    documentsInRun_ = 0;
}

void QtPrinter::nameDocument(const std::string& name, PageOrientation orientation) {
    documentName_ = toDisplay(name);
    orientation_ = orientation;
}

void QtPrinter::forgetDocumentName() {
    documentName_.clear();
    orientation_ = PageOrientation::PrinterDefault;
    if (setupOrientation_) {
        printer_->setPageOrientation(*setupOrientation_);
        setupOrientation_.reset();
    }
}

void QtPrinter::startDoc() {
    if (!chosen_ && QPrinterInfo::availablePrinterNames().isEmpty()) {
        // Nothing to print on yet: the dialog offers a PDF file.
        if (!setup()) {
            state_ = DocState::Cancelled;
            return;
        }
    }
    ++documentsInRun_;
    if (!pdfFile_.isEmpty()) {
        printer_->setOutputFileName(numberedFile(pdfFile_, documentsInRun_));
    }
    printer_->setDocName(documentName_);
    if (orientation_ != PageOrientation::PrinterDefault) {
        setupOrientation_ = printer_->pageLayout().orientation();
        printer_->setPageOrientation(orientation_ == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                               : QPageLayout::Landscape);
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        state_ = DocState::Failed;
        error_ = printer_->outputFileName().isEmpty()
                     ? "The printer did not accept the document."
                     : "The file " + fromPath(printer_->outputFileName()) + " could not be written.";
        painter_.reset();
        return;
    }
    state_ = DocState::Open;
    pagePending_ = false;
    y_ = 0;
}

void QtPrinter::breakPageIfPending() {
    if (pagePending_) {
        printer_->newPage();
        pagePending_ = false;
        y_ = 0;
    }
}

void QtPrinter::printLine(const std::string& text) {
    if (state_ == DocState::None) {
        startDoc();
    }
    if (state_ != DocState::Open) {
        return;
    }
    breakPageIfPending();
    const QFontMetrics metrics = painter_->fontMetrics();
    const int height = metrics.lineSpacing();
    if (y_ > 0 && y_ + height > printer_->height()) {
        printer_->newPage();
        y_ = 0;
    }
    painter_->drawText(0, y_ + metrics.ascent(), toDisplay(text));
    y_ += height;
}

void QtPrinter::newPage() {
    if (state_ == DocState::None) {
        startDoc();
    }
    if (state_ != DocState::Open) {
        return;
    }
    // Held back until something is printed on it, so that ending the document here adds no blank page.
    breakPageIfPending();
    pagePending_ = true;
}

Canvas* QtPrinter::drawingPage() {
    if (state_ == DocState::None) {
        startDoc();
    }
    if (state_ != DocState::Open) {
        return nullptr;
    }
    breakPageIfPending();
    if (y_ > 0) {
        printer_->newPage();
    }
    // Lines printed after the drawing go on to the next page.
    y_ = printer_->height();
    // The old page's canvas hands the painter back before the new one takes it.
    pageCanvas_.reset();
    pageCanvas_ = std::make_unique<QtCanvas>(*painter_, QSizeF(printer_->width(), printer_->height()));
    return pageCanvas_.get();
}

PrintOutcome QtPrinter::endDoc() {
    PrintOutcome outcome;
    switch (state_) {
    case DocState::None:
        break;
    case DocState::Cancelled:
        outcome.kind = PrintOutcome::Kind::Cancelled;
        break;
    case DocState::Failed:
        outcome = {PrintOutcome::Kind::Failed, error_};
        break;
    case DocState::Open:
        pageCanvas_.reset();
        painter_->end();
        painter_.reset();
        if (printer_->printerState() == QPrinter::Error) {
            outcome = {PrintOutcome::Kind::Failed, "The printer did not accept the document."};
        }
        break;
    }
    if (!pdfFile_.isEmpty()) {
        printer_->setOutputFileName(pdfFile_);
    }
    state_ = DocState::None;
    pagePending_ = false;
    error_.clear();
    forgetDocumentName();
    return outcome;
}

} // namespace platform::qt
