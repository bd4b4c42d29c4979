#include "dialogs/tallylistform.h"

#include "compress/container.h"
#include "compress/errortexts.h"
#include "dialogs/background.h"
#include "platform/messagebox.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <new>
#include <span>
#include <vector>

// The record as the hidden grid shows it: columns and rows as stored.
class TallyGridModel : public QAbstractTableModel {
public:
    TallyGridModel(const TallyRecord& record, QObject* parent) : QAbstractTableModel(parent), record_(record) {}
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : record_.rowCount(); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : TallyRecord::kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return record_.cell(index.column(), index.row());
    }
    void changed()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const TallyRecord& record_;
};

namespace {

const QString kPanelStyle = QStringLiteral("QFrame#%1 { background: rgb(250, 244, 214); border: 1px solid rgb(90, 70, 30); }");
const QString kWaiting = QStringLiteral("<Waiting>");

// The window has a fixed size; a caption longer in another language takes the room it needs
// towards the side where nothing else stands.
int lacking(QWidget* widget)
{
    // A button's own text and frame, not the style's least width for any button.
    const auto* button = qobject_cast<QAbstractButton*>(widget);
    const int needed = button ? button->fontMetrics().horizontalAdvance(button->text()) + 16 : widget->sizeHint().width();
    return std::max(0, needed - widget->width());
}
void growLeft(QWidget* widget) { widget->setGeometry(widget->geometry().adjusted(-lacking(widget), 0, 0, 0)); }
void growRight(QWidget* widget) { widget->setGeometry(widget->geometry().adjusted(0, 0, lacking(widget), 0)); }
const QString kNobody = QStringLiteral("XX");

std::span<const std::uint8_t> bytesOf(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

// The grid text inside a tally file's bytes; the codec's errors name the file by `path`.
QByteArray unpack(const QByteArray& packed, const QString& path)
{
    const std::vector<std::uint8_t> text = lzrw1::decompressBuffer(bytesOf(packed), QFile::encodeName(path).toStdString());
    return QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size()));
}

QFrame* panel(const QString& name, const QRect& place, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(place);
    frame->setStyleSheet(kPanelStyle.arg(name));
    return frame;
}

QLabel* label(const QString& text, const QRect& place, QWidget* parent, bool bold = false,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(place);
    caption->setAlignment(alignment);
    if (bold) {
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
    }
    return caption;
}

QLabel* counter(const QString& name, const QRect& place, QWidget* parent)
{
    QLabel* shown = label(QStringLiteral("0"), place, parent, true, Qt::AlignRight | Qt::AlignVCenter);
    shown->setObjectName(name);
    return shown;
}

