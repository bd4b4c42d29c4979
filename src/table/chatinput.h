#pragma once
// ChatInput: the chat's input line `mychat` with its prompt. Enter says the text (or a "/me"
// action); pasting and smileys append to what is typed, within what the host can relay.

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

class ChatInput : public QObject {
public:
    // The host relays a line only while the whole message (name and colour included) fits what
    // a table reads at once, 4096 bytes; 1,000 bytes of text always do, in any script.
    static constexpr int kMaxInput = 1000;
    // Read each time: it is in the player's language, loaded after static texts are made.
    static QString prompt();

    // The line goes on `panel` at `geometry`.
    ChatInput(QWidget& panel, const QRect& geometry);

    // Whether the player may chat now (logged in), and how a text is said with its verb.
    std::function<bool()> mayChat;
    std::function<void(const char* verb, const QString& text)> say;

    QLineEdit* edit() const { return mychat; }
    // Enter in the input.
    void sendit();
    // A smiley menu entry, 10 to 27.
    void N271Click(int number);
    void Paste1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* mychat = nullptr;
};
