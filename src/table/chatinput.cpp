#include "table/chatinput.h"

#include "table/wiretext.h"

#include <QCoreApplication>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace {

// Typing stops where the line would take more bytes on the wire than the host relays; an emoji
// takes four, a Cyrillic letter two, a Latin-1 letter one.
class WireLength : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return toWire(input).size() <= static_cast<std::size_t>(ChatInput::kMaxInput) ? Acceptable : Invalid;
    }
};

} // namespace

QString ChatInput::prompt() { return QCoreApplication::translate("ChatInput", "<Enter Chat Here>"); }

ChatInput::ChatInput(QWidget& panel, const QRect& geometry) : QObject(&panel)
{
    mychat = new QLineEdit(&panel);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(geometry);
    mychat->setMaxLength(kMaxInput);
    mychat->setValidator(new WireLength(mychat));
    mychat->setText(prompt());
    mychat->installEventFilter(this);
}

bool ChatInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mychat)
        return QObject::eventFilter(watched, event);
    // An input method (IBus, Fcitx) composes text without key presses: its first preedit or
    // commit must not land behind the prompt.
    if (event->type() == QEvent::InputMethod) {
        const auto* composed = static_cast<QInputMethodEvent*>(event);
        if (mychat->text() == prompt() && !(composed->commitString().isEmpty() && composed->preeditString().isEmpty()))
            mychat->clear();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Paste appends, as the menu's entry does, and keeps the prompt.
    if (key->matches(QKeySequence::Paste)) {
        Paste1Click();
        return true;
    }
    if (mychat->text() == prompt())
        mychat->clear();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        sendit();
        return true;
    }
    return false;
}

void ChatInput::sendit()
{
    if (!mayChat || !mayChat())
        return;
    const QString text = mychat->text();
    if (!text.isEmpty() && say) {
        if (!text.startsWith(QLatin1Char('/')))
            say("CMD_chat", text);
        else if (text.left(3) == QLatin1String("/me"))
            say("CMD_action", text.mid(4));
        // any other command is not ours: nothing is sent
    }
    mychat->clear();
}

void ChatInput::N271Click(int number)
{
    if (number < 10 || number > 27)
        return;
    if (mychat->text() == prompt())
        mychat->clear();
    const QString code = QStringLiteral(":)#%1").arg(number);
    if (toWire(mychat->text() + code).size() <= static_cast<std::size_t>(kMaxInput))
        mychat->setText(mychat->text() + code);
    mychat->end(false);
}

void ChatInput::Paste1Click()
{
    QString pasted = QApplication::clipboard()->text();
    if (pasted.isEmpty())
        return;
    // One line of chat: line breaks and other control characters become blanks.
    for (QChar& c : pasted)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    const QString text = mychat->text();
    mychat->setText(cutForWire(text + pasted, kMaxInput));
    mychat->deselect();
    mychat->end(false);
}
