#pragma once
#include <QClipboard>
#include <QLineEdit>

namespace tw {

struct Session;

// A numeric text field of the editors. Only digits reach it (`solo_numeri`);
// the editing keys work as in any field, and a paste keeps only its digits.
// A key or paste that would take the value above the maximum shows
// MsgValueTooHigh with the error icon and leaves the text as it was.
// Getting the focus selects the whole value, so typing replaces it.
//
// A field with a shown form (a rate, a price, a password of at least three
// digits) has two forms: while it has the focus it holds the stored integer
// in the smallest unit, and an integer of 0 shows as an empty field (except
// in a field of plain digits with leading zeros only, such as a counter);
// otherwise it shows that integer in its shown form.
class NumericField : public QLineEdit {
    Q_OBJECT
public:
    NumericField(Session& session, const QString& objectName, QWidget* parent = nullptr);

    // No maximum when negative (the default).
    void set_maximum(long long maximum) { maximum_ = maximum; }
    long long maximum() const { return maximum_; }

    // At most this many typed digits: a key or paste past it is dropped
    // without a message. 0: no limit. Texts the screen shows are not cut.
    void set_length_limit(int digits) { lengthLimit_ = digits; }

    // Where the Enter key moves the focus; the key itself is dropped.
    void set_enter_target(QWidget* target) { enterTarget_ = target; }

    // The shown form: `scale` stored units make one shown unit, with
    // `decimals` decimals (all of them kept with fixedDecimals, else trailing
    // zeros dropped), thousands separators when grouped, at least minDigits
    // digits, then the unit. A field with any of these, or with emptyZero,
    // has two forms.
    void set_format(int scale, int decimals, const QString& unit, bool fixedDecimals = false, bool grouped = false,
                    int minDigits = 0, bool emptyZero = false);
    // Makes the field a two-form one with this scale; a scale of 1 with no
    // unit still empties a 0 on focus.
    void set_scale(int scale, int decimals, const QString& unit);
    // Prices keep their fixed decimals when the focus leaves (1250 shows
    // 12.50); other scaled fields drop trailing zeros (22 %).
    void set_fixed_decimals(bool fixed) { fixedDecimals_ = fixed; }

    // A field of plain digits whose emptiness means something: getting the
    // focus keeps its digits as shown, and an emptied field stays empty when
    // the focus leaves it (else it shows 0).
    void set_empty_stays(bool stays) { emptyStays_ = stays; }
    bool holds_number() const { return !shown_number().isEmpty(); }

    // Shows a stored integer as the screen shows it on opening.
    void show_value(long long stored);
    // The stored integer that the field holds now, whichever form it shows.
    long long value() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool takes_key(const QKeyEvent* event) const;
    void paste_digits(QClipboard::Mode mode);
    // Keeps an edit when its value stays within the maximum and its digits
    // within the length limit; else puts the text back as it was, saying why
    // for the maximum.
    bool keep_within_maximum(const QString& before, int cursorBefore);
    QString shown_number() const;  // the text without its unit

    Session& session_;
    long long maximum_ = -1;
    int lengthLimit_ = 0;
    QWidget* enterTarget_ = nullptr;
    int scale_ = 1;
    int decimals_ = 0;
    QString unit_;
    bool grouped_ = false;
    int minDigits_ = 0;
    bool scaled_ = false;
    bool emptyZero_ = false;     // a 0 shows empty while the field has the focus
    bool fixedDecimals_ = false;
    bool emptyStays_ = false;
    bool rawForm_ = false;       // a two-form field shows the stored integer
    bool focusedByClick_ = false;
};

// A stored integer in its shown form: over the scale with the decimals (all
// kept when fixed, else trailing zeros dropped), grouped or not, with at
// least minDigits digits, followed by the unit; in the user's number format.
QString number_text(long long stored, int scale, int decimals, const QString& unit, bool fixedDecimals,
                    bool grouped = false, int minDigits = 0);

}  // namespace tw
