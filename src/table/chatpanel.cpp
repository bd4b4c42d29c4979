#include "table/chatpanel.h"

#include "platform/messagebox.h"
#include "platform/opener.h"
#include "platform/webaddress.h"
#include "table/accessibility.h"
#include "table/chatinput.h"
#include "table/chatmenus.h"
#include "table/colourtext.h"
#include "table/phrasebuttons.h"
#include "table/smileys.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

// Positions in the table's main panel, made relative to the panel.
QRect placed(int left, int top, int width, int height)
{
    return QRect(left - ChatPanel::kOrigin.x(), top - ChatPanel::kOrigin.y(), width, height);
}

} // namespace

ChatPanel::ChatPanel(MessageBoxes& boxes, const QPixmap& phraseButton, QWidget* parent)
    : QWidget(parent), boxes_(boxes), opener_(&desktopOpener())
{
    setObjectName(QStringLiteral("chatpanel"));
    setGeometry(QRect(kOrigin, QPoint(776, 527)));
    chooseColour = [this](const QColor& current) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(current, window());
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    };

    buildControls(phraseButton);
    menus_ = new ChatMenus(*this);
    updateMask();
}

ChatPanel::~ChatPanel() = default;

void ChatPanel::buildControls(const QPixmap& phraseButton)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("mainchatframe"));
    frame->setGeometry(placed(428, 369, 348, 134));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    mainchat = new ChatView(frame);
    mainchat->setObjectName(QStringLiteral("mainchat"));
    mainchat->setAccessibleName(tr("Chat"));
    mainchat->setGeometry(1, 1, 345, 131);
    mainchat->setFrameShape(QFrame::NoFrame);
    mainchat->onLinkClicked = [this](int link) { mainchatJump(link); };

    input_ = new ChatInput(*this, placed(427, 505, 318, 22));
    input_->mayChat = [this] { return loggedIn && loggedIn(); };
    input_->say = [this](const char* verb, const QString& text) { sendLine(verb, text); };
    setChatColour(chatColour_);

    button_smilies = new QToolButton(this);
    button_smilies->setObjectName(QStringLiteral("button_smilies"));
    button_smilies->setGeometry(placed(749, 507, 25, 19));
    button_smilies->setIcon(smileyIcon(0));
    button_smilies->setIconSize(QSize(kSmileyWidth, kSmileyHeight));
    button_smilies->setAutoRaise(true);
    button_smilies->setToolTip(tr("See ya!"));
    // A picture alone: without a name a screen reader says only "button".
    button_smilies->setAccessibleName(tr("Smileys"));
    button_smilies->setFocusPolicy(Qt::NoFocus);
    connect(button_smilies, &QToolButton::clicked, this,
            [this] { menus_->smileys()->popup(button_smilies->mapToGlobal(button_smilies->rect().bottomRight())); });

    phrases_ = new PhraseButtons(*this, phraseButton, kOrigin, ChatInput::kMaxInput);
    phrases_->say = [this](const char* verb, const QString& text) { sendLine(verb, text); };
}

QLineEdit* ChatPanel::input() const { return input_->edit(); }
QAction* ChatPanel::textColourEntry() const { return menus_->textColourEntry(); }
const std::array<QAction*, 4>& ChatPanel::textSizeEntries() const { return menus_->textSizeEntries(); }
QAction* ChatPanel::scrollChatOffEntry() const { return menus_->scrollChatOffEntry(); }
QAction* ChatPanel::clearMainChatEntry() const { return menus_->clearMainChatEntry(); }

void ChatPanel::updateMask()
{
    QRegion controls;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            controls += child->geometry();
    setMask(controls);
}

void ChatPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateMask();
}

// ---- Showing lines ------------------------------------------------------------------------------

void ChatPanel::addlinetochat(const QString& line, const QColor& colour)
{
    const std::optional<chat::Line> parsed = chat::parseLine(line);
    if (parsed)
        showLine(*parsed, colour);
    // else a line that names no connection is not ours to show
}

void ChatPanel::addNotice(const QString& text, const QColor& colour) { showLine(chat::parseNotice(text), colour); }

