#pragma once
// ChatPanel: the table's chat. The view `mainchat` with its fifteen shared styles and its link
// table, the input `mychat` with its prompt (chatinput.h), the smiley button, the chat's menus
// (chatmenus.h) and the nine phrase buttons with their pause (phrasebuttons.h). It knows the host only through three calls the table gives it
// (logged in? own seat? send this), so it is tested without a connection.
//
// The panel covers the rectangle from the first phrase button to the view's right edge; only its
// own controls take the mouse, so the seat rows and the pass button beneath stay reachable.

#include "game/message.h"
#include "game/phrases.h"
#include "table/chatlinks.h"
#include "table/chatview.h"
#include "table/settingsoption.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string_view>

class ChatInput;
class ChatMenus;
class MessageBoxes;
class Opener;
class PhraseButtons;
class QAction;
class QLineEdit;
class QPixmap;
class QToolButton;

class ChatPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPhraseCount = game::kPhraseCount;
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
    // A relayed "CMD_chat" or "CMD_action": "<seat>+<text>|<colour text>". `sender` is the
    // sender's name as the host sent it to this table, when known.
    void chatrecieved(std::string_view payload, std::string_view sender = {});
    // A click on link n of the view (document order from 0).
    void mainchatJump(int link);
    void SelectAll1Click();
    void Copy1Click();
    void ClearMainChat1Click();
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

    const ChatLinks& links() const { return links_; }

    // ---- Phrase buttons ----------------------------------------------------------------------------

    QString phrase(int n) const; // n 1 to 9
    void setPhrase(int n, const QString& text);
    QStringList phrases() const;
    void b_phrase1Click(int n);
    bool phraseReady() const;
    void startPhrasePause();

    // ---- Parts, for the table's menus and for tests --------------------------------------------

    ChatView* view() const { return mainchat; }
    QLineEdit* input() const;
    ChatInput& chatInput() const { return *input_; }
    PhraseButtons& phraseButtons() const { return *phrases_; }
    ChatMenus& menus() const { return *menus_; }
    // The Options menu's entries: "Text Color", the "Text Size" entries 8, 10, 12, 14, "Scroll
    // Chat Off" and "Clear Main Chat".
    QAction* textColourEntry() const;
    const std::array<QAction*, 4>& textSizeEntries() const;
    QAction* scrollChatOffEntry() const;
    QAction* clearMainChatEntry() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls(const QPixmap& phraseButton);
    void showLine(const chat::Line& line, const QColor& colour);
    void sendLine(const char* verb, const QString& text);
    void updateMask();

    MessageBoxes& boxes_;
    Opener* opener_;

    QColor chatColour_ = Qt::black;
    ChatLinks links_;

    ChatView* mainchat = nullptr;
    ChatInput* input_ = nullptr;
    QToolButton* button_smilies = nullptr;
    PhraseButtons* phrases_ = nullptr;
    ChatMenus* menus_ = nullptr;
};
