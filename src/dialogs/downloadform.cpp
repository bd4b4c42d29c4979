#include "dialogs/downloadform.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tdownload::Tdownload(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Tdownload"));
    setWindowTitle(QStringLiteral("Download The Brisko Lobby"));

    auto* soloText = new QLabel(
        QStringLiteral("To proceed to the game without the ability to play against others click the button below."),
        this);
    soloText->setWordWrap(true);
    Button1 = new QPushButton(QStringLiteral("Play Solo Game"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tdownload::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(soloText);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

void Tdownload::Button1Click() { hide(); }
