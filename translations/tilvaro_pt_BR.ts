<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Artwork</name>
    <message>
        <source>place bone</source>
        <extracomment>Two short lines on a small green marker on the board</extracomment>
        <translation>jogar</translation>
    </message>
    <message>
        <source>here</source>
        <translation>aqui</translation>
    </message>
    <message>
        <source>pass</source>
        <extracomment>A small button, 65 pixels wide</extracomment>
        <translation>passar</translation>
    </message>
    <message>
        <source>start game</source>
        <extracomment>A button, 102 pixels wide</extracomment>
        <translation>iniciar jogo</translation>
    </message>
</context>
<context>
    <name>ChatInput</name>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Digite aqui para conversar&gt;</translation>
    </message>
</context>
<context>
    <name>ChatMenus</name>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Limpar o chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Não rolar o chat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
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
        <translation>Até mais!</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Não foi possível abrir a página</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source>Blank</source>
        <extracomment>The number of pips on one half of a bone, read out by a screen reader</extracomment>
        <translation>Branco</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Um</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Double %1</source>
        <extracomment>A bone with the same number on both halves, e.g. &quot;Double six&quot;</extracomment>
        <translation>Carroça de %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>A bone, e.g. &quot;Six and four&quot;</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Pass</source>
        <extracomment>A button&apos;s name as a screen reader speaks it: pass the turn</extracomment>
        <translation>Passar</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Tilvaro web site</source>
        <translation>Site do Tilvaro</translation>
    </message>
    <message>
        <source>Round counter</source>
        <translation>Contador de rodadas</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Campo do chat</translation>
    </message>
    <message>
        <source>Enter sends the text</source>
        <translation>Enter envia o texto</translation>
    </message>
    <message>
        <source>You</source>
        <extracomment>The player, as a screen reader names them</extracomment>
        <translation>Você</translation>
    </message>
    <message>
        <source>as the spinner</source>
        <translation>como carroça central</translation>
    </message>
    <message>
        <source>on toe %1</source>
        <translation>no dedo %1</translation>
    </message>
    <message>
        <source>%1 played %2 %3.</source>
        <translation>%1 jogou %2 %3.</translation>
    </message>
    <message>
        <source>%1. Spinner: %2.</source>
        <translation>%1. Carroça central: %2.</translation>
    </message>
    <message>
        <source>New Spinner Loaded! %1.</source>
        <translation>Nova carroça central! %1.</translation>
    </message>
    <message>
        <source> New Spinner Loaded!</source>
        <comment>Follows a sentence: mind the space</comment>
        <translation> Nova carroça central!</translation>
    </message>
    <message>
        <source>Round over: %1 went out.</source>
        <translation>Fim da rodada: %1 bateu.</translation>
    </message>
    <message>
        <source>Round over: everyone passed.</source>
        <translation>Fim da rodada: todos passaram.</translation>
    </message>
    <message>
        <source> %1 %2, total %3.</source>
        <translation> %1 %2, total %3.</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Sua mão</translation>
    </message>
    <message>
        <source>1 bone.
</source>
        <translation>1 pedra.
</translation>
    </message>
    <message>
        <source>%1 bones.
</source>
        <translation>%1 pedras.
</translation>
    </message>
    <message>
        <source>Place %1 of %2, raised</source>
        <translation>Posição %1 de %2, levantada</translation>
    </message>
    <message>
        <source>Place %1 of %2</source>
        <translation>Posição %1 de %2</translation>
    </message>
    <message>
        <source>Toe %1, place %2</source>
        <translation>Dedo %1, posição %2</translation>
    </message>
    <message>
        <source>, fits a %1</source>
        <comment>A toe&apos;s open end takes a bone with this many pips</comment>
        <translation>, aceita %1</translation>
    </message>
    <message>
        <source>Key %1 plays the raised bone here</source>
        <translation>A tecla %1 joga aqui a pedra levantada</translation>
    </message>
    <message>
        <source>Spinner: %1.</source>
        <translation>Carroça central: %1.</translation>
    </message>
    <message>
        <source>No spinner.</source>
        <translation>Sem carroça central.</translation>
    </message>
    <message>
        <source>
Toe %1: empty.</source>
        <translation>
Dedo %1: vazio.</translation>
    </message>
    <message>
        <source>
Toe %1: %2; open end %3.</source>
        <translation>
Dedo %1: %2; ponta livre %3.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Seat %1: %2</source>
        <translation>Lugar %1: %2</translation>
    </message>
    <message>
        <source> (you)</source>
        <extracomment>After the player&apos;s own seat name for a screen reader</extracomment>
        <translation> (você)</translation>
    </message>
    <message>
        <source>1 bone left</source>
        <translation>resta 1 pedra</translation>
    </message>
    <message>
        <source>%1 bones left</source>
        <translation>restam %1 pedras</translation>
    </message>
    <message>
        <source>total %1</source>
        <translation>total %1</translation>
    </message>
    <message>
        <source>this round %1</source>
        <translation>nesta rodada %1</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>sua vez</translation>
    </message>
    <message>
        <source>their turn</source>
        <translation>jogando agora</translation>
    </message>
    <message>
        <source>just watching</source>
        <translation>só assistindo</translation>
    </message>
</context>
<context>
    <name>HandView</name>
    <message>
        <source>The game has already started.</source>
        <translation>O jogo já começou.</translation>
    </message>
    <message>
        <source>Round already in progress..</source>
        <translation>Rodada já em andamento..</translation>
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
        <translation>Teclas na sua mão (F6 alterna entre o chat e a mão, Esc no chat traz para cá):
