#include "table/chatform.h"

#include "platform/messagebox.h"
#include "table/artwork.h"
#include "table/boardview.h"
#include "table/chatpanel.h"
#include "table/describe.h"
#include "table/firstdrawn.h"
#include "table/handview.h"
#include "table/hintview.h"
#include "table/link.h"
#include "table/menus.h"
#include "table/notices.h"
#include "table/seatrows.h"
#include "table/shell.h"
#include "table/sounds.h"
#include "table/statusline.h"
#include "table/tablewidgets.h"
#include "table/turncountdown.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include <type_traits>

namespace {

const QColor kSystemLineColour(0, 0, 255);

} // namespace

Tchat::Tchat(SoundPlayer& sounds, MessageBoxes& boxes, VersionProvider version, QWidget* parent)
    : QMainWindow(parent), boxes_(boxes), artwork_(std::make_unique<Artwork>())
{
    setObjectName(QStringLiteral("chat"));
    setWindowTitle(QStringLiteral("Tilvaro"));
    buildParts(sounds, std::move(version));
    wireParts();
    // While the player is still reading the table: the first play then draws its texts from warm
    // caches like every other play.
    whenFirstDrawn(*this, [this] {
        artwork_->toeMarker();
        warmGlyphCaches(*this);
    });
}

Tchat::~Tchat()
{
    // The views draw from the mirror, which goes before the window's children: they go first.
    delete takeCentralWidget();
}

// Where every part sits: all positions are pixels in the main panel (780 x 531). Parts are made in
// the order they stack, the later over the earlier.
void Tchat::buildParts(SoundPlayer& sounds, VersionProvider version)
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralarea"));
    // The main panel keeps its size and stays centred however large the window grows.
    central->setMinimumSize(784, 535);
    auto* centring = new QVBoxLayout(central);
    centring->setContentsMargins(0, 0, 0, 0);
    QPalette tiled = central->palette();
    tiled.setBrush(QPalette::Window, QBrush(artwork_->tableBackground));
    central->setPalette(tiled);
    central->setAutoFillBackground(true);

    auto* panel = new QWidget(central);
    panel->setObjectName(QStringLiteral("panel_main"));
    panel->setFixedSize(780, 531);
    QFont tableFont = panel->font();
    tableFont.setPointSize(8);
    panel->setFont(tableFont);
    centring->addWidget(panel, 0, Qt::AlignCenter);
    setCentralWidget(central);

    board_ = new BoardView(mirror_, *artwork_, panel);
    status_ = new StatusLine(mirror_, *artwork_, board_->content());
    board_->buildMarkers();
    hand_ = new HandView(mirror_, *artwork_, panel);
    seats_ = new SeatRows(mirror_, *artwork_, panel);
    status_->buildStatus(panel);
    countdown_ = new TurnCountdown(mirror_, this);
    chatPanel_ = new ChatPanel(boxes_, artwork_->phraseButton, panel);
    sounds_ = new TableSounds(sounds, mirror_, *artwork_, panel);
    auto* banner = new ClickImage(panel);
    banner->setObjectName(QStringLiteral("Image5"));
    banner->setPixmap(artwork_->banner);
    const QSize bannerSize = artwork_->banner.size().boundedTo(QSize(282, 40));
    banner->setGeometry(5, 488, bannerSize.width(), bannerSize.height());
    connect(banner, &ClickImage::clicked, this, [this] { TableHooks::call(hooks.onBannerClick); });

    link_ = new TableLink(this);
    menus_ = new TableMenus(mirror_, *link_, hooks, boxes_, this);
    menus_->build(*chatPanel_, *sounds_);
    shell_ = new TableShell(this, *link_, mirror_, hooks, boxes_, std::move(version));
    // Where the window opens until the settings say otherwise.
    move(3, 3);

    seats_->refresh();
    board_->syncMarkers();
    hand_->sync();
    // Only the keyboard puts the focus in the hand or on the board.
    board_->area()->setFocusPolicy(Qt::NoFocus);
    hand_->attachKeys(this, chatPanel_->input(), chatPanel_->view());
    chatPanel_->input()->setFocus();
    describer_ = new Describer(mirror_, *seats_, *hand_, *board_, *status_, panel);
    describer_->nameControls(banner, chatPanel_->input());
    // With the views, so it never outlives what it shows on.
    hint_ = new TableHint(mirror_, *board_, *hand_, *status_, *describer_, menus_->hintEntry(), central);
}

