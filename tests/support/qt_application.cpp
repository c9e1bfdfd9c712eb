// The one QApplication of the GUI tests, made before the first test runs.
// Every test file of this program may create widgets freely; none may make
// an application object of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QApplication::instance()) return;
    // Run without a display unless the caller chose a platform (e.g. xcb
    // under Xvfb to look at the windows).
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "korvane_tests";
    static char* argv[] = {name, nullptr};
    application_ = new QApplication(argc, argv);
  }
  // The application lives until the process ends: a test that leaked a
  // window must not take the others down with it.

 private:
  QApplication* application_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
