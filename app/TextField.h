#pragma once
#include <QLineEdit>
#include <cstddef>
#include <string>

namespace tw {

struct Session;

// A free text field: any character, optionally no more than the stored
// width. Register texts pass the character translation on load and save.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    // A width of 0 sets no limit on typing.
    TextField(const QString& objectName, int widthLimit = 0, QWidget* parent = nullptr);

    // The programming image's fixed-width text at `offset`, translated from
    // the register's characters; and back, cut at the width and filled with
    // spaces.
    void load_image_text(const Session& session, std::size_t offset, std::size_t width);
    void save_image_text(Session& session, std::size_t offset, std::size_t width) const;

    // The text as Windows-1252 bytes, and back.
    std::string core_text() const;
    void set_core_text(const std::string& cp1252);

    // A padded field loses its trailing spaces while it has the focus (the
    // caret at the end, so typing goes on from the text) and is padded with
    // spaces to its width again when the focus leaves.
    void set_padded(bool padded) { padded_ = padded; }

Q_SIGNALS:
    // A typed character did not fit the width and was refused.
    void refused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool padded_ = false;
};

}  // namespace tw
