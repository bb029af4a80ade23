#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <optional>
#include <vector>

namespace tw {

// An editor's overview grid as a model over its records: row r is the record
// numbered r + 1, and its cells come from the editor when first shown after
// a refresh. The header row is the view's header. The loaded record's row is
// cyan from the second column on, every other row white.
class OverviewGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The texts of one record's row, column by column.
    using RowTexts = std::function<QStringList(int number)>;

    using QAbstractTableModel::QAbstractTableModel;

    void set_headers(const QStringList& headers);
    // The records to show: `count` of them, their rows from `texts`.
    void set_records(int count, RowTexts texts);
    // The records changed: their rows are read again.
    void refresh();
    // The highlighted row, or -1.
    void set_highlight(int row);
    int highlight() const { return highlight_; }
    const QString& cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void repaint_row(int row);
    const QStringList& row_texts(int row) const;

    QStringList headers_;
    int count_ = 0;
    RowTexts texts_;
    mutable std::vector<std::optional<QStringList>> rows_;
    int highlight_ = -1;
};

// The grid control (`Fg_Department`, `Fg_Plu`): a read-only table view over
// the model. Moving to another row by mouse or keyboard emits row_chosen
// with the record's number.
class OverviewGrid : public QTableView {
    Q_OBJECT
public:
    OverviewGrid(const QString& objectName, QWidget* parent = nullptr);

    OverviewGridModel& rows() { return model_; }
    // Column widths in twips (1/1440 inch); 0 hides the column and a
    // negative width keeps the grid's default.
    void set_column_twips(const std::vector<int>& twips);
    // Widens each shown column that its header or its visible cells do not
    // fit, so that nothing is cut whatever the language or font.
    void fit_columns();
    // Scrolls so that the record numbered `number` is the top row.
    void scroll_to_number(int number);
    // The record number of the top visible row.
    int top_number() const;
    // Makes the loaded record the current row, so that choosing another row
    // by mouse or keyboard is seen; emits nothing.
    void follow_number(int number);

Q_SIGNALS:
    void row_chosen(int number);

private:
    OverviewGridModel model_;
    bool following_ = false;
};

}  // namespace tw
