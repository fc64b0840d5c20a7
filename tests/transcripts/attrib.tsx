# ATTRIB: the *DASHR field, changes with + and -, and full paths with /P.

=== the field of files and directories, hidden ones included
--- file \d\a.txt
--- file \d\.dot
--- dir \d\sub
--- input
attrib \d\*.*
attrib +r \d\a.txt
attrib /P \d\a.txt
--- expect
\>attrib \d\*.*
--A-H- .dot
--A--- a.txt
-D---- sub
\>attrib +r \d\a.txt
\>attrib /P \d\a.txt
--A--R \d\a.txt
\>

=== setting and clearing: +R -A, then back
--- file \d\a.txt
--- file \d\b.txt
--- file \d\c.log
--- input
attrib +R -A /P \d\*.txt
attrib \d\*.*
attrib -r +a +s +h \d\a.txt
attrib \d\a.txt
--- expect
\>attrib +R -A /P \d\*.txt
\>attrib \d\*.*
-----R a.txt
-----R b.txt
--A--- c.log
\>attrib -r +a +s +h \d\a.txt
\>attrib \d\a.txt
--ASH- a.txt
\>

=== no known letter: the attributes are shown instead of changed
--- file \x
--- command attrib +Q x
--- expect
--A--- x

=== alone, ATTRIB lists the current directory
--- input
attrib
--- expect
\>attrib
-D---- My Documents
-D---- Program Files
-D---- Temp
-D---- Windows
\>

=== nothing found
--- command attrib nothing.txt
--- expect
指定のファイルが見つかりません： \nothing.txt
--- exit 1

=== directories are changed like files
--- dir \d
--- input
attrib +h \d
attrib \d
--- expect
\>attrib +h \d
\>attrib \d
-D--H- d
\>
