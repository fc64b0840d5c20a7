# DUMP: the five layouts and the 256-byte block rule.

=== 10 bytes: hexadecimal by default, /X, and decimal
--- file-hex \ten.bin
00 01 7f 80 ff 41 42 20 0a 10
--- input
dump ten.bin
dump /X ten.bin
dump /D ten.bin
--- expect
\>dump ten.bin
000000: 00 01 7F 80 FF 41 42 20
000008: 0A 10
\>dump /X ten.bin
000000: 00 01 7F 80 FF 41 42 20
000008: 0A 10
\>dump /D ten.bin
000000:   0   1 127 128
000004: 255  65  66  32
000008:  10  16
\>

=== octal, characters, and the last option letter counts
--- file-hex \ten.bin
00 01 7f 80 ff 41 20 42 0a 7e
--- input
dump /O ten.bin
dump /C ten.bin
dump /XD /C /o ten.bin
--- expect
\>dump /O ten.bin
000000:   0   1 177 200
000004: 377 101  40 102
000008:  12 176
\>dump /C ten.bin
000000: . . . . . A   B
000008: . ~
\>dump /XD /C /o ten.bin
000000:   0   1 177 200
000004: 377 101  40 102
000008:  12 176
\>

=== words: 4 bytes are one line of two words; an odd last byte shows -- for its missing half
--- file-hex \four.bin
34 12 cd ab
--- file-hex \five.bin
34 12 cd ab ef
--- input
dump /W four.bin
dump /w five.bin
--- expect
\>dump /W four.bin
000000: 1234 ABCD
\>dump /w five.bin
000000: 1234 ABCD --EF
\>

=== lines never span two blocks
--- file-zeros \b.bin 260
--- input
dump /D b.bin
--- expect
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
{ANY}
000252:   0   0   0   0
000256:   0   0   0   0
\>

=== messages
--- dir \d
--- input
dump
dump \none.bin
dump \d
--- expect
\>dump
表示するファイルを指定してください。
\>dump \none.bin
指定のファイルが見つかりません： \none.bin
\>dump \d
このコマンドの引き数にはディレクトリを指定できません： \d
\>
--- exit 1
