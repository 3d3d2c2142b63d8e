<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>深蓝色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>蓝绿色</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>深红色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄榄绿</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>浅灰色</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>亮绿色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>Tooltip of a button: %1 is its name, %2 its shortcut (such as Alt+N).</extracomment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>AnswerCheck</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>回答正确，真棒！</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>回答错误，再试一次</translation>
    </message>
</context>
<context>
    <name>JotterWork</name>
    <message>
        <source>Jotter menu</source>
        <extracomment>Spoken name of the Jotter&apos;s menu on its drawing area.</extracomment>
        <translation>草稿本菜单</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry: take back the last stroke (or Clear, or Flip).</extracomment>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry: do again what Undo took back.</extracomment>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Menu entry: the drawing to the clipboard, as a picture.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save…</source>
        <extracomment>Menu entry: the drawing into a picture file; a dialog follows.</extracomment>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Menu entry: the drawing to a printer; a dialog follows.</extracomment>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The start of a saved drawing&apos;s file name, followed by the date and time; also the print job&apos;s name.</extracomment>
        <translation>草稿本</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder “%1” does not take new files. Your drawing is still on the Jotter; save it in another folder.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>无法保存图画：文件夹“%1”不能存入新文件。你的图画还在草稿本上，请把它保存到别的文件夹。</translation>
    </message>
    <message>
        <source>The drawing could not be written in the folder “%1”; the disk may be full. Your drawing is still on the Jotter.</source>
        <extracomment>%1 is the folder the pupil chose for the drawing.</extracomment>
        <translation>无法把图画写入文件夹“%1”，磁盘可能已满。你的图画还在草稿本上。</translation>
    </message>
    <message>
        <source>The drawing could not be printed: the printer did not take it. Your drawing is still on the Jotter.</source>
        <translation>无法打印图画：打印机没有接收。你的图画还在草稿本上。</translation>
    </message>
</context>
<context>
    <name>PadDialogs</name>
    <message>
        <source>Save the drawing</source>
        <extracomment>Title of the dialog that saves the Jotter&apos;s drawing, and of the question whether to replace a file.</extracomment>
        <translation>保存图画</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <extracomment>File type offered in the save dialog.</extracomment>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>There is already a file called “%1”. Do you want to replace it?</source>
        <extracomment>%1 is the name of a file that is already there.</extracomment>
        <translation>已经有一个名为“%1”的文件。要替换它吗？</translation>
    </message>
    <message>
        <source>Print the drawing</source>
        <extracomment>Title of the print dialog for the Jotter&apos;s drawing.</extracomment>
        <translation>打印图画</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Exit</source>
        <extracomment>Leaves the screen (on the menu: back to the title screen), on its picture button.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Gives the next question, on its picture button.</extracomment>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Shows the answer to the question, on its picture button.</extracomment>
        <translation>答案</translation>
    </message>
    <message>
        <source>Check</source>
        <extracomment>Checks the typed answer, on its picture button.</extracomment>
        <translation>检查</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>The drawing pad&apos;s name, on its picture button; keep it short.</extracomment>
        <translation>草稿本</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>后退一步</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>前进一步</translation>
    </message>
</context>
<context>
    <name>ProofSteps</name>
    <message>
        <source>The base of the triangle has been extended on both sides by a straight black line.</source>
        <translation>三角形的底边已经向两端延长，成为一条黑色的直线。</translation>
    </message>
    <message>
        <source>A black line, parallel to the first line, has been drawn through the opposite vertex of the triangle.</source>
        <translation>过三角形中与底边相对的顶点，画了一条与第一条直线平行的黑色直线。</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked P in green is equal to the angle P in the triangle.</source>
        <translation>两直线平行，内错角相等，所以用绿色标出的角 P 等于三角形中的角 P。</translation>
    </message>
    <message>
        <source>Alternate angles are equal, so the angle marked Q in green is equal to the angle Q in the triangle.</source>
        <translation>两直线平行，内错角相等，所以用绿色标出的角 Q 等于三角形中的角 Q。</translation>
    </message>
    <message>
        <source>The angle P + R + Q is equal to 180°, as it forms half of a complete rotation. These are the three angles of the triangle, so the sum of the angles of the triangle is 180°.</source>
        <extracomment>P, R and Q name the angles; together they make a straight angle.</extracomment>
        <translation>角 P + R + Q 等于 180°，因为它是一个平角（半个周角）。这三个角正是三角形的三个内角，所以三角形的内角和是 180°。</translation>
    </message>
    <message>
        <source>Restart Proof</source>
        <extracomment>Caption of the step button after the last step: it starts the proof again.</extracomment>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>下面三角形的三个角分别记作 R、P 和 Q。</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the step button; the same words as on the proof screen, where its opening text quotes them.</extracomment>
        <translation>下一步</translation>
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
        <translation>由 Vertexa 开发者制作</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Jotter button that closes the pad (62x32 px).
