#pragma once
#include "editors/common/OptionEditor.h"
#include "messages/message_texts.h"

class QCheckBox;
class QLabel;

namespace tw {

class CellPreview;
class CustomTextGrid;

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

protected:
    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;
    void after_save() override;
    void tab_shown(const QTabWidget* set, int index) override;

private:
    void Anteprima();
    void anteprima_other();
    void draw_preview();
    void read_caption();
    bool other_tab_shown() const;

    QTabWidget* invoiceTabs_;
    QCheckBox* double_;
    CellPreview* preview_;
    QLabel* previewLabel_;
    CustomTextGrid* customTexts_;
};

}  // namespace tw
