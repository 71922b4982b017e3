<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Arguments</name>
    <message>
        <source>use one of: %1</source>
        <translation>use uno de estos: %1</translation>
    </message>
    <message>
        <source>use one of: %1 (kbit/s)</source>
        <translation>use uno de estos: %1 (kbit/s)</translation>
    </message>
    <message>
        <source>use one of: %1 (Hz)</source>
        <translation>use uno de estos: %1 (Hz)</translation>
    </message>
    <message>
        <source>use a number of files from 1 to %1 (the number of cores)</source>
        <translation>use un número de archivos de 1 a %1 (el número de núcleos)</translation>
    </message>
    <message>
        <source>use an existing folder</source>
        <translation>use una carpeta existente</translation>
    </message>
    <message>
        <source>see qelvanto --help</source>
        <translation>consulte qelvanto --help</translation>
    </message>
    <message>
        <source>Converts batches of audio files.
Without --convert it opens its window and starts a batch of the given files and
folders, as if they had been dropped on the door.
With --convert it converts them without a window. Options not given take the
window&apos;s last choices. Exit status: 0 every audio file converted, 1 a file failed,
was stopped or was left out, 2 a usage error, 130 or 143 interrupted.</source>
        <translation>Convierte lotes de archivos de audio.
Sin --convert, abre su ventana e inicia un lote con los archivos y carpetas
indicados, como si se hubieran soltado sobre la puerta.
Con --convert, los convierte sin ventana. Las opciones no indicadas toman las
últimas elecciones de la ventana. Código de salida: 0 si se convirtieron todos
los archivos de audio, 1 si un archivo falló, se detuvo o se excluyó, 2 si hubo
un error de uso, 130 o 143 si se interrumpió.</translation>
    </message>
    <message>
        <source>Convert without a window; a summary follows on standard output.</source>
        <translation>Convertir sin ventana; al final se muestra un resumen en la salida estándar.</translation>
    </message>
    <message>
        <source>Output format: %1.</source>
        <translation>Formato de salida: %1.</translation>
    </message>
    <message>
        <source>Bitrate in kbit/s: %1.</source>
        <translation>Tasa de bits en kbit/s: %1.</translation>
    </message>
    <message>
        <source>Sample rate in Hz: %1.</source>
        <translation>Frecuencia de muestreo en Hz: %1.</translation>
    </message>
    <message>
        <source>mono or stereo.</source>
        <translation>mono o stereo.</translation>
    </message>
    <message>
        <source>Files converted at once, 1 to %1 (the number of cores).</source>
        <translation>Archivos que se convierten a la vez, de 1 a %1 (el número de núcleos).</translation>
    </message>
    <message>
        <source>Write every result into this existing folder, not into Converted/ beside each input.</source>
        <translation>Guardar cada resultado en esta carpeta existente, no en Converted/ junto a cada archivo de entrada.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>With --output: the files of a given folder keep its tree of folders inside the output folder.</source>
        <translation>Con --output: los archivos de una carpeta indicada conservan su árbol de carpetas dentro de la carpeta de salida.</translation>
    </message>
    <message>
        <source>When a result is there already: rename (a new name, &quot;a 1.mp3&quot;) or skip (the file is left as it is).</source>
        <translation>Cuando ya existe un resultado: rename (un nombre nuevo, &quot;a 1.mp3&quot;) o skip (el archivo se deja como está).</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says.</source>
        <translation>Una imagen de álbum con una hoja CUE al lado da un archivo por pista, con los nombres y etiquetas que indica la hoja.</translation>
    </message>
    <message>
        <source>No progress and no line per file on standard error.</source>
        <translation>Sin progreso ni una línea por archivo en la salida de error estándar.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Audio files and folders to convert.</source>
        <translation>Archivos y carpetas de audio que convertir.</translation>
    </message>
    <message>
        <source>--%1 needs a value; %2</source>
        <translation>--%1 necesita un valor; %2</translation>
    </message>
    <message>
        <source>%1 The options are --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.</source>
        <translation>%1 Las opciones son --convert, --format, --bitrate, --rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help y --version.</translation>
    </message>
    <message>
        <source>--%1 goes with --convert: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--%1 requiere --convert: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>--convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…</source>
        <translation>--convert necesita al menos un archivo o carpeta: qelvanto --convert [OPTIONS] PATH…</translation>
    </message>
    <message>
        <source>the format &quot;%1&quot; is not offered; %2</source>
        <translation>el formato &quot;%1&quot; no está disponible; %2</translation>
    </message>
    <message>
        <source>the bitrate &quot;%1&quot; is not offered; %2</source>
        <translation>la tasa de bits &quot;%1&quot; no está disponible; %2</translation>
    </message>
    <message>
        <source>the sample rate &quot;%1&quot; is not offered; %2</source>
        <translation>la frecuencia de muestreo &quot;%1&quot; no está disponible; %2</translation>
    </message>
    <message>
        <source>the channels &quot;%1&quot; is not offered; %2</source>
        <translation>el valor de canales &quot;%1&quot; no está disponible; %2</translation>
    </message>
    <message>
        <source>--jobs &quot;%1&quot; is not offered; %2</source>
        <translation>--jobs &quot;%1&quot; no está disponible; %2</translation>
    </message>
    <message>
        <source>--output: the folder&apos;s name is not valid UTF-8; use another folder</source>
        <translation>--output: el nombre de la carpeta no es UTF-8 válido; use otra carpeta</translation>
    </message>
    <message>
        <source>--output &quot;%1&quot; is not an existing folder; use an existing folder</source>
        <translation>--output &quot;%1&quot; no es una carpeta existente; use una carpeta existente</translation>
    </message>
    <message>
        <source>--keep-folders goes with --output: qelvanto --convert --output DIR --keep-folders PATH…</source>
        <translation>--keep-folders requiere --output: qelvanto --convert --output DIR --keep-folders PATH…</translation>
    </message>
    <message>
        <source>--existing &quot;%1&quot; is not offered; %2</source>
        <translation>--existing &quot;%1&quot; no está disponible; %2</translation>
    </message>
    <message>
        <source>qelvanto: see qelvanto --help</source>
        <translation>qelvanto: consulte qelvanto --help</translation>
    </message>
