# The terminal front end itself.

=== the transcript of piped lines
--- input
echo one

rem nothing
echo two
--- expect
\>echo one
one
\>
\>rem nothing
\>echo two
two
\>

=== unknown commands and the exit code
--- input
nosuch
goto x
--- expect
\>nosuch
指定のコマンドが見つかりません。
\>goto x
\>
--- exit 1

=== exit ends the session
--- input
echo before
exit
echo after
--- expect
\>echo before
before
\>exit

=== pause is answered by --yes without a terminal
--- options: --yes
--- input
pause
echo done
--- expect
\>pause
\>echo done
done
\>
--- stderr-has 処理を継続するには、OKボタンをクリックしてください。

=== a bad option is refused
--- options: --columns 3
--- command echo x
--- stderr-has --columns needs a number
--- exit 2

=== the help of a command from a help file
--- file-utf16 \Program Files\Tessera\HELPBRIEF.TXT
<!--CMD-->
ECHO
<!--BRIEF-->
テキストを表示します。
<!--HELP-->
ECHO [ON | OFF | text]
--- input
echo /?
help
--- expect
\>echo /?
ECHO [ON | OFF | text]
\>help
-------------
[ECHO]
テキストを表示します。
\>
