<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションも含めたヘルプを表示する。</translation>
    </message>
</context>
<context>
    <name>coinwell::BatchRun</name>
    <message>
        <source>--csv %1 cannot be written: %2</source>
        <translation>--csv %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the CSV file %1 could not be written: %2</source>
        <translation>CSVファイル %1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>標準出力</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>標準エラー出力</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>--trace %1 cannot be written: %2</source>
        <translation>--trace %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>the trace file %1 could not be written: %2</source>
        <translation>経過ファイル %1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>--class %1 cannot be read: %2</source>
        <translation>--class %1 を読めません: %2</translation>
    </message>
    <message>
        <source>--class %1: %2</source>
        <translation>--class %1: %2</translation>
    </message>
</context>
<context>
    <name>coinwell::CommandLine</name>
    <message>
        <source>--%1 takes a whole number from %2 to %3</source>
        <translation>--%1 には %2 から %3 までの整数を指定してください</translation>
    </message>
    <message>
        <source>%1, not &apos;%2&apos;</source>
        <translation>%1（指定された値: &apos;%2&apos;）</translation>
    </message>
    <message>
        <source>How many 500-yen coins should the secretary of a class meeting have ready as change? Coinwell simulates the guests&apos; coin tosses and compares the shortages with their exact law.

Without --guests and --experiments it opens its window. With them it runs without any display, prints a report and exits.</source>
        <translation>クラス会の幹事は、おつり用の500円玉を何枚用意しておけばよいでしょうか。コインウェルは来場者ごとのコイン投げをシミュレーションし、不足枚数を厳密な分布と比べます。

--guests と --experiments を指定しなければウィンドウを開きます。指定すると画面を使わずに実行し、結果を表示して終了します。</translation>
    </message>
    <message>
        <source>With --guests and --experiments: writes the table of counts to FILE as CSV, or with - to standard output (the report then goes to standard error).</source>
        <translation>--guests と --experiments と共に指定すると、度数の表を CSV として FILE に書き出します。- なら標準出力に書き出します（このとき結果の報告は標準エラー出力に出ます）。</translation>
    </message>
    <message>
        <source>%1 is missing its value: %2</source>
        <translation>%1 に値がありません。%2</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;: %2</source>
        <translation>余分な引数 &apos;%1&apos; があります。%2</translation>
    </message>
    <message>
        <source>a run without a window needs --%1: %2</source>
        <translation>ウィンドウなしで実行するには --%1 が必要です。%2</translation>
    </message>
    <message>
        <source>--csv takes a file name, or - for standard output, not an empty name</source>
        <translation>--csv にはファイル名か、標準出力なら - を指定してください。空の名前は使えません</translation>
    </message>
    <message>
        <source>a file name, or - for standard output</source>
        <translation>ファイル名か、標準出力なら -</translation>
    </message>
    <message>
        <source>en (English) or ja (Japanese)</source>
        <translation>en（英語）か ja（日本語）</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;: %2</source>
        <translation>不明なオプション &apos;%1&apos; です。%2</translation>
    </message>
    <message>
        <source>--lang takes %1, not &apos;%2&apos;</source>
        <translation>--lang には %1 を指定してください（指定された値: &apos;%2&apos;）</translation>
    </message>
    <message>
        <source>Runs without a window, with G guests (%1 to %2).</source>
        <translation>ウィンドウを開かずに、来場者数 G（%1〜%2）で実行します。</translation>
    </message>
    <message>
        <source>Runs without a window, with E experiments (%1 to %2).</source>
        <translation>ウィンドウを開かずに、実験回数 E（%1〜%2）で実行します。</translation>
    </message>
    <message>
        <source>Makes every run follow from the seed N (0 to %1) instead of the time of day: the same seed, settings and clicks give the same graph.</source>
        <translation>時刻の代わりにシード N（0〜%1）からすべての実験を行います。シード・設定・操作が同じなら、同じグラフになります。</translation>
    </message>
    <message>
        <source>Shows the program in &lt;language&gt;: en (English) or ja (Japanese). Without it, the locale&apos;s language.</source>
        <translation>表示の言語: en（英語）または ja（日本語）。指定しなければロケールの言語。</translation>
    </message>
    <message>
        <source>With --guests and --experiments: writes the running average, its standard error and the coins to have ready after 1, 2, 5, 10, 20, 50, ... experiments and the whole run to FILE as CSV.</source>
        <translation>--guests と --experiments と共に使い、実験 1, 2, 5, 10, 20, 50, ... 回の時点と実行全体での途中の平均・その標準誤差・用意する硬貨の枚数を FILE に CSV で書き出します。</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>--%1 takes a file name, not an empty name</source>
        <translation>--%1 にはファイル名を指定してください（空の名前は使えません）</translation>
    </message>
    <message>
        <source>With --guests and --experiments: P percent of the guests (%1 to %2) pay with a 500-yen coin, instead of half of them.</source>
        <translation>--guests と --experiments と共に使い、客の半分ではなく P パーセント（%1 〜 %2）が500円玉で払うようにします。</translation>
    </message>
    <message>
        <source>With --guests and --experiments: reads the meetings a class held with real coins from FILE, one shortage or one meeting&apos;s tosses (H and T) each, and sets them beside the run and the exact law.</source>
        <translation>--guests と --experiments と共に使い、クラスが本物の硬貨で行った会議を FILE から読み（1つの会議につき不足枚数か、H と T の投げた結果を1つ）、実行と厳密な分布と並べます。</translation>
    </message>
    <message>
        <source>the options are --guests, --experiments, --coin-share, --seed, --csv, --trace, --class, --lang, --help and --version</source>
        <translation>使えるオプションは --guests, --experiments, --coin-share, --seed, --csv, --trace, --class, --lang, --help, --version です</translation>
    </message>