Seta esquerda, Seta direita, Home, End: percorrer a mão
Espaço: levantar ou baixar a pedra (levantar uma segunda pedra troca as duas)
1, 2, 3: jogar a pedra levantada no dedo 1, 2 ou 3
Enter: jogar no único dedo em que ela encaixa
P: passar
S: ordenar a mão
H: dica: levanta a pedra que o computador jogaria e destaca a sua marca; Enter então a joga</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>&lt;h2&gt;Welcome to Tilvaro&lt;/h2&gt;&lt;p&gt;Tilvaro is Chicken Foot, the dominoes game of the double-nine set, for up to six players at one table, with up to three more following the game as spectators.&lt;/p&gt;&lt;p&gt;We wrote it because Chicken Foot is the game our families bring out after dinner: quick to learn, full of little decisions, and noisy in the best way. Every table has a chat, phrase buttons for the things you say most, smileys and chatter sounds, so the talk around the table comes along too.&lt;/p&gt;&lt;p&gt;Started on its own, Tilvaro deals you a solo game against the computer. Through the Brisko Lobby you meet other players and sit down at their tables, or host your own.&lt;/p&gt;&lt;p&gt;Use the buttons on the left to read about connecting, the rules of play and scoring. Have fun, and may your hand run out first!&lt;/p&gt;&lt;p&gt;&lt;i&gt;The Tilvaro Team&lt;/i&gt;&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Bem-vindo ao Tilvaro&lt;/h2&gt;&lt;p&gt;O Tilvaro é o Pé de Galinha (Chicken Foot), o dominó do conjunto duplo-nove, para até seis jogadores numa mesa, com até mais três acompanhando o jogo como espectadores.&lt;/p&gt;&lt;p&gt;Nós o fizemos porque o Pé de Galinha é o jogo que as nossas famílias tiram da gaveta depois do jantar: fácil de aprender, cheio de pequenas decisões e barulhento do melhor jeito. Toda mesa tem um chat, botões de frases para o que você mais diz, smileys e sons do chat, para que a conversa em volta da mesa venha junto.&lt;/p&gt;&lt;p&gt;Aberto por conta própria, o Tilvaro distribui para você um jogo solo contra o computador. Pelo Brisko Lobby você encontra outros jogadores e se senta às mesas deles, ou abre a sua.&lt;/p&gt;&lt;p&gt;Use os botões à esquerda para ler sobre a conexão, as regras do jogo e a pontuação. Divirta-se, e que a sua mão acabe primeiro!&lt;/p&gt;&lt;p&gt;&lt;i&gt;A equipe do Tilvaro&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Connecting&lt;/h2&gt;&lt;h3&gt;Solo games&lt;/h3&gt;&lt;p&gt;Start Tilvaro without the lobby and it sets up a table on your own computer, with you in the first seat and the computer player Klot in the second. Click &lt;b&gt;Start Game&lt;/b&gt; (or choose &lt;b&gt;File, Start Game&lt;/b&gt;), pick the number of rounds and off you go. A solo game needs no internet connection.&lt;/p&gt;&lt;p&gt;Even offline, the game talks to itself over your computer&apos;s network connection: the table you see and the game host behind it are connected like any other players. If your firewall asks, allow Tilvaro to use the network.&lt;/p&gt;&lt;h3&gt;Games with others&lt;/h3&gt;&lt;p&gt;Multi-player games are started from the Brisko Lobby. There you find players, open a table or join one, and the lobby starts Tilvaro for you with the right name and address.&lt;/p&gt;&lt;p&gt;The player who hosts a table runs the game for everybody: the others connect to that computer on &lt;b&gt;TCP port 7772&lt;/b&gt;. A host behind a firewall or a router must let incoming connections reach that port, or nobody will be able to sit down.&lt;/p&gt;&lt;p&gt;Seats that nobody takes are played by the computer. Anyone who arrives when the six seats are taken can still watch the game as a spectator.&lt;/p&gt;&lt;p&gt;The host is the table. When the host leaves or loses the connection, the game ends for everyone at it. When any other player leaves, the game goes on and the computer plays their hand.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Conexão&lt;/h2&gt;&lt;h3&gt;Jogos solo&lt;/h3&gt;&lt;p&gt;Abra o Tilvaro sem o lobby e ele monta uma mesa no seu próprio computador, com você no primeiro lugar e o jogador do computador Klot no segundo. Clique em &lt;b&gt;Iniciar jogo&lt;/b&gt; (ou escolha &lt;b&gt;Arquivo, Iniciar jogo&lt;/b&gt;), escolha o número de rodadas e pronto. Um jogo solo não precisa de conexão com a internet.&lt;/p&gt;&lt;p&gt;Mesmo off-line, o jogo conversa consigo mesmo pela conexão de rede do seu computador: a mesa que você vê e o anfitrião do jogo por trás dela se conectam como quaisquer outros jogadores. Se o seu firewall perguntar, permita que o Tilvaro use a rede.&lt;/p&gt;&lt;h3&gt;Jogos com outras pessoas&lt;/h3&gt;&lt;p&gt;Jogos multijogador são iniciados pelo Brisko Lobby. Lá você encontra jogadores, abre uma mesa ou entra em uma, e o lobby inicia o Tilvaro para você com o nome e o endereço certos.&lt;/p&gt;&lt;p&gt;O jogador que hospeda uma mesa roda o jogo para todos: os outros se conectam ao computador dele pela &lt;b&gt;porta TCP 7772&lt;/b&gt;. Um anfitrião atrás de um firewall ou de um roteador precisa deixar as conexões de entrada chegarem a essa porta, senão ninguém vai conseguir se sentar.&lt;/p&gt;&lt;p&gt;Os lugares que ninguém ocupa são jogados pelo computador. Quem chegar quando os seis lugares estiverem ocupados ainda pode assistir ao jogo como espectador.&lt;/p&gt;&lt;p&gt;O anfitrião é a mesa. Quando o anfitrião sai ou perde a conexão, o jogo acaba para todos os que estão nela. Quando qualquer outro jogador sai, o jogo continua e o computador joga a mão dele.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Scoring&lt;/h2&gt;&lt;p&gt;Points in Chicken Foot are penalty points: the lower your total, the better.&lt;/p&gt;&lt;p&gt;At the end of each round, the pips on the bones left in your hand are added to your points. A 6|4 and a 2|0 left over, for example, cost you 12 points.&lt;/p&gt;&lt;p&gt;The player who goes out, playing their last bone, scores &lt;b&gt;-20&lt;/b&gt; for the round: twenty points come off their total. When a round ends because everyone passed, nobody gets the -20.&lt;/p&gt;&lt;p&gt;Your score for the round and your total are shown beside your name. After the last round, the lowest total wins the game; a tie for the lowest total replays the last round.&lt;/p&gt;&lt;p&gt;Every game you finish is added to your tally (&lt;b&gt;View, View Tally&lt;/b&gt;), so you can see how you fare against the players you meet most.&lt;/p&gt;&lt;p&gt;&lt;b&gt;View, Score Sheet&lt;/b&gt; shows this game and the previous one round by round: the spinner, who went out (or &quot;blocked&quot; when everyone passed), each seat&apos;s round score with its running total, a tie replay as a row of its own, and the winner; rounds played before you joined show as &quot;not seen&quot;. &lt;b&gt;Copy&lt;/b&gt; puts the sheet on the clipboard as tab-separated text, and &lt;b&gt;Save As...&lt;/b&gt; writes it as a CSV file.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Pontuação&lt;/h2&gt;&lt;p&gt;No Pé de Galinha os pontos são pontos de penalidade: quanto menor o seu total, melhor.&lt;/p&gt;&lt;p&gt;No fim de cada rodada, os pontos das pedras que ficaram na sua mão são somados aos seus pontos. Um 6|4 e um 2|0 que sobraram, por exemplo, custam 12 pontos.&lt;/p&gt;&lt;p&gt;O jogador que bate, jogando a sua última pedra, marca &lt;b&gt;-20&lt;/b&gt; na rodada: vinte pontos saem do seu total. Quando uma rodada termina porque todos passaram, ninguém ganha os -20.&lt;/p&gt;&lt;p&gt;A sua pontuação na rodada e o seu total aparecem ao lado do seu nome. Depois da última rodada, o menor total vence o jogo; um empate no menor total faz a última rodada ser jogada de novo.&lt;/p&gt;&lt;p&gt;Todo jogo que você termina entra no seu retrospecto (&lt;b&gt;Exibir, Ver retrospecto&lt;/b&gt;), para você ver como se sai contra os jogadores que mais encontra.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exibir, Folha de pontos&lt;/b&gt; mostra este jogo e o anterior, rodada por rodada: a carroça central, quem bateu (ou &quot;trancada&quot; quando todos passaram), a pontuação de cada lugar na rodada com o total acumulado, um desempate numa linha própria, e o vencedor; as rodadas jogadas antes de você entrar aparecem como &quot;não vista&quot;. &lt;b&gt;Copiar&lt;/b&gt; põe a folha na área de transferência como texto separado por tabulações, e &lt;b&gt;Salvar como...&lt;/b&gt; a grava como arquivo CSV.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;History&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 December 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Packaged for Linux desktops: a menu entry, an icon and a manual page.&lt;/li&gt;&lt;li&gt;Tables can be hosted and joined over IPv6.&lt;/li&gt;&lt;li&gt;The chat&apos;s text size, colour and phrases are kept between games.&lt;/li&gt;&lt;li&gt;New help pages, a fresh about box and the lobby download window.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 June 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;The table remembers where you left its window, even across several screens.&lt;/li&gt;&lt;li&gt;Hosts turn away connections that never log in or send without end, so one bad connection cannot stall a table.&lt;/li&gt;&lt;li&gt;The phrase buttons&apos; texts can be edited under View, Phrase List.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 January 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sounds for plays, passes, doubles and your turn, and chatter sounds in the chat.&lt;/li&gt;&lt;li&gt;The spy list shows who is watching; the host can remove spectators.&lt;/li&gt;&lt;li&gt;Fixed: a &quot;+&quot; in a host&apos;s name no longer mixes up the game&apos;s options.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 September 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Just Watch and three bot speeds.&lt;/li&gt;&lt;li&gt;The host can remove a player, and seats can be set to watch and back.&lt;/li&gt;&lt;li&gt;Late arrivals can start with the highest or the average total.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 June 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;First release: Chicken Foot for up to six players and three spectators, with the computer players Klot, Klock, Kling, Klick and Krazy, chat and smileys, and a tally of your games.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Histórico&lt;/h2&gt;&lt;h3&gt;1.0.4 &amp;mdash; 8 de dezembro de 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Empacotado para desktops Linux: uma entrada no menu, um ícone e uma página de manual.&lt;/li&gt;&lt;li&gt;As mesas podem ser hospedadas e acessadas por IPv6.&lt;/li&gt;&lt;li&gt;O tamanho do texto, a cor e as frases do chat são mantidos de um jogo para outro.&lt;/li&gt;&lt;li&gt;Novas páginas de ajuda, uma nova janela Sobre e a janela de download do lobby.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.3 &amp;mdash; 9 de junho de 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;A mesa lembra onde você deixou a janela dela, mesmo com várias telas.&lt;/li&gt;&lt;li&gt;Os anfitriões recusam conexões que nunca fazem login ou que enviam dados sem parar, para que uma conexão ruim não trave a mesa.&lt;/li&gt;&lt;li&gt;Os textos dos botões de frases podem ser editados em Exibir, Lista de frases.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.2 &amp;mdash; 20 de janeiro de 2026&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Sons para jogadas, passes, carroças e a sua vez, e sons no chat.&lt;/li&gt;&lt;li&gt;A lista de espiões mostra quem está assistindo; o anfitrião pode remover espectadores.&lt;/li&gt;&lt;li&gt;Corrigido: um &quot;+&quot; no nome do anfitrião não bagunça mais as opções do jogo.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.1 &amp;mdash; 2 de setembro de 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Só assistir e três velocidades do computador.&lt;/li&gt;&lt;li&gt;O anfitrião pode remover um jogador, e os lugares podem passar a só assistir e voltar a jogar.&lt;/li&gt;&lt;li&gt;Quem chega atrasado pode começar com o maior total ou com o total médio.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;1.0.0 &amp;mdash; 14 de junho de 2025&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Primeira versão: Pé de Galinha para até seis jogadores e três espectadores, com os jogadores do computador Klot, Klock, Kling, Klick e Krazy, chat e smileys, e um retrospecto dos seus jogos.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;License&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; Chicken Foot dominoes for up to six players.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;Tilvaro is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;Tilvaro is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.&lt;/p&gt;&lt;p&gt;You should have received a copy of the GNU General Public License along with Tilvaro. If not, see https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;In short: you may use Tilvaro for anything, share it with anyone and change it as you like. If you pass it on, changed or not, pass on its source code under the same licence, so the people you give it to have the same freedoms you had.&lt;/p&gt;&lt;p&gt;The Brisko Lobby is a separate program with its own terms.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Licença&lt;/h2&gt;&lt;p&gt;Tilvaro &amp;mdash; dominó Pé de Galinha para até seis jogadores.&lt;br&gt;Copyright &amp;copy; 2025-2026 The Tilvaro Team.&lt;/p&gt;&lt;p&gt;O Tilvaro é software livre: você pode redistribuí-lo e/ou modificá-lo sob os termos da Licença Pública Geral GNU, conforme publicada pela Free Software Foundation, na versão 3 da Licença ou (a seu critério) em qualquer versão posterior.&lt;/p&gt;&lt;p&gt;O Tilvaro é distribuído na esperança de que seja útil, mas SEM NENHUMA GARANTIA; sem sequer a garantia implícita de COMERCIABILIDADE ou ADEQUAÇÃO A UMA FINALIDADE ESPECÍFICA. Veja a Licença Pública Geral GNU para mais detalhes.&lt;/p&gt;&lt;p&gt;Você deve ter recebido uma cópia da Licença Pública Geral GNU junto com o Tilvaro. Se não recebeu, veja https://www.gnu.org/licenses/.&lt;/p&gt;&lt;p&gt;Em resumo: você pode usar o Tilvaro para o que quiser, compartilhá-lo com quem quiser e alterá-lo como quiser. Se você o repassar, alterado ou não, repasse também o código-fonte sob a mesma licença, para que as pessoas que o receberem tenham as mesmas liberdades que você teve.&lt;/p&gt;&lt;p&gt;O Brisko Lobby é um programa à parte, com seus próprios termos.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The Lobby&lt;/h2&gt;&lt;p&gt;The Brisko Lobby is where players meet. It lists the people online and the tables that are open, lets you chat before a game, and starts Tilvaro for you when you host a table or sit down at someone else&apos;s, with your name and the host&apos;s address already filled in.&lt;/p&gt;&lt;p&gt;The lobby is a program of its own. To get it, start Tilvaro without the lobby: the download window appears with a button to download and install it. You can also download it from our web site, www.tilvaro.org, where you will find news of the game as well.&lt;/p&gt;&lt;p&gt;Once the lobby is installed, the download window&apos;s &lt;b&gt;Play with Others&lt;/b&gt; button closes the game and opens the lobby.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;O lobby&lt;/h2&gt;&lt;p&gt;O Brisko Lobby é onde os jogadores se encontram. Ele lista as pessoas on-line e as mesas abertas, permite conversar antes de um jogo e inicia o Tilvaro para você quando você hospeda uma mesa ou se senta à mesa de outra pessoa, com o seu nome e o endereço do anfitrião já preenchidos.&lt;/p&gt;&lt;p&gt;O lobby é um programa à parte. Para obtê-lo, abra o Tilvaro sem o lobby: aparece a janela de download com um botão para baixá-lo e instalá-lo. Você também pode baixá-lo do nosso site, www.tilvaro.org, onde também encontra as novidades do jogo.&lt;/p&gt;&lt;p&gt;Com o lobby instalado, o botão &lt;b&gt;Jogar com outros&lt;/b&gt; da janela de download fecha o jogo e abre o lobby.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game Play&lt;/h2&gt;&lt;h3&gt;The deal&lt;/h3&gt;&lt;p&gt;A game lasts from 3 to 10 rounds, as the host chooses when starting it. Each round the bones are shuffled and dealt; how many you get depends on the number of players:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Players&lt;/th&gt;&lt;th&gt;Bones each&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;The bones that are not dealt stay face down for the whole round; nobody draws.&lt;/p&gt;&lt;h3&gt;The spinner&lt;/h3&gt;&lt;p&gt;Every round starts from a double in the middle of the board, the spinner. The first round&apos;s spinner is the double 9, the second round&apos;s the double 8, and so on down to the double blank in round 10. The first player of the game leads the first round; after that, the turn simply carries on around the table.&lt;/p&gt;&lt;h3&gt;The chicken foot&lt;/h3&gt;&lt;p&gt;Three lines of bones, the toes, grow out of the spinner. To start a toe, play a bone with the spinner&apos;s number on it. All three toes must be started before anyone may build on them; until then every play starts a toe.&lt;/p&gt;&lt;p&gt;Once the three toes stand, play a bone on the open end of any toe: its matching half goes against that end. To play, click a bone in your hand to raise it, then click one of the places marked on the board.&lt;/p&gt;&lt;h3&gt;Doubles&lt;/h3&gt;&lt;p&gt;A double played on the end of a toe becomes the new spinner. After a short pause the board is cleared, the double sits in the middle, and three new toes have to be started from it, again all three before building on them.&lt;/p&gt;&lt;h3&gt;Passing&lt;/h3&gt;&lt;p&gt;If you cannot play, click &lt;b&gt;Pass&lt;/b&gt;, and the turn moves on.&lt;/p&gt;&lt;h3&gt;The end of a round&lt;/h3&gt;&lt;p&gt;A round ends as soon as a player plays the last bone in their hand, or when every player has passed in a row without a bone being played in between. Each player then scores the pips left in their hand (see Scoring).&lt;/p&gt;&lt;h3&gt;The end of the game&lt;/h3&gt;&lt;p&gt;After the chosen number of rounds the player with the &lt;b&gt;lowest&lt;/b&gt; total wins. If two or more players share the lowest total, the last round is played again, until one player alone has the lowest total.&lt;/p&gt;&lt;h3&gt;Joining a game already running&lt;/h3&gt;&lt;p&gt;When the host starts a game, they choose what happens to players who arrive later: they cannot play until the next game, or they join at the next round starting with the highest total at the table, or with the average total.&lt;/p&gt;&lt;h3&gt;Watching&lt;/h3&gt;&lt;p&gt;Choose &lt;b&gt;Options, Just Watch&lt;/b&gt; to let the computer play your seat for a while, and choose it again to take your seat back. &lt;b&gt;Options, Bot Speed&lt;/b&gt; sets how quickly the computer players move. The hosting player can make the computer players stronger with &lt;b&gt;Options, Computer Skill, Strong&lt;/b&gt;, and keep an absent player from holding up the table with &lt;b&gt;Options, Turn Time Limit&lt;/b&gt;: when a turn runs out, the computer makes that move for the player, and after two in a row it sets the seat to Just Watch.&lt;/p&gt;&lt;h3&gt;Playing from the keyboard&lt;/h3&gt;&lt;p&gt;When the window opens, what you type goes to the chat. Press &lt;b&gt;F6&lt;/b&gt; to move between the chat and your hand (&lt;b&gt;Esc&lt;/b&gt; in the chat also takes you to the hand). In the hand, &lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt; (or &lt;b&gt;Home&lt;/b&gt; and &lt;b&gt;End&lt;/b&gt;) move the ring along your bones. &lt;b&gt;Space&lt;/b&gt; raises or lowers the bone in the ring; raising a second bone swaps the two. On your turn, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; or &lt;b&gt;3&lt;/b&gt; plays the raised bone on the marker of toe 1, 2 or 3, and &lt;b&gt;Enter&lt;/b&gt; plays it on the only marker it fits. &lt;b&gt;P&lt;/b&gt; passes and &lt;b&gt;S&lt;/b&gt; sorts your hand.&lt;/p&gt;&lt;p&gt;Screen readers read your bones, the toe markers, the board, the seats and the status line, and announce turns, plays, passes, round ends and the winner.&lt;/p&gt;</source>
        <extracomment>A help page in HTML: translate the text, keep the tags</extracomment>
        <translation>&lt;h2&gt;Como jogar&lt;/h2&gt;&lt;h3&gt;A distribuição&lt;/h3&gt;&lt;p&gt;Um jogo dura de 3 a 10 rodadas, como o anfitrião escolher ao iniciá-lo. A cada rodada as pedras são embaralhadas e distribuídas; quantas você recebe depende do número de jogadores:&lt;/p&gt;&lt;table cellspacing=&apos;0&apos; cellpadding=&apos;3&apos; border=&apos;1&apos;&gt;&lt;tr&gt;&lt;th&gt;Jogadores&lt;/th&gt;&lt;th&gt;Pedras por jogador&lt;/th&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;2&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;16&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;3&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;14&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;4&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;11&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;5&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td align=&apos;center&apos;&gt;6&lt;/td&gt;&lt;td align=&apos;center&apos;&gt;7&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;As pedras que não são distribuídas ficam viradas para baixo durante toda a rodada; ninguém compra.&lt;/p&gt;&lt;h3&gt;A carroça central&lt;/h3&gt;&lt;p&gt;Toda rodada começa com uma carroça no meio do tabuleiro, a carroça central. A carroça central da primeira rodada é a carroça de 9, a da segunda rodada é a carroça de 8, e assim por diante até a carroça de branco na rodada 10. O primeiro jogador do jogo sai na primeira rodada; depois disso, a vez simplesmente continua girando pela mesa.&lt;/p&gt;&lt;h3&gt;O pé de galinha&lt;/h3&gt;&lt;p&gt;Da carroça central saem três fileiras de pedras, os dedos. Para começar um dedo, jogue uma pedra que tenha o número da carroça central. Os três dedos precisam ser começados antes que alguém possa continuar qualquer um deles; até lá, toda jogada começa um dedo.&lt;/p&gt;&lt;p&gt;Quando os três dedos estiverem abertos, jogue uma pedra na ponta livre de qualquer dedo: a metade com o mesmo número encosta nessa ponta. Para jogar, clique numa pedra da sua mão para levantá-la e depois clique numa das posições marcadas no tabuleiro.&lt;/p&gt;&lt;h3&gt;Carroças&lt;/h3&gt;&lt;p&gt;Uma carroça jogada na ponta de um dedo vira a nova carroça central. Depois de uma pequena pausa o tabuleiro é limpo, a carroça fica no meio, e três novos dedos precisam ser começados a partir dela, de novo todos os três antes de continuar qualquer um deles.&lt;/p&gt;&lt;h3&gt;Passar&lt;/h3&gt;&lt;p&gt;Se você não puder jogar, clique em &lt;b&gt;Passar&lt;/b&gt;, e a vez segue adiante.&lt;/p&gt;&lt;h3&gt;O fim de uma rodada&lt;/h3&gt;&lt;p&gt;Uma rodada termina assim que um jogador bate, jogando a última pedra da mão, ou quando todos os jogadores passam em seguida sem que nenhuma pedra seja jogada nesse meio-tempo. Cada jogador então marca os pontos que ficaram na sua mão (veja Pontuação).&lt;/p&gt;&lt;h3&gt;O fim do jogo&lt;/h3&gt;&lt;p&gt;Depois do número de rodadas escolhido, vence o jogador com o &lt;b&gt;menor&lt;/b&gt; total. Se dois ou mais jogadores empatarem no menor total, a última rodada é jogada de novo, até que um único jogador tenha o menor total.&lt;/p&gt;&lt;h3&gt;Entrar num jogo em andamento&lt;/h3&gt;&lt;p&gt;Quando o anfitrião inicia um jogo, ele escolhe o que acontece com os jogadores que chegarem depois: eles não podem jogar até o próximo jogo, ou entram na rodada seguinte começando com o maior total da mesa, ou com o total médio.&lt;/p&gt;&lt;h3&gt;Só assistir&lt;/h3&gt;&lt;p&gt;Escolha &lt;b&gt;Opções, Só assistir&lt;/b&gt; para deixar o computador jogar no seu lugar por um tempo, e escolha de novo para retomar o seu lugar. &lt;b&gt;Opções, Velocidade do computador&lt;/b&gt; define a rapidez com que os jogadores do computador jogam. O jogador anfitrião pode deixar os jogadores do computador mais fortes com &lt;b&gt;Opções, Nível do computador, Forte&lt;/b&gt;, e evitar que um jogador ausente trave a mesa com &lt;b&gt;Opções, Tempo por jogada&lt;/b&gt;: quando o tempo de uma vez acaba, o computador joga por ele, e depois de duas vezes seguidas coloca o lugar em Só assistir.&lt;/p&gt;&lt;h3&gt;Jogar pelo teclado&lt;/h3&gt;&lt;p&gt;Quando a janela abre, o que você digita vai para o chat. Pressione &lt;b&gt;F6&lt;/b&gt; para alternar entre o chat e a sua mão (&lt;b&gt;Esc&lt;/b&gt; no chat também leva você à mão). Na mão, &lt;b&gt;Seta esquerda&lt;/b&gt; e &lt;b&gt;Seta direita&lt;/b&gt; (ou &lt;b&gt;Home&lt;/b&gt; e &lt;b&gt;End&lt;/b&gt;) movem o destaque pelas suas pedras. &lt;b&gt;Espaço&lt;/b&gt; levanta ou baixa a pedra destacada; levantar uma segunda pedra troca as duas. Na sua vez, &lt;b&gt;1&lt;/b&gt;, &lt;b&gt;2&lt;/b&gt; ou &lt;b&gt;3&lt;/b&gt; joga a pedra levantada no marcador do dedo 1, 2 ou 3, e &lt;b&gt;Enter&lt;/b&gt; a joga no único marcador em que ela encaixa. &lt;b&gt;P&lt;/b&gt; passa e &lt;b&gt;S&lt;/b&gt; ordena a sua mão.&lt;/p&gt;&lt;p&gt;Os leitores de tela leem as suas pedras, os marcadores dos dedos, o tabuleiro, os lugares e a linha de status, e anunciam as vezes, as jogadas, os passes, os fins de rodada e o vencedor.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Notices</name>
    <message>
        <source>You are Connected.</source>
        <translation>Você se conectou.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se conectou.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Você está espiando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está espiando.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se desconectou.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 saiu.</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 está só assistindo</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 voltou a jogar</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tem uma versão do jogo diferente da sua.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>A sua versão do jogo é diferente da do anfitrião.</translation>
    </message>
    <message>
        <source>You have started a game.</source>
        <translation>Você iniciou um jogo.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 iniciou um jogo.</translation>
    </message>