void setChecked(QListWidgetItem* item, bool checked)
{
    // Changed by the window itself: the check handlers are for the player's clicks.
    const QSignalBlocker quiet(item->listWidget());
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void clearQuietly(QListWidget* list)
{
    const QSignalBlocker quiet(list);
    list->clear();
}

QListWidgetItem* checkItem(const QString& name, bool checked, QListWidget* list)
{
    const QSignalBlocker quiet(list);
    auto* item = new QListWidgetItem(name, list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

} // namespace

Ttallylist::Ttallylist(MessageBoxes& boxes, const QPixmap& background, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), boxes_(boxes)
{
    setObjectName(QStringLiteral("Ttallylist"));
    setWindowTitle(tr("Tilvaro - Tally List"));
    setFixedSize(488, 300);
    setTiledBackground(this, background);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    // Small records: no need to let other events run between blocks (and at the end of the run
    // there is nothing left to run them for).
    doit.CompressMode = lzrw1::TCompressMode::Fast;

    grid_ = new TallyGridModel(record_, this);
    stringgrid_scores = new QTableView(this);
    stringgrid_scores->setObjectName(QStringLiteral("stringgrid_scores"));
    stringgrid_scores->setModel(grid_);
    stringgrid_scores->hide();

    buildPanels();
    buildLists();

    button_reset = new QPushButton(tr("Reset Tally"), this);
    button_reset->setObjectName(QStringLiteral("button_reset"));
    button_reset->setGeometry(8, 266, 96, 25);
    growRight(button_reset);
    button_reset->setAutoDefault(false);
    connect(button_reset, &QPushButton::clicked, this, [this] { button_resetClick(); });
    button_done = new QPushButton(tr("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setGeometry(404, 266, 76, 25);
    growLeft(button_done);
    button_done->setAutoDefault(false);
    connect(button_done, &QPushButton::clicked, this, [this] { button_doneClick(); });
}

void Ttallylist::buildPanels()
{
    QFrame* own = panel(QStringLiteral("panel_mine"), QRect(8, 8, 236, 76), this);
    label(tr("Your Total Tally"), QRect(8, 4, 220, 18), own, true);
    label(tr("Total Games:"), QRect(8, 26, 110, 18), own);
    label(tr("Your Wins"), QRect(8, 48, 110, 18), own);
    mylabel_[1] = counter(QStringLiteral("mylabel_1"), QRect(120, 26, 104, 18), own);
    mylabel_[2] = counter(QStringLiteral("mylabel_2"), QRect(120, 48, 104, 18), own);
    // Room kept for two more counters the record carries but does not use.
    label(QStringLiteral("Var3:"), QRect(8, 70, 110, 18), own)->hide();
    label(QStringLiteral("Var4:"), QRect(8, 92, 110, 18), own)->hide();
    mylabel_[3] = counter(QStringLiteral("mylabel_3"), QRect(120, 70, 104, 18), own);
    mylabel_[4] = counter(QStringLiteral("mylabel_4"), QRect(120, 92, 104, 18), own);
    mylabel_[3]->hide();
    mylabel_[4]->hide();

    QFrame* his = panel(QStringLiteral("panel_his"), QRect(8, 92, 236, 164), this);
    label_hisnametop = label(QString(), QRect(8, 4, 220, 18), his, true);
    label_hisnametop->setObjectName(QStringLiteral("label_hisnametop"));
    //: Column heads of the tally: all games so far, and the games of this run
    growLeft(label(tr("Total"), QRect(118, 30, 46, 18), his, true, Qt::AlignRight | Qt::AlignVCenter));
    growLeft(label(tr("Session"), QRect(166, 30, 60, 18), his, true, Qt::AlignRight | Qt::AlignVCenter));
    const QString rows[] = {tr("Number of Games"), QString(), tr("Your Wins:"),
                            tr("Neither Won:")};
    for (int line = 0; line < 4; ++line) {
        const int top = 56 + line * 24;
        QLabel* caption = label(rows[line], QRect(8, top, 112, 18), his);
        if (line == 1) {
            label_hisname = caption;
            label_hisname->setObjectName(QStringLiteral("label_hisname"));
        }
        label_[line + 1] = counter(QStringLiteral("label_%1").arg(line + 1), QRect(118, top, 46, 18), his);
        label_[line + 5] = counter(QStringLiteral("label_%1").arg(line + 5), QRect(166, top, 60, 18), his);
    }
    clearOpponentPanel();
}

void Ttallylist::buildLists()
{
    label(tr("Players In Current Game"), QRect(254, 8, 226, 18), this, true);
    checklist = new QListWidget(this);
    checklist->setObjectName(QStringLiteral("checklist"));
    checklist->setGeometry(254, 28, 226, 104);
    connect(checklist, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { checklistClickCheck(item); });

    label(tr("Players Being Tallied"), QRect(254, 138, 226, 18), this, true);
    listbox_tally = new QListWidget(this);
    listbox_tally->setObjectName(QStringLiteral("listbox_tally"));
    listbox_tally->setGeometry(254, 158, 226, 98);
    connect(listbox_tally, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { listbox_tallyClickCheck(item); });
    // A click or the arrow keys: the panel follows the current line.
    connect(listbox_tally, &QListWidget::currentRowChanged, this, [this] { listbox_tallyClick(); });
}

Ttallylist::~Ttallylist()
{
    QString error;
    if (!writeTallyFile(&error))
        std::fprintf(stderr, "tilvaro: %s\n", error.toLocal8Bit().constData());
}

QWidget* Ttallylist::boxParent() { return parentWidget() ? parentWidget() : this; }

void Ttallylist::readTallyFile(const QString& path)
{
    tallyFile_ = path;
    mayWrite_ = true;
    readFailure_.clear();
    record_ = TallyRecord();
    QFile file(path);
    if (file.exists()) {
        try {
            QByteArray packed;
            if (file.open(QIODevice::ReadOnly))
                packed = file.readAll();
            if (file.error() != QFileDevice::NoError)
                leaveAlone(file.errorString());
            else
                record_ = TallyRecord::fromGridText(unpack(packed, path));
        } catch (const lzrw1::ELzrw1NoMemory& failure) {
            leaveAlone(QString::fromLocal8Bit(failure.what()));
        } catch (const std::bad_alloc&) {
            leaveAlone(QString::fromStdString(lzrw1::texts::noMemory()));
        } catch (const std::exception& failure) {
            // The codec's and the grid's own errors: the bytes themselves are wrong.
            keepAside(QString::fromLocal8Bit(failure.what()));
        }
    }
    loadtally();
}

void Ttallylist::keepAside(const QString& reason)
{
    record_ = TallyRecord();
    QString aside = tallyFile_ + QStringLiteral(".damaged");
    for (int number = 1; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++number)
        aside = tallyFile_ + QStringLiteral(".damaged.%1").arg(number);
    if (!QFile::rename(tallyFile_, aside)) {
        leaveAlone(reason);
        return;
    }
    readFailure_ = tr("The tally file could not be read:\n%1\n\nIt has been kept as %2, and a new tally starts.")
                       .arg(reason, aside);
}

void Ttallylist::leaveAlone(const QString& reason)
{
    record_ = TallyRecord();
    mayWrite_ = false;
    readFailure_ = tr("The tally file could not be read:\n%1\n\nIt is left as it is at %2 and the games "
                                  "of this run are not kept.")
                       .arg(reason, tallyFile_);
}

void Ttallylist::reportReadFailure()
{
    if (readFailure_.isEmpty())
        return;
    const QString text = readFailure_;
    readFailure_.clear();
    boxes_.error(boxParent(), text);
}

void Ttallylist::reportReadFailureWhenShown(QWidget* window)
{
    if (readFailure_.isEmpty())
        return;
    if (window->isVisible()) {
        QTimer::singleShot(0, this, &Ttallylist::reportReadFailure);
        return;
    }
    reportAfterShowing_ = window;
    window->installEventFilter(this);
}

bool Ttallylist::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == reportAfterShowing_ && event->type() == QEvent::Show) {
        reportAfterShowing_->removeEventFilter(this);
        reportAfterShowing_ = nullptr;
        // Not from inside the show: the box comes once the window is drawn and events run.
        QTimer::singleShot(0, this, &Ttallylist::reportReadFailure);
    }
    return QDialog::eventFilter(watched, event);
}

bool Ttallylist::writeTallyFile(QString* error)
{
    if (tallyFile_.isEmpty() || !mayWrite_)
        return true;
    const QByteArray content = record_.gridText();
    try {
        doit.OutputFile = QFile::encodeName(tallyFile_).toStdString();
        doit.Compress(bytesOf(content));
    } catch (const std::exception& failure) {
        if (error)
            *error = tr("The tally could not be saved. %1").arg(QString::fromLocal8Bit(failure.what()));
        return false;
    }
    return true;
}

void Ttallylist::loadtally()
{
    record_.clearSession();
    showOwnCounters();
    clearQuietly(listbox_tally);
    for (const QString& name : record_.opponents())
        checkItem(name, true, listbox_tally);
    recordChanged();
}

void Ttallylist::loadchecklist()
{
    clearQuietly(checklist);
    if (!seatNames_)
        return;
    for (const QString& name : seatNames_()) {
        if (name == kWaiting || name.isEmpty())
            continue;
        checkItem(name, record_.findOpponent(name) >= 0, checklist);
    }
}

void Ttallylist::addgame(const QString& winner, bool thisPlayerWon)
{
    loadchecklist();
    addtomineincrease(1);
    if (thisPlayerWon)
        addtomineincrease(2);
    QStringList players;
    for (int line = 0; line < checklist->count(); ++line)
        players.append(checklist->item(line)->text());
    record_.tallyGame(players, winner, thisPlayerWon);
    recordChanged();
    listbox_tallyClick();

    // Every game is on disk as soon as it is over, so a run that ends abruptly loses nothing.
    QString error;
    if (writeTallyFile(&error))
        return;
    writeFailure_.report(boxParent(), error);
}

qint64 Ttallylist::addit(int column, int row)
{
    const qint64 value = record_.addit(column, row);
    recordChanged();
    return value;
}

void Ttallylist::addtomineincrease(int column)
{
    const qint64 value = addit(column, 0);
    if (column >= 1 && column <= 4)
        mylabel_[static_cast<std::size_t>(column)]->setText(QString::number(value));
}

void Ttallylist::moverow(int row)
{
    record_.moverow(row);
    recordChanged();
}

void Ttallylist::checklistClickCheck(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString name = item->text();
    if (record_.findOpponent(name) >= 0) {
        // Dropping an opponent is done in "Players Being Tallied"; here the mark stays.
        setChecked(item, true);
        return;
    }
    // Only a new check mark starts a tally; taking one away never does.
    if (item->checkState() != Qt::Checked)
        return;
    if (!TallyRecord::canTally(name)) {
        setChecked(item, false);
        return;
    }
    record_.appendOpponent(name);
    checkItem(name, true, listbox_tally);
    recordChanged();
}

void Ttallylist::listbox_tallyClick()
{
    const int line = listbox_tally->currentRow();
    if (line < 0 || line + 1 >= record_.rowCount())
        return;
    const int row = line + 1;
    for (int column = 1; column <= 8; ++column)
        label_[static_cast<std::size_t>(column)]->setText(record_.cell(column, row));
    const QString name = record_.cell(0, row);
    label_hisname->setText(tr("%1 Wins:").arg(name));
    label_hisnametop->setText(tr("%1's Tally").arg(name));
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem* item)
{
    if (!item || item->checkState() == Qt::Checked)
        return;
    const QString name = item->text();
    if (!boxes_.confirm(this, tr("This will delete %1's Tally, Are you want to delete it?").arg(name))) {
        setChecked(item, true);
        return;
    }
    const int line = listbox_tally->row(item);
    moverow(line + 1);
    {
        const QSignalBlocker quiet(listbox_tally);
        delete listbox_tally->takeItem(line);
    }
    // Whoever is still at the table is no longer tallied: the mark there goes too.
    for (int at = 0; at < checklist->count(); ++at)
        if (checklist->item(at)->text().compare(name, Qt::CaseInsensitive) == 0 &&
            record_.findOpponent(checklist->item(at)->text()) < 0)
            setChecked(checklist->item(at), false);
    // Nobody left to show: the dropped opponent's name and numbers go from the panel too.
    if (listbox_tally->currentRow() < 0)
        clearOpponentPanel();
    else
        listbox_tallyClick();
}

void Ttallylist::button_resetClick()
{
    if (!boxes_.confirm(this, tr("Are you sure you want to reset the Tally?")))
        return;
    record_.reset();
    showOwnCounters();
    clearQuietly(listbox_tally);
    // The numbers go; the names shown and the players at the table stay as they are.
    for (int column = 1; column <= 8; ++column)
        label_[static_cast<std::size_t>(column)]->setText(QStringLiteral("0"));
    recordChanged();
}

void Ttallylist::button_doneClick() { hide(); }

void Ttallylist::showOwnCounters()
{
    for (int column = 1; column <= 4; ++column)
        mylabel_[static_cast<std::size_t>(column)]->setText(record_.cell(column, 0));
}

void Ttallylist::clearOpponentPanel()
{
    for (int column = 1; column <= 8; ++column)
        label_[static_cast<std::size_t>(column)]->setText(QStringLiteral("0"));
    label_hisname->setText(tr("%1 Wins:").arg(kNobody));
    label_hisnametop->setText(tr("%1's Tally").arg(kNobody));
}

void Ttallylist::recordChanged() { grid_->changed(); }