</context>
<context>
    <name>coinwell::HelpTextView</name>
    <message>
        <source>&#x3000;【Problem】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Do you ever serve as secretary of a class meeting ?
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Think about it as if you were the secretary.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Suppose that the number of participants in the class meeting is 35 and the 
&#x3000;&#x3000;&#x3000;&#x3000;membership fee is 3500 yen.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;It is also assumed that there are only two types of participants : those who need
&#x3000;&#x3000;&#x3000;&#x3000;change with four 1000 yen bills and those who don&apos;t need change with three 1000 
&#x3000;&#x3000;&#x3000;&#x3000;yen bills and one 500 yen coin.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Membership fees are collected in order from those who aarrive at venue , and those
&#x3000;&#x3000;&#x3000;&#x3000;who need change are given 500 yen coin at that time and on the spot.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;However , based on experience , it is assumed that the ratio of those who need 
&#x3000;&#x3000;&#x3000;&#x3000;change and those who don&apos;t need change is half and half.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Now , as the secretary , how many 500 yen coins should you prepare for change ?
&#x3000;【Concept of experiment】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;The ratio of those who need change and those who don&apos;t need change is 50/50 , 
&#x3000;&#x3000;&#x3000;&#x3000;so suppose you toss a coin and if heads come up , someone who doesn&apos;t need 
&#x3000;&#x3000;&#x3000;&#x3000;change will come. And suppose a coin is tossed , and if tails come out , someone who
&#x3000;&#x3000;&#x3000;&#x3000;needs change will come.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;In other wards , if heads come up , 3000 yen and 500 yen will be paid out , 
&#x3000;&#x3000;&#x3000;&#x3000;so the number of 500 yen coins will increase by one.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Also , if tails come out , 4000 yen bills will be paid , so change will be required , 
&#x3000;&#x3000;&#x3000;&#x3000;and one 500 yen coin will be lost.
&#x3000;【Operation method】
&#x3000;&#x3000;&#x3000;&#x3000;■Supecify the number of guests (number of participants in the class meeting) and
&#x3000;&#x3000;&#x3000;&#x3000;the number of experiments. Then , the relationship between the insufficient number of
&#x3000;&#x3000;&#x3000;&#x3000;coins (the number of 500 yen coins prepared by the secretary) and the number of 
&#x3000;&#x3000;&#x3000;&#x3000;experiments is displayed in a frequency distribution graph.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;In windows for setting the number of guests and for setting the number of 
&#x3000;&#x3000;&#x3000;&#x3000;experiments , enter integers and click the [OK] button.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Click the [Start] button to display the frequency distribution graph.
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;By clicking the [Init] button , the graph is cleared and the experiment can be 
&#x3000;&#x3000;&#x3000;&#x3000;restarted from the beginning.</source>
        <translation>&#x3000;【問題】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;クラス会の幹事を務めたことはありますか。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;自分が幹事になったつもりで考えてみましょう。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;クラス会の参加者は35人、会費は3500円とします。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;参加者は、1000円札4枚で払うのでおつりが要る人と、1000円札3枚と
