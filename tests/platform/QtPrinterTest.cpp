#include "platform/qt/QtPrinter.h"

#include "platform/Canvas.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <QString>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

using platform::PrintOutcome;
using platform::qt::QtPrinter;

// The pages of a PDF file the printer wrote.
int pagesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1)) {
        if (bytes.compare(at, 12, "/Type /Pages") != 0) {
            ++pages;
        }
    }
    return pages;
}

TEST(QtPrinter, PagesBreakWhenFullAndNotBeforeTheEnd) {
    struct Case {
        std::string label;
        int lines;
        bool newPageAtEnd;
        int pages;
    };
    for (const Case& c : {
             Case{"new page just before the end", 2, true, 1},
             Case{"no new page", 2, false, 1},
             Case{"a full page goes on", 400, true, 0},
         }) {
        SCOPED_TRACE(c.label);
        testsupport::ScratchFolder folder;
        QtPrinter printer;
        const std::string pdf = folder.file("out.pdf");
        printer.choosePdfFile(QString::fromStdString(pdf));
        printer.beginRun();
        for (int line = 0; line < c.lines; ++line) {
            printer.printLine("line " + std::to_string(line));
        }
        if (c.newPageAtEnd) {
            printer.newPage();
        }
        EXPECT_EQ(printer.endDoc().kind, PrintOutcome::Kind::Printed);
        if (c.pages > 0) {
            EXPECT_EQ(pagesOf(pdf), c.pages);
        } else {
            EXPECT_GT(pagesOf(pdf), 1);
        }
    }
}

TEST(QtPrinter, EachFurtherDocumentOfARunGetsItsOwnFile) {
    EXPECT_EQ(QtPrinter::numberedFile("/t/out.pdf", 1), "/t/out.pdf");
    EXPECT_EQ(QtPrinter::numberedFile("/t/out.pdf", 3), "/t/out-3.pdf");
    EXPECT_EQ(QtPrinter::numberedFile("/t/out", 2), "/t/out-2");

    testsupport::ScratchFolder folder;
    QtPrinter printer;
    printer.choosePdfFile(QString::fromStdString(folder.file("out.pdf")));
    for (int run = 0; run < 2; ++run) {
        printer.beginRun();
        for (int document = 0; document < 2; ++document) {
            printer.printLine("File name: x");
            printer.newPage();
            printer.printLine("second page");
            EXPECT_EQ(printer.endDoc().kind, PrintOutcome::Kind::Printed);
        }
    }
    EXPECT_EQ(pagesOf(folder.file("out.pdf")), 2);
    EXPECT_EQ(pagesOf(folder.file("out-2.pdf")), 2);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out-3.pdf")));
}

// A PDF file's bytes.
std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Text as the PDF's information dictionary holds it: UTF-16 big-endian.
std::string utf16be(const std::string& ascii) {
    std::string out;
    for (const char c : ascii) {
        out += '\0';
        out += c;
    }
    return out;
}

// The first page's media box is taller than it is wide.
bool portrait(const std::string& bytes) {
    const std::size_t at = bytes.find("/MediaBox [");
    if (at == std::string::npos) {
        return false;
    }
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::istringstream box(bytes.substr(at + 11, 80));
    box >> x0 >> y0 >> x1 >> y1;
    return y1 - y0 > x1 - x0;
}

// A document carries its own name and orientation; the next one has the set-up's again.
TEST(QtPrinter, ADocumentCarriesItsNameAndOrientation) {
    testsupport::ScratchFolder folder;
    QtPrinter printer;
    printer.choosePdfFile(QString::fromStdString(folder.file("out.pdf")));
    printer.beginRun();
    printer.nameDocument("kid 3.qvd", platform::PageOrientation::Landscape);
    printer.printLine("Time  Group 0");
    ASSERT_EQ(printer.endDoc().kind, PrintOutcome::Kind::Printed);
    printer.printLine("File name: x");
    ASSERT_EQ(printer.endDoc().kind, PrintOutcome::Kind::Printed);

    const std::string named = bytesOf(folder.file("out.pdf"));
    EXPECT_NE(named.find(utf16be("kid 3.qvd")), std::string::npos);
    EXPECT_FALSE(portrait(named));
    const std::string next = bytesOf(folder.file("out-2.pdf"));
    EXPECT_EQ(next.find(utf16be("kid 3.qvd")), std::string::npos);
    EXPECT_TRUE(portrait(next)) << "the set-up's orientation again";
}

// A drawn page has the page to itself: lines before it or after it are on pages of their own.
TEST(QtPrinter, ADrawnPageStandsAlone) {
    struct Case {
        std::string label;
        bool linesBefore, linesAfter;
        int pages;
    };
    for (const Case& c :
         {Case{"drawing only", false, false, 1}, Case{"lines, then the drawing", true, false, 2},
          Case{"lines around the drawing", true, true, 3}}) {
        SCOPED_TRACE(c.label);
        testsupport::ScratchFolder folder;
        QtPrinter printer;
        printer.choosePdfFile(QString::fromStdString(folder.file("out.pdf")));
        printer.beginRun();
        if (c.linesBefore) {
            printer.printLine("before");
        }
        platform::Canvas* page = printer.drawingPage();
        ASSERT_NE(page, nullptr);
        page->setScale(-150, 1100, 1100, -1200);
        page->line(0, 1000, 0, 0);
        page->text(0, 1080, "title");
        EXPECT_LT(page->textHeight("title"), 0); // y grows upwards
        if (c.linesAfter) {
            printer.printLine("after");
        }
        EXPECT_EQ(printer.endDoc().kind, PrintOutcome::Kind::Printed);
        EXPECT_EQ(pagesOf(folder.file("out.pdf")), c.pages);
    }
}

TEST(QtPrinter, AFileThatCannotBeWrittenFails) {
    testsupport::ScratchFolder folder;
    QtPrinter printer;
    const std::string pdf = folder.file("no such folder/out.pdf");
    printer.choosePdfFile(QString::fromStdString(pdf));
    printer.beginRun();
    printer.printLine("x");
    EXPECT_EQ(printer.drawingPage(), nullptr);
    const PrintOutcome outcome = printer.endDoc();
    EXPECT_EQ(outcome.kind, PrintOutcome::Kind::Failed);
    EXPECT_EQ(outcome.error, "The file " + pdf + " could not be written.");
}

} // namespace
