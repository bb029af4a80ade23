#include "app/PictureLabel.h"

#include <QMouseEvent>
#include <QPixmap>

namespace tw {

PictureLabel::PictureLabel(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
}

bool PictureLabel::load_picture(const QString& file)
{
    QPixmap picture;
    if (!file.isEmpty() && picture.load(file)) {
        setPixmap(picture);
        return true;
    }
    setPixmap(QPixmap());
    return false;
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tw
