// What the table tells its score sheet besides the host's messages (the names on the seats), the
// game seed the hosting player sees, and the menu item that opens the sheet.
#include "host/serverform.h"
#include "table/chatform.h"
#include "table/chatpanel.h"

#include <QLabel>

game::SheetSeatNames Tchat::sheetNames() const
{
    game::SheetSeatNames names;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const QString shown = caption(seat);
        const bool nobody = shown == QStringLiteral("<Waiting>") || shown == computerName(seat) || shown.isEmpty();
        names.shown[seat] = (nobody ? computerName(seat) : shown).toStdString();
        names.player[seat] = !nobody;
    }
    return names;
}

void Tchat::showGameSeed()
{
    // Only the hosting table knows the generator the host deals with; a player who reports an
    // odd game quotes this number, and TILVARO_SEED set to it deals the game again.
    // Its colon names no one, so it is shown whole rather than as a name and a text.
    if (hosting_ && server_)
        chatPanel_->addNotice(QStringLiteral("Game seed: %1").arg(server_->engine().gameSeed()), systemLineColor());
}

void Tchat::ScoreSheet1Click()
{
    if (onShowScoreSheet)
        onShowScoreSheet();
}
