#pragma once
#include "editors/common/RecordEditor.h"

namespace tw {

// The 15 clerks: name, password, seven permission switches and the mode.
class FrmClerkSystemProgram : public RecordEditor {
    Q_OBJECT
public:
    FrmClerkSystemProgram(ScreenContext& context, QWidget* caller);

protected:
    int record_count() const override;
    int next_record(int saved) const override;
    std::span<std::uint8_t> record_bytes(int n) override;
};

}  // namespace tw
