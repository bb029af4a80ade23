#pragma once
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "keyboard/keyboard_layout.h"

class QCheckBox;
class QGridLayout;
class QWidget;

namespace tw {

class Codecs;

// The check boxes of a report chain or a pop-up list: one per named bit,
// named after its flag and a suffix ("Chk_PO" + "2"), laid out in columns.
// A ticked box sets its bit; the other bits of the bytes are never touched.
class FlagBoxes {
public:
    FlagBoxes(std::span<const keyboard::BitFlag> flags, const QString& suffix, QWidget* parent, int columns);

    QGridLayout* grid() const { return grid_; }
    std::span<const keyboard::BitFlag> flags() const { return flags_; }
    QCheckBox* box(std::size_t i) const { return boxes_.at(i); }

    void load(std::span<const std::uint8_t> bytes, const Codecs& codecs);
    void save(std::span<std::uint8_t> bytes, const Codecs& codecs) const;

    // Captions each box with `captionOf` its flag.
    template <class F>
    void set_texts(F captionOf)
    {
        for (std::size_t i = 0; i < flags_.size(); ++i)
            set_text(i, captionOf(flags_[i]));
    }

    // Ticks the boxes whose flag passes `ticked`, clears the others.
    template <class F>
    void tick(F ticked)
    {
        for (std::size_t i = 0; i < flags_.size(); ++i)
            set_checked(i, ticked(flags_[i]));
    }

private:
    void set_checked(std::size_t i, bool on);
    void set_text(std::size_t i, const QString& text);

    std::span<const keyboard::BitFlag> flags_;
    QGridLayout* grid_;
    std::vector<QCheckBox*> boxes_;
};

}  // namespace tw