void Tchat::wireParts()
{
    link_->onLine = [this](std::string_view line) { handleLine(line); };
    link_->onTicked = [this] { describer_->describeTable(); };
    link_->onMessageHandled = [this] { TableHooks::call(hooks.onMessageHandled); };
    link_->onConnectFailed = [this](const QString& notice) { addNotice(notice); };
    link_->onHostGone = [this] { close(); };

    chatPanel_->loggedIn = [this] { return mirror_.state().loggedIn; };
    chatPanel_->ownSeat = [this] { return mirror_.state().ownSeat; };
    chatPanel_->send = [this](const game::Message& message) { link_->send(message); };
    chatPanel_->onSettingsChanged = [this](SettingsOption option) { hooks.saveSettings(option); };

    board_->onMarkerClick = [this](int toe) { playOn(toe); };
    status_->onPass = [this] {
        link_->send(mirror_.pass());
        status_->syncPass();
        hint_->sync();
        board_->syncMarkers();
    };
    status_->onStart = [this] { menus_->button_startClick(); };
    hand_->onBonePressed = [this](int slot, Qt::MouseButton button) { bonePressed(slot, button); };
    hand_->onPlayKey = [this](int toe) {
        // Enter right after a hint makes the hinted play or pass.
        if (const mirror::Hint* hinted = toe == 0 ? hint_->current() : nullptr) {
            if (hinted->pass)
                status_->onPass();
            else
                playOn(hinted->toe);
            return;
        }
        // The keys follow the markers' rule: only on a marker that shows, and Enter only when
        // exactly one fits.
        const int target = toe == 0 ? mirror_.onlyFit() : toe;
        if (target == 0 || !mirror_.state().markers[target].shown)
            sounds_->playsounds(QStringLiteral("invalid"));
        else
            playOn(target);
    };
    hand_->onPassKey = [this] {
        // The Pass button's rule: only while it is shown.
        if (mirror_.state().passShown)
            status_->onPass();
        else
            sounds_->playsounds(QStringLiteral("invalid"));
    };
    hand_->onRingMoved = [this] { describer_->describeHand(); };
    hand_->onHintKey = [this] { hint_->ask(); };
    hint_->onRefused = [this] { sounds_->playsounds(QStringLiteral("invalid")); };
    seats_->onSeatMenu = [this](int seat, const QPoint& global) { menus_->label_playername1ContextPopup(seat, global); };
    sounds_->onNotice = [this](const QString& text) { addNotice(text); };
    sounds_->onChatterSound = [this](int number) { link_->send(mirror_.chatterSound(number)); };
    sounds_->onSaveSettings = [this](SettingsOption option) { hooks.saveSettings(option); };
    menus_->onResetScreenLocation = [this] { shell_->ResetScreenLocation1Click(); };
    shell_->onHostingChanged = [this](bool hosting) { setHosting(hosting); };
    shell_->onStarting = [this] {
        status_->showStart(false);
        menus_->enableStartGame(false);
    };
    shell_->onNotice = [this](const QString& text) { addNotice(text); };
    shell_->botSpeed = [this] { return menus_->botSpeed(); };
    shell_->computerSkill = [this] { return menus_->computerSkill(); };
    shell_->turnLimit = [this] { return menus_->turnLimit(); };
    countdown_->limit = [this] { return menus_->turnLimit(); };
    countdown_->onShow = [this](int secondsLeft) {
        const mirror::Hint* hint = hint_->current();
        status_->showCountdown(secondsLeft, hint ? TableHint::hintText(*hint) : QString());
    };
}

