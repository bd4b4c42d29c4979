#include "dialogs/helpform.h"

Thelp::Thelp(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Thelp"));
    setWindowTitle(QStringLiteral("Tilvaro - Help File"));
}