&#x3000;&#x3000;&#x3000;&#x3000;500円玉1枚で払うのでおつりが要らない人の2通りだけとします。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;会費は会場に着いた人から順に集め、おつりが要る人にはその場で
&#x3000;&#x3000;&#x3000;&#x3000;500円玉を渡します。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;ただし経験から、おつりが要る人と要らない人の割合は半々とします。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;さて、幹事のあなたは、おつり用の500円玉を何枚用意しておけば
&#x3000;&#x3000;&#x3000;&#x3000;よいでしょうか。
&#x3000;【実験の考え方】
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;おつりが要る人と要らない人の割合は半々なので、硬貨を投げて
&#x3000;&#x3000;&#x3000;&#x3000;表が出たらおつりが要らない人が、裏が出たらおつりが要る人が
&#x3000;&#x3000;&#x3000;&#x3000;来たことにします。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;つまり表が出たら、1000円札3枚と500円玉1枚が支払われるので、
&#x3000;&#x3000;&#x3000;&#x3000;500円玉が1枚増えます。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;また裏が出たら、1000円札4枚が支払われておつりが必要になり、
&#x3000;&#x3000;&#x3000;&#x3000;500円玉が1枚減ります。
&#x3000;【操作方法】
&#x3000;&#x3000;&#x3000;&#x3000;■来場者数（クラス会の参加者数）と実験回数を指定すると、500円玉の
&#x3000;&#x3000;&#x3000;&#x3000;不足枚数（幹事が用意しておくべき500円玉の枚数）と実験回数の関係が
&#x3000;&#x3000;&#x3000;&#x3000;度数分布グラフで表示されます。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;来場者数と実験回数を設定するウィンドウでは、整数を入力して
&#x3000;&#x3000;&#x3000;&#x3000;［OK］ボタンをクリックしてください。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［開始］ボタンをクリックすると、度数分布グラフが表示されます。
&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;［初期化］ボタンをクリックするとグラフが消え、実験を最初から
&#x3000;&#x3000;&#x3000;&#x3000;やり直せます。</translation>
    </message>
</context>
<context>
    <name>coinwell::HelpWindow</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Coinwell 3 _ Help (Problem and operation)</source>
        <translation>コインウェル 3 _ ヘルプ（問題と操作方法）</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
</context>
<context>
    <name>coinwell::MainWindow</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Coinwell (Part 3)</source>
        <translation>コインウェル（その3）</translation>
    </message>
    <message>
        <source>Number of guests</source>
        <translation>来場者数</translation>
    </message>
    <message>
        <source>Average number of shortage</source>
        <translation>不足枚数の平均</translation>
    </message>
    <message>
        <source>Number of experiments</source>
        <translation>実験回数</translation>
    </message>
    <message>
        <source>Coinwell 3</source>
        <translation>コインウェル 3</translation>
    </message>
    <message>
        <source> Setting the number of guests</source>
        <translation> 来場者数の設定</translation>
    </message>
    <message>
        <source> Setting the number of experiments</source>
        <translation> 実験回数の設定</translation>
    </message>
    <message>
        <source>Setting the number of guests</source>
        <translation>来場者数の設定</translation>
    </message>
    <message>
        <source>Setting the number of experiments</source>
        <translation>実験回数の設定</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>このソフトウェアを終了します。</translation>
    </message>
    <message>
        <source>Coinwell</source>
        <translation>コインウェル</translation>
    </message>
    <message>
        <source>Frequency-distribution graph</source>
        <translation>度数分布グラフ</translation>
    </message>
    <message>
        <source>Graph menu</source>
        <translation>グラフのメニュー</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>below %1</source>
        <translation>%1未満</translation>
    </message>
    <message>
        <source>%1 experiments. Average shortage %2. Most frequent shortage %3, in %4 experiments. Exact mean %5.</source>
        <translation>実験%1回。不足枚数の平均は%2。最も多い不足枚数は%3で、%4回。厳密な平均は%5。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2 ...</source>
        <translation>%1から%2までの整数を入力してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s) are enough in %1% of meetings.</source>
        <translation>
            <numerusform>%n枚あれば会議の%1%で足りる。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1% of guests pay with a coin.</source>
        <translation>客の%1%が500円玉で払います。</translation>
    </message>
