<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde oliva</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
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
        <translation>¡Muy bien, correcto!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>No, prueba otra vez</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Menú de la libreta</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Libreta</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>No se ha podido guardar el dibujo: la carpeta «%1» no admite archivos nuevos. Tu dibujo sigue en la libreta; guárdalo en otra carpeta.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>No se ha podido escribir el dibujo en la carpeta «%1»; puede que el disco esté lleno. Tu dibujo sigue en la libreta.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>No se ha podido imprimir el dibujo: la impresora no lo ha aceptado. Tu dibujo sigue en la libreta.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Guardar el dibujo</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Ya hay un archivo llamado «%1». ¿Quieres reemplazarlo?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Imprimir el dibujo</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Libreta</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Fotograma anterior</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Fotograma siguiente</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>La base del triángulo se ha prolongado en ambos sentidos con una recta negra.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Por el vértice opuesto del triángulo se ha trazado una recta negra paralela a la primera.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Los ángulos alternos internos entre paralelas son iguales, así que el ángulo P marcado en verde es igual al ángulo P del triángulo.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Los ángulos alternos internos entre paralelas son iguales, así que el ángulo Q marcado en verde es igual al ángulo Q del triángulo.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>El ángulo P + R + Q mide 180°, porque es un ángulo llano (media vuelta). Estos son los tres ángulos del triángulo, así que la suma de los ángulos del triángulo es 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Los ángulos del triángulo de abajo se llaman R, P y Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Siguiente</translation>
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
        <translation>por los desarrolladores de Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Comprobar mi respuesta</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Número de lados</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo, pantalla de título</translation>
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
        <translation>Animación del título</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Menú de temas</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Logotipo de Vertexa</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>versión 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Los ángulos de un triángulo</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Polígonos estrellados</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Una demostración de que los ángulos de un triángulo suman 180 grados</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Haz clic en el botón «Siguiente» para seguir paso a paso la demostración del teorema que dice que la suma de los ángulos de un triángulo es 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Los ángulos del triángulo de abajo se llaman R, P y Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Prolongación de la base</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Paralela a la base por el vértice superior</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Base del triángulo</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Lado izquierdo del triángulo</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Lado derecho del triángulo</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostrar la solución</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Abrir la libreta</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Problemas sobre los ángulos de un triángulo</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Animación del triángulo</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Con dos decimales:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Controles de la animación</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Dibuja el polígono estrellado con el número de lados y el paso escritos abajo</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>El primero en estudiar sistemáticamente los polígonos estrellados fue un inglés llamado Brenthorne, que murió de la peste negra en 1349. En la Edad Media se creía que saber geometría y matemáticas daba poderes mágicos. Las brujas usaban polígonos estrellados como signos en sus círculos mágicos y en sus talismanes.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Para dibujar un nuevo polígono estrellado, escribe números en las casillas y pulsa Intro.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Problemas sobre polígonos estrellados</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animación del polígono estrellado</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Libreta</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Libreta: dibuja manteniendo pulsado el botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Lápiz y colores</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
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
        <translation>Este ordenador no tiene ninguna voz para leer en voz alta en tu idioma.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>¿Cuántos lados tiene el polígono estrellado de la animación?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>¿Cuál es, en grados, el menor ángulo que hay que girar un pentagrama para que, tras el giro, se vea igual que antes?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>¿Cuál es, en grados, el menor ángulo que hay que girar una estrella de David para que, tras el giro, parezca igual que antes?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Un octógono estrellado regular tiene simetría de giro: queda igual al girarlo ciertos ángulos alrededor de su centro. Es decir, después de estos giros el octógono estrellado no cambia de aspecto. ¿Cuántos grados mide el menor de estos ángulos de giro?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Un dodecágono estrellado regular tiene simetría de giro: queda igual al girarlo ciertos ángulos alrededor de su centro. Cada uno de estos ángulos de giro es múltiplo del menor. ¿Cuál es, en grados, el menor ángulo que hay que girar un dodecágono estrellado regular para que parezca igual?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>El eneágono estrellado de la animación es un polígono compuesto. ¿De cuántos polígonos está formado?</translation>
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
        <translation>Ángulos del polígono regular</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Circunferencias inscrita y circunscrita</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Área del polígono regular</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>Arquímedes y el número π</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Teselaciones regulares</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Teselaciones semirregulares</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Teselaciones duales</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Secuencia animada</translation>
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
        <translation>Uno de los ángulos de un triángulo isósceles mide%1°. ¿Cuántos grados mide cada uno de los otros dos ángulos?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Dos ángulos de un triángulo miden%1° y%2°. ¿Cuántos grados mide el tercer ángulo?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>¿Cuántos grados suman los ángulos de un triángulo rectángulo?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>¿Cuántos grados suman los ángulos de un triángulo isósceles?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>¿Cuántos grados mide cada uno de los dos ángulos agudos de un triángulo rectángulo isósceles?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>¿Cuántos grados mide cada ángulo de un triángulo equilátero?</translation>
    </message>
</context>
</TS>
