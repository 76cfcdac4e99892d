<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ApplicationTitle</name>
    <message>
        <location filename="../ui/ApplicationTitle.cpp" line="+19"/>
        <source>%1 by %2 (aka %3)</source>
        <translation>%1, автор — %2 (aka %3)</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <location filename="../font/BdfImport.cpp" line="+52"/>
        <source>The 2-colour type needs one width for every glyph; the BDF font&apos;s glyphs are %d (&quot;%s&quot;, code %d) to %d (&quot;%s&quot;, code %d) pixels wide.</source>
        <translation>Двухцветному типу нужна одна ширина для всех глифов; ширина глифов шрифта BDF — от %d (&quot;%s&quot;, код %d) до %d (&quot;%s&quot;, код %d) пикс.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>In the 2-colour type the %d codes the BDF font leaves out below its last glyph would be blank cells of %d x %d pixels, more than the %llu pixels such cells may take.</source>
        <translation>В двухцветном типе %d кодов, пропущенных шрифтом BDF ниже последнего глифа, стали бы пустыми ячейками %d x %d пикс. — больше тех %llu пикселей, что могут занять такие ячейки.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The BDF font was imported, with these changes:</source>
        <translation>Шрифт BDF импортирован со следующими изменениями:</translation>
    </message>
    <message>
        <location filename="../font/BdfReader.cpp" line="+152"/>
        <source>The file ends without ENDFONT: it may be cut short.</source>
        <translation>Файл заканчивается без ENDFONT: возможно, он обрезан.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CHARS does not count the %d glyphs that follow.</source>
        <translation>CHARS не соответствует числу следующих за ним глифов (%d).</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The BDF font has %s bits per pixel; 1, 2, 4 or 8 can be read.</source>
        <translation>Шрифт BDF имеет %s бит на пиксель; читаются только 1, 2, 4 или 8.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not a BDF font file: it does not start with STARTFONT.</source>
        <translation>Это не файл шрифта BDF: он не начинается с STARTFONT.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>STARTPROPERTIES does not count the %d properties that follow.</source>
        <translation>STARTPROPERTIES не соответствует числу следующих за ним свойств (%d).</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+157"/>
        <source>&quot;%s&quot; (code %d)</source>
        <translation>&quot;%s&quot; (код %d)</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>The BDF font asks for more than %llu pixels, far more than its %zu bytes can describe.</source>
        <translation>Шрифт BDF требует больше %llu пикселей — намного больше, чем могут описать его байты (%zu).</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The BDF font&apos;s glyphs need a cell %d pixels high (%d above the baseline, %d below); a font can be at most %d pixels high.</source>
        <translation>Глифам шрифта BDF нужна ячейка высотой %d пикс. (%d над базовой линией, %d под ней); высота шрифта — не более %d пикс.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cell was made %d pixels high instead of FONT_ASCENT + FONT_DESCENT = %d, to hold the ink of %d glyphs (the first %s).</source>
        <translation>Высота ячейки сделана %d пикс. вместо FONT_ASCENT + FONT_DESCENT = %d, чтобы вместить закрашенные пиксели глифов (%d, первый — %s).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The BDF font holds no glyph that can be imported.</source>
        <translation>В шрифте BDF нет глифов, которые можно импортировать.</translation>
    </message>
    <message>
        <location filename="../font/BdfWarnings.cpp" line="+13"/>
        <source>Glyphs ending without ENDCHAR, read as far as they go</source>
        <translation>Глифы, оканчивающиеся без ENDCHAR, прочитаны до обрыва</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without ENCODING, skipped</source>
        <translation>Глифы без ENCODING, пропущены</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ENCODING -1 or a code beyond 0..65534, skipped</source>
        <translation>Глифы с ENCODING -1 или кодом вне 0..65534, пропущены</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs repeating the code of an earlier glyph, skipped</source>
        <translation>Глифы, повторяющие код более раннего глифа, пропущены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without BBX, placed by FONTBOUNDINGBOX</source>
        <translation>Глифы без BBX, размещены по FONTBOUNDINGBOX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs without a sound BBX of at most 255 x 255 pixels, skipped</source>
        <translation>Глифы без корректного BBX размером не более 255 x 255 пикселей, пропущены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without DWIDTH, as wide as their box reaches</source>
        <translation>Глифы без DWIDTH, шириной по своей рамке</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs with a damaged DWIDTH, skipped</source>
        <translation>Глифы с повреждённым DWIDTH, пропущены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs that would be wider than 255 pixels, skipped</source>
        <translation>Глифы шире 255 пикселей, пропущены</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ink outside their DWIDTH, widened to hold it</source>
        <translation>Глифы с закрашенными пикселями за пределами DWIDTH, расширены, чтобы их вместить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with fewer bitmap rows than their BBX height, the missing rows blank</source>
        <translation>Глифы с меньшим числом строк растра, чем высота BBX, недостающие строки пустые</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with more bitmap rows than their BBX height, the extra rows dropped</source>
        <translation>Глифы с большим числом строк растра, чем высота BBX, лишние строки отброшены</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with bitmap rows of the wrong length or with other than hex digits, the missing pixels blank</source>
        <translation>Глифы со строками растра неверной длины или не из шестнадцатеричных цифр, недостающие пиксели пустые</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%s: %d, the first %s.</source>
        <translation>%s: %d, первый — %s.</translation>
    </message>
    <message>
        <location filename="../font/Errors.h" line="+41"/>
        <source>Range check error</source>
        <translation>Ошибка проверки диапазона</translation>
    </message>
    <message>
        <location filename="../font/FileFormats.cpp" line="+40"/>
        <location filename="../font/FileIo.cpp" line="+41"/>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Не удаётся создать файл &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be made.</source>
        <translation>Не удаётся создать папку.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>is not an 8-bit palette picture</source>
        <translation>не является 8-битным изображением с палитрой</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>holds no FonTool font (no glyph starting with &quot;#G&quot;)</source>
        <translation>не содержит шрифта FonTool (нет глифа, начинающегося с &quot;#G&quot;)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%s&quot;: %s</source>
        <translation>&quot;%s&quot;: %s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>use %s, or a folder ending in &quot;/&quot; for glyph BMPs</source>
        <translation>используйте %s или папку с &quot;/&quot; в конце для BMP-файлов глифов</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown font format.</source>
        <translation>Неизвестный формат шрифта.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%s can be written but not read</source>
        <translation>%s можно записать, но нельзя прочитать</translation>
    </message>
    <message>
        <location filename="../font/FileIo.cpp" line="-12"/>
        <location line="+4"/>
        <location filename="../generate/FontFace.cpp" line="+266"/>
        <location line="+34"/>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Не удаётся открыть файл &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <source>Error writing file &quot;%s&quot;. %s</source>
        <translation>Ошибка записи файла &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location filename="../font/GlyphEdits.cpp" line="+44"/>
        <source> In a fixed-width font every glyph grows with glyph 0.</source>
        <translation> В моноширинном шрифте каждый глиф расширяется вместе с глифом 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In a fixed-width font every glyph shrinks with glyph 0.</source>
        <translation> В моноширинном шрифте каждый глиф сужается вместе с глифом 0.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Glyph %d is %d pixels wide already, the most a font file can hold.%s</source>
        <translation>Глиф %d уже шириной %d пикс. — это максимум для файла шрифта.%s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Glyph 0 has one column left, the least a fixed-width font can hold.%s</source>
        <translation>У глифа 0 остался один столбец — это минимум для моноширинного шрифта.%s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph %d has no column left to remove.%s</source>
        <translation>У глифа %d не осталось столбцов для удаления.%s</translation>
    </message>
    <message>
        <location filename="../font/ImageFile.cpp" line="+21"/>
        <source>Cannot create file &quot;%s&quot;. The %s picture could not be encoded.</source>
        <translation>Не удаётся создать файл &quot;%s&quot;. Не удалось закодировать изображение %s.</translation>
    </message>
    <message>
        <location filename="../font/MtkFont.cpp" line="+85"/>
        <source>Not a Mediatek FON file.</source>
        <translation>Это не файл Mediatek FON.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown compression type.</source>
        <translation>Неизвестный тип сжатия.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown font type.</source>
        <translation>Неизвестный тип шрифта.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error #%d.</source>
        <translation>Ошибка №%d.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontBmp.cpp" line="+33"/>
        <source>A picture of %d x %d pixels cannot be made.</source>
        <translation>Не удаётся создать изображение размером %d x %d пикселей.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>A font of height 0 cannot be saved as a BMP picture.</source>
        <translation>Шрифт высотой 0 нельзя сохранить как изображение BMP.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The glyph strip is too wide for a BMP picture.</source>
        <translation>Полоса глифов слишком широка для изображения BMP.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bitmap image is not valid: &quot;%s&quot;</source>
        <translation>Недопустимое растровое изображение: &quot;%s&quot;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bitmap image is not valid</source>
        <translation>Недопустимое растровое изображение</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The picture is %d rows high; a font can be at most %d rows high.</source>
        <translation>Высота изображения — %d пикс.; высота шрифта — не более %d пикс.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontReader.cpp" line="+154"/>
        <source>The glyph data ends early: %d of %d glyphs are cut short, and their missing pixels show as colour 0.</source>
        <translation>Данные глифов обрываются раньше времени: обрезано глифов — %d из %d, их недостающие пиксели показаны цветом 0.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+47"/>
        <source>Glyph data truncated</source>
        <translation>Данные глифов усечены</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width table truncated</source>
        <translation>Таблица ширин усечена</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offset table truncated</source>
        <translation>Таблица смещений усечена</translation>
    </message>
    <message>
        <location filename="../font/MtkFontText.cpp" line="+61"/>
        <source>List index out of bounds (%d)</source>
        <translation>Индекс списка вне границ (%d)</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The text&apos;s glyph height %d is above %d, the largest font height.</source>
        <translation>Высота глифов в тексте (%d) больше %d — наибольшей высоты шрифта.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Glyph %d is %d pixels wide; a glyph can be 0 to %d pixels wide.</source>
        <translation>Ширина глифа %d — %d пикс.; ширина глифа может быть от 0 до %d пикс.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontWriter.cpp" line="+201"/>
        <source>Cannot save a font of %d bits per pixel: only 1 (2 colours) and 2 (4 colours) are possible.</source>
        <translation>Нельзя сохранить шрифт с %d бит на пиксель: возможны только 1 (2 цвета) и 2 (4 цвета).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a Mediatek font holds at most %d.</source>
        <translation>Глифов в шрифте: %d; шрифт Mediatek вмещает не более %d.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a compressed Mediatek font holds at most %d.</source>
        <translation>Глифов в шрифте: %d; сжатый шрифт Mediatek вмещает не более %d.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glyph %d is %d pixels high; a Mediatek font holds at most %d rows.</source>
        <translation>Высота глифа %d — %d пикс.; шрифт Mediatek вмещает не более %d строк.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels high; every glyph of this font must be %d pixels high.</source>
        <translation>Высота глифа %d — %d пикс.; все глифы этого шрифта должны быть высотой %d пикс.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide.</source>
        <translation>Ширина глифа 0 — 0 пикс.; глифы моноширинного шрифта должны быть шириной не менее 1 пикселя.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph 0 is %d pixels wide; a 2-colour glyph can be at most %d pixels wide.</source>
        <translation>Ширина глифа 0 — %d пикс.; двухцветный глиф может быть шириной не более %d пикс.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels wide; a compressed glyph can be at most %d pixels wide.</source>
        <translation>Ширина глифа %d — %d пикс.; сжатый глиф может быть шириной не более %d пикс.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Glyph %d is %d pixels wide; in OLD compatibility mode a compressed glyph can be at most %d pixels wide.</source>
        <translation>Ширина глифа %d — %d пикс.; в режиме совместимости OLD сжатый глиф может быть шириной не более %d пикс.</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>The font has no glyphs; there is nothing to save.</source>
        <translation>В шрифте нет глифов; сохранять нечего.</translation>
    </message>
    <message>
        <location filename="../generate/ConversionTable.cpp" line="+37"/>
        <location filename="../generate/OptionsImport.cpp" line="+119"/>
        <location line="+20"/>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>&apos;%s&apos; — недопустимое целое значение</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>&quot;%s&quot; holds the section %s, which is no preset: a table file holds only numbered sections such as [1].</source>
        <translation>&quot;%s&quot; содержит раздел %s, который не является пресетом: файл таблицы содержит только нумерованные разделы, например [1].</translation>
    </message>
    <message>
        <location filename="../generate/FontCatalog.cpp" line="+22"/>
        <source>The font configuration could not be loaded.</source>
        <translation>Не удалось загрузить конфигурацию шрифтов.</translation>
    </message>
    <message>
        <location filename="../generate/FontEngine.cpp" line="+97"/>
        <source>The font &quot;%s&quot; is not installed.</source>
        <translation>Шрифт &quot;%s&quot; не установлен.</translation>
    </message>
    <message>
        <location filename="../generate/FontFace.cpp" line="-271"/>
        <source>The font rasteriser could not be started.</source>
        <translation>Не удалось запустить растеризатор шрифтов.</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>It is not a font file that can be read.</source>
        <translation>Это не файл шрифта, который можно прочитать.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The font cannot be drawn at this size.</source>
        <translation>Шрифт нельзя отрисовать в этом размере.</translation>
    </message>
    <message>
        <location filename="../generate/Generator.cpp" line="+385"/>
        <source>Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes</source>
        <translation>Шрифт: макс. ширина = %d (символ %d), высота = %d, размер файла = %d байт</translation>
    </message>
    <message>
        <location filename="../generate/PreviewLayout.cpp" line="+168"/>
        <source>A preview of %d x %d pixels cannot be made.</source>
        <translation>Не удаётся создать предпросмотр размером %d x %d пикселей.</translation>
    </message>
    <message>
        <location filename="../document/FontDocument.cpp" line="+38"/>
        <source>&quot;%s&quot; %s; the font in hand is kept.</source>
        <translation>&quot;%s&quot; %s; текущий шрифт не изменён.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>&quot;%s&quot; holds no presets (numbered sections such as [1]).</source>
        <translation>&quot;%s&quot; не содержит пресетов (нумерованных разделов, например [1]).</translation>
    </message>
    <message>
        <location filename="../font/BdfWriter.cpp" line="+212"/>
        <source>The font holds no glyphs; a BDF font needs at least one.</source>
        <translation>В шрифте нет глифов; шрифту BDF нужен хотя бы один.</translation>
    </message>
</context>
<context>
    <name>CoreName</name>
    <message>
        <location filename="../font/FileFormats.cpp" line="-78"/>
        <source>a Mediatek font</source>
        <translation>шрифт Mediatek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>Файл шрифта или двоичный файл (*.mtf,*.bin)|*.mtf;*.bin|Файл шрифта (.mtf)|*.mtf|Двоичный файл (*.bin)|*.bin|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>Файл шрифта Mediatek или двоичный файл (*.mtf,*.bin)|*.mtf;*.bin|Файл шрифта Mediatek (*.mtf)|*.mtf|Двоичный файл (*.bin)|*.bin|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a glyph strip BMP</source>
        <translation>BMP-полосу глифов</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>Файлы BMP (*.bmp)|*.bmp|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of glyph BMPs</source>
        <translation>папку с BMP-файлами глифов</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a FonTool text</source>
        <translation>текст FonTool</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a BDF font</source>
        <translation>шрифт BDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*</source>
        <translation>Шрифт BDF (*.bdf)|*.bdf|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../font/FileKind.cpp" line="+38"/>
        <source>%s (%s)</source>
        <translation>%s (%s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a conversion table</source>
        <translation>таблицу перекодировки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INI Files (*.ini)|*.ini|All Files (*.*)|*.*</source>
        <translation>Файлы INI (*.ini)|*.ini|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../generate/Rendering.cpp" line="+12"/>
        <source>Smooth</source>
        <translation>Сглаженный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp</source>
        <translation>Чёткий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp, auto-hinted</source>
        <translation>Чёткий, автохинтинг</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>Лёгкий</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../ui/LanguageChoice.cpp" line="+12"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Отклонить</translation>
    </message>
</context>
<context>
    <name>TCreationPage</name>
    <message>
        <location filename="../ui/CreationPage.cpp" line="+41"/>
        <source>Select Unicode Conversion Table...</source>
        <translation>Выбрать таблицу перекодировки Unicode...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>Пресет</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>4 color compr., variable width (OLD compatibility mode)</source>
        <translation>4 цвета, сжатие, перем. ширина (режим совместимости OLD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 color compr., variable width (NEW mode)</source>
        <translation>4 цвета, сжатие, перем. ширина (режим NEW)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../ui/FormatChoices.cpp" line="+23"/>
        <source>2 color uncompr., fix width</source>
        <translation>2 цвета, без сжатия, фикс. ширина</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>Сохранить как шрифт Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font</source>
        <translation>Сохранить шрифт Mediatek</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Primary Font</source>
        <translation>Основной шрифт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary Font</source>
        <translation>Запасной шрифт</translation>
    </message>
</context>
<context>
    <name>TFontFamilyCombo</name>
    <message>
        <location filename="../ui/FontFamilyCombo.cpp" line="+117"/>
        <source>&quot;%1&quot; is not installed: the nearest installed family draws it.</source>
        <translation>Шрифт &quot;%1&quot; не установлен: его рисует ближайшее установленное семейство.</translation>
    </message>
</context>
<context>
    <name>TFontPage</name>
    <message>
        <location filename="../ui/FontPage.cpp" line="+58"/>
        <source>Try to display Primary Font&apos;s invalid chars with this font:</source>
        <translation>Выводить недоступные символы осн. шрифта этим шрифтом:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Font dialog...</source>
        <translation>Диалог выбора шрифта...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Outline:</source>
        <translation>Контур:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows the glyphs move up (down when negative)</source>
        <translation>На сколько строк глифы сдвигаются вверх (вниз при отрицательном значении)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift:</source>
        <translation>Сдвиг:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Coverage from which a pixel is ink: lower is bolder</source>
        <translation>Покрытие, начиная с которого пиксель закрашивается: меньше — жирнее</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ink:</source>
        <translation>Порог:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rendering:</source>
        <translation>Отрисовка:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape Arabic forms</source>
        <translation>Строить арабские формы</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presentation forms the fonts lack are drawn by their shaping, and joining forms stay joined</source>
        <translation>Формы представления, которых нет в шрифтах, строятся контекстным формообразованием, а соединяемые формы остаются соединёнными</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import options from file or filename:</source>
        <translation>Импорт параметров из файла или имени файла:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import options from filename...</source>
        <translation>Импорт параметров из имени файла...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>centred</source>
        <translation>по центру</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>primary&apos;s</source>
        <translation>основного</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baseline:</source>
        <translation>Базовая линия:</translation>
    </message>
</context>
<context>
    <name>TFontSaveDialog</name>
    <message>
        <location filename="../ui/FontSaveDialog.cpp" line="+24"/>
        <source>Save Font Options Into Font</source>
        <translation>Сохранить параметры в файл шрифта</translation>
    </message>
</context>
<context>
    <name>TFormatChoices</name>
    <message>
        <location filename="../ui/FormatChoices.cpp" line="-3"/>
        <source>The BDF font has 1 bit per pixel and every glyph is %1 pixels wide. Which font type should it become?</source>
        <translation>Шрифт BDF имеет 1 бит на пиксель, и все глифы шириной %1 пикс. Каким типом шрифта он должен стать?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>4 color compr., variable width</source>
        <translation>4 цвета, сжатие, перем. ширина</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>How many bits per pixel should the BDF font have?</source>
        <translation>Сколько бит на пиксель должно быть у шрифта BDF?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 bits: all four colours</source>
        <translation>2 бита: все четыре цвета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 bit: ink and outline, for readers that know only 1 bit</source>
        <translation>1 бит: заливка и контур, для программ, поддерживающих только 1 бит</translation>
    </message>
</context>
<context>
    <name>TGenerationOptionsPanel</name>
    <message>
        <location filename="../ui/GenerationOptionsPanel.cpp" line="+30"/>
        <source>Font Character Generation Options</source>
        <translation>Параметры генерации символов</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cut left-right background columns</source>
        <translation>Обрезать фон слева и справа</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/WindowMessages.cpp" line="+38"/>
        <source>Min width:</source>
        <translation>Мин. ширина:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space chars min width:</source>
        <translation>Мин. ширина пробелов:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Numbers have same width</source>
        <translation>Цифры одной ширины</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;-&apos; has same width as numbers</source>
        <translation>&apos;-&apos; той же ширины, что цифры</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right margin:</source>
        <translation>Поле справа:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min height:</source>
        <translation>Мин. высота:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top cut:</source>
        <translation>Срез сверху:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom cut:</source>
        <translation>Срез снизу:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Widths are div. by</source>
        <translation>Ширина кратна</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Invalid Unicode Chars</source>
        <translation>Показывать недоступные символы</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background color2 for 0xA0</source>
        <translation>Второй цвет фона для 0xA0</translation>
    </message>
</context>
<context>
    <name>TGlyphEditCommands</name>
    <message>
        <location filename="../ui/GlyphEditCommands.cpp" line="+53"/>
        <source>Drawing</source>
        <translation>Рисование</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pad Colour</source>
        <translation>Цвет заполнения</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove Column at Left</source>
        <translation>Удаление столбца слева</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Column at Right</source>
        <translation>Удаление столбца справа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Left</source>
        <translation>Добавление столбца слева</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Right</source>
        <translation>Добавление столбца справа</translation>
    </message>
</context>
<context>
    <name>TGlyphEditor</name>
    <message>
        <location filename="../ui/GlyphEditor.cpp" line="+42"/>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second background</source>
        <translation>второй фон</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>grey</source>
        <translation>серый</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+5"/>
        <source>background</source>
        <translation>фон</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>outline</source>
        <translation>контур</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>white</source>
        <translation>белый</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>ink</source>
        <translation>заливка</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Glyph Editor</source>
        <translation>Редактор глифов</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&lt; Previous</source>
        <translation>&lt; Предыдущий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Следующий &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous glyph (Page Up)</source>
        <translation>Предыдущий глиф (Page Up)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next glyph (Page Down)</source>
        <translation>Следующий глиф (Page Down)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Left button: draw in the chosen colour. Right button: draw in the background colour.</source>
        <translation>Левая кнопка: рисовать выбранным цветом. Правая кнопка: рисовать цветом фона.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Отменить: %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Повторить: %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put the edited glyphs into the font</source>
        <translation>Перенести изменённые глифы в шрифт</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Colour</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Colour %1, %2: %3</source>
        <translation>Цвет %1, %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pick Colour</source>
        <translation>Взять цвет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a pixel to draw on in its colour</source>
        <translation>Щёлкните пиксель, чтобы рисовать его цветом</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pad colour:</source>
        <translation>Цвет заполнения:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fills the glyph&apos;s rows up to a multiple of 4 pixels in an OLD compatibility mode file</source>
        <translation>Дополняет строки глифа до числа пикселей, кратного 4, в файле режима совместимости OLD</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add at Left</source>
        <translation>Добавить слева</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s left edge</source>
        <translation>Добавить столбец фона у левого края глифа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Left</source>
        <translation>Удалить слева</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s left edge</source>
        <translation>Удалить столбец у левого края глифа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add at Right</source>
        <translation>Добавить справа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s right edge</source>
        <translation>Добавить столбец фона у правого края глифа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Right</source>
        <translation>Удалить справа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s right edge</source>
        <translation>Удалить столбец у правого края глифа</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Fixed-width font: every glyph gains or loses the column, so all stay as wide as glyph 0.</source>
        <translation>Моноширинный шрифт: столбец добавляется или удаляется у всех глифов, и все они остаются шириной с глиф 0.</translation>
    </message>
</context>
<context>
    <name>TGlyphReadOut</name>
    <message>
        <location filename="../ui/GlyphReadOut.cpp" line="+12"/>
        <source>Character = %1 (0x%2), Unicode = %3 (0x%4), Width = %5</source>
        <translation>Символ = %1 (0x%2), Unicode = %3 (0x%4), ширина = %5</translation>
    </message>
</context>
<context>
    <name>TStatusLine</name>
    <message>
        <location filename="../ui/StatusLine.cpp" line="+27"/>
        <source>0x%1 U+%2 “%3”</source>
        <translation>0x%1 U+%2 «%3»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>, top %1</source>
        <translation>, сверху %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, bottom %1</source>
        <translation>, снизу %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot be saved: %1</source>
        <translation>Нельзя сохранить: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 glyph clipped</source>
        <translation>Обрезан 1 глиф</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n glyphs clipped</source>
        <translation>
            <numerusform>Обрезан %n глиф</numerusform>
            <numerusform>Обрезано %n глифа</numerusform>
            <numerusform>Обрезано %n глифов</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ink cut at the top or bottom of the cell; the first: %1</source>
        <translation>Закрашенные пиксели обрезаны сверху или снизу ячейки; первый глиф: %1</translation>
    </message>
</context>
<context>
    <name>TToolsPage</name>
    <message>
        <location filename="../ui/ToolsPage.cpp" line="+30"/>
        <source>Open Mediatek Font...</source>
        <translation>Открыть шрифт Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Mediatek Font File...</source>
        <translation>Выберите файл шрифта Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font...</source>
        <translation>Сохранить шрифт Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>Сохранить как шрифт Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from BMP...</source>
        <translation>Импорт из BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select GlyphForgeTool Compatible BMP File...</source>
        <translation>Выберите BMP-файл, совместимый с GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BMP...</source>
        <translation>Экспорт в BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As GlyphForgeTool Compatible BMP File...</source>
        <translation>Сохранить как BMP-файл, совместимый с GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Characters to Separate BMPs...</source>
        <translation>Экспорт символов в отдельные BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select output folder for separeate bmp files:</source>
        <translation>Выберите папку для отдельных BMP-файлов:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from FonTool Text format...</source>
        <translation>Импорт из текста FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select FonTool Format TXT File...</source>
        <translation>Выберите TXT-файл формата FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to FonTool Text format...</source>
        <translation>Экспорт в текст FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As FonTool Format TXT File...</source>
        <translation>Сохранить как TXT-файл формата FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import BDF...</source>
        <translation>Импорт BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select BDF Font File...</source>
        <translation>Выберите файл шрифта BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BDF...</source>
        <translation>Экспорт в BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As BDF Font File...</source>
        <translation>Сохранить как файл шрифта BDF...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import &amp;&amp; Export</source>
        <translation>Импорт &amp;&amp; экспорт</translation>
    </message>
</context>
<context>
    <name>TZoomBox</name>
    <message>
        <location filename="../ui/ZoomBox.cpp" line="+14"/>
        <source>Zoom (Ctrl + mouse wheel, Ctrl + plus, Ctrl + minus, Ctrl + 0)</source>
        <translation>Масштаб (Ctrl + колесо мыши, Ctrl + плюс, Ctrl + минус, Ctrl + 0)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../ui/MainWindow.cpp" line="+102"/>
        <source>Font Creation</source>
        <translation>Создание шрифта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font Tools</source>
        <translation>Инструменты шрифта</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>No conversion table was found at &quot;%1&quot;. Load one with the button &quot;%2&quot; beside the preset list on &quot;%3&quot;, or drop %4 on the window; then pick a preset.</source>
        <translation>Таблица перекодировки не найдена: &quot;%1&quot;. Загрузите её кнопкой &quot;%2&quot; рядом со списком пресетов на вкладке &quot;%3&quot; или перетащите в окно %4, затем выберите пресет.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 The presets in use are kept.</source>
        <translation>%1 Текущие пресеты остаются.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Text width: %1 | Text window size: %2x%3</source>
        <translation>Ширина текста: %1 | Размер окна текста: %2x%3</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Select GlyphForgeTool created mediatek font...</source>
        <translation>Выберите шрифт Mediatek, созданный в GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; holds no options: no options were saved into it, and its name is no options text such as a saved font&apos;s proposed name. The options stay as they are.</source>
        <translation>&quot;%1&quot; не содержит параметров: параметры в него не сохранялись, а его имя не является текстом параметров, как предлагаемое имя сохранённого шрифта. Параметры остаются прежними.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing to save: load a conversion table with &quot;%1&quot; beside the preset list, and pick a preset with more than one character first.</source>
        <translation>Нечего сохранять: сначала загрузите таблицу перекодировки кнопкой &quot;%1&quot; рядом со списком пресетов и выберите пресет, в котором больше одного символа.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The options saved into the font describe it as they generated it, before the glyph edits.</source>
        <translation>Параметры, сохранённые в шрифт, описывают его таким, каким они его создали, — до правки глифов.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Nothing to save: open a font here, or pick a preset on &quot;%1&quot;, first.</source>
        <translation>Нечего сохранять: сначала откройте здесь шрифт или выберите пресет на вкладке &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Wrote %1 glyph BMPs to &quot;%2&quot;.</source>
        <translation>Записано BMP-файлов глифов: %1, папка &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 glyphs to &quot;%2&quot;.</source>
        <translation>Записано глифов: %1, файл &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drop one file at a time.</source>
        <translation>Перетаскивайте файлы по одному.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>&quot;%1&quot; — не файл на этом компьютере.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The font has glyph edits that are not saved. Discard them?</source>
        <translation>В шрифте есть несохранённые правки глифов. Отбросить их?</translation>
    </message>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="-15"/>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Character %1 is %2 pixels wide, wider than &quot;%3&quot; %4, so the font type went back to &quot;%5&quot;. Choose &quot;%6&quot; again: it raises &quot;%3&quot; to %7.</source>
        <translation>Символ %1 шириной %2 пикс. шире, чем &quot;%3&quot; %4, поэтому тип шрифта возвращён к &quot;%5&quot;. Выберите &quot;%6&quot; снова: это поднимет &quot;%3&quot; до %7.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;%1&quot; cannot be opened here. Drop %2.</source>
        <translation>&quot;%1&quot; нельзя открыть здесь. Перетащите %2.</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <location filename="../ui/SplashWindow.cpp" line="+70"/>
        <source>%1 is starting...</source>
        <translation>%1 запускается...</translation>
    </message>
</context>
</TS>
