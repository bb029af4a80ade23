#pragma once
#include "editors/common/RecordEditor.h"

namespace tw {

// The ten in-store barcode formats: one in the fields, all in the overview
// grid. Save moves on to the next format.
class FrmInstoreBarcodeSetting : public RecordEditor {
    Q_OBJECT
public:
    FrmInstoreBarcodeSetting(ScreenContext& context, QWidget* caller);

protected:
    int record_count() const override;
    int next_record(int saved) const override;
    std::span<std::uint8_t> record_bytes(int n) override;
};

}  // namespace tw
