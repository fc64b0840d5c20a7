# The message file beside the program replaces message texts.

=== ids, comments and line breaks from an ANSI file
--- file \Program Files\Tessera\STRRESOURCE.TXT
# a comment
  ' another comment
62 No such command.
1 ERR:
0 ignored
abc ignored
500 ignored
5 Echo is <%s>.\nSecond line.
--- input
nosuch
echo
--- expect
\>nosuch
ERR: No such command.
\>echo
Echo is <ON>.
Second line.
\>

=== a UTF-16 file with a byte-order mark
--- file-utf16 \Program Files\Tessera\STRRESOURCE.TXT
62 コマンドがありません
--- command nosuch
--- expect
コマンドがありません

=== a UTF-16 file without a byte-order mark
--- file-hex \Program Files\Tessera\STRRESOURCE.TXT
36 00 32 00 20 00 6e 00 6f 00 20 00 6d 00 61 00 72 00 6b 00
--- command nosuch
--- expect
no mark

=== hostile placeholders are shown as text
--- file \Program Files\Tessera\STRRESOURCE.TXT
5 %s%s%s%n%d%p
--- command echo
--- expect
ON%s%s%n%d%p
