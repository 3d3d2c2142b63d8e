<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblauw</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Donkerrood</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olijfgroen</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Lichtgrijs</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lichtgroen</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turkoois</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
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
        <translation>Goed zo, helemaal juist!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Fout, probeer het nog eens</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Menu van het kladblok</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Opslaan…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Kladblok</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>De tekening kon niet worden opgeslagen: de map ‘%1’ neemt geen nieuwe bestanden aan. Je tekening staat nog op het kladblok; sla hem op in een andere map.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>De tekening kon niet in de map ‘%1’ worden geschreven; misschien is de schijf vol. Je tekening staat nog op het kladblok.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>De tekening kon niet worden afgedrukt: de printer heeft hem niet aangenomen. Je tekening staat nog op het kladblok.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>De tekening opslaan</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Er is al een bestand met de naam ‘%1’. Wil je het vervangen?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>De tekening afdrukken</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Antwoord</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Nakijken</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Kladblok</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Stap terug</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Stap vooruit</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>De basis van de driehoek is aan beide kanten verlengd tot een zwarte rechte lijn.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Door het tegenoverliggende hoekpunt van de driehoek is een zwarte lijn getekend, evenwijdig aan de eerste lijn.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Bij evenwijdige lijnen zijn Z-hoeken gelijk, dus de groen gemarkeerde hoek P is gelijk aan hoek P in de driehoek.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Bij evenwijdige lijnen zijn Z-hoeken gelijk, dus de groen gemarkeerde hoek Q is gelijk aan hoek Q in de driehoek.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>De hoek P + R + Q is 180°, want het is een gestrekte hoek (een halve draai). Dit zijn de drie hoeken van de driehoek, dus de hoekensom van de driehoek is 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>De hoeken van de driehoek hieronder heten R, P en Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Verder</translation>
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
        <translation>door de ontwikkelaars van Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Mijn antwoord nakijken</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Aantal zijden</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Stapgrootte</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo, titelscherm</translation>
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
        <translation>Titelanimatie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Onderwerpen</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Vertexa-logo</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>versie 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>De hoeken van een driehoek</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Sterveelhoeken</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Een bewijs dat de hoeken van een driehoek samen 180 graden zijn</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Klik op de knop ‘Verder’ om stap voor stap het bewijs te volgen van de stelling dat de hoekensom van een driehoek 180° is.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>De hoeken van de driehoek hieronder heten R, P en Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Verlengde basis</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Evenwijdig aan de basis door de top</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Basis van de driehoek</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Linkerzijde van de driehoek</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Rechterzijde van de driehoek</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Opgaven</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jouw antwoord</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Volgende vraag</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Toon het antwoord</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Open het kladblok</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Opgaven over de hoeken van een driehoek</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Animatie van de driehoek</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Afgerond op twee decimalen:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Bediening van de animatie</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Tekent de sterveelhoek met het aantal zijden en de stapgrootte die hieronder zijn ingevuld</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>Sterveelhoeken werden voor het eerst systematisch bestudeerd door een Engelsman die Brenthorne heette en in 1349 aan de Zwarte Dood stierf. In de middeleeuwen dacht men dat kennis van meetkunde en wiskunde magische krachten gaf. Heksen gebruikten sterveelhoeken als tekens in hun toverkringen en op hun talismannen.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Vul getallen in de vakjes in en druk op Enter om een nieuwe sterveelhoek te tekenen.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Opgaven over sterveelhoeken</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animatie van de sterveelhoek</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Kladblok</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Kladblok: teken met de linkermuisknop ingedrukt</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Pen en kleuren</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gum</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Draai</translation>
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
        <translation>Deze computer heeft geen stem om in jouw taal voor te lezen.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Hoeveel zijden heeft de sterveelhoek in de animatie?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>Over hoeveel graden moet je een pentagram minstens draaien, zodat het er daarna hetzelfde uitziet als ervoor?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>Over hoeveel graden moet je een davidster minstens draaien, zodat hij er daarna onveranderd uitziet?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Een regelmatige sterachthoek is draaisymmetrisch: als je hem over bepaalde hoeken om zijn middelpunt draait, ziet hij er onveranderd uit. Hoeveel graden is de kleinste van die hoeken?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Een regelmatige stertwaalfhoek is draaisymmetrisch: bij bepaalde draaiingen om zijn middelpunt blijft hij onveranderd. Elk van die draaihoeken is een veelvoud van de kleinste. Over hoeveel graden moet je een regelmatige stertwaalfhoek minstens draaien, zodat hij er onveranderd uitziet?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>De sternegenhoek in de animatie is samengesteld uit meerdere veelhoeken. Uit hoeveel veelhoeken bestaat hij?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Regelmatige veelhoeken</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Hoeken van regelmatige veelhoeken</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Omgeschreven en ingeschreven cirkels</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Oppervlakte van regelmatige veelhoeken</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>Archimedes’ benadering van π</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>De regelmatige vlakvullingen</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Halfregelmatige vlakvullingen</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Duale vlakvullingen</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Animatiereeks</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>Als een van de hoeken van een gelijkbenige driehoek%1° is, hoeveel graden is dan elk van de twee andere hoeken?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Als een driehoek hoeken heeft van%1° en%2°, hoeveel graden is dan de derde hoek?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Hoeveel graden is de hoekensom van een rechthoekige driehoek?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Hoeveel graden is de hoekensom van een gelijkbenige driehoek?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Hoeveel graden is elk van de twee kleinere hoeken van een gelijkbenige rechthoekige driehoek?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Hoeveel graden is elke hoek van een gelijkzijdige driehoek?</translation>
    </message>
</context>
</TS>