</context>
<context>
    <name>PhraseButtons</name>
    <message>
        <source>Way To Go!</source>
        <translation>Mandou bem!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Essa foi boa!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Boa tentativa!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Excelente!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Genial!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Uau, arrasou!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Valeu!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Mandou bem, parceiro!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Bom jogo, pessoal!</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source> and </source>
        <extracomment>Between the last two names of a list: &quot;ANN, BOB and CY&quot;</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <source>The unfinished game could not be read (%1); it was set aside as %2.</source>
        <translation>Não foi possível ler o jogo inacabado (%1); ele foi guardado à parte como %2.</translation>
    </message>
    <message>
        <source>Resume the unfinished game with %1 from round %2?</source>
        <translation>Retomar o jogo inacabado com %1 a partir da rodada %2?</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Não foi possível salvar as configurações. %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Round: 0 of 10</source>
        <translation>Rodada: 0 de 10</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Vencedor!</translation>
    </message>
    <message>
        <source>Welcome to Tilvaro</source>
        <translation>Bem-vindo ao Tilvaro</translation>
    </message>
    <message>
        <source>Round: %1 of %2</source>
        <translation>Rodada: %1 de %2</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Sua vez</translation>
    </message>
    <message>
        <source>New Spinner Loaded!</source>
        <translation>Nova carroça central!</translation>
    </message>
    <message>
        <source>Your Turn.</source>
        <translation>Sua vez.</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>Vez de %1.</translation>
    </message>
    <message>
        <source>You passed.</source>
        <translation>Você passou.</translation>
    </message>
    <message>
        <source>%1 passed.</source>
        <translation>%1 passou.</translation>
    </message>
    <message>
        <source>That is not a valid play</source>
        <translation>Essa jogada não vale</translation>
    </message>
    <message>
        <source>Posting Scores, Please Wait..</source>
        <translation>Lançando os pontos, aguarde..</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Você venceu o jogo!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 venceu o jogo!</translation>
    </message>
    <message>
        <source>Your Turn. 1 second left</source>
        <translation>Sua vez. Falta 1 segundo</translation>
    </message>
    <message>
        <source>Your Turn. %1 seconds left</source>
        <translation>Sua vez. Faltam %1 segundos</translation>
    </message>
    <message>
        <source>%1. 1 second left</source>
        <translation>%1. Falta 1 segundo</translation>
    </message>
    <message>
        <source>%1. %2 seconds left</source>
        <translation>%1. Faltam %2 segundos</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>Hint: pass</source>
        <translation>Dica: passar</translation>
    </message>
    <message>
        <source>Hint: %1|%2 on toe %3</source>
        <extracomment>A bone named by its larger end first, then the toe marker to play it on</extracomment>
        <translation>Dica: %1|%2 no dedo %3</translation>
    </message>
