<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CableDetect</name>
    <message>
        <source>&amp;Detect cable</source>
        <translation>ケーブルを検出(&amp;D)</translation>
    </message>
    <message>
        <source>Stop &amp;detecting</source>
        <translation>検出を中止(&amp;D)</translation>
    </message>
    <message>
        <source>Plug the cable in now (or pull it out and plug it in again).</source>
        <translation>今ケーブルを差し込んでください（または抜いてから差し直してください）。</translation>
    </message>
    <message>
        <source>No serial device appeared. Is the cable plugged in all the way?</source>
        <translation>シリアルデバイスが現れません。ケーブルは奥まで差し込まれていますか?</translation>
    </message>
    <message>
        <source>Found %1.</source>
        <translation>%1が見つかりました。</translation>
    </message>
    <message>
        <source>Found %1 (%2).</source>
        <translation>%1が見つかりました（%2）。</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Cannot access COM port.</source>
        <translation>COMポートにアクセスできません。</translation>
    </message>
    <message>
        <source>Cannot access %1.</source>
        <translation>%1にアクセスできません。</translation>
    </message>
    <message>
        <source>No answer from receiver.</source>
        <translation>受信機から応答がありません。</translation>
    </message>
    <message>
        <source>Illegal data.</source>
        <translation>データが不正です。</translation>
    </message>
    <message>
        <source>There is not enough data.</source>
        <translation>データが不足しています。</translation>
    </message>
    <message>
        <source>Data Overflow.</source>
        <translation>データオーバーフロー。</translation>
    </message>
    <message>
        <source>COM buffer Overflow.</source>
        <translation>COMバッファーがオーバーフローしました。</translation>
    </message>
    <message>
        <source>Cannot write cloning data.</source>
        <translation>クローンデータを書き込めません。</translation>
    </message>
    <message>
        <source>Cannot Clone.</source>
        <translation>クローンできません。</translation>
    </message>
    <message>
        <source>Illegal Information.</source>
        <translation>情報が不正です。</translation>
    </message>
    <message>
        <source>Version number does not match.</source>
        <translation>バージョン番号が一致しません。</translation>
    </message>
    <message>
        <source>The receiver cannot be programmed with the current setting.</source>
        <translation>現在の設定ではこの受信機をプログラムできません。</translation>
    </message>
    <message>
        <source>The receiver&apos;s version does not match the initial setup.</source>
        <translation>受信機のバージョンが初期設定と一致しません。</translation>
    </message>
    <message>
        <source>Check the following:</source>
        <translation>次の点を確認してください:</translation>
    </message>
    <message>
        <source>- The COM port settings.</source>
        <translation>- COMポートの設定。</translation>
    </message>
    <message>
        <source>- Cloning cable connections.</source>
        <translation>- クローンケーブルの接続。</translation>
    </message>
    <message>
        <source>- Receiver power is ON.</source>
        <translation>- 受信機の電源がONになっていること。</translation>
    </message>
    <message>
        <source>- Appropriate cloning software for the receiver is being used.</source>
        <translation>- 受信機に合ったクローンソフトウェアを使っていること。</translation>
    </message>
    <message>
        <source>- The revision number of the receiver.</source>
        <translation>- 受信機のリビジョン番号。</translation>
    </message>
    <message>
        <source>- Permission to use %1 (membership of the %2 group).</source>
        <translation>- %1を使う権限（%2グループのメンバーであること）。</translation>
    </message>
    <message>
        <source>- No serial port was found on this computer; csq5 --demo tries the program with a simulated receiver.</source>
        <translation>- このコンピューターにシリアルポートが見つかりません。csq5 --demo で、シミュレートした受信機を使ってプログラムを試せます。</translation>
    </message>
    <message>
        <source>Read from receiver, Data has been edited.</source>
        <translation>受信機から読み込みます。データは編集されています。</translation>
    </message>
    <message>
        <source>Write to receiver.</source>
        <translation>受信機に書き込みます。</translation>
    </message>
    <message>
        <source>Clone writing succeeded.</source>
        <translation>クローン書き込みが完了しました。</translation>
    </message>
    <message>
        <source>Turn the receiver power off and on to use</source>
        <translation>新しい設定で受信機を使うには、</translation>
    </message>
    <message>
        <source>the receiver under its new conditions.</source>
        <translation>受信機の電源をいったん切って入れ直してください。</translation>
    </message>
    <message>
        <source>The receiver&apos;s memory was verified: it holds what was written.</source>
        <translation>受信機のメモリーを照合しました。書き込んだ内容と一致しています。</translation>
    </message>
    <message>
        <source>Verify after write failed.</source>
        <translation>書き込み後の照合に失敗しました。</translation>
    </message>
    <message>
        <source>%1 byte of the receiver&apos;s memory differs from what was written, in:</source>
        <translation>受信機のメモリーの%1バイトが書き込んだ内容と異なります。場所:</translation>
    </message>
    <message>
        <source>%1 bytes of the receiver&apos;s memory differ from what was written, in:</source>
        <translation>受信機のメモリーの%1バイトが書き込んだ内容と異なります。場所:</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>ほか%1件。</translation>
    </message>
    <message>
        <source>Write again, and check the cloning cable connections.</source>
        <translation>もう一度書き込み、クローンケーブルの接続を確認してください。</translation>
    </message>
    <message>
        <source>Clone writing succeeded, but reading the memory back to verify it failed.</source>
        <translation>クローン書き込みは完了しましたが、照合のためのメモリーの読み戻しに失敗しました。</translation>
    </message>
    <message>
        <source>The receiver&apos;s memory was not verified: verifying was cancelled.</source>
        <translation>受信機のメモリーは照合されていません。照合は中止されました。</translation>
    </message>
    <message>
        <source>Writing to the receiver...</source>
        <translation>受信機に書き込み中...</translation>
    </message>
    <message>
        <source>Reading back to verify...</source>
        <translation>照合のため読み戻し中...</translation>
    </message>
    <message>
        <source>Clone read at %1; backup copy: %2</source>
        <translation>%1にクローン読み込み。バックアップ: %2</translation>
    </message>
    <message>
        <source>Clone read at %1; no backup copy could be written in %2</source>
        <translation>%1にクローン読み込み。%2にバックアップを書き込めませんでした</translation>
    </message>
    <message>
        <source>Clone read at %1.</source>
        <translation>%1にクローン読み込み。</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Model : %1</source>
        <translation>機種 : %1</translation>
    </message>
    <message>
        <source>Comment : %1</source>
        <translation>コメント : %1</translation>
    </message>
    <message>
        <source>Address %1</source>
        <translation>アドレス %1</translation>
    </message>
    <message>
        <source>Save changes ?</source>
        <translation>変更を保存しますか?</translation>
    </message>
    <message>
        <source>Save changes to %1 ?</source>
        <translation>%1への変更を保存しますか?</translation>
    </message>
    <message>
        <source>Cannot save file.</source>
        <translation>ファイルを保存できません。</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>Cannot print.</source>
        <translation>印刷できません。</translation>
    </message>
    <message>
        <source>Cannot read the profile %1. The program runs on its default settings and leaves the file as it is.</source>
        <translation>プロファイル%1を読み込めません。プログラムは既定の設定で動作し、ファイルはそのまま残します。</translation>
    </message>
    <message>
        <source>The backups of clone reads have no folder: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>クローン読み込みのバックアップ用フォルダーがありません。XDG_DATA_HOMEもHOMEも設定されていません。</translation>
    </message>
    <message>
        <source>There are no backups of clone reads yet.</source>
        <translation>クローン読み込みのバックアップはまだありません。</translation>
    </message>
    <message>
        <source>They are kept in</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>The copies of clone reads have no folder: neither XDG_DATA_HOME nor HOME names one.</source>
        <translation>クローン読み込みのコピー用フォルダーがありません。XDG_DATA_HOMEもHOMEも設定されていません。</translation>
    </message>
    <message>
        <source>The folder cannot be shown in a file manager.</source>
        <translation>フォルダーをファイルマネージャーで表示できません。</translation>
    </message>
    <message>
        <source>The copies of clone reads are kept in</source>
        <translation>クローン読み込みのコピーの保存先:</translation>
    </message>
    <message>
        <source>Cannot start the demo receiver.</source>
        <translation>デモ受信機を起動できません。</translation>
    </message>
    <message>
        <source>Cannot execute CS-Q5 repeatedly.</source>
        <translation>CS-Q5を重複して起動することはできません。</translation>
    </message>
    <message>
        <source>CS-Q5 is already executing.</source>
        <translation>CS-Q5はすでに実行中です。</translation>
    </message>
    <message>
        <source>Overwrite here ?</source>
        <translation>ここに上書きしますか?</translation>
    </message>
    <message>
        <source>The last CH is not blank. Cannot insert a blank channel.</source>
        <translation>最後のCHが空きではありません。空きチャンネルを挿入できません。</translation>
    </message>
    <message>
        <source>%1 has no blank CH.</source>
        <translation>%1に空きCHがありません。</translation>
    </message>
    <message>
        <source>Moved to %1, CH %2.</source>
        <translation>%1のCH %2に移動しました。</translation>
    </message>
    <message>
        <source>Copied to %1, CH %2.</source>
        <translation>%1のCH %2にコピーしました。</translation>
    </message>
    <message>
        <source>Cannot find &quot;%1&quot;.</source>
        <translation>「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>Passed the last channel; the search went on from the top.</source>
        <translation>最後のチャンネルを過ぎたため、先頭から検索を続けました。</translation>
    </message>
    <message>
        <source>All TV CH will be replaced with &apos;%1&apos; table.</source>
        <translation>すべてのTV CHを「%1」のテーブルで置き換えます。</translation>
    </message>
    <message>
        <source>Sure ?</source>
        <translation>よろしいですか?</translation>
    </message>
    <message>
        <source>%1 difference between %2 and %3</source>
        <translation>%2と%3の相違: %1件</translation>
    </message>
    <message>
        <source>%1 differences between %2 and %3</source>
        <translation>%2と%3の相違: %1件</translation>
    </message>
    <message>
        <source>The memory shown is the same as in %1.</source>
        <translation>表示中のメモリーは%1と同じです。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Memory CH</source>
        <translation>メモリーCH</translation>
    </message>
    <message>
        <source>Bank A</source>
        <translation>バンクA</translation>
    </message>
    <message>
        <source>Bank B</source>
        <translation>バンクB</translation>
    </message>
    <message>
        <source>Bank C</source>
        <translation>バンクC</translation>
    </message>
    <message>
        <source>Bank D</source>
        <translation>バンクD</translation>
    </message>
    <message>
        <source>Bank E</source>
        <translation>バンクE</translation>
    </message>
    <message>
        <source>Bank F</source>
        <translation>バンクF</translation>
    </message>
    <message>
        <source>Bank G</source>
        <translation>バンクG</translation>
    </message>
    <message>
        <source>Bank H</source>
        <translation>バンクH</translation>
    </message>
    <message>
        <source>Program scan edge</source>
        <translation>スキャンエッジ</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>AM TV</source>
        <translation>AM TV</translation>
    </message>
    <message>
        <source>FM TV</source>
        <translation>FM TV</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>BAND</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ネーム</translation>
    </message>
    <message>
        <source>TSQL</source>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>CTCSS Freq.</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>IF Shift</source>
        <translation>IFシフト</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Sub Carrier</source>
        <translation>サブキャリア</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>TS</source>
        <translation>TS</translation>
    </message>
    <message>
        <source>-Dup</source>
        <translation>-Dup</translation>
    </message>
    <message>
        <source>+Dup</source>
        <translation>+Dup</translation>
    </message>
    <message>
        <source>Rev</source>
        <translation>REV</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>オート</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Program &amp; Memory</source>
        <translation>プログラムとメモリー</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>Pause Scan</source>
        <translation>ポーズスキャン</translation>
    </message>
    <message>
        <source>Beep Audio</source>
        <translation>ビープ音</translation>
    </message>
    <message>
        <source>LCD Back Light</source>
        <translation>LCDバックライト</translation>
    </message>
    <message>
        <source>Auto Power-OFF</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>表示モード</translation>
    </message>
    <message>
        <source>Display Contrast</source>
        <translation>表示コントラスト</translation>
    </message>
    <message>
        <source>Display Bright</source>
        <translation>表示の明るさ</translation>
    </message>
    <message>
        <source>Display Back Color</source>
        <translation>表示の背景色</translation>
    </message>
    <message>
        <source>Dial Select</source>
        <translation>ダイヤルセレクト</translation>
    </message>
    <message>
        <source>Memory Scan</source>
        <translation>メモリースキャン</translation>
    </message>
    <message>
        <source>VFO Scan</source>
        <translation>VFOスキャン</translation>
    </message>
    <message>
        <source>RF Attenuator</source>
        <translation>RFアッテネーター</translation>
    </message>
    <message>
        <source>Power Save</source>
        <translation>パワーセーブ</translation>
    </message>
    <message>
        <source>Dial Speedup</source>
        <translation>ダイヤル加速</translation>
    </message>
    <message>
        <source>Skip Scan</source>
        <translation>スキップスキャン</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>プッシュ</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ノーマル</translation>
    </message>
    <message>
        <source>No SQL</source>
        <translation>SQLなし</translation>
    </message>
    <message>
        <source>No VOL</source>
        <translation>VOLなし</translation>
    </message>
    <message>
        <source>Manual-OFF</source>
        <translation>マニュアルOFF</translation>
    </message>
    <message>
        <source>Manual-ON</source>
        <translation>マニュアルON</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>No channel table: the first line must name the columns, Location and Frequency among them.</source>
        <translation>チャンネル表ではありません。1行目に列名を書き、その中にLocationとFrequencyを含めてください。</translation>
    </message>
    <message>
        <source>%1 row was not imported:</source>
        <translation>%1行をインポートしませんでした:</translation>
    </message>
    <message>
        <source>%1 rows were not imported:</source>
        <translation>%1行をインポートしませんでした:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... ほか%1件。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1行目: %2</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>見出し行がありません</translation>
    </message>
    <message>
        <source>the header has no Location column</source>
        <translation>見出しにLocation列がありません</translation>
    </message>
    <message>
        <source>the header has no Frequency column</source>
        <translation>見出しにFrequency列がありません</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引用符で囲んだフィールドが閉じていません</translation>
    </message>
    <message>
        <source>no Location field</source>
        <translation>Locationフィールドがありません</translation>
    </message>
    <message>
        <source>location %1 is not a channel number</source>
        <translation>Location %1はチャンネル番号ではありません</translation>
    </message>
    <message>
        <source>location %1 is not a memory channel (0 to 399)</source>
        <translation>Location %1はメモリーチャンネル（0～399）ではありません</translation>
    </message>
    <message>
        <source>no Frequency field</source>
        <translation>Frequencyフィールドがありません</translation>
    </message>
    <message>
        <source>no frequency</source>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>frequency %1 is not a number in MHz</source>
        <translation>周波数%1はMHz単位の数値ではありません</translation>
    </message>
    <message>
        <source>frequency %1 MHz is above 3000 MHz</source>
        <translation>周波数%1 MHzは3000 MHzを超えています</translation>
    </message>
    <message>
        <source>duplex %1 is not &quot;&quot;, &quot;-&quot;, &quot;+&quot; or &quot;split&quot;</source>
        <translation>Duplex %1は&quot;&quot;、&quot;-&quot;、&quot;+&quot;、&quot;split&quot;のいずれでもありません</translation>
    </message>
    <message>
        <source>offset %1 is not a number in MHz</source>
        <translation>オフセット%1はMHz単位の数値ではありません</translation>
    </message>
    <message>
        <source>split duplex without the other frequency</source>
        <translation>スプリットデュプレックスにもう一方の周波数がありません</translation>
    </message>
    <message>
        <source>split frequency %1 MHz is above 3000 MHz</source>
        <translation>スプリット周波数%1 MHzは3000 MHzを超えています</translation>
    </message>
    <message>
        <source>split %1 and %2 MHz are %3 MHz apart; the largest offset is %4 MHz</source>
        <translation>スプリット%1と%2 MHzの差は%3 MHzです。最大オフセットは%4 MHzです</translation>
    </message>
    <message>
        <source>offset %1 MHz is above %2 MHz, the largest offset</source>
        <translation>オフセット%1 MHzは最大オフセットの%2 MHzを超えています</translation>
    </message>
    <message>
        <source>tone mode %1 is not &quot;&quot; or &quot;TSQL&quot;</source>
        <translation>トーンモード%1は&quot;&quot;でも&quot;TSQL&quot;でもありません</translation>
    </message>
    <message>
        <source>tone %1 is not a number in Hz</source>
        <translation>トーン%1はHz単位の数値ではありません</translation>
    </message>
    <message>
        <source>tone %1 Hz is not one of the receiver&apos;s CTCSS tones</source>
        <translation>トーン%1 Hzは受信機のCTCSSトーンにありません</translation>
    </message>
    <message>
        <source>mode %1 cannot be received (FM, AM, WFM, Auto)</source>
        <translation>モード%1は受信できません（FM、AM、WFM、Auto）</translation>
    </message>
    <message>
        <source>tuning step %1 is not a number in kHz</source>
        <translation>チューニングステップ%1はkHz単位の数値ではありません</translation>
    </message>
    <message>
        <source>skip %1 is not &quot;&quot;, &quot;S&quot; or &quot;P&quot;</source>
        <translation>スキップ%1は&quot;&quot;、&quot;S&quot;、&quot;P&quot;のいずれでもありません</translation>
    </message>
    <message>
        <source>channel %1 was already given on line %2</source>
        <translation>チャンネル%1は%2行目ですでに指定されています</translation>
    </message>
    <message>
        <source>%1 channel is outside the frequency coverage of the receiver and would be written blank:</source>
        <translation>%1チャンネルが受信機の受信範囲外のため、空きとして書き込まれます:</translation>
    </message>
    <message>
        <source>%1 channels are outside the frequency coverage of the receiver and would be written blank:</source>
        <translation>%1チャンネルが受信機の受信範囲外のため、空きとして書き込まれます:</translation>
    </message>
    <message>
        <source>Write anyway?</source>
        <translation>このまま書き込みますか?</translation>
    </message>
    <message>
        <source>Clone read saved as %1; no backup copy.</source>
        <translation>クローン読み込みを%1に保存しました。バックアップはありません。</translation>
    </message>
    <message>
        <source>Clone read saved as %1; backup copy: %2</source>
        <translation>クローン読み込みを%1に保存しました。バックアップ: %2</translation>
    </message>
    <message>
        <source>%1 stands for no device: none is set for it, and the system has no serial port for it.</source>
        <translation>%1に対応するデバイスがありません。設定されておらず、システムにも該当するシリアルポートがありません。</translation>
    </message>
    <message>
        <source>COM %1 is %2</source>
        <translation>COM %1は%2</translation>
    </message>
    <message>
        <source>no such device.</source>
        <translation>デバイスがありません。</translation>
    </message>
    <message>
        <source>permission denied.</source>
        <translation>アクセスが拒否されました。</translation>
    </message>
    <message>
        <source>in use by another program.</source>
        <translation>別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>in use by another program (%1).</source>
        <translation>別のプログラムが使用中です（%1）。</translation>
    </message>
    <message>
        <source>not a serial device.</source>
        <translation>シリアルデバイスではありません。</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>開けませんでした。</translation>
    </message>
    <message>
        <source>nothing sent came back; a cloning cable echoes every byte.</source>
        <translation>送信したデータが返ってきません。クローンケーブルはすべてのバイトをエコーします。</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>アクセスが拒否されました。</translation>
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
        <source>It is larger than the limit of %1 MiB.</source>
        <translation>上限の%1 MiBを超えています。</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>空です。</translation>
    </message>
    <message>
        <source>It is not a data file.</source>
        <translation>データファイルではありません。</translation>
    </message>
    <message>
        <source>It could not be read.</source>
        <translation>読み込めませんでした。</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside the frequency coverage of the receiver (version %2)</source>
        <translation>周波数%1 MHzは受信機の受信範囲外です（バージョン%2）</translation>
    </message>
    <message>
        <source>The receiver or the cable stopped answering during the operation.</source>
        <translation>操作中に受信機またはケーブルが応答しなくなりました。</translation>
    </message>
    <message>
        <source>A channel is dropped onto a memory bank or a row, not onto %1.</source>
        <translation>チャンネルはメモリーバンクか行にドロップします。%1にはドロップできません。</translation>
    </message>
    <message>
        <source>The channel is in %1 already.</source>
        <translation>このチャンネルはすでに%1にあります。</translation>
    </message>
    <message>
        <source>This channel cannot be left blank: hold Ctrl to copy it.</source>
        <translation>このチャンネルは空きにできません。コピーするにはCtrlを押したままにしてください。</translation>
    </message>
    <message>
        <source>A blank channel has nothing to move.</source>
        <translation>空きチャンネルには移動するものがありません。</translation>
    </message>
    <message>
        <source>%1 does not take this channel.</source>
        <translation>%1にはこのチャンネルを入れられません。</translation>
    </message>
    <message>
        <source>%1 channel took the values as given</source>
        <translation>%1チャンネルは指定どおりの値になりました</translation>
    </message>
    <message>
        <source>%1 channels took the values as given</source>
        <translation>%1チャンネルは指定どおりの値になりました</translation>
    </message>
    <message>
        <source>%1 was adjusted</source>
        <translation>%1件は調整されました</translation>
    </message>
    <message>
        <source>%1 were adjusted</source>
        <translation>%1件は調整されました</translation>
    </message>
    <message>
        <source>%1 was left alone</source>
        <translation>%1件は変更されませんでした</translation>
    </message>
    <message>
        <source>%1 were left alone</source>
        <translation>%1件は変更されませんでした</translation>
    </message>
    <message>
        <source>%1 was left alone (%2)</source>
        <translation>%1件は変更されませんでした（%2）</translation>
    </message>
    <message>
        <source>%1 were left alone (%2)</source>
        <translation>%1件は変更されませんでした（%2）</translation>
    </message>
    <message>
        <source>%1 blank</source>
        <translation>空き%1件</translation>
    </message>
    <message>
        <source>%1 without these fields</source>
        <translation>この項目のないもの%1件</translation>
    </message>
    <message>
        <source>left alone</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>%1 does not apply</source>
        <translation>%1は該当しません</translation>
    </message>
    <message>
        <source>%1 do not apply</source>
        <translation>%1は該当しません</translation>
    </message>
    <message>
        <source>Frequency %1 instead of %2</source>
        <translation>周波数 %2ではなく%1</translation>
    </message>
    <message>
        <source>Name %1 instead of %2</source>
        <translation>ネーム %2ではなく%1</translation>
    </message>
    <message>
        <source>Mode %1 instead of %2</source>
        <translation>モード %2ではなく%1</translation>
    </message>
    <message>
        <source>Tuning Step %1 instead of %2</source>
        <translation>チューニングステップ %2ではなく%1</translation>
    </message>
    <message>
        <source>Duplex %1 instead of %2</source>
        <translation>デュプレックス %2ではなく%1</translation>
    </message>
    <message>
        <source>Offset %1 instead of %2</source>
        <translation>オフセット %2ではなく%1</translation>
    </message>
    <message>
        <source>TSQL %1 instead of %2</source>
        <translation>TSQL %2ではなく%1</translation>
    </message>
    <message>
        <source>CTCSS %1 instead of %2</source>
        <translation>CTCSS %2ではなく%1</translation>
    </message>
    <message>
        <source>Skip %1 instead of %2</source>
        <translation>スキップ %2ではなく%1</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>チューニングステップ</translation>
    </message>
    <message>
        <source>%1 cannot be received by this receiver version; left as it was.</source>
        <translation>%1はこのバージョンの受信機では受信できません。元のままにしました。</translation>
    </message>
    <message>
        <source>%1 channel was filled (%2 adjusted), %3 refused.</source>
        <translation>%1チャンネルを埋めました（調整%2件）。拒否%3件。</translation>
    </message>
    <message>
        <source>%1 channels were filled (%2 adjusted), %3 refused.</source>
        <translation>%1チャンネルを埋めました（調整%2件）。拒否%3件。</translation>
    </message>
    <message>
        <source>The %1 channels do not fit from CH %2: the list ends at CH %3.</source>
        <translation>CH %2からでは%1チャンネルが入りません。リストはCH %3で終わります。</translation>
    </message>
    <message>
        <source>The %1 channels cannot go from CH %2: a channel may not go to its place there.</source>
        <translation>CH %2からは%1チャンネルを置けません。そこに置けないチャンネルがあります。</translation>
    </message>
    <message>
        <source>mode %1 cannot be received (FM, FMN, AM, WFM)</source>
        <translation>モード%1は受信できません（FM、FMN、AM、WFM）</translation>
    </message>
    <message>
        <source>mode %1 is digital voice, which the receiver cannot receive</source>
        <translation>モード%1はデジタル音声で、この受信機では受信できません</translation>
    </message>
    <message>
        <source>tone squelch %1 is a DCS code, which the receiver cannot decode: imported without tone squelch</source>
        <translation>トーンスケルチ%1はDCSコードで、この受信機では復号できません。トーンスケルチなしでインポートしました</translation>
    </message>
    <message>
        <source>tone squelch %1 is not understood: imported without tone squelch</source>
        <translation>トーンスケルチ%1を解釈できません。トーンスケルチなしでインポートしました</translation>
    </message>
    <message>
        <source>tone %1 Hz is not one of the receiver&apos;s CTCSS tones: imported without tone squelch</source>
        <translation>トーン%1 Hzは受信機のCTCSSトーンにありません。トーンスケルチなしでインポートしました</translation>
    </message>
    <message>
        <source>a scanner list has no locations: choose the bank and row to start at</source>
        <translation>スキャナーリストには位置がありません。開始するバンクと行を選んでください</translation>
    </message>
    <message>
        <source>does not fit: Bank %1 has no row %2</source>
        <translation>入りません: バンク%1に%2行目はありません</translation>
    </message>
    <message>
        <source>frequency %1 MHz is outside every band of this receiver version</source>
        <translation>周波数%1 MHzはこのバージョンの受信機のどのバンドにも入りません</translation>
    </message>
    <message>
        <source>The %1 channel does not fit from CH %2: %3 ends at CH %4.</source>
        <translation>CH %2からでは%1チャンネルが入りません。%3はCH %4で終わります。</translation>
    </message>
    <message>
        <source>The %1 channels do not fit from CH %2: %3 ends at CH %4.</source>
        <translation>CH %2からでは%1チャンネルが入りません。%3はCH %4で終わります。</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>プロセス%1</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>... and %1 more.</source>
        <translation>... ほか%1件。</translation>
    </message>
    <message>
        <source>Imported with a note:</source>
        <translation>注意付きでインポートしました:</translation>
    </message>
