#pragma once
// ChatMenus: the chat's menus and the entries it lends the table's Options menu. The smiley menu,
// the view's menu (Select All, Copy, Clear Main Chat, Scroll Chat Off), the input's menu (Paste),
// and the Options entries "Text Color", the "Text Size" entries, "Scroll Chat Off" and "Clear
// Main Chat". What an entry does is the panel's; the two "Scroll Chat Off" entries share one state.

#include <QObject>

#include <array>

class ChatPanel;
class QAction;
class QMenu;

class ChatMenus : public QObject {
public:
    static constexpr int kTextSizes[4] = {8, 10, 12, 14};

    explicit ChatMenus(ChatPanel& panel);

    QMenu* smileys() const { return popup_smilies; }
    QMenu* viewMenu() const { return popup_mainchat; }
    QMenu* inputMenu() const { return popup_mychat; }
    QAction* textColourEntry() const { return TextColor1; }
    const std::array<QAction*, 4>& textSizeEntries() const { return textSizeEntries_; }
    QAction* scrollChatOffEntry() const { return ScrollChatOff1; }
    QAction* clearMainChatEntry() const { return ClearMainChat1; }

    bool scrollChatOff() const { return scrollChatOff_; }
    void setScrollChatOff(bool on);
    // Checks the "Text Size" entry of that caption, if there is one; the others keep their marks.
    void checkTextSize(int points);

private:
    void textSizeChosen(int index);

    ChatPanel& panel_;
    bool scrollChatOff_ = false;
    QMenu* popup_smilies = nullptr;
    QMenu* popup_mainchat = nullptr;
    QMenu* popup_mychat = nullptr;
    QAction* ScrollChatOff1 = nullptr; // Options
    QAction* ScrollChatOff2 = nullptr; // the view's menu
    QAction* ClearMainChat1 = nullptr;
    QAction* ClearMainChat2 = nullptr;
    QAction* TextColor1 = nullptr;
    std::array<QAction*, 4> textSizeEntries_{};
};
