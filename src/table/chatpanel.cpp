#include "table/chatpanel.h"

#include "platform/messagebox.h"
#include "platform/opener.h"
#include "platform/webaddress.h"
#include "table/accessibility.h"
#include "table/colourtext.h"
#include "table/smileys.h"
#include "table/tablewidgets.h"
#include "table/wiretext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

const QString ChatPanel::kPrompt = QStringLiteral("<Enter Chat Here>");

const std::array<const char*, ChatPanel::kPhraseCount> ChatPanel::kDefaultPhrases{
    "Way To Go!", "Good One!", "Nice Try!",         "Excellent!",          "Brilliant!",
    "Wow, WTG!",  "Thanks!",   "Way To Go Teamie!", "Good Game Everyone!",
};

namespace {

constexpr int kTextSizes[4] = {8, 10, 12, 14};

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
    buildMenus();

    // One phrase at most per pause; the editor tells players it is two seconds.
    phrasePause_ = new QTimer(this);
    phrasePause_->setObjectName(QStringLiteral("phrasepause"));
    phrasePause_->setSingleShot(true);
    phrasePause_->setInterval(kPhrasePauseMs);
    connect(phrasePause_, &QTimer::timeout, this, &ChatPanel::phrasePauseTimer);
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
    mainchat->setAccessibleName(QStringLiteral("Chat"));
    mainchat->setGeometry(1, 1, 345, 131);
    mainchat->setFrameShape(QFrame::NoFrame);
    mainchat->onLinkClicked = [this](int link) { mainchatJump(link); };

    mychat = new QLineEdit(this);
    mychat->setObjectName(QStringLiteral("mychat"));
    mychat->setGeometry(placed(427, 505, 318, 22));
    mychat->setMaxLength(kMaxInput);
    mychat->setText(kPrompt);
    mychat->installEventFilter(this);
    setChatColour(chatColour_);

    button_smilies = new QToolButton(this);
    button_smilies->setObjectName(QStringLiteral("button_smilies"));
    button_smilies->setGeometry(placed(749, 507, 25, 19));
    button_smilies->setIcon(smileyIcon(0));
    button_smilies->setIconSize(QSize(kSmileyWidth, kSmileyHeight));
    button_smilies->setAutoRaise(true);
    button_smilies->setToolTip(QStringLiteral("See ya!"));
    // A picture alone: without a name a screen reader says only "button".
    button_smilies->setAccessibleName(QStringLiteral("Smileys"));
    button_smilies->setFocusPolicy(Qt::NoFocus);
    connect(button_smilies, &QToolButton::clicked, this,
            [this] { popup_smilies->popup(button_smilies->mapToGlobal(button_smilies->rect().bottomRight())); });

    // Two rows left of the input: 1 to 5 above, 6 to 9 below (the chatter button ends that row).
    const int columns[5] = {292, 318, 344, 370, 396};
    for (int n = 1; n <= kPhraseCount; ++n) {
        auto* button = new ClickImage(this);
        button->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        button->setPixmap(phraseButton);
        button->setGeometry(placed(columns[(n - 1) % 5], n <= 5 ? 488 : 508, 25, 19));
        button->setToolTip(QString::fromLatin1(kDefaultPhrases[static_cast<std::size_t>(n - 1)]));
        button->tag = n;
        connect(button, &ClickImage::clicked, this, [this, n] { b_phrase1Click(n); });
        b_phrase[static_cast<std::size_t>(n)] = button;
    }
}

