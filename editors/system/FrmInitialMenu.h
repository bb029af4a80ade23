#pragma once
#include "editors/common/OptionEditor.h"

namespace tw {

// The register's basic behaviour: its language, date and time format, key
// tone, winding motor, European rounding and register mode. Saving a new
// language also loads that language's register texts into the image.
class FrmInitialMenu : public OptionEditor {
    Q_OBJECT
public:
    FrmInitialMenu(ScreenContext& context, QWidget* caller);

    // The screen's fields and their places, for the map of the option bytes.
    static const OptionPage& page();

protected:
    void save_fields() override;
};

}  // namespace tw
