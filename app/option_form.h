#pragma once
#include <QString>
#include <cstddef>
#include <span>
#include <vector>

#include "app/EditorScreen.h"

class QGridLayout;
class QLabel;

namespace tw {

class ChoiceField;

// A screen of choice fields bound to bits or bytes of the programming image,
// described as data: one OptionField per row, built, loaded and saved by one
// piece of code.

// One entry of a choice list: shown as "<number>. <label>", the label being
// the caption of `key` or the English text.
struct Choice {
    int number;
    const char* key;
    const char* english;
};

inline constexpr int kWholeByte = -1;

struct OptionField {
    const char* field;     // the choice field's name, "Cmb_GTReset"; its label is "L_GTReset"
    const char* labelKey;  // caption key of the label
    const char* label;     // English label
    std::size_t offset;    // in the programming image
    // A bit (0 = least significant): the first choice shows a clear bit, the
    // second a set one, and a chosen number other than 0 sets it. Or
    // kWholeByte: the choice whose number equals the byte (none when no
    // choice has it), and the chosen number (0 with no selection) is stored.
    int bit;
    std::span<const Choice> choices;
    bool hiddenOn4410 = false;
};

// The rows of an option screen inside one grid: label | choice field.
class OptionForm {
public:
    OptionForm(Session& session, std::span<const OptionField> fields, QWidget* parent, QGridLayout* grid);

    // Captions of labels and choice texts, fields hidden for the model, the
    // choice lists filled in their fixed order.
    void prepare();
    void load();
    void save();

    ChoiceField* field(std::size_t row) const { return fields_.at(row); }

private:
    Session& session_;
    std::span<const OptionField> rows_;
    std::vector<QLabel*> labels_;
    std::vector<ChoiceField*> fields_;
};

// An editor made only of option rows.
struct OptionScreen {
    EditorScreen::Setup setup;
    std::span<const OptionField> fields;
};

class OptionEditor : public EditorScreen {
    Q_OBJECT
public:
    OptionEditor(ScreenContext& context, QWidget* caller, const OptionScreen& screen);

    const OptionForm& form() const { return form_; }

protected:
    void prepare_fields() override { form_.prepare(); }
    void load_fields() override { form_.load(); }
    void save_fields() override { form_.save(); }

private:
    OptionForm form_;
};

}  // namespace tw
