#include "keyboard/KeyboardPicture.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

using namespace keyboard;

namespace {
// A button cannot wrap its text: a label inside it does.
QLabel* face_of(const QPushButton* key) { return key->findChild<QLabel*>(); }
}  // namespace

KeyboardPicture::KeyboardPicture(QWidget* parent) : QWidget(parent)
{
    auto* board = new QGridLayout(this);
    board->setSpacing(4);
    for (int p = 0; p < kPositions; ++p) {
        const int k = preview_key_of(p);
        QWidget* cell = nullptr;
        if (k == 0) {
            auto* fixed = new QLabel(this);
            fixed->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            fixed->setEnabled(false);
            fixed->setBackgroundRole(QPalette::Mid);
            fixed->setAutoFillBackground(true);
            cell = fixed;
        } else {
            auto* key = new QPushButton(this);
            key->setObjectName(QStringLiteral("L_key%1").arg(k));
            key->setAutoDefault(false);
            auto* face = new QLabel(key);
            face->setAlignment(Qt::AlignCenter);
            face->setWordWrap(true);
            face->setForegroundRole(QPalette::ButtonText);
            face->setAttribute(Qt::WA_TransparentForMouseEvents);
            auto* inside = new QVBoxLayout(key);
            inside->setContentsMargins(3, 3, 3, 3);
            inside->addWidget(face);
            connect(key, &QPushButton::clicked, this, [this, k] { Q_EMIT key_clicked(k); });
            keys_[std::size_t(k - 1)] = key;
            cell = key;
        }
        cell->setFixedSize(kKeySize);
        board->addWidget(cell, p / kColumns, p % kColumns);
    }
}

void KeyboardPicture::show_key(int previewKey, const QString& name, bool changed)
{
    QPushButton* key = keys_.at(std::size_t(previewKey - 1));
    QLabel* face = face_of(key);
    face->setText(name);
    key->setToolTip(name);
    QPalette palette = face->palette();
    palette.setColor(QPalette::ButtonText, changed ? QColor(Qt::red) : key->palette().color(QPalette::ButtonText));
    face->setPalette(palette);
}

bool KeyboardPicture::changed(int previewKey) const
{
    return face_of(keys_.at(std::size_t(previewKey - 1)))->palette().color(QPalette::ButtonText) == Qt::red;
}

}  // namespace tw
