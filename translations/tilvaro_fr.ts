<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Artwork</name>
    <message>
        <source>place bone</source>
        <extracomment>Two short lines on a small green marker on the board</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pass</source>
        <extracomment>A small button, 65 pixels wide</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start game</source>
        <extracomment>A button, 102 pixels wide</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatInput</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatMenus</name>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChatPanel</name>
    <message>
        <source>Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See ya!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source>Blank</source>
        <extracomment>The number of pips on one half of a bone, read out by a screen reader</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double %1</source>
        <extracomment>A bone with the same number on both halves, e.g. &quot;Double six&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A bone, e.g. &quot;Six and four&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>A button&apos;s name as a screen reader speaks it: pass the turn</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilvaro web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter sends the text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player, as a screen reader names them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the spinner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on toe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 played %2 %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Spinner: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Spinner Loaded! %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> New Spinner Loaded!</source>
        <comment>Follows a sentence: mind the space</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round over: %1 went out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round over: everyone passed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 %2, total %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 bone.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bones.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1 of %2, raised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toe %1, place %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, fits a %1</source>
        <comment>A toe&apos;s open end takes a bone with this many pips</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1 plays the raised bone here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spinner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Toe %1: empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Toe %1: %2; open end %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seat %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (you)</source>
        <extracomment>After the player&apos;s own seat name for a screen reader</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 bone left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bones left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this round %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>their turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just watching</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>Keys in your hand (F6 moves between the chat and the hand, Esc in the chat comes here):