</context>
<context>
    <name>BannerController</name>
    <message>
        <source>Select File(s)</source>
        <translation>Seleccionar archivos</translation>
    </message>
    <message>
        <source>Convert these files?</source>
        <translation>¿Convertir estos archivos?</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
    <message>
        <source>Now please select a folder to save the output media files.
(For example: Desktop)</source>
        <translation>Ahora seleccione una carpeta donde guardar los archivos convertidos.
(Por ejemplo: Escritorio)</translation>
    </message>
    <message>
        <source>Don&apos;t Show This Message Again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Output the File to</source>
        <translation>Guardar los archivos en</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a file&apos;s share done</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>about %1 s left</source>
        <translation>tiempo restante: aprox. %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>tiempo restante: aprox. %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>tiempo restante: aprox. %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>tiempo restante: aprox. %1 h</translation>
    </message>
    <message>
        <source>it is not executable</source>
        <translation>no es ejecutable</translation>
    </message>
</context>
<context>
    <name>BatchListModel</name>
    <message>
        <source>%1, converted to %2</source>
        <translation>%1, convertido en %2</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Saved as</source>
        <translation>Guardado como</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz: every file would fail.</source>
        <translation>El codificador no admite %1 mono a %2 Hz: todos los archivos fallarían.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz: every file would fail.</source>
        <translation>El codificador no admite %1 estéreo a %2 Hz: todos los archivos fallarían.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 mono at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>El codificador no admite %1 mono a %2 Hz por encima de %3 kbit/s: todos los archivos fallarían.</translation>
    </message>
    <message>
        <source>The encoder does not take %1 stereo at %2 Hz above %3 kbit/s: every file would fail.</source>
        <translation>El codificador no admite %1 estéreo a %2 Hz por encima de %3 kbit/s: todos los archivos fallarían.</translation>
    </message>
