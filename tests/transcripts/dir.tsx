# DIR: layouts by console width, options, order keys, filters and failures.

=== long lines at 40 columns, years 1999 and 2000, grouping on and off
--- options: --columns 40
--- file-zeros \d\big.bin 1234567
--- file \d\old.txt
abc
--- dir \d\sub
--- mtime \d\big.bin 2000-01-02 03:04
--- mtime \d\old.txt 1999-12-31 23:59
--- mtime \d\sub 2000-02-29 12:00
--- input
dir \d
dir /-C \d
--- expect
\>dir \d
00/01/02 03:04       1,234,567  big.bin
99/12/31 23:59               3  old.txt
00/02/29 12:00    <DIR>         sub

           3個のファイル   1,234,570 バイト

\>dir /-C \d
00/01/02 03:04         1234567  big.bin
99/12/31 23:59               3  old.txt
00/02/29 12:00    <DIR>         sub

           3個のファイル   1234570 バイト

\>

=== 38 columns: short lines (a long size is not cut) with the wide total; the walk keeps long lines
--- options: --columns 38
--- file-zeros \d\big.bin 1234567
--- dir \d\sub
--- mtime \d\big.bin 1999-03-04 05:06
--- mtime \d\sub 2000-07-08 09:10
--- input
dir \d
dir /s \d
--- expect
\>dir \d
03/04-05:061,234,567 big.bin
07/08-09:10   <DIR> sub

           2個のファイル   1,234,567 バイト

\>dir /s \d
 \d
99/03/04 05:06       1,234,567  big.bin
00/07/08 09:10    <DIR>         sub

           2個のファイル   1,234,567 バイト

\>

=== 30 columns: short lines and the narrow total; /W with a long name gives one name a line
--- options: --columns 30
--- file \d\a-name-of-thirty-bytes-ok.txt
x
--- file \d\b.txt
yz
--- mtime \d\a-name-of-thirty-bytes-ok.txt 2001-01-01 00:00
--- mtime \d\b.txt 2001-01-01 00:00
--- input
dir \d
dir /w \d
--- expect
\>dir \d
01/01-00:00       1 a-name-of-thirty-bytes-ok.txt
01/01-00:00       2 b.txt

 2個のファイル  3 バイト

\>dir /w \d
a-name-of-thirty-bytes-ok.txt
b.txt

  2個のファイル   3 バイト

\>

=== wide layout at 40 columns pads by ANSI bytes and brackets directories
--- options: --columns 40
--- file \d\a.txt
--- file \d\日本.txt
--- file \d\ccccc.txt
--- file \d\dd.txt
--- dir \d\sub
--- input
dir /w \d
--- expect
\>dir /w \d
a.txt      ccccc.txt  dd.txt
[sub]      日本.txt

  5個のファイル   0 バイト

\>

=== sort keys: /O-NS, /OE, /O alone, /ON /S
--- options: --columns 40
--- file \d\b.txt
22
--- file \d\a.txt
1
--- file \d\c.log
333
--- file \d\noext
4444
--- file \d\z.txt
--- mtime \d\a.txt 2001-01-03 00:00
--- mtime \d\b.txt 2001-01-01 00:00
--- mtime \d\z.txt 2001-01-02 00:00
--- mtime \d\c.log 2001-01-05 00:00
--- mtime \d\noext 2001-01-04 00:00
--- input
dir /b /o-ns \d
dir /b /oe \d
dir /b /o \d
dir /on /s \d
--- expect
\>dir /b /o-ns \d
z.txt
noext
c.log
b.txt
a.txt
\>dir /b /oe \d
noext
c.log
b.txt
z.txt
a.txt
\>dir /b /o \d
a.txt
b.txt
c.log
noext
z.txt
\>dir /on /s \d
 \d
01/01/03 00:00               1  a.txt
01/01/01 00:00               2  b.txt
01/01/05 00:00               3  c.log
01/01/04 00:00               4  noext
01/01/02 00:00               0  z.txt

           5個のファイル   10 バイト

\>

=== size order with equal sizes keeps directory order; /OS-N turns only the name key
--- file \d\b.txt
1
--- file \d\a.txt
1
--- file \d\c.txt
22
--- input
dir /b /os \d
dir /b /o-s \d
dir /b /osn \d
--- expect
\>dir /b /os \d
a.txt
b.txt
c.txt
\>dir /b /o-s \d
c.txt
a.txt
b.txt
\>dir /b /osn \d
a.txt
b.txt
c.txt
\>

