# MOVE / MV: into a directory, to a new name, never over an existing file.

=== one existing target among three: two move, the third is skipped, ERRORLEVEL 2
--- file \src\a.txt
A
--- file \src\b.txt
B
--- file \src\c.txt
C
--- file \dest\b.txt
old
--- input
move \src\*.* \dest
echo %ERRORLEVEL%
dir /b \src
type \dest\b.txt
--- expect
\>move \src\*.* \dest
移動先のファイルが既に存在するため、処理をスキップします： \dest\b.txt
\>echo %ERRORLEVEL%
2
\>dir /b \src
b.txt
\>type \dest\b.txt
old
\>

=== an existing file as the destination refuses the move
--- file \a.txt
A
--- file \b.txt
B
--- input
mv a.txt b.txt
type b.txt
--- expect
\>mv a.txt b.txt
移動先のファイルが既に存在するため、処理を実行できません： \b.txt
\>type b.txt
B
\>

=== many files to a new name, a missing source, missing arguments
--- file \a.txt
--- file \b.txt
--- input
move *.txt \newdir
move nothing.txt \x
move
move a.txt
--- expect
\>move *.txt \newdir
複数のファイルを移動する場合には、移動先にディレクトリを指定してください： \*.txt
\>move nothing.txt \x
移動元のファイルが見つかりませんでした： \nothing.txt
\>move
引数の指定に誤りがあります。
\>move a.txt
移動先の指定に誤りがあります。
\>
--- exit 1

=== a directory moves under a new name, never into itself
--- file \a\sub\x.txt
X
--- dir \abc
--- input
move \a \a\sub
move \a \ab
type \ab\sub\x.txt
move \ab \abc
dir /b \abc
--- expect
\>move \a \a\sub
サブディレクトリには移動できません： \a
\>move \a \ab
\>type \ab\sub\x.txt
X
\>move \ab \abc
\>dir /b \abc
ab
\>

=== a pattern matching only directories is ambiguous
--- dir \d\one
--- dir \d\two
--- dir \t
--- input
move \d\* \t
--- expect
\>move \d\* \t
ワイルドカードの指定があいまいです： \d\*
\>
--- exit 1