----------
Spoken name and tooltip of the picture button that leaves a lesson screen (Alt+X).</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>检查我的答案</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <extracomment>Greyed label beside the animation player; it does nothing.</extracomment>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Number of edges</source>
        <extracomment>n of the star polygon {n/k}: how many edges (sides) it has.</extracomment>
        <translation>边数</translation>
    </message>
    <message>
        <source>Vertices skipped</source>
        <extracomment>k of the star polygon {n/k}: the step from one vertex to the next one joined.</extracomment>
        <translation>步长</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo</source>
        <extracomment>The program&apos;s name: the menu&apos;s title, and what a screen reader calls the title screen.</extracomment>
        <translation>Vertexa 1 Demo</translation>
    </message>
    <message>
        <source>Vertexa 1 Demo, title screen</source>
        <translation>Vertexa 1 Demo，标题画面</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Vertexa 1</source>
        <translation>Vertexa 1</translation>
    </message>
    <message>
        <source>Demo</source>
        <extracomment>Second line of the program&apos;s name on the title screen: the demonstration version.</extracomment>
        <translation>演示版</translation>
    </message>
    <message>
        <source>Title animation</source>
        <translation>标题动画</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>quits the program</comment>
        <extracomment>Title screen button that quits the program (89x25 px).</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Topic menu</source>
        <translation>主题菜单</translation>
    </message>
    <message>
        <source>Vertexa logo</source>
        <translation>Vertexa 标志</translation>
    </message>
    <message>
        <source>version 4.0.006</source>
        <extracomment>The program&apos;s version on the menu: keep the number.</extracomment>
        <translation>版本 4.0.006</translation>
    </message>
    <message>
        <source>The Angles of a Triangle</source>
        <translation>三角形的内角</translation>
    </message>
    <message>
        <source>Stellated Polygons</source>
        <translation>星形多边形</translation>
    </message>
    <message>
        <source>A proof that the angles of a triangle add up to 180 degrees</source>
        <translation>证明三角形的内角和等于 180 度</translation>
    </message>
    <message>
        <source>Click the button labelled &quot;Next Step&quot; to step through a proof of the theorem that the sum of the angles of a triangle is equal to 180°.</source>
        <translation>点击“下一步”按钮，一步一步地看三角形内角和定理的证明：三角形的内角和等于 180°。</translation>
    </message>
    <message>
        <source>The angles of the triangle below are labelled R, P and Q.</source>
        <translation>下面三角形的三个角分别记作 R、P 和 Q。</translation>
    </message>
    <message>
        <source>The base extended</source>
        <translation>延长的底边</translation>
    </message>
    <message>
        <source>Parallel to the base through the apex</source>
        <translation>过顶点且平行于底边的直线</translation>
    </message>
    <message>
        <source>Base of the triangle</source>
        <translation>三角形的底边</translation>
    </message>
    <message>
        <source>Left side of the triangle</source>
        <translation>三角形左侧的边</translation>
    </message>
    <message>
        <source>Right side of the triangle</source>
        <translation>三角形右侧的边</translation>
    </message>
    <message>
        <source>Next Step</source>
        <extracomment>Caption of the proof&apos;s step button; the proof&apos;s opening text quotes it.</extracomment>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Problems Page</source>
        <translation>练习题</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>你的答案</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>下一题</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>显示答案</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <extracomment>Spoken name and tooltip of the button that opens the Jotter, the drawing pad (Alt+J).</extracomment>
        <translation>打开草稿本</translation>
    </message>
    <message>
        <source>Problems on the angles of a triangle</source>
        <translation>三角形内角练习题</translation>
    </message>
    <message>
        <source>Triangle animation</source>
        <translation>三角形动画</translation>
    </message>
    <message>
        <source>Correct to two decimal places:</source>
        <extracomment>First caption of the feedback line; replaced before it is seen.</extracomment>
        <translation>精确到小数点后两位：</translation>
    </message>
    <message>
        <source>Animation controls</source>
        <translation>动画控制</translation>
    </message>
    <message>
        <source>Draws the star polygon with the number of edges and the vertices skipped typed below</source>
        <translation>按下面输入的边数和步长画出星形多边形</translation>
    </message>
    <message>
        <source>Stellated polygons were first systematically studied by an Englishman called Brenthorne who died from the Black Death in 1349.  In the Middle Ages a knowledge of geometry and mathematics was thought to give magical powers.  Stellated polygons were used by witches as markings in their magic circles and on their talismans.</source>
        <translation>英国人布伦索恩最早系统地研究了星形多边形，他于 1349 年死于黑死病。在中世纪，人们认为掌握几何和数学知识就能获得魔力。女巫把星形多边形画在魔法阵和护身符上，作为标记。</translation>
    </message>
    <message>
        <source>To draw a new stellated polygon enter numbers into the text boxes and press Enter.</source>
        <translation>在文本框中输入数字并按回车键，就能画出新的星形多边形。</translation>
    </message>
    <message>
        <source>Problems on stellated polygons</source>
        <translation>星形多边形练习题</translation>
    </message>
    <message>
        <source>Stellated polygon animation</source>
        <translation>星形多边形动画</translation>
    </message>
    <message>
        <source>Jotter</source>
        <extracomment>Window caption of the drawing pad for working out.</extracomment>
        <translation>草稿本</translation>
    </message>
    <message>
        <source>Drawing pad: draw with the left mouse button held down</source>
        <translation>草稿本：按住鼠标左键画图</translation>
    </message>
    <message>
        <source>Pen and colours</source>
        <translation>画笔和颜色</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>橡皮</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Flip</source>
        <extracomment>Jotter button that turns the pad between wide and tall: very small (39x32 px).</extracomment>
        <translation>旋转</translation>
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
        <translation>这台电脑没有能用你的语言朗读的语音。</translation>
    </message>
