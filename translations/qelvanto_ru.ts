<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>используйте одно из значений: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>используйте одно из значений: %1 (кбит/с)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>используйте одно из значений: %1 (Гц)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>укажите число файлов от 1 до %1 (число ядер)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>укажите существующую папку</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>см. qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Пакетное преобразование аудиофайлов.
Без --convert открывает окно и запускает пакет из указанных файлов и папок,
как если бы их перетащили на дверь.
С --convert преобразует их без окна. Незаданные параметры берутся из последнего
выбора в окне. Код выхода: 0 — преобразованы все аудиофайлы, 1 — файл не удалось
преобразовать, он был остановлен или отклонён, 2 — ошибка в вызове,
130 или 143 — работа прервана.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Преобразовать без окна; итог выводится в стандартный вывод.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Формат результата: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Битрейт в кбит/с: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Частота дискретизации в Гц: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono или stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Сколько файлов преобразовывать одновременно, от 1 до %1 (число ядер).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Сохранять все результаты в эту существующую папку, а не в Converted/ рядом с каждым исходным файлом.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Вместе с --output: файлы указанной папки сохраняют её структуру вложенных папок внутри папки результатов.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Если результат уже существует: rename (новое имя, "a 1.mp3") или skip (файл остаётся как есть).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Образ альбома с CUE-файлом рядом даёт по файлу на каждый трек, с именами и тегами из CUE-файла.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Не выводить ход работы и строки по файлам в стандартный поток ошибок.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Аудиофайлы и папки для преобразования.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>для --%1 нужно значение; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 Доступные параметры: --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help и --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 используется только вместе с --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>для --convert нужен хотя бы один файл или папка: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>формат "%1" недоступен; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>битрейт "%1" недоступен; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>частота дискретизации "%1" недоступна; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>значение каналов "%1" недоступно; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>значение --jobs "%1" недоступно; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: имя папки не в корректной кодировке UTF-8; укажите другую папку</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output: "%1" не является существующей папкой; укажите существующую папку</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders используется только вместе с --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>значение --existing "%1" недоступно; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: см. qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Выбор файлов</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>Преобразовать эти файлы?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Теперь выберите папку, куда сохранить готовые файлы.
(Например: Рабочий стол)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Куда сохранить файлы</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>осталось около %1 с</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>осталось около %1 мин</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>осталось около %1 ч %2 мин</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>осталось около %1 ч</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>файл не является исполняемым</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, преобразован в %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Сохранён как</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>Кодировщик не принимает %1 моно с частотой %2 Гц: ни один файл не будет преобразован.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>Кодировщик не принимает %1 стерео с частотой %2 Гц: ни один файл не будет преобразован.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>Кодировщик не принимает %1 моно с частотой %2 Гц и битрейтом выше %3 кбит/с: ни один файл не будет преобразован.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>Кодировщик не принимает %1 стерео с частотой %2 Гц и битрейтом выше %3 кбит/с: ни один файл не будет преобразован.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>это не CUE-файл (в нём есть нулевой байт)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>в нём указано больше %1 треков</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>программа не распознаёт его как CUE-файл</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>в нём не указано ни одного трека</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>не удаётся прочитать его трек %1</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>у его трека %1 не указано начало</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>для его трека %1 не указан файл</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>его трек %1 начинается раньше, чем заканчивается трек %2</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1, трек %2 из %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>его имя не в корректной кодировке UTF-8, поэтому его нельзя передать кодировщику без изменений</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>это список воспроизведения: кодировщик открыл бы перечисленные в нём файлы</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>его не удалось проверить: система не запустила кодировщик (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>кодировщик сразу завершился с кодом %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>кодировщик не дочитал его за %1 с</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>кодировщик сообщил об успехе, но ничего не записал</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>это FIFO, а не обычный файл</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>это сокет, а не обычный файл</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>это устройство, а не обычный файл</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>это папка, которую не удаётся открыть (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>Отклонена папка %1: в ней результаты прошлых запусков.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>Отклонена папка %1: это выходная папка, в ней лежат результаты.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>файл %1 из его записи FILE лежит не рядом с ним</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>файл %1 из его записи FILE не найден</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>файл %1 из его записи FILE — ссылка, а по ссылкам программа не переходит</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>файл %1 из его записи FILE — не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>он больше, чем может быть CUE-файл альбома</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>система не запустила кодировщик (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>в образе альбома не указана частота дискретизации</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>трек начинается в %1, уже после конца образа (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>его папка Converted %1 — ссылка, а по ссылкам программа не переходит</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, где должна быть его папка Converted, не является папкой</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>кодировщик сразу завершился с кодом %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>Удалён файл %1, оставшийся незавершённым после прерванного запуска.</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>не удалось создать его файл результата %1 (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>имя или параметр содержит текст %1, который разбил бы аргументы кодировщика</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>не удалось запустить кодировщик</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>не удалось запустить кодировщик (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>кодировщик не дочитал его за %1 с</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>его не удалось сохранить (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Перетащите сюда аудиофайлы или папки либо нажмите Enter или Пробел, чтобы выбрать файлы</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Перетащите сюда аудиофайлы или папки либо щёлкните, чтобы выбрать файлы (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Как добавить файлы</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Перетащите аудиофайлы или папки на дверь или щёлкните по ней, чтобы выбрать файлы.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Формат результата, он же расширение нового файла</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Битрейт звука в килобитах в секунду, используется форматами с потерями</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Битрейт звука в кбит/с (для форматов с потерями)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>кбит/с</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Частота дискретизации в герцах</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Частота дискретизации в Гц</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Моно или стерео</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Число каналов</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>Одновременно</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Сколько файлов преобразуется одновременно</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Сколько файлов преобразуется одновременно; каждый занимает одно ядро процессора</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Как выбранный формат обходится с частотой дискретизации</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Принимает ли кодировщик выбранные формат, битрейт, частоту дискретизации и каналы</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Сохранять в</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>"Исходная папка" сохраняет результаты в папку Converted рядом с каждым файлом; иначе вы выбираете одну папку при запуске пакета</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Исходная папка: папка Converted рядом с каждым файлом. Иначе вы выбираете одну папку при запуске пакета.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Исходная папка</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Выбрать папку…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Сохранять папки</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>При выбранной папке файлы из перетащенной папки сохраняют в ней её структуру вложенных папок</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Если существует</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Если результат для файла уже есть: преобразовать его заново под новым именем или пропустить файл</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Если результат для файла уже есть: "Новое имя" преобразует его заново как "NAME 1", "Пропустить" оставляет всё как есть</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Разбить по CUE</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Образ альбома с CUE-файлом рядом даёт по файлу на каждый трек, с именами и тегами из CUE-файла</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка результатов</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>Папка, выбранная для результатов</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ рядом с каждым файлом</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Что выполняется и сколько файлов осталось</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Ход обработки текущего файла</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Ход обработки текущего файла в процентах</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Сколько ещё займёт весь пакет</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Текущий файл проверяется</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Открывает руководство</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Справка Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Во время преобразования на кнопке написано "Стоп", и она останавливает все идущие преобразования; иначе она только снова показывает картинку с дверью</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Консоль</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Что сделал кодировщик, файл за файлом</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Состояние кодировщика</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>Последняя строка состояния кодировщика</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln файл</numerusform>
            <numerusform>%Ln файла</numerusform>
            <numerusform>%Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Файлы пакета</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Каждый файл пакета, что с ним стало и где он сохранён; Enter показывает преобразованный файл в файловом менеджере</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Запрашивается при запуске пакета</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>преобразован с проблемами в %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>преобразован в %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>уже преобразован в %1, оставлен как есть</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>ошибка: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>ошибка, код завершения %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>ошибка, код завершения %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлен</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>не аудио, пропущен</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>отклонён: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>не удалось прочитать: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Преобразование завершено.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>Не удалось преобразовать %Ln файл из %1; подробности в консоли.</numerusform>
            <numerusform>Не удалось преобразовать %Ln файла из %1; подробности в консоли.</numerusform>
            <numerusform>Не удалось преобразовать %Ln файлов из %1; подробности в консоли.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>Не удалось преобразовать %Ln файл из %1.</numerusform>
            <numerusform>Не удалось преобразовать %Ln файла из %1.</numerusform>
            <numerusform>Не удалось преобразовать %Ln файлов из %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>Остановлен %Ln файл из %1.</numerusform>
            <numerusform>Остановлены %Ln файла из %1.</numerusform>
            <numerusform>Остановлено %Ln файлов из %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 файл пропущен: это не аудио.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln файл пропущен: это не аудио.</numerusform>
            <numerusform>%Ln файла пропущены: это не аудио.</numerusform>
            <numerusform>%Ln файлов пропущено: это не аудио.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 файл преобразован с проблемами; подробности в консоли.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 файл преобразован с проблемами.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln файл преобразован с проблемами; подробности в консоли.</numerusform>
            <numerusform>%Ln файла преобразованы с проблемами; подробности в консоли.</numerusform>
            <numerusform>%Ln файлов преобразовано с проблемами; подробности в консоли.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln файл преобразован с проблемами.</numerusform>
            <numerusform>%Ln файла преобразованы с проблемами.</numerusform>
            <numerusform>%Ln файлов преобразовано с проблемами.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 файл уже был преобразован и оставлен как есть.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln файл уже был преобразован и оставлен как есть.</numerusform>
            <numerusform>%Ln файла уже были преобразованы и оставлены как есть.</numerusform>
            <numerusform>%Ln файлов уже были преобразованы и оставлены как есть.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %Ln файл</numerusform>
            <numerusform>и ещё %Ln файла</numerusform>
            <numerusform>и ещё %Ln файлов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>Файл %1 остановлен: его незавершённый результат %2 удалён.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>Файл %1 не преобразован: его незавершённый результат %2 удалён.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Преобразование %1%</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Преобразование</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Преобразован</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Преобразован с проблемами: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Уже преобразован</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>код завершения %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлен</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>Не аудио</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Отклонён: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Подготовка файла — остался %Ln файл</numerusform>
            <numerusform>Подготовка файла — осталось %Ln файла</numerusform>
            <numerusform>Подготовка файла — осталось %Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Преобразование — остался %Ln файл</numerusform>
            <numerusform>Преобразование — осталось %Ln файла</numerusform>
            <numerusform>Преобразование — осталось %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 из %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>Файл %1 не преобразован: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>Файл %1 преобразован с проблемами: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>Отклонён %1: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>Файл %1 остановлен до начала преобразования.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>Файл %1 уже преобразован: %2 существует.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>Преобразование не начато для %Ln файла из %1.</numerusform>
            <numerusform>Преобразование не начато для %Ln файлов из %1.</numerusform>
            <numerusform>Преобразование не начато для %Ln файлов из %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: преобразован %Ln файл из %1</numerusform>
            <numerusform>Qelvanto: преобразованы %Ln файла из %1</numerusform>
            <numerusform>Qelvanto: преобразовано %Ln файлов из %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>Кодировщик не найден</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Программа "ffmpeg" не найдена в %1. Переустановите Qelvanto или установите пакет ffmpeg и соберите программу заново.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>Не удаётся запустить кодировщик</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>Не удалось запустить программу "%1": %2. Переустановите Qelvanto или установите пакет ffmpeg и соберите программу заново.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: кодировщик не найден: "ffmpeg" нет в %1. Переустановите Qelvanto или установите пакет ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: не удаётся запустить кодировщик "%1": %2. Переустановите Qelvanto или установите пакет ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus всегда кодируется с частотой %1 Гц, что бы ни было выбрано в поле "Частота"</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 кбит/с</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>Преобразовать 1 файл в %1 и сохранить в Converted/ рядом с ним?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>Преобразовать %Ln файл в %1 и сохранить в Converted/ рядом с каждым файлом?</numerusform>
            <numerusform>Преобразовать %Ln файла в %1 и сохранить в Converted/ рядом с каждым файлом?</numerusform>
            <numerusform>Преобразовать %Ln файлов в %1 и сохранить в Converted/ рядом с каждым файлом?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>Преобразовать 1 файл в %1 и сохранить в папку, которую вы выберете далее?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>Преобразовать %Ln файл в %1 и сохранить в папку, которую вы выберете далее?</numerusform>
            <numerusform>Преобразовать %Ln файла в %1 и сохранить в папку, которую вы выберете далее?</numerusform>
            <numerusform>Преобразовать %Ln файлов в %1 и сохранить в папку, которую вы выберете далее?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>удалось прочитать только %1 из %2</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 ошибка при декодировании</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln ошибка при декодировании</numerusform>
            <numerusform>%Ln ошибки при декодировании</numerusform>
            <numerusform>%Ln ошибок при декодировании</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>его метки времени один раз пошли назад</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>его метки времени %Ln раз пошли назад</numerusform>
            <numerusform>его метки времени %Ln раза пошли назад</numerusform>
            <numerusform>его метки времени %Ln раз пошли назад</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
