#pragma once
// quillmere-headless: runs the game's core with fake ports from a script of
// commands, one per line, and prints what the player would see and what
// the test asks to be shown.

#include "player_storage.h"
#include "script_driver.h"

namespace qm::headless {

class Driver : public ScriptDriver {
public:
    Driver(const std::string& gameDir, std::ostream& out);
    ~Driver() override;

private:
    void Start() override;
    void Stop() override;
    void Click(Control& control) override;
    void Choose(Control& item) override;
    void Select(Control& list, int row) override;
    void Set(Control& bar, int value, bool drag) override;
    void MouseUp(Control& control, int button) override;
    void Tick(Control& timer) override;
    void Resize(int heightTwips) override;
    Dialogs& DialogsPort() override { return dialogs_; }
    Pictures& PicturesPort() override { return pictures_; }
    Storage& StoragePort() override { return storage_; }

    PrintedDialogs dialogs_;
    HeaderPictures pictures_;
    PlayerStorage storage_;
};

}  // namespace qm::headless
