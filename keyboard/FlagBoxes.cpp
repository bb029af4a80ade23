#include "keyboard/FlagBoxes.h"

#include <QCheckBox>
#include <QGridLayout>

#include "image/codecs.h"

namespace tw {

FlagBoxes::FlagBoxes(std::span<const keyboard::BitFlag> flags, const QString& suffix, QWidget* parent, int columns)
    : flags_(flags), grid_(new QGridLayout)
{
    const int perColumn = (int(flags.size()) + columns - 1) / columns;
    for (const keyboard::BitFlag& f : flags) {
        auto* box = new QCheckBox(parent);
        box->setObjectName(QString::fromLatin1(f.name) + suffix);
        const int i = int(boxes_.size());
        grid_->addWidget(box, i % perColumn, i / perColumn);
        boxes_.push_back(box);
    }
}

void FlagBoxes::load(std::span<const std::uint8_t> bytes, const Codecs& codecs)
{
    tick([&](const keyboard::BitFlag& f) { return codecs.byte_bit_tst(bytes[f.byte], f.bit); });
}

void FlagBoxes::save(std::span<std::uint8_t> bytes, const Codecs& codecs) const
{
    for (std::size_t i = 0; i < flags_.size(); ++i)
        codecs.byte_bit_change(bytes[flags_[i].byte], flags_[i].bit, boxes_[i]->isChecked() ? 1 : 0);
}

void FlagBoxes::set_checked(std::size_t i, bool on) { boxes_[i]->setChecked(on); }

void FlagBoxes::set_text(std::size_t i, const QString& text) { boxes_[i]->setText(text); }

}  // namespace tw