</context>
<context>
    <name>coinwell::class</name>
    <message numerus="yes">
        <source>&apos;%1&apos; has %n toss(es), but each meeting here has %2 guests</source>
        <translation>
            <numerusform>「%1」は%n回分の硬貨投げですが、会議の客は%2人です</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not possible with %2 guests: a shortage lies between %3 and 1</source>
        <translation>「%1」は客%2人ではありえません。不足枚数は%3から1の間です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a shortage nor a meeting&apos;s tosses: write a whole number from %2 to 1, or %3 letters H and T</source>
        <translation>「%1」は不足枚数でも会議の硬貨投げでもありません。%2から1までの整数か、HとTの%3文字を書いてください</translation>
    </message>
    <message>
        <source>The class&apos;s meetings: %1, average shortage %2</source>
        <translation>クラスの会議：%1回、平均不足枚数 %2</translation>
    </message>
    <message>
        <source>Chi-square against the exact law: %1 with %2 degrees of freedom, p-value %3</source>
        <translation>厳密な分布とのカイ二乗検定：%1（自由度%2）、p値 %3</translation>
    </message>
    <message>
        <source>Too few meetings for a chi-square test against the exact law</source>
        <translation>会議が少なすぎて、厳密な分布とのカイ二乗検定はできません</translation>
    </message>
