<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
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
        <translation>Richtig, sehr gut!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Falsch, noch mal!</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Notizblock-Menü</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Die Zeichnung konnte nicht gespeichert werden: Im Ordner „%1“ lassen sich keine neuen Dateien anlegen. Deine Zeichnung ist noch auf dem Notizblock; speichere sie in einem anderen Ordner.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Die Zeichnung konnte nicht in den Ordner „%1“ geschrieben werden; vielleicht ist der Speicher voll. Deine Zeichnung ist noch auf dem Notizblock.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>Die Zeichnung konnte nicht gedruckt werden: Der Drucker hat sie nicht angenommen. Deine Zeichnung ist noch auf dem Notizblock.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Zeichnung speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Es gibt schon eine Datei namens „%1“. Möchtest du sie ersetzen?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Zeichnung drucken</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Notizblock</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Schritt vor</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>Die Grundseite des Dreiecks wurde in beide Richtungen zu einer schwarzen Geraden verlängert.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Durch den gegenüberliegenden Eckpunkt des Dreiecks wurde eine schwarze Parallele zur ersten Geraden gezeichnet.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Wechselwinkel an Parallelen sind gleich groß, also ist der grün markierte Winkel P genauso groß wie der Winkel P im Dreieck.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Wechselwinkel an Parallelen sind gleich groß, also ist der grün markierte Winkel Q genauso groß wie der Winkel Q im Dreieck.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>Der Winkel P + R + Q beträgt 180°, denn er ist ein gestreckter Winkel (eine halbe Drehung). Das sind die drei Winkel des Dreiecks, also beträgt die Winkelsumme im Dreieck 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Von vorn</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Die Winkel des Dreiecks unten heißen R, P und Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Weiter</translation>
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
        <translation>von den Vertexa-Entwicklern</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Antwort prüfen</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Anzahl der Seiten</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo, Titelbild</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
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
        <translation>Titelanimation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Themenauswahl</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Vertexa-Logo</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>Version 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Die Winkel im Dreieck</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Sternvielecke</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Ein Beweis, dass die Winkelsumme im Dreieck 180 Grad beträgt</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Klicke auf die Schaltfläche „Weiter“, um Schritt für Schritt einen Beweis des Winkelsummensatzes zu sehen: Die Winkelsumme im Dreieck beträgt 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Die Winkel des Dreiecks unten heißen R, P und Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Verlängerte Grundseite</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Parallele zur Grundseite durch die Spitze</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Grundseite des Dreiecks</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Linke Seite des Dreiecks</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Rechte Seite des Dreiecks</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Notizblock öffnen</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Aufgaben zu den Winkeln im Dreieck</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Dreiecksanimation</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Auf zwei Nachkommastellen genau:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Steuerung der Animation</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Zeichnet das Sternvieleck mit der Anzahl der Seiten und der Schrittweite, die unten eingegeben sind</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>Als Erster untersuchte ein Engländer namens Brenthorne, der 1349 am Schwarzen Tod starb, Sternvielecke systematisch. Im Mittelalter glaubte man, Kenntnisse in Geometrie und Mathematik verliehen magische Kräfte. Hexen benutzten Sternvielecke als Zeichen in ihren Zauberkreisen und auf ihren Talismanen.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Gib Zahlen in die Felder ein und drücke Enter, um ein neues Sternvieleck zu zeichnen.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Aufgaben zu Sternvielecken</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animation des Sternvielecks</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Notizblock: Zeichne mit gedrückter linker Maustaste</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Stift und Farben</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Drehen</translation>
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
        <translation>Dieser Computer hat keine Stimme, die in deiner Sprache vorlesen kann.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Wie viele Seiten hat das Sternvieleck in der Animation?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>Um wie viel Grad muss man ein Pentagramm mindestens drehen, damit es danach genauso aussieht wie vorher?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>Um wie viel Grad muss man einen Davidstern mindestens drehen, damit er danach unverändert aussieht?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Ein regelmäßiges Sternachteck ist drehsymmetrisch: Dreht man es um bestimmte Winkel um seinen Mittelpunkt, sieht es danach unverändert aus. Wie viel Grad beträgt der kleinste dieser Winkel?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Ein regelmäßiges Sternzwölfeck ist drehsymmetrisch: Es bleibt bei bestimmten Drehungen um seinen Mittelpunkt unverändert. Jeder dieser Drehwinkel ist ein Vielfaches des kleinsten. Um wie viel Grad muss man ein regelmäßiges Sternzwölfeck mindestens drehen, damit es unverändert aussieht?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>Das Sternneuneck in der Animation ist aus mehreren Vielecken zusammengesetzt. Aus wie vielen einzelnen Vielecken besteht es?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Regelmäßige Vielecke</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Winkel regelmäßiger Vielecke</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Umkreis und Inkreis</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Flächeninhalt regelmäßiger Vielecke</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>Archimedes’ Näherung für π</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Reguläre Parkettierungen</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Halbreguläre Parkettierungen</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Duale Parkettierungen</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Animationsfolge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>Ein Winkel eines gleichschenkligen Dreiecks beträgt%1°. Wie viel Grad beträgt jeder der beiden anderen Winkel?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Zwei Winkel eines Dreiecks betragen%1° und%2°. Wie viel Grad beträgt der dritte Winkel?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Wie viel Grad beträgt die Winkelsumme eines rechtwinkligen Dreiecks?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Wie viel Grad beträgt die Winkelsumme eines gleichschenkligen Dreiecks?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Wie viel Grad beträgt jeder der beiden kleineren Winkel eines gleichschenklig-rechtwinkligen Dreiecks?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Wie viel Grad beträgt jeder Winkel eines gleichseitigen Dreiecks?</translation>
    </message>
</context>
</TS>
