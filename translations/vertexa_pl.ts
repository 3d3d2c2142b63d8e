<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Jasnoszary</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Jasnozielony</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turkusowy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
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
        <translation>Dobrze, brawo!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Źle, spróbuj jeszcze raz</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Menu brudnopisu</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Zapisz…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Brudnopis</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Nie udało się zapisać rysunku: w folderze „%1” nie można tworzyć nowych plików. Twój rysunek jest nadal w brudnopisie; zapisz go w innym folderze.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Nie udało się zapisać rysunku w folderze „%1”; być może dysk jest pełny. Twój rysunek jest nadal w brudnopisie.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>Nie udało się wydrukować rysunku: drukarka go nie przyjęła. Twój rysunek jest nadal w brudnopisie.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Zapisz rysunek</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Plik o nazwie „%1” już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Drukuj rysunek</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Brudnopis</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Krok wstecz</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Krok naprzód</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>Podstawę trójkąta przedłużono w obie strony czarną linią prostą.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Przez przeciwległy wierzchołek trójkąta poprowadzono czarną prostą równoległą do pierwszej.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Kąty naprzemianległe są równe, więc kąt P zaznaczony na zielono jest równy kątowi P w trójkącie.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Kąty naprzemianległe są równe, więc kąt Q zaznaczony na zielono jest równy kątowi Q w trójkącie.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>Kąt P + R + Q ma 180°, bo jest kątem półpełnym (to pół pełnego obrotu). To są trzy kąty trójkąta, więc suma kątów trójkąta wynosi 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Kąty trójkąta poniżej oznaczono literami R, P i Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Dalej</translation>
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
        <translation>twórcy programu Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Sprawdź moją odpowiedź</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Liczba boków</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo, ekran tytułowy</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
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
        <translation>Animacja tytułowa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Menu tematów</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Logo Vertexa</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>wersja 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Kąty w trójkącie</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Wielokąty gwiaździste</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Dowód, że suma kątów trójkąta wynosi 180 stopni</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Kliknij przycisk „Dalej”, aby krok po kroku prześledzić dowód twierdzenia, że suma kątów trójkąta wynosi 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Kąty trójkąta poniżej oznaczono literami R, P i Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Przedłużona podstawa</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Równoległa do podstawy przez wierzchołek</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Podstawa trójkąta</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Lewy bok trójkąta</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Prawy bok trójkąta</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Następne pytanie</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Pokaż odpowiedź</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Otwórz brudnopis</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Zadania o kątach w trójkącie</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Animacja trójkąta</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Z dokładnością do dwóch miejsc po przecinku:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Sterowanie animacją</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Rysuje wielokąt gwiaździsty o liczbie boków i kroku wpisanych poniżej</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>Wielokąty gwiaździste jako pierwszy systematycznie badał Anglik o nazwisku Brenthorne, który zmarł na czarną śmierć w 1349 roku. W średniowieczu wierzono, że znajomość geometrii i matematyki daje magiczną moc. Czarownice używały wielokątów gwiaździstych jako znaków w swoich magicznych kręgach i na talizmanach.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Aby narysować nowy wielokąt gwiaździsty, wpisz liczby w pola i naciśnij Enter.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Zadania o wielokątach gwiaździstych</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animacja wielokąta gwiaździstego</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Brudnopis</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Brudnopis: rysuj, trzymając wciśnięty lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Pisak i kolory</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Pisak</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gumka</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Obróć</translation>
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
        <translation>Ten komputer nie ma głosu, który czytałby na głos w twoim języku.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Ile boków ma wielokąt gwiaździsty z animacji?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>O jaki najmniejszy kąt (w stopniach) trzeba obrócić pentagram, aby po obrocie wyglądał tak samo jak przed obrotem?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>O jaki najmniejszy kąt (w stopniach) trzeba obrócić gwiazdę Dawida, aby po obrocie wyglądała bez zmian?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Foremny ośmiokąt gwiaździsty ma symetrię obrotową: po obrocie wokół środka o pewne kąty wygląda bez zmian. Ile stopni ma najmniejszy z tych kątów?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Foremny dwunastokąt gwiaździsty ma symetrię obrotową: przy pewnych obrotach wokół środka pozostaje bez zmian. Każdy z tych kątów obrotu jest wielokrotnością najmniejszego. O jaki najmniejszy kąt (w stopniach) trzeba obrócić foremny dwunastokąt gwiaździsty, aby wyglądał bez zmian?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>Dziewięciokąt gwiaździsty z animacji jest wielokątem złożonym. Z ilu wielokątów się składa?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Wielokąty foremne</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Kąty wielokątów foremnych</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Okręgi opisane i wpisane</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Pole wielokątów foremnych</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>Przybliżenie liczby π według Archimedesa</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Parkietaże foremne</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Parkietaże półforemne</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Parkietaże dualne</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Sekwencja animacji</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>Jeśli jeden z kątów trójkąta równoramiennego ma%1°, to ile stopni ma każdy z dwóch pozostałych kątów?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Jeśli trójkąt ma kąty%1° i%2°, to ile stopni ma trzeci kąt?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Ile stopni wynosi suma kątów trójkąta prostokątnego?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Ile stopni wynosi suma kątów trójkąta równoramiennego?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Ile stopni ma każdy z dwóch mniejszych kątów trójkąta prostokątnego równoramiennego?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Ile stopni ma każdy kąt trójkąta równobocznego?</translation>
    </message>
</context>
</TS>
