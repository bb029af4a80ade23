#include "messages/CellPreview.h"

#include <QFontDatabase>
#include <QPainter>

#include "app/ui_text.h"

namespace tw {

CellPreview::CellPreview(const QString& objectName, int rows, int width, QWidget* parent)
    : QWidget(parent), width_(width), cells_(std::size_t(rows), std::vector<PreviewCell>(std::size_t(width))),
      hidden_(std::size_t(rows), false)
{
    setObjectName(objectName);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CellPreview::set_line(int row, const std::string& pcText)
{
    cells_.at(std::size_t(row)) = preview_cells(pcText, std::size_t(width_));
    update();
}

void CellPreview::set_row_hidden(int row, bool hidden)
{
    hidden_.at(std::size_t(row)) = hidden;
    update();
}

QSize CellPreview::cell_size() const
{
    const QFontMetrics m(font());
    return {m.horizontalAdvance(QLatin1Char('W')) + 4, m.height() + 2};
}

QSize CellPreview::sizeHint() const
{
    const QSize c = cell_size();
    return {c.width() * width_ + 1, c.height() * rows() + 1};
}

void CellPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QSize c = cell_size();
    QFont bold = font();
    bold.setBold(true);
    for (int r = 0; r < rows(); ++r) {
        if (hidden_[std::size_t(r)])
            continue;
        for (int col = 0; col < width_; ++col) {
            const PreviewCell& cell = cells_[std::size_t(r)][std::size_t(col)];
            const QRect box(col * c.width(), r * c.height(), c.width(), c.height());
            p.fillRect(box, cell.red ? Qt::red : Qt::white);
            p.setPen(Qt::lightGray);
            p.drawRect(box);
            p.setPen(Qt::black);
            p.setFont(cell.bold ? bold : font());
            p.drawText(box, Qt::AlignCenter, to_qt(std::string(1, cell.character)));
        }
    }
}

}  // namespace tw
