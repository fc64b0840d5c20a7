# TYPE / CAT: encodings, first and last lines, option letter runs.

=== UTF-16 with and without byte-order mark and Shift_JIS show the same text
--- file-hex \bom.txt
ff fe 41 00 e5 65 2c 67 9e 8a
--- file-hex \nobom.txt
41 00 e5 65 2c 67 9e 8a
--- file-hex \sjis.txt
41 93 fa 96 7b 8c ea
--- input
type bom.txt
type nobom.txt
cat sjis.txt
--- expect
\>type bom.txt
A日本語
\>type nobom.txt
A日本語
\>cat sjis.txt
A日本語
\>

=== /S reads UTF-16 as ANSI: only what comes before the first zero byte
--- file-hex \u.txt
41 00 0d 00 0a 00 42 00 0d 00 0a 00 43 00
--- input
type /S u.txt
type /S /U u.txt
type /H2 u.txt
type /H2S u.txt
type /T1 u.txt
--- expect
\>type /S u.txt
A
\>type /S /U u.txt
A
B
C
\>type /H2 u.txt
A
B
\>type /H2S u.txt
A
\>type /T1 u.txt
B
C
\>

=== a, CR LF, b, CR LF: all, /H1, /T1 and /H with blanks before the digits
--- file-hex \ab.txt
61 0d 0a 62 0d 0a
--- input
type ab.txt
type /H1 ab.txt
type /T1 ab.txt
type /h 1 ab.txt
type /H0 ab.txt
--- expect
\>type ab.txt
a
b

\>type /H1 ab.txt
a
\>type /T1 ab.txt
b

\>type /h 1 ab.txt
a
\>type /H0 ab.txt
\>

=== lines ending in LF only are one line: /H1 shows them all
--- file-hex \lf.txt
61 0a 62 0a 63
--- input
type /H1 lf.txt
--- expect
\>type /H1 lf.txt
a
b
c
\>

=== /H without digits shows 10 lines; /T without digits the last 10 and one more
--- file \twelve.txt
1
2
3
4
5
6
7
8
9
10
11
12
--- input
type /H twelve.txt
type /T twelve.txt
--- expect
\>type /H twelve.txt
1
2
3
4
5
6
7
8
9
10
\>type /T twelve.txt
2
3
4
5
6
7
8
9
10
11
12
\>

=== messages: no file, a missing file, a directory, too many digits
--- dir \d
--- file \x.txt
--- input
type
type \none.txt
type \d
type /H12345678901234567890123456789012345678901234567890123456789012345 x.txt
type "\x.txt
--- expect
\>type
表示するファイルを指定してください。
\>type \none.txt
指定のファイルが見つかりません： \none.txt
\>type \d
このコマンドの引き数にはディレクトリを指定できません： \d
\>type /H12345678901234567890123456789012345678901234567890123456789012345 x.txt
オプションの指定に誤りがあります： /H
\>type "\x.txt

\>
