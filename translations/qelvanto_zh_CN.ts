<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>请使用以下值之一：%1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>请使用以下值之一：%1（kbit/s）</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>请使用以下值之一：%1（Hz）</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>请使用 1 到 %1（核心数）之间的文件数</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>请使用已存在的文件夹</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>请参阅 qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>批量转换音频文件。
不带 --convert 时，打开窗口并开始转换给定的文件和文件夹，
就像将它们拖放到门上一样。
带 --convert 时，不打开窗口直接转换。未给出的选项沿用窗口中上次的选择。
退出状态：0 所有音频文件均已转换，1 有文件失败、被停止或被排除，
2 用法错误，130 或 143 被中断。</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>不打开窗口进行转换；结束后在标准输出上显示摘要。</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>输出格式：%1。</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>比特率（kbit/s）：%1。</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>采样率（Hz）：%1。</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono 或 stereo。</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>同时转换的文件数，1 到 %1（核心数）。</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>将所有结果写入这个已存在的文件夹，而不是各输入文件旁的 Converted/。</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>与 --output 一起使用：给定文件夹中的文件在输出文件夹内保留原有的文件夹结构。</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>结果已存在时：rename（使用新名称，如 "a 1.mp3"）或 skip（保持该文件不变）。</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>旁边带有 CUE 文件的专辑镜像将按音轨分割为多个文件，并按 CUE 文件的内容命名和添加标签。</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>不在标准错误输出上显示进度和逐个文件的信息。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>要转换的音频文件和文件夹。</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 需要一个值；%2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 可用的选项有 --convert、--format、--bitrate、--rate、--channels、--jobs、--output、--keep-folders、--existing、--split-cue、--quiet、--help 和 --version。</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 需与 --convert 一起使用：qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert 至少需要一个文件或文件夹：qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>不支持格式 "%1"；%2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>不支持比特率 "%1"；%2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>不支持采样率 "%1"；%2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>不支持声道 "%1"；%2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>--jobs 不支持 "%1"；%2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output：文件夹名称不是有效的 UTF-8；请使用其他文件夹</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output "%1" 不是已存在的文件夹；请使用已存在的文件夹</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders 需与 --output 一起使用：qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>--existing 不支持 "%1"；%2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: 请参阅 qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>要转换这些文件吗？</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>接下来请选择用于保存输出媒体文件的文件夹。
（例如：桌面）</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>不再显示此消息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>将文件输出到</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>大约还剩 %1 秒</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>大约还剩 %1 分钟</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>大约还剩 %1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>大约还剩 %1 小时</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>它不是可执行文件</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1，已转换为 %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>保存为</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>编码器不支持 %2 Hz 单声道的 %1：所有文件都会失败。</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>编码器不支持 %2 Hz 立体声的 %1：所有文件都会失败。</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>编码器不支持 %2 Hz 单声道且高于 %3 kbit/s 的 %1：所有文件都会失败。</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>编码器不支持 %2 Hz 立体声且高于 %3 kbit/s 的 %1：所有文件都会失败。</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>它不是 CUE 文件（其中含有空字节）</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>其中列出的音轨超过 %1 个</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>它不是可识别的 CUE 文件</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>其中未列出任何音轨</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>其音轨 %1 无法读取</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>其音轨 %1 没有起始位置</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>其音轨 %1 未指定文件</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>其音轨 %1 在音轨 %2 结束之前就开始了</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 第 %2 轨（共 %3 轨）</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>其名称不是有效的 UTF-8，因此无法原样交给编码器</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>它是播放列表，会使编码器打开其中列出的文件</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>无法检查：系统未能启动编码器（%1）</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>立即以代码 %1 退出</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>编码器未能在 %1 秒内读完</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>编码器报告成功，但未写入任何内容</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>它是文件夹</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>它是 FIFO，不是普通文件</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>它是套接字，不是普通文件</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>它是设备，不是普通文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>它是无法打开的文件夹（%1）</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>已排除 %1：其中存放着之前转换的结果。</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>已排除 %1：它是存放结果的输出文件夹。</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>其 FILE 指定的 %1 不在同一文件夹中</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>其 FILE 指定的 %1 不存在</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>其 FILE 指定的 %1 是链接，不会跟随</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>其 FILE 指定的 %1 不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>它超出了专辑 CUE 文件可能的大小</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>系统未能启动编码器（%1）</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>其镜像未标明采样率</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>它起始于 %1，晚于其镜像的结尾（%2）</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>其 Converted 文件夹 %1 是链接，不会跟随</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>要放置 Converted 文件夹的 %1 不是文件夹</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>立即以代码 %1 退出</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>已删除 %1，这是之前中断的运行留下的未完成文件。</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>无法创建其输出 %1（%2）</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>名称或设置中含有文本 %1，会拆分编码器的参数</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>无法启动编码器</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>无法启动编码器（%1）</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>编码器未能在 %1 秒内读完</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>无法保存（%1）</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>将音频文件或文件夹拖放到此处，或按 Enter 或空格键选择文件</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>将音频文件或文件夹拖放到此处，或单击以选择文件（Ctrl+O）</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>如何添加文件</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>将音频文件或文件夹拖放到门上，或单击门来选择文件。</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>输出格式，也是新文件的扩展名</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>音频比特率，单位为千比特每秒，用于有损格式</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>音频比特率，单位 kbit/s（用于有损格式）</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>采样率，单位为赫兹</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>采样率，单位 Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>单声道或立体声</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>声道数</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>同时转换</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>同时转换的文件数；每个文件占用一个处理器核心</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>所选格式如何处理采样率</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>编码器是否支持所选的格式、比特率、采样率和声道</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>“原文件夹”会将结果放在每个文件旁的 Converted 文件夹中；否则在开始转换时选择一个文件夹</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>“原文件夹”：每个文件旁的 Converted 文件夹。否则在开始转换时选择一个文件夹。</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>原文件夹</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>选择文件夹…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>保留文件夹结构</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>选择文件夹时，拖入的文件夹中的文件会在所选文件夹内保留原有的文件夹结构</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>若已存在</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>文件的转换结果已存在时：以新名称重新转换，或跳过该文件</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>文件的转换结果已存在时：“新名称”会以 "NAME 1" 重新转换，“跳过”则保持不变</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新名称</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>按 CUE 文件分割</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>旁边带有 CUE 文件的专辑镜像将按音轨分割为多个文件，并按 CUE 文件的内容命名和添加标签</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>为转换结果选择的文件夹</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>每个文件旁的 Converted/</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>当前操作和剩余文件数</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>当前文件的进度</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>当前文件的进度（百分比）</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>整批转换的剩余时间</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>正在检查当前文件</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>打开指南</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Qelvanto 帮助</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>转换期间显示为“停止”，单击会停止所有正在进行的转换；其他时候只会重新显示门的图片</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>控制台</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>编码器对每个文件的处理情况</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>编码器状态</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>编码器的最新状态行</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>本批文件</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>本批的每个文件、其处理结果和保存位置；按 Enter 可在文件管理器中显示已转换的文件</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>开始转换时询问</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>已转换为 %1，但有问题：%2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>已转换为 %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>已转换为 %1，保持不变</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>失败，结果代码为 %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>失败，结果代码为 %1：%2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>不是音频，已跳过</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>已排除：%1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>转换完成。</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>%1 个文件中有 %Ln 个失败；详情请查看控制台。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>%1 个文件中有 %Ln 个失败。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>%1 个文件中有 %Ln 个被停止。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 个文件不是音频，已跳过。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln 个文件不是音频，已跳过。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 个文件在转换时出现问题；详情请查看控制台。</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 个文件在转换时出现问题。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln 个文件在转换时出现问题；详情请查看控制台。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln 个文件在转换时出现问题。</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 个文件此前已转换，保持不变。</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln 个文件此前已转换，保持不变。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %Ln 个</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>已停止 %1：已删除其未完成的输出 %2。</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>未转换 %1：已删除其未完成的输出 %2。</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>检查中</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>转换中 %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>转换中</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>已转换</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>已转换，但有问题：%1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>此前已转换</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>结果代码 %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>非音频</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>已排除：%1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>正在准备文件 - 剩余 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>正在转换 - 剩余 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1/%2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>未转换 %1：%2。</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 已转换，但有问题：%2。</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>已排除 %1：%2。</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>已在转换开始前停止 %1。</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 此前已转换：%2 已存在。</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>%1 个文件中有 %Ln 个未开始。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto：已转换 %Ln 个文件（共 %1 个）</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>找不到编码器</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>在 %1 中找不到程序 "ffmpeg"。请重新安装 Qelvanto，或安装 ffmpeg 软件包后重新构建。</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>无法运行编码器</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>无法运行程序 "%1"：%2。请重新安装 Qelvanto，或安装 ffmpeg 软件包后重新构建。</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: 找不到编码器：在 %1 中找不到 "ffmpeg"。请重新安装 Qelvanto，或安装 ffmpeg 软件包。</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: 无法运行编码器 "%1"：%2。请重新安装 Qelvanto，或安装 ffmpeg 软件包。</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>无论采样率框中如何设置，opus 都以 %1 Hz 转换</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1，%2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>将 1 个文件转换为 %1，并保存到每个文件旁的 Converted/ 中吗？</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>将 %Ln 个文件转换为 %1，并保存到每个文件旁的 Converted/ 中吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>将 1 个文件转换为 %1，并保存到接下来选择的文件夹中吗？</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>将 %Ln 个文件转换为 %1，并保存到接下来选择的文件夹中吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>只能读取到 %1（总时长 %2）</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>解码时出现 1 个错误</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>解码时出现 %Ln 个错误</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>其时间戳倒退了 1 次</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>其时间戳倒退了 %Ln 次</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
</context>
</TS>
