#include "dialogs/scoresheetform.h"

#include "dialogs/background.h"
#include "platform/messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSaveFile>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTotalRole = Qt::UserRole + 1;
constexpr int kFixedColumns = 3; // round, spinner, how the round ended

const QColor kWentOut(206, 232, 190);
const QColor kBlocked(232, 226, 210);
const QColor kReplay(250, 240, 196);
const QColor kWinner(246, 214, 110);
const QColor kFaint(120, 120, 120);

QString fromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString columnName(const game::SheetGame& game, int seat)
{
    return game.names[seat].empty() ? QCoreApplication::translate("Tscoresheet", "Seat %1").arg(seat) : fromUtf8(game.names[seat]);
}

// A round score with its sign, as the seat rows show it: "+12", "-20", "0".
QString signedScore(int score) { return score > 0 ? QStringLiteral("+%1").arg(score) : QString::number(score); }

// A seat's cell: the round score at the left, the running total in bold at the right.
class SeatCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() < kFixedColumns) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString score = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect area = item.rect.adjusted(6, 0, -6, 0);
        painter->save();
        painter->setPen(item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        if (item.font.italic())
            painter->setPen(kFaint);
        painter->setFont(item.font);
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, score);
        QFont bold = item.font;
        bold.setItalic(false);
        bold.setBold(true);
        painter->setFont(bold);
        painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, index.data(kTotalRole).toString());
        painter->restore();
    }
};

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

Tscoresheet::Tscoresheet(game::ScoreSheet& sheet, MessageBoxes& boxes, const QPixmap& background,
                         BonePicture bonePicture, QWidget* parent)
    : QDialog(parent), sheet_(sheet), boxes_(boxes), bonePicture_(std::move(bonePicture))
{
    setObjectName(QStringLiteral("Tscoresheet"));
    setWindowTitle(tr("Tilvaro - Score Sheet"));
    setModal(false);
    resize(720, 330);
    setTiledBackground(this, background);

    auto* heading = new QLabel(tr("Score Sheet"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    label_game = new QLabel(this);
    label_game->setObjectName(QStringLiteral("label_game"));
    combo_game = new QComboBox(this);
    combo_game->setObjectName(QStringLiteral("combo_game"));
    combo_game->addItems({tr("This Game"), tr("Previous Game")});
    connect(combo_game, &QComboBox::currentIndexChanged, this, [this] { refresh(); });

    grid_sheet = new QTableWidget(this);
    grid_sheet->setObjectName(QStringLiteral("grid_sheet"));
    grid_sheet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_sheet->setSelectionMode(QAbstractItemView::NoSelection);
    grid_sheet->setFocusPolicy(Qt::NoFocus);
    grid_sheet->verticalHeader()->hide();
    grid_sheet->setIconSize(QSize(34, 17));
    grid_sheet->setWordWrap(false);
    grid_sheet->setItemDelegate(new SeatCellDelegate(grid_sheet));
    grid_sheet->horizontalHeader()->setHighlightSections(false);

    button_copy = new QPushButton(tr("Copy"), this);
    button_copy->setObjectName(QStringLiteral("button_copy"));
    connect(button_copy, &QPushButton::clicked, this, &Tscoresheet::button_copyClick);
    button_save = new QPushButton(tr("Save As..."), this);
    button_save->setObjectName(QStringLiteral("button_save"));
    connect(button_save, &QPushButton::clicked, this, &Tscoresheet::button_saveClick);
    auto* done = new QPushButton(tr("Done"), this);
    connect(done, &QPushButton::clicked, this, &QWidget::hide);

    auto* top = new QHBoxLayout;
    top->addWidget(heading);
    top->addSpacing(12);
    top->addWidget(label_game, 1);
    top->addWidget(combo_game);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button_copy);
    buttons->addWidget(button_save);
    buttons->addStretch();
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_sheet, 1);
    layout->addLayout(buttons);

    chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Save Score Sheet"), QStringLiteral("scoresheet.csv"),
                                            tr("CSV files (*.csv);;All files (*)"));
    };
    sheet_.onChanged = [this] {
        if (isVisible())
            refresh();
    };
    refresh();
}