</context>
<context>
    <name>TableMenus</name>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu titles: &amp; marks the letter that opens the menu with Alt; keep the four letters apart</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Ver retrospecto</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espiões</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Lista de frases</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>&amp;Folha de pontos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Content</source>
        <extracomment>Opens the help pages</extracomment>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre o Tilvaro</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Velocidade do computador</translation>
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
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Restaurar posição da janela</translation>
    </message>
    <message>
        <source>Computer Skill</source>
        <translation>Nível do computador</translation>
    </message>
    <message>
        <source>Standard</source>
        <extracomment>The computer players&apos; skill</extracomment>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Só assistir</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Você não está conectado</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Remover do jogo</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Ativar Só assistir</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Desativar Só assistir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Turn Time Limit</source>
        <translation>Tempo por jogada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Sem limite</translation>
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
        <translation>sem resposta em %1 segundos</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Não foi possível conectar a %1: %2</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Carregando jogo solo..Aguarde.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Carregando jogo multijogador.. Aguarde.</translation>
    </message>
    <message>
        <source>Could not connect to %1: the host name was not found</source>
        <translation>Não foi possível conectar a %1: o nome do host não foi encontrado</translation>
    </message>
    <message>
        <source>Game seed: %1</source>
        <translation>Semente do jogo: %1</translation>
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
        <translation>Droga</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Tosse</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Por onde você andava?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Ronco</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Espirro</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Desculpe</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Iiirrá</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Ah, não</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Aplausos</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Buzina</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Uuuh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Prrrr</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Torcida</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Mulher rindo</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Homem rindo</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Choro</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Sons do chat</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Tocar sons</translation>
    </message>
    <message>
        <source>Play Chatter Sounds</source>
        <translation>Tocar sons do chat</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Som da vez</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>The sound played when it is the player&apos;s turn: the classic one or the new one</extracomment>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>%1: &lt;Chatter Sound&gt; %2</source>
        <translation>%1: &lt;Som do chat&gt; %2</translation>
    </message>
