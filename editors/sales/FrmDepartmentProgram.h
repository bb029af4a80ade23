#pragma once
#include "editors/common/RecordEditor.h"

namespace tw {

// The 99 departments: one is edited in the fields, all are listed in the
// overview grid, whose cyan row is the loaded department.
class FrmDepartmentProgram : public RecordEditor {
    Q_OBJECT
public:
    FrmDepartmentProgram(ScreenContext& context, QWidget* caller);

    static constexpr long long kMaxGroup = 10;
    static constexpr long long kMaxPrice = 9999999;

protected:
    int record_count() const override;
    int next_record(int saved) const override;
    std::span<std::uint8_t> record_bytes(int n) override;
    void store_record(int n) override;
};

}  // namespace tw