Tscoresheet::~Tscoresheet() { sheet_.onChanged = nullptr; }

void Tscoresheet::showEvent(QShowEvent* event)
{
    refresh();
    QDialog::showEvent(event);
}

void Tscoresheet::showGame(int which) { combo_game->setCurrentIndex(which == 1 ? 1 : 0); }

const game::SheetGame* Tscoresheet::shownGame() const
{
    return combo_game->currentIndex() == 1 ? sheet_.previous() : sheet_.current();
}

void Tscoresheet::refresh()
{
    // Until a second game starts there is no previous one to choose.
    auto* choices = qobject_cast<QStandardItemModel*>(combo_game->model());
    if (choices)
        choices->item(1)->setEnabled(sheet_.previous() != nullptr);
    if (combo_game->currentIndex() == 1 && !sheet_.previous())
        combo_game->setCurrentIndex(0);

    const game::SheetGame* game = shownGame();
    button_copy->setEnabled(game != nullptr);
    button_save->setEnabled(game != nullptr);
    if (!game) {
        label_game->setText(tr("No game has been played at this table yet."));
        grid_sheet->clear();
        grid_sheet->setRowCount(0);
        grid_sheet->setColumnCount(0);
        return;
    }
    QString state;
    if (game->over())
        state = tr("%1 has Won the Game!").arg(fromUtf8(game->winner));
    else if (!game->rows.empty())
        state = tr("Round %1 of %2").arg(game->rows.back().round).arg(fromUtf8(game->rounds));
    if (game->joinedLate)
        state += tr(" (joined during the game)");
    label_game->setText(state);
    fillGrid(*game);
}