</context>
<context>
    <name>Tabout</name>
    <message>
        <source>Tilvaro - About</source>
        <translation>Tilvaro - Sobre</translation>
    </message>
    <message>
        <source>Chicken Foot dominoes</source>
        <translation>Dominó Pé de Galinha</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versão </translation>
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
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>Tchat</name>
    <message>
        <source>Game is full</source>
        <translation>O jogo está lotado</translation>
    </message>
</context>
<context>
    <name>Tdownload</name>
    <message>
        <source>Download The Brisko Lobby</source>
        <translation>Baixar o Brisko Lobby</translation>
    </message>
    <message>
        <source>Download The Brisko Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Baixe agora o Brisko Lobby para jogar este e outros jogos emocionantes on-line com outras pessoas! </translation>
    </message>
    <message>
        <source>Download And Install The Brisko Lobby Now</source>
        <translation>Baixar e instalar o Brisko Lobby agora</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Parar o download</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para seguir para o jogo sem poder jogar contra outras pessoas, clique no botão abaixo.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jogar sozinho</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Observação: mesmo jogando off-line, você vai precisar configurar o seu FIREWALL para permitir que o jogo acesse os componentes de internet.</translation>
    </message>
    <message>
        <source>If you already have The Brisko Lobby and you wish to play with others then click the button below to close this game and open The Brisko Lobby.</source>
        <translation>Se você já tem o Brisko Lobby e quer jogar com outras pessoas, clique no botão abaixo para fechar este jogo e abrir o Brisko Lobby.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jogar com outros</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Baixando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recebidos</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download cancelado</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvo como %1</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ocorreu um erro.</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>O download foi cancelado.</translation>
    </message>
    <message>
        <source>Please close the game and open the Brisko Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Feche o jogo e abra o Brisko Lobby pelo ícone na sua área de trabalho ou pelo menu de aplicativos.</translation>
    </message>
