# DATE and TIME on the device clock.

=== impossible and out-of-range dates
--- input
date 2011/2/30
date 1969-1-1
date 2011
date 2011-12-31
date
--- expect
\>date 2011/2/30
日にちの指定に誤りがあります。
\>date 1969-1-1
日にちの指定に誤りがあります。
\>date 2011
日にちの指定に誤りがあります。
\>date 2011-12-31
\>date
現在の日付：2011-12-31
\>

=== times
--- input
time 7:5
time 24:0:0
time 7:5:0
time
--- expect
\>time 7:5
時刻の指定に誤りがあります。
\>time 24:0:0
時刻の指定に誤りがあります。
\>time 7:5:0
\>time
現在の時刻：07:05:0{ANY}
\>

=== the prompt shows the device date
--- input
date 2020-02-29
prompt $D$G
--- expect
\>date 2020-02-29
\>prompt $D$G
2020年02月29日>