void Tscoresheet::fillGrid(const game::SheetGame& game)
{
    std::vector<int> seats;
    for (int seat = 1; seat <= game::kSheetSeats; ++seat)
        if (game.column[seat])
            seats.push_back(seat);
    const int columns = kFixedColumns + static_cast<int>(seats.size());
    grid_sheet->clear();
    grid_sheet->clearSpans();
    grid_sheet->setColumnCount(columns);
    grid_sheet->setRowCount(static_cast<int>(game.rows.size()) + (game.over() ? 1 : 0));

    //: Column heads: the round, its spinner (the double in the middle), and how the round ended
    QStringList heading{tr("Round"), tr("Spinner"), tr("End")};
    for (const int seat : seats)
        heading.append(columnName(game, seat));
    grid_sheet->setHorizontalHeaderLabels(heading);
    for (int i = 0; i < static_cast<int>(seats.size()); ++i)
        if (seats[i] == game.winnerSeat && game.over()) {
            QTableWidgetItem* header = grid_sheet->horizontalHeaderItem(kFixedColumns + i);
            QFont bold = header->font();
            bold.setBold(true);
            header->setFont(bold);
            header->setBackground(kWinner);
            header->setText(header->text() + QStringLiteral(" \u2605"));
        }

    for (int r = 0; r < static_cast<int>(game.rows.size()); ++r) {
        const game::SheetRow& row = game.rows[static_cast<std::size_t>(r)];
        const bool last = r + 1 == static_cast<int>(game.rows.size());
        QColor tint;
        if (row.replay)
            tint = kReplay;
        else if (row.seen && row.out == 0)
            tint = kBlocked;

        QTableWidgetItem* round = cell(row.replay ? tr("%1 (tie replay)").arg(row.round) : QString::number(row.round));
        round->setTextAlignment(Qt::AlignCenter);
        grid_sheet->setItem(r, 0, round);

        QTableWidgetItem* spinner = cell(fromUtf8(game::boneText(row.spinner)));
        if (bonePicture_ && row.spinner > 0)
            spinner->setIcon(QIcon(bonePicture_(row.spinner)));
        if (!row.newSpinners.empty()) {
            QStringList doubles;
            for (const int bone : row.newSpinners)
                doubles.append(fromUtf8(game::boneText(bone)));
            spinner->setText(spinner->text() + QStringLiteral(" \u2192 ") + doubles.join(QStringLiteral(" \u2192 ")));
            spinner->setToolTip(tr("New spinners: %1").arg(doubles.join(QStringLiteral(", "))));
        }
        grid_sheet->setItem(r, 1, spinner);

        QString end;
        if (!row.seen)
            end = tr("not seen");
        else if (!row.finished())
            end = tr("in play");
        else if (row.out == 0)
            end = tr("blocked");
        else
            end = tr("%1 went out").arg(columnName(game, row.out));
        grid_sheet->setItem(r, 2, cell(end));

        for (int i = 0; i < static_cast<int>(seats.size()); ++i) {
            const int seat = seats[static_cast<std::size_t>(i)];
            QTableWidgetItem* item = cell(QString());
            if (!row.seen) {
                item->setText(tr("not seen"));
                QFont italic = item->font();
                italic.setItalic(true);
                item->setFont(italic);
            } else if (row.score[seat]) {
                item->setText(signedScore(*row.score[seat]));
                if (!row.dealt[seat])
                    item->setToolTip(tr("Credited on joining the game"));
            }
            if (row.total[seat])
                item->setData(kTotalRole, QString::number(*row.total[seat]));
            if (row.seen && row.out == seat) {
                item->setBackground(kWentOut);
                item->setToolTip(tr("Went out"));
            } else if (game.over() && last && seat == game.winnerSeat) {
                item->setBackground(kWinner);
            } else if (tint.isValid()) {
                item->setBackground(tint);
            }
            grid_sheet->setItem(r, kFixedColumns + i, item);
        }
        for (int column = 0; column < kFixedColumns; ++column)
            if (tint.isValid())
                grid_sheet->item(r, column)->setBackground(tint);
    }

    if (game.over()) {
        const int r = grid_sheet->rowCount() - 1;
        QTableWidgetItem* title = cell(tr("Winner"));
        title->setTextAlignment(Qt::AlignCenter);
        QTableWidgetItem* name = cell(fromUtf8(game.winner));
        QFont bold = name->font();
        bold.setBold(true);
        title->setFont(bold);
        name->setFont(bold);
        title->setBackground(kWinner);
        name->setBackground(kWinner);
        grid_sheet->setItem(r, 0, title);
        grid_sheet->setItem(r, 1, name);
        grid_sheet->setSpan(r, 1, 1, columns - 1);
    }

    grid_sheet->setColumnWidth(0, 92);
    // A round whose board restarted several times lists every spinner: never cut it short.
    grid_sheet->resizeColumnToContents(1);
    grid_sheet->setColumnWidth(1, std::max(124, grid_sheet->columnWidth(1)));
    grid_sheet->setColumnWidth(2, 118);
    for (int column = kFixedColumns; column < columns; ++column)
        grid_sheet->setColumnWidth(column, 92);
    grid_sheet->horizontalHeader()->setStretchLastSection(true);
    // Six seats need more room than four: the window grows to show every column.
    const int wanted = grid_sheet->horizontalHeader()->length() + grid_sheet->verticalScrollBar()->sizeHint().width() +
                       2 * grid_sheet->frameWidth() + layout()->contentsMargins().left() + layout()->contentsMargins().right();
    if (width() < wanted)
        resize(wanted, height());
}

void Tscoresheet::button_copyClick()
{
    const game::SheetGame* game = shownGame();
    if (!game)
        return;
    QApplication::clipboard()->setText(fromUtf8(game::toTabText(game::sheetCells(*game))));
}

bool Tscoresheet::saveTo(const QString& path)
{
    const game::SheetGame* game = shownGame();
    if (!game) {
        error_ = tr("There is no score sheet to save.");
        return false;
    }
    const std::string text = game::toCsv(game::sheetCells(*game));
    // Written beside the target and renamed over it: a failed save leaves the old file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = file.errorString();
        return false;
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        error_ = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error_ = file.errorString();
        return false;
    }
    error_.clear();
    return true;
}

void Tscoresheet::button_saveClick()
{
    if (!shownGame() || !chooseFile)
        return;
    const QString path = chooseFile();
    if (path.isEmpty())
        return;
    if (!saveTo(path))
        boxes_.error(this, tr("The score sheet could not be saved. %1").arg(error_));
}