void ChatPanel::showLine(const chat::Line& line, const QColor& colour)
{
    // The style is shared: every earlier line of this seat (or every notice) takes the colour.
    mainchat->setStyleColour(line.style, colour);
    mainchat->setStyleBold(line.style, true);
    for (const chat::Piece& piece : line.pieces)
        if (piece.kind == chat::Piece::Link)
            links_.remember(piece.text);
    mainchat->addLine(line, !menus_->scrollChatOff());
    // A screen reader hears of each new line without leaving the game.
    QString spoken;
    for (const chat::Piece& piece : line.pieces)
        spoken += piece.kind == chat::Piece::Smiley ? QStringLiteral("(%1) ").arg(smileyName(piece.picture)) : piece.text;
    a11y::setTexts(mainchat, tr("Chat"), spoken.simplified());
}

namespace {

// The host puts the sender's name, in the bytes that player's table sent, before the text, in
// the bytes the table sent with the line: a Latin-1 "Zoë" and an emoji are read each by itself,
// or one of them would show as the wrong letters.
QString relayedText(std::string_view line, std::string_view sender)
{
    const auto plus = line.find('+');
    if (sender.empty() || plus == std::string_view::npos || line.substr(plus + 1, sender.size()) != sender)
        return fromWire(line);
    const std::size_t text = plus + 1 + sender.size();
    return fromWire(line.substr(0, plus + 1)) + fromWire(sender) + fromWire(line.substr(text));
}

} // namespace

void ChatPanel::chatrecieved(std::string_view payload, std::string_view sender)
{
    // "<seat>+<name> chats: <text>|<colour>"; a missing or unreadable colour shows red.
    QColor colour(255, 0, 0);
    std::string_view line = payload;
    const auto bar = payload.find('|');
    if (bar != std::string_view::npos) {
        line = payload.substr(0, bar);
        if (const auto value = readColourText(payload.substr(bar + 1)))
            colour = colourFromValue(*value);
    }
    addlinetochat(relayedText(line, sender), colour);
}

void ChatPanel::mainchatJump(int link)
{
    // The view numbers its links without end while the slots wrap from 100 to 1, so a slot may
    // hold a later link's address, and links past 100 have none of their own. A link still in the
    // view opens the address it shows.
    QString address = mainchat->linkText(link);
    while (!address.isEmpty() && address.back().isSpace())
        address.chop(1);
    if (address.isEmpty() || !web::isWebAddress(address) || !opener_->open(address))
        boxes_.inform(window(), tr("Cannot open Webpage"));
}

// ---- The view's commands ------------------------------------------------------------------------

void ChatPanel::SelectAll1Click() { mainchat->selectAll(); }

void ChatPanel::Copy1Click()
{
    if (mainchat->hasSelection())
        QApplication::clipboard()->setText(mainchat->selectedText());
}

void ChatPanel::ClearMainChat1Click()
{
    mainchat->clear();
    links_.clear();
    input()->setFocus();
}

void ChatPanel::TextColor1Click()
{
    const std::optional<QColor> chosen = chooseColour ? chooseColour(chatColour_) : std::nullopt;
    if (!chosen)
        return;
    setChatColour(*chosen);
    if (onSettingsChanged)
        onSettingsChanged(SettingsOption::TextColour);
}

void ChatPanel::setChatColour(const QColor& colour)
{
    chatColour_ = colour.toRgb();
    chatColour_.setAlpha(255);
    QPalette colours = input()->palette();
    colours.setColor(QPalette::Text, chatColour_);
    input()->setPalette(colours);
}

QString ChatPanel::colourName() const { return QString::fromStdString(writeColourText(colourValue(chatColour_))); }

int ChatPanel::textSize() const { return mainchat->style(0).pointSize; }

void ChatPanel::setTextSize(int points)
{
    // The settings file is the player's to edit; a size no one can read is kept in bounds.
    mainchat->setPointSize(std::clamp(points, 1, 96));
}

void ChatPanel::applyTextSize(int points)
{
    setTextSize(points);
    menus_->checkTextSize(points);
}

// ---- Saying ------------------------------------------------------------------------------------

void ChatPanel::sendLine(const char* verb, const QString& text)
{
    if (send)
        send(game::Message(verb).field(ownSeat ? ownSeat() : 0).field(toWire(text + QLatin1Char('|') + colourName())));
}

// ---- Phrase buttons ------------------------------------------------------------------------------

QString ChatPanel::phrase(int n) const { return phrases_->phrase(n); }
void ChatPanel::setPhrase(int n, const QString& text) { phrases_->setPhrase(n, text); }
QStringList ChatPanel::phrases() const { return phrases_->phrases(); }
void ChatPanel::b_phrase1Click(int n) { phrases_->b_phrase1Click(n); }
bool ChatPanel::phraseReady() const { return phrases_->ready(); }
void ChatPanel::startPhrasePause() { phrases_->startPause(); }
