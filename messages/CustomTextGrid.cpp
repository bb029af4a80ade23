#include "messages/CustomTextGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/TextField.h"
#include "app/session.h"
#include "app/ui_text.h"
#include "base/guard.h"
#include "messages/CellPreview.h"
#include "messages/DoubleWidthTyping.h"

namespace tw {

namespace {
constexpr int kTwipsPerPixel = 15;

std::string trimmed_end(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}
}  // namespace

CustomTextGrid::CustomTextGrid(Session& session, int textWidth, QWidget* parent) : QWidget(parent), session_(session)
{
    grid_ = new QTableWidget(this);
    grid_->setObjectName("FG_Caption");
    grid_->setColumnCount(2);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setColumnWidth(0, 6000 / kTwipsPerPixel);
    grid_->setColumnWidth(1, 3000 / kTwipsPerPixel);
    grid_->setMinimumHeight(300);

    valueEditor_ = new QWidget(this);
    valueEditor_->setObjectName("F_Valore");
    desc_ = new QLabel(valueEditor_);
    desc_->setObjectName("L_Desc");
    valore_ = new TextField("E_Valore", textWidth, valueEditor_);
    previewLabel_ = new QLabel(valueEditor_);
    previewLabel_->setObjectName("L_PreviewValore");
    preview_ = new CellPreview("Anteprima_Valore", 1, textWidth, valueEditor_);
    double_ = new QCheckBox(valueEditor_);
    double_->setObjectName("ChK_Double2");
    apply_ = new QPushButton(valueEditor_);
    apply_->setObjectName("C_Apply");
    cancel_ = new QPushButton(valueEditor_);
    cancel_->setObjectName("C_Cancel");

    auto* editor = new QGridLayout(valueEditor_);
    editor->addWidget(desc_, 0, 0, 1, 3);
    editor->addWidget(valore_, 1, 0);
    editor->addWidget(double_, 1, 1);
    editor->addWidget(previewLabel_, 2, 0);
    editor->addWidget(preview_, 3, 0);
    editor->addWidget(apply_, 3, 1);
    editor->addWidget(cancel_, 3, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    layout->addWidget(valueEditor_);

    auto* typing = new DoubleWidthTyping(valore_, double_, textWidth, DoubleWidthTyping::Padding::None, session.log,
                                         "E_Valore_KeyPress ");
    connect(typing, &DoubleWidthTyping::refused, this, [this] { session_.effects.beep(); });
    connect(valore_, &QLineEdit::textChanged, this, [this] {
        guarded(session_.log, "FrmCaptionSetting Anteprima_Valore: ", [&] { draw_value_preview(); });
    });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { edit_row(row); });
    connect(apply_, &QPushButton::clicked, this, &CustomTextGrid::apply_value);
    connect(cancel_, &QPushButton::clicked, this, &CustomTextGrid::cancel_value);
}

void CustomTextGrid::apply_captions()
{
    double_->setText(caption(session_, "FRM_CAPTION_CHK_DOUBLE", "Double Character"));
    double_->setChecked(false);
    desc_->setText(caption(session_, "FRM_CAPTION_L_DESC", "Description"));
    previewLabel_->setText(caption(session_, "FRM_CAPTION_PREVIEW", "Preview"));
    apply_->setText(caption(session_, "FRM_CAPTION_C_APPLY", "OK"));
    cancel_->setText(caption(session_, "FRM_CAPTION_C_CANCEL", "Cancel"));
}

void CustomTextGrid::show_texts(const std::vector<std::string>& definitions, const std::vector<std::string>& texts)
{
    grid_->clear();
    grid_->setRowCount(0);
    if (texts.empty())
        return;
    grid_->setHorizontalHeaderLabels({QStringLiteral("Definition"), QStringLiteral("Custom Definition")});
    grid_->setRowCount(int(texts.size()));
    for (std::size_t n = 0; n < texts.size(); ++n) {
        grid_->setItem(int(n), 0, new QTableWidgetItem(to_qt(n < definitions.size() ? definitions[n] : "")));
        grid_->setItem(int(n), 1, new QTableWidgetItem(to_qt(texts[n])));
    }
}

int CustomTextGrid::row_count() const { return grid_->rowCount(); }

std::string CustomTextGrid::text(int row) const { return to_core(grid_->item(row, 1)->text()); }

void CustomTextGrid::draw_value_preview() { preview_->set_line(0, to_core(valore_->text())); }

void CustomTextGrid::hide_value_editor() { valueEditor_->setVisible(false); }

void CustomTextGrid::edit_row(int row)
{
    if (row < 0 || row >= grid_->rowCount())
        return;
    editedRow_ = row;
    desc_->setText(to_qt(trimmed_end(to_core(grid_->item(row, 0)->text()))));
    valore_->setText(to_qt(trimmed_end(text(row))));
    valueEditor_->setVisible(true);
}

void CustomTextGrid::apply_value()
{
    if (editedRow_ >= 0 && editedRow_ < grid_->rowCount())
        grid_->item(editedRow_, 1)->setText(valore_->text());
    hide_value_editor();
}

void CustomTextGrid::cancel_value()
{
    edit_row(editedRow_);
    hide_value_editor();
}

}  // namespace tw