</context>
<context>
    <name>coinwell::graph</name>
    <message>
        <source>exact mean %1</source>
        <translation>厳密な平均 %1</translation>
    </message>
    <message>
        <source>Coin balance</source>
        <translation>硬貨の残高</translation>
    </message>
    <message>
        <source>Guests in order</source>
        <translation>来た順の客</translation>
    </message>
    <message>
        <source>Guest %1 of %2, balance %3</source>
        <translation>%2人中%1人目、残高%3</translation>
    </message>
    <message>
        <source>Guest %1 of %2, balance %3, lowest so far %4</source>
        <translation>%2人中%1人目、残高%3、これまでの最低%4</translation>
    </message>
    <message>
        <source>%1 guests a second</source>
        <translation>毎秒%1人</translation>
    </message>
    <message>
        <source>paused: Space plays on, → shows the next guest</source>
        <translation>一時停止中：Spaceで続き、→で次の客</translation>
    </message>
    <message>
        <source>lowest balance %1: no coins were needed</source>
        <translation>最低残高%1：硬貨は要らなかった</translation>
    </message>
    <message>
        <source>mirrored at %1</source>
        <translation>%1で折り返し</translation>
    </message>
    <message>
        <source>nothing to mirror: this meeting never went below 0</source>
        <translation>折り返すものはない：この会議の残高は0を下回らなかった</translation>
    </message>
    <message>
        <source>nothing to mirror yet: the balance has not gone below 0</source>
        <translation>まだ折り返すものはない：残高はまだ0を下回っていない</translation>
    </message>
    <message>
        <source>A path touching %1 and ending at b has a twin ending at %2 − b.</source>
        <translation>%1に触れてbで終わる道には、%2 − bで終わる双子の道がある。</translation>
    </message>
    <message>
        <source>Meetings reaching %1 = those ending there + 2 × those ending below it.</source>
        <translation>%1まで下がる会議の数 ＝ そこで終わる数 ＋ 2 × その下で終わる数。</translation>
    </message>
    <message>
        <source>axis widened</source>
        <translation>軸を広げた</translation>
    </message>
    <message>
        <source>Coins</source>
        <translation>硬貨の枚数</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>客の人数</translation>
    </message>
    <message>
        <source>Four times the guests need only about twice the coins.</source>
        <translation>客が4倍になっても、要る硬貨は約2倍で済む。</translation>
    </message>
    <message>
        <source>exact mean shortage, as coins</source>
        <translation>厳密な平均不足（枚）</translation>
    </message>
    <message>
        <source>exact coins for %1% of meetings</source>
        <translation>会議の%1%に足りる厳密な枚数</translation>
    </message>
    <message>
        <source>runs: ○ average, ● coins</source>
        <translation>実験：○平均、●枚数</translation>
    </message>
    <message>
        <source>Square-root law. %1 For %2% of meetings the exact coins are %3 at 100 guests, %4 at 400 and %5 at 1000; runs shown: %6.</source>
        <translation>平方根の法則。%1 会議の%2%に足りる厳密な枚数は、客100人で%3枚、400人で%4枚、1000人で%5枚。表示した実験：%6。</translation>
    </message>
    <message>
        <source>share of meetings</source>
        <translation>会議の割合</translation>
    </message>
    <message>
        <source>The coverage curve shows the share of meetings that each number of coins covers.</source>
        <translation>カバー曲線は、硬貨の枚数ごとに足りる会議の割合を示す。</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s): enough in %1% of meetings</source>
        <translation>
            <numerusform>%n枚で会議の%1%に足りる</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>exact: %n coin(s)</source>
        <translation>
            <numerusform>厳密には%n枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lowest balance %1: %n coin(s) would have been enough</source>
        <translation>
            <numerusform>最低残高%1：%n枚あれば足りた</numerusform>
        </translation>
    </message>
    <message>
        <source>95% interval for the mean: %1 to %2, the exact mean inside.</source>
        <translation>平均の95%信頼区間は %1 〜 %2 で、厳密な平均はその内側にあります。</translation>
    </message>
    <message>
        <source>95% interval for the mean: %1 to %2, the exact mean outside.</source>
        <translation>平均の95%信頼区間は %1 〜 %2 で、厳密な平均はその外側にあります。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1: %2; exact %3.</source>
        <translation>%1：%2、厳密には %3。</translation>
    </message>
    <message>
        <source>this run</source>
        <translation>この実行</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>厳密</translation>
    </message>
    <message>
        <source>average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>standard deviation</source>
        <translation>標準偏差</translation>
    </message>
    <message>
        <source>standard error</source>
        <translation>標準誤差</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>95%信頼区間</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 〜 %2</translation>
    </message>
    <message>
        <source>mean inside</source>
        <translation>平均は内側</translation>
    </message>
    <message>
        <source>mean outside</source>
        <translation>平均は外側</translation>
    </message>
    <message>
        <source>coins for %1%</source>
        <translation>%1%用の硬貨</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1（%2 〜 %3）</translation>
    </message>
    <message>
        <source>experiments: %1, average %2</source>
        <translation>実験 %1 回、平均 %2</translation>
    </message>
    <message>
        <source>within %1 of the exact mean from experiment %2 on</source>
        <translation>実験%2回目からは厳密な平均との差が%1以内</translation>
    </message>
    <message>
        <source>not within %1 of the exact mean after %2 experiments</source>
        <translation>実験%2回の後も厳密な平均との差が%1以内にない</translation>
    </message>
    <message>
        <source>Average shortage</source>
        <translation>平均不足枚数</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>実験回数</translation>
    </message>
    <message>
        <source>band: where 95% of running averages stay</source>
        <translation>帯：途中の平均の95%が収まる範囲</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s) for %1% of meetings</source>
        <translation>
            <numerusform>会議の%1%に%n枚</numerusform>
        </translation>
    </message>
    <message>
        <source>How many experiments are enough: after %1 of %2 experiments the running average is %3; the exact mean is %4.</source>
        <translation>実験は何回あれば十分か：実験%2回のうち%1回の時点で途中の平均は %3、厳密な平均は %4 です。</translation>
    </message>
    <message>
        <source>Coins for %1% of meetings: %2, exact %3.</source>
        <translation>会議の%1%に用意する硬貨：%2枚、厳密には%3枚。</translation>
    </message>
    <message>
        <source>The running average: %1; %2.</source>
        <translation>途中の平均：%1、%2。</translation>
    </message>
    <message>
        <source>With fewer guests paying with a coin, the coins grow with the guests, not with their square root.</source>
        <translation>500円玉で払う客が少ないと、必要な硬貨は客数の平方根ではなく客数に比例して増えます。</translation>
    </message>
    <message>
        <source>With more guests paying with a coin, a few coins are enough for any number of guests.</source>
        <translation>500円玉で払う客が多いと、客が何人でも少しの硬貨で足ります。</translation>
    </message>
    <message>
        <source>thin: the fair coin&apos;s; %1% paying with a coin: thick</source>
        <translation>細線：半々の場合、太線：500円玉で払う客%1%</translation>
    </message>
    <message>
        <source>class: %1 meetings, average %2</source>
        <translation>クラス：会議%1回、平均 %2</translation>
    </message>
    <message>
        <source>against the law: p = %1</source>
        <translation>厳密な分布との検定：p = %1</translation>
    </message>
    <message>
        <source>too few meetings for a test</source>
        <translation>会議が少なく検定できません</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>coinwell::graph::GraphMenu</name>
    <message>
        <source>Copy graph</source>
        <translation>グラフをコピー</translation>
    </message>
    <message>
        <source>Save graph as image...</source>
        <translation>グラフを画像として保存...</translation>
    </message>
    <message>
        <source>Save results as CSV...</source>
        <translation>結果をCSVとして保存...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>印刷...</translation>
    </message>
    <message>
        <source>Show the exact distribution</source>
        <translation>厳密な分布を表示</translation>
    </message>
    <message>
        <source>Show the coins to have ready</source>
        <translation>用意する枚数を表示</translation>
    </message>
    <message>
        <source>Share of meetings covered</source>
        <translation>足りる会議の割合</translation>
    </message>
    <message>
        <source>%1% of meetings</source>
        <translation>会議の%1%</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG図形 (*.svg)</translation>
    </message>
    <message>
        <source>Save graph as image</source>
        <translation>グラフを画像として保存</translation>
    </message>
    <message>
        <source>Width of the image in pixels:</source>
        <translation>画像の幅（ピクセル）：</translation>
    </message>
    <message>
        <source>Save results as CSV</source>
        <translation>結果をCSVとして保存</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV表 (*.csv)</translation>
    </message>
    <message>
        <source>Print graph</source>
        <translation>グラフを印刷</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>%1 を保存できませんでした。
