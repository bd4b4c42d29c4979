#include "dialogs/aboutform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tabout::Tabout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tabout"));
    setWindowTitle(QStringLiteral("Tilvaro - About"));

    // Three labels in a row, without gaps, so the box reads "Version 1.0.4.2".
    version = new QLabel(QStringLiteral("1.0.4"), this);
    version->setObjectName(QStringLiteral("version"));
    auto* versionLine = new QHBoxLayout;
    versionLine->setSpacing(0);
    versionLine->addStretch();
    versionLine->addWidget(new QLabel(QStringLiteral("Version "), this));
    versionLine->addWidget(version);
    versionLine->addWidget(new QLabel(QStringLiteral(".2"), this));
    versionLine->addStretch();

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    auto* doneLine = new QHBoxLayout;
    doneLine->addStretch();
    doneLine->addWidget(done);
    doneLine->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(versionLine);
    layout->addStretch();
    layout->addLayout(doneLine);
}

QString Tabout::versionText() const { return version->text(); }
