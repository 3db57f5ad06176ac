#pragma once
// A two-by-two grid of typed counts without header cells, whose edit in progress can be
// ended from outside so that a value still being typed counts.

#include <QTableWidget>

namespace ws {

class CountGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit CountGrid(QWidget* parent = nullptr);
    // Commits and closes an open cell editor, then selects row 0, column 0.
    void endEdit();
};

} // namespace ws