%2</translation>
    </message>
    <message>
        <source>Show the coverage curve</source>
        <translation>足りる割合の曲線を表示</translation>
    </message>
    <message>
        <source>Fit the axes to the run</source>
        <translation>軸を実験結果に合わせる</translation>
    </message>
    <message>
        <source>Replay one meeting</source>
        <translation>会議を1回再生</translation>
    </message>
    <message>
        <source>Show the square-root law</source>
        <translation>平方根の法則を表示</translation>
    </message>
    <message>
        <source>Caption under saved images</source>
        <translation>保存する画像の下に説明行を付ける</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause or play on</source>
        <translation>一時停止／続き</translation>
    </message>
    <message>
        <source>Next guest</source>
        <translation>次の客</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>遅く</translation>
    </message>
    <message>
        <source>To the end</source>
        <translation>最後まで</translation>
    </message>
    <message>
        <source>Mirror at a level reached</source>
        <translation>到達した残高で折り返す</translation>
    </message>
    <message>
        <source>Raise the mirror level</source>
        <translation>折り返しの残高を上げる</translation>
    </message>
    <message>
        <source>Lower the mirror level</source>
        <translation>折り返しの残高を下げる</translation>
    </message>
    <message>
        <source>Back to the histogram</source>
        <translation>度数分布のグラフに戻る</translation>
    </message>
    <message>
        <source>Show how sure the run is</source>
        <translation>実行の確かさを表示</translation>
    </message>
    <message>
        <source>How many experiments are enough?</source>
        <translation>実験は何回あれば十分？</translation>
    </message>
    <message>
        <source>Share of guests paying with a coin...</source>
        <translation>500円玉で払う客の割合...</translation>
    </message>
    <message>
        <source>Guests who pay with a 500-yen coin, in percent (%1 to %2):</source>
        <translation>500円玉で払う客の割合（%1 〜 %2 パーセント）:</translation>
    </message>
    <message>
        <source>Enter the class&apos;s meetings...</source>
        <translation>クラスの会議を入力...</translation>
    </message>
    <message>
        <source>The shortage of each meeting your class held, or its %1 tosses as H (pays with a coin) and T (takes change), separated by blanks, commas or lines:</source>
        <translation>クラスで行った各会議の不足枚数、または%1回の硬貨投げの結果をH（500円玉で払う）とT（おつりを受け取る）で、空白・コンマ・改行で区切って入力してください：</translation>
    </message>
    <message>
        <source>The class&apos;s meetings</source>
        <translation>クラスの会議</translation>
    </message>
    <message>
        <source>Print a tally sheet...</source>
        <translation>記録用紙を印刷...</translation>
    </message>
