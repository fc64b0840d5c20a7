# ADDREG, DELREG and DIRREG on the device registry.

=== the number 12 round trip
--- input
ADDREG HKCU, Software\Test, Name, 0x00010001, 12
DIRREG HKCU, Software\Test, Name
--- expect
\>ADDREG HKCU, Software\Test, Name, 0x00010001, 12
\>DIRREG HKCU, Software\Test, Name
HKCU, Software\Test, Name, 0x00010001, 12
\>

=== the default value of a key with a blank in its name
--- input
ADDREG hkcu, "My Key", , 0, hello world
DIRREG HKCU, "My Key"
--- expect
\>ADDREG hkcu, "My Key", , 0, hello world
\>DIRREG HKCU, "My Key"
HKCU, "My Key", , 0x00000000, hello world

\>

=== binary pieces
--- input
ADDREG HKCU, Software\Test, Bin, 1, 0a,ff,1
DIRREG HKCU, Software\Test, Bin
--- expect
\>ADDREG HKCU, Software\Test, Bin, 1, 0a,ff,1
\>DIRREG HKCU, Software\Test, Bin
HKCU, Software\Test, Bin, 0x00000001, a, ff, 1
\>

=== the default value must be a string
--- command ADDREG HKCU, Software\Test, , 0x10001, 5
--- expect
標準の値を設定する場合には、データ型に文字列を指定してください。
--- exit 1

=== the do-not-overwrite bit keeps the value
--- input
ADDREG HKCU, Software\Test, Name, 0x10001, 12
ADDREG HKCU, Software\Test, Name, 0x10003, 99
DIRREG HKCU, Software\Test, Name
ADDREG HKCU, Software\Test, Fresh, 0x10003, 99
DIRREG HKCU, Software\Test, Fresh
--- expect
\>ADDREG HKCU, Software\Test, Name, 0x10001, 12
\>ADDREG HKCU, Software\Test, Name, 0x10003, 99
指定の値は既に存在するため、処理をスキップします： Name
\>DIRREG HKCU, Software\Test, Name
HKCU, Software\Test, Name, 0x00010001, 12
\>ADDREG HKCU, Software\Test, Fresh, 0x10003, 99
\>DIRREG HKCU, Software\Test, Fresh
HKCU, Software\Test, Fresh, 0x00010001, 99
\>

=== an empty key is refused
--- input
DELREG HKLM,
DELREG HKLM, ""
DELREG HKLM, \
--- expect
\>DELREG HKLM,
キーの指定に誤りがあります。
\>DELREG HKLM, ""
キーの指定に誤りがあります。
\>DELREG HKLM, \
ルートキーは削除できません。
\>
--- exit 1

=== the whole tree with /s, the value name not used
--- input
ADDREG HKCU, Software\Test, Name, 0x10001, 12
ADDREG HKCU, Software\Test\Sub\Deeper, Multi, 0x10000, one, two words, "a,""b"
ADDREG HKCU, Software\Test\Other, Text, 0, "  padded  "
DIRREG /s HKCU, Software\Test, Name
--- expect
\>ADDREG HKCU, Software\Test, Name, 0x10001, 12
\>ADDREG HKCU, Software\Test\Sub\Deeper, Multi, 0x10000, one, two words, "a,""b"
\>ADDREG HKCU, Software\Test\Other, Text, 0, "  padded  "
\>DIRREG /s HKCU, Software\Test, Name
HKCU, Software\Test, Name, 0x00010001, 12

HKCU, Software\Test\Sub\Deeper, Multi, 0x00010000, one, "two words", "a,""b"

HKCU, Software\Test\Other, Text, 0x00000000, "  padded  "

\>

=== a missing key
--- command DIRREG HKLM, Nothing\There
--- expect
レジストリキーのオープンに失敗しました： Nothing\There
--- exit 1

