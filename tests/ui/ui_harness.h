#pragma once
#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/FrmPres.h"
#include "app/qt_language_hooks.h"
#include "app/screen_context.h"
#include "app/session.h"
#include "app/ui_effects.h"
#include "support/recording_effects.h"
#include "support/temp_dir.h"

namespace tw::test {

// Records the Qt-side effects: the help files opened, the busy pointer and
// the file dialogs (answered from a queue).
class RecordingUiEffects : public UiEffects {
public:
    struct FileDialog {
        QString title;
        QString directory;
        QString filter;
    };

    QString open_file_name(QWidget*, const QString& title, const QString& directory, const QString& filter) override
    {
        fileDialogs.push_back({title, directory, filter});
        return next();
    }
    QString save_file_name(QWidget*, const QString& title, const QString& directory, const QString& filter) override
    {
        fileDialogs.push_back({title, directory, filter});
        return next();
    }
    void show_help(QWidget*, const QString& helpFile, const QString& section) override
    {
        helpFiles.push_back(helpFile);
        helpSections.push_back(section);
    }
    void open_folder(const QString& directory) override { foldersOpened.push_back(directory); }
    void set_busy(bool busy) override
    {
        busyDepth += busy ? 1 : -1;
        maxBusyDepth = std::max(maxBusyDepth, busyDepth);
    }

    std::vector<QString> helpFiles;
    std::vector<QString> foldersOpened;
    std::vector<FileDialog> fileDialogs;
    std::vector<QString> helpSections;
    std::vector<QString> fileAnswers;
    int busyDepth = 0;
    int maxBusyDepth = 0;

private:
    QString next()
    {
        if (fileAnswers.empty())
            return {};
        QString a = fileAnswers.front();
        fileAnswers.erase(fileAnswers.begin());
        return a;
    }
};

// The program's screens over an application directory, with recorded effects
// and a fixed clock (08-12-25 09:05:07).
struct UiHarness {
    explicit UiHarness(const std::string& appDir) : dirs(Directories::from_app_dir(appDir))
    {
        create_missing_directories(dirs);
        session.language.hooks = &language;
    }
    ~UiHarness()
    {
        pres.reset();
        flush_deletions();
    }

    // The start screen, loaded and shown as the program shows it.
    FrmPres& start()
    {
        pres = std::make_unique<FrmPres>(context);
        pres->present(pres->screen()->availableGeometry());
        return *pres;
    }

    std::vector<std::string> log() const { return log_texts(session.log.path()); }

    // Screens unloaded by their Back button go at the next event loop turn.
    static void flush_deletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    Directories dirs;
    RecordingEffects effects;
    RecordingUiEffects ui;
    QtLanguageHooks language;
    Session session{dirs, effects, [] { return LocalTime{2025, 12, 8, 9, 5, 7}; }};
    ScreenContext context{session, ui, language};
    std::unique_ptr<FrmPres> pres;
};

// Copies the bundle's Setup/ (caption files, flags, pictures) and Dati/
// (the models' default files) into an application directory.
inline void copy_shipped_files(const std::filesystem::path& appDir)
{
    namespace fs = std::filesystem;
    for (const char* folder : {"Setup", "Dati", "help"})
        fs::copy(fs::path(TW_BUNDLE_DIR) / folder, appDir / folder, fs::copy_options::recursive);
}

// The one visible top-level window; fails when there is not exactly one.
inline QWidget* visible_window()
{
    QWidget* found = nullptr;
    int visible = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            found = w;
            ++visible;
        }
    }
    EXPECT_EQ(visible, 1) << "windows visible at once";
    return found;
}

// A control by its name; fails the test when it is missing.
template <class T = QWidget>
T* control(const QWidget* screen, const char* name)
{
    T* w = screen ? screen->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

// Clicks a button of the visible window, as the user does.
inline void click(const char* button)
{
    QWidget* window = visible_window();
    if (auto* b = control<QAbstractButton>(window, button)) {
        EXPECT_TRUE(b->isVisible() && b->isEnabled()) << button << " cannot be clicked";
        QTest::mouseClick(b, Qt::LeftButton);
    }
    UiHarness::flush_deletions();
}

// Gives the keyboard focus to a widget of an active window.
inline void focus(QWidget* w)
{
    w->window()->activateWindow();
    QApplication::setActiveWindow(w->window());
    w->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

}  // namespace tw::test
