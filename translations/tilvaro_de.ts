<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Artwork</name>
    <message>
        <source>place bone</source>
        <extracomment>Two short lines on a small green marker on the board</extracomment>
        <translation>Stein</translation>
    </message>
    <message>
        <source>here</source>
        <translation>anlegen</translation>
    </message>
    <message>
        <source>pass</source>
        <extracomment>A small button, 65 pixels wide</extracomment>
        <translation>passen</translation>
    </message>
    <message>
        <source>start game</source>
        <extracomment>A button, 102 pixels wide</extracomment>
        <translation>Spiel starten</translation>
    </message>
</context>
<context>
    <name>ChatInput</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier eingeben&gt;</translation>
    </message>
</context>
<context>
    <name>ChatMenus</name>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitscrollen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
</context>
<context>
    <name>ChatPanel</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>See ya!</source>
        <translation>Bis dann!</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Die Webseite lässt sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source>Blank</source>
        <extracomment>The number of pips on one half of a bone, read out by a screen reader</extracomment>
        <translation>Leer</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Double %1</source>
        <extracomment>A bone with the same number on both halves, e.g. &quot;Double six&quot;</extracomment>
        <translation>Doppel-%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A bone, e.g. &quot;Six and four&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>A button&apos;s name as a screen reader speaks it: pass the turn</extracomment>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Tilvaro web site</source>
        <translation>Website von Tilvaro</translation>
    </message>
    <message>
        <source>Round counter</source>
        <translation>Rundenzähler</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Chateingabe</translation>
    </message>
    <message>
        <source>Enter sends the text</source>
        <translation>Eingabetaste sendet den Text</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player, as a screen reader names them</extracomment>
        <translation>Du</translation>
    </message>
    <message>
        <source>as the spinner</source>
        <translation>als Mittelstein</translation>
    </message>
    <message>
        <source>on toe %1</source>
        <translation>an Kette %1</translation>
    </message>
    <message>
        <source>%1 played %2 %3.</source>
        <translation>%1: %2 %3 gelegt.</translation>
    </message>
    <message>
        <source>%1. Spinner: %2.</source>
        <translation>%1. Mittelstein: %2.</translation>
    </message>
    <message>
        <source>New Spinner Loaded! %1.</source>
        <translation>Neuer Mittelstein! %1.</translation>
    </message>
    <message>
        <source> New Spinner Loaded!</source>
        <comment>Follows a sentence: mind the space</comment>
        <translation> Neuer Mittelstein!</translation>
    </message>
    <message>
        <source>Round over: %1 went out.</source>
        <translation>Runde vorbei: %1 ist ausgegangen.</translation>
    </message>
    <message>
        <source>Round over: everyone passed.</source>
        <translation>Runde vorbei: alle haben gepasst.</translation>
    </message>
    <message>
        <source> %1 %2, total %3.</source>
        <translation> %1 %2, gesamt %3.</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Deine Hand</translation>
    </message>
    <message>
        <source>1 bone.
</source>
        <translation>1 Stein.
</translation>
    </message>
    <message>
        <source>%1 bones.
</source>
        <translation>%1 Steine.
</translation>
    </message>
    <message>
        <source>Place %1 of %2, raised</source>
        <translation>Position %1 von %2, angehoben</translation>
    </message>
    <message>
        <source>Place %1 of %2</source>
        <translation>Position %1 von %2</translation>
    </message>
    <message>
        <source>Toe %1, place %2</source>
        <translation>Kette %1, Position %2</translation>
    </message>
    <message>
        <source>, fits a %1</source>
        <comment>A toe&apos;s open end takes a bone with this many pips</comment>
        <translation>, passt an %1</translation>
    </message>
    <message>
        <source>Key %1 plays the raised bone here</source>
        <translation>Taste %1 legt den angehobenen Stein hier an</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Mittelstein: %1.</translation>
    </message>
    <message>
        <source>No spinner.</source>
        <translation>Kein Mittelstein.</translation>
    </message>
    <message>
        <source>
Toe %1: empty.</source>
        <translation>
Kette %1: leer.</translation>
    </message>
    <message>
        <source>
Toe %1: %2; open end %3.</source>
        <translation>
Kette %1: %2; offenes Ende %3.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Seat %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
    <message>
        <source> (you)</source>
        <extracomment>After the player&apos;s own seat name for a screen reader</extracomment>
        <translation> (du)</translation>
    </message>
    <message>
        <source>1 bone left</source>
        <translation>noch 1 Stein</translation>
    </message>
    <message>
        <source>%1 bones left</source>
        <translation>noch %1 Steine</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>gesamt %1</translation>
    </message>
    <message>
        <source>this round %1</source>
        <translation>diese Runde %1</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>du bist am Zug</translation>
    </message>
    <message>
        <source>their turn</source>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>schaut nur zu</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>The game has already started.</source>
        <translation>Das Spiel hat schon begonnen.</translation>
    </message>
    <message>
        <source>Round already in progress..</source>
        <translation>Die Runde läuft bereits..</translation>
    </message>
    <message>
        <source>Keys in your hand (F6 moves between the chat and the hand, Esc in the chat comes here):
