# Variable expansion as typed at the prompt.

=== the default PATH
--- command ECHO %PATH%
--- expect
\Program Files\Tessera\bin;\Windows;\

=== undefined names stay until something is substituted
# (ECHO's text starts at its first non-blank, so the blank left by %X% is not shown)
--- input
echo %X%
echo %X% %PATH%
echo 50%
echo %PATH% 50%
echo %%
--- expect
\>echo %X%
%X%
\>echo %X% %PATH%
\Program Files\Tessera\bin;\Windows;\
\>echo 50%
50%
\>echo %PATH% 50%
\Program Files\Tessera\bin;\Windows;\ 50
\>echo %%
%
\>

=== prefix names and names with blanks
--- input
echo [%pat%]
echo [%cur dir%]
echo [%tsxver%] [%1]
--- expect
\>echo [%pat%]
[\Program Files\Tessera\bin;\Windows;\]
\>echo [%cur dir%]
[]
\>echo [%tsxver%] [%1]
[2.05] [
\>

=== ERRORLEVEL is expanded before ECHO resets it
--- input
goto nowhere
echo %ERRORLEVEL%
echo %ERRORLEVEL%
--- expect
\>goto nowhere
\>echo %ERRORLEVEL%
1
\>echo %ERRORLEVEL%
0
\>