</context>
<context>
    <name>CueSheet</name>
    <message>
        <source>it is not a cue sheet (it holds a zero byte)</source>
        <translation>no es una hoja CUE (contiene un byte cero)</translation>
    </message>
    <message>
        <source>it names more than %1 tracks</source>
        <translation>indica más de %1 pistas</translation>
    </message>
    <message>
        <source>it is not a cue sheet the reader understands</source>
        <translation>no es una hoja CUE que el lector entienda</translation>
    </message>
    <message>
        <source>it names no track</source>
        <translation>no indica ninguna pista</translation>
    </message>
    <message>
        <source>its track %1 cannot be read</source>
        <translation>su pista %1 no se puede leer</translation>
    </message>
    <message>
        <source>its track %1 has no start</source>
        <translation>su pista %1 no tiene inicio</translation>
    </message>
    <message>
        <source>its track %1 names no file</source>
        <translation>su pista %1 no indica ningún archivo</translation>
    </message>
    <message>
        <source>its track %1 starts before track %2 ends</source>
        <translation>su pista %1 empieza antes de que termine la pista %2</translation>
    </message>
    <message>
        <source>%1 track %2 of %3</source>
        <translation>%1 pista %2 de %3</translation>
    </message>
</context>
<context>
    <name>Decisions</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be handed to the encoder unchanged</source>
        <translation>su nombre no es UTF-8 válido, así que no se puede pasar al codificador sin cambios</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is a playlist, which would make the encoder open the files it names</source>
        <translation>es una lista de reproducción, lo que haría que el codificador abriera los archivos que contiene</translation>
    </message>
    <message>
        <source>it could not be examined: the system would not start the encoder (%1)</source>
        <translation>no se pudo examinar: el sistema no pudo iniciar el codificador (%1)</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>el codificador terminó de inmediato con el código %1</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>el codificador no terminó de leerlo en %1 segundos</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the encoder reported success but wrote nothing</source>
        <translation>el codificador indicó éxito, pero no escribió nada</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>es un FIFO, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>InputCollection</name>
    <message>
        <source>it is a folder that cannot be opened (%1)</source>
        <translation>es una carpeta que no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>Left out %1: it holds the results of earlier runs.</source>
        <translation>Se excluyó %1: contiene los resultados de ejecuciones anteriores.</translation>
    </message>
    <message>
        <source>Left out %1: it is the output folder, which holds results.</source>
        <translation>Se excluyó %1: es la carpeta de salida, que contiene resultados.</translation>
    </message>
    <message>
        <source>its FILE %1 is not beside it</source>
        <translation>su FILE %1 no está en la misma carpeta</translation>
    </message>
    <message>
        <source>its FILE %1 is not there</source>
        <translation>su FILE %1 no existe</translation>
    </message>
    <message>
        <source>its FILE %1 is a link, which is not followed</source>
        <translation>su FILE %1 es un enlace, y los enlaces no se siguen</translation>
    </message>
    <message>
        <source>its FILE %1 is not a regular file</source>
        <translation>su FILE %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than an album&apos;s cue sheet can be</source>
        <translation>es más grande de lo que puede ser la hoja CUE de un álbum</translation>
    </message>
