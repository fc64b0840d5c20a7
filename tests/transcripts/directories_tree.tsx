# MKDIR / MD and RMDIR / RD: parents created, trees removed, the current directory kept.

=== MKDIR creates the missing parents
--- dir \a
--- input
mkdir \a\b\c
dir /b \a\b
md \a\b\c
md \a\b\c\
--- expect
\>mkdir \a\b\c
\>dir /b \a\b
c
\>md \a\b\c
同名のディレクトリが既に存在します： \a\b\c
\>md \a\b\c\
同名のディレクトリが既に存在します： \a\b\c
\>
--- exit 1

=== MKDIR refuses a file in the way and a name that exists as a file
--- file \f.txt
--- input
md \f.txt\sub
md \f.txt
md
--- expect
\>md \f.txt\sub
同名のファイルが既に存在するため指定のディレクトリを作成できません： \f.txt
\>md \f.txt
同名のファイルが既に存在します： \f.txt
\>md
作成するディレクトリ名を指定してください。
\>
--- exit 1

=== RD guards the current directory and its parents with a plain prefix test
--- dir \abc
--- dir \ab
--- input
cd \abc
rd \ab
rd \abc
rd \
rd ..
--- expect
\>cd \abc
\abc>rd \ab
カレントディレクトリおよび親ディレクトリは削除できません： \ab
\abc>rd \abc
カレントディレクトリおよび親ディレクトリは削除できません： \abc
\abc>rd \
カレントディレクトリおよび親ディレクトリは削除できません： \
\abc>rd ..
カレントディレクトリおよび親ディレクトリは削除できません： \
\abc>
--- exit 1

=== RD without /S: empty, not empty, missing, a file
--- file \full\x.txt
--- dir \empty
--- input
rd \empty
rd \full
rmdir \none
rd \full\x.txt
rd
--- expect
\>rd \empty
\>rd \full
ディレクトリが空でないために削除できません： \full
\>rmdir \none
指定のディレクトリは存在しません： \none
\>rd \full\x.txt
ファイルを削除するには DEL を使用してください： \full\x.txt
\>rd
削除するディレクトリを指定してください。
\>
--- exit 1

=== RD /S /Q removes read-only files without a question
--- file \tmp\x\a.txt
--- file \tmp\x\sub\b.txt
--- file \tmp\keep.txt
--- input
attrib +r \tmp\x\a.txt
attrib +r \tmp\x\sub\b.txt
rd /S /Q \tmp\x
dir /b \tmp
--- expect
\>attrib +r \tmp\x\a.txt
\>attrib +r \tmp\x\sub\b.txt
\>rd /S /Q \tmp\x
\>dir /b \tmp
keep.txt
\>

=== RD /S answered No removes nothing
--- stderr-has 下記フォルダをファイルとサブフォルダを含め削除します。
--- options: --no
--- file \t\a.txt
--- input
rd /s \t
dir /b \t
--- expect
\>rd /s \t
処理を中止しました。
\>dir /b \t
a.txt
\>
