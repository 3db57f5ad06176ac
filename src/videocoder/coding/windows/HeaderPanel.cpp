#include "videocoder/coding/windows/HeaderPanel.h"

#include "platform/qt/TextBridge.h"
#include "videocoder/coding/DataFrm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace vc {
namespace {

const std::array<const char*, kHeaderFields> kCaptions = {
    "Subject Identifier:", "Session Date:", "Session Time:",  "Location:",  "Session Code:",
    "Observer/Coder:",     "Notes:",        "Media File:",    "Code File:", "Start Time:",
    "End Time:",           "Date Started:", "Date Completed:"};

QString indexed(const char* name, int index) {
    return QString("%1(%2)").arg(name).arg(index);
}

} // namespace

QString notesForDisplay(const std::string& notes) {
    std::string lines;
    lines.reserve(notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == '\r' && i + 1 < notes.size() && notes[i + 1] == '\n') {
            continue;
        }
        lines += notes[i];
    }
    return platform::toDisplay(lines);
}

std::string notesFromDisplay(const QString& text) {
    const std::string lines = platform::fromDisplay(text);
    std::string notes;
    notes.reserve(lines.size() + lines.size() / 16);
    for (const char c : lines) {
        if (c == '\n') {
            notes += '\r';
        }
        notes += c;
    }
    return notes;
}

HeaderPanel::HeaderPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Frame1(0)");
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    auto button = [this](const char* name, int index, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(indexed(name, index));
        return b;
    };
    for (int i = 0; i < kHeaderFields; ++i) {
        auto* caption = new QLabel(kCaptions[static_cast<std::size_t>(i)], this);
        caption->setObjectName(indexed("Label1", i));
        captions_[static_cast<std::size_t>(i)] = caption;
        QWidget* field = nullptr;
        if (i == kNotesField) {
            notes_ = new QPlainTextEdit(this);
            connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
                if (!showing_) {
                    emit edited(kNotesField);
                }
            });
            field = notes_;
        } else {
            auto* line = new QLineEdit(this);
            connect(line, &QLineEdit::textEdited, this, [this, i] { emit edited(i); });
            field = line;
        }
        field->setObjectName(indexed("Text1", i));
        fields_[static_cast<std::size_t>(i)] = field;
    }
    captions_[kHeaderFields] = new QLabel("Ctrl+Click to Mark", this);
    captions_[kHeaderFields]->setObjectName(indexed("Label1", kHeaderFields));
    dvd_ = new QCheckBox("Source is DVD Player", this);
    dvd_->setObjectName("chkDVD");
    for (int i = 0; i < 2; ++i) {
        browse_[static_cast<std::size_t>(i)] = button("BrowseBtn", i, "&Browse...");
        useCurrent_[static_cast<std::size_t>(i)] = button("Command1", i, "&Use Current");
    }
    seek_[0] = button("SeekBtn", 0, "Seek Start");
    seek_[1] = button("SeekBtn", 1, "Seek End");
    length_ = new QLabel(QString::fromStdString(kLengthCaption), this);
    length_->setObjectName("Label2");
    length_->setFrameShape(QFrame::Panel);
    length_->setCursor(Qt::PointingHandCursor);

    auto place = [&](int field, int row) {
        grid->addWidget(captions_[static_cast<std::size_t>(field)], row, 0);
        grid->addWidget(fields_[static_cast<std::size_t>(field)], row, 1);
    };
    int row = 0;
    for (int field = 0; field <= 5; ++field) {
        place(field, row++);
    }
    place(kNotesField, row++);
    place(kMediaField, row);
    grid->addWidget(browse_[0], row, 2);
    grid->addWidget(useCurrent_[0], row++, 3);
    grid->addWidget(dvd_, row++, 1);
    place(kCodeFileField, row);
    grid->addWidget(browse_[1], row, 2);
    grid->addWidget(useCurrent_[1], row++, 3);
    grid->addWidget(captions_[kHeaderFields], row++, 1);
    place(kStartTimeField, row);
    grid->addWidget(seek_[0], row++, 2);
    place(kEndTimeField, row);
    grid->addWidget(seek_[1], row, 2);
    grid->addWidget(length_, row++, 3);
    place(11, row++);
    place(12, row++);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kNotesField, 1);
}

void HeaderPanel::showModel(const CodingWindowModel& model) {
    showing_ = true;
    for (int i = 0; i < kHeaderFields; ++i) {
        const std::string& text = model.Text1[static_cast<std::size_t>(i)];
        QWidget* field = Text1(i);
        field->setEnabled(model.Text1Enabled[static_cast<std::size_t>(i)]);
        if (fieldText(i) == text) {
            continue;
        }
        if (i == kNotesField) {
            notes_->setPlainText(notesForDisplay(text));
        } else {
            static_cast<QLineEdit*>(field)->setText(platform::toDisplay(text));
        }
    }
    dvd_->setChecked(model.chkDVD == 1);
    browse_[0]->setEnabled(model.BrowseBtn0Enabled);
    useCurrent_[0]->setEnabled(model.Command1_0Enabled);
    showing_ = false;
}

std::string HeaderPanel::fieldText(int index) const {
    if (index == kNotesField) {
        // The raw text keeps every character as typed (the plain text turns no-break spaces
        // into blanks); its paragraphs are lines.
        QString text = notes_->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, '\n');
        return notesFromDisplay(text);
    }
    return platform::fromDisplay(static_cast<QLineEdit*>(Text1(index))->text());
}

} // namespace vc
