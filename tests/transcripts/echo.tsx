# ECHO to the console and into files.

=== echo mode and text
--- input
echo
echo off
echo
echo o
echo online
echo a    b
--- expect
\>echo
ECHO は <ON> です。
\>echo off
echo
ECHO は <OFF> です。
echo o
\>echo online
online
\>echo a    b
a b
\>

=== UTF-16 file with one byte-order mark
--- input
echo /U hello > x.txt
echo /U again >> x.txt
--- expect
\>echo /U hello > x.txt
\>echo /U again >> x.txt
\>
--- expect-file-hex \x.txt
ff fe 68 00 65 00 6c 00 6c 00 6f 00 0d 00 0a 00
61 00 67 00 61 00 69 00 6e 00 0d 00 0a 00

=== ANSI file in Shift_JIS with CR LF
--- command echo 日本語 > \Temp\sjis.txt
--- expect-file-hex \Temp\sjis.txt
93 fa 96 7b 8c ea 0d 0a

=== only the line end with /N
--- command echo /N > n.txt
--- expect-file-hex \n.txt
0d 0a

=== a directory target is refused
--- command echo x > \Windows
--- expect
出力先にディレクトリは指定できません： \Windows
--- exit 1
