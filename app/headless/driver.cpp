#include "driver.h"

#include "game/events.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "game/window_size.h"

namespace qm::headless {

Driver::Driver(const std::string& gameDir, std::ostream& out) : ScriptDriver(gameDir, out), dialogs_(out) {}

Driver::~Driver() = default;

void Driver::Start() {
    Form_Load(*game_);
    if (!game_->exitCode) Form_Activate(*game_);
}

void Driver::Stop() { Form_Unload(*game_); }

void Driver::Click(Control& control) { qm::Click(*game_, control); }

void Driver::Choose(Control& item) { qm::Click(*game_, item); }

void Driver::Select(Control& list, int row) { SelectRow(*game_, list, row); }

void Driver::Set(Control& bar, int value, bool drag) {
    drag ? Scroll(*game_, bar, value) : SetValue(*game_, bar, value);
}

void Driver::MouseUp(Control& control, int button) { qm::MouseUp(*game_, control, button); }

void Driver::Tick(Control& timer) { qm::Tick(*game_, timer); }

void Driver::Resize(int heightTwips) {
    game_->form.Frm.height = heightTwips;
    Form_Resize(*game_);
}

}  // namespace qm::headless
