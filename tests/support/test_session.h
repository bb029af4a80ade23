#pragma once
#include <memory>

#include "app/session.h"
#include "support/recording_effects.h"
#include "support/temp_dir.h"

namespace tw::test {

// A session over a fresh temporary application directory whose working
// directories exist, with recorded effects and a fixed clock
// (08-12-25 09:05:07).
struct TestSession {
    TestSession()
    {
        create_missing_directories(dirs);
    }
    TempDir root;
    Directories dirs = Directories::from_app_dir(root.str());
    RecordingEffects effects;
    Session session{dirs, effects, [] { return LocalTime{2025, 12, 8, 9, 5, 7}; }};

    std::vector<std::string> log() const { return log_texts(session.log.path()); }
};

}  // namespace tw::test
