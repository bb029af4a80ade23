#pragma once
#include <QObject>

class QAbstractButton;
class QLineEdit;

namespace tw {

// The typing rules of a line that may hold double-width characters. While
// the mode button is checked a typed character goes in after a marker; a key
// that would not fit marker and character is refused whole. Backspace right
// after a double-width character removes it with its marker. A padded line
// loses its trailing spaces on focus in and is padded to its width on focus
// out.
class DoubleWidthTyping : public QObject {
    Q_OBJECT
public:
    enum class Padding { None, OnFocusOut };
    DoubleWidthTyping(QLineEdit* line, const QAbstractButton* mode, int width, Padding padding);

Q_SIGNALS:
    void refused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* line_;
    const QAbstractButton* mode_;
    int width_;
    Padding padding_;
};

}  // namespace tw
