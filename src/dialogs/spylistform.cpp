#include "dialogs/spylistform.h"

#include "dialogs/background.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

Tspylist::Tspylist(QAbstractItemModel* spys, const QPixmap& background, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Tspylist"));
    setWindowTitle(tr("Tilvaro - Spys"));
    resize(200, 260);
    setTiledBackground(this, background);

    auto* heading = new QLabel(tr("Spy List"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    listbox_spys = new QListView(this);
    listbox_spys->setObjectName(QStringLiteral("listbox_spys"));
    listbox_spys->setModel(spys);
    listbox_spys->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listbox_spys->setSelectionMode(QAbstractItemView::SingleSelection);
    listbox_spys->setProperty("tag", -1);
    listbox_spys->viewport()->setMouseTracking(true);
    listbox_spys->viewport()->installEventFilter(this);
    listbox_spys->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listbox_spys, &QWidget::customContextMenuRequested, this, &Tspylist::popup_kickPopup);

    popup_kick = new QMenu(this);
    popup_kick->setObjectName(QStringLiteral("popup_kick"));
    popup_kickhim = popup_kick->addAction(tr("Remove From Game"));
    popup_kickhim->setObjectName(QStringLiteral("popup_kickhim"));
    popup_kickhim->setEnabled(false);
    connect(popup_kickhim, &QAction::triggered, this, &Tspylist::popup_kickhimClick);

    auto* done = new QPushButton(tr("Done"), this);
    connect(done, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(listbox_spys);
    layout->addLayout(buttons);
}

void Tspylist::setHosting(bool hosting) { popup_kickhim->setEnabled(hosting); }

int Tspylist::lineUnderPointer() const { return listbox_spys->property("tag").toInt(); }

void Tspylist::popup_kickhimClick()
{
    // The line under the pointer when the menu opened, not the selected one.
    const int line = lineUnderPointer();
    const QAbstractItemModel* spys = listbox_spys->model();
    if (line < 0 || !spys || line >= spys->rowCount() || !kicking_)
        return;
    const QString text = spys->index(line, 0).data().toString();
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    bool isNumber = false;
    const int seat = text.left(colon).toInt(&isNumber, 10);
    if (isNumber)
        kicking_(seat);
}

bool Tspylist::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == listbox_spys->viewport() && event->type() == QEvent::MouseMove)
        notePointerAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QDialog::eventFilter(watched, event);
}

void Tspylist::notePointerAt(const QPoint& position)
{
    const QModelIndex under = listbox_spys->indexAt(position);
    listbox_spys->setProperty("tag", under.isValid() ? under.row() : -1);
}

void Tspylist::popup_kickPopup(const QPoint& position)
{
    // The line where the menu opens counts even when no move came first. Moving into the open
    // menu is no move over the list, so that line stays noted until an entry is chosen.
    notePointerAt(position);
    popup_kick->popup(listbox_spys->viewport()->mapToGlobal(position));
}
