# Batch files.

=== echo of batch lines with the prompt, @echo off
--- file \t.bat
echo one
@echo two
@echo off
echo three
--- input
call \t.bat
--- expect
\>call \t.bat
\>echo one
one
two
three
\>

=== CALL copies the context, CALL /I shares it, CALL /N starts afresh
--- file \s.bat
@set A=1
@path \changed
--- file \n.bat
@echo [%PATH%] [%CUR DIR%]
--- dir \Work
--- input
call \s.bat
echo [%A%] %PATH%
call /I \s.bat
echo [%A%] %PATH%
cd \Work
call /N \n.bat
cd
--- expect
\>call \s.bat
\>echo [%A%] %PATH%
[] \Program Files\Tessera\bin;\Windows;\
\>call /I \s.bat
\>echo [%A%] %PATH%
[1] \changed
\>cd \Work
\Work>call /N \n.bat
[\Program Files\Tessera\bin;\Windows;\] []
\Work>cd
\Work
\Work>

=== CALL /X stops at the first failing command
--- file \x.bat
@echo before
@goto nolabel
@echo after
--- input
call /X \x.bat
echo %ERRORLEVEL%
--- expect
\>call /X \x.bat
before
指定のラベルが見つかりません： nolabel
\>echo %ERRORLEVEL%
1
\>

=== SHIFT, IF and GOTO with and without wrap
--- file \g.bat
@echo off
goto start
:again
echo wrapped to again
goto done
:start
echo [%0] [%1] [%2]
shift
echo [%0] [%1]
if "%2"=="" goto NoSecond
echo has a second
:nosecond
if not exist \none echo missing
if exist \g.bat goto AGAIN
:done
echo done
--- input
call \g.bat "a b" c
--- expect
\>call \g.bat "a b" c
[\g.bat] ["a b"] [c]
["a b"] [c]
missing
wrapped to again
done
\>

=== EXIT ends the innermost batch file only
--- file \inner.bat
@echo inner
@exit
@echo not shown
--- file \outer.bat
@call \inner.bat
@echo back in outer
--- input
call \outer.bat
echo still running
--- expect
\>call \outer.bat
inner
back in outer
\>echo still running
still running
\>

=== a batch file that calls itself forever ends with a message
--- file \self.bat
@call \self.bat
--- command call \self.bat
--- expect
エラーが発生しました。原因はメモリー不足と思われます。 \self.bat

=== missing batch files
--- input
call nosuch a b
call
--- expect
\>call nosuch a b
指定のバッチファイルが見つかりません： nosuch a b
\>call
実行するバッチファイルを指定してください： 
\>
--- exit 1
