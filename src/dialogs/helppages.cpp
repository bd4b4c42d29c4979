#include "dialogs/helppages.h"

#include <QCoreApplication>

namespace helppages {

QString overview()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>Welcome to Tilvaro</h2>"
        "<p>Tilvaro is Chicken Foot, the dominoes game of the double-nine set, for up to six players "
        "at one table, with up to three more following the game as spectators.</p>"
        "<p>We wrote it because Chicken Foot is the game our families bring out after dinner: quick "
        "to learn, full of little decisions, and noisy in the best way. Every table has a chat, "
        "phrase buttons for the things you say most, smileys and chatter sounds, so the talk around "
        "the table comes along too.</p>"
        "<p>Started on its own, Tilvaro deals you a solo game against the computer. Through the "
        "Brisko Lobby you meet other players and sit down at their tables, or host your own.</p>"
        "<p>Use the buttons on the left to read about connecting, the rules of play and scoring. "
        "Have fun, and may your hand run out first!</p>"
        "<p><i>The Tilvaro Team</i></p>");
}

QString connecting()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>Connecting</h2>"
        "<h3>Solo games</h3>"
        "<p>Start Tilvaro without the lobby and it sets up a table on your own computer, with you in "
        "the first seat and the computer player Klot in the second. Click <b>Start Game</b> (or "
        "choose <b>File, Start Game</b>), pick the number of rounds and off you go. A solo game needs "
        "no internet connection.</p>"
        "<p>Even offline, the game talks to itself over your computer's network connection: the "
        "table you see and the game host behind it are connected like any other players. If your "
        "firewall asks, allow Tilvaro to use the network.</p>"
        "<h3>Games with others</h3>"
        "<p>Multi-player games are started from the Brisko Lobby. There you find players, open a "
        "table or join one, and the lobby starts Tilvaro for you with the right name and address.</p>"
        "<p>The player who hosts a table runs the game for everybody: the others connect to that "
        "computer on <b>TCP port 7772</b>. A host behind a firewall or a router must let incoming "
        "connections reach that port, or nobody will be able to sit down.</p>"
        "<p>Seats that nobody takes are played by the computer. Anyone who arrives when the six seats "
        "are taken can still watch the game as a spectator.</p>"
        "<p>The host is the table. When the host leaves or loses the connection, the game ends for "
        "everyone at it. When any other player leaves, the game goes on and the computer plays "
        "their hand.</p>");
}

QString gamePlay()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>Game Play</h2>"
        "<h3>The deal</h3>"
        "<p>A game lasts from 3 to 10 rounds, as the host chooses when starting it. Each round the "
        "bones are shuffled and dealt; how many you get depends on the number of players:</p>"
        "<table cellspacing='0' cellpadding='3' border='1'>"
        "<tr><th>Players</th><th>Bones each</th></tr>"
        "<tr><td align='center'>2</td><td align='center'>16</td></tr>"
        "<tr><td align='center'>3</td><td align='center'>14</td></tr>"
        "<tr><td align='center'>4</td><td align='center'>11</td></tr>"
        "<tr><td align='center'>5</td><td align='center'>9</td></tr>"
        "<tr><td align='center'>6</td><td align='center'>7</td></tr>"
        "</table>"
        "<p>The bones that are not dealt stay face down for the whole round; nobody draws.</p>"
        "<h3>The spinner</h3>"
        "<p>Every round starts from a double in the middle of the board, the spinner. The first "
        "round's spinner is the double 9, the second round's the double 8, and so on down to the "
        "double blank in round 10. The first player of the game leads the first round; after that, "
        "the turn simply carries on around the table.</p>"
        "<h3>The chicken foot</h3>"
        "<p>Three lines of bones, the toes, grow out of the spinner. To start a toe, play a bone with "
        "the spinner's number on it. All three toes must be started before anyone may build on "
        "them; until then every play starts a toe.</p>"
        "<p>Once the three toes stand, play a bone on the open end of any toe: its matching half goes "
        "against that end. To play, click a bone in your hand to raise it, then click one of the "
        "places marked on the board.</p>"
        "<h3>Doubles</h3>"
        "<p>A double played on the end of a toe becomes the new spinner. After a short pause the "
        "board is cleared, the double sits in the middle, and three new toes have to be started "
        "from it, again all three before building on them.</p>"
        "<h3>Passing</h3>"
        "<p>If you cannot play, click <b>Pass</b>, and the turn moves on.</p>"
        "<h3>The end of a round</h3>"
        "<p>A round ends as soon as a player plays the last bone in their hand, or when every player "
        "has passed in a row without a bone being played in between. Each player then scores the "
        "pips left in their hand (see Scoring).</p>"
        "<h3>The end of the game</h3>"
        "<p>After the chosen number of rounds the player with the <b>lowest</b> total wins. If two or "
        "more players share the lowest total, the last round is played again, until one player "
        "alone has the lowest total.</p>"
        "<h3>Joining a game already running</h3>"
        "<p>When the host starts a game, they choose what happens to players who arrive later: they "
        "cannot play until the next game, or they join at the next round starting with the highest "
        "total at the table, or with the average total.</p>"
        "<h3>Watching</h3>"
        "<p>Choose <b>Options, Just Watch</b> to let the computer play your seat for a while, and "
        "choose it again to take your seat back. <b>Options, Bot Speed</b> sets how quickly the "
        "computer players move. The hosting player can make the computer players stronger with "
        "<b>Options, Computer Skill, Strong</b>, and keep an absent player from holding up the table "
        "with <b>Options, Turn Time Limit</b>: when a turn runs out, the computer makes that move for "
        "the player, and after two in a row it sets the seat to Just Watch.</p>"
        "<h3>Playing from the keyboard</h3>"
        "<p>When the window opens, what you type goes to the chat. Press <b>F6</b> to move between "
        "the chat and your hand (<b>Esc</b> in the chat also takes you to the hand). In the hand, "
        "<b>Left</b> and <b>Right</b> (or <b>Home</b> and <b>End</b>) move the ring along your bones. "
        "<b>Space</b> raises or lowers the bone in the ring; raising a second bone swaps the two. On "
        "your turn, <b>1</b>, <b>2</b> or <b>3</b> plays the raised bone on the marker of toe 1, 2 "
        "or 3, and <b>Enter</b> plays it on the only marker it fits. <b>P</b> passes and <b>S</b> "
        "sorts your hand.</p>"
        "<p>Screen readers read your bones, the toe markers, the board, the seats and the status "
        "line, and announce turns, plays, passes, round ends and the winner.</p>");
}