</context>
<context>
    <name>Tgamestart</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Tilvaro - Game Start</source>
        <translation>Tilvaro - Início do jogo</translation>
    </message>
    <message>
        <source>Game Option</source>
        <translation>Opções do jogo</translation>
    </message>
    <message>
        <source>Rounds to Play:</source>
        <translation>Rodadas a jogar:</translation>
    </message>
    <message>
        <source>NEWCOMERS</source>
        <translation>RECÉM-CHEGADOS</translation>
    </message>
    <message>
        <source>Cannot Play</source>
        <translation>Não podem jogar</translation>
    </message>
    <message>
        <source>Starts with Highest</source>
        <translation>Começam com o maior</translation>
    </message>
    <message>
        <source>Starts with Average</source>
        <translation>Começam com a média</translation>
    </message>
</context>
<context>
    <name>Thelp</name>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>The Lobby</source>
        <translation>O lobby</translation>
    </message>
    <message>
        <source>Tilvaro - Help File</source>
        <translation>Tilvaro - Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Created by: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Criado por: &lt;b&gt;%1&lt;/b&gt;</translation>
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
        <translation>Ocorreu um erro desconhecido.</translation>
    </message>
</context>
<context>
    <name>Tphrases</name>
    <message>
        <source>Tilvaro - Phrase Buttons </source>
        <translation>Tilvaro - Botões de frases </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Frase %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Os botões só funcionam a cada 2 segundos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>Tscoresheet</name>
    <message>
        <source>Seat %1</source>
        <translation>Lugar %1</translation>
    </message>
    <message>
        <source>Tilvaro - Score Sheet</source>
        <translation>Tilvaro - Folha de pontos</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Folha de pontos</translation>
    </message>
    <message>
        <source>This Game</source>
        <translation>Este jogo</translation>
    </message>
    <message>
        <source>Previous Game</source>
        <translation>Jogo anterior</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Save Score Sheet</source>
        <translation>Salvar folha de pontos</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>No game has been played at this table yet.</source>
        <translation>Ainda não houve nenhum jogo nesta mesa.</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 venceu o jogo!</translation>
    </message>
    <message>
        <source>Round %1 of %2</source>
        <translation>Rodada %1 de %2</translation>
    </message>
    <message>
        <source> (joined during the game)</source>
        <translation> (entrou durante o jogo)</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>Column heads: the round, its spinner (the double in the middle), and how the round ended</extracomment>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Carroça central</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>%1 (tie replay)</source>
        <translation>%1 (desempate)</translation>
    </message>
    <message>
        <source>New spinners: %1</source>
        <translation>Novas carroças centrais: %1</translation>
    </message>
    <message>
        <source>not seen</source>
        <translation>não vista</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>em andamento</translation>
    </message>
    <message>
        <source>blocked</source>
        <translation>trancada</translation>
    </message>
    <message>
        <source>%1 went out</source>
        <translation>%1 bateu</translation>
    </message>
    <message>
        <source>Credited on joining the game</source>
        <translation>Creditado ao entrar no jogo</translation>
    </message>
    <message>
        <source>Went out</source>
        <translation>Bateu</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Vencedor</translation>
    </message>
    <message>
        <source>There is no score sheet to save.</source>
        <translation>Não há folha de pontos para salvar.</translation>
    </message>
    <message>
        <source>The score sheet could not be saved. %1</source>
        <translation>Não foi possível salvar a folha de pontos. %1</translation>
    </message>
