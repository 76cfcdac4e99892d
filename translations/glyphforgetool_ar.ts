<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ApplicationTitle</name>
    <message>
        <location filename="../ui/ApplicationTitle.cpp" line="+19"/>
        <source>%1 by %2 (aka %3)</source>
        <translation>%1 من إعداد %2 (المعروف بـ %3)</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <location filename="../font/BdfImport.cpp" line="+52"/>
        <source>The 2-colour type needs one width for every glyph; the BDF font&apos;s glyphs are %d (&quot;%s&quot;, code %d) to %d (&quot;%s&quot;, code %d) pixels wide.</source>
        <translation>يحتاج النوع ذو اللونين عرضًا واحدًا لكل أشكال الحروف؛ وعروض أشكال حروف خط BDF تمتد من %d (&quot;%s&quot;، الرمز %d) إلى %d (&quot;%s&quot;، الرمز %d) بكسل.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>In the 2-colour type the %d codes the BDF font leaves out below its last glyph would be blank cells of %d x %d pixels, more than the %llu pixels such cells may take.</source>
        <translation>في النوع ذي اللونين ستصبح الرموز الـ %d التي يتركها خط BDF قبل آخر شكل حرف فيه خلايا فارغة بحجم %d x %d بكسل، أي أكثر من %llu بكسل يُسمح لهذه الخلايا بشغلها.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The BDF font was imported, with these changes:</source>
        <translation>استُورد خط BDF مع هذه التغييرات:</translation>
    </message>
    <message>
        <location filename="../font/BdfReader.cpp" line="+152"/>
        <source>The file ends without ENDFONT: it may be cut short.</source>
        <translation>ينتهي الملف دون ENDFONT: ربما يكون مبتورًا.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CHARS does not count the %d glyphs that follow.</source>
        <translation>لا يطابق CHARS عدد أشكال الحروف التي تليه، وهو %d.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The BDF font has %s bits per pixel; 1, 2, 4 or 8 can be read.</source>
        <translation>لخط BDF %s بت لكل بكسل؛ يمكن قراءة 1 أو 2 أو 4 أو 8.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not a BDF font file: it does not start with STARTFONT.</source>
        <translation>ليس ملف خط BDF: لا يبدأ بـ STARTFONT.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>STARTPROPERTIES does not count the %d properties that follow.</source>
        <translation>لا يطابق STARTPROPERTIES عدد الخصائص التي تليه، وهو %d.</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+157"/>
        <source>&quot;%s&quot; (code %d)</source>
        <translation>&quot;%s&quot; (الرمز %d)</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>The BDF font asks for more than %llu pixels, far more than its %zu bytes can describe.</source>
        <translation>يطلب خط BDF أكثر من %llu بكسل، أي أكثر بكثير مما تستطيع بايتاته الـ %zu وصفه.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The BDF font&apos;s glyphs need a cell %d pixels high (%d above the baseline, %d below); a font can be at most %d pixels high.</source>
        <translation>تحتاج أشكال حروف خط BDF خلية بارتفاع %d بكسل (%d فوق خط الأساس، و%d تحته)؛ وأقصى ارتفاع للخط %d بكسل.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cell was made %d pixels high instead of FONT_ASCENT + FONT_DESCENT = %d, to hold the ink of %d glyphs (the first %s).</source>
        <translation>جُعل ارتفاع الخلية %d بكسل بدلًا من FONT_ASCENT + FONT_DESCENT = %d، لتتسع لحبر %d من أشكال الحروف (أولها %s).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The BDF font holds no glyph that can be imported.</source>
        <translation>لا يحوي خط BDF أي شكل حرف يمكن استيراده.</translation>
    </message>
    <message>
        <location filename="../font/BdfWarnings.cpp" line="+13"/>
        <source>Glyphs ending without ENDCHAR, read as far as they go</source>
        <translation>أشكال حروف تنتهي دون ENDCHAR، قُرئت إلى حيث تنتهي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without ENCODING, skipped</source>
        <translation>أشكال حروف دون ENCODING، تُخطّيت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ENCODING -1 or a code beyond 0..65534, skipped</source>
        <translation>أشكال حروف بـ ENCODING -1 أو برمز خارج 0..65534، تُخطّيت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs repeating the code of an earlier glyph, skipped</source>
        <translation>أشكال حروف تكرر رمز شكل حرف سابق، تُخطّيت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without BBX, placed by FONTBOUNDINGBOX</source>
        <translation>أشكال حروف دون BBX، وُضعت وفق FONTBOUNDINGBOX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs without a sound BBX of at most 255 x 255 pixels, skipped</source>
        <translation>أشكال حروف دون BBX سليم لا يتجاوز 255 x 255 بكسل، تُخطّيت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without DWIDTH, as wide as their box reaches</source>
        <translation>أشكال حروف دون DWIDTH، عرضها بقدر امتداد صندوقها</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs with a damaged DWIDTH, skipped</source>
        <translation>أشكال حروف ذات DWIDTH تالف، تُخطّيت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs that would be wider than 255 pixels, skipped</source>
        <translation>أشكال حروف يتجاوز عرضها 255 بكسل، تُخطّيت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ink outside their DWIDTH, widened to hold it</source>
        <translation>أشكال حروف فيها حبر خارج DWIDTH، وُسّعت لتتسع له</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with fewer bitmap rows than their BBX height, the missing rows blank</source>
        <translation>أشكال حروف صفوف صورتها النقطية أقل من ارتفاع BBX، والصفوف الناقصة فارغة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with more bitmap rows than their BBX height, the extra rows dropped</source>
        <translation>أشكال حروف صفوف صورتها النقطية أكثر من ارتفاع BBX، وحُذفت الصفوف الزائدة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with bitmap rows of the wrong length or with other than hex digits, the missing pixels blank</source>
        <translation>أشكال حروف صفوف صورتها النقطية بطول خاطئ أو فيها غير الأرقام الست عشرية، والبكسلات الناقصة فارغة</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%s: %d, the first %s.</source>
        <translation>%s: %d، أولها %s.</translation>
    </message>
    <message>
        <location filename="../font/Errors.h" line="+41"/>
        <source>Range check error</source>
        <translation>خطأ في التحقق من النطاق</translation>
    </message>
    <message>
        <location filename="../font/FileFormats.cpp" line="+40"/>
        <location filename="../font/FileIo.cpp" line="+41"/>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>تعذّر إنشاء الملف &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be made.</source>
        <translation>تعذّر إنشاء المجلد.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>is not an 8-bit palette picture</source>
        <translation>ليس صورة بلوحة ألوان 8 بت</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>holds no FonTool font (no glyph starting with &quot;#G&quot;)</source>
        <translation>لا يحوي خط FonTool (لا شكل حرف يبدأ بـ &quot;#G&quot;)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%s&quot;: %s</source>
        <translation>&quot;%s&quot;: %s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>use %s, or a folder ending in &quot;/&quot; for glyph BMPs</source>
        <translation>استخدم %s، أو مجلدًا ينتهي بـ &quot;/&quot; لملفات BMP لأشكال الحروف</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown font format.</source>
        <translation>صيغة خط غير معروفة.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%s can be written but not read</source>
        <translation>%s يمكن كتابته لا قراءته</translation>
    </message>
    <message>
        <location filename="../font/FileIo.cpp" line="-12"/>
        <location line="+4"/>
        <location filename="../generate/FontFace.cpp" line="+266"/>
        <location line="+34"/>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>تعذّر فتح الملف &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <source>Error writing file &quot;%s&quot;. %s</source>
        <translation>خطأ في كتابة الملف &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location filename="../font/GlyphEdits.cpp" line="+44"/>
        <source> In a fixed-width font every glyph grows with glyph 0.</source>
        <translation> في الخط الثابت العرض يزداد عرض كل شكل حرف مع شكل الحرف 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In a fixed-width font every glyph shrinks with glyph 0.</source>
        <translation> في الخط الثابت العرض يقلّ عرض كل شكل حرف مع شكل الحرف 0.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Glyph %d is %d pixels wide already, the most a font file can hold.%s</source>
        <translation>عرض شكل الحرف %d هو %d بكسل أصلًا، وهو أقصى ما يتسع له ملف الخط.%s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Glyph 0 has one column left, the least a fixed-width font can hold.%s</source>
        <translation>بقي لشكل الحرف 0 عمود واحد، وهو أقل ما يقبله خط ثابت العرض.%s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph %d has no column left to remove.%s</source>
        <translation>لم يبق لشكل الحرف %d عمود لإزالته.%s</translation>
    </message>
    <message>
        <location filename="../font/ImageFile.cpp" line="+21"/>
        <source>Cannot create file &quot;%s&quot;. The %s picture could not be encoded.</source>
        <translation>تعذّر إنشاء الملف &quot;%s&quot;. تعذّر ترميز صورة %s.</translation>
    </message>
    <message>
        <location filename="../font/MtkFont.cpp" line="+85"/>
        <source>Not a Mediatek FON file.</source>
        <translation>ليس ملف FON من Mediatek.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown compression type.</source>
        <translation>نوع ضغط غير معروف.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown font type.</source>
        <translation>نوع خط غير معروف.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error #%d.</source>
        <translation>الخطأ رقم %d.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontBmp.cpp" line="+33"/>
        <source>A picture of %d x %d pixels cannot be made.</source>
        <translation>لا يمكن إنشاء صورة بحجم %d x %d بكسل.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>A font of height 0 cannot be saved as a BMP picture.</source>
        <translation>لا يمكن حفظ خط ارتفاعه 0 كصورة BMP.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The glyph strip is too wide for a BMP picture.</source>
        <translation>شريط أشكال الحروف أعرض من أن تحمله صورة BMP.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bitmap image is not valid: &quot;%s&quot;</source>
        <translation>الصورة النقطية غير صالحة: &quot;%s&quot;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bitmap image is not valid</source>
        <translation>الصورة النقطية غير صالحة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The picture is %d rows high; a font can be at most %d rows high.</source>
        <translation>ارتفاع الصورة %d صفًا؛ وأقصى ارتفاع للخط %d صفًا.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontReader.cpp" line="+154"/>
        <source>The glyph data ends early: %d of %d glyphs are cut short, and their missing pixels show as colour 0.</source>
        <translation>تنتهي بيانات أشكال الحروف مبكرًا: %d من أصل %d شكل حرف مبتورة، وتظهر بكسلاتها الناقصة باللون 0.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+47"/>
        <source>Glyph data truncated</source>
        <translation>بيانات أشكال الحروف مبتورة</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width table truncated</source>
        <translation>جدول العروض مبتور</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offset table truncated</source>
        <translation>جدول الإزاحات مبتور</translation>
    </message>
    <message>
        <location filename="../font/MtkFontText.cpp" line="+61"/>
        <source>List index out of bounds (%d)</source>
        <translation>فهرس القائمة خارج الحدود (%d)</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The text&apos;s glyph height %d is above %d, the largest font height.</source>
        <translation>ارتفاع أشكال الحروف في النص %d يتجاوز %d، وهو أقصى ارتفاع للخط.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Glyph %d is %d pixels wide; a glyph can be 0 to %d pixels wide.</source>
        <translation>عرض شكل الحرف %d هو %d بكسل؛ ويمكن أن يكون عرض شكل الحرف من 0 إلى %d بكسل.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontWriter.cpp" line="+201"/>
        <source>Cannot save a font of %d bits per pixel: only 1 (2 colours) and 2 (4 colours) are possible.</source>
        <translation>تعذّر حفظ خط بـ %d بت لكل بكسل: الممكن فقط 1 (لونان) و2 (4 ألوان).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a Mediatek font holds at most %d.</source>
        <translation>عدد أشكال حروف الخط %d؛ وخط Mediatek يحمل %d على الأكثر.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a compressed Mediatek font holds at most %d.</source>
        <translation>عدد أشكال حروف الخط %d؛ وخط Mediatek المضغوط يحمل %d على الأكثر.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glyph %d is %d pixels high; a Mediatek font holds at most %d rows.</source>
        <translation>ارتفاع شكل الحرف %d هو %d بكسل؛ وخط Mediatek يحمل %d صفًا على الأكثر.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels high; every glyph of this font must be %d pixels high.</source>
        <translation>ارتفاع شكل الحرف %d هو %d بكسل؛ ويجب أن يكون ارتفاع كل أشكال حروف هذا الخط %d بكسل.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide.</source>
        <translation>عرض شكل الحرف 0 هو 0 بكسل؛ ويجب ألا يقل عرض أشكال حروف الخط الثابت العرض عن بكسل واحد.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph 0 is %d pixels wide; a 2-colour glyph can be at most %d pixels wide.</source>
        <translation>عرض شكل الحرف 0 هو %d بكسل؛ وأقصى عرض لشكل حرف بلونين %d بكسل.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels wide; a compressed glyph can be at most %d pixels wide.</source>
        <translation>عرض شكل الحرف %d هو %d بكسل؛ وأقصى عرض لشكل حرف مضغوط %d بكسل.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Glyph %d is %d pixels wide; in OLD compatibility mode a compressed glyph can be at most %d pixels wide.</source>
        <translation>عرض شكل الحرف %d هو %d بكسل؛ وفي وضع التوافق OLD أقصى عرض لشكل حرف مضغوط %d بكسل.</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>The font has no glyphs; there is nothing to save.</source>
        <translation>لا أشكال حروف في الخط؛ فلا شيء للحفظ.</translation>
    </message>
    <message>
        <location filename="../generate/ConversionTable.cpp" line="+37"/>
        <location filename="../generate/OptionsImport.cpp" line="+119"/>
        <location line="+20"/>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>&apos;%s&apos; ليس عددًا صحيحًا صالحًا</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>&quot;%s&quot; holds the section %s, which is no preset: a table file holds only numbered sections such as [1].</source>
        <translation>يحوي &quot;%s&quot; القسم %s، وهو ليس إعدادًا مسبقًا: لا يحوي ملف الجدول إلا أقسامًا مرقّمة مثل [1].</translation>
    </message>
    <message>
        <location filename="../generate/FontCatalog.cpp" line="+22"/>
        <source>The font configuration could not be loaded.</source>
        <translation>تعذّر تحميل تهيئة الخطوط.</translation>
    </message>
    <message>
        <location filename="../generate/FontEngine.cpp" line="+97"/>
        <source>The font &quot;%s&quot; is not installed.</source>
        <translation>الخط &quot;%s&quot; غير مثبّت.</translation>
    </message>
    <message>
        <location filename="../generate/FontFace.cpp" line="-271"/>
        <source>The font rasteriser could not be started.</source>
        <translation>تعذّر تشغيل محرك تنقيط الخطوط.</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>It is not a font file that can be read.</source>
        <translation>ليس ملف خط يمكن قراءته.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The font cannot be drawn at this size.</source>
        <translation>تعذّر رسم الخط بهذا الحجم.</translation>
    </message>
    <message>
        <location filename="../generate/Generator.cpp" line="+385"/>
        <source>Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes</source>
        <translation>الخط: أقصى عرض = %d (المحرف %d)، الارتفاع = %d، حجم الملف = %d بايت</translation>
    </message>
    <message>
        <location filename="../generate/PreviewLayout.cpp" line="+168"/>
        <source>A preview of %d x %d pixels cannot be made.</source>
        <translation>لا يمكن إنشاء معاينة بحجم %d x %d بكسل.</translation>
    </message>
    <message>
        <location filename="../document/FontDocument.cpp" line="+38"/>
        <source>&quot;%s&quot; %s; the font in hand is kept.</source>
        <translation>&quot;%s&quot; %s؛ يبقى الخط الحالي.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>&quot;%s&quot; holds no presets (numbered sections such as [1]).</source>
        <translation>لا يحوي &quot;%s&quot; إعدادات مسبقة (أقسامًا مرقّمة مثل [1]).</translation>
    </message>
    <message>
        <location filename="../font/BdfWriter.cpp" line="+212"/>
        <source>The font holds no glyphs; a BDF font needs at least one.</source>
        <translation>لا يحوي الخط أي شكل حرف؛ يحتاج خط BDF إلى شكل حرف واحد على الأقل.</translation>
    </message>
</context>
<context>
    <name>CoreName</name>
    <message>
        <location filename="../font/FileFormats.cpp" line="-78"/>
        <source>a Mediatek font</source>
        <translation>خط Mediatek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>ملف خط أو ملف ثنائي (*.mtf,*.bin)|*.mtf;*.bin|ملف خط (.mtf)|*.mtf|ملف ثنائي (*.bin)|*.bin|كل الملفات (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>ملف خط Mediatek أو ملف ثنائي (*.mtf,*.bin)|*.mtf;*.bin|ملف خط Mediatek (*.mtf)|*.mtf|ملف ثنائي (*.bin)|*.bin|كل الملفات (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a glyph strip BMP</source>
        <translation>شريط أشكال حروف BMP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>ملفات الصور النقطية (*.bmp)|*.bmp|كل الملفات (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of glyph BMPs</source>
        <translation>مجلد ملفات BMP لأشكال الحروف</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a FonTool text</source>
        <translation>نص FonTool</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>ملفات نصية (*.txt)|*.txt|كل الملفات (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a BDF font</source>
        <translation>خط BDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*</source>
        <translation>خط BDF (*.bdf)|*.bdf|كل الملفات (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../font/FileKind.cpp" line="+38"/>
        <source>%s (%s)</source>
        <translation>%s (%s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a conversion table</source>
        <translation>جدول تحويل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INI Files (*.ini)|*.ini|All Files (*.*)|*.*</source>
        <translation>ملفات INI (*.ini)|*.ini|كل الملفات (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../generate/Rendering.cpp" line="+12"/>
        <source>Smooth</source>
        <translation>ناعم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp</source>
        <translation>حاد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp, auto-hinted</source>
        <translation>حاد، بتلميح آلي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>خفيف</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../ui/LanguageChoice.cpp" line="+12"/>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>تجاهل</translation>
    </message>
</context>
<context>
    <name>TCreationPage</name>
    <message>
        <location filename="../ui/CreationPage.cpp" line="+41"/>
        <source>Select Unicode Conversion Table...</source>
        <translation>اختيار جدول تحويل Unicode...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>إعداد مسبق</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>4 color compr., variable width (OLD compatibility mode)</source>
        <translation>4 ألوان مضغوط، عرض متغير (وضع التوافق OLD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 color compr., variable width (NEW mode)</source>
        <translation>4 ألوان مضغوط، عرض متغير (الوضع NEW)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../ui/FormatChoices.cpp" line="+23"/>
        <source>2 color uncompr., fix width</source>
        <translation>لونان غير مضغوط، عرض ثابت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>حفظ كخط Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font</source>
        <translation>حفظ خط Mediatek</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Primary Font</source>
        <translation>الخط الرئيسي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary Font</source>
        <translation>الخط الثانوي</translation>
    </message>
</context>
<context>
    <name>TFontFamilyCombo</name>
    <message>
        <location filename="../ui/FontFamilyCombo.cpp" line="+117"/>
        <source>&quot;%1&quot; is not installed: the nearest installed family draws it.</source>
        <translation>&quot;%1&quot; غير مثبّت: تعرضه أقرب عائلة خطوط مثبّتة.</translation>
    </message>
</context>
<context>
    <name>TFontPage</name>
    <message>
        <location filename="../ui/FontPage.cpp" line="+58"/>
        <source>Try to display Primary Font&apos;s invalid chars with this font:</source>
        <translation>حاول عرض محارف الخط الرئيسي غير الصالحة بهذا الخط:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Font dialog...</source>
        <translation>حوار الخط...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size:</source>
        <translation>الحجم:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bold</source>
        <translation>عريض</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Italic</source>
        <translation>مائل</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Outline:</source>
        <translation>الحد الخارجي:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows the glyphs move up (down when negative)</source>
        <translation>عدد الصفوف التي تنتقل بها أشكال الحروف إلى الأعلى (إلى الأسفل عند القيم السالبة)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift:</source>
        <translation>إزاحة:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Coverage from which a pixel is ink: lower is bolder</source>
        <translation>التغطية التي يُعدّ البكسل ابتداءً منها حبرًا: كلما قلّت ازداد السُّمك</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ink:</source>
        <translation>الحبر:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rendering:</source>
        <translation>التصيير:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape Arabic forms</source>
        <translation>تشكيل الصيغ العربية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presentation forms the fonts lack are drawn by their shaping, and joining forms stay joined</source>
        <translation>تُرسم صيغ العرض التي تفتقدها الخطوط بتشكيل الخطوط نفسها، وتبقى صيغ الوصل موصولة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import options from file or filename:</source>
        <translation>استيراد الخيارات من ملف أو اسم ملف:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import options from filename...</source>
        <translation>استيراد الخيارات من اسم الملف...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>centred</source>
        <translation>في الوسط</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>primary&apos;s</source>
        <translation>كالرئيسي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baseline:</source>
        <translation>خط الأساس:</translation>
    </message>
</context>
<context>
    <name>TFontSaveDialog</name>
    <message>
        <location filename="../ui/FontSaveDialog.cpp" line="+24"/>
        <source>Save Font Options Into Font</source>
        <translation>حفظ خيارات الخط داخل الخط</translation>
    </message>
</context>
<context>
    <name>TFormatChoices</name>
    <message>
        <location filename="../ui/FormatChoices.cpp" line="-3"/>
        <source>The BDF font has 1 bit per pixel and every glyph is %1 pixels wide. Which font type should it become?</source>
        <translation>خط BDF بعمق 1 بت لكل بكسل، وعرض كل شكل حرف فيه %1 بكسل. إلى أي نوع خط يجب تحويله؟</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>4 color compr., variable width</source>
        <translation>4 ألوان مضغوط، عرض متغير</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>How many bits per pixel should the BDF font have?</source>
        <translation>كم بتًا لكل بكسل يجب أن يكون لخط BDF؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 bits: all four colours</source>
        <translation>2 بت: الألوان الأربعة كلها</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 bit: ink and outline, for readers that know only 1 bit</source>
        <translation>1 بت: الحبر والحد الخارجي، للبرامج التي لا تقرأ إلا 1 بت</translation>
    </message>
</context>
<context>
    <name>TGenerationOptionsPanel</name>
    <message>
        <location filename="../ui/GenerationOptionsPanel.cpp" line="+30"/>
        <source>Font Character Generation Options</source>
        <translation>خيارات توليد محارف الخط</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cut left-right background columns</source>
        <translation>قص أعمدة الخلفية يمينًا ويسارًا</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/WindowMessages.cpp" line="+38"/>
        <source>Min width:</source>
        <translation>أدنى عرض:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space chars min width:</source>
        <translation>أدنى عرض للمسافة:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Numbers have same width</source>
        <translation>للأرقام عرض واحد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;-&apos; has same width as numbers</source>
        <translation>&apos;-&apos; بعرض الأرقام</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right margin:</source>
        <translation>الهامش الأيمن:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min height:</source>
        <translation>أدنى ارتفاع:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top cut:</source>
        <translation>قص علوي:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom cut:</source>
        <translation>قص سفلي:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Widths are div. by</source>
        <translation>العرض من مضاعفات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Invalid Unicode Chars</source>
        <translation>عرض محارف Unicode غير الصالحة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background color2 for 0xA0</source>
        <translation>لون الخلفية 2 لـ 0xA0</translation>
    </message>
</context>
<context>
    <name>TGlyphEditCommands</name>
    <message>
        <location filename="../ui/GlyphEditCommands.cpp" line="+53"/>
        <source>Drawing</source>
        <translation>الرسم</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pad Colour</source>
        <translation>لون الحشو</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove Column at Left</source>
        <translation>إزالة عمود يسارًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Column at Right</source>
        <translation>إزالة عمود يمينًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Left</source>
        <translation>إضافة عمود يسارًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Right</source>
        <translation>إضافة عمود يمينًا</translation>
    </message>
</context>
<context>
    <name>TGlyphEditor</name>
    <message>
        <location filename="../ui/GlyphEditor.cpp" line="+42"/>
        <source>red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second background</source>
        <translation>الخلفية الثانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+5"/>
        <source>background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>outline</source>
        <translation>الحد الخارجي</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>white</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>ink</source>
        <translation>الحبر</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Glyph Editor</source>
        <translation>محرر أشكال الحروف</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&lt; Previous</source>
        <translation>&lt; السابق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>التالي &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous glyph (Page Up)</source>
        <translation>شكل الحرف السابق (Page Up)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next glyph (Page Down)</source>
        <translation>شكل الحرف التالي (Page Down)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Left button: draw in the chosen colour. Right button: draw in the background colour.</source>
        <translation>الزر الأيسر: ارسم باللون المختار. الزر الأيمن: ارسم بلون الخلفية.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>تراجع عن %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>إعادة %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put the edited glyphs into the font</source>
        <translation>ضع أشكال الحروف المعدّلة في الخط</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Colour %1, %2: %3</source>
        <translation>اللون %1، %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pick Colour</source>
        <translation>التقاط لون</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a pixel to draw on in its colour</source>
        <translation>انقر بكسلًا لتواصل الرسم بلونه</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pad colour:</source>
        <translation>لون الحشو:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fills the glyph&apos;s rows up to a multiple of 4 pixels in an OLD compatibility mode file</source>
        <translation>يملأ صفوف شكل الحرف حتى مضاعف 4 بكسلات في ملف بوضع التوافق OLD</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add at Left</source>
        <translation>إضافة يسارًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s left edge</source>
        <translation>يضيف عمودًا من الخلفية عند الحافة اليسرى لشكل الحرف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Left</source>
        <translation>إزالة يسارًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s left edge</source>
        <translation>يزيل العمود عند الحافة اليسرى لشكل الحرف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add at Right</source>
        <translation>إضافة يمينًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s right edge</source>
        <translation>يضيف عمودًا من الخلفية عند الحافة اليمنى لشكل الحرف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Right</source>
        <translation>إزالة يمينًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s right edge</source>
        <translation>يزيل العمود عند الحافة اليمنى لشكل الحرف</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Fixed-width font: every glyph gains or loses the column, so all stay as wide as glyph 0.</source>
        <translation>خط ثابت العرض: يكسب كل شكل حرف العمود أو يفقده، فتبقى كلها بعرض شكل الحرف 0.</translation>
    </message>
</context>
<context>
    <name>TGlyphReadOut</name>
    <message>
        <location filename="../ui/GlyphReadOut.cpp" line="+12"/>
        <source>Character = %1 (0x%2), Unicode = %3 (0x%4), Width = %5</source>
        <translation>المحرف = %1 (0x%2)، Unicode = %3 (0x%4)، العرض = %5</translation>
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
        <translation>، من الأعلى %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, bottom %1</source>
        <translation>، من الأسفل %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot be saved: %1</source>
        <translation>لا يمكن الحفظ: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 glyph clipped</source>
        <translation>شكل حرف واحد مقصوص</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n glyphs clipped</source>
        <translation>
            <numerusform>%n شكل حرف مقصوص</numerusform>
            <numerusform>%n شكل حرف مقصوص</numerusform>
            <numerusform>%n شكلا حرف مقصوصان</numerusform>
            <numerusform>%n أشكال حروف مقصوصة</numerusform>
            <numerusform>%n شكل حرف مقصوصًا</numerusform>
            <numerusform>%n شكل حرف مقصوص</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ink cut at the top or bottom of the cell; the first: %1</source>
        <translation>حبر مقصوص أعلى الخلية أو أسفلها؛ الأول: %1</translation>
    </message>
</context>
<context>
    <name>TToolsPage</name>
    <message>
        <location filename="../ui/ToolsPage.cpp" line="+30"/>
        <source>Open Mediatek Font...</source>
        <translation>فتح خط Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Mediatek Font File...</source>
        <translation>اختيار ملف خط Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font...</source>
        <translation>حفظ خط Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>حفظ كخط Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from BMP...</source>
        <translation>استيراد من BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select GlyphForgeTool Compatible BMP File...</source>
        <translation>اختيار ملف BMP متوافق مع GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BMP...</source>
        <translation>تصدير إلى BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As GlyphForgeTool Compatible BMP File...</source>
        <translation>حفظ كملف BMP متوافق مع GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Characters to Separate BMPs...</source>
        <translation>تصدير المحارف إلى ملفات BMP منفصلة...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select output folder for separeate bmp files:</source>
        <translation>اختر مجلد الإخراج لملفات BMP المنفصلة:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from FonTool Text format...</source>
        <translation>استيراد من صيغة نص FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select FonTool Format TXT File...</source>
        <translation>اختيار ملف TXT بصيغة FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to FonTool Text format...</source>
        <translation>تصدير إلى صيغة نص FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As FonTool Format TXT File...</source>
        <translation>حفظ كملف TXT بصيغة FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import BDF...</source>
        <translation>استيراد BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select BDF Font File...</source>
        <translation>اختيار ملف خط BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BDF...</source>
        <translation>تصدير إلى BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As BDF Font File...</source>
        <translation>حفظ كملف خط BDF...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import &amp;&amp; Export</source>
        <translation>استيراد &amp;&amp; تصدير</translation>
    </message>
</context>
<context>
    <name>TZoomBox</name>
    <message>
        <location filename="../ui/ZoomBox.cpp" line="+14"/>
        <source>Zoom (Ctrl + mouse wheel, Ctrl + plus, Ctrl + minus, Ctrl + 0)</source>
        <translation>التكبير (Ctrl + عجلة الفأرة، Ctrl + زائد، Ctrl + ناقص، Ctrl + 0)</translation>
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
        <translation>إنشاء الخط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font Tools</source>
        <translation>أدوات الخط</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>No conversion table was found at &quot;%1&quot;. Load one with the button &quot;%2&quot; beside the preset list on &quot;%3&quot;, or drop %4 on the window; then pick a preset.</source>
        <translation>لم يُعثر على جدول تحويل في &quot;%1&quot;. حمّل جدولًا بالزر &quot;%2&quot; بجانب قائمة الإعدادات المسبقة في &quot;%3&quot;، أو أفلت %4 على النافذة؛ ثم اختر إعدادًا مسبقًا.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 The presets in use are kept.</source>
        <translation>%1 تبقى الإعدادات المسبقة المستخدمة كما هي.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Text width: %1 | Text window size: %2x%3</source>
        <translation>عرض النص: %1 | حجم نافذة النص: %2x%3</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Select GlyphForgeTool created mediatek font...</source>
        <translation>اختيار خط Mediatek أنشأه GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; holds no options: no options were saved into it, and its name is no options text such as a saved font&apos;s proposed name. The options stay as they are.</source>
        <translation>لا يحوي &quot;%1&quot; أي خيارات: لم تُحفظ فيه خيارات، واسمه ليس نص خيارات مثل الاسم المقترح لخط محفوظ. تبقى الخيارات كما هي.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing to save: load a conversion table with &quot;%1&quot; beside the preset list, and pick a preset with more than one character first.</source>
        <translation>لا شيء للحفظ: حمّل أولًا جدول تحويل بالزر &quot;%1&quot; بجانب قائمة الإعدادات المسبقة، واختر إعدادًا مسبقًا فيه أكثر من محرف واحد.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The options saved into the font describe it as they generated it, before the glyph edits.</source>
        <translation>تصف الخيارات المحفوظة في الخط الخطَّ كما ولّدته، قبل تعديلات أشكال الحروف.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Nothing to save: open a font here, or pick a preset on &quot;%1&quot;, first.</source>
        <translation>لا شيء للحفظ: افتح خطًا هنا أولًا، أو اختر إعدادًا مسبقًا في &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Wrote %1 glyph BMPs to &quot;%2&quot;.</source>
        <translation>كُتبت ملفات BMP لأشكال الحروف (%1) في &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 glyphs to &quot;%2&quot;.</source>
        <translation>كُتبت أشكال الحروف (%1) في &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drop one file at a time.</source>
        <translation>أفلت ملفًا واحدًا في كل مرة.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>&quot;%1&quot; ليس ملفًا على هذا الحاسوب.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The font has glyph edits that are not saved. Discard them?</source>
        <translation>في الخط تعديلات على أشكال الحروف لم تُحفظ. أتريد تجاهلها؟</translation>
    </message>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="-15"/>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Character %1 is %2 pixels wide, wider than &quot;%3&quot; %4, so the font type went back to &quot;%5&quot;. Choose &quot;%6&quot; again: it raises &quot;%3&quot; to %7.</source>
        <translation>عرض المحرف %1 هو %2 بكسل، أي أعرض من &quot;%3&quot; %4، لذا عاد نوع الخط إلى &quot;%5&quot;. اختر &quot;%6&quot; مجددًا: فهو يرفع &quot;%3&quot; إلى %7.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;%1&quot; cannot be opened here. Drop %2.</source>
        <translation>لا يمكن فتح &quot;%1&quot; هنا. أفلت %2.</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <location filename="../ui/SplashWindow.cpp" line="+70"/>
        <source>%1 is starting...</source>
        <translation>يجري بدء %1...</translation>
    </message>
</context>
</TS>