Left, Right, Home, End: move along the hand
Space: raise or lower the bone (raising a second bone swaps the two)
1, 2, 3: play the raised bone on toe 1, 2 or 3
Enter: play it on the only toe it fits
P: pass
S: sort the hand
H: hint: raises the bone the computer would play and lights its marker; Enter then plays it</source>
        <translation>Tasten in deiner Hand (F6 wechselt zwischen Chat und Hand, Esc im Chat führt hierher):
Links, Rechts, Pos1, Ende: durch die Hand gehen
Leertaste: Stein anheben oder absenken (ein zweiter angehobener Stein tauscht die beiden)
1, 2, 3: angehobenen Stein an Kette 1, 2 oder 3 anlegen
Eingabetaste: an die einzige Kette anlegen, an die er passt
P: passen
S: Hand sortieren
H: Tipp: hebt den Stein an, den der Computer legen würde, und hebt seine Markierung hervor; Eingabetaste legt ihn dann an</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>&lt;h2&gt;Welcome to Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro is Chicken Foot, the dominoes game of the double-nine set, for up to six players at one table, with up to three more following the game as spectators.&lt;/p&gt;&lt;p&gt;We wrote it because Chicken Foot is the game our families bring out after dinner: quick to learn, full of little decisions, and noisy in the best way. Every table has a chat, phrase buttons for the things you say most, smileys and chatter sounds, so the talk around the table comes along too.&lt;/p&gt;&lt;p&gt;Started on its own, Tilvaro deals you a solo game against the computer. Through the Brisko Lobby you meet other players and sit down at their tables, or host your own.&lt;/p&gt;&lt;p&gt;Use the buttons on the left to read about connecting, the rules of play and scoring. Have fun, and may your hand run out first!&lt;/p&gt;&lt;p&gt;&lt;i&gt;The Tilvaro Team&lt;/i&gt;&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Willkommen bei Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro ist Hühnerfuß (Chicken Foot), das Dominospiel mit dem Doppel-Neun-Satz, für bis zu sechs Spieler an einem Tisch, dazu bis zu drei Zuschauer, die das Spiel verfolgen.&lt;/p&gt;&lt;p&gt;Wir haben es geschrieben, weil Hühnerfuß das Spiel ist, das in unseren Familien nach dem Abendessen auf den Tisch kommt: schnell gelernt, voller kleiner Entscheidungen und auf die beste Art laut. Jeder Tisch hat einen Chat, Spruchknöpfe für das, was man am häufigsten sagt, Smileys und Geräusche, damit auch das Gespräch am Tisch mitkommt.&lt;/p&gt;&lt;p&gt;Für sich allein gestartet, gibt dir Tilvaro ein Solospiel gegen den Computer. In der Brisko Lobby triffst du andere Spieler und setzt dich an ihre Tische oder eröffnest einen eigenen.&lt;/p&gt;&lt;p&gt;Mit den Knöpfen links liest du mehr über das Verbinden, die Spielregeln und die Wertung. Viel Spaß, und mögest du als Erster alle Steine los sein!&lt;/p&gt;&lt;p&gt;&lt;i&gt;Das Tilvaro-Team&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Connecting&lt;/h2&gt;&lt;h3&gt;Solo games&lt;/h3&gt;&lt;p&gt;Start Tilvaro without the lobby and it sets up a table on your own computer, with you in the first seat and the computer player Klot in the second. Click &lt;b&gt;Start Game&lt;/b&gt; (or choose &lt;b&gt;File, Start Game&lt;/b&gt;), pick the number of rounds and off you go. A solo game needs no internet connection.&lt;/p&gt;&lt;p&gt;Even offline, the game talks to itself over your computer&apos;s network connection: the table you see and the game host behind it are connected like any other players. If your firewall asks, allow Tilvaro to use the network.&lt;/p&gt;&lt;h3&gt;Games with others&lt;/h3&gt;&lt;p&gt;Multi-player games are started from the Brisko Lobby. There you find players, open a table or join one, and the lobby starts Tilvaro for you with the right name and address.&lt;/p&gt;&lt;p&gt;The player who hosts a table runs the game for everybody: the others connect to that computer on &lt;b&gt;TCP port 7772&lt;/b&gt;. A host behind a firewall or a router must let incoming connections reach that port, or nobody will be able to sit down.&lt;/p&gt;&lt;p&gt;Seats that nobody takes are played by the computer. Anyone who arrives when the six seats are taken can still watch the game as a spectator.&lt;/p&gt;&lt;p&gt;The host is the table. When the host leaves or loses the connection, the game ends for everyone at it. When any other player leaves, the game goes on and the computer plays their hand.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Verbinden&lt;/h2&gt;&lt;h3&gt;Solospiele&lt;/h3&gt;&lt;p&gt;Startest du Tilvaro ohne die Lobby, richtet es einen Tisch auf deinem eigenen Rechner ein: du auf dem ersten Platz, der Computerspieler Klot auf dem zweiten. Klicke auf &lt;b&gt;Spiel starten&lt;/b&gt; (oder wähle &lt;b&gt;Datei, Spiel starten&lt;/b&gt;), wähle die Anzahl der Runden, und los geht es. Ein Solospiel braucht keine Internetverbindung.&lt;/p&gt;&lt;p&gt;Auch offline spricht das Spiel über die Netzwerkverbindung deines Rechners mit sich selbst: Der Tisch, den du siehst, und der Spielleiter dahinter sind verbunden wie alle anderen Spieler. Fragt deine Firewall nach, erlaube Tilvaro die Nutzung des Netzwerks.&lt;/p&gt;&lt;h3&gt;Spiele mit anderen&lt;/h3&gt;&lt;p&gt;Mehrspielerpartien werden in der Brisko Lobby gestartet. Dort findest du Mitspieler, eröffnest einen Tisch oder setzt dich an einen, und die Lobby startet Tilvaro für dich mit dem richtigen Namen und der richtigen Adresse.&lt;/p&gt;&lt;p&gt;Wer einen Tisch eröffnet, leitet das Spiel für alle: Die anderen verbinden sich mit diesem Rechner über &lt;b&gt;TCP-Port 7772&lt;/b&gt;. Steht der Gastgeber hinter einer Firewall oder einem Router, müssen eingehende Verbindungen diesen Port erreichen können, sonst kann sich niemand an den Tisch setzen.&lt;/p&gt;&lt;p&gt;Plätze, die niemand einnimmt, spielt der Computer. Wer kommt, wenn alle sechs Plätze besetzt sind, kann das Spiel trotzdem als Zuschauer verfolgen.&lt;/p&gt;&lt;p&gt;Der Gastgeber ist der Tisch. Geht der Gastgeber oder verliert er die Verbindung, endet das Spiel für alle daran. Geht ein anderer Spieler, läuft das Spiel weiter, und der Computer spielt seine Hand.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Scoring&lt;/h2&gt;&lt;p&gt;Points in Chicken Foot are penalty points: the lower your total, the better.&lt;/p&gt;&lt;p&gt;At the end of each round, the pips on the bones left in your hand are added to your points. A 6|4 and a 2|0 left over, for example, cost you 12 points.&lt;/p&gt;&lt;p&gt;The player who goes out, playing their last bone, scores &lt;b&gt;-20&lt;/b&gt; for the round: twenty points come off their total. When a round ends because everyone passed, nobody gets the -20.&lt;/p&gt;&lt;p&gt;Your score for the round and your total are shown beside your name. After the last round, the lowest total wins the game; a tie for the lowest total replays the last round.&lt;/p&gt;&lt;p&gt;Every game you finish is added to your tally (&lt;b&gt;View, View Tally&lt;/b&gt;), so you can see how you fare against the players you meet most.&lt;/p&gt;&lt;p&gt;&lt;b&gt;View, Score Sheet&lt;/b&gt; shows this game and the previous one round by round: the spinner, who went out (or &quot;blocked&quot; when everyone passed), each seat&apos;s round score with its running total, a tie replay as a row of its own, and the winner; rounds played before you joined show as &quot;not seen&quot;. &lt;b&gt;Copy&lt;/b&gt; puts the sheet on the clipboard as tab-separated text, and &lt;b&gt;Save As...&lt;/b&gt; writes it as a CSV file.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Wertung&lt;/h2&gt;&lt;p&gt;Punkte sind beim Hühnerfuß Strafpunkte: Je niedriger deine Summe, desto besser.&lt;/p&gt;&lt;p&gt;Am Ende jeder Runde werden die Augen der Steine, die noch in deiner Hand sind, zu deinen Punkten addiert. Eine übrige 6|4 und 2|0 kosten dich zum Beispiel 12 Punkte.&lt;/p&gt;&lt;p&gt;Wer ausgeht, also seinen letzten Stein legt, bekommt für die Runde &lt;b&gt;-20&lt;/b&gt;: Zwanzig Punkte werden von seiner Summe abgezogen. Endet eine Runde, weil alle gepasst haben, bekommt niemand die -20.&lt;/p&gt;&lt;p&gt;Deine Punkte der Runde und deine Summe stehen neben deinem Namen. Nach der letzten Runde gewinnt die niedrigste Summe das Spiel; bei Gleichstand um die niedrigste Summe wird die letzte Runde wiederholt.&lt;/p&gt;&lt;p&gt;Jedes Spiel, das du beendest, kommt in deine Bilanz (&lt;b&gt;Ansicht, Bilanz anzeigen&lt;/b&gt;), so siehst du, wie du gegen die Spieler abschneidest, die du am häufigsten triffst.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ansicht, Punktetabelle&lt;/b&gt; zeigt dieses und das vorige Spiel Runde für Runde: den Mittelstein, wer ausging (oder „blockiert“, wenn alle passten), die Rundenpunkte jedes Platzes mit der laufenden Summe, ein Stechen als eigene Zeile und den Gewinner; Runden vor deinem Einstieg stehen als „nicht gesehen“. &lt;b&gt;Kopieren&lt;/b&gt; legt die Tabelle als tabulatorgetrennten Text in die Zwischenablage, und &lt;b&gt;Speichern unter...&lt;/b&gt; schreibt sie als CSV-Datei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;History&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 December 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Packaged for Linux desktops: a menu entry, an icon and a manual page.&lt;/li&gt;&lt;li&gt;Tables can be hosted and joined over IPv6.&lt;/li&gt;&lt;li&gt;The chat&apos;s text size, colour and phrases are kept between games.&lt;/li&gt;&lt;li&gt;New help pages, a fresh about box and the lobby download window.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 June 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;The table remembers where you left its window, even across several screens.&lt;/li&gt;&lt;li&gt;Hosts turn away connections that never log in or send without end, so one bad connection cannot stall a table.&lt;/li&gt;&lt;li&gt;The phrase buttons&apos; texts can be edited under View, Phrase List.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 January 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sounds for plays, passes, doubles and your turn, and chatter sounds in the chat.&lt;/li&gt;&lt;li&gt;The spy list shows who is watching; the host can remove spectators.&lt;/li&gt;&lt;li&gt;Fixed: a &quot;+&quot; in a host&apos;s name no longer mixes up the game&apos;s options.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 September 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Just Watch and three bot speeds.&lt;/li&gt;&lt;li&gt;The host can remove a player, and seats can be set to watch and back.&lt;/li&gt;&lt;li&gt;Late arrivals can start with the highest or the average total.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 June 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;First release: Chicken Foot for up to six players and three spectators, with the computer players Klot, Klock, Kling, Klick and Krazy, chat and smileys, and a tally of your games.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Versionen&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8. Dezember 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Paket für Linux-Desktops: ein Menüeintrag, ein Symbol und eine Handbuchseite.&lt;/li&gt;&lt;li&gt;Tische lassen sich über IPv6 eröffnen und erreichen.&lt;/li&gt;&lt;li&gt;Textgröße, Farbe und Sprüche des Chats bleiben zwischen den Spielen erhalten.&lt;/li&gt;&lt;li&gt;Neue Hilfeseiten, ein frisches Über-Fenster und das Download-Fenster der Lobby.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9. Juni 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Der Tisch merkt sich, wo du sein Fenster gelassen hast, auch über mehrere Bildschirme.&lt;/li&gt;&lt;li&gt;Gastgeber weisen Verbindungen ab, die sich nie anmelden oder ohne Ende senden, damit eine schlechte Verbindung keinen Tisch aufhält.&lt;/li&gt;&lt;li&gt;Die Texte der Spruchknöpfe lassen sich unter Ansicht, Sprüche bearbeiten ändern.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20. Januar 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Klänge für gelegte Steine, Passen, Doppelsteine und deinen Zug, dazu Geräusche im Chat.&lt;/li&gt;&lt;li&gt;Die Zuschauerliste zeigt, wer zuschaut; der Gastgeber kann Zuschauer entfernen.&lt;/li&gt;&lt;li&gt;Behoben: Ein „+“ im Namen des Gastgebers bringt die Spieloptionen nicht mehr durcheinander.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2. September 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Nur zuschauen und drei Tempi für den Computer.&lt;/li&gt;&lt;li&gt;Der Gastgeber kann Spieler entfernen, und Plätze lassen sich aufs Zuschauen und zurück setzen.&lt;/li&gt;&lt;li&gt;Nachzügler können mit der höchsten oder der durchschnittlichen Summe einsteigen.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14. Juni 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Erste Ausgabe: Hühnerfuß für bis zu sechs Spieler und drei Zuschauer, mit den Computerspielern Klot, Klock, Kling, Klick und Krazy, Chat und Smileys und einer Bilanz deiner Spiele.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;License&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; Chicken Foot dominoes for up to six players.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Tilvaro is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.&lt;/p&gt;&lt;p&gt;You should have received a copy of the GNU General Public License along with Tilvaro. If not, see https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;In short: you may use Tilvaro for anything, share it with anyone and change it as you like. If you pass it on, changed or not, pass on its source code under the same licence, so the people you give it to have the same freedoms you had.&lt;/p&gt;&lt;p&gt;The Brisko Lobby is a separate program with its own terms.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Lizenz&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; Hühnerfuß-Domino für bis zu sechs Spieler.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro ist freie Software: Du kannst es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach deiner Wahl) jeder späteren Version.&lt;/p&gt;&lt;p&gt;Tilvaro wird in der Hoffnung verbreitet, dass es nützlich sein wird, aber OHNE JEDE GEWÄHRLEISTUNG; sogar ohne die implizite Gewährleistung der MARKTFÄHIGKEIT oder EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Details findest du in der GNU General Public License.&lt;/p&gt;&lt;p&gt;Du solltest eine Kopie der GNU General Public License zusammen mit Tilvaro erhalten haben. Falls nicht, siehe https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;Kurz gesagt: Du darfst Tilvaro für alles verwenden, es mit allen teilen und nach Belieben ändern. Gibst du es weiter, verändert oder nicht, dann gib seinen Quelltext unter derselben Lizenz mit, damit die Menschen, denen du es gibst, dieselben Freiheiten haben wie du.&lt;/p&gt;&lt;p&gt;Die Brisko Lobby ist ein eigenes Programm mit eigenen Bedingungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The Lobby&lt;/h2&gt;&lt;p&gt;The Brisko Lobby is where players meet. It lists the people online and the tables that are open, lets you chat before a game, and starts Tilvaro for you when you host a table or sit down at someone else&apos;s, with your name and the host&apos;s address already filled in.&lt;/p&gt;&lt;p&gt;The lobby is a program of its own. To get it, start Tilvaro without the lobby: the download window appears with a button to download and install it. You can also download it from our web site, www.tilvaro.org, where you will find news of the game as well.&lt;/p&gt;&lt;p&gt;Once the lobby is installed, the download window&apos;s &lt;b&gt;Play with Others&lt;/b&gt; button closes the game and opens the lobby.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Die Lobby&lt;/h2&gt;&lt;p&gt;In der Brisko Lobby treffen sich die Spieler. Sie zeigt, wer online ist und welche Tische offen sind, lässt dich vor einem Spiel chatten und startet Tilvaro für dich, wenn du einen Tisch eröffnest oder dich an einen anderen setzt, mit deinem Namen und der Adresse des Gastgebers schon eingetragen.&lt;/p&gt;&lt;p&gt;Die Lobby ist ein eigenes Programm. Um sie zu bekommen, starte Tilvaro ohne die Lobby: Das Download-Fenster erscheint mit einem Knopf, der sie herunterlädt und installiert. Du kannst sie auch von unserer Website www.tilvaro.org herunterladen, wo du auch Neuigkeiten zum Spiel findest.&lt;/p&gt;&lt;p&gt;Ist die Lobby installiert, schließt der Knopf &lt;b&gt;Mit anderen spielen&lt;/b&gt; im Download-Fenster das Spiel und öffnet die Lobby.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game Play&lt;/h2&gt;&lt;h3&gt;The deal&lt;/h3&gt;&lt;p&gt;A game lasts from 3 to 10 rounds, as the host chooses when starting it. Each round the bones are shuffled and dealt; how many you get depends on the number of players:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Players&lt;/th&gt;&lt;th&gt;Bones each&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;The bones that are not dealt stay face down for the whole round; nobody draws.&lt;/p&gt;&lt;h3&gt;The spinner&lt;/h3&gt;&lt;p&gt;Every round starts from a double in the middle of the board, the spinner. The first round&apos;s spinner is the double 9, the second round&apos;s the double 8, and so on down to the double blank in round 10. The first player of the game leads the first round; after that, the turn simply carries on around the table.&lt;/p&gt;&lt;h3&gt;The chicken foot&lt;/h3&gt;&lt;p&gt;Three lines of bones, the toes, grow out of the spinner. To start a toe, play a bone with the spinner&apos;s number on it. All three toes must be started before anyone may build on them; until then every play starts a toe.&lt;/p&gt;&lt;p&gt;Once the three toes stand, play a bone on the open end of any toe: its matching half goes against that end. To play, click a bone in your hand to raise it, then click one of the places marked on the board.&lt;/p&gt;&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;A double played on the end of a toe becomes the new spinner. After a short pause the board is cleared, the double sits in the middle, and three new toes have to be started from it, again all three before building on them.&lt;/p&gt;&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;If you cannot play, click &lt;b&gt;Pass&lt;/b&gt;, and the turn moves on.&lt;/p&gt;&lt;h3&gt;The end of a round&lt;/h3&gt;&lt;p&gt;A round ends as soon as a player plays the last bone in their hand, or when every player has passed in a row without a bone being played in between. Each player then scores the pips left in their hand (see Scoring).&lt;/p&gt;&lt;h3&gt;The end of the game&lt;/h3&gt;&lt;p&gt;After the chosen number of rounds the player with the &lt;b&gt;lowest&lt;/b&gt; total wins. If two or more players share the lowest total, the last round is played again, until one player alone has the lowest total.&lt;/p&gt;&lt;h3&gt;Joining a game already running&lt;/h3&gt;&lt;p&gt;When the host starts a game, they choose what happens to players who arrive later: they cannot play until the next game, or they join at the next round starting with the highest total at the table, or with the average total.&lt;/p&gt;&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;Choose &lt;b&gt;Options, Just Watch&lt;/b&gt; to let the computer play your seat for a while, and choose it again to take your seat back. &lt;b&gt;Options, Bot Speed&lt;/b&gt; sets how quickly the computer players move. The hosting player can make the computer players stronger with &lt;b&gt;Options, Computer Skill, Strong&lt;/b&gt;, and keep an absent player from holding up the table with &lt;b&gt;Options, Turn Time Limit&lt;/b&gt;: when a turn runs out, the computer makes that move for the player, and after two in a row it sets the seat to Just Watch.&lt;/p&gt;&lt;h3&gt;Playing from the keyboard&lt;/h3&gt;&lt;p&gt;When the window opens, what you type goes to the chat. Press &lt;b&gt;F6&lt;/b&gt; to move between the chat and your hand (&lt;b&gt;Esc&lt;/b&gt; in the chat also takes you to the hand). In the hand, &lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Home&lt;/b&gt; and &lt;b&gt;End&lt;/b&gt;) move the ring along your bones. &lt;b&gt;Space&lt;/b&gt; raises or lowers the bone in the ring; raising a second bone swaps the two. On your turn, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; or &lt;b&gt;3&lt;/b&gt; plays the raised bone on the marker of toe 1, 2 or 3, and &lt;b&gt;Enter&lt;/b&gt; plays it on the only marker it fits. &lt;b&gt;P&lt;/b&gt; passes and &lt;b&gt;S&lt;/b&gt; sorts your hand.&lt;/p&gt;&lt;p&gt;Screen readers read your bones, the toe markers, the board, the seats and the status line, and announce turns, plays, passes, round ends and the winner.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Spielablauf&lt;/h2&gt;&lt;h3&gt;Das Austeilen&lt;/h3&gt;&lt;p&gt;Ein Spiel dauert 3 bis 10 Runden, wie der Gastgeber beim Start festlegt. In jeder Runde werden die Steine gemischt und ausgeteilt; wie viele du bekommst, hängt von der Zahl der Spieler ab:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Spieler&lt;/th&gt;&lt;th&gt;Steine je Spieler&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Die nicht ausgeteilten Steine bleiben die ganze Runde verdeckt liegen; niemand zieht nach.&lt;/p&gt;&lt;h3&gt;Der Mittelstein&lt;/h3&gt;&lt;p&gt;Jede Runde beginnt mit einem Doppelstein in der Mitte des Spielfelds, dem Mittelstein. In der ersten Runde ist das die Doppel-Neun, in der zweiten die Doppel-Acht und so weiter bis zur Doppel-Null in Runde 10. Der erste Spieler des Spiels eröffnet die erste Runde; danach geht der Zug einfach reihum weiter.&lt;/p&gt;&lt;h3&gt;Der Hühnerfuß&lt;/h3&gt;&lt;p&gt;Aus dem Mittelstein wachsen drei Ketten von Steinen, die Zehen des Hühnerfußes. Um eine Kette zu beginnen, lege einen Stein mit der Zahl des Mittelsteins an. Alle drei Ketten müssen begonnen sein, bevor jemand an sie anlegen darf; bis dahin beginnt jeder Zug eine Kette.&lt;/p&gt;&lt;p&gt;Stehen die drei Ketten, lege einen Stein an das offene Ende einer beliebigen Kette: Seine passende Hälfte kommt an dieses Ende. Zum Legen klickst du einen Stein in deiner Hand an, um ihn anzuheben, und dann eine der markierten Stellen auf dem Spielfeld.&lt;/p&gt;&lt;h3&gt;Doppelsteine&lt;/h3&gt;&lt;p&gt;Ein Doppelstein am Ende einer Kette wird zum neuen Mittelstein. Nach einer kurzen Pause wird das Spielfeld abgeräumt, der Doppelstein liegt in der Mitte, und drei neue Ketten müssen an ihm begonnen werden, wieder alle drei, bevor angelegt werden darf.&lt;/p&gt;&lt;h3&gt;Passen&lt;/h3&gt;&lt;p&gt;Kannst du nicht legen, klicke auf &lt;b&gt;Passen&lt;/b&gt;, und der Nächste ist dran.&lt;/p&gt;&lt;h3&gt;Das Ende einer Runde&lt;/h3&gt;&lt;p&gt;Eine Runde endet, sobald ein Spieler den letzten Stein aus seiner Hand legt oder alle Spieler nacheinander gepasst haben, ohne dass dazwischen ein Stein gelegt wurde. Dann bekommt jeder Spieler die Augen der Steine in seiner Hand angerechnet (siehe Wertung).&lt;/p&gt;&lt;h3&gt;Das Ende des Spiels&lt;/h3&gt;&lt;p&gt;Nach der gewählten Zahl von Runden gewinnt der Spieler mit der &lt;b&gt;niedrigsten&lt;/b&gt; Gesamtpunktzahl. Teilen sich zwei oder mehr Spieler die niedrigste Punktzahl, wird die letzte Runde wiederholt, bis ein Spieler allein die niedrigste Punktzahl hat.&lt;/p&gt;&lt;h3&gt;Einstieg in ein laufendes Spiel&lt;/h3&gt;&lt;p&gt;Beim Start eines Spiels legt der Gastgeber fest, was mit Spielern geschieht, die später kommen: Sie spielen erst im nächsten Spiel mit, oder sie steigen in der nächsten Runde mit der höchsten oder mit der durchschnittlichen Punktzahl am Tisch ein.&lt;/p&gt;&lt;h3&gt;Zuschauen&lt;/h3&gt;&lt;p&gt;Wähle &lt;b&gt;Optionen, Nur zuschauen&lt;/b&gt;, damit der Computer eine Weile für dich spielt, und wähle es noch einmal, um deinen Platz zurückzunehmen. &lt;b&gt;Optionen, Tempo des Computers&lt;/b&gt; legt fest, wie schnell die Computerspieler ziehen. Der Gastgeber kann die Computerspieler mit &lt;b&gt;Optionen, Spielstärke des Computers, Stark&lt;/b&gt; stärker machen und mit &lt;b&gt;Optionen, Zeitlimit pro Zug&lt;/b&gt; verhindern, dass ein abwesender Spieler den Tisch aufhält: Läuft ein Zug ab, zieht der Computer für den Spieler, und nach zwei solchen Zügen hintereinander setzt er den Platz auf Nur zuschauen.&lt;/p&gt;&lt;h3&gt;Spielen mit der Tastatur&lt;/h3&gt;&lt;p&gt;Wenn sich das Fenster öffnet, geht deine Eingabe in den Chat. Mit &lt;b&gt;F6&lt;/b&gt; wechselst du zwischen Chat und Hand (auch &lt;b&gt;Esc&lt;/b&gt; im Chat führt zur Hand). In der Hand bewegen &lt;b&gt;Links&lt;/b&gt; und &lt;b&gt;Rechts&lt;/b&gt; (oder &lt;b&gt;Pos1&lt;/b&gt; und &lt;b&gt;Ende&lt;/b&gt;) den Ring über deine Steine. Die &lt;b&gt;Leertaste&lt;/b&gt; hebt den Stein im Ring an oder senkt ihn; ein zweiter angehobener Stein tauscht die beiden. Wenn du dran bist, legt &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; oder &lt;b&gt;3&lt;/b&gt; den angehobenen Stein an die Markierung von Kette 1, 2 oder 3, und die &lt;b&gt;Eingabetaste&lt;/b&gt; legt ihn an die einzige Markierung, an die er passt. &lt;b&gt;P&lt;/b&gt; passt und &lt;b&gt;S&lt;/b&gt; sortiert deine Hand.&lt;/p&gt;&lt;p&gt;Bildschirmleser lesen deine Steine, die Markierungen der Ketten, das Spielfeld, die Plätze und die Statuszeile vor und melden Züge, gelegte Steine, Passen, Rundenende und den Gewinner.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Du hast ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Weiter so!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Guter Zug!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Netter Versuch!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Ausgezeichnet!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wow, super!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Weiter so, Partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Gutes Spiel, alle zusammen!</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source> and </source>
        <extracomment>Between the last two names of a list: &quot;ANN, BOB and CY&quot;</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>The unfinished game could not be read (%1); it was set aside as %2.</source>
        <translation>Das unvollendete Spiel ließ sich nicht lesen (%1); es wurde als %2 beiseitegelegt.</translation>
    </message>
    <message>
        <source>Resume the unfinished game with %1 from round %2?</source>
        <translation>Das unvollendete Spiel mit %1 ab Runde %2 fortsetzen?</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Round: 0 of 10</source>
        <translation>Runde: 0 von 10</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gewinner!</translation>
    </message>
    <message>
        <source>Welcome to Tilvaro</source>
        <translation>Willkommen bei Tilvaro</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Runde: %1 von %2</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Du bist dran</translation>
    </message>
    <message>
        <source>New Spinner Loaded!</source>
        <translation>Neuer Mittelstein!</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist dran.</translation>
    </message>
    <message>
        <source>You passed.</source>
        <translation>Du hast gepasst.</translation>
    </message>
    <message>
        <source>%1 passed.</source>
        <translation>%1 hat gepasst.</translation>
    </message>
    <message>
        <source>That is not a valid play</source>
        <translation>Dieser Zug ist nicht erlaubt</translation>
    </message>
    <message>
        <source>Posting Scores, Please Wait..</source>
        <translation>Punkte werden eingetragen, bitte warten..</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Your Turn. 1 second left</source>
        <translation>Du bist dran. Noch 1 Sekunde</translation>
    </message>
    <message>
        <source>Your Turn. %1 seconds left</source>
        <translation>Du bist dran. Noch %1 Sekunden</translation>
    </message>
    <message>
        <source>%1. 1 second left</source>
        <translation>%1. Noch 1 Sekunde</translation>
    </message>
    <message>
        <source>%1. %2 seconds left</source>
        <translation>%1. Noch %2 Sekunden</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>Hint: pass</source>
        <translation>Tipp: passen</translation>
    </message>
    <message>
        <source>Hint: %1|%2 on toe %3</source>
        <extracomment>A bone named by its larger end first, then the toe marker to play it on</extracomment>
        <translation>Tipp: %1|%2 an Kette %3</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: &amp; marks the letter that opens the menu with Alt; keep the four letters apart</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Bilanz anzeigen</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche bearbeiten</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>&amp;Punktetabelle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <extracomment>Opens the help pages</extracomment>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tilvaro</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Tempo des Computers</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>How quickly the computer players move</extracomment>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Fensterposition zurücksetzen</translation>
    </message>
    <message>
        <source>Computer Skill</source>
        <translation>Spielstärke des Computers</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The computer players&apos; skill</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf Zuschauen setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Zuschauen aufheben</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Turn Time Limit</source>
        <translation>Zeitlimit pro Zug</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 Minuten</translation>
    </message>