</context>
<context>
    <name>Tspylist</name>
    <message>
        <source>Tilvaro - Spys</source>
        <translation>Tilvaro - Espiões</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espiões</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Remover do jogo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>Ttallylist</name>
    <message>
        <source>Tilvaro - Tally List</source>
        <translation>Tilvaro - Retrospecto</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Zerar retrospecto</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Seu retrospecto geral</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Total de jogos:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Suas vitórias</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Column heads of the tally: all games so far, and the games of this run</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessão</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Número de jogos</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Suas vitórias:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Nenhum dos dois:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Jogadores no jogo atual</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Jogadores no retrospecto</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It has been kept as %2, and a new tally starts.</source>
        <translation>Não foi possível ler o arquivo do retrospecto:
%1

Ele foi guardado como %2, e um novo retrospecto começa.</translation>
    </message>
    <message>
        <source>The tally file could not be read:
%1

It is left as it is at %2 and the games of this run are not kept.</source>
        <translation>Não foi possível ler o arquivo do retrospecto:
%1

Ele fica como está em %2, e os jogos desta sessão não serão guardados.</translation>
    </message>
    <message>
        <source>The tally could not be saved. %1</source>
        <translation>Não foi possível salvar o retrospecto. %1</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Vitórias de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Retrospecto contra %1</translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Isto vai apagar o retrospecto contra %1. Quer mesmo apagá-lo?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Tem certeza de que quer zerar o retrospecto?</translation>
    </message>
</context>
</TS>