=== DELREG answered No changes nothing
--- options: --no
--- input
ADDREG HKCU, Software\Test, Name, 0x10001, 12
DELREG HKCU, Software\Test, Name
DELREG HKCU, Software
DIRREG /s HKCU, Software
--- expect
\>ADDREG HKCU, Software\Test, Name, 0x10001, 12
\>DELREG HKCU, Software\Test, Name
処理を中止しました。
\>DELREG HKCU, Software
処理を中止しました。
\>DIRREG /s HKCU, Software
HKCU, Software\Verdane\Tessera\SETTINGS, SUPPORT_STDIN, 0x00010001, 1
HKCU, Software\Verdane\Tessera\SETTINGS, USE_STDIN, 0x00010001, 1
HKCU, Software\Verdane\Tessera\SETTINGS, SUPPORT_STDOUT, 0x00010001, 1
HKCU, Software\Verdane\Tessera\SETTINGS, USE_STDOUT, 0x00010001, 1
HKCU, Software\Verdane\Tessera\SETTINGS, SUPPORT_STDERR, 0x00010001, 1
HKCU, Software\Verdane\Tessera\SETTINGS, USE_STDERR, 0x00010001, 1

HKCU, Software\Test, Name, 0x00010001, 12

\>
--- stderr-has 下記の名前の値を削除します。よろしいですか？

=== DELREG answered Yes deletes the value, then the key
--- options: --yes
--- input
ADDREG HKCU, Software\Test\Sub, Name, 0x10001, 12
DELREG HKCU, Software\Test\Sub, Name
DIRREG HKCU, Software\Test\Sub, Name
DELETEREG HKCU, Software\Test
DIRREG HKCU, Software\Test\Sub
--- expect
\>ADDREG HKCU, Software\Test\Sub, Name, 0x10001, 12
\>DELREG HKCU, Software\Test\Sub, Name
\>DIRREG HKCU, Software\Test\Sub, Name
この「値の名前」は存在しません： Name
\>DELETEREG HKCU, Software\Test
\>DIRREG HKCU, Software\Test\Sub
レジストリキーのオープンに失敗しました： Software\Test\Sub
\>
--- exit 1

=== printed lines can be typed again as ADDREG lines
--- input
ADDREG HKCU, Copy, Percent, 0, 100%% sure
ADDREG HKCU, Copy, "Comma, and ""quote""", 0x10000, "x,y", " z"
DIRREG HKCU, Copy
DELREG /q HKCU, Copy
ADDREG HKCU, Copy, Percent, 0x00000000, 100%% sure
ADDREG HKCU, Copy, "Comma, and ""quote""", 0x00010000, "x,y", " z"
DIRREG HKCU, Copy
--- expect
\>ADDREG HKCU, Copy, Percent, 0, 100%% sure
\>ADDREG HKCU, Copy, "Comma, and ""quote""", 0x10000, "x,y", " z"
\>DIRREG HKCU, Copy
HKCU, Copy, Percent, 0x00000000, 100%% sure
HKCU, Copy, "Comma, and ""quote""", 0x00010000, "x,y", " z"

\>DELREG /q HKCU, Copy
\>ADDREG HKCU, Copy, Percent, 0x00000000, 100%% sure
\>ADDREG HKCU, Copy, "Comma, and ""quote""", 0x00010000, "x,y", " z"
\>DIRREG HKCU, Copy
HKCU, Copy, Percent, 0x00000000, 100%% sure
HKCU, Copy, "Comma, and ""quote""", 0x00010000, "x,y", " z"

\>

=== printed lines replayed from a batch file
--- file \reg.bat
@ADDREG HKCU, Copy, Percent, 0x00000000, 100%% sure
@ADDREG HKCU, Copy, "Comma, and ""quote""", 0x00010000, "x,y", " z"
--- input
reg.bat
DIRREG HKCU, Copy
--- expect
\>reg.bat
\>DIRREG HKCU, Copy
HKCU, Copy, Percent, 0x00000000, 100%% sure
HKCU, Copy, "Comma, and ""quote""", 0x00010000, "x,y", " z"

\>
