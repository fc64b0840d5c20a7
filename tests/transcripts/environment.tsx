# SET, PATH and PROMPT.

=== the start-up values
--- command set
--- expect
CUR DIR = 
PROMPT = $P$G
PATH = \Program Files\Tessera\bin;\Windows;\
ERRORLEVEL = 0
TSXVER = 2.05
OSVER = {ANY}
SUPPORTSTDIN = OK
SUPPORTSTDOUT = OK

=== setting, refusing and deleting
--- input
set path=\x
path
set TSXVER=3
set ERRORLEVEL=
set FOO=
set A = b
echo [%A%]
set A=
echo [%A%]
--- expect
\>set path=\x
\>path
\x
\>set TSXVER=3
この環境変数はシステムで予約されていますので、変更できません： TSXVER
\>set ERRORLEVEL=
この環境変数はシステムが使用していますので削除できません： ERRORLEVEL
\>set FOO=
\>set A = b
\>echo [%A%]
[b]
\>set A=
\>echo [%A%]
[%A%]
\>

=== path ; empties PATH
--- input
path ;
path
--- expect
\>path ;
\>path
PATH=(null)
\>

=== prompts
--- input
prompt $P$_$G
prompt [$Q$S$$]
prompt
--- expect
\>prompt $P$_$G
\
>prompt [$Q$S$$]
[= $]prompt
\>
