<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>ApplicationTitle</name>
    <message>
        <location filename="../ui/ApplicationTitle.cpp" line="+19"/>
        <source>%1 by %2 (aka %3)</source>
        <translation>%1 của %2 (aka %3)</translation>
    </message>
</context>
<context>
    <name>CoreMessage</name>
    <message>
        <location filename="../font/BdfImport.cpp" line="+52"/>
        <source>The 2-colour type needs one width for every glyph; the BDF font&apos;s glyphs are %d (&quot;%s&quot;, code %d) to %d (&quot;%s&quot;, code %d) pixels wide.</source>
        <translation>Loại 2 màu cần một độ rộng chung cho mọi hình chữ; các hình chữ của phông BDF rộng từ %d (&quot;%s&quot;, mã %d) đến %d (&quot;%s&quot;, mã %d) điểm ảnh.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>In the 2-colour type the %d codes the BDF font leaves out below its last glyph would be blank cells of %d x %d pixels, more than the %llu pixels such cells may take.</source>
        <translation>Ở loại 2 màu, %d mã mà phông BDF bỏ trống trước hình chữ cuối cùng sẽ thành các ô trống %d x %d điểm ảnh, vượt quá %llu điểm ảnh mà các ô như vậy được phép chiếm.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The BDF font was imported, with these changes:</source>
        <translation>Phông BDF đã được nhập, với các thay đổi sau:</translation>
    </message>
    <message>
        <location filename="../font/BdfReader.cpp" line="+152"/>
        <source>The file ends without ENDFONT: it may be cut short.</source>
        <translation>Tệp kết thúc mà không có ENDFONT: có thể đã bị cắt cụt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CHARS does not count the %d glyphs that follow.</source>
        <translation>CHARS không tính đến %d hình chữ ở phía sau.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The BDF font has %s bits per pixel; 1, 2, 4 or 8 can be read.</source>
        <translation>Phông BDF có %s bit trên mỗi điểm ảnh; chỉ đọc được 1, 2, 4 hoặc 8.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Not a BDF font file: it does not start with STARTFONT.</source>
        <translation>Không phải tệp phông BDF: tệp không bắt đầu bằng STARTFONT.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>STARTPROPERTIES does not count the %d properties that follow.</source>
        <translation>STARTPROPERTIES không tính đến %d thuộc tính ở phía sau.</translation>
    </message>
    <message>
        <location line="+83"/>
        <location line="+157"/>
        <source>&quot;%s&quot; (code %d)</source>
        <translation>&quot;%s&quot; (mã %d)</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>The BDF font asks for more than %llu pixels, far more than its %zu bytes can describe.</source>
        <translation>Phông BDF đòi hơn %llu điểm ảnh, vượt xa mức mà %zu byte của nó có thể mô tả.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The BDF font&apos;s glyphs need a cell %d pixels high (%d above the baseline, %d below); a font can be at most %d pixels high.</source>
        <translation>Các hình chữ của phông BDF cần ô cao %d điểm ảnh (%d trên đường cơ sở, %d dưới); một phông chỉ cao tối đa %d điểm ảnh.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The cell was made %d pixels high instead of FONT_ASCENT + FONT_DESCENT = %d, to hold the ink of %d glyphs (the first %s).</source>
        <translation>Ô được làm cao %d điểm ảnh thay vì FONT_ASCENT + FONT_DESCENT = %d, để chứa mực của %d hình chữ (hình chữ đầu tiên: %s).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The BDF font holds no glyph that can be imported.</source>
        <translation>Phông BDF không có hình chữ nào nhập được.</translation>
    </message>
    <message>
        <location filename="../font/BdfWarnings.cpp" line="+13"/>
        <source>Glyphs ending without ENDCHAR, read as far as they go</source>
        <translation>Hình chữ kết thúc mà không có ENDCHAR, đọc đến hết phần có</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without ENCODING, skipped</source>
        <translation>Hình chữ không có ENCODING, đã bỏ qua</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ENCODING -1 or a code beyond 0..65534, skipped</source>
        <translation>Hình chữ có ENCODING -1 hoặc mã ngoài 0..65534, đã bỏ qua</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs repeating the code of an earlier glyph, skipped</source>
        <translation>Hình chữ trùng mã với một hình chữ trước đó, đã bỏ qua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without BBX, placed by FONTBOUNDINGBOX</source>
        <translation>Hình chữ không có BBX, đặt theo FONTBOUNDINGBOX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs without a sound BBX of at most 255 x 255 pixels, skipped</source>
        <translation>Hình chữ không có BBX hợp lệ tối đa 255 x 255 điểm ảnh, đã bỏ qua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs without DWIDTH, as wide as their box reaches</source>
        <translation>Hình chữ không có DWIDTH, rộng đến hết khung của chúng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs with a damaged DWIDTH, skipped</source>
        <translation>Hình chữ có DWIDTH bị hỏng, đã bỏ qua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Glyphs that would be wider than 255 pixels, skipped</source>
        <translation>Hình chữ sẽ rộng hơn 255 điểm ảnh, đã bỏ qua</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with ink outside their DWIDTH, widened to hold it</source>
        <translation>Hình chữ có mực nằm ngoài DWIDTH, đã nới rộng để chứa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with fewer bitmap rows than their BBX height, the missing rows blank</source>
        <translation>Hình chữ có ít hàng bitmap hơn chiều cao BBX, các hàng thiếu để trống</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with more bitmap rows than their BBX height, the extra rows dropped</source>
        <translation>Hình chữ có nhiều hàng bitmap hơn chiều cao BBX, các hàng thừa bị bỏ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Glyphs with bitmap rows of the wrong length or with other than hex digits, the missing pixels blank</source>
        <translation>Hình chữ có hàng bitmap sai độ dài hoặc chứa ký tự không phải chữ số hex, các điểm ảnh thiếu để trống</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%s: %d, the first %s.</source>
        <translation>%s: %d, đầu tiên là %s.</translation>
    </message>
    <message>
        <location filename="../font/Errors.h" line="+41"/>
        <source>Range check error</source>
        <translation>Lỗi kiểm tra phạm vi</translation>
    </message>
    <message>
        <location filename="../font/FileFormats.cpp" line="+40"/>
        <location filename="../font/FileIo.cpp" line="+41"/>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation>Không thể tạo tệp &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be made.</source>
        <translation>Không thể tạo thư mục.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>is not an 8-bit palette picture</source>
        <translation>không phải ảnh bảng màu 8 bit</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>holds no FonTool font (no glyph starting with &quot;#G&quot;)</source>
        <translation>không chứa phông FonTool (không có hình chữ nào bắt đầu bằng &quot;#G&quot;)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%s&quot;: %s</source>
        <translation>&quot;%s&quot;: %s</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>use %s, or a folder ending in &quot;/&quot; for glyph BMPs</source>
        <translation>hãy dùng %s, hoặc một thư mục kết thúc bằng &quot;/&quot; cho các BMP hình chữ</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown font format.</source>
        <translation>Không rõ định dạng phông.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%s can be written but not read</source>
        <translation>%s chỉ ghi được, không đọc được</translation>
    </message>
    <message>
        <location filename="../font/FileIo.cpp" line="-12"/>
        <location line="+4"/>
        <location filename="../generate/FontFace.cpp" line="+266"/>
        <location line="+34"/>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation>Không thể mở tệp &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+3"/>
        <source>Error writing file &quot;%s&quot;. %s</source>
        <translation>Lỗi khi ghi tệp &quot;%s&quot;. %s</translation>
    </message>
    <message>
        <location filename="../font/GlyphEdits.cpp" line="+44"/>
        <source> In a fixed-width font every glyph grows with glyph 0.</source>
        <translation> Trong phông rộng cố định, mọi hình chữ đều rộng ra cùng với hình chữ 0.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In a fixed-width font every glyph shrinks with glyph 0.</source>
        <translation> Trong phông rộng cố định, mọi hình chữ đều hẹp lại cùng với hình chữ 0.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Glyph %d is %d pixels wide already, the most a font file can hold.%s</source>
        <translation>Hình chữ %d đã rộng %d điểm ảnh, mức tối đa mà một tệp phông chứa được.%s</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Glyph 0 has one column left, the least a fixed-width font can hold.%s</source>
        <translation>Hình chữ 0 chỉ còn một cột, mức tối thiểu mà một phông rộng cố định chứa được.%s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph %d has no column left to remove.%s</source>
        <translation>Hình chữ %d không còn cột nào để xóa.%s</translation>
    </message>
    <message>
        <location filename="../font/ImageFile.cpp" line="+21"/>
        <source>Cannot create file &quot;%s&quot;. The %s picture could not be encoded.</source>
        <translation>Không thể tạo tệp &quot;%s&quot;. Không mã hóa được ảnh %s.</translation>
    </message>
    <message>
        <location filename="../font/MtkFont.cpp" line="+85"/>
        <source>Not a Mediatek FON file.</source>
        <translation>Không phải tệp FON Mediatek.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown compression type.</source>
        <translation>Không rõ kiểu nén.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown font type.</source>
        <translation>Không rõ loại phông.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error #%d.</source>
        <translation>Lỗi #%d.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontBmp.cpp" line="+33"/>
        <source>A picture of %d x %d pixels cannot be made.</source>
        <translation>Không thể tạo ảnh %d x %d điểm ảnh.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>A font of height 0 cannot be saved as a BMP picture.</source>
        <translation>Không thể lưu phông cao 0 thành ảnh BMP.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The glyph strip is too wide for a BMP picture.</source>
        <translation>Dải hình chữ quá rộng đối với một ảnh BMP.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bitmap image is not valid: &quot;%s&quot;</source>
        <translation>Ảnh bitmap không hợp lệ: &quot;%s&quot;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Bitmap image is not valid</source>
        <translation>Ảnh bitmap không hợp lệ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The picture is %d rows high; a font can be at most %d rows high.</source>
        <translation>Ảnh cao %d hàng; một phông chỉ cao tối đa %d hàng.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontReader.cpp" line="+154"/>
        <source>The glyph data ends early: %d of %d glyphs are cut short, and their missing pixels show as colour 0.</source>
        <translation>Dữ liệu hình chữ kết thúc sớm: %d trên %d hình chữ bị cắt cụt, và các điểm ảnh thiếu hiện bằng màu 0.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+47"/>
        <source>Glyph data truncated</source>
        <translation>Dữ liệu hình chữ bị cụt</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Width table truncated</source>
        <translation>Bảng độ rộng bị cụt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Offset table truncated</source>
        <translation>Bảng vị trí bị cụt</translation>
    </message>
    <message>
        <location filename="../font/MtkFontText.cpp" line="+61"/>
        <source>List index out of bounds (%d)</source>
        <translation>Chỉ số danh sách vượt giới hạn (%d)</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The text&apos;s glyph height %d is above %d, the largest font height.</source>
        <translation>Chiều cao hình chữ %d của văn bản vượt quá %d, chiều cao phông lớn nhất.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Glyph %d is %d pixels wide; a glyph can be 0 to %d pixels wide.</source>
        <translation>Hình chữ %d rộng %d điểm ảnh; một hình chữ chỉ rộng được từ 0 đến %d điểm ảnh.</translation>
    </message>
    <message>
        <location filename="../font/MtkFontWriter.cpp" line="+201"/>
        <source>Cannot save a font of %d bits per pixel: only 1 (2 colours) and 2 (4 colours) are possible.</source>
        <translation>Không thể lưu phông %d bit trên mỗi điểm ảnh: chỉ có thể là 1 (2 màu) hoặc 2 (4 màu).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a Mediatek font holds at most %d.</source>
        <translation>Phông có %d hình chữ; một phông Mediatek chứa tối đa %d.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The font has %d glyphs; a compressed Mediatek font holds at most %d.</source>
        <translation>Phông có %d hình chữ; một phông Mediatek nén chứa tối đa %d.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Glyph %d is %d pixels high; a Mediatek font holds at most %d rows.</source>
        <translation>Hình chữ %d cao %d điểm ảnh; một phông Mediatek chứa tối đa %d hàng.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels high; every glyph of this font must be %d pixels high.</source>
        <translation>Hình chữ %d cao %d điểm ảnh; mọi hình chữ của phông này phải cao %d điểm ảnh.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Glyph 0 is 0 pixels wide; the glyphs of a fixed-width font must be at least 1 pixel wide.</source>
        <translation>Hình chữ 0 rộng 0 điểm ảnh; các hình chữ của phông rộng cố định phải rộng ít nhất 1 điểm ảnh.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Glyph 0 is %d pixels wide; a 2-colour glyph can be at most %d pixels wide.</source>
        <translation>Hình chữ 0 rộng %d điểm ảnh; một hình chữ 2 màu chỉ rộng tối đa %d điểm ảnh.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Glyph %d is %d pixels wide; a compressed glyph can be at most %d pixels wide.</source>
        <translation>Hình chữ %d rộng %d điểm ảnh; một hình chữ nén chỉ rộng tối đa %d điểm ảnh.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Glyph %d is %d pixels wide; in OLD compatibility mode a compressed glyph can be at most %d pixels wide.</source>
        <translation>Hình chữ %d rộng %d điểm ảnh; ở chế độ tương thích OLD, một hình chữ nén chỉ rộng tối đa %d điểm ảnh.</translation>
    </message>
    <message>
        <location line="+205"/>
        <source>The font has no glyphs; there is nothing to save.</source>
        <translation>Phông không có hình chữ nào; không có gì để lưu.</translation>
    </message>
    <message>
        <location filename="../generate/ConversionTable.cpp" line="+37"/>
        <location filename="../generate/OptionsImport.cpp" line="+119"/>
        <location line="+20"/>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation>&apos;%s&apos; không phải là giá trị số nguyên hợp lệ</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>&quot;%s&quot; holds the section %s, which is no preset: a table file holds only numbered sections such as [1].</source>
        <translation>&quot;%s&quot; chứa mục %s, không phải thiết lập sẵn: tệp bảng chỉ chứa các mục đánh số như [1].</translation>
    </message>
    <message>
        <location filename="../generate/FontCatalog.cpp" line="+22"/>
        <source>The font configuration could not be loaded.</source>
        <translation>Không nạp được cấu hình phông.</translation>
    </message>
    <message>
        <location filename="../generate/FontEngine.cpp" line="+97"/>
        <source>The font &quot;%s&quot; is not installed.</source>
        <translation>Phông &quot;%s&quot; chưa được cài đặt.</translation>
    </message>
    <message>
        <location filename="../generate/FontFace.cpp" line="-271"/>
        <source>The font rasteriser could not be started.</source>
        <translation>Không khởi động được bộ raster hóa phông.</translation>
    </message>
    <message>
        <location line="+238"/>
        <source>It is not a font file that can be read.</source>
        <translation>Đây không phải tệp phông đọc được.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The font cannot be drawn at this size.</source>
        <translation>Không thể vẽ phông ở cỡ này.</translation>
    </message>
    <message>
        <location filename="../generate/Generator.cpp" line="+385"/>
        <source>Font: Max Width = %d (Char %d), Height = %d, FileSize = %d bytes</source>
        <translation>Phông: Rộng tối đa = %d (Ký tự %d), Cao = %d, Cỡ tệp = %d byte</translation>
    </message>
    <message>
        <location filename="../generate/PreviewLayout.cpp" line="+168"/>
        <source>A preview of %d x %d pixels cannot be made.</source>
        <translation>Không thể tạo bản xem trước %d x %d điểm ảnh.</translation>
    </message>
    <message>
        <location filename="../document/FontDocument.cpp" line="+38"/>
        <source>&quot;%s&quot; %s; the font in hand is kept.</source>
        <translation>&quot;%s&quot; %s; phông hiện có được giữ nguyên.</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>&quot;%s&quot; holds no presets (numbered sections such as [1]).</source>
        <translation>&quot;%s&quot; không chứa thiết lập sẵn nào (các mục đánh số như [1]).</translation>
    </message>
    <message>
        <location filename="../font/BdfWriter.cpp" line="+212"/>
        <source>The font holds no glyphs; a BDF font needs at least one.</source>
        <translation>Phông chữ không có hình chữ nào; phông BDF cần ít nhất một hình chữ.</translation>
    </message>
</context>
<context>
    <name>CoreName</name>
    <message>
        <location filename="../font/FileFormats.cpp" line="-78"/>
        <source>a Mediatek font</source>
        <translation>một phông Mediatek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>Tệp phông hoặc nhị phân (*.mtf,*.bin)|*.mtf;*.bin|Tệp phông (.mtf)|*.mtf|Tệp nhị phân (*.bin)|*.bin|Mọi tệp (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*</source>
        <translation>Tệp phông Mediatek hoặc nhị phân (*.mtf,*.bin)|*.mtf;*.bin|Tệp phông Mediatek (*.mtf)|*.mtf|Tệp nhị phân (*.bin)|*.bin|Mọi tệp (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a glyph strip BMP</source>
        <translation>một dải hình chữ BMP</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*</source>
        <translation>Tệp bitmap (*.bmp)|*.bmp|Mọi tệp (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a folder of glyph BMPs</source>
        <translation>một thư mục BMP hình chữ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a FonTool text</source>
        <translation>một văn bản FonTool</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*</source>
        <translation>Tệp văn bản (*.txt)|*.txt|Mọi tệp (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a BDF font</source>
        <translation>một phông BDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>BDF Font (*.bdf)|*.bdf|All Files (*.*)|*.*</source>
        <translation>Phông BDF (*.bdf)|*.bdf|Mọi tệp (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../font/FileKind.cpp" line="+38"/>
        <source>%s (%s)</source>
        <translation>%s (%s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a conversion table</source>
        <translation>một bảng chuyển đổi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INI Files (*.ini)|*.ini|All Files (*.*)|*.*</source>
        <translation>Tệp INI (*.ini)|*.ini|Mọi tệp (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../generate/Rendering.cpp" line="+12"/>
        <source>Smooth</source>
        <translation>Mịn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp</source>
        <translation>Sắc nét</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crisp, auto-hinted</source>
        <translation>Sắc nét, tự căn nét</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>Nhẹ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../ui/LanguageChoice.cpp" line="+12"/>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Discard</source>
        <translation>Bỏ</translation>
    </message>
</context>
<context>
    <name>TCreationPage</name>
    <message>
        <location filename="../ui/CreationPage.cpp" line="+41"/>
        <source>Select Unicode Conversion Table...</source>
        <translation>Chọn bảng chuyển đổi Unicode...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Preset</source>
        <translation>Thiết lập sẵn</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>4 color compr., variable width (OLD compatibility mode)</source>
        <translation>4 màu nén, rộng thay đổi (chế độ tương thích OLD)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 color compr., variable width (NEW mode)</source>
        <translation>4 màu nén, rộng thay đổi (chế độ NEW)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../ui/FormatChoices.cpp" line="+23"/>
        <source>2 color uncompr., fix width</source>
        <translation>2 màu không nén, rộng cố định</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>Lưu thành phông Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font</source>
        <translation>Lưu phông Mediatek</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Primary Font</source>
        <translation>Phông chính</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary Font</source>
        <translation>Phông phụ</translation>
    </message>
</context>
<context>
    <name>TFontFamilyCombo</name>
    <message>
        <location filename="../ui/FontFamilyCombo.cpp" line="+117"/>
        <source>&quot;%1&quot; is not installed: the nearest installed family draws it.</source>
        <translation>&quot;%1&quot; chưa được cài đặt: họ phông đã cài gần nhất sẽ vẽ thay.</translation>
    </message>
</context>
<context>
    <name>TFontPage</name>
    <message>
        <location filename="../ui/FontPage.cpp" line="+58"/>
        <source>Try to display Primary Font&apos;s invalid chars with this font:</source>
        <translation>Thử hiện ký tự không hợp lệ của Phông chính bằng phông này:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Font dialog...</source>
        <translation>Chọn phông...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Size:</source>
        <translation>Cỡ:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bold</source>
        <translation>Đậm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Italic</source>
        <translation>Nghiêng</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Outline:</source>
        <translation>Viền:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rows the glyphs move up (down when negative)</source>
        <translation>Số hàng mà các hình chữ dịch lên (dịch xuống khi âm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shift:</source>
        <translation>Dịch:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Coverage from which a pixel is ink: lower is bolder</source>
        <translation>Độ phủ để một điểm ảnh thành mực: càng thấp càng đậm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ink:</source>
        <translation>Mực:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rendering:</source>
        <translation>Kết xuất:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape Arabic forms</source>
        <translation>Tạo dạng chữ Ả Rập</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Presentation forms the fonts lack are drawn by their shaping, and joining forms stay joined</source>
        <translation>Các dạng trình bày mà phông thiếu được vẽ theo cách định hình chữ, và các dạng nối vẫn được nối liền</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Import options from file or filename:</source>
        <translation>Nhập tùy chọn từ tệp hoặc tên tệp:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import options from filename...</source>
        <translation>Nhập tùy chọn từ tên tệp...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>centred</source>
        <translation>căn giữa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>primary&apos;s</source>
        <translation>theo phông chính</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baseline:</source>
        <translation>Đường cơ sở:</translation>
    </message>
</context>
<context>
    <name>TFontSaveDialog</name>
    <message>
        <location filename="../ui/FontSaveDialog.cpp" line="+24"/>
        <source>Save Font Options Into Font</source>
        <translation>Lưu tùy chọn phông vào phông</translation>
    </message>
</context>
<context>
    <name>TFormatChoices</name>
    <message>
        <location filename="../ui/FormatChoices.cpp" line="-3"/>
        <source>The BDF font has 1 bit per pixel and every glyph is %1 pixels wide. Which font type should it become?</source>
        <translation>Phông BDF có 1 bit trên mỗi điểm ảnh và mọi hình chữ đều rộng %1 điểm ảnh. Nên chuyển thành loại phông nào?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>4 color compr., variable width</source>
        <translation>4 màu nén, rộng thay đổi</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>How many bits per pixel should the BDF font have?</source>
        <translation>Phông BDF nên có bao nhiêu bit trên mỗi điểm ảnh?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 bits: all four colours</source>
        <translation>2 bit: đủ cả bốn màu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 bit: ink and outline, for readers that know only 1 bit</source>
        <translation>1 bit: mực và viền, cho trình đọc chỉ hiểu 1 bit</translation>
    </message>
</context>
<context>
    <name>TGenerationOptionsPanel</name>
    <message>
        <location filename="../ui/GenerationOptionsPanel.cpp" line="+30"/>
        <source>Font Character Generation Options</source>
        <translation>Tùy chọn tạo ký tự phông</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cut left-right background columns</source>
        <translation>Cắt cột nền trái-phải</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../ui/WindowMessages.cpp" line="+38"/>
        <source>Min width:</source>
        <translation>Rộng tối thiểu:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space chars min width:</source>
        <translation>Rộng tối thiểu dấu cách:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Numbers have same width</source>
        <translation>Chữ số cùng độ rộng</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;-&apos; has same width as numbers</source>
        <translation>&apos;-&apos; rộng bằng chữ số</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right margin:</source>
        <translation>Lề phải:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min height:</source>
        <translation>Cao tối thiểu:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Top cut:</source>
        <translation>Cắt trên:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bottom cut:</source>
        <translation>Cắt dưới:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Widths are div. by</source>
        <translation>Độ rộng chia hết cho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Invalid Unicode Chars</source>
        <translation>Hiện ký tự Unicode không hợp lệ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Background color2 for 0xA0</source>
        <translation>Màu nền 2 cho 0xA0</translation>
    </message>
</context>
<context>
    <name>TGlyphEditCommands</name>
    <message>
        <location filename="../ui/GlyphEditCommands.cpp" line="+53"/>
        <source>Drawing</source>
        <translation>Vẽ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pad Colour</source>
        <translation>Màu đệm</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remove Column at Left</source>
        <translation>Xóa cột bên trái</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove Column at Right</source>
        <translation>Xóa cột bên phải</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Left</source>
        <translation>Thêm cột bên trái</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Column at Right</source>
        <translation>Thêm cột bên phải</translation>
    </message>
</context>
<context>
    <name>TGlyphEditor</name>
    <message>
        <location filename="../ui/GlyphEditor.cpp" line="+42"/>
        <source>red</source>
        <translation>đỏ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>second background</source>
        <translation>nền thứ hai</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>grey</source>
        <translation>xám</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+5"/>
        <source>background</source>
        <translation>nền</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>black</source>
        <translation>đen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>outline</source>
        <translation>viền</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>white</source>
        <translation>trắng</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+4"/>
        <source>ink</source>
        <translation>mực</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Glyph Editor</source>
        <translation>Trình sửa hình chữ</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&lt; Previous</source>
        <translation>&lt; Trước</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next &gt;</source>
        <translation>Sau &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous glyph (Page Up)</source>
        <translation>Hình chữ trước (Page Up)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next glyph (Page Down)</source>
        <translation>Hình chữ sau (Page Down)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Left button: draw in the chosen colour. Right button: draw in the background colour.</source>
        <translation>Chuột trái: vẽ bằng màu đã chọn. Chuột phải: vẽ bằng màu nền.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Hoàn tác %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Làm lại %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Put the edited glyphs into the font</source>
        <translation>Đưa các hình chữ đã sửa vào phông chữ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Colour</source>
        <translation>Màu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Colour %1, %2: %3</source>
        <translation>Màu %1, %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pick Colour</source>
        <translation>Lấy màu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click a pixel to draw on in its colour</source>
        <translation>Nhấp vào một điểm ảnh để vẽ tiếp bằng màu của nó</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pad colour:</source>
        <translation>Màu đệm:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fills the glyph&apos;s rows up to a multiple of 4 pixels in an OLD compatibility mode file</source>
        <translation>Tô các hàng của hình chữ cho đủ bội số của 4 điểm ảnh trong tệp chế độ tương thích OLD</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Width</source>
        <translation>Độ rộng</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add at Left</source>
        <translation>Thêm bên trái</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s left edge</source>
        <translation>Thêm một cột nền ở cạnh trái của hình chữ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Left</source>
        <translation>Xóa bên trái</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s left edge</source>
        <translation>Xóa cột ở cạnh trái của hình chữ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add at Right</source>
        <translation>Thêm bên phải</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a column of background at the glyph&apos;s right edge</source>
        <translation>Thêm một cột nền ở cạnh phải của hình chữ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove at Right</source>
        <translation>Xóa bên phải</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove the column at the glyph&apos;s right edge</source>
        <translation>Xóa cột ở cạnh phải của hình chữ</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Fixed-width font: every glyph gains or loses the column, so all stay as wide as glyph 0.</source>
        <translation>Phông rộng cố định: mọi hình chữ cùng được thêm hoặc bớt cột, nên tất cả vẫn rộng bằng hình chữ 0.</translation>
    </message>
</context>
<context>
    <name>TGlyphReadOut</name>
    <message>
        <location filename="../ui/GlyphReadOut.cpp" line="+12"/>
        <source>Character = %1 (0x%2), Unicode = %3 (0x%4), Width = %5</source>
        <translation>Ký tự = %1 (0x%2), Unicode = %3 (0x%4), Rộng = %5</translation>
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
        <translation>, trên %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, bottom %1</source>
        <translation>, dưới %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Cannot be saved: %1</source>
        <translation>Không thể lưu: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 glyph clipped</source>
        <translation>1 hình chữ bị cắt</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n glyphs clipped</source>
        <translation>
            <numerusform>%n hình chữ bị cắt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ink cut at the top or bottom of the cell; the first: %1</source>
        <translation>Mực bị cắt ở đỉnh hoặc đáy ô; hình chữ đầu tiên: %1</translation>
    </message>
</context>
<context>
    <name>TToolsPage</name>
    <message>
        <location filename="../ui/ToolsPage.cpp" line="+30"/>
        <source>Open Mediatek Font...</source>
        <translation>Mở phông Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select Mediatek Font File...</source>
        <translation>Chọn tệp phông Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mediatek Font...</source>
        <translation>Lưu phông Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Mediatek Font...</source>
        <translation>Lưu thành phông Mediatek...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from BMP...</source>
        <translation>Nhập từ BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select GlyphForgeTool Compatible BMP File...</source>
        <translation>Chọn tệp BMP tương thích GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BMP...</source>
        <translation>Xuất ra BMP...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As GlyphForgeTool Compatible BMP File...</source>
        <translation>Lưu thành tệp BMP tương thích GlyphForgeTool...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Characters to Separate BMPs...</source>
        <translation>Xuất ký tự ra các BMP riêng...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select output folder for separeate bmp files:</source>
        <translation>Chọn thư mục đầu ra cho các tệp BMP riêng:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import from FonTool Text format...</source>
        <translation>Nhập từ định dạng văn bản FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select FonTool Format TXT File...</source>
        <translation>Chọn tệp TXT định dạng FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to FonTool Text format...</source>
        <translation>Xuất ra định dạng văn bản FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As FonTool Format TXT File...</source>
        <translation>Lưu thành tệp TXT định dạng FonTool...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import BDF...</source>
        <translation>Nhập BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select BDF Font File...</source>
        <translation>Chọn tệp phông BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export to BDF...</source>
        <translation>Xuất ra BDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As BDF Font File...</source>
        <translation>Lưu thành tệp phông BDF...</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Import &amp;&amp; Export</source>
        <translation>Nhập &amp;&amp; Xuất</translation>
    </message>
</context>
<context>
    <name>TZoomBox</name>
    <message>
        <location filename="../ui/ZoomBox.cpp" line="+14"/>
        <source>Zoom (Ctrl + mouse wheel, Ctrl + plus, Ctrl + minus, Ctrl + 0)</source>
        <translation>Thu phóng (Ctrl + con lăn chuột, Ctrl + dấu cộng, Ctrl + dấu trừ, Ctrl + 0)</translation>
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
        <translation>Tạo phông</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Font Tools</source>
        <translation>Công cụ phông</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>No conversion table was found at &quot;%1&quot;. Load one with the button &quot;%2&quot; beside the preset list on &quot;%3&quot;, or drop %4 on the window; then pick a preset.</source>
        <translation>Không tìm thấy bảng chuyển đổi tại &quot;%1&quot;. Hãy nạp một bảng bằng nút &quot;%2&quot; cạnh danh sách thiết lập sẵn trên trang &quot;%3&quot;, hoặc thả %4 vào cửa sổ; sau đó chọn một thiết lập sẵn.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 The presets in use are kept.</source>
        <translation>%1 Các thiết lập sẵn đang dùng được giữ nguyên.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Text width: %1 | Text window size: %2x%3</source>
        <translation>Độ rộng văn bản: %1 | Cỡ cửa sổ văn bản: %2x%3</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Select GlyphForgeTool created mediatek font...</source>
        <translation>Chọn phông Mediatek do GlyphForgeTool tạo...</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; holds no options: no options were saved into it, and its name is no options text such as a saved font&apos;s proposed name. The options stay as they are.</source>
        <translation>&quot;%1&quot; không chứa tùy chọn: chưa có tùy chọn nào được lưu vào tệp này, và tên của nó cũng không phải văn bản tùy chọn như tên đề xuất của một phông đã lưu. Các tùy chọn được giữ nguyên.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing to save: load a conversion table with &quot;%1&quot; beside the preset list, and pick a preset with more than one character first.</source>
        <translation>Không có gì để lưu: trước hết hãy nạp một bảng chuyển đổi bằng &quot;%1&quot; cạnh danh sách thiết lập sẵn, rồi chọn một thiết lập sẵn có nhiều hơn một ký tự.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The options saved into the font describe it as they generated it, before the glyph edits.</source>
        <translation>Các tùy chọn lưu trong phông mô tả phông đúng như lúc chúng tạo ra nó, trước khi sửa hình chữ.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Out of memory</source>
        <translation>Hết bộ nhớ</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Nothing to save: open a font here, or pick a preset on &quot;%1&quot;, first.</source>
        <translation>Không có gì để lưu: trước hết hãy mở một phông ở đây, hoặc chọn một thiết lập sẵn trên trang &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Wrote %1 glyph BMPs to &quot;%2&quot;.</source>
        <translation>Đã ghi %1 BMP hình chữ vào &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote %1 glyphs to &quot;%2&quot;.</source>
        <translation>Đã ghi %1 hình chữ vào &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drop one file at a time.</source>
        <translation>Mỗi lần chỉ thả một tệp.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a file on this computer.</source>
        <translation>&quot;%1&quot; không phải là tệp trên máy tính này.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>The font has glyph edits that are not saved. Discard them?</source>
        <translation>Phông có các chỉnh sửa hình chữ chưa lưu. Bỏ chúng đi?</translation>
    </message>
    <message>
        <location filename="../ui/WindowMessages.cpp" line="-15"/>
        <source>%1 or %2</source>
        <translation>%1 hoặc %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Character %1 is %2 pixels wide, wider than &quot;%3&quot; %4, so the font type went back to &quot;%5&quot;. Choose &quot;%6&quot; again: it raises &quot;%3&quot; to %7.</source>
        <translation>Ký tự %1 rộng %2 điểm ảnh, rộng hơn &quot;%3&quot; %4, nên loại phông đã trở về &quot;%5&quot;. Hãy chọn lại &quot;%6&quot;: khi đó &quot;%3&quot; được nâng lên %7.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;%1&quot; cannot be opened here. Drop %2.</source>
        <translation>Không thể mở &quot;%1&quot; ở đây. Hãy thả %2.</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <location filename="../ui/SplashWindow.cpp" line="+70"/>
        <source>%1 is starting...</source>
        <translation>%1 đang khởi động...</translation>
    </message>
</context>
</TS>