void ChatPanel::buildMenus()
{
    const auto entry = [this](QMenu* menu, const char* name, const QString& text) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        if (menu)
            menu->addAction(action);
        return action;
    };

    popup_smilies = new QMenu(this);
    popup_smilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int number = 10; number <= 27; ++number) {
        QAction* smiley = popup_smilies->addAction(smileyIcon(number - 10), QStringLiteral(":)#%1").arg(number));
        smiley->setObjectName(QStringLiteral("smiley%1").arg(number));
        smiley->setToolTip(smileyName(number - 10));
        connect(smiley, &QAction::triggered, this, [this, number] { N271Click(number); });
    }

    popup_mainchat = new QMenu(this);
    popup_mainchat->setObjectName(QStringLiteral("popup_mainchat"));
    connect(entry(popup_mainchat, "SelectAll1", QStringLiteral("Select All")), &QAction::triggered, this,
            [this] { SelectAll1Click(); });
    QAction* copy = entry(popup_mainchat, "Copy1", QStringLiteral("Copy"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    mainchat->addAction(copy); // Ctrl+C in the view copies, too
    connect(copy, &QAction::triggered, this, [this] { Copy1Click(); });
    ClearMainChat2 = entry(popup_mainchat, "ClearMainChat2", QStringLiteral("Clear Main Chat"));
    popup_mainchat->addSeparator();
    ScrollChatOff2 = entry(popup_mainchat, "ScrollChatOff2", QStringLiteral("Scroll Chat Off"));
    mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mainchat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_mainchat->popup(mainchat->mapToGlobal(at)); });

    popup_mychat = new QMenu(this);
    popup_mychat->setObjectName(QStringLiteral("popup_mychat"));
    QAction* paste = entry(popup_mychat, "Paste1", QStringLiteral("Paste"));
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    paste->setShortcutContext(Qt::WidgetShortcut); // the input's own key handling pastes
    connect(paste, &QAction::triggered, this, [this] { Paste1Click(); });
    mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mychat, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_mychat->popup(mychat->mapToGlobal(at)); });

    // The Options menu's entries; the table puts them in its menu.
    TextColor1 = entry(nullptr, "TextColor1", QStringLiteral("Text Color"));
    connect(TextColor1, &QAction::triggered, this, [this] { TextColor1Click(); });
    for (int i = 0; i < 4; ++i) {
        QAction* size = entry(nullptr, ("N" + std::to_string(kTextSizes[i])).c_str(), QString::number(kTextSizes[i]));
        size->setCheckable(true);
        connect(size, &QAction::triggered, this, [this, i] { textSizeChosen(i); });
        textSizeEntries_[static_cast<std::size_t>(i)] = size;
    }
    ScrollChatOff1 = entry(nullptr, "ScrollChatOff1", QStringLiteral("Scroll Chat Off"));
    ClearMainChat1 = entry(nullptr, "ClearMainChat1", QStringLiteral("Clear Main Chat"));

    for (QAction* scroll : {ScrollChatOff1, ScrollChatOff2}) {
        scroll->setCheckable(true);
        scroll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(scroll, &QAction::toggled, this, [this](bool on) { setScrollChatOff(on); });
    }
    // One Ctrl+S for the window; the view's menu shows it and answers it while open.
    ScrollChatOff2->setShortcutContext(Qt::WidgetShortcut);
    for (QAction* clear : {ClearMainChat1, ClearMainChat2})
        connect(clear, &QAction::triggered, this, [this] { ClearMainChat1Click(); });
}

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
        if (piece.kind == chat::Piece::Link) {
            linkCounter_ = linkCounter_ >= kLinkSlots - 1 ? 1 : linkCounter_ + 1;
            links_[static_cast<std::size_t>(linkCounter_)] = piece.text;
        }
    mainchat->addLine(line, !scrollChatOff_);
    // A screen reader hears of each new line without leaving the game.
    QString spoken;
    for (const chat::Piece& piece : line.pieces)
        spoken += piece.kind == chat::Piece::Smiley ? QStringLiteral("(%1) ").arg(smileyName(piece.picture)) : piece.text;
    a11y::setTexts(mainchat, QStringLiteral("Chat"), spoken.simplified());
}

void ChatPanel::chatrecieved(std::string_view payload)
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
    addlinetochat(fromWire(line), colour);
}

QString ChatPanel::linkSlot(int n) const
{
    return n >= 0 && n < kLinkSlots ? links_[static_cast<std::size_t>(n)] : QString();
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
        boxes_.inform(window(), QStringLiteral("Cannot open Webpage"));
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
    linkCounter_ = -1;
    mychat->setFocus();
}

