<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Blu scuro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Grigio chiaro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde chiaro</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turchese</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
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
        <translation>Esatto, ben fatto!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Sbagliato, riprova</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Menu del blocco note</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Salva…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Blocco note</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Non è stato possibile salvare il disegno: la cartella «%1» non accetta nuovi file. Il tuo disegno è ancora nel blocco note; salvalo in un’altra cartella.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Non è stato possibile scrivere il disegno nella cartella «%1»: forse il disco è pieno. Il tuo disegno è ancora nel blocco note.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>Non è stato possibile stampare il disegno: la stampante non l’ha accettato. Il tuo disegno è ancora nel blocco note.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Salva il disegno</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Esiste già un file chiamato «%1». Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Stampa il disegno</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Blocco note</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Passo indietro</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Passo avanti</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>La base del triangolo è stata prolungata da entrambe le parti con una retta nera.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Per il vertice opposto del triangolo è stata tracciata una retta nera parallela alla prima.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Gli angoli alterni interni sono congruenti, quindi l’angolo P segnato in verde è congruente all’angolo P del triangolo.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Gli angoli alterni interni sono congruenti, quindi l’angolo Q segnato in verde è congruente all’angolo Q del triangolo.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>L’angolo P + R + Q misura 180°, perché è un angolo piatto (mezzo giro). Questi sono i tre angoli del triangolo, quindi la somma degli angoli interni del triangolo è 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Gli angoli del triangolo qui sotto si chiamano R, P e Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Avanti</translation>
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
        <translation>dagli sviluppatori di Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Verifica la risposta</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Numero di lati</translation>
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
        <translation>Vertexa 1 Demo, schermata iniziale</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
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
        <translation>Animazione del titolo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Menu degli argomenti</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Logo di Vertexa</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>versione 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Gli angoli di un triangolo</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Poligoni stellati</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Una dimostrazione che la somma degli angoli di un triangolo è 180 gradi</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Fai clic sul pulsante «Avanti» per seguire passo dopo passo la dimostrazione del teorema: la somma degli angoli interni di un triangolo è 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Gli angoli del triangolo qui sotto si chiamano R, P e Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Base prolungata</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Parallela alla base passante per il vertice</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Base del triangolo</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Lato sinistro del triangolo</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Lato destro del triangolo</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>La tua risposta</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Domanda successiva</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostra la soluzione</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Apri il blocco note</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Esercizi sugli angoli di un triangolo</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Animazione del triangolo</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Arrotondato a due cifre decimali:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Comandi dell’animazione</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Disegna il poligono stellato con il numero di lati e il passo scritti qui sotto</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>I poligoni stellati furono studiati per la prima volta in modo sistematico da un inglese di nome Brenthorne, morto di peste nera nel 1349. Nel Medioevo si credeva che conoscere la geometria e la matematica desse poteri magici. Le streghe usavano i poligoni stellati come segni nei loro cerchi magici e sui loro talismani.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Per disegnare un nuovo poligono stellato, scrivi i numeri nelle caselle e premi Invio.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Esercizi sui poligoni stellati</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animazione del poligono stellato</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Blocco note</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Blocco note: disegna tenendo premuto il tasto sinistro del mouse</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Penna e colori</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Penna</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulisci</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Ruota</translation>
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
        <translation>Questo computer non ha una voce per leggere ad alta voce nella tua lingua.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Quanti lati ha il poligono stellato dell’animazione?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>Qual è, in gradi, il più piccolo angolo di cui si può ruotare un pentagramma perché dopo la rotazione appaia uguale a prima?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>Qual è, in gradi, il più piccolo angolo di cui si può ruotare una stella di Davide perché dopo la rotazione appaia invariata?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Un ottagono stellato regolare ha una simmetria di rotazione: ruotato attorno al suo centro di certi angoli, appare invariato. Qual è, in gradi, il più piccolo di questi angoli?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Un dodecagono stellato regolare ha una simmetria di rotazione: ruotato attorno al suo centro di certi angoli, resta invariato. Ognuno di questi angoli è un multiplo del più piccolo. Qual è, in gradi, il più piccolo angolo di cui si può ruotare un dodecagono stellato regolare perché appaia invariato?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>L’ennagono stellato dell’animazione è un poligono composto. Da quanti poligoni è formato?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Poligoni regolari</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Angoli dei poligoni regolari</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Circonferenze circoscritte e inscritte</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Area dei poligoni regolari</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>La stima di π di Archimede</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Le tassellazioni regolari</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Tassellazioni semiregolari</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Tassellazioni duali</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Sequenza animata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>Se uno degli angoli di un triangolo isoscele misura%1°, quanti gradi misura ciascuno degli altri due angoli?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Se un triangolo ha due angoli di%1° e%2°, quanti gradi misura il terzo angolo?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Quanti gradi misura la somma degli angoli di un triangolo rettangolo?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Quanti gradi misura la somma degli angoli di un triangolo isoscele?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Quanti gradi misura ciascuno dei due angoli minori di un triangolo rettangolo isoscele?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Quanti gradi misura ciascun angolo di un triangolo equilatero?</translation>
    </message>
</context>
</TS>
