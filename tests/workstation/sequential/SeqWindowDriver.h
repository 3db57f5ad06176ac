#pragma once
// Driving the sequential settings window in tests: its controls by name, the entries of a
// list, and codes added to the givens or targets the way a person picks them.

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace seqtest {

template <class W> W* child(QDialog& dialog, const std::string& name) {
    W* widget = dialog.findChild<W*>(QString::fromStdString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline std::vector<std::string> itemsOf(QDialog& dialog, const char* list) {
    std::vector<std::string> items;
    auto* widget = child<QListWidget>(dialog, list);
    for (int row = 0; row < widget->count(); ++row) {
        items.push_back(widget->item(row)->text().toStdString());
    }
    return items;
}

// Picks each code in the code list and presses the button ("Add1" or "Add2") that adds it.
inline void addCodes(QDialog& s, const std::vector<std::string>& codes, const char* button) {
    auto* codeList = child<QListWidget>(s, "List1");
    for (const auto& code : codes) {
        const auto found = codeList->findItems(QString::fromStdString(code), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << code;
        codeList->setCurrentItem(found.front());
        child<QPushButton>(s, button)->click();
    }
}

} // namespace seqtest
