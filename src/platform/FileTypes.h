#pragma once
// Registering a document type with the desktop, so opening such a file starts its program.

#include <string>

namespace platform {

struct FileTypeRegistration {
    std::string extension;   // ".qvd"
    std::string typeName;    // "Vintrosa.Document"
    std::string description; // "Vintrosa Document"
    std::string mimeType;    // "application/x-vintrosa-document"
    std::string program;     // the absolute path of the program that opens the file
};

class FileTypes {
public:
    virtual ~FileTypes() = default;
    // Writes the registration again each time; failures are silent.
    virtual void registerType(const FileTypeRegistration& registration) = 0;
};

} // namespace platform
