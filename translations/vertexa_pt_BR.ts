<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Vinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde-oliva</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Cinza-claro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>Tooltip of a button: %1 is its name, %2 its shortcut (such as Alt+N).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Certo, muito bem!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Errado, tente de novo</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Menu do rascunho</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Não foi possível salvar o desenho: a pasta “%1” não aceita novos arquivos. Seu desenho continua no rascunho; salve-o em outra pasta.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Não foi possível gravar o desenho na pasta “%1”; o disco pode estar cheio. Seu desenho continua no rascunho.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>Não foi possível imprimir o desenho: a impressora não o aceitou. Seu desenho continua no rascunho.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Salvar o desenho</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Já existe um arquivo chamado “%1”. Quer substituí-lo?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Imprimir o desenho</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Conferir</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Rascunho</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Voltar um passo</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Avançar um passo</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>A base do triângulo foi prolongada nos dois sentidos por uma reta preta.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Pelo vértice oposto do triângulo foi traçada uma reta preta paralela à primeira.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Ângulos alternos internos são congruentes, então o ângulo P marcado em verde é igual ao ângulo P do triângulo.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Ângulos alternos internos são congruentes, então o ângulo Q marcado em verde é igual ao ângulo Q do triângulo.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>O ângulo P + R + Q mede 180°, pois é um ângulo raso (meia-volta). Esses são os três ângulos do triângulo, então a soma dos ângulos internos do triângulo é 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Os ângulos do triângulo abaixo se chamam R, P e Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>ScreenDefinitions</name>
    <message>
        <source>Vertexa Learning</source>
        <extracomment>The publisher&apos;s name: the menu&apos;s window caption and part of the notice. May stay as it is.</extracomment>
        <translation>Vertexa Learning</translation>
    </message>
    <message>
        <source>© 2026 Vertexa Learning</source>
        <extracomment>Publisher&apos;s notice on the title screen and the menu. May stay as it is.</extracomment>
        <translation>© 2026 Vertexa Learning</translation>
    </message>
    <message>
        <source>www.vertexa.example</source>
        <extracomment>The publisher&apos;s web address shown on the menu. May stay as it is.</extracomment>
        <translation>www.vertexa.example</translation>
    </message>
    <message>
        <source>by the Vertexa developers</source>
        <translation>pelos desenvolvedores da Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Conferir minha resposta</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Número de lados</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo, tela de abertura</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Vertexa 1</source>
        <translation>Vertexa 1</translation>
    </message>
    <message>
        <source>Demo</source>
        <extracomment>Second line of the program&apos;s name on the title screen: the demonstration version.</extracomment>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Title animation</source>
        <translation>Animação de abertura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Menu de temas</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Logotipo da Vertexa</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>versão 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Os ângulos de um triângulo</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Polígonos estrelados</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Uma demonstração de que a soma dos ângulos de um triângulo é 180 graus</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Clique no botão “Avançar” para acompanhar passo a passo a demonstração do teorema: a soma dos ângulos internos de um triângulo é igual a 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Os ângulos do triângulo abaixo se chamam R, P e Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Base prolongada</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Paralela à base pelo vértice oposto</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Base do triângulo</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Lado esquerdo do triângulo</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Lado direito do triângulo</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Próxima pergunta</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostrar a resposta</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Abrir o rascunho</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Exercícios sobre os ângulos de um triângulo</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Animação do triângulo</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Com duas casas decimais:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Controles da animação</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Desenha o polígono estrelado com o número de lados e o passo digitados abaixo</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>Os polígonos estrelados foram estudados de forma sistemática pela primeira vez por um inglês chamado Brenthorne, que morreu de peste negra em 1349. Na Idade Média, acreditava-se que o conhecimento de geometria e matemática dava poderes mágicos. As bruxas usavam polígonos estrelados como sinais em seus círculos mágicos e em seus talismãs.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Para desenhar um novo polígono estrelado, digite números nas caixas e pressione Enter.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Exercícios sobre polígonos estrelados</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animação do polígono estrelado</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Rascunho: desenhe com o botão esquerdo do mouse pressionado</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Lápis e cores</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Girar</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>An angle of the proof&apos;s triangle, named in the proof&apos;s texts: use the same letter there.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>P</source>
        <extracomment>An angle of the proof&apos;s triangle, named in the proof&apos;s texts: use the same letter there.</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>An angle of the proof&apos;s triangle, named in the proof&apos;s texts: use the same letter there.</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>This computer has no voice to read aloud in your language.</source>
        <extracomment>A short note over the screen for a few seconds when F8 finds no voice that reads the language (480x67 px, two lines).</extracomment>
        <translation>Este computador não tem uma voz para ler em voz alta no seu idioma.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Quantos lados tem o polígono estrelado da animação?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>Em graus, qual é o menor ângulo de rotação de um pentagrama para que, depois da rotação, ele fique igual a como estava antes?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>Em graus, qual é o menor ângulo de rotação de uma estrela de Davi para que, depois da rotação, ela fique inalterada?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Um octógono estrelado regular tem simetria de rotação: girado em torno do seu centro por certos ângulos, ele fica inalterado. Em graus, qual é o menor desses ângulos?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Um dodecágono estrelado regular tem simetria de rotação: girado em torno do seu centro por certos ângulos, ele fica inalterado. Cada um desses ângulos é múltiplo do menor. Em graus, qual é o menor ângulo de rotação de um dodecágono estrelado regular para que ele fique inalterado?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>O eneágono estrelado da animação é um polígono composto. De quantos polígonos ele é formado?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Polígonos regulares</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Ângulos de polígonos regulares</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Circunferências circunscrita e inscrita</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Área de polígonos regulares</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>A estimativa de π de Arquimedes</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Os mosaicos regulares</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Mosaicos semirregulares</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Mosaicos duais</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Sequência animada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>Se um dos ângulos de um triângulo isósceles mede%1°, quantos graus mede cada um dos outros dois ângulos?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Se um triângulo tem ângulos de%1° e%2°, quantos graus mede o terceiro ângulo?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Em graus, quanto vale a soma dos ângulos de um triângulo retângulo?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Em graus, quanto vale a soma dos ângulos de um triângulo isósceles?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Em graus, quanto mede cada um dos ângulos menores de um triângulo retângulo isósceles?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Em graus, quanto mede cada ângulo de um triângulo equilátero?</translation>
    </message>
</context>
</TS>
