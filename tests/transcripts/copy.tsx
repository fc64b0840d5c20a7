# COPY: single mode, copies into a directory, joining, and every refusal.

=== one argument only, no argument, a quote never closed
--- input
copy a.txt
copy
copy "a.txt
--- expect
\>copy a.txt
コピー先の指定に誤りがあります。
\>copy
引数の指定に誤りがあります。
\>copy "a.txt
コピー元の指定に誤りがあります。
\>
--- exit 1

=== three matches joined into a new file in another directory, byte-order marks dropped
--- file-hex \src\a.txt
ff fe 41 00
--- file-hex \src\b.txt
42 43
--- file-hex \src\c.txt
ff fe 44 00 ff fe
--- dir \dest
--- command cp \src\*.txt \dest\new.txt
--- expect-file-hex \dest\new.txt
41 00 42 43 44 00 ff fe

=== joining into one of the matches never reads it into itself and leaves only the joined data
--- file-hex \a.txt
61 61
--- file-hex \x.txt
78 78 78 78 78 78 78 78 78 78
--- file-hex \z.txt
7a
--- command copy *.txt x.txt
--- expect-file-hex \x.txt
61 61 7a

=== joining into an existing longer file leaves exactly the joined data
--- file-hex \s\a.txt
31
--- file-hex \s\b.txt
32
--- file-hex \out.bin
39 39 39 39 39 39
--- command copy \s\*.txt \out.bin
--- expect-file-hex \out.bin
31 32

=== a single match of a pattern is copied under its own name
--- file-hex \abc.txt
01 02
--- dir \dir
--- input
copy a*.txt \dir
dir /b \dir
--- expect
\>copy a*.txt \dir
\>dir /b \dir
abc.txt
\>
--- expect-file-hex \dir\abc.txt
01 02

=== single mode compares source and destination without regard to case
--- file \a.txt
x
--- command COPY A.TXT a.txt
--- expect
コピー先とコピー元が同一のファイルです： \A.TXT
--- exit 1

=== the same file under another spelling is refused, not emptied
--- file \d\a.txt
keep
--- input
copy \d\a.txt \D\.\A.TXT
copy \d\a.txt \D
--- expect
\>copy \d\a.txt \D\.\A.TXT
コピー先とコピー元が同一のファイルです： \d\a.txt
\>copy \d\a.txt \D
コピー先とコピー元が同一のファイルです： \d\a.txt
\>
--- expect-file-hex \d\a.txt
6b 65 65 70
--- exit 1

=== a subdirectory among the matches is skipped without failing
--- file \s\a.txt
A
--- file \s\b.txt
B
--- dir \s\inner
--- dir \t
--- input
copy \s\*.* \t
dir /b \t
--- expect
\>copy \s\*.* \t
inner の処理をスキップ(ディレクトリはコピーできません。)
\>dir /b \t
a.txt
b.txt
\>

=== a read-only file in the destination directory is left untouched
--- file \new.txt
new
--- file \d\new.txt
old
--- input
attrib +r \d\new.txt
copy new.txt \d
--- expect
\>attrib +r \d\new.txt
\>copy new.txt \d
コピー先ファイルは読み取り専用です： \d\new.txt
\>
--- expect-file-hex \d\new.txt
6f 6c 64
--- exit 1

=== an existing destination is replaced without a question
--- file \a.txt
new text
--- file \b.txt
old
--- command copy a.txt b.txt
--- expect-file-hex \b.txt
6e 65 77 20 74 65 78 74

=== several matches copied into a directory replace what is there
--- file-hex \s\a.txt
31
--- file-hex \s\b.txt
32
--- file-hex \t\a.txt
39 39
--- command copy \s\*.txt \t
--- expect-file-hex \t\a.txt
31
--- expect-file-hex \t\b.txt
32

=== copying matches into their own directory stops at the first
--- file \s\a.txt
--- file \s\b.txt
--- command copy \s\*.txt \s
--- expect
コピー先とコピー元が同一のファイルです： \s\a.txt
--- exit 1

=== refusals: wildcard destination, directory source, nothing found, joining into a read-only file
--- file \a.txt
--- file \b.txt
--- file \ro.txt
--- dir \d
--- input
copy a.txt *.bak
copy \d \x
copy nothing*.txt \d
attrib +r ro.txt
copy ?.txt ro.txt
--- expect
\>copy a.txt *.bak
コピー先にワイルドカードは使用できません： \*.bak
\>copy \d \x
コピー元にディレクトリは指定できません： \d
\>copy nothing*.txt \d
指定のファイルが見つかりません： \nothing*.txt
\>attrib +r ro.txt
\>copy ?.txt ro.txt
コピー先ファイルは読み取り専用です： \ro.txt
\>
--- exit 1

=== a failed single copy onto a new name in a missing directory
--- file \a.txt
--- command copy a.txt \missing\b.txt
--- expect
コピー中にエラーが発生しました：
--- exit 1

=== quoted names with blanks
--- file \my file.txt
q
--- command copy "my file.txt" "your file.txt"
--- expect-file-hex \your file.txt
71

=== a destination longer than a device path is refused whole
--- file \a.txt
--- command copy a.txt \xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
--- expect
パス名が長すぎます： \xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
--- exit 1