QStringListModel* Tchat::spectators() { return seats_->spectators(); }

QString Tchat::seatCaption(int seat) const { return seats_->caption(seat); }

void Tchat::setHosting(bool hosting)
{
    mirror_.setHosting(hosting);
    status_->showStart(hosting);
    menus_->setHosting(hosting);
}

void Tchat::addNotice(const QString& text) { chatPanel_->addlinetochat(QStringLiteral("0+") + text, kSystemLineColour); }

void Tchat::applyPhrases(const QStringList& phrases)
{
    for (int n = 1; n <= ChatPanel::kPhraseCount; ++n)
        chatPanel_->setPhrase(n, phrases.value(n - 1));
    TableHooks::call(hooks.onSavePhrases);
}

// ---- From the host to the views ------------------------------------------------------------------

void Tchat::handleLine(std::string_view line)
{
    const mirror::Events events = mirror_.handle(line);
    if (events.empty())
        return;
    seats_->refresh();
    board_->syncMarkers();
    hand_->sync();
    status_->syncPass();
    hint_->sync();
    for (const mirror::Event& event : events)
        react(event);
}

void Tchat::react(const mirror::Event& event)
{
    board_->react(event);
    status_->react(event, mirror_.state().hosting);
    countdown_->react(event);
    menus_->react(event);
    const QStringList notices = chatNotices(event, mirror_);
    for (qsizetype i = 0; i < notices.size(); ++i) {
        addNotice(notices[i]);
        if (const auto* arrival = std::get_if<mirror::Connected>(&event); i == 0 && arrival && arrival->own)
            TableHooks::call(hooks.onLoadSettings);
    }
    sounds_->react(event);
    describer_->react(event);
    std::visit(
        [this](const auto& happened) {
            using E = std::decay_t<decltype(happened)>;
            if constexpr (std::is_same_v<E, mirror::LoggedIn>) {
                shell_->sendLogin(happened.seat);
            } else if constexpr (std::is_same_v<E, mirror::ChatLine>) {
                chatPanel_->chatrecieved(happened.payload, happened.sender);
            } else if constexpr (std::is_same_v<E, mirror::GameStarted>) {
                // Its colon names no one, so it is shown whole rather than as a name and a text.
                if (const auto seed = shell_->gameSeedNotice())
                    chatPanel_->addNotice(*seed, kSystemLineColour);
            } else if constexpr (std::is_same_v<E, mirror::GameWon>) {
                // Spectators keep no tally of games they did not play.
                if (mirror::isSeat(mirror_.state().ownSeat) && hooks.onAddGame)
                    hooks.onAddGame(shown(happened.name), happened.ownWin);
            } else if constexpr (std::is_same_v<E, mirror::GameFull>) {
                boxes_.inform(this, tr("Game is full"));
                close();
            }
        },
        event);
}

// ---- From the player to the host -----------------------------------------------------------------

void Tchat::playOn(int toe)
{
    link_->send(mirror_.playOn(toe));
    hint_->sync();
}

void Tchat::bonePressed(int slot, Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        mirror_.sortHand();
        hand_->sync();
        sounds_->playsounds(QStringLiteral("sort"));
    } else if (button == Qt::LeftButton) {
        const mirror::BoneClick click = mirror_.clickBone(slot);
        hand_->sync();
        if (click == mirror::BoneClick::Lowered)
            sounds_->playsounds(QStringLiteral("clearbone"));
        else if (click == mirror::BoneClick::Swapped)
            sounds_->playsounds(QStringLiteral("sort"));
        else if (click == mirror::BoneClick::Raised)
            sounds_->playsounds(QStringLiteral("selectbone"));
    }
    hint_->sync();
    describer_->describeHand();
}

// ---- Showing and closing -------------------------------------------------------------------------

void Tchat::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        shell_->FormShow();
}

void Tchat::closeEvent(QCloseEvent* event)
{
    shell_->FormClose();
    QMainWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    link_->windowClosed();
    TableHooks::call(hooks.onClosed);
}
