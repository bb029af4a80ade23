#include "messages/FrmCaptionSetting.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <vector>

#include "app/TextField.h"
#include "app/session.h"
#include "app/ui_text.h"
#include "messages/CellPreview.h"
#include "messages/CustomTextGrid.h"
#include "messages/DoubleWidthTyping.h"

namespace tw {

namespace {
constexpr int kLineWidth = 24;
constexpr int kCaptionWidth = 10;
constexpr int kPreviewRows = 25;  // 10 header, 10 footer, 5 extra invoice lines
constexpr int kOtherTab = 3;

constexpr Choice kWaitTime[] = {{0, "FRM_CAPTION_WAIT_TIME_0_MSG", "NO"},
                                {1, "FRM_CAPTION_WAIT_TIME_1_MSG", "3 minutes"},
                                {2, "FRM_CAPTION_WAIT_TIME_2_MSG", "5 minutes"},
                                {3, "FRM_CAPTION_WAIT_TIME_3_MSG", "10 minutes"}};
constexpr Choice kScrollSpeed[] = {{0, "FRM_CAPTION_SCROLL_SPEED_0_MSG", "SLOW"},
                                   {1, "FRM_CAPTION_SCROLL_SPEED_1_MSG", "MEDIUM"},
                                   {2, "FRM_CAPTION_SCROLL_SPEED_2_MSG", "FAST"}};

// Scroll messages are the display's plain 8-bit text, kept with their spaces.
constexpr Field scroll(const char* name, const char* key, const char* label, int entry)
{
    return {name, key, label, plain_text_at(prg::ScrollMessages.offset + std::size_t(entry) * 42, 42), {}, {},
            On4410::Shown, nullptr, true};
}
constexpr Field kScroll[] = {
    scroll("E_OffModeScrollMessage", "FRM_CAPTION_OFF_MODE_SCROLL_MESSAGE_MSG", "Off Mode", 0),
    scroll("E_PrgXZ_ModeScrollMessage", "FRM_CAPTION_PRG_X_Z_MODE_SCROLL_MESSAGE_MSG", "Pgr, X, Z Mode", 1),
    scroll("E_RegModeSalesScrollMessage", "FRM_CAPTION_REG_MODE_SALES_SCROLL_MESSAGE_MSG", "Sales", 2),
    scroll("E_IdleAMScrollMessage", "FRM_CAPTION_IDLE_AM_SCROLL_MESSAGE_MSG", "Courtesy 1 (AM)", 3),
    scroll("E_IdlePMScrollMessage", "FRM_CAPTION_IDEL_PM_MODE_SCROLL_MESSAGE_MSG", "Courtesy 2 (PM)", 4),
};
constexpr Field kLcd[] = {
    {"Cmb_WaitTime", "FRM_CAPTION_L_WAIT_TIME_MSG", "Wait Time for VFD", bcd_byte_at(167), {kWaitTime}},
    {"Cmb_ScrollSpeed", "FRM_CAPTION_L_SCROLL_SPEED_MSG", "Scroll Speed for VFD", bcd_byte_at(168), {kScrollSpeed}},
};

// A run of 24-position printed lines: `E_ReceiptHeader1` … labelled "Row 1" …
// unless the row-label key has a text, which then labels every row.
struct LineSet {
    std::vector<std::string> names, labels;
    std::vector<Field> fields;
    std::string base;  // the lines' name without their number, "E_ReceiptHeader"
    LineSet(const char* base_, const char* key, const char* word, prg::Member member) : base(base_)
    {
        const int count = int(member.size) / kLineWidth;
        for (int i = 1; i <= count; ++i) {
            names.push_back(base + std::to_string(i));
            labels.push_back(word + (" " + std::to_string(i)));
        }
        for (int i = 0; i < count; ++i)
            fields.push_back({names[std::size_t(i)].c_str(), key, labels[std::size_t(i)].c_str(),
                              register_text_at(member.offset + std::size_t(i * kLineWidth), kLineWidth), {}, {},
                              On4410::Shown, nullptr, true});
    }
};

struct CaptionPage {
    LineSet header{"E_ReceiptHeader", "FRM_CAPTION_HEADER_N", "Row", prg::HeaderLines};
    LineSet footer{"E_ReceiptFooter", "FRM_CAPTION_FOOTER_N", "Row", prg::FooterLines};
    LineSet extra{"E_ExtraInvoice", "FRM_CAPTION_EXTRA_INVOICE_N", "Row", prg::ExtraInvoiceLines};
    LineSet other{"E_Other", "FRM_CAPTION_EXTRA_OTHER_N", "Other", prg::OtherLines};
    OptionGroup headerRows[1]{rows(header.fields)};
    OptionGroup footerRows[1]{rows(footer.fields)};
    OptionGroup extraRows[1]{rows(extra.fields)};
    OptionGroup otherRows[1]{rows(other.fields)};
    OptionTab invoiceTabs[4]{{"FRM_CAPTION_TAB_INVOICE1", "HEADER", headerRows},
                             {"FRM_CAPTION_TAB_INVOICE2", "FOOTER", footerRows},
                             {"FRM_CAPTION_TAB_INVOICE3", "EXTRA INVOICE", extraRows, TabOn4410::Refused},
                             {"FRM_CAPTION_TAB_INVOICE4", "OTHER", otherRows}};
    OptionGroup receiptColumns[2]{tab_set("Tab_Invoice", invoiceTabs), slot("F_Preview")};
    OptionGroup receiptPage[1]{columns(receiptColumns)};
    OptionGroup customPage[1]{slot("F_CustomText")};
    OptionGroup scrollPage[2]{rows(kScroll), frame("F_LcdParameters", nullptr, "Lcd Parameters", kLcd)};
    OptionTab printTabs[3]{{"FRM_CAPTION_TAB_PRINT1", "ON RECEIPT", receiptPage},
                           {"FRM_CAPTION_TAB_PRINT2", "CUSTOM TEXT", customPage},
                           {"FRM_CAPTION_TAB_PRINT3", "SCROLL MESSAGE", scrollPage}};
    OptionGroup groups[1]{tab_set("Tab_Print", printTabs)};
    OptionPage page{{"FrmCaptionSetting", "FRM_CAPTION_SETTING_MODE_TITLE", "Caption Setup Mode", nullptr, nullptr},
                    groups};
};

const CaptionPage& caption_page()
{
    static const CaptionPage p;
    return p;
}
}  // namespace

const OptionPage& FrmCaptionSetting::page() { return caption_page().page; }

// The lines go after this part of the screen: the focus leaving one of them
// then (its padding changes its text) must not redraw a preview that is gone.
FrmCaptionSetting::~FrmCaptionSetting()
{
    for (QLineEdit* line : findChildren<QLineEdit*>())
        line->disconnect(this);
}

FrmCaptionSetting::FrmCaptionSetting(ScreenContext& context, QWidget* caller)
    : OptionEditor(context, caller, page())
{
    invoiceTabs_ = findChild<QTabWidget*>(QStringLiteral("Tab_Invoice"));

    auto* previewColumn = new QVBoxLayout(slot_widget("F_Preview"));
    double_ = new QCheckBox(this);
    double_->setObjectName("Chk_Double");
    previewLabel_ = new QLabel(this);
    previewLabel_->setObjectName("L_Preview");
    preview_ = new CellPreview("Anteprima", kPreviewRows, kLineWidth, this);
    previewColumn->addWidget(double_);
    previewColumn->addWidget(previewLabel_);
    previewColumn->addWidget(preview_);
    previewColumn->addStretch();

    auto* custom = new QVBoxLayout(slot_widget("F_CustomText"));
    customTexts_ = new CustomTextGrid(session(), kCaptionWidth, this);
    custom->addWidget(customTexts_);

    const auto beep = [this] { session().effects.beep(); };
    const CaptionPage& p = caption_page();
    for (const LineSet* set : {&p.header, &p.footer, &p.extra, &p.other}) {
        const bool other = set == &p.other;
        for (const Field& f : set->fields) {
            TextField* line = field(f.name).text();
            line->setMinimumWidth(line->fontMetrics().horizontalAdvance(QString(kLineWidth + 1, QLatin1Char('X'))));
            auto* typing = new DoubleWidthTyping(line, double_, kLineWidth, DoubleWidthTyping::Padding::OnFocusOut,
                                                 session().log, set->base + "_KeyPress ");
            connect(typing, &DoubleWidthTyping::refused, this, beep);
            connect(line, &QLineEdit::textChanged, this, [this, other] {
                if (other == other_tab_shown())
                    handle(other ? "anteprima_other" : "Anteprima", [&] { draw_preview(); });
            });
        }
    }
}

void FrmCaptionSetting::prepare_fields()
{
    OptionEditor::prepare_fields();
    double_->setText(text("FRM_CAPTION_CHK_DOUBLE", "Double Character"));
    previewLabel_->setText(text("FRM_CAPTION_PREVIEW", "Preview"));
    double_->setChecked(false);
    customTexts_->apply_captions();
    // The line tabs stand beside the preview: they keep room for all four
    // captions, which the side-by-side layout would otherwise share out.
    invoiceTabs_->tabBar()->setUsesScrollButtons(false);
    invoiceTabs_->setMinimumWidth(invoiceTabs_->tabBar()->sizeHint().width());
}

void FrmCaptionSetting::load_fields()
{
    OptionEditor::load_fields();
    draw_preview();
    guarded(session().log, "FrmCaptionSetting read_caption. ", [&] { read_caption(); });
    customTexts_->hide_value_editor();
}

void FrmCaptionSetting::read_caption()
{
    Session& s = session();
    customTexts_->show_texts({}, {});
    const std::optional<CaptionDescriptions> descriptions = load_caption_descriptions(s.dirs.SetupDir, s.codecs, s.log);
    if (!descriptions) {
        s.effects.message_box(s.language.captions.caption("FRM_CAPTION_LANG_NOT_DEFINE_MSG_DEF",
                                                          "Warning! The Language file definition is not present"),
                              MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    // Every row holds its stored text, so a short file never empties one on Save.
    std::vector<std::string> texts;
    for (std::size_t n = 0; n < kRegisterCaptionCount; ++n)
        texts.push_back(s.image.text(s.codecs, prg::RegisterCaptions.offset + n * kCaptionWidth, kCaptionWidth));
    customTexts_->show_texts(descriptions->definitions, texts);
    const auto& others = caption_page().other.fields;
    for (std::size_t i = 0; i < descriptions->otherLabels.size() && i < others.size(); ++i)
        field(others[i].name).label()->setText(to_qt(descriptions->otherLabels[i]));
}

bool FrmCaptionSetting::other_tab_shown() const { return invoiceTabs_->currentIndex() == kOtherTab; }

void FrmCaptionSetting::tab_shown(const QTabWidget* set, int)
{
    if (set == invoiceTabs_)
        handle(other_tab_shown() ? "anteprima_other" : "Anteprima", [&] { draw_preview(); });
}

void FrmCaptionSetting::draw_preview()
{
    if (other_tab_shown())
        anteprima_other();
    else
        Anteprima();
}

void FrmCaptionSetting::Anteprima()
{
    const CaptionPage& p = caption_page();
    int row = 0;
    for (const LineSet* set : {&p.header, &p.footer, &p.extra}) {
        const bool hidden = set == &p.extra && session().ModelCode == 0;
        for (const Field& f : set->fields) {
            preview_->set_line(row, field(f.name).text()->core_text());
            preview_->set_row_hidden(row++, hidden);
        }
    }
}

void FrmCaptionSetting::anteprima_other()
{
    const auto& others = caption_page().other.fields;
    for (int row = 0; row < kPreviewRows; ++row) {
        const bool shown = row < int(others.size());
        preview_->set_line(row, shown ? field(others[std::size_t(row)].name).text()->core_text() : std::string());
        preview_->set_row_hidden(row, !shown);
    }
}

void FrmCaptionSetting::save_fields()
{
    Session& s = session();
    // The model 4410 prints no extra invoice lines: their bytes stay as stored.
    const auto extraFrom = s.image.bytes.begin() + std::ptrdiff_t(prg::ExtraInvoiceLines.offset);
    std::array<std::uint8_t, prg::ExtraInvoiceLines.size> extra{};
    std::copy_n(extraFrom, extra.size(), extra.begin());
    customTexts_->hide_value_editor();
    OptionEditor::save_fields();
    if (s.ModelCode == 0)
        std::copy(extra.begin(), extra.end(), extraFrom);
    // Without DescCaption.ini the grid is empty and the stored texts stay.
    for (int n = 0; n < customTexts_->row_count(); ++n)
        s.image.set_text(s.codecs, prg::RegisterCaptions.offset + std::size_t(n) * kCaptionWidth, kCaptionWidth,
                         customTexts_->text(n));
}

void FrmCaptionSetting::after_save()
{
    handle("Carica_All_Caption", [&] {
        OptionEditor::load_fields();
        draw_preview();
    });
}

}  // namespace tw