void ChatPanel::setScrollChatOff(bool on)
{
    scrollChatOff_ = on;
    ScrollChatOff1->setChecked(on);
    ScrollChatOff2->setChecked(on);
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
    QPalette colours = mychat->palette();
    colours.setColor(QPalette::Text, chatColour_);
    mychat->setPalette(colours);
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
    for (QAction* size : textSizeEntries_)
        if (size->text() == QString::number(points))
            size->setChecked(true);
}

void ChatPanel::textSizeChosen(int index)
{
    setTextSize(kTextSizes[index]);
    for (std::size_t i = 0; i < textSizeEntries_.size(); ++i)
        textSizeEntries_[i]->setChecked(static_cast<int>(i) == index);
    if (onSettingsChanged)
        onSettingsChanged(SettingsOption::TextSize);
}

// ---- The input ----------------------------------------------------------------------------------

bool ChatPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != mychat || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Paste appends, as the menu's entry does, and keeps the prompt.
    if (key->matches(QKeySequence::Paste)) {
        Paste1Click();
        return true;
    }
    if (mychat->text() == kPrompt)
        mychat->clear();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        sendit();
        return true;
    }
    return false;
}

void ChatPanel::sendit()
{
    if (!loggedIn || !loggedIn())
        return;
    const QString text = mychat->text();
    if (!text.isEmpty()) {
        if (!text.startsWith(QLatin1Char('/')))
            sendLine("CMD_chat", text);
        else if (text.left(3) == QLatin1String("/me"))
            sendLine("CMD_action", text.mid(4));
        // any other command is not ours: nothing is sent
    }
    mychat->clear();
}

void ChatPanel::sendLine(const char* verb, const QString& text)
{
    if (send)
        send(game::Message(verb).field(ownSeat ? ownSeat() : 0).field(toWire(text + QLatin1Char('|') + colourName())));
}

void ChatPanel::N271Click(int number)
{
    if (number < 10 || number > 27)
        return;
    if (mychat->text() == kPrompt)
        mychat->clear();
    const QString code = QStringLiteral(":)#%1").arg(number);
    if (mychat->text().size() + code.size() <= kMaxInput)
        mychat->setText(mychat->text() + code);
    mychat->end(false);
}

void ChatPanel::Paste1Click()
{
    QString pasted = QApplication::clipboard()->text();
    if (pasted.isEmpty())
        return;
    // One line of chat: line breaks and other control characters become blanks.
    for (QChar& c : pasted)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    const QString text = mychat->text();
    mychat->setText(text + pasted.left(std::max<qsizetype>(0, kMaxInput - text.size())));
    mychat->deselect();
    mychat->end(false);
}

// ---- Phrase buttons ------------------------------------------------------------------------------

QString ChatPanel::phrase(int n) const
{
    return n >= 1 && n <= kPhraseCount ? b_phrase[static_cast<std::size_t>(n)]->toolTip() : QString();
}

void ChatPanel::setPhrase(int n, const QString& text)
{
    if (n >= 1 && n <= kPhraseCount)
        b_phrase[static_cast<std::size_t>(n)]->setToolTip(text.left(kMaxInput));
}

QStringList ChatPanel::phrases() const
{
    QStringList all;
    for (int n = 1; n <= kPhraseCount; ++n)
        all.append(phrase(n));
    return all;
}

void ChatPanel::b_phrase1Click(int n)
{
    const QString said = phrase(n);
    if (!phraseReady_)
        return;
    if (said.left(4) == QLatin1String("/me "))
        sendLine("CMD_action", said.mid(4));
    else
        sendLine("CMD_action", QStringLiteral("says: ") + said);
    // Not reached when the send failed: the buttons stay ready.
    startPhrasePause();
}

void ChatPanel::startPhrasePause()
{
    phraseReady_ = false;
    phrasePause_->start();
}

void ChatPanel::phrasePauseTimer()
{
    phrasePause_->stop();
    phraseReady_ = true;
}
