#include "platform/DesktopFiles.h"

#include <cctype>
#include <vector>

namespace platform {
namespace {

const std::string kDefaultSection = "[Default Applications]";
// Characters that make an Exec argument need quotes.
const char* const kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

std::string baseName(const FileTypeRegistration& r) {
    std::string name;
    for (const char c : r.typeName) {
        name += c == '.' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A Desktop Entry string value: backslash and control characters written as escapes.
std::string stringEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string withoutCarriageReturn(const std::string& line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isSectionHeader(const std::string& line) {
    const std::string t = trimmed(withoutCarriageReturn(line));
    return !t.empty() && t.front() == '[';
}

bool isKeyLine(const std::string& line, const std::string& key) {
    const auto equals = line.find('=');
    return equals != std::string::npos && trimmed(line.substr(0, equals)) == key;
}

} // namespace

std::string desktopFileName(const FileTypeRegistration& registration) {
    return baseName(registration) + ".desktop";
}

std::string mimePackageFileName(const FileTypeRegistration& registration) {
    return baseName(registration) + ".xml";
}

std::string mimePackageText(const FileTypeRegistration& r) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           xmlEscaped(r.mimeType) +
           "\">\n"
           "    <comment>" +
           xmlEscaped(r.description) +
           "</comment>\n"
           "    <glob pattern=\"*" +
           xmlEscaped(r.extension) +
           "\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string desktopExecProgram(const std::string& program) {
    // Quoted only when it holds a reserved character: simple launchers (xdg-open without a
    // desktop) take the first word as it stands.
    const bool reserved = program.find_first_of(kReservedInExec) != std::string::npos;
    std::string word = reserved ? "\"" : "";
    for (const char c : program) {
        if (reserved && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            word += '\\';
        }
        // A percent sign would start a field code.
        word += c == '%' ? std::string("%%") : std::string(1, c);
    }
    if (reserved) {
        word += '"';
    }
    return stringEscaped(word);
}

std::string desktopEntryText(const FileTypeRegistration& r) {
    std::string name = r.program.substr(r.program.find_last_of('/') + 1);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           stringEscaped(name) +
           "\n"
           "Comment=" +
           stringEscaped(r.description) +
           "\n"
           "Exec=" +
           desktopExecProgram(r.program) +
           " %f\n"
           "MimeType=" +
           r.mimeType +
           ";\n"
           "NoDisplay=true\n"
           "Terminal=false\n";
}

std::string withDefaultApplication(const std::string& mimeapps, const std::string& mimeType,
                                   const std::string& desktopFile) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < mimeapps.size()) {
        const auto end = mimeapps.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(mimeapps.substr(start));
            break;
        }
        lines.push_back(mimeapps.substr(start, end - start));
        start = end + 1;
    }
    const bool endsInNewline = mimeapps.empty() || mimeapps.back() == '\n';
    const std::string ours = mimeType + "=" + desktopFile;

    bool appended = false;
    std::size_t section = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (trimmed(withoutCarriageReturn(lines[i])) == kDefaultSection) {
            section = i;
            break;
        }
    }
    if (section == lines.size()) {
        if (!lines.empty() && !trimmed(withoutCarriageReturn(lines.back())).empty()) {
            lines.emplace_back();
        }
        lines.push_back(kDefaultSection);
        lines.push_back(ours);
        appended = true;
    } else {
        std::size_t i = section + 1;
        for (; i < lines.size() && !isSectionHeader(lines[i]); ++i) {
            if (isKeyLine(lines[i], mimeType)) {
                const bool crlf = !lines[i].empty() && lines[i].back() == '\r';
                lines[i] = crlf ? ours + "\r" : ours;
                break;
            }
        }
        if (i == lines.size() || isSectionHeader(lines[i])) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(section) + 1, ours);
        }
    }
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (i + 1 < lines.size() || endsInNewline || appended) {
            out += '\n';
        }
    }
    return out;
}

} // namespace platform
