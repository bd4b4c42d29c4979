#include "dialogs/phrasesform.h"

Tphrases::Tphrases(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tphrases"));
    // The blank at the end belongs to the caption.
    setWindowTitle(QStringLiteral("Tilvaro - Phrase Buttons "));
}
