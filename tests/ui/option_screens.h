#pragma once
// Every option screen with its page table, for the tests that run over all
// of them: the owners of the shared option bits, random images kept byte for
// byte, every field moved to another value.
#include <random>
#include <vector>

#include "editor_fixture.h"
#include "editors/common/OptionEditor.h"
#include "editors/sales/FrmPORAMPKeyMenu.h"
#include "editors/sales/FrmPercentageMenu.h"
#include "editors/system/FrmClerkMenuSetup.h"
#include "editors/system/FrmEJSetup.h"
#include "editors/system/FrmHospitalitySetup.h"
#include "editors/system/FrmNSMenuSetting.h"
#include "editors/system/FrmPermissionProgram.h"
#include "editors/system/FrmPrintMode.h"
#include "editors/system/FrmReportSetup.h"
#include "editors/system/FrmSystemOption.h"
#include "editors/system/FrmWorkingMode.h"

namespace tw::test {

class OptionFixture : public EditorFixture {
public:
    explicit OptionFixture(int model = 1) : EditorFixture(model) {}
    using EditorFixture::choose;
    using EditorFixture::open;
    using EditorFixture::type_into;
};

struct OptionScreen {
    const char* name;
    const OptionPage& (*page)();
    void (*open)(OptionFixture&);
};

template <class T>
OptionScreen option_screen(const char* name)
{
    return {name, &T::page, [](OptionFixture& f) { f.open<T>(); }};
}

inline std::vector<OptionScreen> option_screens()
{
    return {
        option_screen<FrmPercentageMenu>("FrmPercentageMenu"),
        option_screen<FrmPORAMPKeyMenu>("FrmPORAMPKeyMenu"),
        option_screen<FrmPermissionProgram>("FrmPermissionProgram"),
        option_screen<FrmSystemOption>("FrmSystemOption"),
        option_screen<FrmNSMenuSetting>("FrmNSMenuSetting"),
        option_screen<FrmWorkingMode>("FrmWorkingMode"),
        option_screen<FrmPrintMode>("FrmPrintMode"),
        option_screen<FrmReportSetup>("FrmReportSetup"),
        option_screen<FrmEJSetup>("FrmEJSetup"),
        option_screen<FrmClerkMenuSetup>("FrmClerkMenuSetup"),
        option_screen<FrmHospitalitySetup>("FrmHospitalitySetup"),
    };
}

inline std::vector<const Field*> fields_of(const OptionScreen& screen) { return page_fields(screen.page().groups); }

// The largest number a numeric field takes: its maximum, or what its bytes hold.
inline long long largest(const Field& f)
{
    if (f.number.maximum >= 0)
        return f.number.maximum;
    long long n = 1;
    for (int i = 0; i < 2 * f.place.width && i < 18; ++i)
        n *= 10;
    return n - 1;
}

// A value from the field's set: one of its choices, or a number it takes.
inline long long random_value(const Field& f, std::mt19937& random)
{
    if (is_choice(f))
        return f.choices.choices[random() % f.choices.choices.size()].number;
    return std::uniform_int_distribution<long long>(0, largest(f))(random);
}

// Another value of the field's set than `current`.
inline long long other_value(const Field& f, long long current)
{
    if (is_choice(f)) {
        const auto& c = f.choices.choices;
        for (std::size_t i = 0; i < c.size(); ++i)
            if (c[i].number == current)
                return c[(i + 1) % c.size()].number;
        return c[0].number;
    }
    return current == largest(f) ? current - 1 : current + 1;
}

// Puts values of their sets into the places of the screen's fields.
inline void fill_in_set(Session& s, const OptionScreen& screen, std::mt19937& random)
{
    for (const Field* f : fields_of(screen))
        write_number(s.image.bytes, f->place, random_value(*f, random), s.codecs);
}

inline void PrintTo(const OptionScreen& screen, std::ostream* out) { *out << screen.name; }

}  // namespace tw::test
