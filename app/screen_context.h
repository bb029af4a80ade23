#pragma once

namespace tw {

struct Session;
class UiEffects;
class QtLanguageHooks;

// What every screen is handed: the program-wide values, the Qt-side effects
// and what the current language gives the screens (help file, flag).
struct ScreenContext {
    Session& session;
    UiEffects& ui;
    QtLanguageHooks& language;
};

}  // namespace tw
