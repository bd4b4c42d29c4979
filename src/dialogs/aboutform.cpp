#include "dialogs/aboutform.h"

#include "dialogs/background.h"
#include "dialogs/maker.h"
#include "game/version.h"
#include "platform/opener.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QHBoxLayout* centredLine()
{
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    line->addStretch();
    return line;
}

} // namespace

Tabout::Tabout(QWidget* parent, const QPixmap& background, YearClock year)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), URL1(desktopOpener())
{
    setObjectName(QStringLiteral("Tabout"));
    setWindowTitle(tr("Tilvaro - About"));
    setTiledBackground(this, background);
    URL1.URL = QLatin1String(maker::kWebSite);
    URL1.URLType = TURLType::utHttp;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(6);
    layout->addLayout(buildHead());
    layout->addSpacing(8);
    layout->addLayout(buildVersionLine());
    layout->addSpacing(6);
    addMaker(layout, year ? year : YearClock(systemYear));
    layout->addStretch();
    layout->addLayout(buildDoneLine());
    setFixedSize(340, 272);
}

QLayout* Tabout::buildHead()
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/icon/64.png")));
    Image1->setFixedSize(64, 64);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    auto* name = new QLabel(QStringLiteral("Tilvaro"), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: #164625"));
    auto* kind = new QLabel(tr("Chicken Foot dominoes"), this);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(0);
    titles->addStretch();
    titles->addWidget(name);
    titles->addWidget(kind);
    titles->addStretch();

    auto* head = new QHBoxLayout;
    head->setSpacing(14);
    head->addStretch();
    head->addWidget(Image1);
    head->addLayout(titles);
    head->addStretch();
    return head;
}

QLayout* Tabout::buildVersionLine()
{
    // Three labels in a row, without gaps, so the box reads "Version " + version + ".2".
    version = new QLabel(QString::fromLatin1(game::version()), this);
    version->setObjectName(QStringLiteral("version"));
    auto* line = centredLine();
    line->addWidget(new QLabel(tr("Version "), this));
    line->addWidget(version);
    line->addWidget(new QLabel(QStringLiteral(".2"), this));
    line->addStretch();
    return line;
}

void Tabout::addMaker(QVBoxLayout* layout, const YearClock& year)
{
    label_year = new QLabel(QString::number(year()), this);
    label_year->setObjectName(QStringLiteral("label_year"));
    auto* copyrightLine = centredLine();
    copyrightLine->addWidget(new QLabel(tr("Copyright \u00a9 %1 - ").arg(maker::kFirstYear), this));
    copyrightLine->addWidget(label_year);
    copyrightLine->addStretch();
    auto* company = new QLabel(QLatin1String(maker::kCompany), this);
    company->setAlignment(Qt::AlignCenter);
    auto* programmer = new QLabel(tr("Programmed by: %1").arg(QLatin1String(maker::kCompany)), this);
    programmer->setAlignment(Qt::AlignCenter);

    Label7 = new QLabel(QLatin1String(maker::kWebSite), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setStyleSheet(QStringLiteral("color: #1f4fd8; text-decoration: underline"));
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->setAlignment(Qt::AlignCenter);
    Label7->installEventFilter(this);

    layout->addLayout(copyrightLine);
    layout->addWidget(company);
    layout->addSpacing(6);
    layout->addWidget(programmer);
    layout->addWidget(Label7);
}

QLayout* Tabout::buildDoneLine()
{
    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("Button1"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &Tabout::Button1Click);
    auto* line = centredLine();
    line->addWidget(done);
    line->addStretch();
    return line;
}

QString Tabout::versionText() const { return version->text(); }

void Tabout::Button1Click() { hide(); }

void Tabout::Image1Click() { hide(); }

void Tabout::Label7Click() { URL1.open(); }

bool Tabout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Image1) {
            Image1Click();
            return true;
        }
        if (watched == Label7) {
            Label7Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
