<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Темно-синій</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Синьо-зелений</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Світло-сірий</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Салатовий</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Рожевий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
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
        <translation>Правильно, молодець!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Неправильно, спробуй ще раз</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>Меню чернетки</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>Зберегти…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>Друкувати…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>Чернетка</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Не вдалося зберегти малюнок: тека «%1» не приймає нових файлів. Твій малюнок досі в чернетці; збережи його в іншій теці.</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>Не вдалося записати малюнок у теку «%1»; можливо, диск заповнений. Твій малюнок досі в чернетці.</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>Не вдалося надрукувати малюнок: принтер його не прийняв. Твій малюнок досі в чернетці.</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>Зберегти малюнок</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>Файл із назвою «%1» уже існує. Хочеш його замінити?</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>Надрукувати малюнок</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>Перевір</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>Чернетка</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Відтворити</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Крок назад</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Крок уперед</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>Основу трикутника продовжено в обидва боки чорною прямою.</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>Через протилежну вершину трикутника проведено чорну пряму, паралельну першій.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>Внутрішні різносторонні кути при паралельних прямих рівні, тому кут P, позначений зеленим, дорівнює куту P трикутника.</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>Внутрішні різносторонні кути при паралельних прямих рівні, тому кут Q, позначений зеленим, дорівнює куту Q трикутника.</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>Кут P + R + Q дорівнює 180°, бо це розгорнутий кут (пів оберту). Це три кути трикутника, тож сума кутів трикутника дорівнює 180°.</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>Спочатку</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Кути трикутника внизу позначено R, P і Q.</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>Далі</translation>
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
        <translation>від розробників Vertexa</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Перевірити відповідь</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>На весь екран</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>Кількість сторін</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>Крок</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo, титульний екран</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Vertexa 1</source>
        <translation>Vertexa 1</translation>
    </message>
    <message>
        <source>Demo</source>
        <extracomment>Second line of the program&apos;s name on the title screen: the demonstration version.</extracomment>
        <translation>Демо</translation>
    </message>
    <message>
        <source>Title animation</source>
        <translation>Анімація заставки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>Меню тем</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Логотип Vertexa</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>версія 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>Кути трикутника</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>Зірчасті многокутники</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>Доведення того, що сума кутів трикутника дорівнює 180 градусів</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>Натисни кнопку «Далі», щоб крок за кроком переглянути доведення теореми: сума кутів трикутника дорівнює 180°.</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>Кути трикутника внизу позначено R, P і Q.</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>Продовжена основа</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>Паралельна основі через вершину</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>Основа трикутника</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>Ліва сторона трикутника</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>Права сторона трикутника</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>Далі</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>Задачі</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Твоя відповідь</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Наступне запитання</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Показати відповідь</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>Відкрити чернетку</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>Задачі на кути трикутника</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>Анімація трикутника</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>З точністю до сотих:</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>Керування анімацією</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>Малює зірчастий многокутник із кількістю сторін і кроком, уведеними нижче</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>Зірчасті многокутники вперше систематично дослідив англієць на ім’я Брентгорн, який помер від чорної смерті 1349 року. У Середньовіччі вважали, що знання геометрії та математики дають магічну силу. Відьми використовували зірчасті многокутники як знаки у своїх магічних колах і на талісманах.</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>Щоб накреслити новий зірчастий многокутник, введи числа в поля й натисни Enter.</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>Задачі на зірчасті многокутники</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>Анімація зірчастого многокутника</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>Чернетка</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>Чернетка: малюй, утримуючи ліву кнопку миші</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>Олівець і кольори</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Олівець</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Гумка</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>Оберт</translation>
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
        <translation>На цьому комп’ютері немає голосу, що читав би вголос твоєю мовою.</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>Скільки сторін має зірчастий многокутник в анімації?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>На який найменший кут (у градусах) треба повернути пентаграму, щоб після повороту вона мала такий самий вигляд, як до повороту?</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>На який найменший кут (у градусах) треба повернути зірку Давида, щоб після повороту вона мала незмінний вигляд?</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>Правильний зірчастий восьмикутник має поворотну симетрію: після повороту навколо центра на певні кути він має незмінний вигляд. Скільки градусів має найменший із цих кутів?</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>Правильний зірчастий дванадцятикутник має поворотну симетрію: після певних поворотів навколо центра він залишається незмінним. Кожен із цих кутів повороту кратний найменшому. На який найменший кут (у градусах) треба повернути правильний зірчастий дванадцятикутник, щоб він мав незмінний вигляд?</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>Зірчастий дев’ятикутник в анімації — складений многокутник. Зі скількох многокутників він складається?</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>Правильні многокутники</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>Кути правильних многокутників</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>Описані та вписані кола</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>Площа правильних многокутників</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>Архімедова оцінка числа π</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>Правильні паркети</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>Напівправильні паркети</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>Двоїсті паркети</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Анімаційна послідовність</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>Якщо один із кутів рівнобедреного трикутника дорівнює%1°, то скільки градусів має кожен із двох інших кутів?</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>Якщо трикутник має кути%1° і%2°, то скільки градусів має третій кут?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>Скільки градусів становить сума кутів прямокутного трикутника?</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>Скільки градусів становить сума кутів рівнобедреного трикутника?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>Скільки градусів має кожен із двох менших кутів прямокутного рівнобедреного трикутника?</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>Скільки градусів має кожен кут рівностороннього трикутника?</translation>
    </message>
</context>
</TS>
