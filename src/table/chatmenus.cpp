#include "table/chatmenus.h"

#include "table/chatinput.h"
#include "table/chatpanel.h"
#include "table/smileys.h"

#include <QCoreApplication>
#include <QAction>
#include <QLineEdit>
#include <QMenu>

ChatMenus::ChatMenus(ChatPanel& panel) : QObject(&panel), panel_(panel)
{
    ChatView* mainchat = panel.view();
    QLineEdit* mychat = panel.input();
    // Entries belong to the panel, so the table finds them by name among its children.
    const auto entry = [&panel](QMenu* menu, const char* name, const QString& text) {
        auto* action = new QAction(text, &panel);
        action->setObjectName(QString::fromLatin1(name));
        if (menu)
            menu->addAction(action);
        return action;
    };

    popup_smilies = new QMenu(&panel);
    popup_smilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int number = 10; number <= 27; ++number) {
        QAction* smiley = popup_smilies->addAction(smileyIcon(number - 10), QStringLiteral(":)#%1").arg(number));
        smiley->setObjectName(QStringLiteral("smiley%1").arg(number));
        smiley->setToolTip(smileyName(number - 10));
        connect(smiley, &QAction::triggered, this, [&panel, number] { panel.chatInput().N271Click(number); });
    }

    popup_mainchat = new QMenu(&panel);
    popup_mainchat->setObjectName(QStringLiteral("popup_mainchat"));
    connect(entry(popup_mainchat, "SelectAll1", QCoreApplication::translate("ChatMenus", "Select All")), &QAction::triggered, this,
            [&panel] { panel.SelectAll1Click(); });
    QAction* copy = entry(popup_mainchat, "Copy1", QCoreApplication::translate("ChatMenus", "Copy"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mainchat->addAction(copy); // Ctrl+C in the view copies, too
    connect(copy, &QAction::triggered, this, [&panel] { panel.Copy1Click(); });
    ClearMainChat2 = entry(popup_mainchat, "ClearMainChat2", QCoreApplication::translate("ChatMenus", "Clear Main Chat"));
    popup_mainchat->addSeparator();
    ScrollChatOff2 = entry(popup_mainchat, "ScrollChatOff2", QCoreApplication::translate("ChatMenus", "Scroll Chat Off"));
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat, &QWidget::customContextMenuRequested, this,
            [this, mainchat](const QPoint& at) { popup_mainchat->popup(mainchat->mapToGlobal(at)); });

    popup_mychat = new QMenu(&panel);
    popup_mychat->setObjectName(QStringLiteral("popup_mychat"));
    QAction* paste = entry(popup_mychat, "Paste1", QCoreApplication::translate("ChatMenus", "Paste"));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    paste->setShortcutContext(Qt::WidgetShortcut); // the input's own key handling pastes
    connect(paste, &QAction::triggered, this, [&panel] { panel.chatInput().Paste1Click(); });
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this, mychat](const QPoint& at) { popup_mychat->popup(mychat->mapToGlobal(at)); });

    // The Options menu's entries; the table puts them in its menu.
    TextColor1 = entry(nullptr, "TextColor1", QCoreApplication::translate("ChatMenus", "Text Color"));
    connect(TextColor1, &QAction::triggered, this, [&panel] { panel.TextColor1Click(); });
    for (int i = 0; i < 4; ++i) {
        QAction* size = entry(nullptr, ("N" + std::to_string(kTextSizes[i])).c_str(), QString::number(kTextSizes[i]));
        size->setCheckable(true);
        connect(size, &QAction::triggered, this, [this, i] { textSizeChosen(i); });
        textSizeEntries_[static_cast<std::size_t>(i)] = size;
    }
    ScrollChatOff1 = entry(nullptr, "ScrollChatOff1", QCoreApplication::translate("ChatMenus", "Scroll Chat Off"));
    ClearMainChat1 = entry(nullptr, "ClearMainChat1", QCoreApplication::translate("ChatMenus", "Clear Main Chat"));

    for (QAction* scroll : {ScrollChatOff1, ScrollChatOff2}) {
        scroll->setCheckable(true);
        scroll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(scroll, &QAction::toggled, this, [this](bool on) { setScrollChatOff(on); });
    }
    // One Ctrl+S for the window; the view's menu shows it and answers it while open.
    ScrollChatOff2->setShortcutContext(Qt::WidgetShortcut);
    for (QAction* clear : {ClearMainChat1, ClearMainChat2})
        connect(clear, &QAction::triggered, this, [&panel] { panel.ClearMainChat1Click(); });
}

void ChatMenus::setScrollChatOff(bool on)
{
    scrollChatOff_ = on;
    ScrollChatOff1->setChecked(on);
    ScrollChatOff2->setChecked(on);
}

void ChatMenus::checkTextSize(int points)
{
    for (QAction* size : textSizeEntries_)
        if (size->text() == QString::number(points))
            size->setChecked(true);
}

void ChatMenus::textSizeChosen(int index)
{
    panel_.setTextSize(kTextSizes[index]);
    for (std::size_t i = 0; i < textSizeEntries_.size(); ++i)
        textSizeEntries_[i]->setChecked(static_cast<int>(i) == index);
    if (panel_.onSettingsChanged)
        panel_.onSettingsChanged(SettingsOption::TextSize);
}