=== attribute filters /AH, /A-D, /A and /AD
--- file \d\.hidden
--- file \d\plain.txt
--- dir \d\sub
--- input
dir /b /ah \d
dir /b /a-d \d
dir /b /a \d
dir /b /ad \d
dir /b \d
--- expect
\>dir /b /ah \d
.hidden
\>dir /b /a-d \d
.hidden
plain.txt
\>dir /b /a \d
.hidden
plain.txt
sub
\>dir /b /ad \d
sub
\>dir /b \d
.hidden
plain.txt
sub
\>

=== unknown letters: /Q is ignored, /BQW sets B and ends the group at Q
--- options: --columns 40
--- file \d\a.txt
--- file \d\b.txt
--- input
dir /q /b \d
dir /BQW \d
dir /WQB \d
--- expect
\>dir /q /b \d
a.txt
b.txt
\>dir /BQW \d
a.txt
b.txt
\>dir /WQB \d
a.txt  b.txt

  2個のファイル   0 バイト

\>

=== lower and upper case of every line
--- options: --columns 40
--- file \d\MiXeD.TxT
--- mtime \d\MiXeD.TxT 2002-02-02 02:02
--- input
dir /b /l \d
dir /b /-l \d
dir /l /w \d
--- expect
\>dir /b /l \d
mixed.txt
\>dir /b /-l \d
MIXED.TXT
\>dir /l /w \d
mixed.txt

  1個のファイル   0 バイト

\>

=== an empty directory gives message 101 and ERRORLEVEL 1
--- dir \empty
--- command dir \empty
--- expect

   0 個のファイル  0 バイト
{ANY}
--- exit 1

=== a pattern with no match gives message 40 and ERRORLEVEL 1
--- file \d\a.txt
--- command dir \d\*.xyz
--- expect
ファイルが見つかりません。
--- exit 1

=== everything filtered out of a directory listing counts as empty
--- file \d\a.txt
--- command dir /ad \d
--- expect

   0 個のファイル  0 バイト
{ANY}
--- exit 1

=== the second of two paths is listed
--- file \one\a.txt
--- file \two\b.txt
--- command dir /b \one \two
--- expect
b.txt

=== relative paths, dots and a file name
--- file \d\e\f.txt
--- input
dir /b d\e
dir /b d\e\..\..\d\e\f.txt
dir /b \d\.
dir /b ..
--- expect
\>dir /b d\e
f.txt
\>dir /b d\e\..\..\d\e\f.txt
f.txt
\>dir /b \d\.
e
\>dir /b ..
d
My Documents
Program Files
Temp
Windows
\>

=== refused options and a quote never closed
--- input
dir /-A
dir /-O
dir /b /-o
dir "\Temp
--- expect
\>dir /-A
オプションの指定に誤りがあります： /-A
\>dir /-O
オプションの指定に誤りがあります： /-O
\>dir /b /-o
オプションの指定に誤りがあります： /-O
\>dir "\Temp
コマンドの書式に誤りがあります。
\>

=== the walk lists each directory with files, depth first, and skips empty ones
--- options: --columns 40
--- file \w\a.txt
1
--- file \w\x\b.txt
22
--- file \w\x\y\c.txt
333
--- dir \w\empty
--- mtime \w\a.txt 2003-03-03 03:03
--- mtime \w\x\b.txt 2003-03-03 03:03
--- mtime \w\x\y\c.txt 2003-03-03 03:03
--- input
dir /s \w\*.txt
dir /s /a-d \w\x
--- expect
\>dir /s \w\*.txt
 \w
03/03/03 03:03               1  a.txt

           1個のファイル   1 バイト

 \w\x
03/03/03 03:03               2  b.txt

           1個のファイル   2 バイト

 \w\x\y
03/03/03 03:03               3  c.txt

           1個のファイル   3 バイト

\>dir /s /a-d \w\x
 \w\x
03/03/03 03:03               2  b.txt

           1個のファイル   2 バイト

 \w\x\y
03/03/03 03:03               3  c.txt

           1個のファイル   3 バイト

\>

=== a refused option sets ERRORLEVEL 1
--- command dir /-a
--- expect
オプションの指定に誤りがあります： /-A
--- exit 1

=== a path token of 260 units or more is a syntax error
--- command dir \xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
--- expect
コマンドの書式に誤りがあります。

=== names are resolved against the current directory; a 32-column walk uses short lines
--- file \d\e\f.txt
--- input
cd \d
dir /b e
copy e\f.txt g.txt
del e\f.txt
dir /b /s
--- expect
\>cd \d
\d>dir /b e
f.txt
\d>copy e\f.txt g.txt
\d>del e\f.txt
\d>dir /b /s
 \d
{ANY}   <DIR> e
{ANY}       0 g.txt

 2個のファイル  0 バイト
{ANY}
\d>
