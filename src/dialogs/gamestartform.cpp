#include "dialogs/gamestartform.h"

#include "dialogs/background.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr QSize kClientSize(257, 260);
constexpr QSize kCheckSize(25, 28);
constexpr QSize kStartSize(102, 28);

QPixmap drawCheckBox(bool checked)
{
    QPixmap picture(kCheckSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(3.5, 5.5, 18, 18);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    if (checked) {
        painter.setPen(QPen(QColor(0, 110, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{7.5, 14.5}, {11.5, 19.5}, {19.5, 8.5}};
        painter.drawPolyline(tick, 3);
    }
    return picture;
}

QPixmap drawStartPicture()
{
    QPixmap picture(kStartSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, kStartSize.height());
    shade.setColorAt(0, QColor(90, 170, 90));
    shade.setColorAt(1, QColor(20, 100, 30));
    painter.setPen(QPen(QColor(10, 60, 15), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kStartSize.width() - 1, kStartSize.height() - 1), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QCoreApplication::translate("Tgamestart", "Start Game"));
    return picture;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& place,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(alignment);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

Tgamestart::Tgamestart(QWidget* table, const QPixmap& background)
    : QDialog(table, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), table_(table)
{
    setObjectName(QStringLiteral("Tgamestart"));
    setWindowTitle(tr("Tilvaro - Game Start"));
    setFixedSize(kClientSize);
    setTiledBackground(this, background);
    imagelist_checks = {drawCheckBox(false), drawCheckBox(true)};

    QLabel* heading = makeLabel(this, tr("Game Option"), QRect(0, 12, 257, 26),
                                Qt::AlignCenter, true);
    QFont large = heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    heading->setFont(large);

    makeLabel(this, tr("Rounds to Play:"), QRect(28, 52, 110, 24),
              Qt::AlignRight | Qt::AlignVCenter);
    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(146, 52, 56, 24);
    UpDown1->setRange(kFewestRounds, kMostRounds);
    UpDown1->setValue(kMostRounds);
    UpDown1->setWrapping(false);
    UpDown1->setGroupSeparatorShown(false);
    // The number itself cannot be typed over: it only moves with the arrows, within bounds.
    edit_playtoscore = UpDown1->findChild<QLineEdit*>();
    edit_playtoscore->setObjectName(QStringLiteral("edit_playtoscore"));
    edit_playtoscore->setReadOnly(true);

    label_newcomers = makeLabel(this, tr("NEWCOMERS"), QRect(0, 92, 257, 20),
                                Qt::AlignCenter, true);
    label_newcomers->setObjectName(QStringLiteral("label_newcomers"));
    label_newcomers->setProperty("tag", int(CannotPlay));

    const QString optionTexts[] = {tr("Cannot Play"), tr("Starts with Highest"),
                                   tr("Starts with Average")};
    for (int i = 0; i < 3; ++i) {
        const int top = 118 + i * 32;
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("image_newcomers%1").arg(i + 1));
        picture->setGeometry(QRect(QPoint(48, top), kCheckSize));
        picture->setProperty("tag", i + 1);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        image_newcomers[i] = picture;
        makeLabel(this, optionTexts[i], QRect(80, top + 4, 170, 20));
    }
    // Until the settings say otherwise, the option kept in the tag is the one shown.
    checkit(QStringLiteral("image_newcomers1"));

    button_start = new QPushButton(this);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setGeometry(QRect(QPoint((kClientSize.width() - kStartSize.width()) / 2, 220), kStartSize));
    button_start->setIcon(drawStartPicture());
    button_start->setIconSize(kStartSize);
    button_start->setFlat(true);
    button_start->setAccessibleName(tr("Start Game"));
    button_start->setDefault(true);
    connect(button_start, &QPushButton::clicked, this, &Tgamestart::button_startClick);
}

int Tgamestart::rounds() const { return UpDown1->value(); }

void Tgamestart::setRounds(int rounds) { UpDown1->setValue(std::clamp(rounds, kFewestRounds, kMostRounds)); }

int Tgamestart::newcomers() const { return label_newcomers->property("tag").toInt(); }

void Tgamestart::setNewcomers(int option)
{
    if (option >= CannotPlay && option <= StartWithAverage)
        checkit(QStringLiteral("image_newcomers%1").arg(option));
}

void Tgamestart::checkit(const QString& pictureName)
{
    const auto chosen = std::find_if(image_newcomers.begin(), image_newcomers.end(),
                                     [&](QLabel* picture) { return picture->objectName() == pictureName; });
    if (chosen == image_newcomers.end())
        return;
    for (QLabel* picture : image_newcomers)
        picture->setPixmap(imagelist_checks[0]);
    (*chosen)->setPixmap(imagelist_checks[1]);
    label_newcomers->setProperty("tag", (*chosen)->property("tag"));
}

void Tgamestart::button_startClick()
{
    if (startGame_)
        startGame_({playerName_, QString::number(rounds()), QString::number(newcomers()), QString()});
    hide();
    if (settingsChanged_)
        settingsChanged_();
}

void Tgamestart::showEvent(QShowEvent* event)
{
    if (table_ && !event->spontaneous()) {
        QRect place = frameGeometry();
        place.moveCenter(table_->frameGeometry().center());
        move(place.topLeft());
    }
    QDialog::showEvent(event);
}

bool Tgamestart::eventFilter(QObject* watched, QEvent* event)
{
    // Only the pictures choose an option, not the texts beside them.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* picture = qobject_cast<QLabel*>(watched);
        const auto* click = static_cast<QMouseEvent*>(event);
        if (picture && click->button() == Qt::LeftButton &&
            picture->rect().contains(click->position().toPoint())) {
            checkit(picture->objectName());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
