#pragma once
#include "editors/common/RecordEditor.h"

namespace tw {

// The names of the ten department groups, one group at a time. Save keeps
// the chosen group on the screen.
class FrmDeptGroupSetting : public RecordEditor {
    Q_OBJECT
public:
    FrmDeptGroupSetting(ScreenContext& context, QWidget* caller);

protected:
    int record_count() const override;
    int next_record(int saved) const override;
    std::span<std::uint8_t> record_bytes(int n) override;
};

}  // namespace tw
