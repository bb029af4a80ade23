#pragma once
#include <optional>

#include "editors/common/OptionEditor.h"
#include "messages/message_texts.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tw {

class CellPreview;

// Every free text the register prints or displays: receipt header, footer,
// extra invoice and other lines with double-width characters and a cell
// preview, the 74 register texts, the five scroll messages and the
// display's wait time and scroll speed.
class FrmCaptionSetting : public OptionEditor {
    Q_OBJECT
public:
    FrmCaptionSetting(ScreenContext& context, QWidget* caller);
    ~FrmCaptionSetting() override;

    static const OptionPage& page();

    // The custom text grid's value editor: the row being edited.
    void edit_row(int row);
    void apply_value();
    void cancel_value();

protected:
    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;
    void after_save() override;
    void tab_shown(const QTabWidget* set, int index) override;

private:
    void Anteprima();
    void anteprima_other();
    void Anteprima_Valore();
    void draw_preview();
    void read_caption();
    void show_value_editor(bool shown);
    bool other_tab_shown() const;

    QTabWidget* invoiceTabs_;
    QCheckBox* double_;
    QCheckBox* double2_;
    CellPreview* preview_;
    CellPreview* valuePreview_;
    QTableWidget* grid_;
    QWidget* valueEditor_;
    QLabel* desc_;
    QLineEdit* valore_;
    QLabel* previewLabel_;
    QLabel* valuePreviewLabel_;
    QPushButton* apply_;
    QPushButton* cancel_;
    int editedRow_ = -1;
    std::optional<CaptionDescriptions> descriptions_;
};

}  // namespace tw
