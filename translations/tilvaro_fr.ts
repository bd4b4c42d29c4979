<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Artwork</name>
    <message>
        <source>place bone</source>
        <extracomment>Two short lines on a small green marker on the board</extracomment>
        <translation>poser</translation>
    </message>
    <message>
        <source>here</source>
        <translation>ici</translation>
    </message>
    <message>
        <source>pass</source>
        <extracomment>A small button, 65 pixels wide</extracomment>
        <translation>passer</translation>
    </message>
    <message>
        <source>start game</source>
        <extracomment>A button, 102 pixels wide</extracomment>
        <translation>commencer</translation>
    </message>
</context>
<context>
    <name>ChatInput</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Tapez votre message ici&gt;</translation>
    </message>
</context>
<context>
    <name>ChatMenus</name>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Figer le défilement du chat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
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
        <translation>À plus&#xa0;!</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Impossible d&apos;ouvrir la page web</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source>Blank</source>
        <extracomment>The number of pips on one half of a bone, read out by a screen reader</extracomment>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Double %1</source>
        <extracomment>A bone with the same number on both halves, e.g. &quot;Double six&quot;</extracomment>
        <translation>Double-%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A bone, e.g. &quot;Six and four&quot;</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>A button&apos;s name as a screen reader speaks it: pass the turn</extracomment>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>Tilvaro web site</source>
        <translation>Site web de Tilvaro</translation>
    </message>
    <message>
        <source>Round counter</source>
        <translation>Compteur de manches</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Saisie du chat</translation>
    </message>
    <message>
        <source>Enter sends the text</source>
        <translation>Enter envoie le texte</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player, as a screen reader names them</extracomment>
        <translation>Vous</translation>
    </message>
    <message>
        <source>as the spinner</source>
        <translation>comme pivot</translation>
    </message>
    <message>
        <source>on toe %1</source>
        <translation>sur la branche %1</translation>
    </message>
    <message>
        <source>%1 played %2 %3.</source>
        <translation>%1&#xa0;: %2 posé %3.</translation>
    </message>
    <message>
        <source>%1. Spinner: %2.</source>
        <translation>%1. Pivot&#xa0;: %2.</translation>
    </message>
    <message>
        <source>New Spinner Loaded! %1.</source>
        <translation>Nouveau pivot en place&#xa0;! %1.</translation>
    </message>
    <message>
        <source> New Spinner Loaded!</source>
        <comment>Follows a sentence: mind the space</comment>
        <translation> Nouveau pivot en place&#xa0;!</translation>
    </message>
    <message>
        <source>Round over: %1 went out.</source>
        <translation>Manche terminée. Domino&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Round over: everyone passed.</source>
        <translation>Manche terminée&#xa0;: tout le monde a passé.</translation>
    </message>
    <message>
        <source> %1 %2, total %3.</source>
        <translation> %1 %2, total %3.</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Votre main</translation>
    </message>
    <message>
        <source>1 bone.
</source>
        <translation>1 domino.
</translation>
    </message>
    <message>
        <source>%1 bones.
</source>
        <translation>%1 dominos.
</translation>
    </message>
    <message>
        <source>Place %1 of %2, raised</source>
        <translation>Position %1 sur %2, levé</translation>
    </message>
    <message>
        <source>Place %1 of %2</source>
        <translation>Position %1 sur %2</translation>
    </message>
    <message>
        <source>Toe %1, place %2</source>
        <translation>Branche %1, position %2</translation>
    </message>
    <message>
        <source>, fits a %1</source>
        <comment>A toe&apos;s open end takes a bone with this many pips</comment>
        <translation>, accepte un %1</translation>
    </message>
    <message>
        <source>Key %1 plays the raised bone here</source>
        <translation>La touche %1 pose ici le domino levé</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Pivot&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No spinner.</source>
        <translation>Pas de pivot.</translation>
    </message>
    <message>
        <source>
Toe %1: empty.</source>
        <translation>
Branche %1&#xa0;: vide.</translation>
    </message>
    <message>
        <source>
Toe %1: %2; open end %3.</source>
        <translation>
Branche %1&#xa0;: %2&#xa0;; bout libre %3.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Seat %1: %2</source>
        <translation>Place %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> (you)</source>
        <extracomment>After the player&apos;s own seat name for a screen reader</extracomment>
        <translation> (vous)</translation>
    </message>
    <message>
        <source>1 bone left</source>
        <translation>1 domino restant</translation>
    </message>
    <message>
        <source>%1 bones left</source>
        <translation>%1 dominos restants</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message>
        <source>this round %1</source>
        <translation>cette manche %1</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>à vous de jouer</translation>
    </message>
    <message>
        <source>their turn</source>
        <translation>c&apos;est son tour</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>ne fait que regarder</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>The game has already started.</source>
        <translation>La partie a déjà commencé.</translation>
    </message>
    <message>
        <source>Round already in progress..</source>
        <translation>Manche déjà en cours...</translation>
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
        <translation>Touches de votre main (F6 passe du chat à la main et inversement, Esc dans le chat ramène ici)&#xa0;:
Left, Right, Home, End&#xa0;: se déplacer dans la main
Space&#xa0;: lever ou baisser le domino (lever un second domino échange les deux)
1, 2, 3&#xa0;: poser le domino levé sur la branche 1, 2 ou 3
Enter&#xa0;: le poser sur la seule branche où il va
P&#xa0;: passer
S&#xa0;: trier la main
H : conseil : lève le domino que l’ordinateur jouerait et éclaire sa marque ; Enter le pose ensuite</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>&lt;h2&gt;Welcome to Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro is Chicken Foot, the dominoes game of the double-nine set, for up to six players at one table, with up to three more following the game as spectators.&lt;/p&gt;&lt;p&gt;We wrote it because Chicken Foot is the game our families bring out after dinner: quick to learn, full of little decisions, and noisy in the best way. Every table has a chat, phrase buttons for the things you say most, smileys and chatter sounds, so the talk around the table comes along too.&lt;/p&gt;&lt;p&gt;Started on its own, Tilvaro deals you a solo game against the computer. Through the Brisko Lobby you meet other players and sit down at their tables, or host your own.&lt;/p&gt;&lt;p&gt;Use the buttons on the left to read about connecting, the rules of play and scoring. Have fun, and may your hand run out first!&lt;/p&gt;&lt;p&gt;&lt;i&gt;The Tilvaro Team&lt;/i&gt;&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Bienvenue dans Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro, c&apos;est la Patte de poulet (Chicken Foot), le jeu de dominos en double-neuf, pour six joueurs au plus à une même table, et jusqu&apos;à trois autres qui suivent la partie en spectateurs.&lt;/p&gt;&lt;p&gt;Nous l&apos;avons écrit parce que la Patte de poulet est le jeu que nos familles sortent après le dîner&#xa0;: vite appris, plein de petites décisions, et bruyant comme il se doit. Chaque table a son chat, des boutons de phrases rapides pour ce qu&apos;on dit le plus souvent, des smileys et des bruitages, pour que l&apos;ambiance de la table soit aussi de la partie.&lt;/p&gt;&lt;p&gt;Lancé seul, Tilvaro vous propose une partie solo contre l&apos;ordinateur. Dans le Brisko Lobby, vous rencontrez d&apos;autres joueurs et vous asseyez à leurs tables, ou vous ouvrez la vôtre.&lt;/p&gt;&lt;p&gt;Les boutons de gauche vous expliquent la connexion, les règles du jeu et le décompte des points. Amusez-vous bien, et puissiez-vous être le premier à vider votre main&#xa0;!&lt;/p&gt;&lt;p&gt;&lt;i&gt;L&apos;équipe Tilvaro&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Connecting&lt;/h2&gt;&lt;h3&gt;Solo games&lt;/h3&gt;&lt;p&gt;Start Tilvaro without the lobby and it sets up a table on your own computer, with you in the first seat and the computer player Klot in the second. Click &lt;b&gt;Start Game&lt;/b&gt; (or choose &lt;b&gt;File, Start Game&lt;/b&gt;), pick the number of rounds and off you go. A solo game needs no internet connection.&lt;/p&gt;&lt;p&gt;Even offline, the game talks to itself over your computer&apos;s network connection: the table you see and the game host behind it are connected like any other players. If your firewall asks, allow Tilvaro to use the network.&lt;/p&gt;&lt;h3&gt;Games with others&lt;/h3&gt;&lt;p&gt;Multi-player games are started from the Brisko Lobby. There you find players, open a table or join one, and the lobby starts Tilvaro for you with the right name and address.&lt;/p&gt;&lt;p&gt;The player who hosts a table runs the game for everybody: the others connect to that computer on &lt;b&gt;TCP port 7772&lt;/b&gt;. A host behind a firewall or a router must let incoming connections reach that port, or nobody will be able to sit down.&lt;/p&gt;&lt;p&gt;Seats that nobody takes are played by the computer. Anyone who arrives when the six seats are taken can still watch the game as a spectator.&lt;/p&gt;&lt;p&gt;The host is the table. When the host leaves or loses the connection, the game ends for everyone at it. When any other player leaves, the game goes on and the computer plays their hand.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Connexion&lt;/h2&gt;&lt;h3&gt;Parties solo&lt;/h3&gt;&lt;p&gt;Lancez Tilvaro sans le lobby, et il installe une table sur votre propre ordinateur, avec vous à la première place et le joueur ordinateur Klot à la deuxième. Cliquez sur &lt;b&gt;Commencer la partie&lt;/b&gt; (ou choisissez &lt;b&gt;Fichier, Commencer la partie&lt;/b&gt;), choisissez le nombre de manches, et c&apos;est parti. Une partie solo n&apos;a pas besoin de connexion Internet.&lt;/p&gt;&lt;p&gt;Même hors ligne, le jeu se parle à lui-même par la connexion réseau de votre ordinateur&#xa0;: la table que vous voyez et l&apos;hôte de la partie qui se trouve derrière sont connectés comme n&apos;importe quels autres joueurs. Si votre pare-feu vous le demande, autorisez Tilvaro à utiliser le réseau.&lt;/p&gt;&lt;h3&gt;Parties avec d&apos;autres joueurs&lt;/h3&gt;&lt;p&gt;Les parties à plusieurs se lancent depuis le Brisko Lobby. Vous y trouvez des joueurs, vous ouvrez une table ou en rejoignez une, et le lobby lance Tilvaro pour vous avec le bon nom et la bonne adresse.&lt;/p&gt;&lt;p&gt;Le joueur qui ouvre une table fait tourner la partie pour tout le monde&#xa0;: les autres se connectent à son ordinateur sur le &lt;b&gt;port TCP 7772&lt;/b&gt;. Un hôte placé derrière un pare-feu ou un routeur doit laisser les connexions entrantes atteindre ce port, sinon personne ne pourra s&apos;asseoir.&lt;/p&gt;&lt;p&gt;Les places que personne ne prend sont jouées par l&apos;ordinateur. Qui arrive quand les six places sont prises peut tout de même suivre la partie en spectateur.&lt;/p&gt;&lt;p&gt;L&apos;hôte, c&apos;est la table. Quand l&apos;hôte s&apos;en va ou perd la connexion, la partie s&apos;arrête pour tous ceux qui y sont assis. Quand un autre joueur s&apos;en va, la partie continue et l&apos;ordinateur joue sa main.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Scoring&lt;/h2&gt;&lt;p&gt;Points in Chicken Foot are penalty points: the lower your total, the better.&lt;/p&gt;&lt;p&gt;At the end of each round, the pips on the bones left in your hand are added to your points. A 6|4 and a 2|0 left over, for example, cost you 12 points.&lt;/p&gt;&lt;p&gt;The player who goes out, playing their last bone, scores &lt;b&gt;-20&lt;/b&gt; for the round: twenty points come off their total. When a round ends because everyone passed, nobody gets the -20.&lt;/p&gt;&lt;p&gt;Your score for the round and your total are shown beside your name. After the last round, the lowest total wins the game; a tie for the lowest total replays the last round.&lt;/p&gt;&lt;p&gt;Every game you finish is added to your tally (&lt;b&gt;View, View Tally&lt;/b&gt;), so you can see how you fare against the players you meet most.&lt;/p&gt;&lt;p&gt;&lt;b&gt;View, Score Sheet&lt;/b&gt; shows this game and the previous one round by round: the spinner, who went out (or &quot;blocked&quot; when everyone passed), each seat&apos;s round score with its running total, a tie replay as a row of its own, and the winner; rounds played before you joined show as &quot;not seen&quot;. &lt;b&gt;Copy&lt;/b&gt; puts the sheet on the clipboard as tab-separated text, and &lt;b&gt;Save As...&lt;/b&gt; writes it as a CSV file.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Décompte des points&lt;/h2&gt;&lt;p&gt;À la Patte de poulet, les points sont des points de pénalité&#xa0;: plus votre total est bas, mieux c&apos;est.&lt;/p&gt;&lt;p&gt;À la fin de chaque manche, les points des dominos restés dans votre main s&apos;ajoutent à votre total. Un 6|4 et un 2|0 restés en main, par exemple, vous coûtent 12 points.&lt;/p&gt;&lt;p&gt;Le joueur qui fait domino, en posant son dernier domino, marque &lt;b&gt;-20&lt;/b&gt; pour la manche&#xa0;: vingt points sont retirés de son total. Quand une manche se termine parce que tout le monde a passé, personne ne reçoit les -20.&lt;/p&gt;&lt;p&gt;Votre score de la manche et votre total s&apos;affichent à côté de votre nom. Après la dernière manche, le total le plus bas gagne la partie&#xa0;; en cas d&apos;égalité pour le total le plus bas, la dernière manche est rejouée.&lt;/p&gt;&lt;p&gt;Chaque partie que vous terminez s&apos;ajoute à votre bilan (&lt;b&gt;Affichage, Voir le bilan&lt;/b&gt;)&#xa0;: vous voyez ainsi comment vous vous en sortez face aux joueurs que vous rencontrez le plus souvent.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Affichage, Feuille de score&lt;/b&gt; montre cette partie et la précédente, manche par manche&#xa0;: le pivot, qui a fait domino (ou «&#xa0;bloquée&#xa0;» quand tout le monde a passé), le score de chaque place pour la manche avec son total cumulé, une manche de barrage sur une ligne à part, et le vainqueur&#xa0;; les manches jouées avant votre arrivée apparaissent comme «&#xa0;non vue&#xa0;». &lt;b&gt;Copier&lt;/b&gt; place la feuille dans le presse-papiers sous forme de texte séparé par des tabulations, et &lt;b&gt;Enregistrer sous...&lt;/b&gt; l&apos;enregistre dans un fichier CSV.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;History&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 December 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Packaged for Linux desktops: a menu entry, an icon and a manual page.&lt;/li&gt;&lt;li&gt;Tables can be hosted and joined over IPv6.&lt;/li&gt;&lt;li&gt;The chat&apos;s text size, colour and phrases are kept between games.&lt;/li&gt;&lt;li&gt;New help pages, a fresh about box and the lobby download window.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 June 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;The table remembers where you left its window, even across several screens.&lt;/li&gt;&lt;li&gt;Hosts turn away connections that never log in or send without end, so one bad connection cannot stall a table.&lt;/li&gt;&lt;li&gt;The phrase buttons&apos; texts can be edited under View, Phrase List.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 January 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sounds for plays, passes, doubles and your turn, and chatter sounds in the chat.&lt;/li&gt;&lt;li&gt;The spy list shows who is watching; the host can remove spectators.&lt;/li&gt;&lt;li&gt;Fixed: a &quot;+&quot; in a host&apos;s name no longer mixes up the game&apos;s options.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 September 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Just Watch and three bot speeds.&lt;/li&gt;&lt;li&gt;The host can remove a player, and seats can be set to watch and back.&lt;/li&gt;&lt;li&gt;Late arrivals can start with the highest or the average total.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 June 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;First release: Chicken Foot for up to six players and three spectators, with the computer players Klot, Klock, Kling, Klick and Krazy, chat and smileys, and a tally of your games.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Historique&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 décembre 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Empaqueté pour les bureaux Linux&#xa0;: une entrée de menu, une icône et une page de manuel.&lt;/li&gt;&lt;li&gt;Les tables peuvent être ouvertes et rejointes en IPv6.&lt;/li&gt;&lt;li&gt;La taille du texte, la couleur et les phrases du chat sont conservées d&apos;une partie à l&apos;autre.&lt;/li&gt;&lt;li&gt;Nouvelles pages d&apos;aide, une fenêtre À propos rafraîchie et la fenêtre de téléchargement du lobby.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 juin 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;La table se souvient de l&apos;endroit où vous avez laissé sa fenêtre, même sur plusieurs écrans.&lt;/li&gt;&lt;li&gt;Les hôtes refusent les connexions qui ne s&apos;identifient jamais ou qui envoient des données sans fin&#xa0;: une mauvaise connexion ne peut plus bloquer une table.&lt;/li&gt;&lt;li&gt;Les textes des boutons de phrases se modifient dans Affichage, Phrases rapides.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 janvier 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Des sons pour les coups, les passes, les doubles et votre tour, et des bruitages dans le chat.&lt;/li&gt;&lt;li&gt;La liste des spectateurs montre qui regarde&#xa0;; l&apos;hôte peut renvoyer des spectateurs.&lt;/li&gt;&lt;li&gt;Corrigé&#xa0;: un «&#xa0;+&#xa0;» dans le nom d&apos;un hôte ne mélange plus les options de la partie.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 septembre 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Juste regarder et trois vitesses pour l&apos;ordinateur.&lt;/li&gt;&lt;li&gt;L&apos;hôte peut retirer un joueur, et les places peuvent passer en «&#xa0;Juste regarder&#xa0;» et en revenir.&lt;/li&gt;&lt;li&gt;Les retardataires peuvent commencer avec le total le plus haut ou avec le total moyen.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 juin 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Première version&#xa0;: la Patte de poulet pour six joueurs et trois spectateurs au plus, avec les joueurs ordinateur Klot, Klock, Kling, Klick et Krazy, le chat et les smileys, et un bilan de vos parties.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;License&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; Chicken Foot dominoes for up to six players.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Tilvaro is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.&lt;/p&gt;&lt;p&gt;You should have received a copy of the GNU General Public License along with Tilvaro. If not, see https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;In short: you may use Tilvaro for anything, share it with anyone and change it as you like. If you pass it on, changed or not, pass on its source code under the same licence, so the people you give it to have the same freedoms you had.&lt;/p&gt;&lt;p&gt;The Brisko Lobby is a separate program with its own terms.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Licence&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; le jeu de dominos Patte de poulet, pour six joueurs au plus.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU (GNU General Public License) telle que publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure.&lt;/p&gt;&lt;p&gt;Tilvaro est distribué dans l&apos;espoir qu&apos;il sera utile, mais SANS AUCUNE GARANTIE, sans même la garantie implicite de QUALITÉ MARCHANDE ou d&apos;ADÉQUATION À UN USAGE PARTICULIER. Consultez la Licence publique générale GNU pour plus de détails.&lt;/p&gt;&lt;p&gt;Vous devriez avoir reçu une copie de la Licence publique générale GNU avec Tilvaro. Si ce n&apos;est pas le cas, consultez https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;En bref&#xa0;: vous pouvez utiliser Tilvaro pour ce que vous voulez, le partager avec qui vous voulez et le modifier à votre guise. Si vous le transmettez, modifié ou non, transmettez aussi son code source sous la même licence, pour que les personnes à qui vous le donnez aient les mêmes libertés que vous.&lt;/p&gt;&lt;p&gt;Le Brisko Lobby est un programme distinct, soumis à ses propres conditions.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The Lobby&lt;/h2&gt;&lt;p&gt;The Brisko Lobby is where players meet. It lists the people online and the tables that are open, lets you chat before a game, and starts Tilvaro for you when you host a table or sit down at someone else&apos;s, with your name and the host&apos;s address already filled in.&lt;/p&gt;&lt;p&gt;The lobby is a program of its own. To get it, start Tilvaro without the lobby: the download window appears with a button to download and install it. You can also download it from our web site, www.tilvaro.org, where you will find news of the game as well.&lt;/p&gt;&lt;p&gt;Once the lobby is installed, the download window&apos;s &lt;b&gt;Play with Others&lt;/b&gt; button closes the game and opens the lobby.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Le lobby&lt;/h2&gt;&lt;p&gt;Le Brisko Lobby est le lieu où les joueurs se retrouvent. Il affiche les personnes en ligne et les tables ouvertes, vous permet de discuter avant une partie, et lance Tilvaro pour vous quand vous ouvrez une table ou vous asseyez à celle de quelqu&apos;un d&apos;autre, avec votre nom et l&apos;adresse de l&apos;hôte déjà renseignés.&lt;/p&gt;&lt;p&gt;Le lobby est un programme à part. Pour l&apos;obtenir, lancez Tilvaro sans le lobby&#xa0;: la fenêtre de téléchargement apparaît, avec un bouton pour le télécharger et l&apos;installer. Vous pouvez aussi le télécharger sur notre site web, www.tilvaro.org, où vous trouverez également des nouvelles du jeu.&lt;/p&gt;&lt;p&gt;Une fois le lobby installé, le bouton &lt;b&gt;Jouer avec d&apos;autres&lt;/b&gt; de la fenêtre de téléchargement ferme le jeu et ouvre le lobby.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game Play&lt;/h2&gt;&lt;h3&gt;The deal&lt;/h3&gt;&lt;p&gt;A game lasts from 3 to 10 rounds, as the host chooses when starting it. Each round the bones are shuffled and dealt; how many you get depends on the number of players:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Players&lt;/th&gt;&lt;th&gt;Bones each&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;The bones that are not dealt stay face down for the whole round; nobody draws.&lt;/p&gt;&lt;h3&gt;The spinner&lt;/h3&gt;&lt;p&gt;Every round starts from a double in the middle of the board, the spinner. The first round&apos;s spinner is the double 9, the second round&apos;s the double 8, and so on down to the double blank in round 10. The first player of the game leads the first round; after that, the turn simply carries on around the table.&lt;/p&gt;&lt;h3&gt;The chicken foot&lt;/h3&gt;&lt;p&gt;Three lines of bones, the toes, grow out of the spinner. To start a toe, play a bone with the spinner&apos;s number on it. All three toes must be started before anyone may build on them; until then every play starts a toe.&lt;/p&gt;&lt;p&gt;Once the three toes stand, play a bone on the open end of any toe: its matching half goes against that end. To play, click a bone in your hand to raise it, then click one of the places marked on the board.&lt;/p&gt;&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;A double played on the end of a toe becomes the new spinner. After a short pause the board is cleared, the double sits in the middle, and three new toes have to be started from it, again all three before building on them.&lt;/p&gt;&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;If you cannot play, click &lt;b&gt;Pass&lt;/b&gt;, and the turn moves on.&lt;/p&gt;&lt;h3&gt;The end of a round&lt;/h3&gt;&lt;p&gt;A round ends as soon as a player plays the last bone in their hand, or when every player has passed in a row without a bone being played in between. Each player then scores the pips left in their hand (see Scoring).&lt;/p&gt;&lt;h3&gt;The end of the game&lt;/h3&gt;&lt;p&gt;After the chosen number of rounds the player with the &lt;b&gt;lowest&lt;/b&gt; total wins. If two or more players share the lowest total, the last round is played again, until one player alone has the lowest total.&lt;/p&gt;&lt;h3&gt;Joining a game already running&lt;/h3&gt;&lt;p&gt;When the host starts a game, they choose what happens to players who arrive later: they cannot play until the next game, or they join at the next round starting with the highest total at the table, or with the average total.&lt;/p&gt;&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;Choose &lt;b&gt;Options, Just Watch&lt;/b&gt; to let the computer play your seat for a while, and choose it again to take your seat back. &lt;b&gt;Options, Bot Speed&lt;/b&gt; sets how quickly the computer players move. The hosting player can make the computer players stronger with &lt;b&gt;Options, Computer Skill, Strong&lt;/b&gt;, and keep an absent player from holding up the table with &lt;b&gt;Options, Turn Time Limit&lt;/b&gt;: when a turn runs out, the computer makes that move for the player, and after two in a row it sets the seat to Just Watch.&lt;/p&gt;&lt;h3&gt;Playing from the keyboard&lt;/h3&gt;&lt;p&gt;When the window opens, what you type goes to the chat. Press &lt;b&gt;F6&lt;/b&gt; to move between the chat and your hand (&lt;b&gt;Esc&lt;/b&gt; in the chat also takes you to the hand). In the hand, &lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Home&lt;/b&gt; and &lt;b&gt;End&lt;/b&gt;) move the ring along your bones. &lt;b&gt;Space&lt;/b&gt; raises or lowers the bone in the ring; raising a second bone swaps the two. On your turn, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; or &lt;b&gt;3&lt;/b&gt; plays the raised bone on the marker of toe 1, 2 or 3, and &lt;b&gt;Enter&lt;/b&gt; plays it on the only marker it fits. &lt;b&gt;P&lt;/b&gt; passes and &lt;b&gt;S&lt;/b&gt; sorts your hand.&lt;/p&gt;&lt;p&gt;Screen readers read your bones, the toe markers, the board, the seats and the status line, and announce turns, plays, passes, round ends and the winner.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Déroulement du jeu&lt;/h2&gt;&lt;h3&gt;La donne&lt;/h3&gt;&lt;p&gt;Une partie dure de 3 à 10 manches, selon le choix de l&apos;hôte quand il la lance. À chaque manche, les dominos sont mélangés et distribués&#xa0;; le nombre que vous recevez dépend du nombre de joueurs&#xa0;:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Joueurs&lt;/th&gt;&lt;th&gt;Dominos par joueur&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Les dominos qui ne sont pas distribués restent face cachée pendant toute la manche&#xa0;; personne ne pioche.&lt;/p&gt;&lt;h3&gt;Le pivot&lt;/h3&gt;&lt;p&gt;Chaque manche part d&apos;un double posé au milieu du plateau&#xa0;: le pivot. Le pivot de la première manche est le double-neuf, celui de la deuxième le double-huit, et ainsi de suite jusqu&apos;au double-blanc à la manche 10. Le premier joueur de la partie ouvre la première manche&#xa0;; ensuite, le tour continue simplement autour de la table.&lt;/p&gt;&lt;h3&gt;La patte de poulet&lt;/h3&gt;&lt;p&gt;Trois lignes de dominos, les branches (les doigts de la patte), partent du pivot. Pour commencer une branche, posez un domino qui porte le nombre du pivot. Les trois branches doivent être commencées avant que quiconque puisse les prolonger&#xa0;; d&apos;ici là, chaque coup commence une branche.&lt;/p&gt;&lt;p&gt;Une fois les trois branches en place, posez un domino au bout libre de n&apos;importe quelle branche&#xa0;: sa moitié correspondante se place contre ce bout. Pour jouer, cliquez sur un domino de votre main pour le lever, puis sur l&apos;un des emplacements marqués sur le plateau.&lt;/p&gt;&lt;h3&gt;Les doubles&lt;/h3&gt;&lt;p&gt;Un double posé au bout d&apos;une branche devient le nouveau pivot. Après une courte pause, le plateau est dégagé, le double se place au milieu, et trois nouvelles branches doivent en partir, là encore toutes les trois avant qu&apos;on puisse les prolonger.&lt;/p&gt;&lt;h3&gt;Passer&lt;/h3&gt;&lt;p&gt;Si vous ne pouvez pas jouer, cliquez sur &lt;b&gt;Passer&lt;/b&gt;, et le tour passe au joueur suivant.&lt;/p&gt;&lt;h3&gt;La fin d&apos;une manche&lt;/h3&gt;&lt;p&gt;Une manche se termine dès qu&apos;un joueur pose le dernier domino de sa main, ou quand tous les joueurs ont passé l&apos;un après l&apos;autre sans qu&apos;aucun domino ait été posé entre-temps. Chaque joueur marque alors les points des dominos restés dans sa main (voir Décompte des points).&lt;/p&gt;&lt;h3&gt;La fin de la partie&lt;/h3&gt;&lt;p&gt;Après le nombre de manches choisi, le joueur qui a le total le plus &lt;b&gt;bas&lt;/b&gt; gagne. Si plusieurs joueurs partagent le total le plus bas, la dernière manche est rejouée, jusqu&apos;à ce qu&apos;un seul joueur ait le total le plus bas.&lt;/p&gt;&lt;h3&gt;Rejoindre une partie en cours&lt;/h3&gt;&lt;p&gt;Quand l&apos;hôte lance une partie, il choisit le sort des joueurs qui arrivent plus tard&#xa0;: soit ils ne peuvent pas jouer avant la partie suivante, soit ils entrent à la manche suivante avec le total le plus haut de la table, ou avec le total moyen.&lt;/p&gt;&lt;h3&gt;Regarder&lt;/h3&gt;&lt;p&gt;Choisissez &lt;b&gt;Options, Juste regarder&lt;/b&gt; pour laisser l&apos;ordinateur jouer à votre place un moment, et choisissez-le de nouveau pour reprendre votre place. &lt;b&gt;Options, Vitesse de l&apos;ordinateur&lt;/b&gt; règle la rapidité des joueurs ordinateur. Le joueur hôte peut rendre les joueurs ordinateur plus forts avec &lt;b&gt;Options, Niveau de l&apos;ordinateur, Fort&lt;/b&gt;, et empêcher un joueur absent de bloquer la table avec &lt;b&gt;Options, Temps par tour&lt;/b&gt;&#xa0;: quand un tour arrive à son terme, l&apos;ordinateur joue à la place du joueur, et après deux fois de suite il met sa place en Juste regarder.&lt;/p&gt;&lt;h3&gt;Jouer au clavier&lt;/h3&gt;&lt;p&gt;À l&apos;ouverture de la fenêtre, ce que vous tapez va dans le chat. Appuyez sur &lt;b&gt;F6&lt;/b&gt; pour passer du chat à votre main et inversement (&lt;b&gt;Esc&lt;/b&gt; dans le chat vous ramène aussi à la main). Dans la main, &lt;b&gt;Left&lt;/b&gt; et &lt;b&gt;Right&lt;/b&gt; (ou &lt;b&gt;Home&lt;/b&gt; et &lt;b&gt;End&lt;/b&gt;) déplacent le curseur le long de vos dominos. &lt;b&gt;Space&lt;/b&gt; lève ou baisse le domino sous le curseur&#xa0;; lever un second domino échange les deux. À votre tour, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; ou &lt;b&gt;3&lt;/b&gt; pose le domino levé sur le marqueur de la branche 1, 2 ou 3, et &lt;b&gt;Enter&lt;/b&gt; le pose sur le seul marqueur où il va. &lt;b&gt;P&lt;/b&gt; passe et &lt;b&gt;S&lt;/b&gt; trie votre main.&lt;/p&gt;&lt;p&gt;Les lecteurs d&apos;écran lisent vos dominos, les marqueurs des branches, le plateau, les places et la ligne d&apos;état, et annoncent les tours, les coups joués, les joueurs qui passent, les fins de manche et le vainqueur.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>You are Connected.</source>
        <translation>Connexion établie.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>Connexion de %1.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Vous regardez en spectateur.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 regarde en spectateur.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>Déconnexion de %1.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 a quitté la table.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 ne fait que regarder</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 joue de nouveau</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que vous.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Vous avez une autre version du jeu que l&apos;hôte.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Vous avez lancé une partie.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a lancé une partie.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Bien joué !</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Joli coup !</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Bien essayé !</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excellent !</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Génial !</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Waouh, bravo !</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Merci !</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Bravo, partenaire !</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Belle partie, tout le monde !</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source> and </source>
        <extracomment>Between the last two names of a list: &quot;ANN, BOB and CY&quot;</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <source>The unfinished game could not be read (%1); it was set aside as %2.</source>
        <translation>La partie inachevée n&apos;a pas pu être lue (%1)&#xa0;; elle a été mise de côté sous le nom %2.</translation>
    </message>
    <message>
        <source>Resume the unfinished game with %1 from round %2?</source>
        <translation>Reprendre la partie inachevée avec %1 à partir de la manche %2&#xa0;?</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés. %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Round: 0 of 10</source>
        <translation>Manche 0/10</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Vainqueur&#xa0;!</translation>
    </message>
    <message>
        <source>Welcome to Tilvaro</source>
        <translation>Bienvenue dans Tilvaro</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Manche %1/%2</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>New Spinner Loaded!</source>
        <translation>Nouveau pivot en place&#xa0;!</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Au tour de %1.</translation>
    </message>
    <message>
        <source>You passed.</source>
        <translation>Vous passez.</translation>
    </message>
    <message>
        <source>%1 passed.</source>
        <translation>%1 passe.</translation>
    </message>
    <message>
        <source>That is not a valid play</source>
        <translation>Ce coup n&apos;est pas valable</translation>
    </message>
    <message>
        <source>Posting Scores, Please Wait..</source>
        <translation>Enregistrement des scores, veuillez patienter...</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Vous avez gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>Your Turn. 1 second left</source>
        <translation>À vous de jouer. Encore 1 seconde</translation>
    </message>
    <message>
        <source>Your Turn. %1 seconds left</source>
        <translation>À vous de jouer. Encore %1 secondes</translation>
    </message>
    <message>
        <source>%1. 1 second left</source>
        <translation>%1. Encore 1 seconde</translation>
    </message>
    <message>
        <source>%1. %2 seconds left</source>
        <translation>%1. Encore %2 secondes</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>Hint: pass</source>
        <translation>Conseil&#xa0;: passer</translation>
    </message>
    <message>
        <source>Hint: %1|%2 on toe %3</source>
        <extracomment>A bone named by its larger end first, then the toe marker to play it on</extracomment>
        <translation>Conseil&#xa0;: %1|%2 sur la branche %3</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: &amp; marks the letter that opens the menu with Alt; keep the four letters apart</extracomment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Voir le bilan</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Phrases rapides</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>&amp;Feuille de score</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Content</source>
        <extracomment>Opens the help pages</extracomment>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Vitesse de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>How quickly the computer players move</extracomment>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Rétablir la position de la fenêtre</translation>
    </message>
    <message>
        <source>Computer Skill</source>
        <translation>Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The computer players&apos; skill</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Juste regarder</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Vous n&apos;êtes pas connecté</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Passer en «&#xa0;Juste regarder&#xa0;»</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Annuler «&#xa0;Juste regarder&#xa0;»</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Turn Time Limit</source>
        <translation>Temps par tour</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
