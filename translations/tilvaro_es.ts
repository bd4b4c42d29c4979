<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Artwork</name>
    <message>
        <source>place bone</source>
        <extracomment>Two short lines on a small green marker on the board</extracomment>
        <translation>poner ficha</translation>
    </message>
    <message>
        <source>here</source>
        <translation>aquí</translation>
    </message>
    <message>
        <source>pass</source>
        <extracomment>A small button, 65 pixels wide</extracomment>
        <translation>pasar</translation>
    </message>
    <message>
        <source>start game</source>
        <extracomment>A button, 102 pixels wide</extracomment>
        <translation>empezar</translation>
    </message>
</context>
<context>
    <name>ChatInput</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí tu mensaje&gt;</translation>
    </message>
</context>
<context>
    <name>ChatMenus</name>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>No desplazar el chat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
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
        <translation>¡Nos vemos!</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Caritas</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>No se puede abrir la página web</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source>Blank</source>
        <extracomment>The number of pips on one half of a bone, read out by a screen reader</extracomment>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Double %1</source>
        <extracomment>A bone with the same number on both halves, e.g. &quot;Double six&quot;</extracomment>
        <translation>Doble %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A bone, e.g. &quot;Six and four&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>A button&apos;s name as a screen reader speaks it: pass the turn</extracomment>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Tilvaro web site</source>
        <translation>Sitio web de Tilvaro</translation>
    </message>
    <message>
        <source>Round counter</source>
        <translation>Contador de rondas</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Entrada del chat</translation>
    </message>
    <message>
        <source>Enter sends the text</source>
        <translation>Enter envía el texto</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player, as a screen reader names them</extracomment>
        <translation>Tú</translation>
    </message>
    <message>
        <source>as the spinner</source>
        <translation>como ficha central</translation>
    </message>
    <message>
        <source>on toe %1</source>
        <translation>en el dedo %1</translation>
    </message>
    <message>
        <source>%1 played %2 %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>%1. Spinner: %2.</source>
        <translation>%1. Ficha central: %2.</translation>
    </message>
    <message>
        <source>New Spinner Loaded! %1.</source>
        <translation>¡Nueva ficha central! %1.</translation>
    </message>
    <message>
        <source> New Spinner Loaded!</source>
        <comment>Follows a sentence: mind the space</comment>
        <translation> ¡Nueva ficha central!</translation>
    </message>
    <message>
        <source>Round over: %1 went out.</source>
        <translation>Fin de la ronda. %1 sin fichas.</translation>
    </message>
    <message>
        <source>Round over: everyone passed.</source>
        <translation>Fin de la ronda. Todos pasaron.</translation>
    </message>
    <message>
        <source> %1 %2, total %3.</source>
        <translation> %1 %2, total %3.</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Tus fichas</translation>
    </message>
    <message>
        <source>1 bone.
</source>
        <translation>1 ficha.
</translation>
    </message>
    <message>
        <source>%1 bones.
</source>
        <translation>%1 fichas.
</translation>
    </message>
    <message>
        <source>Place %1 of %2, raised</source>
        <translation>Posición %1 de %2, levantada</translation>
    </message>
    <message>
        <source>Place %1 of %2</source>
        <translation>Posición %1 de %2</translation>
    </message>
    <message>
        <source>Toe %1, place %2</source>
        <translation>Dedo %1, posición %2</translation>
    </message>
    <message>
        <source>, fits a %1</source>
        <comment>A toe&apos;s open end takes a bone with this many pips</comment>
        <translation>, admite un %1</translation>
    </message>
    <message>
        <source>Key %1 plays the raised bone here</source>
        <translation>La tecla %1 juega aquí la ficha levantada</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Ficha central: %1.</translation>
    </message>
    <message>
        <source>No spinner.</source>
        <translation>Sin ficha central.</translation>
    </message>
    <message>
        <source>
Toe %1: empty.</source>
        <translation>
Dedo %1: vacío.</translation>
    </message>
    <message>
        <source>
Toe %1: %2; open end %3.</source>
        <translation>
Dedo %1: %2; punta libre %3.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Seat %1: %2</source>
        <translation>Asiento %1: %2</translation>
    </message>
    <message>
        <source> (you)</source>
        <extracomment>After the player&apos;s own seat name for a screen reader</extracomment>
        <translation> (tú)</translation>
    </message>
    <message>
        <source>1 bone left</source>
        <translation>1 ficha restante</translation>
    </message>
    <message>
        <source>%1 bones left</source>
        <translation>%1 fichas restantes</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message>
        <source>this round %1</source>
        <translation>esta ronda %1</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>tu turno</translation>
    </message>
    <message>
        <source>their turn</source>
        <translation>su turno</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>solo mira</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>The game has already started.</source>
        <translation>La partida ya comenzó.</translation>
    </message>
    <message>
        <source>Round already in progress..</source>
        <translation>La ronda ya está en curso..</translation>
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
        <translation>Teclas en tus fichas (F6 cambia entre el chat y tus fichas; Esc en el chat te trae aquí):
