#pragma once
#include <QLineEdit>

namespace tw {

struct Session;

// A numeric text field of the editors. Only digits and Backspace reach it
// (`solo_numeri`); a typed value above the maximum shows MsgValueTooHigh
// with the error icon and loses its last character.
//
// A scaled field (a rate, a price) has two forms: while it has the focus it
// holds the stored integer in the smallest unit, and an integer of 0 shows
// as an empty field; otherwise it shows that integer divided by the scale,
// followed by the unit.
class NumericField : public QLineEdit {
    Q_OBJECT
public:
    NumericField(Session& session, const QString& objectName, QWidget* parent = nullptr);

    // No maximum when negative (the default).
    void set_maximum(long long maximum) { maximum_ = maximum; }
    long long maximum() const { return maximum_; }

    // Where the Enter key moves the focus; the key itself is dropped.
    void set_enter_target(QWidget* target) { enterTarget_ = target; }

    // Makes the field a scaled one (two forms): `scale` stored units make one
    // shown unit, shown with `decimals` fixed decimals when the screen opens.
    // A scale of 1 with no unit still empties a 0 on focus.
    void set_scale(int scale, int decimals, const QString& unit);
    // Prices keep their fixed decimals when the focus leaves (1250 shows
    // 12.50); other scaled fields drop trailing zeros (22 %).
    void set_fixed_decimals(bool fixed) { fixedDecimals_ = fixed; }

    // Shows a stored integer as the screen shows it on opening.
    void show_value(long long stored);
    // The stored integer that the field holds now, whichever form it shows.
    long long value() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void check_maximum(const QString& text);
    QString shown_number() const;  // the text without its unit
    QString display_text(long long stored, bool fixedDecimals) const;

    Session& session_;
    long long maximum_ = -1;
    QWidget* enterTarget_ = nullptr;
    int scale_ = 1;
    int decimals_ = 0;
    QString unit_;
    bool scaled_ = false;
    bool fixedDecimals_ = false;
    bool rawForm_ = false;  // a scaled field shows the stored integer
};

}  // namespace tw
