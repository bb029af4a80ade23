#pragma once
#include <QWidget>
#include <vector>

#include "messages/message_texts.h"

namespace tw {

// Printed lines as the register prints them: a row of character cells per
// line, a double-width character bold after its empty marker cell, a
// character the register cannot print on red. Painted in one pass, so a
// keystroke redraws in a fraction of a millisecond.
class CellPreview : public QWidget {
    Q_OBJECT
public:
    CellPreview(const QString& objectName, int rows, int width, QWidget* parent = nullptr);

    // Row `row` shows this line (Windows-1252 text); a hidden row is empty.
    void set_line(int row, const std::string& pcText);
    void set_row_hidden(int row, bool hidden);

    const PreviewCell& cell(int row, int column) const { return cells_.at(std::size_t(row)).at(std::size_t(column)); }
    bool row_hidden(int row) const { return hidden_.at(std::size_t(row)); }
    int rows() const { return int(cells_.size()); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize cell_size() const;

    int width_;
    std::vector<std::vector<PreviewCell>> cells_;
    std::vector<bool> hidden_;
};

}  // namespace tw