Flecha izquierda, Flecha derecha, Inicio, Fin: moverse por las fichas
Espacio: levantar o bajar la ficha (levantar una segunda ficha intercambia las dos)
1, 2, 3: jugar la ficha levantada en el dedo 1, 2 o 3
Enter: jugarla en el único dedo donde encaja
P: pasar
S: ordenar tus fichas
H: pista: levanta la ficha que jugaría la máquina y resalta su marca; Enter la juega después</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>&lt;h2&gt;Welcome to Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro is Chicken Foot, the dominoes game of the double-nine set, for up to six players at one table, with up to three more following the game as spectators.&lt;/p&gt;&lt;p&gt;We wrote it because Chicken Foot is the game our families bring out after dinner: quick to learn, full of little decisions, and noisy in the best way. Every table has a chat, phrase buttons for the things you say most, smileys and chatter sounds, so the talk around the table comes along too.&lt;/p&gt;&lt;p&gt;Started on its own, Tilvaro deals you a solo game against the computer. Through the Brisko Lobby you meet other players and sit down at their tables, or host your own.&lt;/p&gt;&lt;p&gt;Use the buttons on the left to read about connecting, the rules of play and scoring. Have fun, and may your hand run out first!&lt;/p&gt;&lt;p&gt;&lt;i&gt;The Tilvaro Team&lt;/i&gt;&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Bienvenido a Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro es Pata de Gallo (Chicken Foot), el juego de dominó del doble nueve, para hasta seis jugadores en una mesa y hasta tres más que siguen la partida como espectadores.&lt;/p&gt;&lt;p&gt;Lo escribimos porque Pata de Gallo es el juego que nuestras familias sacan después de cenar: fácil de aprender, lleno de pequeñas decisiones y ruidoso en el mejor sentido. Cada mesa tiene un chat, botones de frases para lo que más se dice, caritas y sonidos del chat, para que no falte la charla alrededor de la mesa.&lt;/p&gt;&lt;p&gt;Si lo abres directamente, Tilvaro te reparte una partida en solitario contra la máquina. En el Brisko Lobby conoces a otros jugadores y te sientas a sus mesas, o abres la tuya.&lt;/p&gt;&lt;p&gt;Usa los botones de la izquierda para leer sobre la conexión, las reglas del juego y la puntuación. ¡Diviértete, y que te quedes sin fichas antes que nadie!&lt;/p&gt;&lt;p&gt;&lt;i&gt;El equipo de Tilvaro&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Connecting&lt;/h2&gt;&lt;h3&gt;Solo games&lt;/h3&gt;&lt;p&gt;Start Tilvaro without the lobby and it sets up a table on your own computer, with you in the first seat and the computer player Klot in the second. Click &lt;b&gt;Start Game&lt;/b&gt; (or choose &lt;b&gt;File, Start Game&lt;/b&gt;), pick the number of rounds and off you go. A solo game needs no internet connection.&lt;/p&gt;&lt;p&gt;Even offline, the game talks to itself over your computer&apos;s network connection: the table you see and the game host behind it are connected like any other players. If your firewall asks, allow Tilvaro to use the network.&lt;/p&gt;&lt;h3&gt;Games with others&lt;/h3&gt;&lt;p&gt;Multi-player games are started from the Brisko Lobby. There you find players, open a table or join one, and the lobby starts Tilvaro for you with the right name and address.&lt;/p&gt;&lt;p&gt;The player who hosts a table runs the game for everybody: the others connect to that computer on &lt;b&gt;TCP port 7772&lt;/b&gt;. A host behind a firewall or a router must let incoming connections reach that port, or nobody will be able to sit down.&lt;/p&gt;&lt;p&gt;Seats that nobody takes are played by the computer. Anyone who arrives when the six seats are taken can still watch the game as a spectator.&lt;/p&gt;&lt;p&gt;The host is the table. When the host leaves or loses the connection, the game ends for everyone at it. When any other player leaves, the game goes on and the computer plays their hand.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Conexión&lt;/h2&gt;&lt;h3&gt;Partidas en solitario&lt;/h3&gt;&lt;p&gt;Si inicias Tilvaro sin el lobby, prepara una mesa en tu propio equipo, contigo en el primer asiento y el bot Klot en el segundo. Haz clic en &lt;b&gt;Iniciar partida&lt;/b&gt; (o elige &lt;b&gt;Archivo, Iniciar partida&lt;/b&gt;), elige el número de rondas y a jugar. Una partida en solitario no necesita conexión a internet.&lt;/p&gt;&lt;p&gt;Incluso sin conexión, el juego se comunica consigo mismo a través de la conexión de red de tu equipo: la mesa que ves y el anfitrión de la partida que funciona detrás están conectados como cualquier otro jugador. Si tu firewall lo pregunta, permite que Tilvaro use la red.&lt;/p&gt;&lt;h3&gt;Partidas con otros&lt;/h3&gt;&lt;p&gt;Las partidas multijugador se inician desde el Brisko Lobby. Allí encuentras jugadores, abres una mesa o te unes a una, y el lobby inicia Tilvaro por ti con el nombre y la dirección correctos.&lt;/p&gt;&lt;p&gt;El jugador que abre una mesa lleva la partida para todos: los demás se conectan a su equipo por el &lt;b&gt;puerto TCP 7772&lt;/b&gt;. Si el anfitrión está detrás de un firewall o un router, tiene que dejar que las conexiones entrantes lleguen a ese puerto; si no, nadie podrá sentarse.&lt;/p&gt;&lt;p&gt;Los asientos que nadie ocupa los juega la máquina. Quien llegue cuando los seis asientos ya estén ocupados puede seguir la partida como espectador.&lt;/p&gt;&lt;p&gt;El anfitrión es la mesa. Cuando el anfitrión se va o pierde la conexión, la partida termina para todos los que están en ella. Cuando se va cualquier otro jugador, la partida sigue y la máquina juega sus fichas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Scoring&lt;/h2&gt;&lt;p&gt;Points in Chicken Foot are penalty points: the lower your total, the better.&lt;/p&gt;&lt;p&gt;At the end of each round, the pips on the bones left in your hand are added to your points. A 6|4 and a 2|0 left over, for example, cost you 12 points.&lt;/p&gt;&lt;p&gt;The player who goes out, playing their last bone, scores &lt;b&gt;-20&lt;/b&gt; for the round: twenty points come off their total. When a round ends because everyone passed, nobody gets the -20.&lt;/p&gt;&lt;p&gt;Your score for the round and your total are shown beside your name. After the last round, the lowest total wins the game; a tie for the lowest total replays the last round.&lt;/p&gt;&lt;p&gt;Every game you finish is added to your tally (&lt;b&gt;View, View Tally&lt;/b&gt;), so you can see how you fare against the players you meet most.&lt;/p&gt;&lt;p&gt;&lt;b&gt;View, Score Sheet&lt;/b&gt; shows this game and the previous one round by round: the spinner, who went out (or &quot;blocked&quot; when everyone passed), each seat&apos;s round score with its running total, a tie replay as a row of its own, and the winner; rounds played before you joined show as &quot;not seen&quot;. &lt;b&gt;Copy&lt;/b&gt; puts the sheet on the clipboard as tab-separated text, and &lt;b&gt;Save As...&lt;/b&gt; writes it as a CSV file.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Puntuación&lt;/h2&gt;&lt;p&gt;Los puntos en Pata de Gallo son puntos de penalización: cuanto más bajo es tu total, mejor.&lt;/p&gt;&lt;p&gt;Al final de cada ronda, los puntos de las fichas que te quedan se suman a tus puntos. Si te quedan, por ejemplo, un 6|4 y un 2|0, te cuestan 12 puntos.&lt;/p&gt;&lt;p&gt;El jugador que se queda sin fichas al jugar la última se anota &lt;b&gt;-20&lt;/b&gt; en la ronda: se restan veinte puntos de su total. Cuando una ronda termina porque todos pasaron, nadie se lleva el -20.&lt;/p&gt;&lt;p&gt;Tu puntuación de la ronda y tu total aparecen junto a tu nombre. Después de la última ronda, el total más bajo gana la partida; si hay empate en el total más bajo, se vuelve a jugar la última ronda.&lt;/p&gt;&lt;p&gt;Cada partida que terminas se suma a tu marcador (&lt;b&gt;Ver, Ver marcador&lt;/b&gt;), para que veas cómo te va contra los jugadores con los que más te encuentras.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ver, Hoja de puntuación&lt;/b&gt; muestra esta partida y la anterior ronda a ronda: la ficha central, quién se quedó sin fichas (o &quot;bloqueada&quot; cuando todos pasaron), la puntuación de cada asiento en la ronda con su total acumulado, cada ronda repetida por empate en una fila propia y el ganador; las rondas jugadas antes de que te unieras aparecen como &quot;sin ver&quot;. &lt;b&gt;Copiar&lt;/b&gt; pone la hoja en el portapapeles como texto separado por tabulaciones, y &lt;b&gt;Guardar como...&lt;/b&gt; la guarda como archivo CSV.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;History&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 December 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Packaged for Linux desktops: a menu entry, an icon and a manual page.&lt;/li&gt;&lt;li&gt;Tables can be hosted and joined over IPv6.&lt;/li&gt;&lt;li&gt;The chat&apos;s text size, colour and phrases are kept between games.&lt;/li&gt;&lt;li&gt;New help pages, a fresh about box and the lobby download window.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 June 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;The table remembers where you left its window, even across several screens.&lt;/li&gt;&lt;li&gt;Hosts turn away connections that never log in or send without end, so one bad connection cannot stall a table.&lt;/li&gt;&lt;li&gt;The phrase buttons&apos; texts can be edited under View, Phrase List.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 January 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sounds for plays, passes, doubles and your turn, and chatter sounds in the chat.&lt;/li&gt;&lt;li&gt;The spy list shows who is watching; the host can remove spectators.&lt;/li&gt;&lt;li&gt;Fixed: a &quot;+&quot; in a host&apos;s name no longer mixes up the game&apos;s options.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 September 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Just Watch and three bot speeds.&lt;/li&gt;&lt;li&gt;The host can remove a player, and seats can be set to watch and back.&lt;/li&gt;&lt;li&gt;Late arrivals can start with the highest or the average total.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 June 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;First release: Chicken Foot for up to six players and three spectators, with the computer players Klot, Klock, Kling, Klick and Krazy, chat and smileys, and a tally of your games.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Historial de versiones&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 de diciembre de 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Empaquetado para escritorios Linux: una entrada de menú, un icono y una página de manual.&lt;/li&gt;&lt;li&gt;Se pueden abrir mesas y unirse a ellas por IPv6.&lt;/li&gt;&lt;li&gt;El tamaño y el color del texto del chat y las frases se conservan entre partidas.&lt;/li&gt;&lt;li&gt;Nuevas páginas de ayuda, una ventana &quot;Acerca de&quot; renovada y la ventana de descarga del lobby.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 de junio de 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;La mesa recuerda dónde dejaste su ventana, incluso con varias pantallas.&lt;/li&gt;&lt;li&gt;El anfitrión rechaza las conexiones que nunca inician sesión o que envían sin parar, para que una mala conexión no pueda bloquear una mesa.&lt;/li&gt;&lt;li&gt;Los textos de los botones de frases se pueden editar en Ver, Lista de frases.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 de enero de 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sonidos para las jugadas, los pases, los dobles y tu turno, y sonidos del chat.&lt;/li&gt;&lt;li&gt;La lista de espectadores muestra quién está mirando; el anfitrión puede sacar a los espectadores.&lt;/li&gt;&lt;li&gt;Corregido: un &quot;+&quot; en el nombre del anfitrión ya no altera las opciones de la partida.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 de septiembre de 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Solo mirar y tres velocidades para los bots.&lt;/li&gt;&lt;li&gt;El anfitrión puede sacar a un jugador, y los asientos pueden pasar a solo mirar y volver a jugar.&lt;/li&gt;&lt;li&gt;Quienes llegan tarde pueden empezar con el total más alto o con el total medio.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 de junio de 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Primera versión: Pata de Gallo para hasta seis jugadores y tres espectadores, con los bots Klot, Klock, Kling, Klick y Krazy, chat y caritas, y un marcador de tus partidas.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;License&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; Chicken Foot dominoes for up to six players.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Tilvaro is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.&lt;/p&gt;&lt;p&gt;You should have received a copy of the GNU General Public License along with Tilvaro. If not, see https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;In short: you may use Tilvaro for anything, share it with anyone and change it as you like. If you pass it on, changed or not, pass on its source code under the same licence, so the people you give it to have the same freedoms you had.&lt;/p&gt;&lt;p&gt;The Brisko Lobby is a separate program with its own terms.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Licencia&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; dominó Pata de Gallo para hasta seis jugadores.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro es software libre: puedes redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU publicada por la Free Software Foundation, ya sea la versión 3 de la Licencia o (a tu elección) cualquier versión posterior.&lt;/p&gt;&lt;p&gt;Tilvaro se distribuye con la esperanza de que sea útil, pero SIN NINGUNA GARANTÍA; ni siquiera la garantía implícita de COMERCIABILIDAD o IDONEIDAD PARA UN PROPÓSITO PARTICULAR. Consulta la Licencia Pública General de GNU para más detalles.&lt;/p&gt;&lt;p&gt;Deberías haber recibido una copia de la Licencia Pública General de GNU junto con Tilvaro. Si no es así, consulta https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;En resumen: puedes usar Tilvaro para lo que quieras, compartirlo con quien quieras y cambiarlo a tu gusto. Si se lo pasas a otros, con cambios o sin ellos, pásales también su código fuente con la misma licencia, para que las personas a quienes se lo das tengan las mismas libertades que tuviste tú.&lt;/p&gt;&lt;p&gt;El Brisko Lobby es un programa aparte con sus propias condiciones.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The Lobby&lt;/h2&gt;&lt;p&gt;The Brisko Lobby is where players meet. It lists the people online and the tables that are open, lets you chat before a game, and starts Tilvaro for you when you host a table or sit down at someone else&apos;s, with your name and the host&apos;s address already filled in.&lt;/p&gt;&lt;p&gt;The lobby is a program of its own. To get it, start Tilvaro without the lobby: the download window appears with a button to download and install it. You can also download it from our web site, www.tilvaro.org, where you will find news of the game as well.&lt;/p&gt;&lt;p&gt;Once the lobby is installed, the download window&apos;s &lt;b&gt;Play with Others&lt;/b&gt; button closes the game and opens the lobby.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;El lobby&lt;/h2&gt;&lt;p&gt;El Brisko Lobby es el lugar donde se encuentran los jugadores. Muestra quién está en línea y qué mesas están abiertas, te deja chatear antes de una partida e inicia Tilvaro por ti cuando abres una mesa o te sientas en la de otro jugador, con tu nombre y la dirección del anfitrión ya completados.&lt;/p&gt;&lt;p&gt;El lobby es un programa independiente. Para conseguirlo, inicia Tilvaro sin el lobby: aparece la ventana de descarga con un botón para descargarlo e instalarlo. También puedes descargarlo desde nuestro sitio web, www.tilvaro.org, donde además encontrarás novedades del juego.&lt;/p&gt;&lt;p&gt;Una vez instalado el lobby, el botón &lt;b&gt;Jugar con otros&lt;/b&gt; de la ventana de descarga cierra el juego y abre el lobby.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game Play&lt;/h2&gt;&lt;h3&gt;The deal&lt;/h3&gt;&lt;p&gt;A game lasts from 3 to 10 rounds, as the host chooses when starting it. Each round the bones are shuffled and dealt; how many you get depends on the number of players:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Players&lt;/th&gt;&lt;th&gt;Bones each&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;The bones that are not dealt stay face down for the whole round; nobody draws.&lt;/p&gt;&lt;h3&gt;The spinner&lt;/h3&gt;&lt;p&gt;Every round starts from a double in the middle of the board, the spinner. The first round&apos;s spinner is the double 9, the second round&apos;s the double 8, and so on down to the double blank in round 10. The first player of the game leads the first round; after that, the turn simply carries on around the table.&lt;/p&gt;&lt;h3&gt;The chicken foot&lt;/h3&gt;&lt;p&gt;Three lines of bones, the toes, grow out of the spinner. To start a toe, play a bone with the spinner&apos;s number on it. All three toes must be started before anyone may build on them; until then every play starts a toe.&lt;/p&gt;&lt;p&gt;Once the three toes stand, play a bone on the open end of any toe: its matching half goes against that end. To play, click a bone in your hand to raise it, then click one of the places marked on the board.&lt;/p&gt;&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;A double played on the end of a toe becomes the new spinner. After a short pause the board is cleared, the double sits in the middle, and three new toes have to be started from it, again all three before building on them.&lt;/p&gt;&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;If you cannot play, click &lt;b&gt;Pass&lt;/b&gt;, and the turn moves on.&lt;/p&gt;&lt;h3&gt;The end of a round&lt;/h3&gt;&lt;p&gt;A round ends as soon as a player plays the last bone in their hand, or when every player has passed in a row without a bone being played in between. Each player then scores the pips left in their hand (see Scoring).&lt;/p&gt;&lt;h3&gt;The end of the game&lt;/h3&gt;&lt;p&gt;After the chosen number of rounds the player with the &lt;b&gt;lowest&lt;/b&gt; total wins. If two or more players share the lowest total, the last round is played again, until one player alone has the lowest total.&lt;/p&gt;&lt;h3&gt;Joining a game already running&lt;/h3&gt;&lt;p&gt;When the host starts a game, they choose what happens to players who arrive later: they cannot play until the next game, or they join at the next round starting with the highest total at the table, or with the average total.&lt;/p&gt;&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;Choose &lt;b&gt;Options, Just Watch&lt;/b&gt; to let the computer play your seat for a while, and choose it again to take your seat back. &lt;b&gt;Options, Bot Speed&lt;/b&gt; sets how quickly the computer players move. The hosting player can make the computer players stronger with &lt;b&gt;Options, Computer Skill, Strong&lt;/b&gt;, and keep an absent player from holding up the table with &lt;b&gt;Options, Turn Time Limit&lt;/b&gt;: when a turn runs out, the computer makes that move for the player, and after two in a row it sets the seat to Just Watch.&lt;/p&gt;&lt;h3&gt;Playing from the keyboard&lt;/h3&gt;&lt;p&gt;When the window opens, what you type goes to the chat. Press &lt;b&gt;F6&lt;/b&gt; to move between the chat and your hand (&lt;b&gt;Esc&lt;/b&gt; in the chat also takes you to the hand). In the hand, &lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Home&lt;/b&gt; and &lt;b&gt;End&lt;/b&gt;) move the ring along your bones. &lt;b&gt;Space&lt;/b&gt; raises or lowers the bone in the ring; raising a second bone swaps the two. On your turn, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; or &lt;b&gt;3&lt;/b&gt; plays the raised bone on the marker of toe 1, 2 or 3, and &lt;b&gt;Enter&lt;/b&gt; plays it on the only marker it fits. &lt;b&gt;P&lt;/b&gt; passes and &lt;b&gt;S&lt;/b&gt; sorts your hand.&lt;/p&gt;&lt;p&gt;Screen readers read your bones, the toe markers, the board, the seats and the status line, and announce turns, plays, passes, round ends and the winner.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Cómo se juega&lt;/h2&gt;&lt;h3&gt;El reparto&lt;/h3&gt;&lt;p&gt;Una partida dura de 3 a 10 rondas, según elija el anfitrión al iniciarla. En cada ronda se revuelven y se reparten las fichas; cuántas recibes depende del número de jugadores:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Jugadores&lt;/th&gt;&lt;th&gt;Fichas por jugador&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Las fichas que no se reparten quedan boca abajo durante toda la ronda; nadie roba.&lt;/p&gt;&lt;h3&gt;La ficha central&lt;/h3&gt;&lt;p&gt;Cada ronda empieza con un doble en el centro del tablero: la ficha central. La ficha central de la primera ronda es el doble 9, la de la segunda el doble 8, y así sucesivamente hasta el doble blanco en la ronda 10. El primer jugador de la partida empieza la primera ronda; después, el turno simplemente sigue alrededor de la mesa.&lt;/p&gt;&lt;h3&gt;La pata de gallo&lt;/h3&gt;&lt;p&gt;De la ficha central salen tres líneas de fichas, los dedos. Para empezar un dedo, juega una ficha que tenga el número de la ficha central. Hay que empezar los tres dedos antes de que nadie pueda alargarlos; hasta entonces, cada jugada empieza un dedo.&lt;/p&gt;&lt;p&gt;Cuando ya están los tres dedos, juega una ficha en la punta libre de cualquier dedo: la mitad con el mismo número va contra esa punta. Para jugar, haz clic en una de tus fichas para levantarla y luego haz clic en uno de los lugares marcados en el tablero.&lt;/p&gt;&lt;h3&gt;Dobles&lt;/h3&gt;&lt;p&gt;Un doble jugado en la punta de un dedo se convierte en la nueva ficha central. Tras una breve pausa se despeja el tablero, el doble queda en el centro y hay que empezar desde él tres dedos nuevos, otra vez los tres antes de alargarlos.&lt;/p&gt;&lt;h3&gt;Pasar&lt;/h3&gt;&lt;p&gt;Si no puedes jugar, haz clic en &lt;b&gt;Pasar&lt;/b&gt; y el turno pasa al siguiente jugador.&lt;/p&gt;&lt;h3&gt;El final de una ronda&lt;/h3&gt;&lt;p&gt;Una ronda termina en cuanto un jugador juega la última ficha que le queda, o cuando todos los jugadores han pasado seguidos sin que se juegue ninguna ficha entre medias. Entonces cada jugador se anota los puntos de las fichas que le quedan (ver Puntuación).&lt;/p&gt;&lt;h3&gt;El final de la partida&lt;/h3&gt;&lt;p&gt;Después del número de rondas elegido gana el jugador con el total &lt;b&gt;más bajo&lt;/b&gt;. Si dos o más jugadores empatan con el total más bajo, se vuelve a jugar la última ronda, hasta que un solo jugador tenga el total más bajo.&lt;/p&gt;&lt;h3&gt;Unirse a una partida en curso&lt;/h3&gt;&lt;p&gt;Cuando el anfitrión inicia una partida, elige qué pasa con los jugadores que llegan más tarde: no pueden jugar hasta la siguiente partida, o se unen en la siguiente ronda empezando con el total más alto de la mesa, o con el total medio.&lt;/p&gt;&lt;h3&gt;Mirar&lt;/h3&gt;&lt;p&gt;Elige &lt;b&gt;Opciones, Solo mirar&lt;/b&gt; para que la máquina juegue en tu asiento durante un rato, y vuelve a elegirlo para recuperar tu asiento. &lt;b&gt;Opciones, Velocidad de los bots&lt;/b&gt; ajusta lo rápido que juegan los bots. El jugador anfitrión puede hacer que los bots jueguen mejor con &lt;b&gt;Opciones, Nivel de los bots, Avanzado&lt;/b&gt;, y evitar que un jugador ausente detenga la mesa con &lt;b&gt;Opciones, Tiempo por turno&lt;/b&gt;: cuando se acaba un turno, la máquina juega por ese jugador, y tras dos seguidos pasa su asiento a Solo mirar.&lt;/p&gt;&lt;h3&gt;Jugar con el teclado&lt;/h3&gt;&lt;p&gt;Al abrirse la ventana, lo que escribes va al chat. Presiona &lt;b&gt;F6&lt;/b&gt; para cambiar entre el chat y tus fichas (&lt;b&gt;Esc&lt;/b&gt; en el chat también te lleva a tus fichas). En tus fichas, &lt;b&gt;Flecha izquierda&lt;/b&gt; y &lt;b&gt;Flecha derecha&lt;/b&gt; (o &lt;b&gt;Inicio&lt;/b&gt; y &lt;b&gt;Fin&lt;/b&gt;) mueven el marco por tus fichas. &lt;b&gt;Espacio&lt;/b&gt; levanta o baja la ficha enmarcada; levantar una segunda ficha intercambia las dos. En tu turno, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; o &lt;b&gt;3&lt;/b&gt; juega la ficha levantada en la marca del dedo 1, 2 o 3, y &lt;b&gt;Enter&lt;/b&gt; la juega en la única marca donde encaja. &lt;b&gt;P&lt;/b&gt; pasa y &lt;b&gt;S&lt;/b&gt; ordena tus fichas.&lt;/p&gt;&lt;p&gt;Los lectores de pantalla leen tus fichas, las marcas de los dedos, el tablero, los asientos y la línea de estado, y anuncian los turnos, las jugadas, los pases, los finales de ronda y al ganador.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>You are Connected.</source>
        <translation>Te conectaste.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se conectó.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás mirando la partida.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está mirando la partida.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se desconectó.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 dejó la mesa.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo está mirando</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Iniciaste una partida.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 inició una partida.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>¡Así se hace!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>¡Buena jugada!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>¡Buen intento!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>¡Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>¡Guau, bien hecho!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>¡Gracias!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>¡Así se hace, compañero!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>¡Buena partida a todos!</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source> and </source>
        <extracomment>Between the last two names of a list: &quot;ANN, BOB and CY&quot;</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>The unfinished game could not be read (%1); it was set aside as %2.</source>
        <translation>No se pudo leer la partida sin terminar (%1); se guardó aparte como %2.</translation>
    </message>
    <message>
        <source>Resume the unfinished game with %1 from round %2?</source>
        <translation>¿Reanudar la partida sin terminar con %1 desde la ronda %2?</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>No se pudo guardar la configuración. %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Round: 0 of 10</source>
        <translation>Ronda: 0 de 10</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>¡Ganador!</translation>
    </message>
    <message>
        <source>Welcome to Tilvaro</source>
        <translation>Bienvenido a Tilvaro</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Ronda: %1 de %2</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Tu turno</translation>
    </message>
    <message>
        <source>New Spinner Loaded!</source>
        <translation>¡Nueva ficha central!</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Tu turno.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Turno de %1.</translation>
    </message>
    <message>
        <source>You passed.</source>
        <translation>Pasaste.</translation>
    </message>
    <message>
        <source>%1 passed.</source>
        <translation>%1 pasó.</translation>
    </message>
    <message>
        <source>That is not a valid play</source>
        <translation>Esa jugada no es válida</translation>
    </message>
    <message>
        <source>Posting Scores, Please Wait..</source>
        <translation>Anotando los puntos, espera, por favor..</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>¡Ganaste la partida!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ganó la partida!</translation>
    </message>
    <message>
        <source>Your Turn. 1 second left</source>
        <translation>Tu turno. Queda 1 segundo</translation>
    </message>
    <message>
        <source>Your Turn. %1 seconds left</source>
        <translation>Tu turno. Quedan %1 segundos</translation>
    </message>
    <message>
        <source>%1. 1 second left</source>
        <translation>%1. Queda 1 segundo</translation>
    </message>
    <message>
        <source>%1. %2 seconds left</source>
        <translation>%1. Quedan %2 segundos</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>Hint: pass</source>
        <translation>Pista: pasar</translation>
    </message>
    <message>
        <source>Hint: %1|%2 on toe %3</source>
        <extracomment>A bone named by its larger end first, then the toe marker to play it on</extracomment>
        <translation>Pista: %1|%2 en el dedo %3</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: &amp; marks the letter that opens the menu with Alt; keep the four letters apart</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver marcador</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Lista de frases</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>&amp;Hoja de puntuación</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Content</source>
        <extracomment>Opens the help pages</extracomment>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Tilvaro</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidad de los bots</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>How quickly the computer players move</extracomment>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restablecer posición de la ventana</translation>
    </message>
    <message>
        <source>Computer Skill</source>
        <translation>Nivel de los bots</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The computer players&apos; skill</extracomment>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Solo mirar</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No tienes conexión</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Sacar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Activar Solo mirar</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Desactivar Solo mirar</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Turn Time Limit</source>
        <translation>Tiempo por turno</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
