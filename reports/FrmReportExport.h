#pragma once
#include <QString>
#include <array>

#include "app/Screen.h"
#include "reports/export_options.h"
#include "reports/report_download.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tw {

// The report export screen: the ten offered reports as check boxes, the
// default selection in ExportOption.ini (Save), and Export, which downloads
// and exports the ticked reports behind the progress dialog and then says
// how many arrived and where their CSV files are.
class FrmReportExport : public Screen {
    Q_OBJECT
public:
    FrmReportExport(ScreenContext& context, QWidget* caller);

    void Salva_click();
    void Export_click();

    // The check box of report n, or null for a report the screen does not show.
    QCheckBox* report_box(int n) const { return boxes_.at(std::size_t(n)); }
    // The reports ticked and shown, as the Export button takes them.
    ReportSelection selection() const;

protected:
    void on_load() override;

private:
    void apply_captions();
    void load_options();
    void show_outcome(const ReportRunOutcome& outcome, int selected);

    std::array<QCheckBox*, 20> boxes_{};
    ExportOptions options_{};
    QLabel* title_;
    QPushButton* save_;
    QPushButton* back_;
    QPushButton* export_;
};

}  // namespace tw