</context>
<context>
    <name>TableShell</name>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>keine Antwort innerhalb von %1 Sekunden</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen..Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerpartie wird geladen.. Bitte warten.</translation>
    </message>
    <message>
        <source>Could not connect to %1: the host name was not found</source>
        <translation>Keine Verbindung zu %1: der Rechnername wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Game seed: %1</source>
        <translation>Startwert des Spiels: %1</translation>
    </message>
</context>
<context>
    <name>TableSounds</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du denn?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Hurra</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupen</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfff</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Geräusche</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Chat-Geräusche abspielen</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Klang beim Zug</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The sound played when it is the player&apos;s turn: the classic one or the new one</extracomment>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Geräusch&gt; %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tilvaro - About</source>
        <translation>Tilvaro - Über</translation>
    </message>
    <message>
        <source>Chicken Foot dominoes</source>
        <translation>Hühnerfuß-Domino</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Copyright © %1 - </source>
        <translation>Copyright © %1 - </translation>
    </message>
    <message>
        <source>Programmed by: %1</source>
        <translation>Programmiert von: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Brisko Lobby</source>
        <translation>Die Brisko Lobby herunterladen</translation>
    </message>
    <message>
        <source>Download The Brisko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Lade jetzt die Brisko Lobby herunter und spiele dieses und andere spannende Spiele online mit anderen! </translation>
    </message>
    <message>
        <source>Download And Install The Brisko Lobby Now</source>
        <translation>Brisko Lobby jetzt herunterladen und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Herunterladen abbrechen</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne Mitspieler im Netz weiterzuspielen, klicke auf die Schaltfläche unten.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Solospiel spielen</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch wenn du offline spielst, muss deine FIREWALL dem Spiel den Zugriff auf die Netzwerkteile erlauben.</translation>
    </message>
    <message>
        <source>If you already have The Brisko Lobby and you wish to play with others then click the button below to close this game and open The Brisko Lobby.</source>
        <translation>Wenn du die Brisko Lobby schon hast und mit anderen spielen möchtest, klicke auf die Schaltfläche unten: Das Spiel schließt sich und die Brisko Lobby öffnet sich.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Wird heruntergeladen: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Herunterladen abgebrochen</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Das Herunterladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Please close the game and open the Brisko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließe das Spiel und öffne die Brisko Lobby über ihr Symbol auf dem Schreibtisch oder über das Startmenü.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Tilvaro - Game Start</source>
        <translation>Tilvaro - Spielbeginn</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Rounds to Play:</source>
        <translation>Anzahl Runden:</translation>
    </message>
    <message>
        <source>NEWCOMERS</source>
        <translation>NACHZÜGLER</translation>
    </message>
    <message>
        <source>Cannot Play</source>
        <translation>Spielen nicht mit</translation>
    </message>
    <message>
        <source>Starts with Highest</source>
        <translation>Beginnen mit Höchststand</translation>
    </message>
    <message>
        <source>Starts with Average</source>
        <translation>Beginnen mit Durchschnitt</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Die Lobby</translation>
    </message>
    <message>
        <source>Tilvaro - Help File</source>
        <translation>Tilvaro - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Created by: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Erstellt von: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Copyright © %1 - </source>
        <translation>Copyright © %1 - </translation>
    </message>
