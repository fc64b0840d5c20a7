# Running programs from the shell.

=== a host program linked into the device, with quoted arguments (LS itself is the DIR built-in)
--- link \Windows\hostls.exe /bin/ls
--- dir \Work\My Dir
--- file \Work\My Dir\a b.txt
x
--- input
cd \Work
hostls "{ROOT}/Work/My Dir"
--- expect
\>cd \Work
\Work>hostls "{ROOT}/Work/My Dir"
a b.txt

\Work>

=== output, errors after it, and the exit code
--- program \Windows\tprog.exe
--- input
tprog err second out first exit 3
echo %ERRORLEVEL%
--- expect
\>tprog err second out first exit 3
first

second

\>echo %ERRORLEVEL%
3
\>

=== redirection spacing and targets
--- program \Windows\tprog.exe
--- input
tprog env TESSERA_CMDLINE > "out b" b
type "out b"
tprog out one > out c
tprog out two >> out c
type out c
tprog args a & b
--- expect
\>tprog env TESSERA_CMDLINE > "out b" b
\>type "out b"
env TESSERA_CMDLINE  b

\>tprog out one > out c
\>tprog out two >> out c
\>type out c
one
two

\>tprog args a & b
[a]
[&]
[b]

\>

=== background programs are listed newest first
--- program \Windows\tprog.exe
--- options: --yes
--- input
tprog sleep 20000 one &
tprog sleep 20000 two &
bg
kill 2
--- expect
\>tprog sleep 20000 one &
\>tprog sleep 20000 two &
\>bg
 1 tprog.EXE sleep 20000 two
 2 tprog.EXE sleep 20000 one
\>kill 2
\>
--- stderr-has Command Name: tprog.EXE sleep 20000 one
--- stderr-has There are some background processes.

=== a program before a batch file of the same name; PATH stops at an empty element
--- program \Tools\both.exe
--- file \Tools\both.bat
@echo the batch
--- file \Late\late.bat
@echo late
--- input
path \Tools;;\Late
both out program
both.bat
late
--- expect
\>path \Tools;;\Late
\>both out program
program

\>both.bat
the batch
\>late
指定のコマンドが見つかりません。
\>
