// The one QApplication that widgets need, made when the tests run rather
// than when they are only listed, which happens where there is no display.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QtApplication : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[24] = "quillmere_qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const testing::Environment* const kQtApplication = testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
