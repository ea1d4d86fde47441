// Test binaries of plain widgets (no browser) need one QApplication for their
// whole run: a global test environment makes it before the first test and
// destroys it after the last. Linked in as an object, so that it registers.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class WidgetsApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "quillan-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new WidgetsApplicationEnvironment);

}  // namespace
