#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// One QApplication for every test of a program, offscreen, with the user's
// folders kept apart from the real ones.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quintaro"));
    }
    void TearDown() override { delete app_; }

  private:
    QApplication* app_ = nullptr;
    QTemporaryDir settings_;
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
