#pragma once
// Tgamestart: the hosting player's dialog for starting a game. It sets the rounds to play
// (3 to 10) and what happens to newcomers who connect while the game runs, and hands the start
// request to the table.

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class Tgamestart : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFewestRounds = 3;
    static constexpr int kMostRounds = 10;
    // Newcomer options, as sent and as kept in the settings.
    enum Newcomers { CannotPlay = 1, StartWithHighest = 2, StartWithAverage = 3 };

    // `table` is the table window: the dialog belongs to it and is centred on it whenever it
    // is shown. `background` is the table's background picture, tiled.
    Tgamestart(QWidget* table, const QPixmap& background);

    // Called by the start button with the fields of "CMD_startgame", in order: the player
    // name, the rounds as shown, the newcomer option, and the empty last field.
    void setStartGame(std::function<void(const QStringList& fields)> send) { startGame_ = std::move(send); }
    // Called after a start, once the dialog is hidden, so the choices get written.
    void setSettingsChanged(std::function<void()> save) { settingsChanged_ = std::move(save); }
    void setPlayerName(const QString& name) { playerName_ = name; }

    int rounds() const;
    // Clamped to 3..10.
    void setRounds(int rounds);
    // 1 to 3, see Newcomers.
    int newcomers() const;
    // An option outside 1..3 (a damaged settings file) leaves the choice as it is.
    void setNewcomers(int option);

    // Checks the option picture of that name ("image_newcomers1" to "image_newcomers3") and
    // makes its option the chosen one; any other name does nothing.
    void checkit(const QString& pictureName);

    // The pictures drawn into the option pictures: 0 an empty box, 1 a checked box.
    const std::array<QPixmap, 2>& checkPictures() const { return imagelist_checks; }

    void button_startClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* table_;
    QSpinBox* UpDown1;
    QLineEdit* edit_playtoscore;
    QLabel* label_newcomers;
    std::array<QLabel*, 3> image_newcomers;
    QPushButton* button_start;
    std::array<QPixmap, 2> imagelist_checks;

    QString playerName_;
    std::function<void(const QStringList&)> startGame_;
    std::function<void()> settingsChanged_;
};