</context>
<context>
    <name>StarQuestions</name>
    <message>
        <source>How many edges does the stellated polygon in the animation have?</source>
        <translation>动画中的星形多边形有几条边？</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a pentagram can be rotated, so that it looks the same after rotation as it did prior to rotation?</source>
        <translation>一个五角星至少要旋转多少度，才能和旋转前看起来一模一样？</translation>
    </message>
    <message>
        <source>In degrees, what is the smallest angle through which a Star of David can be rotated, so that it looks unaltered after rotation to how it looked prior to rotation?</source>
        <translation>大卫之星至少要旋转多少度，才能和旋转前看起来一模一样？</translation>
    </message>
    <message>
        <source>A regular stellated octagon is symmetrical under rotations around its centre through certain angles. In other words, after performing these rotations the stellated octagon looks unaltered. In degrees, what is the smallest of these angles?</source>
        <translation>正八角星具有旋转对称性：绕中心旋转某些角度后，它看起来没有变化。这些角中最小的是多少度？</translation>
    </message>
    <message>
        <source>A regular stellated dodecagon is symmetrical under rotations around its centre through certain angles. Each of these angles is a multiple of the smallest. In degrees, what is the smallest angle through which a regular stellated dodecagon can be rotated if it is to appear unaltered?</source>
        <translation>正十二角星具有旋转对称性：绕中心旋转某些角度后，它保持不变。每个这样的角都是最小那个角的整数倍。正十二角星至少要旋转多少度，才能看起来没有变化？</translation>
    </message>
    <message>
        <source>The stellated nonagon in the animation is a compound polygon. How many component polygons does it have?</source>
        <translation>动画中的九角星是一个复合多边形。它由几个多边形组成？</translation>
    </message>
</context>
<context>
    <name>TopicMenu</name>
    <message>
        <source>Regular Polygons</source>
        <translation>正多边形</translation>
    </message>
    <message>
        <source>Angles of Regular Polygons</source>
        <translation>正多边形的内角</translation>
    </message>
    <message>
        <source>Circumcircles and Incircles</source>
        <translation>外接圆和内切圆</translation>
    </message>
    <message>
        <source>Area of Regular Polygons</source>
        <translation>正多边形的面积</translation>
    </message>
    <message>
        <source>Archimedes&apos; Estimate of Pi</source>
        <translation>阿基米德对 π 的估算</translation>
    </message>
    <message>
        <source>The Regular Tessellations</source>
        <translation>正密铺</translation>
    </message>
    <message>
        <source>Semi-regular Tessellations</source>
        <translation>半正密铺</translation>
    </message>
    <message>
        <source>Dual Tessellations</source>
        <translation>对偶密铺</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>动画序列</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The title screen&apos;s OK button when the title is reached from the menu: it goes back to the menu.</extracomment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TriangleQuestions</name>
    <message>
        <source>If one of the angles of an isosceles triangle is%1°, what is the size of each of the other two angles in degrees?</source>
        <extracomment>%1 is the given angle with a blank before it, e.g. &quot; 120&quot;; keep it glued to the word before and ° after it.</extracomment>
        <translation>如果等腰三角形的一个角是%1°，那么另外两个角各是多少度？</translation>
    </message>
    <message>
        <source>If a triangle has angles of%1° and%2°, what is the size of the other angle in degrees?</source>
        <extracomment>%1 and %2 are the given angles, each with a blank before it, e.g. &quot; 30&quot; and &quot; 45&quot;; keep each glued to the word before and ° after it.</extracomment>
        <translation>如果三角形的两个角分别是%1° 和%2°，那么第三个角是多少度？</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of a right-angled triangle?</source>
        <translation>直角三角形的内角和是多少度？</translation>
    </message>
    <message>
        <source>In degrees, what is the sum of the angles of an isosceles triangle?</source>
        <translation>等腰三角形的内角和是多少度？</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each of the smaller angles of a right-angled isosceles triangle?</source>
        <translation>等腰直角三角形的两个较小的角各是多少度？</translation>
    </message>
    <message>
        <source>In degrees, what is the size of each angle of an equilateral triangle?</source>
        <translation>等边三角形的每个角是多少度？</translation>
    </message>
</context>
</TS>
