#include "reports/FrmReportExport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "app/PictureLabel.h"
#include "app/transfer_runner.h"
#include "app/ui_effects.h"
#include "app/ui_text.h"
#include "reports/report_names.h"
#include "transfer/end_process.h"

namespace tw {

namespace {

struct ReportBox {
    int report;
    const char* key;
    const char* english;
};

// Left column from top to bottom, then the right column.
constexpr ReportBox kBoxes[] = {
    {3, "FRM_REPORT_EXPORT_CHK_REPORT_3", "Cash In Drawer Report"},
    {4, "FRM_REPORT_EXPORT_CHK_REPORT_4", "Financial (Z1) Report"},
    {5, "FRM_REPORT_EXPORT_CHK_REPORT_5", "Range Department Report"},
    {7, "FRM_REPORT_EXPORT_CHK_REPORT_7", "All PLU Report"},
    {9, "FRM_REPORT_EXPORT_CHK_REPORT_9", "All Normal CLERK Report"},
    {10, "FRM_REPORT_EXPORT_CHK_REPORT_10", "All Training CLERK Report"},
    {12, "FRM_REPORT_EXPORT_CHK_REPORT_12", "Time Report"},
    {13, "FRM_REPORT_EXPORT_CHK_REPORT_13", "Training Report"},
    {14, "FRM_REPORT_EXPORT_CHK_REPORT_14", "Financial (Z2) Report"},
    {16, "FRM_REPORT_EXPORT_CHK_REPORT_16", "Full Report for EJ"},
};
static_assert(std::size(kBoxes) == kOfferedReports.size());

// The report the register may keep only on model 4430.
constexpr int kOpenTablesReport = 15;

std::string replace_all(std::string text, const std::string& mark, const std::string& value)
{
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
        text.replace(at, mark.size(), value);
    return text;
}

}  // namespace

FrmReportExport::FrmReportExport(ScreenContext& context, QWidget* caller)
    : Screen(context, caller, "FrmReportExport")
{
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setObjectName("L_Titolo");
    title_->setAlignment(Qt::AlignCenter);
    QFont big = title_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title_->setFont(big);
    layout->addWidget(title_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(30);
    grid->setVerticalSpacing(10);
    const int perColumn = int(std::size(kBoxes)) / 2;
    for (int i = 0; i < int(std::size(kBoxes)); ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QString("Chk_Report%1").arg(kBoxes[i].report));
        // A greyed box (byte 2 of the file) becomes a plain one once clicked.
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
        boxes_[std::size_t(kBoxes[i].report)] = box;
        grid->addWidget(box, i % perColumn, i / perColumn);
    }
    layout->addLayout(grid);
    layout->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(make_help_picture());
    bottom->addStretch();
    const auto button = [&](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setMinimumHeight(32);
        bottom->addWidget(b);
        return b;
    };
    save_ = button("C_Salva");
    export_ = button("C_Export");
    back_ = button("C_Annulla");
    layout->addLayout(bottom);
    setMinimumWidth(520);

    connect(save_, &QPushButton::clicked, this, &FrmReportExport::Salva_click);
    connect(export_, &QPushButton::clicked, this, &FrmReportExport::Export_click);
    connect(back_, &QPushButton::clicked, this, &Screen::unload);
}

void FrmReportExport::on_load()
{
    apply_captions();
    load_options();
}

void FrmReportExport::apply_captions()
{
    setWindowTitle(text("FRM_REPORT_EXPORT_TITLE", "Report Export"));
    title_->setText(text("FRM_REPORT_EXPORT_L_TITOLO", "REPORT EXPORT"));
    for (const ReportBox& b : kBoxes)
        boxes_[std::size_t(b.report)]->setText(text(b.key, b.english));
    save_->setText(text("FRM_REPORT_EXPORT_C_SALVA", "Save Setting"));
    back_->setText(text("FRM_ALL_C_ANNULLA", "Back"));
    export_->setText(text("FRM_REPORT_EXPORT_C_EXPORT", "Export"));
}

void FrmReportExport::load_options()
{
    Session& s = session();
    handle("form_load", [&] {
        Read_ExportOptions(options_, s.dirs.SetupDir, s.files);
        for (int n = kFirstReport; n <= kLastReport; ++n) {
            const std::uint8_t value = options_[std::size_t(n)];
            // A check box knows clear, ticked and greyed only.
            if (value > 2) {
                // The load stops here: this and the later selections stay
                // clear, the hidden ones too, so that Save mends the file.
                std::fill(options_.begin() + n, options_.begin() + kLastReport + 1, std::uint8_t(0));
                throw std::invalid_argument("Invalid property value");
            }
            if (QCheckBox* box = report_box(n))
                box->setCheckState(value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked);
        }
        if (s.ModelCode == 0)
            options_[kOpenTablesReport] = 0;
    });
}

ReportSelection FrmReportExport::selection() const
{
    ReportSelection chosen{};
    for (int n = kFirstReport; n <= kLastReport; ++n) {
        const QCheckBox* box = report_box(n);
        chosen[std::size_t(n)] = box && !box->isHidden() && box->checkState() == Qt::Checked;
    }
    return chosen;
}

void FrmReportExport::Salva_click()
{
    handle("Salva", [&] {
        for (int n = kFirstReport; n <= kLastReport; ++n)
            if (const QCheckBox* box = report_box(n))
                options_[std::size_t(n)] = std::uint8_t(box->checkState() == Qt::PartiallyChecked ? 2
                                                        : box->checkState() == Qt::Checked       ? 1
                                                                                                  : 0);
        Write_ExportOptions(options_, session().dirs.SetupDir, session().files);
    });
}

void FrmReportExport::Export_click()
{
    handle("C_Export_click", [&] {
        const ReportSelection chosen = selection();
        const int count = int(std::count(chosen.begin(), chosen.end(), true));
        if (count == 0)
            return;
        Session& s = session();
        // The names and texts the run shows, taken here on the screen's thread.
        std::array<QString, 20> names;
        for (const ReportBox& b : kBoxes)
            names[std::size_t(b.report)] = report_box(b.report)->text();
        const QString stepText = text("FRM_REPORT_EXPORT_STEP_MSG", "Downloading %1 (%2 of %3)");

        const ReportDownload download{s.dirs, s.bridge, s.log, [&s] { end_process(s.effects, kTillXferProcessName); }};
        const ReportExport exporter{s.dirs, s.codecs, s.log, {s.DecimalPosition, decimal_separator()}, s.PluCapacity};
        ReportRunOutcome outcome;
        int first = kFirstReport;
        while (!chosen[std::size_t(first)])
            ++first;
        run_transfer_steps(context(), this, stepText.arg(names[std::size_t(first)]).arg(1).arg(count),
                           report_time_limit(first), [&](TransferSteps& steps) {
                               ReportRunObserver observer;
                               observer.starting = [&](int n, int index, int of, int limit) {
                                   steps.step(stepText.arg(names[std::size_t(n)]).arg(index).arg(of), limit);
                               };
                               observer.stopRequested = [&] { return steps.stop_requested(); };
                               outcome = ReportExportRun(chosen, download, exporter, observer);
                           });
        show_outcome(outcome, count);
    });
}

void FrmReportExport::show_outcome(const ReportRunOutcome& outcome, int selected)
{
    const CaptionTexts& c = session().language.captions;
    const std::string folder = to_core(path_to_qt(session().dirs.ReportDir));
    std::string message = c.caption("FRM_REPORT_EXPORT_DONE_MSG", "%1 of %2 reports were exported to CSV files in:");
    message = replace_all(replace_all(message, "%1", std::to_string(outcome.exported)), "%2", std::to_string(selected));
    message += "\n" + folder;
    if (outcome.stopped)
        message += "\n\n" + c.caption("FRM_REPORT_EXPORT_STOPPED_MSG", "The export was stopped before its end.");
    if (outcome.failed > 0)
        message += "\n\n" + c.caption("FRM_REPORT_EXPORT_FAILED_MSG",
                                      "The reports that did not arrive are named in the run log.");
    const std::string title = to_core(windowTitle());
    if (outcome.exported == 0) {
        session().effects.message_box(message, MsgButtons::Ok, MsgIcon::Warning, title);
        return;
    }
    message += "\n\n" + c.caption("FRM_REPORT_EXPORT_OPEN_FOLDER_MSG", "Open the folder?");
    if (session().effects.message_box(message, MsgButtons::YesNo, MsgIcon::Information, title) == MsgAnswer::Yes)
        context().ui.open_folder(path_to_qt(session().dirs.ReportDir));
}

}  // namespace tw
