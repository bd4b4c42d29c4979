#include "dialogs/helpform.h"

#include "dialogs/background.h"
#include "dialogs/maker.h"
#include "dialogs/helppages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

struct Page {
    const char* caption;
    int tag;
    QString (*text)();
};

const Page kPages[] = {
    {QT_TRANSLATE_NOOP("Thelp", "Overview"), 1, helppages::overview},
    {QT_TRANSLATE_NOOP("Thelp", "Connecting"), 2, helppages::connecting},
    {QT_TRANSLATE_NOOP("Thelp", "Game Play"), 3, helppages::gamePlay},
    {QT_TRANSLATE_NOOP("Thelp", "Scoring"), 4, helppages::scoring},
    {QT_TRANSLATE_NOOP("Thelp", "Documentation"), 5, helppages::documentation},
    {QT_TRANSLATE_NOOP("Thelp", "License"), 6, helppages::license},
    {QT_TRANSLATE_NOOP("Thelp", "The Lobby"), 11, helppages::lobby},
};

} // namespace

Thelp::Thelp(QWidget* parent, const QPixmap& background, YearClock year)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Thelp"));
    setWindowTitle(tr("Tilvaro - Help File"));
    setTiledBackground(this, background);
    if (!year)
        year = systemYear;

    label_caption = new QLabel(this);
    label_caption->setObjectName(QStringLiteral("label_caption"));
    label_caption->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2f7a45, stop:1 #164625);"
        "color: #f2d06a; font-weight: bold; padding: 5px 10px; border: 1px solid #c9a23c; border-radius: 4px;"));
    QFont captionFont = label_caption->font();
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.25);
    label_caption->setFont(captionFont);

    pages_ = new QStackedWidget(this);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(5);
    for (const Page& page : kPages) {
        auto* memo = new QTextEdit(this);
        memo->setObjectName(QStringLiteral("memo%1").arg(page.tag));
        memo->setReadOnly(true);
        memo->setHtml(page.text());
        memo->document()->setDocumentMargin(10);
        memo->setStyleSheet(QStringLiteral("QTextEdit { background: #fffdf6; border: 1px solid #8a7a5e; }"));
        pages_->addWidget(memo);
        memos_[page.tag] = memo;

        auto* button = new QPushButton(tr(page.caption), this);
        button->setObjectName(QStringLiteral("SelButton%1").arg(page.tag));
        button->setProperty("tag", page.tag);
        button->setMinimumWidth(130);
        connect(button, &QPushButton::clicked, this, [this, button] { SelButton1Click(button); });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* about = new QPushButton(tr("About"), this);
    about->setObjectName(QStringLiteral("button_about"));
    connect(about, &QPushButton::clicked, this, &Thelp::button_aboutClick);
    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("button_done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(about);
    buttons->addWidget(done);

    auto* pageColumn = new QVBoxLayout;
    pageColumn->setSpacing(4);
    pageColumn->addWidget(label_caption);
    pageColumn->addWidget(pages_, 1);

    auto* created = new QLabel(tr("Created by: <b>%1</b>").arg(QLatin1String(maker::kCompany)), this);
    auto* copyright = new QLabel(tr("Copyright \u00a9 %1 - ").arg(maker::kFirstYear), this);
    label_year = new QLabel(QString::number(year()), this);
    label_year->setObjectName(QStringLiteral("label_year"));
    auto* footer = new QHBoxLayout;
    footer->setSpacing(0);
    footer->addWidget(created);
    footer->addStretch();
    footer->addWidget(copyright);
    footer->addWidget(label_year);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addLayout(buttons);
    body->addLayout(pageColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 8);
    layout->addLayout(body, 1);
    layout->addLayout(footer);
    setFixedSize(680, 480);

    SelButton1Click(findChild<QPushButton*>(QStringLiteral("SelButton1")));
}

void Thelp::SelButton1Click(QPushButton* button)
{
    const auto memo = memos_.find(button->property("tag").toInt());
    if (memo == memos_.end())
        return;
    pages_->setCurrentWidget(memo->second);
    label_caption->setText(button->text());
}

void Thelp::button_aboutClick()
{
    if (showAbout_)
        showAbout_();
}

QTextEdit* Thelp::currentPage() const { return qobject_cast<QTextEdit*>(pages_->currentWidget()); }
