#pragma once
// The coding window's header panel Frame1(0): the thirteen fields Text1(0..12) under their
// captions, the DVD box, the Browse, "&Use Current" and Seek buttons, and the length label.

#include "videocoder/core/CodingWindow.h"

#include <QFrame>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vc {

class HeaderPanel : public QFrame {
    Q_OBJECT

public:
    explicit HeaderPanel(QWidget* parent = nullptr);

    // Field i's widget: a line, or the notes box for field 6.
    QWidget* Text1(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    QPlainTextEdit* notes() const { return notes_; }
    QLabel* Label1(int index) const { return captions_.at(static_cast<std::size_t>(index)); }
    QLabel* Label2() const { return length_; }
    QCheckBox* chkDVD() const { return dvd_; }
    QPushButton* SeekBtn(int index) const { return seek_.at(static_cast<std::size_t>(index)); }
    QPushButton* Command1(int index) const { return useCurrent_.at(static_cast<std::size_t>(index)); }
    QPushButton* BrowseBtn(int index) const { return browse_.at(static_cast<std::size_t>(index)); }

    // Shows the model's fields, boxes and buttons; a field whose text is already shown is
    // left alone, so the caret stays where the person is typing.
    void showModel(const CodingWindowModel& model);
    // The field's text as bytes; the notes' lines end in CR LF.
    std::string fieldText(int index) const;

signals:
    // The person changed field i's text.
    void edited(int index);

private:
    std::array<QWidget*, kHeaderFields> fields_{};
    std::array<QLabel*, kHeaderFields + 1> captions_{};
    QPlainTextEdit* notes_ = nullptr;
    QLabel* length_ = nullptr;
    QCheckBox* dvd_ = nullptr;
    std::array<QPushButton*, 2> seek_{};
    std::array<QPushButton*, 2> useCurrent_{};
    std::array<QPushButton*, 2> browse_{};
    bool showing_ = false;
};

// Notes as the box shows them (LF lines) and back (CR LF lines).
QString notesForDisplay(const std::string& notes);
std::string notesFromDisplay(const QString& text);

} // namespace vc
