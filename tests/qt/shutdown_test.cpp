// The ways a run ends besides the player's own close: a logout, which Qt
// turns into the application's quit, and the signals a system sends.

#include <signal.h>

#include <QApplication>

#include "termination_signals.h"
#include "window_fixture.h"

namespace qm::qt {
namespace {

TEST_F(QtWindow, ALogoutShutsTheGameDownAsACloseDoes) {
    ShowActive();
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    EXPECT_EQ(0, QApplication::exec());
    EXPECT_EQ(0, game.exitCode);
    EXPECT_TRUE(std::filesystem::exists(PathOf("sys/lstphoto.dat")));
}

TEST_F(QtWindow, SigtermShutsTheGameDownAsACloseDoes) {
    ShowActive();
    CloseOnTerminationSignals(window);
    ::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([this] { return game.exitCode.has_value(); }));
    EXPECT_TRUE(std::filesystem::exists(PathOf("sys/lstphoto.dat")));
}

}  // namespace
}  // namespace qm::qt
