#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editors/common/field.h"

class QLabel;
class QWidget;

namespace tw {

class ChoiceField;
class NumericField;
class TextField;
struct Session;

// The label and input control of one described field: built from the
// description, captioned, filled from a run of bytes and saved back into it.
class FieldControl {
public:
    FieldControl(Session& session, const Field& field, QWidget* parent);

    const Field& field() const { return field_; }
    QLabel* label() const { return label_; }
    QWidget* control() const { return control_; }
    QLabel* hint() const { return hint_; }
    ChoiceField* choice() const { return choice_; }
    NumericField* numeric() const { return numeric_; }
    TextField* text() const { return text_; }

    // Opening: the label's caption, the choice list, the number format, and
    // hiding where the model lacks the field.
    void prepare();
    // The value from the bytes into the control, and back (with its
    // non-zero flag). A hidden field loads and saves as any other, so its
    // value travels unchanged; a kept one is not saved on model 4410.
    void load(std::span<const std::uint8_t> bytes);
    void save(std::span<std::uint8_t> bytes) const;

    // What an overview grid cell shows for the value in these bytes: the
    // choice text after its first space (or the whole choice text), a bare
    // number as stored, or the number in its shown form, or the text without
    // trailing spaces (with them when it keeps or pads them).
    QString cell_text(std::span<const std::uint8_t> bytes, bool wholeChoice = false) const;

    // A number whose decimals come from another field's choice: shows the
    // same stored integer with that choice's decimals.
    void follow_decimals();

private:
    friend class FieldControls;
    std::string shown_text(std::span<const std::uint8_t> bytes) const;

    Session& session_;
    const Field& field_;
    QLabel* label_ = nullptr;
    QWidget* control_ = nullptr;
    QLabel* hint_ = nullptr;
    ChoiceField* choice_ = nullptr;
    NumericField* numeric_ = nullptr;
    TextField* text_ = nullptr;
    QStringList choiceTexts_;
    const FieldControl* decimalsSource_ = nullptr;
};

// The fields of a screen, with a lookup by control name.
class FieldControls {
public:
    // Room for `count` fields: the controls stay where they are built.
    explicit FieldControls(std::size_t count) { controls_.reserve(count); }

    const FieldControl& add(Session& session, const Field& field, QWidget* parent);

    void prepare();
    void load(std::span<const std::uint8_t> bytes);
    void save(std::span<std::uint8_t> bytes) const;

    // The field of that control name; throws when there is none.
    const FieldControl& at(const char* name) const;
    const std::vector<FieldControl>& all() const { return controls_; }

private:
    std::vector<FieldControl> controls_;
};

// The texts of a choice list for a choice field, in the current language.
QStringList choice_texts(const Session& session, const ChoiceSet& set);

// The label's control name: given, or "L_" + the field's name without its
// kind prefix ("Cmb_GTPrint" gives "L_GTPrint").
QString label_name(const Field& field);

}  // namespace tw