</context>
<context>
    <name>coinwell::graph::GraphView</name>
    <message>
        <source>（Vertical axis : Number of experiments）</source>
        <translation>（縦軸：実験回数）</translation>
    </message>
    <message>
        <source>（Horizontal axis : Shortage）</source>
        <translation>（横軸：不足枚数）</translation>
    </message>
</context>
<context>
    <name>coinwell::report</name>
    <message>
        <source>Coinwell: %1 guests x %2 experiments</source>
        <translation>コインウェル: 来場者 %1 人 × 実験 %2 回</translation>
    </message>
    <message>
        <source>, seed %1</source>
        <translation>、シード %1</translation>
    </message>
    <message>
        <source>, coins to have ready for %1% of meetings: %2</source>
        <translation>、会議の%1%に足りる枚数 %2</translation>
    </message>
    <message>
        <source>Average shortage: %1</source>
        <translation>不足枚数の平均: %1</translation>
    </message>
    <message>
        <source>Exact mean:       %1</source>
        <translation>厳密な平均:     %1</translation>
    </message>
    <message>
        <source>Chi-square against the exact law: %1 with %2 degrees of freedom, p-value %3</source>
        <translation>厳密な分布に対するカイ二乗値: %1（自由度 %2、p値 %3）</translation>
    </message>
    <message>
        <source>The %1 most frequent shortages (shortage, experiments, share):</source>
        <translation>度数の多い不足枚数の上位%1（不足枚数、実験回数、割合）:</translation>
    </message>
    <message>
        <source>%1 guests, %2 experiments, average shortage %3, exact mean %4</source>
        <translation>来場者 %1 人、実験 %2 回、不足枚数の平均 %3、厳密な平均 %4</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>フォルダーです。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Chi-square against the exact law: the run is too small for the test</source>
        <translation>厳密な法則に対するカイ二乗検定: 実験回数が少なすぎて検定できません</translation>
    </message>
    <message>
        <source>Coins to have ready so that every guest gets change (run / exact):</source>
        <translation>どの来場者にもおつりを渡せるよう用意する500円硬貨の枚数（実験 / 厳密）:</translation>
    </message>
    <message>
        <source>  in %1% of meetings: %2 / %3</source>
        <translation>  会合の %1% で足りる枚数: %2 / %3</translation>
    </message>
    <message>
        <source>Standard deviation of the shortage: %1</source>
        <translation>不足枚数の標準偏差: %1</translation>
    </message>
    <message>
        <source>Exact standard deviation: %1</source>
        <translation>厳密な標準偏差: %1</translation>
    </message>
    <message>
        <source>Standard error of the average: %1</source>
        <translation>平均の標準誤差: %1</translation>
    </message>
    <message>
        <source>95% interval for the mean: %1 to %2, exact mean inside</source>
        <translation>平均の95%信頼区間: %1 〜 %2（厳密な平均は区間の内側）</translation>
    </message>
    <message>
        <source>95% interval for the mean: %1 to %2, exact mean outside</source>
        <translation>平均の95%信頼区間: %1 〜 %2（厳密な平均は区間の外側）</translation>
    </message>
    <message>
        <source>A single experiment has no spread: no standard deviation, standard error or interval</source>
        <translation>実験が1回だけではばらつきがないため、標準偏差・標準誤差・信頼区間はありません</translation>
    </message>
    <message>
        <source>Coins to have ready, with what a run of this size could have said (95% confidence):</source>
        <translation>用意する枚数と、この回数の実験が示しえた範囲（信頼度95%）:</translation>
    </message>
    <message>
        <source>  in %1% of meetings: %2</source>
        <translation>  会合の %1% で足りる枚数: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n coin(s) (a run this size says %1 to %2; exact %3)</source>
        <translation>
            <numerusform>%n枚（この回数の実験なら%1〜%2枚、厳密には%3枚）</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1% of guests paying with a coin</source>
        <translation>、500円玉で払う客 %1%</translation>
    </message>
