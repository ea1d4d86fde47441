// Every test binary of the window needs one QApplication for its whole run.
// A global test environment makes it before the first test and destroys it
// after the last.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/quillan_app.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // Tests run as root, where the browser's sandbox cannot start. The
        // registration's environment list loses this entry on its way to CTest,
        // so the binary makes sure of it itself.
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        }
        CQuillanApp::enableEmbeddedControls();
        application_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete application_;
        application_ = nullptr;
    }

  private:
    int argc_ = 1;
    char name_[16] = "quillan-tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* application_ = nullptr;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
