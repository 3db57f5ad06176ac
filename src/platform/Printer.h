#pragma once
// The program's one printer: plain text lines in its default font, page breaks, documents.
// Every print goes to the printer chosen last in the set-up dialog.

#include <string>

namespace platform {

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
    // One line of the current document (bytes); a full page goes on to the next.
    virtual void printLine(const std::string& text) = 0;
    virtual void newPage() = 0;
    // Ends the current document and sends it. A new page just before adds no blank page.
    virtual PrintOutcome endDoc() = 0;
};

} // namespace platform