</context>
<context>
    <name>coinwell::sheet</name>
    <message>
        <source>Coinwell tally sheet: meetings of %1 guests</source>
        <translation>コインウェル記録用紙：客%1人の会議</translation>
    </message>
    <message>
        <source>Each guest of a class meeting pays 3500 yen: three 1000-yen bills and a 500-yen coin, or four 1000-yen bills and a 500-yen coin back as change. How many 500-yen coins must the secretary have ready?</source>
        <translation>クラス会の客はそれぞれ3500円を払います。1000円札3枚と500円玉1枚で払うか、1000円札4枚で払って500円玉1枚のおつりを受け取ります。幹事は500円玉を何枚用意しておけばよいでしょうか。</translation>
    </message>
    <message>
        <source>For each guest in turn toss a coin and write H (heads: the guest pays with a coin, the box gains one) or T (tails: the guest takes a coin as change). Count the balance from 0 and write the lowest it reaches after any guest.</source>
        <translation>客ごとに順に硬貨を投げ、H（表：客が500円玉で払い、箱の硬貨が1枚増える）かT（裏：客が500円玉をおつりに受け取る）を書きます。残高を0から数え、どの客の後でもよいので最も低くなった値を書きます。</translation>
    </message>
    <message>
        <source>Then type the lowest balances, or the rows of H and T, into &quot;Enter the class&apos;s meetings...&quot;.</source>
        <translation>最後に、最低残高かHとTの並びを「クラスの会議を入力...」に入力します。</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>no.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>H or T for each guest, from the left</source>
        <translation>客ごとにHかT（左から順に）</translation>
    </message>
</context>
<context>
    <name>coinwell::web::Page</name>
    <message>
        <source>The seed in the address, &quot;%1&quot;, is not a whole number from 0 to %2: the runs follow the time of day instead.</source>
        <translation>アドレスのシード「%1」は 0〜%2 の整数ではありません。実験はシードの代わりに時刻にしたがって行います。</translation>
    </message>
    <message>
        <source>, the time of day instead of the seed &quot;%1&quot;</source>
        <translation>、シード「%1」の代わりに時刻</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Coinwell has ended.</source>
        <translation>コインウェルを終了しました。</translation>
    </message>
    <message>
        <source>Coinwell could not start: this browser did not load its simulation. Check the connection, then start again.</source>
        <translation>コインウェルを開始できませんでした。このブラウザーがシミュレーションを読み込めませんでした。接続を確かめてから、もう一度始めてください。</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>もう一度始める</translation>
    </message>
    <message>
        <source>Save graph as PNG...</source>
        <translation>グラフを PNG で保存...</translation>
    </message>
    <message>
        <source>Save graph as SVG...</source>
        <translation>グラフを SVG で保存...</translation>
    </message>
</context>
</TS>
