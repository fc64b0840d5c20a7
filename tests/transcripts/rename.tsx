# REN / RENAME: one entry, or the extensions of many files with /E.

=== /E with a new extension, with none, and on a name without a dot
--- file \d\x.log
--- file \d\y.log
--- file \d\keep.txt
--- file \e\a.txt
--- file \e\b.tar.gz
--- file \e\README
--- file \f\README
--- input
ren /E \d\*.log txt
dir /b \d
ren /E \e\*
dir /b \e
rename /e \f\README .txt
dir /b \f
--- expect
\>ren /E \d\*.log txt
\>dir /b \d
keep.txt
x.txt
y.txt
\>ren /E \e\*
\>dir /b \e
a
b.tar
README
\>rename /e \f\README .txt
\>dir /b \f
README.txt
\>

=== /E skips directories and taken names; no match is message 40
--- file \d\a.log
--- file \d\a.txt
--- dir \d\sub.log
--- input
ren /E \d\*.log txt
ren /E \d\*.zip txt
--- expect
\>ren /E \d\*.log txt
同名のファイルが既に存在するので処理をスキップします： \d\a.txt
ディレクトリの処理をスキップします： \d\sub.log
\>ren /E \d\*.zip txt
ファイルが見つかりません。 \d\*.zip
\>
--- exit 1

=== a change of case alone is refused; so is a taken name
--- file \a.txt
--- file \b.txt
--- dir \sub
--- input
ren a.txt A.TXT
ren a.txt b.txt
ren a.txt sub
ren a.txt a.txt
echo %ERRORLEVEL%
--- expect
\>ren a.txt A.TXT
同名のファイルが既に存在するため、名前を変更できません： \A.TXT
\>ren a.txt b.txt
同名のファイルが既に存在するため、名前を変更できません： \b.txt
\>ren a.txt sub
同名のディレクトリが既に存在するため、名前を変更できません： \sub
\>ren a.txt a.txt
\>echo %ERRORLEVEL%
0
\>

=== forbidden characters, missing names, the current directory
--- file \w\a.txt
--- input
ren a.txt b\c.txt
ren a.txt "b?"
ren
ren \w\a.txt
ren \nothing.txt b.txt
cd \w
ren \w old
ren \w\a.txt "new name.txt"
dir /b
--- expect
\>ren a.txt b\c.txt
新しいファイル名に、ファイル名に使えない文字が入っています： b\c.txt
\>ren a.txt "b?"
新しいファイル名に、ファイル名に使えない文字が入っています： b?
\>ren
名前を変更するファイル・ディレクトリを指定してください。
\>ren \w\a.txt
変更後の名前を指定してください。
\>ren \nothing.txt b.txt
指定のファイルが見つかりません： \nothing.txt
\>cd \w
\w>ren \w old
カレントディレクトリおよび親ディレクトリの名前は変更できません： \w
\w>ren \w\a.txt "new name.txt"
\w>dir /b
new name.txt
\w>
