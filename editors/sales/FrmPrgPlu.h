#pragma once
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "editors/common/RecordEditor.h"

class QLabel;
class QPushButton;

namespace tw {

class ChoiceField;
class NumericField;
class TextField;

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
    // A free slot becomes price type normal as it is loaded.
    void fill_record(int n) override;
    void store_record(int n) override;
    QStringList row_texts(int n) override;
    void prepare_fields() override;
    void write_file() override;
    void after_save() override;
    bool send_file(TransferRun& run) override;
    QString send_description() const override;
    int send_limit_seconds() const override;

private:
    bool has_price2() const;
    QString choose_file(bool forSaving);

    QLabel* lCode_;
    NumericField* code_;
    QLabel* lCodeMax_;
    QLabel* lName_;
    TextField* name_;
    QLabel* lStatus_;
    ChoiceField* status_;
    QLabel* lLinkDept_;
    ChoiceField* linkDept_;
    QLabel* lTax_;
    ChoiceField* tax_;
    QLabel* lTakeOutTax_;
    ChoiceField* takeOutTax_;
    QLabel* lPrice1_;
    NumericField* price1_;
    QLabel* lPrice2_;
    NumericField* price2_;
    QPushButton* erase_;
    QPushButton* export_;
    QPushButton* import_;

    std::vector<std::string> statusLabels_, taxLabels_;
    int decimals_ = 0;
    int next_ = 1;          // the number Save shows afterwards
    QString lastFile_;      // the file Export or Import used last
};

}  // namespace tw
