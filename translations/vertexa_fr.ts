<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
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
        <translation>Bonne réponse, bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Mauvaise réponse, essaie encore</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Menu du brouillon</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Brouillon</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Le dessin n’a pas pu être enregistré&#xa0;: le dossier «&#xa0;%1&#xa0;» n’accepte pas de nouveaux fichiers. Ton dessin est toujours sur le brouillon&#xa0;; enregistre-le dans un autre dossier.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Le dessin n’a pas pu être écrit dans le dossier «&#xa0;%1&#xa0;»&#xa0;; le disque est peut-être plein. Ton dessin est toujours sur le brouillon.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>Le dessin n’a pas pu être imprimé&#xa0;: l’imprimante ne l’a pas accepté. Ton dessin est toujours sur le brouillon.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Enregistrer le dessin</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Il existe déjà un fichier nommé «&#xa0;%1&#xa0;». Veux-tu le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Imprimer le dessin</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Brouillon</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Image suivante</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>On a prolongé la base du triangle de part et d’autre par une droite noire.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>On a tracé une droite noire, parallèle à la première, qui passe par le sommet opposé du triangle.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Les angles alternes-internes formés par deux parallèles sont égaux, donc l’angle P marqué en vert est égal à l’angle P du triangle.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Les angles alternes-internes formés par deux parallèles sont égaux, donc l’angle Q marqué en vert est égal à l’angle Q du triangle.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>L’angle P + R + Q mesure 180°, car c’est un angle plat (un demi-tour). Ce sont les trois angles du triangle, donc la somme des angles du triangle est égale à 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Les angles du triangle ci-dessous sont notés R, P et Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Suivant</translation>
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
        <translation>par les développeurs de Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Vérifier ma réponse</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Nombre de côtés</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Démo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Démo, écran titre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Vertexa 1</source>
        <translation>Vertexa 1</translation>
    </message>
    <message>
        <source>Demo</source>
        <extracomment>Second line of the program&apos;s name on the title screen: the demonstration version.</extracomment>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Title animation</source>
        <translation>Animation de titre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Menu des thèmes</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Logo Vertexa</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>version 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Les angles d’un triangle</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Polygones étoilés</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Démonstration&#xa0;: la somme des angles d’un triangle est égale à 180 degrés</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Clique sur le bouton «&#xa0;Suivant&#xa0;» pour suivre pas à pas la démonstration du théorème&#xa0;: la somme des angles d’un triangle est égale à 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Les angles du triangle ci-dessous sont notés R, P et Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Prolongement de la base</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Parallèle à la base passant par le sommet</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Base du triangle</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Côté gauche du triangle</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Côté droit du triangle</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Ouvrir le brouillon</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Exercices sur les angles d’un triangle</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Animation du triangle</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>Arrondi au centième&#xa0;:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Commandes de l’animation</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Trace le polygone étoilé ayant le nombre de côtés et le pas saisis ci-dessous</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>Les polygones étoilés ont été étudiés de façon systématique pour la première fois par un Anglais nommé Brenthorne, mort de la peste noire en 1349. Au Moyen Âge, on pensait que la connaissance de la géométrie et des mathématiques donnait des pouvoirs magiques. Les sorcières traçaient des polygones étoilés dans leurs cercles magiques et sur leurs talismans.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Pour tracer un nouveau polygone étoilé, saisis des nombres dans les cases et appuie sur Entrée.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Exercices sur les polygones étoilés</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Animation du polygone étoilé</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Brouillon</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Brouillon&#xa0;: dessine en maintenant le bouton gauche de la souris enfoncé</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Crayon et couleurs</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Sens</translation>
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
        <translation>Cet ordinateur n’a pas de voix pour lire à haute voix dans ta langue.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Combien de côtés le polygone étoilé de l’animation a-t-il&#xa0;?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>Quel est, en degrés, le plus petit angle de rotation pour lequel un pentagramme a, après la rotation, le même aspect qu’avant&#xa0;?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>Quel est, en degrés, le plus petit angle de rotation pour lequel une étoile de David paraît inchangée après la rotation&#xa0;?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Un octogone étoilé régulier a une symétrie de rotation&#xa0;: certaines rotations autour de son centre le laissent inchangé. Autrement dit, après ces rotations, l’octogone étoilé a le même aspect qu’avant. Quel est, en degrés, le plus petit angle de ces rotations&#xa0;?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Un dodécagone étoilé régulier a une symétrie de rotation&#xa0;: certaines rotations autour de son centre le laissent inchangé. L’angle de chacune de ces rotations est un multiple du plus petit de ces angles. Quel est, en degrés, le plus petit angle de rotation pour lequel un dodécagone étoilé régulier paraît inchangé&#xa0;?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>L’ennéagone étoilé de l’animation est un polygone composé. De combien de polygones est-il formé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Polygones réguliers</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Angles des polygones réguliers</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Cercles circonscrits et inscrits</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Aire des polygones réguliers</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>Archimède et le nombre π</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Les pavages réguliers</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Pavages semi-réguliers</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Pavages duaux</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Séquence animée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>L’un des angles d’un triangle isocèle mesure%1°. Quelle est, en degrés, la mesure de chacun des deux autres angles&#xa0;?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Deux angles d’un triangle mesurent%1° et%2°. Quelle est, en degrés, la mesure du troisième angle&#xa0;?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Quelle est, en degrés, la somme des angles d’un triangle rectangle&#xa0;?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Quelle est, en degrés, la somme des angles d’un triangle isocèle&#xa0;?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Quelle est, en degrés, la mesure de chacun des deux angles aigus d’un triangle rectangle isocèle&#xa0;?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Quelle est, en degrés, la mesure de chaque angle d’un triangle équilatéral&#xa0;?</translation>
    </message>
</context>
</TS>
