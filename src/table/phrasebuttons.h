#pragma once
// PhraseButtons: the chat's nine phrase buttons. Each says its phrase (its tooltip, which the
// phrase editor changes) as an action; after one is said the buttons rest for a pause, so a
// player cannot flood the table with phrases.

#include "game/phrases.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class ClickImage;
class QPixmap;
class QTimer;
class QWidget;

class PhraseButtons : public QObject {
public:
    static constexpr int kCount = game::kPhraseCount;
    static constexpr int kPauseMs = 2000;
    static const std::array<const char*, kCount> kDefaults;

    // The buttons go on `panel`, whose top left sits at `origin` of the table's main panel. A
    // phrase keeps at most `longest` characters.
    PhraseButtons(QWidget& panel, const QPixmap& picture, QPoint origin, int longest);

    // Says a text with a verb ("CMD_action"). May throw the socket's error: the buttons then stay
    // ready.
    std::function<void(const char* verb, const QString& text)> say;

    QString phrase(int n) const; // n 1 to 9
    void setPhrase(int n, const QString& text);
    QStringList phrases() const;
    void b_phrase1Click(int n);
    bool ready() const { return ready_; }
    void startPause();
    // The pause's timer handler: the buttons may be used again.
    void phrasePauseTimer();

private:
    int longest_;
    bool ready_ = true;
    QTimer* pause_ = nullptr;
    std::array<ClickImage*, kCount + 1> buttons_{}; // 1 to 9
};