</context>
<context>
    <name>DropDown</name>
    <message>
        <source>Choices</source>
        <translation>選択肢</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... ほか%n件。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSVファイル (*.csv)</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Scanner frequency lists (RadioReference)</source>
        <translation>スキャナー用周波数リスト（RadioReference）</translation>
    </message>
    <message>
        <source>Scanner frequency lists</source>
        <translation>スキャナー用周波数リスト</translation>
    </message>
    <message>
        <source>Welcome to CS-Q5</source>
        <translation>CS-Q5へようこそ</translation>
    </message>
    <message>
        <source>First start and initial setup</source>
        <translation>初回起動と初期設定</translation>
    </message>
    <message>
        <source>Why the receiver&apos;s version matters</source>
        <translation>受信機のバージョンが重要な理由</translation>
    </message>
    <message>
        <source>Running the initial setup</source>
        <translation>初期設定の実行</translation>
    </message>
    <message>
        <source>Skipping the setup</source>
        <translation>初期設定のスキップ</translation>
    </message>
    <message>
        <source>Opening a data file at start</source>
        <translation>起動時にデータファイルを開く</translation>
    </message>
    <message>
        <source>Trying CS-Q5 without a receiver</source>
        <translation>受信機なしでCS-Q5を試す</translation>
    </message>
    <message>
        <source>Cloning</source>
        <translation>クローン</translation>
    </message>
    <message>
        <source>Reading the receiver</source>
        <translation>受信機からの読み込み</translation>
    </message>
    <message>
        <source>Backups of every read</source>
        <translation>読み込みごとのバックアップ</translation>
    </message>
    <message>
        <source>Writing to the receiver</source>
        <translation>受信機への書き込み</translation>
    </message>
    <message>
        <source>Receiver information</source>
        <translation>受信機の情報</translation>
    </message>
    <message>
        <source>When cloning fails</source>
        <translation>クローンに失敗したとき</translation>
    </message>
    <message>
        <source>Editing channels and settings</source>
        <translation>チャンネルと設定の編集</translation>
    </message>
    <message>
        <source>The channel tree and grid</source>
        <translation>チャンネルツリーと一覧</translation>
    </message>
    <message>
        <source>Editing a channel</source>
        <translation>チャンネルの編集</translation>
    </message>
    <message>
        <source>Copy, paste, clear, delete, insert</source>
        <translation>コピー、貼り付け、クリア、削除、挿入</translation>
    </message>
    <message>
        <source>Finding a channel</source>
        <translation>チャンネルの検索</translation>
    </message>
    <message>
        <source>Sorting a bank</source>
        <translation>バンクの並べ替え</translation>
    </message>
    <message>
        <source>Moving channels by drag and drop</source>
        <translation>ドラッグ＆ドロップでチャンネルを移動</translation>
    </message>
    <message>
        <source>Undo and redo</source>
        <translation>元に戻すとやり直し</translation>
    </message>
    <message>
        <source>Receiver settings and comment</source>
        <translation>受信機の設定とコメント</translation>
    </message>
    <message>
        <source>TV channel presets</source>
        <translation>TVチャンネルのプリセット</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>データファイル</translation>
    </message>
    <message>
        <source>Memory channels as a CSV table</source>
        <translation>CSV表としてのメモリーチャンネル</translation>
    </message>
    <message>
        <source>Printing the channel lists</source>
        <translation>チャンネルリストの印刷</translation>
    </message>
    <message>
        <source>The program&apos;s own settings</source>
        <translation>プログラム自体の設定</translation>
    </message>
    <message>
        <source>Serial ports on Linux</source>
        <translation>Linuxのシリアルポート</translation>
    </message>
    <message>
        <source>Access to the port: the dialout group</source>
        <translation>ポートへのアクセス: dialoutグループ</translation>
    </message>
    <message>
        <source>USB cables and device names</source>
        <translation>USBケーブルとデバイス名</translation>
    </message>
    <message>
        <source>Choosing the device of a COM slot</source>
        <translation>COMスロットのデバイスの選択</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>トラブルシューティング</translation>
    </message>
    <message>
        <source>Menus and toolbar</source>
        <translation>メニューとツールバー</translation>
    </message>
    <message>
        <source>Command line and simulator</source>
        <translation>コマンドラインとシミュレーター</translation>
    </message>
    <message>
        <source>csq5-cli: cloning without a window</source>
        <translation>csq5-cli: ウィンドウなしでクローン</translation>
    </message>
    <message>
        <source>csq5-sim: a receiver on a pseudo-terminal</source>
        <translation>csq5-sim: 擬似端末上の受信機</translation>
    </message>
    <message>
        <source>.acf file</source>
        <translation>.acfファイル</translation>
    </message>
    <message>
        <source>/S (initial setup at start)</source>
        <translation>/S（起動時に初期設定）</translation>
    </message>
    <message>
        <source>AM TV channels</source>
        <translation>AM TVチャンネル</translation>
    </message>
    <message>
        <source>Backups of clone reads</source>
        <translation>クローン読み込みのバックアップ</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>ケーブル</translation>
    </message>
    <message>
        <source>Cannot access COM</source>
        <translation>COMにアクセスできない</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clone info.</source>
        <translation>クローン情報</translation>
    </message>
    <message>
        <source>Clone read</source>
        <translation>クローン読み込み</translation>
    </message>
    <message>
        <source>Clone write</source>
        <translation>クローン書き込み</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COMポート</translation>
    </message>
    <message>
        <source>ComDevice(n) in CSQ5.rs</source>
        <translation>CSQ5.rsのComDevice(n)</translation>
    </message>
    <message>
        <source>Command line (csq5-cli)</source>
        <translation>コマンドライン（csq5-cli）</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Common Setting</source>
        <translation>共通設定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>CSQ5.rs</source>
        <translation>CSQ5.rs</translation>
    </message>
    <message>
        <source>csq5-cli</source>
        <translation>csq5-cli</translation>
    </message>
    <message>
        <source>csq5-sim</source>
        <translation>csq5-sim</translation>
    </message>
    <message>
        <source>CSV tables</source>
        <translation>CSV表</translation>
    </message>
    <message>
        <source>Cannot Clone</source>
        <translation>クローンできない</translation>
    </message>
    <message>
        <source>Cannot write cloning data</source>
        <translation>クローンデータを書き込めない</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Differences between two files</source>
        <translation>2つのファイルの相違</translation>
    </message>
    <message>
        <source>Demo receiver (--demo)</source>
        <translation>デモ受信機（--demo）</translation>
    </message>
    <message>
        <source>Device of a COM slot</source>
        <translation>COMスロットのデバイス</translation>
    </message>
    <message>
        <source>Devices... (COM Port menu)</source>
        <translation>デバイス...（COMポートメニュー）</translation>
    </message>
    <message>
        <source>dialout group</source>
        <translation>dialoutグループ</translation>
    </message>
    <message>
        <source>Edit Memory</source>
        <translation>メモリー編集</translation>
    </message>
    <message>
        <source>Error messages of cloning</source>
        <translation>クローンのエラーメッセージ</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSVエクスポート</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDFエクスポート</translation>
    </message>
    <message>
        <source>Find, Find Next</source>
        <translation>検索、次を検索</translation>
    </message>
    <message>
        <source>Drag and drop</source>
        <translation>ドラッグ＆ドロップ</translation>
    </message>
    <message>
        <source>Move a channel to another bank</source>
        <translation>チャンネルを別のバンクへ移動</translation>
    </message>
    <message>
        <source>PDF of the channel lists</source>
        <translation>チャンネルリストのPDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Sort Bank</source>
        <translation>バンクの並べ替え</translation>
    </message>
    <message>
        <source>Split duplex in CSV tables</source>
        <translation>CSV表のスプリットデュプレックス</translation>
    </message>
    <message>
        <source>FM TV channels</source>
        <translation>FM TVチャンネル</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Illegal Information</source>
        <translation>情報が不正</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVインポート</translation>
    </message>
    <message>
        <source>Initial setup</source>
        <translation>初期設定</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>新規ファイル</translation>
    </message>
    <message>
        <source>No answer from receiver</source>
        <translation>受信機から応答がない</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Opening a file at start</source>
        <translation>起動時にファイルを開く</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセス拒否</translation>
    </message>
    <message>
        <source>Preset TV CH</source>
        <translation>TV CHプリセット</translation>
    </message>
    <message>
        <source>Profile CSQ5.rs</source>
        <translation>プロファイルCSQ5.rs</translation>
    </message>
    <message>
        <source>Program scan edges</source>
        <translation>プログラムスキャンエッジ</translation>
    </message>
    <message>
        <source>Read Backups Folder</source>
        <translation>バックアップフォルダー</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>バックアップの復元</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Settings of the program</source>
        <translation>プログラムの設定</translation>
    </message>
    <message>
        <source>Simulator (csq5-sim)</source>
        <translation>シミュレーター（csq5-sim）</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>チューニングステップ</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TVチャンネル</translation>
    </message>
    <message>
        <source>/dev/ttyACM0</source>
        <translation>/dev/ttyACM0</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0</source>
        <translation>/dev/ttyUSB0</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Verify After Write</source>
        <translation>書き込み後に照合</translation>
    </message>
    <message>
        <source>Version number does not match</source>
        <translation>バージョン番号が一致しない</translation>
    </message>
    <message>
        <source>Version of the receiver</source>
        <translation>受信機のバージョン</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1 ヘルプ</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>キーワードを入力</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>This manual is in English.</source>
        <translation>このマニュアルは英語で書かれています。</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>アクセシビリティ</translation>
    </message>
    <message>
        <source>Screen readers on Linux: Orca</source>
        <translation>Linuxのスクリーンリーダー: Orca</translation>
    </message>
    <message>
        <source>Keyboard commands</source>
        <translation>キーボード操作</translation>
    </message>
    <message>
        <source>Large text and themes</source>
        <translation>大きな文字とテーマ</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>ダークテーマ</translation>
    </message>
    <message>
        <source>Large text</source>
        <translation>大きな文字</translation>
    </message>
    <message>
        <source>Move Up, Move Down</source>
        <translation>上へ移動、下へ移動</translation>
    </message>
    <message>
        <source>Move to Bank</source>
        <translation>バンクへ移動</translation>
    </message>
    <message>
        <source>Orca screen reader</source>
        <translation>スクリーンリーダーOrca</translation>
    </message>
    <message>
        <source>Screen reader</source>
        <translation>スクリーンリーダー</translation>
    </message>
    <message>
        <source>Shortcut keys</source>
        <translation>ショートカットキー</translation>
    </message>
    <message>
        <source>Contents and index</source>
        <translation>目次と索引</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>ヘルプページ</translation>
    </message>
    <message>
        <source>Detect cable</source>
        <translation>ケーブルを検出</translation>
    </message>
    <message>
        <source>Many channels at once</source>
        <translation>複数のチャンネルをまとめて</translation>
    </message>
    <message>
        <source>Bulk edit</source>
        <translation>一括編集</translation>
    </message>
    <message>
        <source>Filling a bank</source>
        <translation>バンクを埋める</translation>
    </message>
    <message>
        <source>Block of channels (Shift, Ctrl+A)</source>
        <translation>チャンネルのブロック (Shift, Ctrl+A)</translation>
    </message>
    <message>
        <source>Bulk Edit</source>
        <translation>一括編集</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>チャンネルを埋める</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>%1について</translation>
    </message>
    <message>
        <source>%1 Rev.%2</source>
        <translation>%1 Rev.%2</translation>
    </message>
    <message>
        <source>Cloning software for the %1 wide-band receiver.</source>
        <translation>広帯域受信機%1用クローンソフトウェア。</translation>
    </message>
    <message>
        <source>Copyright © %1 CS-Q5 developers&lt;br&gt;&lt;br&gt;%2 is free software: you can redistribute it and/or modify it under the terms of the &lt;a href=&quot;%3&quot;&gt;GNU General Public License&lt;/a&gt; as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;br&gt;&lt;br&gt;%2 comes with ABSOLUTELY NO WARRANTY.</source>
        <translation>Copyright © %1 CS-Q5 developers&lt;br&gt;&lt;br&gt;%2はフリーソフトウェアです。Free Software Foundationが公表した&lt;a href=&quot;%3&quot;&gt;GNU一般公衆利用許諾書&lt;/a&gt;のバージョン3、または（任意で）それ以降のバージョンの条件の下で、再頒布および改変することができます。&lt;br&gt;&lt;br&gt;%2は完全に無保証です。</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation>GNU一般公衆利用許諾書</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>ライセンス</translation>
    </message>