</context>
<context>
    <name>TilvaroApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tilvaro - Phrase Buttons </source>
        <translation>Tilvaro - Sprüche </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruch %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Sprüche gehen nur alle 2 Sekunden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Tscoresheet</name>
    <message>
        <source>Seat %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>Tilvaro - Score Sheet</source>
        <translation>Tilvaro - Punktetabelle</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Punktetabelle</translation>
    </message>
    <message>
        <source>This Game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Voriges Spiel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Save Score Sheet</source>
        <translation>Punktetabelle speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No game has been played at this table yet.</source>
        <translation>An diesem Tisch wurde noch kein Spiel gespielt.</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Runde %1 von %2</translation>
    </message>
    <message>
        <source> (joined during the game)</source>
        <translation> (während des Spiels dazugekommen)</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>Column heads: the round, its spinner (the double in the middle), and how the round ended</extracomment>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Mittelstein</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>%1 (tie replay)</source>
        <translation>%1 (Stechen)</translation>
    </message>
    <message>
        <source>New spinners: %1</source>
        <translation>Neue Mittelsteine: %1</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>nicht gesehen</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>blocked</source>
        <translation>blockiert</translation>
    </message>
    <message>
        <source>%1 went out</source>
        <translation>%1 ging aus</translation>
    </message>
    <message>
        <source>Credited on joining the game</source>
        <translation>Beim Einstieg ins Spiel gutgeschrieben</translation>
    </message>
    <message>
        <source>Went out</source>
        <translation>Ausgegangen</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>There is no score sheet to save.</source>
        <translation>Es gibt keine Punktetabelle zum Speichern.</translation>
    </message>
    <message>
        <source>The score sheet could not be saved. %1</source>
        <translation>Die Punktetabelle konnte nicht gespeichert werden. %1</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tilvaro - Spys</source>
        <translation>Tilvaro - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Tilvaro - Tally List</source>
        <translation>Tilvaro - Bilanz</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Bilanz zurücksetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Deine Gesamtbilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heads of the tally: all games so far, and the games of this run</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Spieler in der Bilanz</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It has been kept as %2, and a new tally starts.</source>
        <translation>Die Bilanzdatei ließ sich nicht lesen:
%1

Sie wurde als %2 aufbewahrt, und eine neue Bilanz beginnt.</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It is left as it is at %2 and the games of this run are not kept.</source>
        <translation>Die Bilanzdatei ließ sich nicht lesen:
%1

Sie bleibt unverändert unter %2, und die Spiele dieser Sitzung werden nicht festgehalten.</translation>
    </message>
    <message>
        <source>The tally could not be saved. %1</source>
        <translation>Die Bilanz konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz gegen %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz gegen %1 gelöscht. Wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Soll die Bilanz wirklich zurückgesetzt werden?</translation>
    </message>
</context>
</TS>
