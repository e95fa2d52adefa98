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
    <name>coinwell::Language</name>
    <message>
        <source>Shows the program in &lt;language&gt;: en (English) or ja (Japanese). Without it, the locale&apos;s language.</source>
        <translation>表示の言語: en（英語）または ja（日本語）。
指定しなければロケールの言語。</translation>
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
        <source>Please enter an integer between 10 and 1000 ...</source>
        <translation>10から1000までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and 1000 ...</source>
        <translation>1から1000までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Frequency-distribution graph</source>
        <translation>度数分布グラフ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader speaks for a value label: its caption and its value.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>below %1</source>
        <translation>%1未満</translation>
    </message>
    <message>
        <source>%1 experiments. Average shortage %2. Most frequent shortage %3, in %4 experiments.</source>
        <translation>実験%1回。不足枚数の平均は%2。最も多い不足枚数は%3で、%4回。</translation>
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
    <name>main</name>
    <message>
        <source>How many 500-yen coins should the secretary of a class meeting have ready as change?</source>
        <translation>クラス会の幹事は、おつり用の500円玉を何枚用意しておけばよいでしょうか。</translation>
    </message>
    <message>
        <source>coinwell: --lang must be en or ja, not %1.</source>
        <translation>coinwell: --lang には en か ja を指定してください（%1 は指定できません）。</translation>
    </message>
</context>
</TS>