Left, Right, Home, End: move along the hand
Space: raise or lower the bone (raising a second bone swaps the two)
1, 2, 3: play the raised bone on toe 1, 2 or 3
Enter: play it on the only toe it fits
P: pass
S: sort the hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has already started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round already in progress..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>&lt;h2&gt;Welcome to Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro is Chicken Foot, the dominoes game of the double-nine set, for up to six players at one table, with up to three more following the game as spectators.&lt;/p&gt;&lt;p&gt;We wrote it because Chicken Foot is the game our families bring out after dinner: quick to learn, full of little decisions, and noisy in the best way. Every table has a chat, phrase buttons for the things you say most, smileys and chatter sounds, so the talk around the table comes along too.&lt;/p&gt;&lt;p&gt;Started on its own, Tilvaro deals you a solo game against the computer. Through the Brisko Lobby you meet other players and sit down at their tables, or host your own.&lt;/p&gt;&lt;p&gt;Use the buttons on the left to read about connecting, the rules of play and scoring. Have fun, and may your hand run out first!&lt;/p&gt;&lt;p&gt;&lt;i&gt;The Tilvaro Team&lt;/i&gt;&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Connecting&lt;/h2&gt;&lt;h3&gt;Solo games&lt;/h3&gt;&lt;p&gt;Start Tilvaro without the lobby and it sets up a table on your own computer, with you in the first seat and the computer player Klot in the second. Click &lt;b&gt;Start Game&lt;/b&gt; (or choose &lt;b&gt;File, Start Game&lt;/b&gt;), pick the number of rounds and off you go. A solo game needs no internet connection.&lt;/p&gt;&lt;p&gt;Even offline, the game talks to itself over your computer&apos;s network connection: the table you see and the game host behind it are connected like any other players. If your firewall asks, allow Tilvaro to use the network.&lt;/p&gt;&lt;h3&gt;Games with others&lt;/h3&gt;&lt;p&gt;Multi-player games are started from the Brisko Lobby. There you find players, open a table or join one, and the lobby starts Tilvaro for you with the right name and address.&lt;/p&gt;&lt;p&gt;The player who hosts a table runs the game for everybody: the others connect to that computer on &lt;b&gt;TCP port 7772&lt;/b&gt;. A host behind a firewall or a router must let incoming connections reach that port, or nobody will be able to sit down.&lt;/p&gt;&lt;p&gt;Seats that nobody takes are played by the computer. Anyone who arrives when the six seats are taken can still watch the game as a spectator.&lt;/p&gt;&lt;p&gt;The host is the table. When the host leaves or loses the connection, the game ends for everyone at it. When any other player leaves, the game goes on and the computer plays their hand.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game Play&lt;/h2&gt;&lt;h3&gt;The deal&lt;/h3&gt;&lt;p&gt;A game lasts from 3 to 10 rounds, as the host chooses when starting it. Each round the bones are shuffled and dealt; how many you get depends on the number of players:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Players&lt;/th&gt;&lt;th&gt;Bones each&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;The bones that are not dealt stay face down for the whole round; nobody draws.&lt;/p&gt;&lt;h3&gt;The spinner&lt;/h3&gt;&lt;p&gt;Every round starts from a double in the middle of the board, the spinner. The first round&apos;s spinner is the double 9, the second round&apos;s the double 8, and so on down to the double blank in round 10. The first player of the game leads the first round; after that, the turn simply carries on around the table.&lt;/p&gt;&lt;h3&gt;The chicken foot&lt;/h3&gt;&lt;p&gt;Three lines of bones, the toes, grow out of the spinner. To start a toe, play a bone with the spinner&apos;s number on it. All three toes must be started before anyone may build on them; until then every play starts a toe.&lt;/p&gt;&lt;p&gt;Once the three toes stand, play a bone on the open end of any toe: its matching half goes against that end. To play, click a bone in your hand to raise it, then click one of the places marked on the board.&lt;/p&gt;&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;A double played on the end of a toe becomes the new spinner. After a short pause the board is cleared, the double sits in the middle, and three new toes have to be started from it, again all three before building on them.&lt;/p&gt;&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;If you cannot play, click &lt;b&gt;Pass&lt;/b&gt;, and the turn moves on.&lt;/p&gt;&lt;h3&gt;The end of a round&lt;/h3&gt;&lt;p&gt;A round ends as soon as a player plays the last bone in their hand, or when every player has passed in a row without a bone being played in between. Each player then scores the pips left in their hand (see Scoring).&lt;/p&gt;&lt;h3&gt;The end of the game&lt;/h3&gt;&lt;p&gt;After the chosen number of rounds the player with the &lt;b&gt;lowest&lt;/b&gt; total wins. If two or more players share the lowest total, the last round is played again, until one player alone has the lowest total.&lt;/p&gt;&lt;h3&gt;Joining a game already running&lt;/h3&gt;&lt;p&gt;When the host starts a game, they choose what happens to players who arrive later: they cannot play until the next game, or they join at the next round starting with the highest total at the table, or with the average total.&lt;/p&gt;&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;Choose &lt;b&gt;Options, Just Watch&lt;/b&gt; to let the computer play your seat for a while, and choose it again to take your seat back. &lt;b&gt;Options, Bot Speed&lt;/b&gt; sets how quickly the computer players move. The hosting player can make the computer players stronger with &lt;b&gt;Options, Computer Skill, Strong&lt;/b&gt;.&lt;/p&gt;&lt;h3&gt;Playing from the keyboard&lt;/h3&gt;&lt;p&gt;When the window opens, what you type goes to the chat. Press &lt;b&gt;F6&lt;/b&gt; to move between the chat and your hand (&lt;b&gt;Esc&lt;/b&gt; in the chat also takes you to the hand). In the hand, &lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Home&lt;/b&gt; and &lt;b&gt;End&lt;/b&gt;) move the ring along your bones. &lt;b&gt;Space&lt;/b&gt; raises or lowers the bone in the ring; raising a second bone swaps the two. On your turn, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; or &lt;b&gt;3&lt;/b&gt; plays the raised bone on the marker of toe 1, 2 or 3, and &lt;b&gt;Enter&lt;/b&gt; plays it on the only marker it fits. &lt;b&gt;P&lt;/b&gt; passes and &lt;b&gt;S&lt;/b&gt; sorts your hand.&lt;/p&gt;&lt;p&gt;Screen readers read your bones, the toe markers, the board, the seats and the status line, and announce turns, plays, passes, round ends and the winner.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Scoring&lt;/h2&gt;&lt;p&gt;Points in Chicken Foot are penalty points: the lower your total, the better.&lt;/p&gt;&lt;p&gt;At the end of each round, the pips on the bones left in your hand are added to your points. A 6|4 and a 2|0 left over, for example, cost you 12 points.&lt;/p&gt;&lt;p&gt;The player who goes out, playing their last bone, scores &lt;b&gt;-20&lt;/b&gt; for the round: twenty points come off their total. When a round ends because everyone passed, nobody gets the -20.&lt;/p&gt;&lt;p&gt;Your score for the round and your total are shown beside your name. After the last round, the lowest total wins the game; a tie for the lowest total replays the last round.&lt;/p&gt;&lt;p&gt;Every game you finish is added to your tally (&lt;b&gt;View, View Tally&lt;/b&gt;), so you can see how you fare against the players you meet most.&lt;/p&gt;&lt;p&gt;&lt;b&gt;View, Score Sheet&lt;/b&gt; shows this game and the previous one round by round: the spinner, who went out (or &quot;blocked&quot; when everyone passed), each seat&apos;s round score with its running total, a tie replay as a row of its own, and the winner; rounds played before you joined show as &quot;not seen&quot;. &lt;b&gt;Copy&lt;/b&gt; puts the sheet on the clipboard as tab-separated text, and &lt;b&gt;Save As...&lt;/b&gt; writes it as a CSV file.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;History&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 December 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Packaged for Linux desktops: a menu entry, an icon and a manual page.&lt;/li&gt;&lt;li&gt;Tables can be hosted and joined over IPv6.&lt;/li&gt;&lt;li&gt;The chat&apos;s text size, colour and phrases are kept between games.&lt;/li&gt;&lt;li&gt;New help pages, a fresh about box and the lobby download window.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 June 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;The table remembers where you left its window, even across several screens.&lt;/li&gt;&lt;li&gt;Hosts turn away connections that never log in or send without end, so one bad connection cannot stall a table.&lt;/li&gt;&lt;li&gt;The phrase buttons&apos; texts can be edited under View, Phrase List.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 January 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sounds for plays, passes, doubles and your turn, and chatter sounds in the chat.&lt;/li&gt;&lt;li&gt;The spy list shows who is watching; the host can remove spectators.&lt;/li&gt;&lt;li&gt;Fixed: a &quot;+&quot; in a host&apos;s name no longer mixes up the game&apos;s options.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 September 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Just Watch and three bot speeds.&lt;/li&gt;&lt;li&gt;The host can remove a player, and seats can be set to watch and back.&lt;/li&gt;&lt;li&gt;Late arrivals can start with the highest or the average total.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 June 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;First release: Chicken Foot for up to six players and three spectators, with the computer players Klot, Klock, Kling, Klick and Krazy, chat and smileys, and a tally of your games.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;License&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; Chicken Foot dominoes for up to six players.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Tilvaro is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.&lt;/p&gt;&lt;p&gt;You should have received a copy of the GNU General Public License along with Tilvaro. If not, see https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;In short: you may use Tilvaro for anything, share it with anyone and change it as you like. If you pass it on, changed or not, pass on its source code under the same licence, so the people you give it to have the same freedoms you had.&lt;/p&gt;&lt;p&gt;The Brisko Lobby is a separate program with its own terms.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;The Lobby&lt;/h2&gt;&lt;p&gt;The Brisko Lobby is where players meet. It lists the people online and the tables that are open, lets you chat before a game, and starts Tilvaro for you when you host a table or sit down at someone else&apos;s, with your name and the host&apos;s address already filled in.&lt;/p&gt;&lt;p&gt;The lobby is a program of its own. To get it, start Tilvaro without the lobby: the download window appears with a button to download and install it. You can also download it from our web site, www.tilvaro.org, where you will find news of the game as well.&lt;/p&gt;&lt;p&gt;Once the lobby is installed, the download window&apos;s &lt;b&gt;Play with Others&lt;/b&gt; button closes the game and opens the lobby.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>You are Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source> and </source>
        <extracomment>Between the last two names of a list: &quot;ANN, BOB and CY&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unfinished game could not be read (%1); it was set aside as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume the unfinished game with %1 from round %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Round: 0 of 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Tilvaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Spinner Loaded!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You passed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 passed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not a valid play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posting Scores, Please Wait..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: &amp; marks the letter that opens the menu with Alt; keep the four letters apart</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <extracomment>Opens the help pages</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>How quickly the computer players move</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The computer players&apos; skill</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableShell</name>
    <message>
        <source>no answer within %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1: the host name was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game seed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableSounds</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The sound played when it is the player&apos;s turn: the classic one or the new one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tilvaro - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chicken Foot dominoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © %1 - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmed by: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Game is full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Brisko Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download The Brisko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download And Install The Brisko Lobby Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you already have The Brisko Lobby and you wish to play with others then click the button below to close this game and open The Brisko Lobby.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please close the game and open the Brisko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilvaro - Game Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds to Play:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEWCOMERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with Average</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilvaro - Help File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created by: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © %1 - </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TilvaroApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tilvaro - Phrase Buttons </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tscoresheet</name>
    <message>
        <source>Seat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilvaro - Score Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Score Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game has been played at this table yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (joined during the game)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>Column heads: the round, its spinner (the double in the middle), and how the round ended</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (tie replay)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New spinners: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not seen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credited on joining the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Went out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no score sheet to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The score sheet could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tilvaro - Spys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Tilvaro - Tally List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heads of the tally: all games so far, and the games of this run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It has been kept as %2, and a new tally starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It is left as it is at %2 and the games of this run are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tally could not be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
