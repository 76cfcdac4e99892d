<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>ApplicationTitle</name>
    <message>
        <location filename="../ui/ApplicationTitle.cpp" line="+19"/>
        <source>%1 by %2 (aka %3)</source>
        <translation>%1 ساختهٔ %2 (aka %3)</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <location filename="../font/BdfImport.cpp" line="+52"/>
        <source>The 2-colour type needs one width for every glyph; the BDF font&apos;s glyphs are %d (&quot;%s&quot;, code %d) to %d (&quot;%s&quot;, code %d) pixels wide.</source>
        <translation>نوع 2 رنگ برای همهٔ گلیف‌ها یک عرض لازم دارد؛ عرض گلیف‌های فونت BDF از %d («%s»، کد %d) تا %d («%s»، کد %d) پیکسل است.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>In the 2-colour type the %d codes the BDF font leaves out below its last glyph would be blank cells of %d x %d pixels, more than the %llu pixels such cells may take.</source>
        <translation>در نوع 2 رنگ، %d کدی که فونت BDF پیش از آخرین گلیفش جا انداخته به خانه‌های خالی %d x %d پیکسلی تبدیل می‌شوند، بیش از %llu پیکسلی که چنین خانه‌هایی می‌توانند بگیرند.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The BDF font was imported, with these changes:</source>
        <translation>فونت BDF با این تغییرات وارد شد:</translation>
    </message>
    <message>
        <location filename="../font/BdfReader.cpp" line="+152"/>
        <source>The file ends without ENDFONT: it may be cut short.</source>
        <translation>فایل بدون ENDFONT تمام می‌شود: شاید ناقص باشد.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CHARS does not count the %d glyphs that follow.</source>
        <translation>CHARS %d گلیف بعدی را به حساب نمی‌آورد.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The BDF font has %s bits per pixel; 1, 2, 4 or 8 can be read.</source>
        <translation>فونت BDF %s بیت بر پیکسل دارد؛ فقط 1، 2، 4 یا 8 خوانده می‌شود.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not a BDF font file: it does not start with STARTFONT.</source>
        <translation>فایل فونت BDF نیست: با STARTFONT شروع نمی‌شود.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>STARTPROPERTIES does not count the %d properties that follow.</source>
        <translation>STARTPROPERTIES %d ویژگی بعدی را به حساب نمی‌آورد.</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+157"/>
        <source>&quot;%s&quot; (code %d)</source>
        <translation>«%s» (کد %d)</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>The BDF font asks for more than %llu pixels, far more than its %zu bytes can describe.</source>
        <translation>فونت BDF بیش از %llu پیکسل می‌خواهد، بسیار بیشتر از آنچه %zu بایت آن می‌تواند توصیف کند.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The BDF font&apos;s glyphs need a cell %d pixels high (%d above the baseline, %d below); a font can be at most %d pixels high.</source>
        <translation>گلیف‌های فونت BDF خانه‌ای به ارتفاع %d پیکسل لازم دارند (%d بالای خط پایه، %d زیر آن)؛ ارتفاع فونت حداکثر %d پیکسل می‌تواند باشد.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cell was made %d pixels high instead of FONT_ASCENT + FONT_DESCENT = %d, to hold the ink of %d glyphs (the first %s).</source>
        <translation>ارتفاع خانه %d پیکسل شد، به‌جای FONT_ASCENT + FONT_DESCENT = %d، تا جوهر %d گلیف را جا دهد (نخستین: %s).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The BDF font holds no glyph that can be imported.</source>
        <translation>فونت BDF هیچ گلیف قابل ورودی ندارد.</translation>
    </message>
    <message>
        <location filename="../font/BdfWarnings.cpp" line="+13"/>
        <source>Glyphs ending without ENDCHAR, read as far as they go</source>
        <translation>گلیف‌هایی که بدون ENDCHAR تمام می‌شوند، تا جایی که هستند خوانده شدند</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without ENCODING, skipped</source>
        <translation>گلیف‌های بدون ENCODING، رد شدند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ENCODING -1 or a code beyond 0..65534, skipped</source>
        <translation>گلیف‌های با ENCODING -1 یا کدی بیرون از 0..65534، رد شدند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs repeating the code of an earlier glyph, skipped</source>
        <translation>گلیف‌هایی که کد یک گلیف پیشین را تکرار می‌کنند، رد شدند</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without BBX, placed by FONTBOUNDINGBOX</source>
        <translation>گلیف‌های بدون BBX، با FONTBOUNDINGBOX جای‌گذاری شدند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs without a sound BBX of at most 255 x 255 pixels, skipped</source>
        <translation>گلیف‌های بدون BBX درست با حداکثر 255 x 255 پیکسل، رد شدند</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without DWIDTH, as wide as their box reaches</source>
        <translation>گلیف‌های بدون DWIDTH، به عرض کادرشان</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs with a damaged DWIDTH, skipped</source>
        <translation>گلیف‌های با DWIDTH خراب، رد شدند</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs that would be wider than 255 pixels, skipped</source>
        <translation>گلیف‌هایی که عرضشان از 255 پیکسل بیشتر می‌شد، رد شدند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ink outside their DWIDTH, widened to hold it</source>
        <translation>گلیف‌های با جوهر بیرون از DWIDTH، برای جا دادن آن پهن‌تر شدند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with fewer bitmap rows than their BBX height, the missing rows blank</source>
        <translation>گلیف‌هایی با ردیف‌های بیت‌مپ کمتر از ارتفاع BBX، ردیف‌های کم‌شده خالی</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with more bitmap rows than their BBX height, the extra rows dropped</source>
        <translation>گلیف‌هایی با ردیف‌های بیت‌مپ بیشتر از ارتفاع BBX، ردیف‌های اضافه حذف شدند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with bitmap rows of the wrong length or with other than hex digits, the missing pixels blank</source>
        <translation>گلیف‌هایی با ردیف‌های بیت‌مپ با طول نادرست یا با نویسه‌هایی جز ارقام شانزده‌شانزدهی، پیکسل‌های کم‌شده خالی</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%s: %d, the first %s.</source>
        <translation>%s: %d، نخستین: %s.</translation>
    </message>
    <message>
        <location filename="../font/Errors.h" line="+41"/>
        <source>Range check error</source>
        <translation>خطای بررسی محدوده</translation>
    </message>
    <message>
        <location filename="../font/FileFormats.cpp" line="+40"/>
        <location filename="../font/FileIo.cpp" line="+41"/>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>فایل «%s» ساخته نمی‌شود. %s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be made.</source>
        <translation>پوشه ساخته نمی‌شود.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>is not an 8-bit palette picture</source>
        <translation>تصویر پالتی 8 بیتی نیست</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>holds no FonTool font (no glyph starting with &quot;#G&quot;)</source>
        <translation>هیچ فونت FonTool ندارد (هیچ گلیفی با «#G» شروع نمی‌شود)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%s&quot;: %s</source>
        <translation>«%s»: %s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>use %s, or a folder ending in &quot;/&quot; for glyph BMPs</source>
        <translation>از %s استفاده کنید، یا برای فایل‌های BMP گلیف، از پوشه‌ای که به «/» ختم شود</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown font format.</source>
        <translation>قالب فونت ناشناخته است.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%s can be written but not read</source>
        <translation>%s را می‌توان نوشت ولی نمی‌توان خواند</translation>
    </message>
    <message>
        <location filename="../font/FileIo.cpp" line="-12"/>
        <location line="+4"/>
        <location filename="../generate/FontFace.cpp" line="+266"/>
        <location line="+34"/>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>فایل «%s» باز نمی‌شود. %s</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <source>Error writing file &quot;%s&quot;. %s</source>
        <translation>خطا در نوشتن فایل «%s». %s</translation>
    </message>
    <message>
        <location filename="../font/GlyphEdits.cpp" line="+44"/>
        <source> In a fixed-width font every glyph grows with glyph 0.</source>
        <translation> در فونت با عرض ثابت، هر گلیف همراه با گلیف 0 پهن‌تر می‌شود.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In a fixed-width font every glyph shrinks with glyph 0.</source>
        <translation> در فونت با عرض ثابت، هر گلیف همراه با گلیف 0 باریک‌تر می‌شود.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Glyph %d is %d pixels wide already, the most a font file can hold.%s</source>
        <translation>عرض گلیف %d همین حالا %d پیکسل است، یعنی بیشترین عرضی که فایل فونت می‌تواند داشته باشد.%s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Glyph 0 has one column left, the least a fixed-width font can hold.%s</source>
        <translation>گلیف 0 فقط یک ستون دارد، یعنی کمترین عرضی که فونت با عرض ثابت می‌تواند داشته باشد.%s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph %d has no column left to remove.%s</source>
        <translation>گلیف %d ستونی برای حذف ندارد.%s</translation>
    </message>
    <message>
        <location filename="../font/ImageFile.cpp" line="+21"/>
        <source>Cannot create file &quot;%s&quot;. The %s picture could not be encoded.</source>
        <translation>فایل «%s» ساخته نمی‌شود. تصویر %s رمزگذاری نشد.</translation>
    </message>
    <message>
        <location filename="../font/MtkFont.cpp" line="+85"/>
        <source>Not a Mediatek FON file.</source>
        <translation>فایل FON از نوع Mediatek نیست.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown compression type.</source>
        <translation>نوع فشرده‌سازی ناشناخته است.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown font type.</source>
        <translation>نوع فونت ناشناخته است.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error #%d.</source>
        <translation>خطای #%d.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontBmp.cpp" line="+33"/>
        <source>A picture of %d x %d pixels cannot be made.</source>
        <translation>تصویری به اندازهٔ %d x %d پیکسل ساخته نمی‌شود.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>A font of height 0 cannot be saved as a BMP picture.</source>
        <translation>فونت با ارتفاع 0 را نمی‌توان به‌صورت تصویر BMP ذخیره کرد.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The glyph strip is too wide for a BMP picture.</source>
        <translation>نوار گلیف برای تصویر BMP بیش از حد پهن است.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bitmap image is not valid: &quot;%s&quot;</source>
        <translation>تصویر بیت‌مپ معتبر نیست: «%s»</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bitmap image is not valid</source>
        <translation>تصویر بیت‌مپ معتبر نیست</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The picture is %d rows high; a font can be at most %d rows high.</source>
        <translation>ارتفاع تصویر %d ردیف است؛ ارتفاع فونت حداکثر %d ردیف می‌تواند باشد.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontReader.cpp" line="+154"/>
        <source>The glyph data ends early: %d of %d glyphs are cut short, and their missing pixels show as colour 0.</source>
        <translation>داده‌های گلیف زودتر تمام می‌شود: %d از %d گلیف ناقص‌اند و پیکسل‌های کم‌شده‌شان با رنگ 0 نمایش داده می‌شوند.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+47"/>
        <source>Glyph data truncated</source>
        <translation>داده‌های گلیف ناقص است</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width table truncated</source>
        <translation>جدول عرض‌ها ناقص است</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offset table truncated</source>
        <translation>جدول آفست‌ها ناقص است</translation>
    </message>
    <message>
        <location filename="../font/MtkFontText.cpp" line="+61"/>
        <source>List index out of bounds (%d)</source>
        <translation>اندیس فهرست بیرون از محدوده است (%d)</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The text&apos;s glyph height %d is above %d, the largest font height.</source>
        <translation>ارتفاع گلیف متن (%d) بیشتر از %d، یعنی بیشترین ارتفاع فونت، است.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Glyph %d is %d pixels wide; a glyph can be 0 to %d pixels wide.</source>
        <translation>عرض گلیف %d برابر %d پیکسل است؛ عرض گلیف می‌تواند 0 تا %d پیکسل باشد.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontWriter.cpp" line="+201"/>
        <source>Cannot save a font of %d bits per pixel: only 1 (2 colours) and 2 (4 colours) are possible.</source>
        <translation>فونت %d بیت بر پیکسل ذخیره نمی‌شود: فقط 1 (2 رنگ) و 2 (4 رنگ) ممکن است.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a Mediatek font holds at most %d.</source>
        <translation>فونت %d گلیف دارد؛ فونت Mediatek حداکثر %d گلیف می‌گیرد.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a compressed Mediatek font holds at most %d.</source>
        <translation>فونت %d گلیف دارد؛ فونت فشردهٔ Mediatek حداکثر %d گلیف می‌گیرد.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glyph %d is %d pixels high; a Mediatek font holds at most %d rows.</source>
        <translation>ارتفاع گلیف %d برابر %d پیکسل است؛ فونت Mediatek حداکثر %d ردیف می‌گیرد.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels high; every glyph of this font must be %d pixels high.</source>
        <translation>ارتفاع گلیف %d برابر %d پیکسل است؛ ارتفاع همهٔ گلیف‌های این فونت باید %d پیکسل باشد.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide.</source>
        <translation>عرض گلیف 0 برابر 0 پیکسل است؛ عرض گلیف‌های فونت با عرض ثابت باید دست‌کم 1 پیکسل باشد.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph 0 is %d pixels wide; a 2-colour glyph can be at most %d pixels wide.</source>
        <translation>عرض گلیف 0 برابر %d پیکسل است؛ عرض گلیف 2 رنگ حداکثر %d پیکسل می‌تواند باشد.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels wide; a compressed glyph can be at most %d pixels wide.</source>
        <translation>عرض گلیف %d برابر %d پیکسل است؛ عرض گلیف فشرده حداکثر %d پیکسل می‌تواند باشد.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Glyph %d is %d pixels wide; in OLD compatibility mode a compressed glyph can be at most %d pixels wide.</source>
        <translation>عرض گلیف %d برابر %d پیکسل است؛ در حالت سازگاری OLD عرض گلیف فشرده حداکثر %d پیکسل می‌تواند باشد.</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>The font has no glyphs; there is nothing to save.</source>
        <translation>فونت هیچ گلیفی ندارد؛ چیزی برای ذخیره نیست.</translation>
    </message>
    <message>
        <location filename="../generate/ConversionTable.cpp" line="+37"/>
        <location filename="../generate/OptionsImport.cpp" line="+119"/>
        <location line="+20"/>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>«%s» عدد صحیح معتبری نیست</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>&quot;%s&quot; holds the section %s, which is no preset: a table file holds only numbered sections such as [1].</source>
        <translation>«%s» بخش %s را دارد که پیش‌تنظیم نیست: فایل جدول فقط بخش‌های شماره‌دار مانند [1] دارد.</translation>
    </message>
    <message>
        <location filename="../generate/FontCatalog.cpp" line="+22"/>
        <source>The font configuration could not be loaded.</source>
        <translation>پیکربندی فونت‌ها بار نشد.</translation>
    </message>
    <message>
        <location filename="../generate/FontEngine.cpp" line="+97"/>
        <source>The font &quot;%s&quot; is not installed.</source>
        <translation>فونت «%s» نصب نیست.</translation>
    </message>
    <message>
        <location filename="../generate/FontFace.cpp" line="-271"/>
        <source>The font rasteriser could not be started.</source>
        <translation>موتور رسترسازی فونت راه‌اندازی نشد.</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>It is not a font file that can be read.</source>
        <translation>فایل فونتی نیست که بتوان آن را خواند.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The font cannot be drawn at this size.</source>
        <translation>فونت در این اندازه رسم نمی‌شود.</translation>
    </message>
    <message>
        <location filename="../generate/Generator.cpp" line="+385"/>
        <source>Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes</source>
        <translation>فونت: بیشترین عرض = %d (نویسهٔ %d)، ارتفاع = %d، اندازهٔ فایل = %d بایت</translation>
    </message>
    <message>
        <location filename="../generate/PreviewLayout.cpp" line="+168"/>
        <source>A preview of %d x %d pixels cannot be made.</source>
        <translation>پیش‌نمایشی به اندازهٔ %d x %d پیکسل ساخته نمی‌شود.</translation>
    </message>
    <message>
        <location filename="../document/FontDocument.cpp" line="+38"/>
        <source>&quot;%s&quot; %s; the font in hand is kept.</source>
        <translation>«%s» %s؛ فونت فعلی حفظ می‌شود.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>&quot;%s&quot; holds no presets (numbered sections such as [1]).</source>
        <translation>«%s» هیچ پیش‌تنظیمی ندارد (بخش‌های شماره‌دار مانند [1]).</translation>
    </message>
    <message>
        <location filename="../font/BdfWriter.cpp" line="+212"/>
        <source>The font holds no glyphs; a BDF font needs at least one.</source>
        <translation>فونت هیچ گلیفی ندارد؛ فونت BDF دست‌کم یک گلیف لازم دارد.</translation>
    </message>
</context>
<context>
    <name>CoreName</name>
    <message>
        <location filename="../font/FileFormats.cpp" line="-78"/>
        <source>a Mediatek font</source>
        <translation>فونت Mediatek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>فایل فونت یا دودویی (*.mtf,*.bin)|*.mtf;*.bin|فایل فونت (.mtf)|*.mtf|فایل دودویی (*.bin)|*.bin|همهٔ فایل‌ها (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>فایل فونت Mediatek یا دودویی (*.mtf,*.bin)|*.mtf;*.bin|فایل فونت Mediatek (*.mtf)|*.mtf|فایل دودویی (*.bin)|*.bin|همهٔ فایل‌ها (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a glyph strip BMP</source>
        <translation>نوار گلیف BMP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>فایل‌های بیت‌مپ (*.bmp)|*.bmp|همهٔ فایل‌ها (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of glyph BMPs</source>
        <translation>پوشهٔ فایل‌های BMP گلیف</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a FonTool text</source>
        <translation>متن FonTool</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>فایل‌های متنی (*.txt)|*.txt|همهٔ فایل‌ها (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a BDF font</source>
        <translation>فونت BDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*</source>
        <translation>فونت BDF (*.bdf)|*.bdf|همهٔ فایل‌ها (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../font/FileKind.cpp" line="+38"/>
        <source>%s (%s)</source>
        <translation>%s (%s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a conversion table</source>
        <translation>جدول تبدیل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INI Files (*.ini)|*.ini|All Files (*.*)|*.*</source>
        <translation>فایل‌های INI (*.ini)|*.ini|همهٔ فایل‌ها (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../generate/Rendering.cpp" line="+12"/>
        <source>Smooth</source>
        <translation>نرم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp</source>
        <translation>تیز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp, auto-hinted</source>
        <translation>تیز، با هینت خودکار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>سبک</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../ui/LanguageChoice.cpp" line="+12"/>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>انصراف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>دور انداختن</translation>
    </message>
</context>
<context>
    <name>TCreationPage</name>
    <message>
        <location filename="../ui/CreationPage.cpp" line="+41"/>
        <source>Select Unicode Conversion Table...</source>
        <translation>انتخاب جدول تبدیل Unicode...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>پیش‌تنظیم</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>4 color compr., variable width (OLD compatibility mode)</source>
        <translation>4 رنگ فشرده، عرض متغیر (حالت سازگاری OLD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 color compr., variable width (NEW mode)</source>
        <translation>4 رنگ فشرده، عرض متغیر (حالت NEW)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../ui/FormatChoices.cpp" line="+23"/>
        <source>2 color uncompr., fix width</source>
        <translation>2 رنگ غیرفشرده، عرض ثابت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>ذخیره به‌صورت فونت Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font</source>
        <translation>ذخیرهٔ فونت Mediatek</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Primary Font</source>
        <translation>فونت اصلی</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary Font</source>
        <translation>فونت دوم</translation>
    </message>
</context>
<context>
    <name>TFontFamilyCombo</name>
    <message>
        <location filename="../ui/FontFamilyCombo.cpp" line="+117"/>
        <source>&quot;%1&quot; is not installed: the nearest installed family draws it.</source>
        <translation>«%1» نصب نیست: نزدیک‌ترین خانوادهٔ نصب‌شده آن را رسم می‌کند.</translation>
    </message>
</context>
<context>
    <name>TFontPage</name>
    <message>
        <location filename="../ui/FontPage.cpp" line="+58"/>
        <source>Try to display Primary Font&apos;s invalid chars with this font:</source>
        <translation>نمایش نویسه‌های نامعتبر فونت اصلی با این فونت:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Font dialog...</source>
        <translation>گفتگوی فونت...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size:</source>
        <translation>اندازه:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bold</source>
        <translation>پررنگ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Italic</source>
        <translation>مورب</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Outline:</source>
        <translation>دورخط:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows the glyphs move up (down when negative)</source>
        <translation>تعداد ردیف‌هایی که گلیف‌ها بالا می‌روند (با مقدار منفی، پایین)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift:</source>
        <translation>جابه‌جایی:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Coverage from which a pixel is ink: lower is bolder</source>
        <translation>پوششی که از آن به بعد پیکسل جوهر به شمار می‌آید: کمتر یعنی پررنگ‌تر</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ink:</source>
        <translation>جوهر:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rendering:</source>
        <translation>رندر:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape Arabic forms</source>
        <translation>شکل‌دهی حروف عربی</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presentation forms the fonts lack are drawn by their shaping, and joining forms stay joined</source>
        <translation>شکل‌های نمایشی‌ای که در فونت‌ها نیستند با شکل‌دهی رسم می‌شوند و شکل‌های پیوسته، پیوسته می‌مانند</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import options from file or filename:</source>
        <translation>وارد کردن گزینه‌ها از فایل یا نام فایل:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import options from filename...</source>
        <translation>ورود گزینه‌ها از نام فایل...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>centred</source>
        <translation>در وسط</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>primary&apos;s</source>
        <translation>مانند اصلی</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baseline:</source>
        <translation>خط پایه:</translation>
    </message>
</context>
<context>
    <name>TFontSaveDialog</name>
    <message>
        <location filename="../ui/FontSaveDialog.cpp" line="+24"/>
        <source>Save Font Options Into Font</source>
        <translation>ذخیرهٔ گزینه‌ها در فونت</translation>
    </message>
</context>
<context>
    <name>TFormatChoices</name>
    <message>
        <location filename="../ui/FormatChoices.cpp" line="-3"/>
        <source>The BDF font has 1 bit per pixel and every glyph is %1 pixels wide. Which font type should it become?</source>
        <translation>فونت BDF یک بیت بر پیکسل دارد و عرض همهٔ گلیف‌ها %1 پیکسل است. به کدام نوع فونت تبدیل شود؟</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>4 color compr., variable width</source>
        <translation>4 رنگ فشرده، عرض متغیر</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>How many bits per pixel should the BDF font have?</source>
        <translation>فونت BDF چند بیت بر پیکسل داشته باشد؟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 bits: all four colours</source>
        <translation>2 بیت: هر چهار رنگ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 bit: ink and outline, for readers that know only 1 bit</source>
        <translation>1 بیت: جوهر و دورخط، برای برنامه‌هایی که فقط 1 بیت را می‌خوانند</translation>
    </message>
</context>
<context>
    <name>TGenerationOptionsPanel</name>
    <message>
        <location filename="../ui/GenerationOptionsPanel.cpp" line="+30"/>
        <source>Font Character Generation Options</source>
        <translation>گزینه‌های ساخت نویسه‌های فونت</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cut left-right background columns</source>
        <translation>حذف ستون‌های پس‌زمینهٔ چپ و راست</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/WindowMessages.cpp" line="+38"/>
        <source>Min width:</source>
        <translation>حداقل عرض:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space chars min width:</source>
        <translation>حداقل عرض فاصله‌ها:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Numbers have same width</source>
        <translation>ارقام هم‌عرض باشند</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;-&apos; has same width as numbers</source>
        <translation>«-» هم‌عرض ارقام باشد</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right margin:</source>
        <translation>حاشیهٔ راست:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min height:</source>
        <translation>حداقل ارتفاع:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top cut:</source>
        <translation>برش بالا:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom cut:</source>
        <translation>برش پایین:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Widths are div. by</source>
        <translation>عرض‌ها بخش‌پذیر بر</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Invalid Unicode Chars</source>
        <translation>نمایش نویسه‌های نامعتبر Unicode</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background color2 for 0xA0</source>
        <translation>پس‌زمینه با رنگ 2 برای 0xA0</translation>
    </message>
</context>
<context>
    <name>TGlyphEditCommands</name>
    <message>
        <location filename="../ui/GlyphEditCommands.cpp" line="+53"/>
        <source>Drawing</source>
        <translation>رسم</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pad Colour</source>
        <translation>رنگ پرکننده</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove Column at Left</source>
        <translation>حذف ستون در سمت چپ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Column at Right</source>
        <translation>حذف ستون در سمت راست</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Left</source>
        <translation>افزودن ستون در سمت چپ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Right</source>
        <translation>افزودن ستون در سمت راست</translation>
    </message>
</context>
<context>
    <name>TGlyphEditor</name>
    <message>
        <location filename="../ui/GlyphEditor.cpp" line="+42"/>
        <source>red</source>
        <translation>قرمز</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second background</source>
        <translation>پس‌زمینهٔ دوم</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>grey</source>
        <translation>خاکستری</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+5"/>
        <source>background</source>
        <translation>پس‌زمینه</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>black</source>
        <translation>سیاه</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>outline</source>
        <translation>دورخط</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>white</source>
        <translation>سفید</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>ink</source>
        <translation>جوهر</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Glyph Editor</source>
        <translation>ویرایشگر گلیف</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&lt; Previous</source>
        <translation>&lt; قبلی</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>بعدی &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous glyph (Page Up)</source>
        <translation>گلیف قبلی (Page Up)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next glyph (Page Down)</source>
        <translation>گلیف بعدی (Page Down)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Left button: draw in the chosen colour. Right button: draw in the background colour.</source>
        <translation>دکمهٔ چپ ماوس: رسم با رنگ انتخاب‌شده. دکمهٔ راست ماوس: رسم با رنگ پس‌زمینه.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>واگرد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>ازنو</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>واگرد %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>ازنو %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put the edited glyphs into the font</source>
        <translation>گلیف‌های ویرایش‌شده را در فونت قرار می‌دهد</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Colour</source>
        <translation>رنگ</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Colour %1, %2: %3</source>
        <translation>رنگ %1، %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pick Colour</source>
        <translation>برداشتن رنگ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a pixel to draw on in its colour</source>
        <translation>روی یک پیکسل کلیک کنید تا با رنگ همان پیکسل رسم کنید</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pad colour:</source>
        <translation>رنگ پرکننده:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fills the glyph&apos;s rows up to a multiple of 4 pixels in an OLD compatibility mode file</source>
        <translation>در فایلی با حالت سازگاری OLD، ردیف‌های گلیف را تا مضربی از 4 پیکسل پر می‌کند</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Width</source>
        <translation>عرض</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add at Left</source>
        <translation>افزودن در چپ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s left edge</source>
        <translation>افزودن یک ستون پس‌زمینه در لبهٔ چپ گلیف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Left</source>
        <translation>حذف از چپ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s left edge</source>
        <translation>حذف ستون لبهٔ چپ گلیف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add at Right</source>
        <translation>افزودن در راست</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s right edge</source>
        <translation>افزودن یک ستون پس‌زمینه در لبهٔ راست گلیف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Right</source>
        <translation>حذف از راست</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s right edge</source>
        <translation>حذف ستون لبهٔ راست گلیف</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Fixed-width font: every glyph gains or loses the column, so all stay as wide as glyph 0.</source>
        <translation>فونت با عرض ثابت: همهٔ گلیف‌ها این ستون را می‌گیرند یا از دست می‌دهند تا همه هم‌عرض گلیف 0 بمانند.</translation>
    </message>
</context>
<context>
    <name>TGlyphReadOut</name>
    <message>
        <location filename="../ui/GlyphReadOut.cpp" line="+12"/>
        <source>Character = %1 (0x%2), Unicode = %3 (0x%4), Width = %5</source>
        <translation>نویسه = %1 (0x%2)، Unicode = %3 (0x%4)، عرض = %5</translation>
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
        <translation>، بالا %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, bottom %1</source>
        <translation>، پایین %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot be saved: %1</source>
        <translation>ذخیره نمی‌شود: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 glyph clipped</source>
        <translation>1 گلیف بریده شد</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n glyphs clipped</source>
        <translation>
            <numerusform>%n گلیف بریده شد</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ink cut at the top or bottom of the cell; the first: %1</source>
        <translation>جوهر در بالا یا پایین خانه بریده شده است؛ نخستین: %1</translation>
    </message>
</context>
<context>
    <name>TToolsPage</name>
    <message>
        <location filename="../ui/ToolsPage.cpp" line="+30"/>
        <source>Open Mediatek Font...</source>
        <translation>باز کردن فونت Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Mediatek Font File...</source>
        <translation>انتخاب فایل فونت Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font...</source>
        <translation>ذخیرهٔ فونت Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>ذخیره به‌صورت فونت Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from BMP...</source>
        <translation>ورود از BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select GlyphForgeTool Compatible BMP File...</source>
        <translation>انتخاب فایل BMP سازگار با GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BMP...</source>
        <translation>صدور به BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As GlyphForgeTool Compatible BMP File...</source>
        <translation>ذخیره به‌صورت فایل BMP سازگار با GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Characters to Separate BMPs...</source>
        <translation>صدور نویسه‌ها به فایل‌های BMP جدا...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select output folder for separeate bmp files:</source>
        <translation>پوشهٔ خروجی فایل‌های BMP جدا را انتخاب کنید:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from FonTool Text format...</source>
        <translation>ورود از قالب متنی FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select FonTool Format TXT File...</source>
        <translation>انتخاب فایل TXT با قالب FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to FonTool Text format...</source>
        <translation>صدور به قالب متنی FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As FonTool Format TXT File...</source>
        <translation>ذخیره به‌صورت فایل TXT با قالب FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import BDF...</source>
        <translation>ورود BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select BDF Font File...</source>
        <translation>انتخاب فایل فونت BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BDF...</source>
        <translation>صدور به BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As BDF Font File...</source>
        <translation>ذخیره به‌صورت فایل فونت BDF...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import &amp;&amp; Export</source>
        <translation>ورود &amp;&amp; صدور</translation>
    </message>
</context>
<context>
    <name>TZoomBox</name>
    <message>
        <location filename="../ui/ZoomBox.cpp" line="+14"/>
        <source>Zoom (Ctrl + mouse wheel, Ctrl + plus, Ctrl + minus, Ctrl + 0)</source>
        <translation>بزرگ‌نمایی (Ctrl + چرخ ماوس، Ctrl + بعلاوه، Ctrl + منها، Ctrl + 0)</translation>
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
        <translation>ساخت فونت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font Tools</source>
        <translation>ابزارهای فونت</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>No conversion table was found at &quot;%1&quot;. Load one with the button &quot;%2&quot; beside the preset list on &quot;%3&quot;, or drop %4 on the window; then pick a preset.</source>
        <translation>هیچ جدول تبدیلی در «%1» پیدا نشد. با دکمهٔ «%2» کنار فهرست پیش‌تنظیم‌ها در «%3» یک جدول تبدیل بار کنید، یا %4 را روی پنجره رها کنید؛ سپس یک پیش‌تنظیم انتخاب کنید.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 The presets in use are kept.</source>
        <translation>%1 پیش‌تنظیم‌های در حال استفاده حفظ می‌شوند.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Text width: %1 | Text window size: %2x%3</source>
        <translation>عرض متن: %1 | اندازهٔ پنجرهٔ متن: %2x%3</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Select GlyphForgeTool created mediatek font...</source>
        <translation>انتخاب فونت Mediatek ساخته‌شده با GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; holds no options: no options were saved into it, and its name is no options text such as a saved font&apos;s proposed name. The options stay as they are.</source>
        <translation>«%1» هیچ گزینه‌ای ندارد: گزینه‌ای در آن ذخیره نشده و نامش هم متن گزینه‌ها (مانند نام پیشنهادی یک فونت ذخیره‌شده) نیست. گزینه‌ها همان‌طور که هستند می‌مانند.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing to save: load a conversion table with &quot;%1&quot; beside the preset list, and pick a preset with more than one character first.</source>
        <translation>چیزی برای ذخیره نیست: ابتدا با «%1» کنار فهرست پیش‌تنظیم‌ها یک جدول تبدیل بار کنید و پیش‌تنظیمی با بیش از یک نویسه انتخاب کنید.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The options saved into the font describe it as they generated it, before the glyph edits.</source>
        <translation>گزینه‌های ذخیره‌شده در فونت، آن را همان‌طور توصیف می‌کنند که ساخته‌اند، یعنی پیش از ویرایش گلیف‌ها.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Out of memory</source>
        <translation>حافظه کافی نیست</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Nothing to save: open a font here, or pick a preset on &quot;%1&quot;, first.</source>
        <translation>چیزی برای ذخیره نیست: ابتدا اینجا یک فونت باز کنید یا در «%1» یک پیش‌تنظیم انتخاب کنید.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Wrote %1 glyph BMPs to &quot;%2&quot;.</source>
        <translation>%1 فایل BMP گلیف در «%2» نوشته شد.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 glyphs to &quot;%2&quot;.</source>
        <translation>%1 گلیف در «%2» نوشته شد.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drop one file at a time.</source>
        <translation>هر بار فقط یک فایل رها کنید.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>«%1» فایلی روی این رایانه نیست.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The font has glyph edits that are not saved. Discard them?</source>
        <translation>فونت ویرایش‌های ذخیره‌نشده در گلیف‌ها دارد. از آن‌ها صرف‌نظر شود؟</translation>
    </message>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="-15"/>
        <source>%1 or %2</source>
        <translation>%1 یا %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Character %1 is %2 pixels wide, wider than &quot;%3&quot; %4, so the font type went back to &quot;%5&quot;. Choose &quot;%6&quot; again: it raises &quot;%3&quot; to %7.</source>
        <translation>عرض نویسهٔ %1 برابر %2 پیکسل است، یعنی بیشتر از «%3» %4؛ پس نوع فونت به «%5» برگشت. دوباره «%6» را انتخاب کنید: این کار «%3» را به %7 می‌رساند.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;%1&quot; cannot be opened here. Drop %2.</source>
        <translation>«%1» اینجا باز نمی‌شود. %2 را رها کنید.</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <location filename="../ui/SplashWindow.cpp" line="+70"/>
        <source>%1 is starting...</source>
        <translation>%1 در حال راه‌اندازی...</translation>
    </message>
</context>
</TS>
