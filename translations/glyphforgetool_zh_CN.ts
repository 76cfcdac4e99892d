<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ApplicationTitle</name>
    <message>
        <location filename="../ui/ApplicationTitle.cpp" line="+19"/>
        <source>%1 by %2 (aka %3)</source>
        <translation>%1，作者 %2 (aka %3)</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <location filename="../font/BdfImport.cpp" line="+52"/>
        <source>The 2-colour type needs one width for every glyph; the BDF font&apos;s glyphs are %d (&quot;%s&quot;, code %d) to %d (&quot;%s&quot;, code %d) pixels wide.</source>
        <translation>2 色类型要求所有字形宽度相同；而该 BDF 字体的字形宽度为 %d（“%s”，编码 %d）到 %d（“%s”，编码 %d）像素。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>In the 2-colour type the %d codes the BDF font leaves out below its last glyph would be blank cells of %d x %d pixels, more than the %llu pixels such cells may take.</source>
        <translation>在 2 色类型中，该 BDF 字体在最后一个字形之前缺少的 %d 个编码将成为 %d x %d 像素的空白单元格，超过了此类单元格可占用的 %llu 个像素。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The BDF font was imported, with these changes:</source>
        <translation>BDF 字体已导入，但有以下改动：</translation>
    </message>
    <message>
        <location filename="../font/BdfReader.cpp" line="+152"/>
        <source>The file ends without ENDFONT: it may be cut short.</source>
        <translation>文件末尾缺少 ENDFONT：文件可能不完整。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CHARS does not count the %d glyphs that follow.</source>
        <translation>CHARS 与其后的 %d 个字形数目不符。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The BDF font has %s bits per pixel; 1, 2, 4 or 8 can be read.</source>
        <translation>该 BDF 字体为每像素 %s 位；只能读取 1、2、4 或 8 位。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not a BDF font file: it does not start with STARTFONT.</source>
        <translation>不是 BDF 字体文件：文件不是以 STARTFONT 开头。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>STARTPROPERTIES does not count the %d properties that follow.</source>
        <translation>STARTPROPERTIES 与其后的 %d 个属性数目不符。</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+157"/>
        <source>&quot;%s&quot; (code %d)</source>
        <translation>“%s”（编码 %d）</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>The BDF font asks for more than %llu pixels, far more than its %zu bytes can describe.</source>
        <translation>该 BDF 字体要求超过 %llu 个像素，远超其 %zu 字节所能描述的数量。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The BDF font&apos;s glyphs need a cell %d pixels high (%d above the baseline, %d below); a font can be at most %d pixels high.</source>
        <translation>该 BDF 字体的字形需要 %d 像素高的单元格（基线以上 %d，以下 %d）；字体最多只能为 %d 像素高。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cell was made %d pixels high instead of FONT_ASCENT + FONT_DESCENT = %d, to hold the ink of %d glyphs (the first %s).</source>
        <translation>单元格高度设为 %d 像素，而不是 FONT_ASCENT + FONT_DESCENT = %d，以容纳 %d 个字形的墨色（第一个为 %s）。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The BDF font holds no glyph that can be imported.</source>
        <translation>该 BDF 字体中没有可导入的字形。</translation>
    </message>
    <message>
        <location filename="../font/BdfWarnings.cpp" line="+13"/>
        <source>Glyphs ending without ENDCHAR, read as far as they go</source>
        <translation>缺少 ENDCHAR 结尾的字形，已尽量读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without ENCODING, skipped</source>
        <translation>缺少 ENCODING 的字形，已跳过</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ENCODING -1 or a code beyond 0..65534, skipped</source>
        <translation>ENCODING 为 -1 或编码超出 0..65534 的字形，已跳过</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs repeating the code of an earlier glyph, skipped</source>
        <translation>与之前字形编码重复的字形，已跳过</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without BBX, placed by FONTBOUNDINGBOX</source>
        <translation>缺少 BBX 的字形，已按 FONTBOUNDINGBOX 放置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs without a sound BBX of at most 255 x 255 pixels, skipped</source>
        <translation>没有有效且不超过 255 x 255 像素的 BBX 的字形，已跳过</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without DWIDTH, as wide as their box reaches</source>
        <translation>缺少 DWIDTH 的字形，宽度取其边框所及</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs with a damaged DWIDTH, skipped</source>
        <translation>DWIDTH 损坏的字形，已跳过</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs that would be wider than 255 pixels, skipped</source>
        <translation>宽度将超过 255 像素的字形，已跳过</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ink outside their DWIDTH, widened to hold it</source>
        <translation>墨色超出 DWIDTH 的字形，已加宽以容纳</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with fewer bitmap rows than their BBX height, the missing rows blank</source>
        <translation>位图行数少于 BBX 高度的字形，缺少的行留空</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with more bitmap rows than their BBX height, the extra rows dropped</source>
        <translation>位图行数多于 BBX 高度的字形，多余的行已丢弃</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with bitmap rows of the wrong length or with other than hex digits, the missing pixels blank</source>
        <translation>位图行长度错误或含非十六进制数字的字形，缺少的像素留空</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%s: %d, the first %s.</source>
        <translation>%s：%d 个，第一个为 %s。</translation>
    </message>
    <message>
        <location filename="../font/Errors.h" line="+41"/>
        <source>Range check error</source>
        <translation>范围检查错误</translation>
    </message>
    <message>
        <location filename="../font/FileFormats.cpp" line="+40"/>
        <location filename="../font/FileIo.cpp" line="+41"/>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>无法创建文件“%s”。%s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be made.</source>
        <translation>无法创建文件夹。</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>is not an 8-bit palette picture</source>
        <translation>不是 8 位调色板图片</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>holds no FonTool font (no glyph starting with &quot;#G&quot;)</source>
        <translation>不含 FonTool 字体（没有以“#G”开头的字形）</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%s&quot;: %s</source>
        <translation>“%s”：%s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>use %s, or a folder ending in &quot;/&quot; for glyph BMPs</source>
        <translation>请使用 %s，或以“/”结尾的文件夹（用于字形 BMP）</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown font format.</source>
        <translation>未知的字体格式。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%s can be written but not read</source>
        <translation>%s只能写入，不能读取</translation>
    </message>
    <message>
        <location filename="../font/FileIo.cpp" line="-12"/>
        <location line="+4"/>
        <location filename="../generate/FontFace.cpp" line="+266"/>
        <location line="+34"/>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>无法打开文件“%s”。%s</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <source>Error writing file &quot;%s&quot;. %s</source>
        <translation>写入文件“%s”时出错。%s</translation>
    </message>
    <message>
        <location filename="../font/GlyphEdits.cpp" line="+44"/>
        <source> In a fixed-width font every glyph grows with glyph 0.</source>
        <translation> 在固定宽度字体中，每个字形都随字形 0 一起加宽。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In a fixed-width font every glyph shrinks with glyph 0.</source>
        <translation> 在固定宽度字体中，每个字形都随字形 0 一起变窄。</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Glyph %d is %d pixels wide already, the most a font file can hold.%s</source>
        <translation>字形 %d 已宽 %d 像素，这是字体文件所能容纳的最大宽度。%s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Glyph 0 has one column left, the least a fixed-width font can hold.%s</source>
        <translation>字形 0 只剩一列，这是固定宽度字体所能容纳的最小宽度。%s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph %d has no column left to remove.%s</source>
        <translation>字形 %d 已没有可删除的列。%s</translation>
    </message>
    <message>
        <location filename="../font/ImageFile.cpp" line="+21"/>
        <source>Cannot create file &quot;%s&quot;. The %s picture could not be encoded.</source>
        <translation>无法创建文件“%s”。无法编码 %s 图片。</translation>
    </message>
    <message>
        <location filename="../font/MtkFont.cpp" line="+85"/>
        <source>Not a Mediatek FON file.</source>
        <translation>不是 Mediatek FON 文件。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown compression type.</source>
        <translation>未知的压缩类型。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown font type.</source>
        <translation>未知的字体类型。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error #%d.</source>
        <translation>错误 #%d。</translation>
    </message>
    <message>
        <location filename="../font/MtkFontBmp.cpp" line="+33"/>
        <source>A picture of %d x %d pixels cannot be made.</source>
        <translation>无法生成 %d x %d 像素的图片。</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>A font of height 0 cannot be saved as a BMP picture.</source>
        <translation>高度为 0 的字体无法保存为 BMP 图片。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The glyph strip is too wide for a BMP picture.</source>
        <translation>字形条太宽，无法存为 BMP 图片。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bitmap image is not valid: &quot;%s&quot;</source>
        <translation>位图图像无效：“%s”</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bitmap image is not valid</source>
        <translation>位图图像无效</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The picture is %d rows high; a font can be at most %d rows high.</source>
        <translation>图片高 %d 行；字体最多只能为 %d 行高。</translation>
    </message>
    <message>
        <location filename="../font/MtkFontReader.cpp" line="+154"/>
        <source>The glyph data ends early: %d of %d glyphs are cut short, and their missing pixels show as colour 0.</source>
        <translation>字形数据提前结束：%d 个字形（共 %d 个）不完整，缺少的像素显示为颜色 0。</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+47"/>
        <source>Glyph data truncated</source>
        <translation>字形数据被截断</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width table truncated</source>
        <translation>宽度表被截断</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offset table truncated</source>
        <translation>偏移表被截断</translation>
    </message>
    <message>
        <location filename="../font/MtkFontText.cpp" line="+61"/>
        <source>List index out of bounds (%d)</source>
        <translation>列表索引越界 (%d)</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The text&apos;s glyph height %d is above %d, the largest font height.</source>
        <translation>文本的字形高度 %d 超过了 %d，即字体的最大高度。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Glyph %d is %d pixels wide; a glyph can be 0 to %d pixels wide.</source>
        <translation>字形 %d 宽 %d 像素；字形宽度只能为 0 到 %d 像素。</translation>
    </message>
    <message>
        <location filename="../font/MtkFontWriter.cpp" line="+201"/>
        <source>Cannot save a font of %d bits per pixel: only 1 (2 colours) and 2 (4 colours) are possible.</source>
        <translation>无法保存每像素 %d 位的字体：只能为 1 位（2 色）或 2 位（4 色）。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a Mediatek font holds at most %d.</source>
        <translation>该字体有 %d 个字形；Mediatek 字体最多容纳 %d 个。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a compressed Mediatek font holds at most %d.</source>
        <translation>该字体有 %d 个字形；压缩的 Mediatek 字体最多容纳 %d 个。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glyph %d is %d pixels high; a Mediatek font holds at most %d rows.</source>
        <translation>字形 %d 高 %d 像素；Mediatek 字体最多容纳 %d 行。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels high; every glyph of this font must be %d pixels high.</source>
        <translation>字形 %d 高 %d 像素；此字体的每个字形都必须为 %d 像素高。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide.</source>
        <translation>字形 0 宽 0 像素；固定宽度字体的字形至少须为 1 像素宽。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph 0 is %d pixels wide; a 2-colour glyph can be at most %d pixels wide.</source>
        <translation>字形 0 宽 %d 像素；2 色字形最多只能为 %d 像素宽。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels wide; a compressed glyph can be at most %d pixels wide.</source>
        <translation>字形 %d 宽 %d 像素；压缩字形最多只能为 %d 像素宽。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Glyph %d is %d pixels wide; in OLD compatibility mode a compressed glyph can be at most %d pixels wide.</source>
        <translation>字形 %d 宽 %d 像素；在 OLD 兼容模式下，压缩字形最多只能为 %d 像素宽。</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>The font has no glyphs; there is nothing to save.</source>
        <translation>该字体没有字形；没有可保存的内容。</translation>
    </message>
    <message>
        <location filename="../generate/ConversionTable.cpp" line="+37"/>
        <location filename="../generate/OptionsImport.cpp" line="+119"/>
        <location line="+20"/>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>“%s”不是有效的整数值</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>&quot;%s&quot; holds the section %s, which is no preset: a table file holds only numbered sections such as [1].</source>
        <translation>“%s”包含节 %s，它不是预设：转换表文件只能包含编号的节，例如 [1]。</translation>
    </message>
    <message>
        <location filename="../generate/FontCatalog.cpp" line="+22"/>
        <source>The font configuration could not be loaded.</source>
        <translation>无法加载字体配置。</translation>
    </message>
    <message>
        <location filename="../generate/FontEngine.cpp" line="+97"/>
        <source>The font &quot;%s&quot; is not installed.</source>
        <translation>字体“%s”未安装。</translation>
    </message>
    <message>
        <location filename="../generate/FontFace.cpp" line="-271"/>
        <source>The font rasteriser could not be started.</source>
        <translation>无法启动字体光栅化器。</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>It is not a font file that can be read.</source>
        <translation>这不是可读取的字体文件。</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The font cannot be drawn at this size.</source>
        <translation>无法以此大小绘制该字体。</translation>
    </message>
    <message>
        <location filename="../generate/Generator.cpp" line="+385"/>
        <source>Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes</source>
        <translation>字体：最大宽度 = %d（字符 %d），高度 = %d，文件大小 = %d 字节</translation>
    </message>
    <message>
        <location filename="../generate/PreviewLayout.cpp" line="+168"/>
        <source>A preview of %d x %d pixels cannot be made.</source>
        <translation>无法生成 %d x %d 像素的预览。</translation>
    </message>
    <message>
        <location filename="../document/FontDocument.cpp" line="+38"/>
        <source>&quot;%s&quot; %s; the font in hand is kept.</source>
        <translation>“%s”%s；保留当前字体。</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>&quot;%s&quot; holds no presets (numbered sections such as [1]).</source>
        <translation>“%s”中没有预设（即 [1] 这样的编号节）。</translation>
    </message>
    <message>
        <location filename="../font/BdfWriter.cpp" line="+212"/>
        <source>The font holds no glyphs; a BDF font needs at least one.</source>
        <translation>该字体中没有字形；BDF 字体至少需要一个字形。</translation>
    </message>
</context>
<context>
    <name>CoreName</name>
    <message>
        <location filename="../font/FileFormats.cpp" line="-78"/>
        <source>a Mediatek font</source>
        <translation>Mediatek 字体</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>字体或二进制文件 (*.mtf,*.bin)|*.mtf;*.bin|字体文件 (.mtf)|*.mtf|二进制文件 (*.bin)|*.bin|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>Mediatek 字体或二进制文件 (*.mtf,*.bin)|*.mtf;*.bin|Mediatek 字体文件 (*.mtf)|*.mtf|二进制文件 (*.bin)|*.bin|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a glyph strip BMP</source>
        <translation>字形条 BMP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>位图文件 (*.bmp)|*.bmp|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of glyph BMPs</source>
        <translation>字形 BMP 文件夹</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a FonTool text</source>
        <translation>FonTool 文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a BDF font</source>
        <translation>BDF 字体</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*</source>
        <translation>BDF 字体 (*.bdf)|*.bdf|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../font/FileKind.cpp" line="+38"/>
        <source>%s (%s)</source>
        <translation>%s（%s）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a conversion table</source>
        <translation>转换表</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INI Files (*.ini)|*.ini|All Files (*.*)|*.*</source>
        <translation>INI 文件 (*.ini)|*.ini|所有文件 (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../generate/Rendering.cpp" line="+12"/>
        <source>Smooth</source>
        <translation>平滑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp</source>
        <translation>锐利</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp, auto-hinted</source>
        <translation>锐利，自动微调</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>轻度微调</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../ui/LanguageChoice.cpp" line="+12"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
</context>
<context>
    <name>TCreationPage</name>
    <message>
        <location filename="../ui/CreationPage.cpp" line="+41"/>
        <source>Select Unicode Conversion Table...</source>
        <translation>选择 Unicode 转换表...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>4 color compr., variable width (OLD compatibility mode)</source>
        <translation>4 色压缩，可变宽度（OLD 兼容模式）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 color compr., variable width (NEW mode)</source>
        <translation>4 色压缩，可变宽度（NEW 模式）</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../ui/FormatChoices.cpp" line="+23"/>
        <source>2 color uncompr., fix width</source>
        <translation>2 色未压缩，固定宽度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>另存为 Mediatek 字体...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font</source>
        <translation>保存 Mediatek 字体</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Primary Font</source>
        <translation>主字体</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary Font</source>
        <translation>备用字体</translation>
    </message>
</context>
<context>
    <name>TFontFamilyCombo</name>
    <message>
        <location filename="../ui/FontFamilyCombo.cpp" line="+117"/>
        <source>&quot;%1&quot; is not installed: the nearest installed family draws it.</source>
        <translation>“%1”未安装：将由最接近的已安装字体族绘制。</translation>
    </message>
</context>
<context>
    <name>TFontPage</name>
    <message>
        <location filename="../ui/FontPage.cpp" line="+58"/>
        <source>Try to display Primary Font&apos;s invalid chars with this font:</source>
        <translation>用此字体显示主字体缺失的字符：</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Font dialog...</source>
        <translation>选择字体...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size:</source>
        <translation>字号：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Outline:</source>
        <translation>描边：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows the glyphs move up (down when negative)</source>
        <translation>字形上移的行数（负值为下移）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Coverage from which a pixel is ink: lower is bolder</source>
        <translation>像素被视为墨色的覆盖率阈值：越低越粗</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ink:</source>
        <translation>墨色：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rendering:</source>
        <translation>渲染：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape Arabic forms</source>
        <translation>阿拉伯文整形</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presentation forms the fonts lack are drawn by their shaping, and joining forms stay joined</source>
        <translation>字体缺少的表现形式通过整形绘制，连接形式保持相连</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import options from file or filename:</source>
        <translation>从文件或文件名导入选项：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import options from filename...</source>
        <translation>从文件名导入选项...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>centred</source>
        <translation>居中</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>primary&apos;s</source>
        <translation>同主字体</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baseline:</source>
        <translation>基线：</translation>
    </message>
</context>
<context>
    <name>TFontSaveDialog</name>
    <message>
        <location filename="../ui/FontSaveDialog.cpp" line="+24"/>
        <source>Save Font Options Into Font</source>
        <translation>将字体选项保存到字体中</translation>
    </message>
</context>
<context>
    <name>TFormatChoices</name>
    <message>
        <location filename="../ui/FormatChoices.cpp" line="-3"/>
        <source>The BDF font has 1 bit per pixel and every glyph is %1 pixels wide. Which font type should it become?</source>
        <translation>该 BDF 字体为每像素 1 位，且每个字形都宽 %1 像素。要转换为哪种字体类型？</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>4 color compr., variable width</source>
        <translation>4 色压缩，可变宽度</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>How many bits per pixel should the BDF font have?</source>
        <translation>BDF 字体应为每像素几位？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 bits: all four colours</source>
        <translation>2 位：全部四种颜色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 bit: ink and outline, for readers that know only 1 bit</source>
        <translation>1 位：墨色和描边，适用于只支持 1 位的读取程序</translation>
    </message>
</context>
<context>
    <name>TGenerationOptionsPanel</name>
    <message>
        <location filename="../ui/GenerationOptionsPanel.cpp" line="+30"/>
        <source>Font Character Generation Options</source>
        <translation>字体字符生成选项</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cut left-right background columns</source>
        <translation>裁去左右背景列</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/WindowMessages.cpp" line="+38"/>
        <source>Min width:</source>
        <translation>最小宽度：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space chars min width:</source>
        <translation>空格最小宽度：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Numbers have same width</source>
        <translation>数字等宽</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;-&apos; has same width as numbers</source>
        <translation>“-”与数字等宽</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right margin:</source>
        <translation>右边距：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min height:</source>
        <translation>最小高度：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top cut:</source>
        <translation>顶部裁切：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom cut:</source>
        <translation>底部裁切：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Widths are div. by</source>
        <translation>宽度倍数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Invalid Unicode Chars</source>
        <translation>显示无效 Unicode 字符</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background color2 for 0xA0</source>
        <translation>0xA0 用背景色 2</translation>
    </message>
</context>
<context>
    <name>TGlyphEditCommands</name>
    <message>
        <location filename="../ui/GlyphEditCommands.cpp" line="+53"/>
        <source>Drawing</source>
        <translation>绘制</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pad Colour</source>
        <translation>填充色</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove Column at Left</source>
        <translation>删除左侧列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Column at Right</source>
        <translation>删除右侧列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Left</source>
        <translation>添加左侧列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Right</source>
        <translation>添加右侧列</translation>
    </message>
</context>
<context>
    <name>TGlyphEditor</name>
    <message>
        <location filename="../ui/GlyphEditor.cpp" line="+42"/>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second background</source>
        <translation>第二背景色</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+5"/>
        <source>background</source>
        <translation>背景色</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>outline</source>
        <translation>描边</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>ink</source>
        <translation>墨色</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Glyph Editor</source>
        <translation>字形编辑器</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&lt; Previous</source>
        <translation>&lt; 上一个</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>下一个 &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous glyph (Page Up)</source>
        <translation>上一个字形（Page Up）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next glyph (Page Down)</source>
        <translation>下一个字形（Page Down）</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Left button: draw in the chosen colour. Right button: draw in the background colour.</source>
        <translation>鼠标左键：用所选颜色绘制。鼠标右键：用背景色绘制。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>撤销%1（Ctrl+Z）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>重做%1（Ctrl+Y）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put the edited glyphs into the font</source>
        <translation>将编辑后的字形放入字体</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Colour %1, %2: %3</source>
        <translation>颜色 %1，%2：%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pick Colour</source>
        <translation>取色</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a pixel to draw on in its colour</source>
        <translation>点击一个像素，以其颜色进行绘制</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pad colour:</source>
        <translation>填充色：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fills the glyph&apos;s rows up to a multiple of 4 pixels in an OLD compatibility mode file</source>
        <translation>在 OLD 兼容模式文件中，将字形的各行填充到 4 像素的倍数</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add at Left</source>
        <translation>左侧添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s left edge</source>
        <translation>在字形的左边缘添加一列背景</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Left</source>
        <translation>左侧删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s left edge</source>
        <translation>删除字形左边缘的一列</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add at Right</source>
        <translation>右侧添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s right edge</source>
        <translation>在字形的右边缘添加一列背景</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Right</source>
        <translation>右侧删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s right edge</source>
        <translation>删除字形右边缘的一列</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Fixed-width font: every glyph gains or loses the column, so all stay as wide as glyph 0.</source>
        <translation>固定宽度字体：每个字形都会同时增减该列，使所有字形与字形 0 等宽。</translation>
    </message>
</context>
<context>
    <name>TGlyphReadOut</name>
    <message>
        <location filename="../ui/GlyphReadOut.cpp" line="+12"/>
        <source>Character = %1 (0x%2), Unicode = %3 (0x%4), Width = %5</source>
        <translation>字符 = %1 (0x%2)，Unicode = %3 (0x%4)，宽度 = %5</translation>
    </message>
</context>
<context>
    <name>TStatusLine</name>
    <message>
        <location filename="../ui/StatusLine.cpp" line="+27"/>
        <source>0x%1 U+%2 “%3”</source>
        <translation>0x%1 U+%2 “%3”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>, top %1</source>
        <translation>，顶部 %1 行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, bottom %1</source>
        <translation>，底部 %1 行</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot be saved: %1</source>
        <translation>无法保存：%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 glyph clipped</source>
        <translation>1 个字形被裁切</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n glyphs clipped</source>
        <translation>
            <numerusform>%n 个字形被裁切</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ink cut at the top or bottom of the cell; the first: %1</source>
        <translation>墨色在单元格顶部或底部被裁切；第一个：%1</translation>
    </message>
</context>
<context>
    <name>TToolsPage</name>
    <message>
        <location filename="../ui/ToolsPage.cpp" line="+30"/>
        <source>Open Mediatek Font...</source>
        <translation>打开 Mediatek 字体...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Mediatek Font File...</source>
        <translation>选择 Mediatek 字体文件...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font...</source>
        <translation>保存 Mediatek 字体...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>另存为 Mediatek 字体...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from BMP...</source>
        <translation>从 BMP 导入...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select GlyphForgeTool Compatible BMP File...</source>
        <translation>选择 GlyphForgeTool 兼容的 BMP 文件...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BMP...</source>
        <translation>导出为 BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As GlyphForgeTool Compatible BMP File...</source>
        <translation>另存为 GlyphForgeTool 兼容的 BMP 文件...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Characters to Separate BMPs...</source>
        <translation>将字符导出为单独的 BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select output folder for separeate bmp files:</source>
        <translation>选择单独 BMP 文件的输出文件夹：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from FonTool Text format...</source>
        <translation>从 FonTool 文本格式导入...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select FonTool Format TXT File...</source>
        <translation>选择 FonTool 格式 TXT 文件...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to FonTool Text format...</source>
        <translation>导出为 FonTool 文本格式...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As FonTool Format TXT File...</source>
        <translation>另存为 FonTool 格式 TXT 文件...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import BDF...</source>
        <translation>导入 BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select BDF Font File...</source>
        <translation>选择 BDF 字体文件...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BDF...</source>
        <translation>导出为 BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As BDF Font File...</source>
        <translation>另存为 BDF 字体文件...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import &amp;&amp; Export</source>
        <translation>导入 &amp;&amp; 导出</translation>
    </message>
</context>
<context>
    <name>TZoomBox</name>
    <message>
        <location filename="../ui/ZoomBox.cpp" line="+14"/>
        <source>Zoom (Ctrl + mouse wheel, Ctrl + plus, Ctrl + minus, Ctrl + 0)</source>
        <translation>缩放（Ctrl + 鼠标滚轮、Ctrl + 加号、Ctrl + 减号、Ctrl + 0）</translation>
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
        <translation>字体创建</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font Tools</source>
        <translation>字体工具</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>No conversion table was found at &quot;%1&quot;. Load one with the button &quot;%2&quot; beside the preset list on &quot;%3&quot;, or drop %4 on the window; then pick a preset.</source>
        <translation>在“%1”未找到转换表。请用“%3”页预设列表旁的“%2”按钮加载转换表，或将%4拖放到窗口上；然后选择一个预设。</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 The presets in use are kept.</source>
        <translation>%1当前使用的预设保持不变。</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Text width: %1 | Text window size: %2x%3</source>
        <translation>文本宽度：%1 | 文本窗口大小：%2x%3</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Select GlyphForgeTool created mediatek font...</source>
        <translation>选择由 GlyphForgeTool 创建的 Mediatek 字体...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; holds no options: no options were saved into it, and its name is no options text such as a saved font&apos;s proposed name. The options stay as they are.</source>
        <translation>“%1”中没有选项：其中未保存任何选项，其文件名也不是选项文本（例如已保存字体的建议文件名）。选项保持不变。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing to save: load a conversion table with &quot;%1&quot; beside the preset list, and pick a preset with more than one character first.</source>
        <translation>没有可保存的内容：请先用预设列表旁的“%1”加载转换表，并选择一个包含多个字符的预设。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The options saved into the font describe it as they generated it, before the glyph edits.</source>
        <translation>保存到字体中的选项描述的是生成该字体时的设置，不包含之后的字形编辑。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Nothing to save: open a font here, or pick a preset on &quot;%1&quot;, first.</source>
        <translation>没有可保存的内容：请先在此打开一个字体，或在“%1”页选择一个预设。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Wrote %1 glyph BMPs to &quot;%2&quot;.</source>
        <translation>已将 %1 个字形 BMP 写入“%2”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 glyphs to &quot;%2&quot;.</source>
        <translation>已将 %1 个字形写入“%2”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drop one file at a time.</source>
        <translation>一次只能拖放一个文件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>“%1”不是本机上的文件。</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The font has glyph edits that are not saved. Discard them?</source>
        <translation>字体中有未保存的字形编辑。要放弃这些编辑吗？</translation>
    </message>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="-15"/>
        <source>%1 or %2</source>
        <translation>%1或%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Character %1 is %2 pixels wide, wider than &quot;%3&quot; %4, so the font type went back to &quot;%5&quot;. Choose &quot;%6&quot; again: it raises &quot;%3&quot; to %7.</source>
        <translation>字符 %1 宽 %2 像素，超过了“%3”%4，因此字体类型已退回“%5”。请再次选择“%6”：这会将“%3”提高到 %7。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;%1&quot; cannot be opened here. Drop %2.</source>
        <translation>无法在此打开“%1”。请拖放%2。</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <location filename="../ui/SplashWindow.cpp" line="+70"/>
        <source>%1 is starting...</source>
        <translation>%1 正在启动...</translation>
    </message>
</context>
</TS>
