# DEL / ERASE: protected files, directories, /F and /P, names with blanks.

=== protected files and a directory are refused, the others deleted
--- file \d\ro.txt
--- file \d\hs.txt
--- file \d\plain.txt
--- file \d\other.log
--- dir \d\sub
--- input
attrib +r \d\ro.txt
attrib +h +s \d\hs.txt
del \d\*.*
dir /b /a \d
--- expect
\>attrib +r \d\ro.txt
\>attrib +h +s \d\hs.txt
\>del \d\*.*
システムファイル属性, 隠しファイル属性が設定されています。削除するには　/F を使用してください： \d\hs.txt
読み取り専用属性が設定されています。削除するには　/F を使用してください： \d\ro.txt
ディレクトリを削除するには RMDIR を使用してください： \d\sub
\>dir /b /a \d
hs.txt
ro.txt
sub
\>

=== read-only, system and hidden together: both separators
--- file \d\all.txt
--- input
attrib +rsh \d\all.txt
erase \d\all.txt
--- expect
\>attrib +rsh \d\all.txt
\>erase \d\all.txt
読み取り専用属性，システムファイル属性, 隠しファイル属性が設定されています。削除するには　/F を使用してください： \d\all.txt
\>
--- exit 1

=== read-only and hidden: the comma separator before the hidden part
--- file \d\rh.txt
--- input
attrib +r +h \d\rh.txt
del \d\rh.txt
--- expect
\>attrib +r +h \d\rh.txt
\>del \d\rh.txt
読み取り専用属性, 隠しファイル属性が設定されています。削除するには　/F を使用してください： \d\rh.txt
\>
--- exit 1

=== /F deletes protected files
--- file \d\ro.txt
--- file \d\.hidden
--- input
attrib +r \d\ro.txt
del /F \d\*.*
dir /b /a \d
--- expect
\>attrib +r \d\ro.txt
\>del /F \d\*.*
\>dir /b /a \d

   0 個のファイル  0 バイト
{ANY}
\>
--- exit 1

=== /F /P answered No keeps the file read-only; ERRORLEVEL stays 0
--- options: --no
--- file \x.txt
keep
--- input
attrib +r x.txt
del /F /P x.txt
attrib x.txt
--- expect
\>attrib +r x.txt
\>del /F /P x.txt
処理をスキップしました： \x.txt
\>attrib x.txt
--A--R x.txt
\>
--- expect-file-hex \x.txt
6b 65 65 70

=== /P answered Yes deletes
--- options: --yes
--- file \x.txt
--- input
del /fp x.txt
dir /b x.txt
--- expect
\>del /fp x.txt
\>dir /b x.txt
ファイルが見つかりません。
\>
--- exit 1

=== a name with blanks needs no quotes; a quote never closed is dropped
--- file \my file.txt
--- file \your file.txt
--- input
del my file.txt
del "your file.txt
dir /b *file.txt
--- expect
\>del my file.txt
\>del "your file.txt
\>dir /b *file.txt
ファイルが見つかりません。
\>
--- exit 1

=== nothing to delete, nothing found
--- input
del
del /f
del nothing.txt
--- expect
\>del
削除するファイルを指定してください。
\>del /f
削除するファイルを指定してください。
\>del nothing.txt
指定のファイルが見つかりません： \nothing.txt
\>
--- exit 1
