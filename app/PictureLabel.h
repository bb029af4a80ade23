#pragma once
#include <QLabel>

namespace tw {

// A picture control (`I_...`) that can be clicked.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(const QString& objectName, QWidget* parent = nullptr);

    // Loads a picture file; a missing or unreadable file leaves the picture
    // empty and returns false.
    bool load_picture(const QString& file);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tw
