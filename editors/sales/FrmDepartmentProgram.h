#pragma once
#include <QStringList>

#include "app/EditorScreen.h"

class QLabel;

namespace tw {

class ChoiceField;
class NumericField;
class OverviewGrid;
class TextField;

// The 99 departments: one is edited in the fields, all are listed in the
// overview grid, whose cyan row is the loaded department.
class FrmDepartmentProgram : public EditorScreen {
    Q_OBJECT
public:
    FrmDepartmentProgram(ScreenContext& context, QWidget* caller);

    static constexpr long long kMaxGroup = 10;
    static constexpr long long kMaxPrice = 9999999;

    // Rebuilds the grid and the department-number list from the image.
    void Carica_Griglia();
    // Loads department n into the fields and makes its row the cyan one.
    void Carica_Department(int n);

    int loaded_department() const { return loaded_; }
    OverviewGrid* grid() const { return grid_; }

protected:
    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;
    void after_save() override;

private:
    void choose_number(int n);
    void choose_row(int n);
    int chosen_number() const;

    QLabel* lNumber_;
    ChoiceField* number_;
    QLabel* lName_;
    TextField* name_;
    QLabel* lStatus1_;
    ChoiceField* status1_;
    QLabel* lStatus2_;
    ChoiceField* status2_;
    QLabel* lGroup_;
    NumericField* group_;
    QLabel* lGroupMax_;
    QLabel* lPrice_;
    NumericField* price_;
    QLabel* lPriceMax_;
    QLabel* lTax_;
    ChoiceField* tax_;
    QLabel* lTakeOutTax_;
    ChoiceField* takeOutTax_;
    QLabel* lHalo_;
    ChoiceField* halo_;
    QLabel* lPriceType_;
    ChoiceField* priceType_;
    OverviewGrid* grid_;

    QStringList status1Texts_, status2Texts_, taxTexts_, haloTexts_, priceTypeTexts_;
    int decimals_ = 0;
    int loaded_ = 0;
    int saved_ = 0;
};

}  // namespace tw
