#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// Price decimals, fraction rounding and the register's counters. Save hands
// the decimal position to the price fields of the other editors at once; a
// GT field left empty stops Save before the file is written.
class FrmSystemOption : public OptionEditor {
    Q_OBJECT
public:
    FrmSystemOption(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();

protected:
    void save_fields() override;
};

}  // namespace tw
