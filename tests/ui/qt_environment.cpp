// One QApplication for the whole suite, on the offscreen platform unless the
// environment names another.
#include <QApplication>
#include <QLocale>
#include <memory>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Numbers in the tests are written with a decimal point.
        QLocale::setDefault(QLocale::c());
        application_ = std::make_unique<QApplication>(argc_, argv_);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[9] = "ui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] testing::Environment* const kQt = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
