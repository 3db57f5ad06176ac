#pragma once
// The program's one printer: plain text lines in its default font, page breaks, pages to
// draw on, documents. Every print goes to the printer chosen last in the set-up dialog.

#include <string>

namespace platform {

class Canvas;

enum class PageOrientation { PrinterDefault, Portrait, Landscape };

struct PrintOutcome {
    enum class Kind { Printed, Cancelled, Failed };
    Kind kind = Kind::Printed;
    std::string error; // what went wrong, when Failed
};

class Printer {
public:
    virtual ~Printer() = default;

    // Shows the printer set-up dialog; true when the person confirmed a printer.
    virtual bool setup() = 0;
    // Starts a series of documents printed by one command, so that documents into a file
    // do not overwrite each other.
    virtual void beginRun() = 0;
    // Names the next document as the print queue shows it and sets its page orientation, before
    // its first line or page; both hold for that document alone (PrinterDefault keeps the set-up's).
    virtual void nameDocument(const std::string& name, PageOrientation orientation) = 0;
    // One line of the current document (bytes); a full page goes on to the next.
    virtual void printLine(const std::string& text) = 0;
    virtual void newPage() = 0;
    // A page of the current document to draw on, its whole printable area, valid until endDoc;
    // a page already holding lines is left for a fresh one. Null when the document could not
    // be started (set-up cancelled, printer refused): endDoc then says which.
    virtual Canvas* drawingPage() = 0;
    // Ends the current document and sends it. A new page just before adds no blank page.
    virtual PrintOutcome endDoc() = 0;
};

} // namespace platform
