#pragma once
#include <QStringList>
#include <cstdint>
#include <set>
#include <span>
#include <string>

#include "app/EditorScreen.h"
#include "editors/common/FieldControl.h"

class QGridLayout;
class QLabel;

namespace tw {

class ChoiceField;
class OverviewGrid;

// A column of a record editor's overview grid: its header, its width in
// twips, and what it shows: the value of a field of the record (the choice
// text after its first space, the number in its shown form, the text), or
// with no field the record's number.
struct GridColumn {
    const char* key;      // caption key of the header; null: the English header always
    const char* english;
    int twips;
    const char* field = nullptr;
    On4410 on4410 = On4410::Shown;  // a column hidden on model 4410 has width 0 and no values there
    bool lowerCase = false;         // the cell's text in lower case
    bool wholeChoice = false;       // the whole choice text, "1. SHORT"
};

struct RecordSetup {
    EditorScreen::Setup editor;
    const char* numberName;  // the number chooser, "Cmb_ClerkNumber"; its label "L_ClerkNumber"
    const char* numberLabelKey;
    const char* numberLabel;
    const char* gridName;    // the overview grid, "Fg_Clerk"; null for none
    const char* loadName;    // the handler that loads one record, "Carica_Clerk"
    std::span<const GridColumn> columns;
    // The detail fields, at offsets inside one record; empty when the screen
    // moves its own fields.
    std::span<const Field> fields = {};
    // The run-log prefix of rebuilding the grid, when the screen has its own.
    const char* gridPrefix = nullptr;
};

// An editor of numbered records: one is edited in the fields, all are listed
// in the overview grid (when the screen has one), whose cyan row is the
// loaded record. A record is
// chosen by number or by grid row; Save stores the fields into the chosen
// record, writes the file, rebuilds the grid and moves to the next record.
class RecordEditor : public EditorScreen {
    Q_OBJECT
public:
    // `Carica_Griglia`: the grid (if any) and the number list from the records.
    void Carica_Griglia();
    // Loads record n into the fields and makes its row the cyan one.
    void load_record(int n);

    int loaded_record() const { return loaded_; }
    OverviewGrid* grid() const { return grid_; }
    ChoiceField* number_chooser() const { return number_; }
    const FieldControl& field(const char* name) const { return fields_.at(name); }

protected:
    RecordEditor(ScreenContext& context, QWidget* caller, const RecordSetup& setup);

    virtual int record_count() const = 0;
    // The record shown after saving record n.
    virtual int next_record(int saved) const = 0;
    // The bytes of record n, for editors of described fields.
    virtual std::span<std::uint8_t> record_bytes(int n);
    // Record n into the fields, and the fields into record n.
    virtual void fill_record(int n);
    virtual void store_record(int n);
    // The grid row of record n.
    virtual QStringList row_texts(int n);

    // Where the fields stand: described fields fill it as label | field rows.
    QGridLayout* field_grid() const { return fieldGrid_; }
    QLabel* add_label(const char* name);
    FieldControls& fields() { return fields_; }
    int chosen_number() const;
    void select_number(int n);

    void prepare_fields() override;
    void load_fields() override;
    void save_fields() override;
    void after_save() override;

private:
    void choose_number(int n);
    void choose_row(int n);

    RecordSetup setup_;
    std::string loadName_;
    ChoiceField* number_;
    QLabel* numberLabel_ = nullptr;
    QGridLayout* fieldGrid_;
    OverviewGrid* grid_ = nullptr;  // none on a screen without a grid
    FieldControls fields_;
    std::set<std::string> gridLog_;  // what reading the grid's records logged since its last load
    int loaded_ = 0;
    int saved_ = 0;
};

}  // namespace tw