</context>
<context>
    <name>Journey</name>
    <message>
        <source>the system would not start the encoder (%1)</source>
        <translation>el sistema no pudo iniciar el codificador (%1)</translation>
    </message>
    <message>
        <source>its image states no sample rate</source>
        <translation>su imagen no indica la frecuencia de muestreo</translation>
    </message>
    <message>
        <source>it starts at %1, after the end of its image (%2)</source>
        <translation>empieza en %1, después del final de su imagen (%2)</translation>
    </message>
    <message>
        <source>its Converted folder %1 is a link, which is not followed</source>
        <translation>su carpeta Converted %1 es un enlace, y los enlaces no se siguen</translation>
    </message>
    <message>
        <source>%1, where its Converted folder goes, is not a folder</source>
        <translation>%1, donde va su carpeta Converted, no es una carpeta</translation>
    </message>
    <message>
        <source>it ended with code %1 at once</source>
        <translation>el codificador terminó de inmediato con el código %1</translation>
    </message>
    <message>
        <source>Removed %1, which an interrupted run had left unfinished.</source>
        <translation>Se eliminó %1, que una ejecución interrumpida había dejado sin terminar.</translation>
    </message>
    <message>
        <source>its output %1 could not be created (%2)</source>
        <translation>no se pudo crear su salida %1 (%2)</translation>
    </message>
    <message>
        <source>a name or setting holds the text %1, which would split the encoder&apos;s arguments</source>
        <translation>un nombre o ajuste contiene el texto %1, que dividiría los argumentos del codificador</translation>
    </message>
    <message>
        <source>the encoder could not be started</source>
        <translation>no se pudo iniciar el codificador</translation>
    </message>
    <message>
        <source>the encoder could not be started (%1)</source>
        <translation>no se pudo iniciar el codificador (%1)</translation>
    </message>
    <message>
        <source>the encoder did not finish reading it within %1 seconds</source>
        <translation>el codificador no terminó de leerlo en %1 segundos</translation>
    </message>
    <message>
        <source>it could not be saved (%1)</source>
        <translation>no se pudo guardar (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or press Enter or Space to pick files</source>
        <translation>Suelte aquí archivos o carpetas de audio, o pulse Intro o Espacio para elegir archivos</translation>
    </message>
    <message>
        <source>Drop audio files or folders here, or click to pick files (Ctrl+O)</source>
        <translation>Suelte aquí archivos o carpetas de audio, o haga clic para elegir archivos (Ctrl+O)</translation>
    </message>
    <message>
        <source>How to add files</source>
        <translation>Cómo añadir archivos</translation>
    </message>
    <message>
        <source>Drop audio files or folders on the door, or click it to choose files.</source>
        <translation>Suelte archivos o carpetas de audio sobre la puerta, o haga clic en ella para elegir archivos.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Output format, which is also the new file&apos;s extension</source>
        <translation>Formato de salida, que también es la extensión del nuevo archivo</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Audio bitrate in kilobits per second, used by the lossy formats</source>
        <translation>Tasa de bits del audio en kilobits por segundo, usada por los formatos con pérdida</translation>
    </message>
    <message>
        <source>Audio bitrate in kbit/s (used by the lossy formats)</source>
        <translation>Tasa de bits del audio en kbit/s (la usan los formatos con pérdida)</translation>
    </message>
    <message>
        <source>kbit/s</source>
        <translation>kbit/s</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Muestreo</translation>
    </message>
    <message>
        <source>Sample rate in hertz</source>
        <translation>Frecuencia de muestreo en hercios</translation>
    </message>
    <message>
        <source>Sample rate in Hz</source>
        <translation>Frecuencia de muestreo en Hz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Mono or stereo</source>
        <translation>Mono o estéreo</translation>
    </message>
    <message>
        <source>Number of channels</source>
        <translation>Número de canales</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>At once</source>
        <translation>A la vez</translation>
    </message>
    <message>
        <source>How many files convert at the same time</source>
        <translation>Cuántos archivos se convierten a la vez</translation>
    </message>
    <message>
        <source>How many files convert at the same time; each uses one processor core</source>
        <translation>Cuántos archivos se convierten a la vez; cada uno usa un núcleo del procesador</translation>
    </message>
    <message>
        <source>What the chosen format does with the sample rate</source>
        <translation>Qué hace el formato elegido con la frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Whether the encoder takes the chosen format, bitrate, sample rate and channels</source>
        <translation>Si el codificador admite el formato, la tasa de bits, la frecuencia de muestreo y los canales elegidos</translation>
    </message>
    <message>
        <source>Save to</source>
        <translation>Guardar en</translation>
    </message>
    <message>
        <source>Original Folder puts the results in a Converted folder beside each file; otherwise you pick one folder when the batch starts</source>
        <translation>“Carpeta original” guarda los resultados en una carpeta Converted junto a cada archivo; si no, se elige una carpeta al iniciar el lote</translation>
    </message>
    <message>
        <source>Original Folder: a Converted folder beside each file. Otherwise you pick one folder when the batch starts.</source>
        <translation>Carpeta original: una carpeta Converted junto a cada archivo. Si no, se elige una carpeta al iniciar el lote.</translation>
    </message>
    <message>
        <source>Original Folder</source>
        <translation>Carpeta original</translation>
    </message>
    <message>
        <source>Choose a Folder…</source>
        <translation>Elegir una carpeta…</translation>
    </message>
    <message>
        <source>Keep folders</source>
        <translation>Mantener carpetas</translation>
    </message>
    <message>
        <source>With a chosen folder, the files of a dropped folder keep its tree of folders inside it</source>
        <translation>Con una carpeta elegida, los archivos de una carpeta arrastrada conservan su árbol de carpetas dentro de ella</translation>
    </message>
    <message>
        <source>If it exists</source>
        <translation>Si ya existe</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: convert it again under a new name, or skip the file</source>
        <translation>Cuando el resultado de un archivo ya existe: convertirlo de nuevo con un nombre nuevo u omitir el archivo</translation>
    </message>
    <message>
        <source>When a file&apos;s result is there already: New name converts it again as &quot;NAME 1&quot;, Skip leaves it as it is</source>
        <translation>Cuando el resultado de un archivo ya existe: “Nombre nuevo” lo convierte de nuevo como &quot;NAME 1&quot; y “Omitir” lo deja como está</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Split by cue sheet</source>
        <translation>Dividir por hoja CUE</translation>
    </message>
    <message>
        <source>An album image with a cue sheet beside it gives one file per track, named and tagged as the sheet says</source>
        <translation>Una imagen de álbum con una hoja CUE al lado da un archivo por pista, con los nombres y etiquetas que indica la hoja</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>The folder chosen for the results</source>
        <translation>La carpeta elegida para los resultados</translation>
    </message>
    <message>
        <source>Converted/ beside each file</source>
        <translation>Converted/ junto a cada archivo</translation>
    </message>
    <message>
        <source>What is being done and how many files are left</source>
        <translation>Qué se está haciendo y cuántos archivos quedan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>How far the current file has got</source>
        <translation>Cuánto ha avanzado el archivo actual</translation>
    </message>
    <message>
        <source>How far the current file has got, in percent</source>
        <translation>Cuánto ha avanzado el archivo actual, en porcentaje</translation>
    </message>
    <message>
        <source>How long the whole batch will still take</source>
        <translation>Cuánto tardará aún todo el lote</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>The current file is being examined</source>
        <translation>Se está examinando el archivo actual</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Abre la guía</translation>
    </message>
    <message>
        <source>Qelvanto help</source>
        <translation>Ayuda de Qelvanto</translation>
    </message>
    <message>
        <source>While files convert it reads Stop and stops every conversion that runs; otherwise it only shows the door picture again</source>
        <translation>Mientras se convierten archivos muestra “Detener” y detiene todas las conversiones en curso; si no, solo vuelve a mostrar la imagen de la puerta</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Consola</translation>
    </message>
    <message>
        <source>What the encoder did, file by file</source>
        <translation>Lo que hizo el codificador, archivo por archivo</translation>
    </message>
    <message>
        <source>Encoder status</source>
        <translation>Estado del codificador</translation>
    </message>
    <message>
        <source>The encoder&apos;s latest status line</source>
        <translation>La última línea de estado del codificador</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Files of the batch</source>
        <translation>Archivos del lote</translation>
    </message>
    <message>
        <source>Each file of the batch, what became of it and where it was saved; Enter shows a converted file in the file manager</source>
        <translation>Cada archivo del lote, qué fue de él y dónde se guardó; Intro muestra un archivo convertido en el gestor de archivos</translation>
    </message>
    <message>
        <source>Asked for when the batch starts</source>
        <translation>Se elige al iniciar el lote</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>converted with problems to %1: %2</source>
        <translation>convertido con problemas en %1: %2</translation>
    </message>
    <message>
        <source>converted to %1</source>
        <translation>convertido en %1</translation>
    </message>
    <message>
        <source>already converted as %1, left as it is</source>
        <translation>ya convertido como %1, se deja como está</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falló: %1</translation>
    </message>
    <message>
        <source>failed with result code %1</source>
        <translation>falló con el código de resultado %1</translation>
    </message>
    <message>
        <source>failed with result code %1: %2</source>
        <translation>falló con el código de resultado %1: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>not audio, skipped</source>
        <translation>no es audio, omitido</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>excluido: %1</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
    <message>
        <source>Conversion Completed.</source>
        <translation>Conversión completada.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed; the console has the details.</source>
        <translation>
            <numerusform>Falló %Ln de %1 archivos; los detalles están en la consola.</numerusform>
            <numerusform>Fallaron %Ln de %1 archivos; los detalles están en la consola.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files failed.</source>
        <translation>
            <numerusform>Falló %Ln de %1 archivos.</numerusform>
            <numerusform>Fallaron %Ln de %1 archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were stopped.</source>
        <translation>
            <numerusform>Se detuvo %Ln de %1 archivos.</numerusform>
            <numerusform>Se detuvieron %Ln de %1 archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not audio and was skipped.</source>
        <translation>1 archivo no era audio y se omitió.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not audio and were skipped.</source>
        <translation>
            <numerusform>%Ln archivo no era audio y se omitió.</numerusform>
            <numerusform>%Ln archivos no eran audio y se omitieron.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was converted with problems; the console has the details.</source>
        <translation>1 archivo se convirtió con problemas; los detalles están en la consola.</translation>
    </message>
    <message>
        <source>1 file was converted with problems.</source>
        <translation>1 archivo se convirtió con problemas.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems; the console has the details.</source>
        <translation>
            <numerusform>%Ln archivo se convirtió con problemas; los detalles están en la consola.</numerusform>
            <numerusform>%Ln archivos se convirtieron con problemas; los detalles están en la consola.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were converted with problems.</source>
        <translation>
            <numerusform>%Ln archivo se convirtió con problemas.</numerusform>
            <numerusform>%Ln archivos se convirtieron con problemas.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was already converted and was left as it is.</source>
        <translation>1 archivo ya estaba convertido y se dejó como estaba.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were already converted and were left as they are.</source>
        <translation>
            <numerusform>%Ln archivo ya estaba convertido y se dejó como estaba.</numerusform>
            <numerusform>%Ln archivos ya estaban convertidos y se dejaron como estaban.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %Ln más</numerusform>
            <numerusform>y %Ln más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Presenter</name>
    <message>
        <source>Stopped %1: its unfinished output %2 was removed.</source>
        <translation>Se detuvo %1: se eliminó su salida sin terminar %2.</translation>
    </message>
    <message>
        <source>Not converted %1: its unfinished output %2 was removed.</source>
        <translation>No se convirtió %1: se eliminó su salida sin terminar %2.</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Examining</source>
        <translation>Examinando</translation>
    </message>
    <message>
        <source>Converting %1%</source>
        <translation>Convirtiendo %1 %</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Convirtiendo</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted with problems: %1</source>
        <translation>Convertido con problemas: %1</translation>
    </message>
    <message>
        <source>Already converted</source>
        <translation>Ya convertido</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>result code %1</source>
        <translation>código de resultado %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Not audio</source>
        <translation>No es audio</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Excluido: %1</translation>
    </message>
    <message numerus="yes">
        <source>Preparing the File - %n File(s) Left</source>
        <translation>
            <numerusform>Preparando el archivo - %Ln archivo restante</numerusform>
            <numerusform>Preparando el archivo - %Ln archivos restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Converting - %n File(s) Left</source>
        <translation>
            <numerusform>Convirtiendo - %Ln archivo restante</numerusform>
            <numerusform>Convirtiendo - %Ln archivos restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>Qelvanto — %1 of %2 — %3</source>
        <translation>Qelvanto — %1 de %2 — %3</translation>
    </message>
    <message>
        <source>Not converted %1: %2.</source>
        <translation>No se convirtió %1: %2.</translation>
    </message>
    <message>
        <source>Converted with problems %1: %2.</source>
        <translation>%1 se convirtió con problemas: %2.</translation>
    </message>
    <message>
        <source>Left out %1: %2.</source>
        <translation>Se excluyó %1: %2.</translation>
    </message>
    <message>
        <source>Stopped %1 before its conversion.</source>
        <translation>Se detuvo %1 antes de su conversión.</translation>
    </message>
    <message>
        <source>Already converted %1: %2 is there.</source>
        <translation>%1 ya estaba convertido: %2 ya existe.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 files were not started.</source>
        <translation>
            <numerusform>No se inició %Ln de %1 archivos.</numerusform>
            <numerusform>No se iniciaron %Ln de %1 archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Qelvanto: %n of %1 files converted</source>
        <translation>
            <numerusform>Qelvanto: se convirtió %Ln de %1 archivos</numerusform>
            <numerusform>Qelvanto: se convirtieron %Ln de %1 archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>The encoder is missing</source>
        <translation>Falta el codificador</translation>
    </message>
    <message>
        <source>The program &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>No se encontró el programa &quot;ffmpeg&quot; en %1. Reinstale Qelvanto, o instale el paquete ffmpeg y vuelva a compilar.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>The encoder cannot be run</source>
        <translation>No se puede ejecutar el codificador</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be run: %2. Reinstall Qelvanto, or install the ffmpeg package and build again.</source>
        <translation>No se pudo ejecutar el programa &quot;%1&quot;: %2. Reinstale Qelvanto, o instale el paquete ffmpeg y vuelva a compilar.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder is missing: &quot;ffmpeg&quot; was not found in %1. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: falta el codificador: no se encontró &quot;ffmpeg&quot; en %1. Reinstale Qelvanto, o instale el paquete ffmpeg.</translation>
    </message>
    <message>
        <source>qelvanto: the encoder &quot;%1&quot; cannot be run: %2. Reinstall Qelvanto, or install the ffmpeg package.</source>
        <translation>qelvanto: no se puede ejecutar el codificador &quot;%1&quot;: %2. Reinstale Qelvanto, o instale el paquete ffmpeg.</translation>
    </message>
    <message>
        <source>opus converts at %1 Hz, whatever the sample rate box says</source>
        <translation>opus siempre convierte a %1 Hz, sea cual sea el valor de Muestreo</translation>
    </message>
    <message>
        <source>%1, %2 kbit/s</source>
        <translation>%1, %2 kbit/s</translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into Converted/ beside each file?</source>
        <translation>¿Convertir 1 archivo a %1, en Converted/ junto a cada archivo?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into Converted/ beside each file?</source>
        <translation>
            <numerusform>¿Convertir %Ln archivo a %1, en Converted/ junto a cada archivo?</numerusform>
            <numerusform>¿Convertir %Ln archivos a %1, en Converted/ junto a cada archivo?</numerusform>
        </translation>
    </message>
    <message>
        <source>Convert 1 file to %1, into a folder you choose next?</source>
        <translation>¿Convertir 1 archivo a %1, en una carpeta que elegirá a continuación?</translation>
    </message>
    <message numerus="yes">
        <source>Convert %n files to %1, into a folder you choose next?</source>
        <translation>
            <numerusform>¿Convertir %Ln archivo a %1, en una carpeta que elegirá a continuación?</numerusform>
            <numerusform>¿Convertir %Ln archivos a %1, en una carpeta que elegirá a continuación?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProbeText</name>
    <message>
        <source>only %1 of %2 could be read</source>
        <translation>solo se pudieron leer %1 de %2</translation>
    </message>
    <message>
        <source>1 error while decoding</source>
        <translation>1 error al decodificar</translation>
    </message>
    <message numerus="yes">
        <source>%n errors while decoding</source>
        <translation>
            <numerusform>%Ln error al decodificar</numerusform>
            <numerusform>%Ln errores al decodificar</numerusform>
        </translation>
    </message>
    <message>
        <source>its timestamps ran backwards once</source>
        <translation>sus marcas de tiempo retrocedieron una vez</translation>
    </message>
    <message numerus="yes">
        <source>its timestamps ran backwards %n times</source>
        <translation>
            <numerusform>sus marcas de tiempo retrocedieron %Ln vez</numerusform>
            <numerusform>sus marcas de tiempo retrocedieron %Ln veces</numerusform>
        </translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
</TS>
