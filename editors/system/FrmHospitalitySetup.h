#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// Table service: compulsory table and guests, exclusive clerk, review /
// pro-forma receipts and the consecutive number on the other receipts.
class FrmHospitalitySetup : public OptionEditor {
    Q_OBJECT
public:
    FrmHospitalitySetup(ScreenContext& context, QWidget* caller);
    static const OptionPage& page();
};

}  // namespace tw
