#include "editors/common/OverviewGrid.h"

#include <QHeaderView>
#include <algorithm>

namespace tw {

void OverviewGridModel::set_headers(const QStringList& headers)
{
    beginResetModel();
    headers_ = headers;
    endResetModel();
}

void OverviewGridModel::set_records(int count, RowTexts texts)
{
    texts_ = std::move(texts);
    count_ = std::max(count, 0);
    refresh();
}

void OverviewGridModel::refresh()
{
    beginResetModel();
    rows_.assign(std::size_t(count_), std::nullopt);
    endResetModel();
}

const QStringList& OverviewGridModel::row_texts(int row) const
{
    std::optional<QStringList>& texts = rows_[std::size_t(row)];
    if (!texts)
        texts = texts_ ? texts_(row + 1) : QStringList();
    return *texts;
}

void OverviewGridModel::set_highlight(int row)
{
    const int old = highlight_;
    highlight_ = row;
    repaint_row(old);
    repaint_row(row);
}

const QString& OverviewGridModel::cell(int row, int column) const
{
    static const QString empty;
    if (row < 0 || row >= int(rows_.size()) || column < 0)
        return empty;
    const QStringList& texts = row_texts(row);
    return column < texts.size() ? texts[column] : empty;
}

void OverviewGridModel::repaint_row(int row)
{
    if (row >= 0 && row < int(rows_.size()) && !headers_.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, int(headers_.size()) - 1), {Qt::BackgroundRole});
}

int OverviewGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int OverviewGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant OverviewGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::BackgroundRole)
        return index.row() == highlight_ && index.column() >= 1 ? QColor(0, 255, 255) : QColor(Qt::white);
    return {};
}

QVariant OverviewGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < headers_.size())
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

OverviewGrid::OverviewGrid(const QString& objectName, QWidget* parent) : QTableView(parent)
{
    setObjectName(objectName);
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The cyan row shows the loaded record; the current cell only follows it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid() && !following_)
            Q_EMIT row_chosen(current.row() + 1);
    });
}

void OverviewGrid::follow_number(int number)
{
    const QModelIndex at = model_.index(number - 1, std::max(currentIndex().column(), 0));
    following_ = true;
    setCurrentIndex(at);
    following_ = false;
}

void OverviewGrid::set_column_twips(const std::vector<int>& twips)
{
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    for (std::size_t c = 0; c < twips.size(); ++c) {
        setColumnHidden(int(c), twips[c] == 0);
        if (twips[c] > 0)
            setColumnWidth(int(c), twips[c] * dpi / 1440);
    }
}

void OverviewGrid::fit_columns()
{
    for (int c = 0; c < model_.columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        const int needed = std::max(sizeHintForColumn(c), horizontalHeader()->sectionSizeHint(c));
        if (columnWidth(c) < needed)
            setColumnWidth(c, needed);
    }
}

void OverviewGrid::scroll_to_number(int number)
{
    const QModelIndex at = model_.index(number - 1, 0);
    if (at.isValid())
        scrollTo(at, QAbstractItemView::PositionAtTop);
}

int OverviewGrid::top_number() const { return rowAt(0) + 1; }

}  // namespace tw
