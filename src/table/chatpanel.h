#pragma once
// ChatPanel: the table's chat. The view `mainchat` with its fifteen shared styles and its link
// table, the input `mychat` with its prompt, the smiley button and menu, and the nine phrase
// buttons with their pause. It knows the host only through three calls the table gives it
// (logged in? own seat? send this), so it is tested without a connection.
//
// The panel covers the rectangle from the first phrase button to the view's right edge; only its
// own controls take the mouse, so the seat rows and the pass button beneath stay reachable.

#include "game/message.h"
#include "game/phrases.h"
#include "table/chatview.h"
#include "table/settingsoption.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string_view>

class ClickImage;
class MessageBoxes;
class Opener;
class QAction;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

class ChatPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPhraseCount = game::kPhraseCount;
    static constexpr int kPhrasePauseMs = 2000;
    // The host relays a line only while the whole message (name and colour included) fits what
    // a table reads at once, 4096 bytes; 1,000 characters always do.
    static constexpr int kMaxInput = 1000;
    static const QString kPrompt;
    static const std::array<const char*, kPhraseCount> kDefaultPhrases;
    // Where the panel sits in the table's main panel.
    static constexpr QPoint kOrigin{292, 369};

    // `phraseButton` is the picture of the phrase buttons. The message boxes outlive the panel.
    ChatPanel(MessageBoxes& boxes, const QPixmap& phraseButton, QWidget* parent = nullptr);
    ~ChatPanel() override;

    // What the panel asks of the table. `send` may throw the socket's error (no connection).
    std::function<bool()> loggedIn;
    std::function<int()> ownSeat;
    std::function<void(const game::Message&)> send;
    // After "Text Color" confirmed (TextColour) and a "Text Size" chosen (TextSize): the settings
    // are written.
    std::function<void(SettingsOption)> onSettingsChanged;
    // The colour dialog; nothing when cancelled. Tests replace it.
    std::function<std::optional<QColor>(const QColor& current)> chooseColour;
    // The desktop's opener for links; the desktop's unless set. Not owned.
    void setOpener(Opener& opener) { opener_ = &opener; }

    // ---- The chat ---------------------------------------------------------------------------------

    // One line: a code ("0" for notices, 1 to 9 for a connection), "+", the text; in that colour.
    void addlinetochat(const QString& line, const QColor& colour);
    // A notice of the table shown whole, with no name part cut off at a colon.
    void addNotice(const QString& text, const QColor& colour);
    // A relayed "CMD_chat" or "CMD_action": "<seat>+<text>|<colour text>".
    void chatrecieved(std::string_view payload);
    // Enter in the input.
    void sendit();
    // A click on link n of the view (document order from 0).
    void mainchatJump(int link);
    // A smiley menu entry, 10 to 27.
    void N271Click(int number);
    void Paste1Click();
    void SelectAll1Click();
    void Copy1Click();
    void ClearMainChat1Click();
    bool scrollChatOff() const { return scrollChatOff_; }
    void setScrollChatOff(bool on);
    void TextColor1Click();

    int textSize() const;
    void setTextSize(int points);
    // The settings' rule: that size, and the "Text Size" entry of that caption checked if there is
    // one; the other entries keep their marks.
    void applyTextSize(int points);
    QColor chatColour() const { return chatColour_; }
    void setChatColour(const QColor& colour);
    // The chat colour as colour text, as messages carry it and the settings keep it.
    QString colourName() const;

    // The link table: 101 slots, 0 to 100, and the counter of the last one used (-1: none yet).
    static constexpr int kLinkSlots = 101;
    int linkCounter() const { return linkCounter_; }
    QString linkSlot(int n) const;

    // ---- Phrase buttons ----------------------------------------------------------------------------

    QString phrase(int n) const; // n 1 to 9
    void setPhrase(int n, const QString& text);
    QStringList phrases() const;
    void b_phrase1Click(int n);
    bool phraseReady() const { return phraseReady_; }
    void startPhrasePause();
    // The pause's timer handler: the buttons may be used again.
    void phrasePauseTimer();

    // ---- Parts, for the table's menus and for tests --------------------------------------------

    ChatView* view() const { return mainchat; }
    QLineEdit* input() const { return mychat; }
    QMenu* smileyMenu() const { return popup_smilies; }
    QMenu* viewMenu() const { return popup_mainchat; }
    QMenu* inputMenu() const { return popup_mychat; }
    // The Options menu's entries: "Text Color", the "Text Size" entries 8, 10, 12, 14, "Scroll
    // Chat Off" and "Clear Main Chat".
    QAction* textColourEntry() const { return TextColor1; }
    const std::array<QAction*, 4>& textSizeEntries() const { return textSizeEntries_; }
    QAction* scrollChatOffEntry() const { return ScrollChatOff1; }
    QAction* clearMainChatEntry() const { return ClearMainChat1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls(const QPixmap& phraseButton);
    void buildMenus();
    void showLine(const chat::Line& line, const QColor& colour);
    void sendLine(const char* verb, const QString& text);
    void updateMask();
    void textSizeChosen(int index);

    MessageBoxes& boxes_;
    Opener* opener_;

    QColor chatColour_ = Qt::black;
    bool scrollChatOff_ = false;
    std::array<QString, kLinkSlots> links_{};
    int linkCounter_ = -1;
    bool phraseReady_ = true;
    QTimer* phrasePause_ = nullptr;

    ChatView* mainchat = nullptr;
    QLineEdit* mychat = nullptr;
    QToolButton* button_smilies = nullptr;
    std::array<ClickImage*, kPhraseCount + 1> b_phrase{}; // 1 to 9

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
