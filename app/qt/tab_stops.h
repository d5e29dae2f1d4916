#pragma once
// Qt puts a label's tab stops 80 pixels apart, whatever its font. The
// game's texts count their tabs for stops five full-width characters
// apart: the orb's hint follows a name of up to four characters with two
// tabs and the one name of six with one, so that what follows each name
// starts in one column. This lays a message box's text out on such stops;
// the text itself stays as the game gave it.

class QMessageBox;

namespace qm::qt {

void LineUpTabs(QMessageBox& box);

}  // namespace qm::qt