</context>
<context>
    <name>frmBulkEdit</name>
    <message>
        <source>Bulk Edit %1</source>
        <translation>一括編集 %1</translation>
    </message>
    <message>
        <source>Only the ticked fields are written, into every selected channel in use; a value a channel cannot take is adjusted as in Edit Memory. A numbering pattern such as &quot;AIR %02d&quot; gives AIR 01, AIR 02 ...</source>
        <translation>チェックした項目だけを、選択した使用中のすべてのチャンネルに書き込みます。チャンネルが取れない値は「メモリー編集」と同じように調整されます。&quot;AIR %02d&quot;のような番号パターンでAIR 01、AIR 02 ...となります。</translation>
    </message>
    <message>
        <source>&amp;First number</source>
        <translation>最初の番号(&amp;F)</translation>
    </message>
    <message>
        <source>Name text</source>
        <translation>ネームの文字</translation>
    </message>
    <message>
        <source>Number them</source>
        <translation>連番を付ける</translation>
    </message>
    <message>
        <source>Add a prefix</source>
        <translation>先頭に追加</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Name rule</source>
        <translation>ネームの付け方</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>ネーム(&amp;N)</translation>
    </message>
    <message>
        <source>CTCSS frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>TSQL</source>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>T&amp;SQL and CTCSS</source>
        <translation>TSQLとCTCSS(&amp;S)</translation>
    </message>
    <message>
        <source>Offset Freq. (MHz)</source>
        <translation>オフセット周波数（MHz）</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>&amp;Duplex and offset</source>
        <translation>デュプレックスとオフセット(&amp;D)</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <translation>スキップ(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Tuning Step</source>
        <translation>チューニングステップ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>モード(&amp;M)</translation>
    </message>
</context>
<context>
    <name>frmCloneProgress</name>
    <message>
        <source>Cloning</source>
        <translation>クローン</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Clone progress</source>
        <translation>クローンの進行状況</translation>
    </message>
</context>
<context>
    <name>frmComDevices</name>
    <message>
        <source>%1 COM Port Devices</source>
        <translation>%1 COMポートのデバイス</translation>
    </message>
    <message>
        <source>COM&amp;%1</source>
        <translation>COM&amp;%1</translation>
    </message>
    <message>
        <source>In use: none (no serial port found)</source>
        <translation>使用中: なし（シリアルポートが見つかりません）</translation>
    </message>
    <message>
        <source>In use: %1</source>
        <translation>使用中: %1</translation>
    </message>
    <message>
        <source>demo receiver</source>
        <translation>デモ受信機</translation>
    </message>
    <message>
        <source>COM%1 device</source>
        <translation>COM%1のデバイス</translation>
    </message>
    <message>
        <source>Empty: COM n takes the n-th serial port found, in the order of the lists.</source>
        <translation>空欄: COM nは、リストの順で見つかったn番目のシリアルポートを使います。</translation>
    </message>
    <message>
        <source>Found %1: COM%2 opens it after OK.</source>
        <translation>%1が見つかりました。OKの後、COM%2で開きます。</translation>
    </message>
    <message>
        <source>Found %1 (%2): COM%3 opens it after OK.</source>
        <translation>%1が見つかりました（%2）。OKの後、COM%3で開きます。</translation>
    </message>
    <message numerus="yes">
        <source>In use: none (%n serial port(s) found: choose one)</source>
        <translation>
            <numerusform>使用中: なし（シリアルポートが%n個見つかりました。選んでください）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmCompare</name>
    <message>
        <source>Compare With %1</source>
        <translation>%1との比較</translation>
    </message>
    <message>
        <source>%1; double-click a channel to show it in the grid.</source>
        <translation>%1。チャンネルをダブルクリックすると一覧に表示します。</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>相違</translation>
    </message>
    <message>
        <source>%1 (open, edited)</source>
        <translation>%1（開いています、編集済み）</translation>
    </message>
    <message>
        <source>%1 (open)</source>
        <translation>%1（開いています）</translation>
    </message>
    <message>
        <source>%1 (saved)</source>
        <translation>%1（保存済み）</translation>
    </message>
</context>
<context>
    <name>frmCsvStart</name>
    <message>
        <source>First &amp;row:</source>
        <translation>最初の行(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Bank:</source>
        <translation>バンク(&amp;B):</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク%1</translation>
    </message>
    <message>
        <source>The table has no channel numbers: its rows go into consecutive channels of one bank from the row chosen here, over what those channels hold.</source>
        <translation>この表にはチャンネル番号がありません。各行は、ここで選んだ行から1つのバンクの連続したチャンネルに、その内容を上書きして入ります。</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVインポート</translation>
    </message>
</context>
<context>
    <name>frmEditCh</name>
    <message>
        <source>Edit Memory</source>
        <translation>メモリー編集</translation>
    </message>
    <message>
        <source>Tone Squelch</source>
        <translation>トーンスケルチ</translation>
    </message>
    <message>
        <source>TSQL</source>
        <translation>TSQL</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>IF Shift</source>
        <translation>IFシフト</translation>
    </message>
    <message>
        <source>FM TV</source>
        <translation>FM TV</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Sub Carrier</source>
        <translation>サブキャリア</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
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
        <source>Operating Frequency</source>
        <translation>運用周波数</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>デュプレックス</translation>
    </message>
    <message>
        <source>Offset Freq.</source>
        <translation>オフセット周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ネーム</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>チューニングステップ</translation>
    </message>
</context>
<context>
    <name>frmEditCommon</name>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>frmFillChannels</name>
    <message>
        <source>Fill Channels from %1</source>
        <translation>%1からチャンネルを埋める</translation>
    </message>
    <message>
        <source>Tuning Step</source>
        <translation>チューニングステップ</translation>
    </message>
    <message>
        <source>&amp;Tuning Step</source>
        <translation>チューニングステップ(&amp;T)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>モード(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;First number</source>
        <translation>最初の番号(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Name pattern</source>
        <translation>ネームのパターン(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>チャンネル数(&amp;C)</translation>
    </message>
    <message>
        <source>S&amp;pacing (kHz)</source>
        <translation>間隔（kHz）(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz)</source>
        <translation>開始周波数（MHz）(&amp;S)</translation>
    </message>
</context>
<context>
    <name>frmFind</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Frequency (MHz) or name:</source>
        <translation>周波数（MHz）またはネーム(&amp;F):</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>F&amp;ill Channels...</source>
        <translation>チャンネルを埋める(&amp;I)...</translation>
    </message>
    <message>
        <source> (demo receiver)</source>
        <translation>（デモ受信機）</translation>
    </message>
    <message>
        <source>Data Files (*.ACF *.acf)</source>
        <translation>データファイル (*.ACF *.acf)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Edit Memory</source>
        <translation>メモリー編集</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>COM1</source>
        <translation>COM1</translation>
    </message>
    <message>
        <source>COM2</source>
        <translation>COM2</translation>
    </message>
    <message>
        <source>COM3</source>
        <translation>COM3</translation>
    </message>
    <message>
        <source>COM4</source>
        <translation>COM4</translation>
    </message>
    <message>
        <source>Clone read</source>
        <translation>クローン読み込み</translation>
    </message>
    <message>
        <source>Clone write</source>
        <translation>クローン書き込み</translation>
    </message>
    <message>
        <source>Clone info.</source>
        <translation>クローン情報</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>ヘルプの目次</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>CSVエクスポート(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSVインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDFエクスポート(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation>バックアップの復元(&amp;R)...</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>比較(&amp;W)...</translation>
    </message>
    <message>
        <source>Read &amp;Backups Folder</source>
        <translation>バックアップフォルダー(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit Memory...</source>
        <translation>メモリー編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sort Bank...</source>
        <translation>バンクの並べ替え(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Common Setting...</source>
        <translation>共通設定(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>COM &amp;Port</source>
        <translation>COMポート(&amp;P)</translation>
    </message>
    <message>
        <source>COM &amp;%1</source>
        <translation>COM &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <translation>デバイス(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Cloning</source>
        <translation>クローン(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Read &lt;- Receiver</source>
        <translation>読み込み(&amp;R) &lt;- 受信機</translation>
    </message>
    <message>
        <source>&amp;Write -&gt; Receiver</source>
        <translation>書き込み(&amp;W) -&gt; 受信機</translation>
    </message>
    <message>
        <source>&amp;Information...</source>
        <translation>情報(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>書き込み後に照合(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Preset TV CH</source>
        <translation>TV CHプリセット(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About CS-Q5...</source>
        <translation>CS-Q5について(&amp;A)...</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Channel lists</source>
        <translation>チャンネルリスト</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>No channel list in this group</source>
        <translation>このグループにはチャンネルリストがありません</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1チャンネル</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Move to &amp;Bank...</source>
        <translation>バンクへ移動(&amp;B)...</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up</source>
        <translation>上へ移動(&amp;V)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>More toolbar buttons</source>
        <translation>その他のツールボタン</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSVエクスポート</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVインポート</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDFエクスポート</translation>
    </message>
    <message>
        <source>Bul&amp;k Edit...</source>
        <translation>一括編集(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>frmMoveToBank</name>
    <message>
        <source>Move to Bank</source>
        <translation>バンクへ移動</translation>
    </message>
    <message>
        <source>&amp;Bank (the channel goes to its first blank channel):</source>
        <translation>バンク（最初の空きチャンネルに入ります）(&amp;B):</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation>バックアップの復元</translation>
    </message>
    <message>
        <source>&amp;Backups of clone reads, newest first:</source>
        <translation>クローン読み込みのバックアップ（新しい順）(&amp;B):</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Backups of clone reads</source>
        <translation>クローン読み込みのバックアップ</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Thank you for purchasing this Ardo CS-Q5 cloning software.</source>
        <translation>このたびはArdo CS-Q5クローンソフトウェアをお買い上げいただき、ありがとうございます。</translation>
    </message>
    <message>
        <source>To use this software, the receiver&apos;s version must be recognized.</source>
        <translation>このソフトウェアを使うには、受信機のバージョンを認識させる必要があります。</translation>
    </message>
    <message>
        <source>Therefore the following start-up operation is necessary in advance.</source>
        <translation>そのため、事前に次の初期操作が必要です。</translation>
    </message>
    <message>
        <source>If an RX-Q5 is not on hand, push [Cancel] to skip the initial setup.</source>
        <translation>RX-Q5が手元にない場合は、[キャンセル]を押して初期設定をスキップしてください。</translation>
    </message>
    <message>
        <source>This program can be used to edit data although actual cloning operations cannot be performed in such cases.</source>
        <translation>その場合もデータの編集はできますが、実際のクローン操作はできません。</translation>
    </message>
    <message>
        <source>START-UP OPERATION</source>
        <translation>初期操作</translation>
    </message>
    <message>
        <source>(1) Be sure the receiver and PC are connected using the cloning</source>
        <translation>(1) 受信機とPCがクローンケーブルで</translation>
    </message>
    <message>
        <source>cable. If they are not yet connected, turn all power OFF, then connect the cable in advance.</source>
        <translation>接続されていることを確認してください。まだ接続していない場合は、すべての電源を切ってから、先にケーブルを接続してください。</translation>
    </message>
    <message>
        <source>(2) Turn the receiver power ON and select the RS-232C port.</source>
        <translation>(2) 受信機の電源を入れ、RS-232Cポートを選択してください。</translation>
    </message>
    <message>
        <source>(3) Push [OK] to start the initial setup.</source>
        <translation>(3) [OK]を押すと初期設定を開始します。</translation>
    </message>
    <message>
        <source>%1 Initial Setup</source>
        <translation>%1 初期設定</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COMポート</translation>
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
        <source>Instructions</source>
        <translation>手順</translation>
    </message>
    <message>
        <source>Found %1: COM%2 opens it.</source>
        <translation>%1が見つかりました。COM%2で開きます。</translation>
    </message>
    <message>
        <source>Found %1: OK makes it the device of the COM port chosen.</source>
        <translation>%1が見つかりました。OKを押すと、選んだCOMポートのデバイスになります。</translation>
    </message>
</context>
<context>
    <name>frmSortBank</name>
    <message>
        <source>Sort Bank</source>
        <translation>バンクの並べ替え</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>順序</translation>
    </message>
    <message>
        <source>By &amp;frequency</source>
        <translation>周波数順(&amp;F)</translation>
    </message>
    <message>
        <source>By &amp;name</source>
        <translation>ネーム順(&amp;N)</translation>
    </message>
    <message>
        <source>Ascending; blank channels go last.</source>
        <translation>昇順。空きチャンネルは最後になります。</translation>
    </message>
    <message>
        <source>Sort %1</source>
        <translation>%1の並べ替え</translation>
    </message>
</context>
</TS>