</context>
<context>
    <name>TableShell</name>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>sin respuesta en %1 segundos</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>No se pudo conectar con %1: %2</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario..Espera, por favor.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador.. Espera, por favor.</translation>
    </message>
    <message>
        <source>Could not connect to %1: the host name was not found</source>
        <translation>No se pudo conectar con %1: no se encontró el nombre de host</translation>
    </message>
    <message>
        <source>Game seed: %1</source>
        <translation>Semilla de la partida: %1</translation>
    </message>
</context>
<context>
    <name>TableSounds</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Cancelar&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Rayos</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tos</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>¿Dónde estabas?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronquidos</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Estornudo</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Perdón</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Yijaa</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Yupi</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh, no</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Bocinazo</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pedorreta</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Ovación</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mujer riendo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Hombre riendo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Llanto</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sonidos del chat</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Reproducir sonidos del chat</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Sonido de turno</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The sound played when it is the player&apos;s turn: the classic one or the new one</extracomment>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Sonido del chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tilvaro - About</source>
        <translation>Tilvaro - Acerca de</translation>
    </message>
    <message>
        <source>Chicken Foot dominoes</source>
        <translation>Dominó Pata de Gallo</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>Copyright © %1 - </source>
        <translation>Copyright © %1 - </translation>
    </message>
    <message>
        <source>Programmed by: %1</source>
        <translation>Programado por: %1</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Game is full</source>
        <translation>La partida está completa</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Brisko Lobby</source>
        <translation>Descargar el Brisko Lobby</translation>
    </message>
    <message>
        <source>Download The Brisko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>¡Descarga ahora el Brisko Lobby para jugar a este y otros emocionantes juegos en línea con otros jugadores! </translation>
    </message>
    <message>
        <source>Download And Install The Brisko Lobby Now</source>
        <translation>Descargar e instalar el Brisko Lobby ahora</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener la descarga</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir al juego sin poder jugar contra otros, haz clic en el botón de abajo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Nota: aunque juegues sin conexión, tendrás que configurar tu FIREWALL para que el juego pueda acceder a los componentes de internet.</translation>
    </message>
    <message>
        <source>If you already have The Brisko Lobby and you wish to play with others then click the button below to close this game and open The Brisko Lobby.</source>
        <translation>Si ya tienes el Brisko Lobby y quieres jugar con otros, haz clic en el botón de abajo para cerrar este juego y abrir el Brisko Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga cancelada</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se produjo un error.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se canceló la descarga.</translation>
    </message>
    <message>
        <source>Please close the game and open the Brisko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre el Brisko Lobby con su icono del escritorio o desde el menú de inicio.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Tilvaro - Game Start</source>
        <translation>Tilvaro - Inicio de partida</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Opciones de partida</translation>
    </message>
    <message>
        <source>Rounds to Play:</source>
        <translation>Rondas a jugar:</translation>
    </message>
    <message>
        <source>NEWCOMERS</source>
        <translation>RECIÉN LLEGADOS</translation>
    </message>
    <message>
        <source>Cannot Play</source>
        <translation>No pueden jugar</translation>
    </message>
    <message>
        <source>Starts with Highest</source>
        <translation>Empiezan con el máximo</translation>
    </message>
    <message>
        <source>Starts with Average</source>
        <translation>Empiezan con la media</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Versiones</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>El lobby</translation>
    </message>
    <message>
        <source>Tilvaro - Help File</source>
        <translation>Tilvaro - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Created by: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Creado por: &lt;b&gt;%1&lt;/b&gt;</translation>
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
        <translation>Se produjo un error desconocido.</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tilvaro - Phrase Buttons </source>
        <translation>Tilvaro - Botones de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Solo se puede usar un botón cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Tscoresheet</name>
    <message>
        <source>Seat %1</source>
        <translation>Asiento %1</translation>
    </message>
    <message>
        <source>Tilvaro - Score Sheet</source>
        <translation>Tilvaro - Hoja de puntuación</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Hoja de puntuación</translation>
    </message>
    <message>
        <source>This Game</source>
        <translation>Esta partida</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Partida anterior</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Save Score Sheet</source>
        <translation>Guardar hoja de puntuación</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No game has been played at this table yet.</source>
        <translation>Todavía no se ha jugado ninguna partida en esta mesa.</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ganó la partida!</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Ronda %1 de %2</translation>
    </message>
    <message>
        <source> (joined during the game)</source>
        <translation> (te uniste con la partida empezada)</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>Column heads: the round, its spinner (the double in the middle), and how the round ended</extracomment>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Ficha central</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>%1 (tie replay)</source>
        <translation>%1 (repetida)</translation>
    </message>
    <message>
        <source>New spinners: %1</source>
        <translation>Nuevas fichas centrales: %1</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>sin ver</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>en juego</translation>
    </message>
    <message>
        <source>blocked</source>
        <translation>bloqueada</translation>
    </message>
    <message>
        <source>%1 went out</source>
        <translation>%1 sin fichas</translation>
    </message>
    <message>
        <source>Credited on joining the game</source>
        <translation>Asignado al unirse a la partida</translation>
    </message>
    <message>
        <source>Went out</source>
        <translation>Se quedó sin fichas</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Ganador</translation>
    </message>
    <message>
        <source>There is no score sheet to save.</source>
        <translation>No hay ninguna hoja de puntuación para guardar.</translation>
    </message>
    <message>
        <source>The score sheet could not be saved. %1</source>
        <translation>No se pudo guardar la hoja de puntuación. %1</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tilvaro - Spys</source>
        <translation>Tilvaro - Espectadores</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espectadores</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Sacar de la partida</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Tilvaro - Tally List</source>
        <translation>Tilvaro - Marcador</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Tu marcador total</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Tus victorias</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heads of the tally: all games so far, and the games of this run</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Tus victorias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Ninguno ganó:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jugadores de la partida actual</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jugadores en el marcador</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It has been kept as %2, and a new tally starts.</source>
        <translation>No se pudo leer el archivo del marcador:
%1

Se conservó como %2 y empieza un marcador nuevo.</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It is left as it is at %2 and the games of this run are not kept.</source>
        <translation>No se pudo leer el archivo del marcador:
%1

Se deja tal como está en %2 y las partidas de esta sesión no se guardarán.</translation>
    </message>
    <message>
        <source>The tally could not be saved. %1</source>
        <translation>No se pudo guardar el marcador. %1</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Victorias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Marcador contra %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Esto borrará el marcador contra %1. ¿Seguro que quieres borrarlo?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>¿Seguro que quieres poner el marcador a cero?</translation>
    </message>
</context>
</TS>
