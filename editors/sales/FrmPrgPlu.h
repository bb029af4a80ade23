#pragma once
#include "editors/common/RecordEditor.h"
#include "editors/sales/PluCsvExchange.h"

namespace tw {

// The PLU table: one PLU is edited in the fields, all PluCapacity slots are
// listed in the overview grid. A PLU's number is its place in the table,
// sorted by code on every Save. Export and Import exchange the table with a
// CSV file.
class FrmPrgPlu : public RecordEditor {
    Q_OBJECT
public:
    FrmPrgPlu(ScreenContext& context, QWidget* caller);

    static constexpr long long kMaxCode = 9999999999999;
    static constexpr int kCodeDigits = 13;
    static constexpr long long kMaxPrice = 9999999;

    // Sorts the table by code, recounts it and rebuilds the grid.
    void Ordina_Plu();
    // Clears the fields; the table changes on Save.
    void Erase();
    void Export();
    void Import();

protected:
    int record_count() const override;
    int next_record(int saved) const override;
    std::span<std::uint8_t> record_bytes(int n) override;
    // A free slot becomes price type normal as it is loaded.
    void fill_record(int n) override;
    void store_record(int n) override;
    void prepare_fields() override;
    void write_file() override;
    void after_save() override;
    bool send_file(TransferRun& run) override;
    QString send_description() const override;
    int send_limit_seconds() const override;

private:
    bool has_price2() const;

    int next_ = 1;  // the number Save shows afterwards
    bool erased_ = false;  // Erase was pressed since the PLU was loaded
    PluCsvExchange csv_;
};

}  // namespace tw