</context>
<context>
    <name>TableShell</name>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>pas de réponse en %1 secondes</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Impossible de se connecter à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie solo... Veuillez patienter.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie à plusieurs... Veuillez patienter.</translation>
    </message>
    <message>
        <source>Could not connect to %1: the host name was not found</source>
        <translation>Impossible de se connecter à %1&#xa0;: nom d&apos;hôte introuvable</translation>
    </message>
    <message>
        <source>Game seed: %1</source>
        <translation>Graine de la partie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TableSounds</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Annuler&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Zut</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Toux</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Où étais-tu&#xa0;?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronflement</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Éternuement</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Pardon</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Youhou</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Youpi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh non</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaudissements</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Klaxon</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfffrt</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Acclamations</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Rire de femme</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Rire d&apos;homme</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Pleurs</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Bruitages</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Jouer les bruitages</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Son de votre tour</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The sound played when it is the player&apos;s turn: the classic one or the new one</extracomment>
        <translation>Classique</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1&#xa0;: &lt;Bruitage&gt; %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tilvaro - About</source>
        <translation>Tilvaro - À propos</translation>
    </message>
    <message>
        <source>Chicken Foot dominoes</source>
        <translation>Jeu de dominos Patte de poulet</translation>
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
        <translation>Programmé par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Brisko Lobby</source>
        <translation>Télécharger le Brisko Lobby</translation>
    </message>
    <message>
        <source>Download The Brisko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Téléchargez le Brisko Lobby dès maintenant pour jouer à ce jeu et à bien d&apos;autres en ligne avec d&apos;autres joueurs&#xa0;! </translation>
    </message>
    <message>
        <source>Download And Install The Brisko Lobby Now</source>
        <translation>Télécharger et installer le Brisko Lobby maintenant</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Arrêter le téléchargement</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Pour passer au jeu sans pouvoir jouer contre d&apos;autres joueurs, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Remarque&#xa0;: même si vous jouez hors ligne, vous devez configurer votre PARE-FEU pour que le jeu puisse accéder à ses composants réseau.</translation>
    </message>
    <message>
        <source>If you already have The Brisko Lobby and you wish to play with others then click the button below to close this game and open The Brisko Lobby.</source>
        <translation>Si vous avez déjà le Brisko Lobby et souhaitez jouer avec d&apos;autres, cliquez sur le bouton ci-dessous pour fermer ce jeu et ouvrir le Brisko Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d&apos;autres</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Le téléchargement a été interrompu.</translation>
    </message>
    <message>
        <source>Please close the game and open the Brisko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Veuillez fermer le jeu et ouvrir le Brisko Lobby avec son icône sur le bureau ou depuis le menu des applications.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Start Game</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Tilvaro - Game Start</source>
        <translation>Tilvaro - Lancer une partie</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Options de la partie</translation>
    </message>
    <message>
        <source>Rounds to Play:</source>
        <translation>Manches&#xa0;:</translation>
    </message>
    <message>
        <source>NEWCOMERS</source>
        <translation>RETARDATAIRES</translation>
    </message>
    <message>
        <source>Cannot Play</source>
        <translation>Ne jouent pas</translation>
    </message>
    <message>
        <source>Starts with Highest</source>
        <translation>Prennent le plus haut total</translation>
    </message>
    <message>
        <source>Starts with Average</source>
        <translation>Prennent le total moyen</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Déroulement du jeu</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Décompte des points</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>Le lobby</translation>
    </message>
    <message>
        <source>Tilvaro - Help File</source>
        <translation>Tilvaro - Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Created by: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Créé par&#xa0;: &lt;b&gt;%1&lt;/b&gt;</translation>
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
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tilvaro - Phrase Buttons </source>
        <translation>Tilvaro - Phrases rapides </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Phrase %1&#xa0;:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Un bouton toutes les 2 secondes au plus</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Tscoresheet</name>
    <message>
        <source>Seat %1</source>
        <translation>Place %1</translation>
    </message>
    <message>
        <source>Tilvaro - Score Sheet</source>
        <translation>Tilvaro - Feuille de score</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Feuille de score</translation>
    </message>
    <message>
        <source>This Game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Partie précédente</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Save Score Sheet</source>
        <translation>Enregistrer la feuille de score</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No game has been played at this table yet.</source>
        <translation>Aucune partie n&apos;a encore été jouée à cette table.</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Manche %1 sur %2</translation>
    </message>
    <message>
        <source> (joined during the game)</source>
        <translation> (partie rejointe en cours de route)</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>Column heads: the round, its spinner (the double in the middle), and how the round ended</extracomment>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Pivot</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>%1 (tie replay)</source>
        <translation>%1 (barrage)</translation>
    </message>
    <message>
        <source>New spinners: %1</source>
        <translation>Nouveaux pivots&#xa0;: %1</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>non vue</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>blocked</source>
        <translation>bloquée</translation>
    </message>
    <message>
        <source>%1 went out</source>
        <translation>%1 a fait domino</translation>
    </message>
    <message>
        <source>Credited on joining the game</source>
        <translation>Attribué à l&apos;arrivée dans la partie</translation>
    </message>
    <message>
        <source>Went out</source>
        <translation>A fait domino</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vainqueur</translation>
    </message>
    <message>
        <source>There is no score sheet to save.</source>
        <translation>Il n&apos;y a pas de feuille de score à enregistrer.</translation>
    </message>
    <message>
        <source>The score sheet could not be saved. %1</source>
        <translation>La feuille de score n&apos;a pas pu être enregistrée. %1</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tilvaro - Spys</source>
        <translation>Tilvaro - Spectateurs</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des spectateurs</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Tilvaro - Tally List</source>
        <translation>Tilvaro - Bilan</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Votre bilan total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Parties jouées&#xa0;:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Vos victoires</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heads of the tally: all games so far, and the games of this run</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Vos victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Aucun des deux&#xa0;:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Joueurs de la partie en cours</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Joueurs du bilan</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It has been kept as %2, and a new tally starts.</source>
        <translation>Le fichier du bilan n&apos;a pas pu être lu&#xa0;:
%1

Il a été conservé sous le nom %2, et un nouveau bilan commence.</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It is left as it is at %2 and the games of this run are not kept.</source>
        <translation>Le fichier du bilan n&apos;a pas pu être lu&#xa0;:
%1

Il reste tel quel dans %2 et les parties de cette session ne sont pas conservées.</translation>
    </message>
    <message>
        <source>The tally could not be saved. %1</source>
        <translation>Le bilan n&apos;a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victoires de %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilan contre %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Le bilan contre %1 va être supprimé. Voulez-vous vraiment le supprimer&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Voulez-vous vraiment remettre le bilan à zéro&#xa0;?</translation>
    </message>
</context>
</TS>
