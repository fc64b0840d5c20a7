# CD, PUSHD and POPD.

=== changing directories
--- dir \a\b
--- dir \a\y
--- input
cd
cd windows
cd \a\b
cd ..
cd .\x\..\y
cd \Windows\
cd \
cd \nosuch
cd nosuch
--- expect
\>cd
\
\>cd windows
\windows>cd \a\b
\a\b>cd ..
\a>cd .\x\..\y
\a\y>cd \Windows\
\Windows>cd \
\>cd \nosuch
指定のパスが見つかりません： \nosuch
\>cd nosuch
指定のパスが見つかりません： \nosuch
\>
--- exit 1

=== the directory stack
--- dir \a
--- dir \b
--- input
pushd \a
pushd \b
prompt $+$P$G
pushd
popd
popd
popd
--- expect
\>pushd \a
\a>pushd \b
\b>prompt $+$P$G
++\b>pushd
\a
\
++\b>popd
+\a>popd
\>popd
\>
