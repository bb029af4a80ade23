#pragma once
#include <QObject>
#include <string>

#include "base/run_log.h"

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
    // A failure while a key is handled is logged as `logPrefix` + description.
    DoubleWidthTyping(QLineEdit* line, const QAbstractButton* mode, int width, Padding padding, const RunLog& log,
                      std::string logPrefix);

Q_SIGNALS:
    void refused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filter(QObject* watched, QEvent* event);

    QLineEdit* line_;
    const QAbstractButton* mode_;
    int width_;
    Padding padding_;
    const RunLog& log_;
    std::string logPrefix_;
};

}  // namespace tw