QString scoring()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>Scoring</h2>"
        "<p>Points in Chicken Foot are penalty points: the lower your total, the better.</p>"
        "<p>At the end of each round, the pips on the bones left in your hand are added to your "
        "points. A 6|4 and a 2|0 left over, for example, cost you 12 points.</p>"
        "<p>The player who goes out, playing their last bone, scores <b>-20</b> for the round: "
        "twenty points come off their total. When a round ends because everyone passed, nobody "
        "gets the -20.</p>"
        "<p>Your score for the round and your total are shown beside your name. After the last "
        "round, the lowest total wins the game; a tie for the lowest total replays the last round.</p>"
        "<p>Every game you finish is added to your tally (<b>View, View Tally</b>), so you can see how "
        "you fare against the players you meet most.</p>"
        "<p><b>View, Score Sheet</b> shows this game and the previous one round by round: the "
        "spinner, who went out (or \"blocked\" when everyone passed), each seat's round score with "
        "its running total, a tie replay as a row of its own, and the winner; rounds played before "
        "you joined show as \"not seen\". <b>Copy</b> puts the sheet on the clipboard as "
        "tab-separated text, and <b>Save As...</b> writes it as a CSV file.</p>");
}

QString documentation()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>History</h2>"
        "<h3>1.0.4 &mdash; 8 December 2026</h3>"
        "<ul><li>Packaged for Linux desktops: a menu entry, an icon and a manual page.</li>"
        "<li>Tables can be hosted and joined over IPv6.</li>"
        "<li>The chat's text size, colour and phrases are kept between games.</li>"
        "<li>New help pages, a fresh about box and the lobby download window.</li></ul>"
        "<h3>1.0.3 &mdash; 9 June 2026</h3>"
        "<ul><li>The table remembers where you left its window, even across several screens.</li>"
        "<li>Hosts turn away connections that never log in or send without end, so one bad "
        "connection cannot stall a table.</li>"
        "<li>The phrase buttons' texts can be edited under View, Phrase List.</li></ul>"
        "<h3>1.0.2 &mdash; 20 January 2026</h3>"
        "<ul><li>Sounds for plays, passes, doubles and your turn, and chatter sounds in the chat.</li>"
        "<li>The spy list shows who is watching; the host can remove spectators.</li>"
        "<li>Fixed: a \"+\" in a host's name no longer mixes up the game's options.</li></ul>"
        "<h3>1.0.1 &mdash; 2 September 2025</h3>"
        "<ul><li>Just Watch and three bot speeds.</li>"
        "<li>The host can remove a player, and seats can be set to watch and back.</li>"
        "<li>Late arrivals can start with the highest or the average total.</li></ul>"
        "<h3>1.0.0 &mdash; 14 June 2025</h3>"
        "<ul><li>First release: Chicken Foot for up to six players and three spectators, with the "
        "computer players Klot, Klock, Kling, Klick and Krazy, chat and smileys, and a tally of "
        "your games.</li></ul>");
}

QString license()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>License</h2>"
        "<p>Tilvaro &mdash; Chicken Foot dominoes for up to six players.<br>"
        "Copyright &copy; 2025-2026 The Tilvaro Team.</p>"
        "<p>Tilvaro is free software: you can redistribute it and/or modify it under the terms of "
        "the GNU General Public License as published by the Free Software Foundation, either "
        "version 3 of the License, or (at your option) any later version.</p>"
        "<p>Tilvaro is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; "
        "without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. "
        "See the GNU General Public License for more details.</p>"
        "<p>You should have received a copy of the GNU General Public License along with Tilvaro. "
        "If not, see https://www.gnu.org/licenses/.</p>"
        "<p>In short: you may use Tilvaro for anything, share it with anyone and change it as you "
        "like. If you pass it on, changed or not, pass on its source code under the same licence, "
        "so the people you give it to have the same freedoms you had.</p>"
        "<p>The Brisko Lobby is a separate program with its own terms.</p>");
}

QString lobby()
{
    //: A help page in HTML: translate the text, keep the tags
    return QCoreApplication::translate("HelpPages",
        "<h2>The Lobby</h2>"
        "<p>The Brisko Lobby is where players meet. It lists the people online and the tables that "
        "are open, lets you chat before a game, and starts Tilvaro for you when you host a table or "
        "sit down at someone else's, with your name and the host's address already filled in.</p>"
        "<p>The lobby is a program of its own. To get it, start Tilvaro without the lobby: the "
        "download window appears with a button to download and install it. You can also download "
        "it from our web site, www.tilvaro.org, where you will find news of the game as well.</p>"
        "<p>Once the lobby is installed, the download window's <b>Play with Others</b> button closes "
        "the game and opens the lobby.</p>");
}

} // namespace helppages
