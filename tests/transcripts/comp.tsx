# COMP: same bytes or not, in blocks of 1024.

=== two empty files are the same
--- file-hex \a.bin
--- file-hex \b.bin
--- input
comp a.bin b.bin
echo %ERRORLEVEL%
--- expect
\>comp a.bin b.bin
ファイルの内容は同一です。
\>echo %ERRORLEVEL%
0
\>

=== 1024 against 1025 bytes whose first 1024 agree: different, ERRORLEVEL 2
--- file-zeros \k.bin 1024
--- file-zeros \k1.bin 1025
--- file-zeros \k2.bin 1024
--- input
comp k.bin k1.bin
echo %ERRORLEVEL%
comp /S k.bin k2.bin
echo %ERRORLEVEL%
comp /s k1.bin k.bin
--- expect
\>comp k.bin k1.bin
ファイルの内容に差異が見つかりました。
\>echo %ERRORLEVEL%
2
\>comp /S k.bin k2.bin
\>echo %ERRORLEVEL%
0
\>comp /s k1.bin k.bin
\>
--- exit 2

=== one byte differs late in the second block
--- file-zeros \z.bin 2000
--- file-hex \short.bin
00
--- input
comp z.bin short.bin
--- expect
\>comp z.bin short.bin
ファイルの内容に差異が見つかりました。
\>
--- exit 2

=== argument errors and files that cannot be opened
--- file \a.txt
--- dir \d
--- input
comp
comp a.txt
comp a.txt \none.txt
comp \d a.txt
--- expect
\>comp
引数の指定に誤りがあります。
\>comp a.txt
コピー先の指定に誤りがあります。
\>comp a.txt \none.txt
ファイルのアクセスでエラーが発生しました： \none.txt
\>comp \d a.txt
ファイルのアクセスでエラーが発生しました： \d
\>
--- exit 1
