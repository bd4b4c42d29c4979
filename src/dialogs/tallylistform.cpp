#include "dialogs/tallylistform.h"

Ttallylist::Ttallylist(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Ttallylist"));
    setWindowTitle(QStringLiteral("Tilvaro - Tally List"));
}
